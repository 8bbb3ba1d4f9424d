#include "ui/save_actions.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "base/file_output.h"
#include "ui/computation.h"
#include "ui/language.h"
#include "ui/picture_export.h"
#include "ui/picture_print.h"

namespace {

enum class Format { Png, Svg, Pdf };

struct PictureKind {
    const char* filter;
    Format format;
    qreal scale; // device pixels per pixel; 0: the screen's
};

constexpr PictureKind kKinds[] = {
    {QT_TRANSLATE_NOOP("SaveActions", "PNG — как на экране (*.png)"), Format::Png, 0},
    {QT_TRANSLATE_NOOP("SaveActions", "PNG — масштаб 1× (*.png)"), Format::Png, 1},
    {QT_TRANSLATE_NOOP("SaveActions", "PNG — масштаб 2× (*.png)"), Format::Png, 2},
    {QT_TRANSLATE_NOOP("SaveActions", "PNG — масштаб 4× (*.png)"), Format::Png, 4},
    {QT_TRANSLATE_NOOP("SaveActions", "SVG — векторный рисунок (*.svg)"), Format::Svg, 0},
    {QT_TRANSLATE_NOOP("SaveActions", "PDF — векторный документ (*.pdf)"), Format::Pdf, 0},
};

// The extensions of the formats, in the order of Format.
const QStringList& extensions() {
    static const QStringList known = {QStringLiteral("png"), QStringLiteral("svg"),
                                      QStringLiteral("pdf")};
    return known;
}

Format format_of(const QString& path) {
    const qsizetype i = extensions().indexOf(QFileInfo(path).suffix().toLower());
    return i < 0 ? Format::Png : static_cast<Format>(i);
}

std::string utf8(const QString& s) {
    return s.toStdString();
}

// The name with `ext` when it has no extension of the known kinds and names nothing yet (an
// existing name, such as a device, is taken as it is).
QString with_extension(const QString& name, const QString& ext, const QStringList& known) {
    const QFileInfo info(name);
    if (known.contains(info.suffix().toLower()) || (info.exists() && !info.isDir())) {
        return name;
    }
    return name + QLatin1Char('.') + ext;
}

// False when the file cannot be written, which a box tells (before any question whether to
// replace it), or exists and the user would rather keep it.
bool may_write(const QString& path, Dialogs& dialogs) {
    const std::string why = output_problem_tried(QFile::encodeName(path).toStdString());
    if (!why.empty()) {
        dialogs.message(
            utf8(save_failed_text(QDir::toNativeSeparators(path), QString::fromStdString(why))),
            interface_text(kWarningTitle));
        return false;
    }
    return !QFileInfo(path).isFile() ||
           dialogs.ask_yes_no(
               utf8(replace_question(QDir::toNativeSeparators(path))),
               QCoreApplication::translate("SaveActions", kReplaceTitle).toStdString());
}

void write_or_tell(const QString& path, const QByteArray& data, Dialogs& dialogs) {
    QString reason;
    if (!write_file(path, data, &reason)) {
        dialogs.message(utf8(save_failed_text(QDir::toNativeSeparators(path), reason)),
                        interface_text(kWarningTitle));
    }
}

} // namespace

QString replace_question(const QString& path) {
    return QCoreApplication::translate("SaveActions", "Файл\r\n%1\r\nуже есть. Заменить его?")
        .arg(path);
}

QString save_failed_text(const QString& path, const QString& reason) {
    return QCoreApplication::translate("SaveActions", "Не удалось сохранить файл\r\n%1:\r\n%2.")
        .arg(path, reason);
}

QString too_large_question(std::size_t primitives, const QString& format) {
    return QCoreApplication::translate(
               "SaveActions", "Рисунок слишком велик, чтобы сохранить его в %2 или в другом "
                              "масштабе: в нём больше %1 элементов.\r\nСохранить его в PNG, как "
                              "на экране?")
        .arg(primitives)
        .arg(format);
}

QStringList picture_filters() {
    QStringList filters;
    for (const PictureKind& k : kKinds) {
        filters << QCoreApplication::translate("SaveActions", k.filter);
    }
    return filters;
}

void save_picture(QWidget* parent, QtPictureBox& box, FileChooser& chooser, Dialogs& dialogs,
                  const QString& caption, const QString& suggested_name, const QString& title) {
    static int last_kind = 0;
    const QStringList filters = picture_filters();
    int chosen = last_kind;
    QString path = chooser.save_file_name(parent, caption, suggested_name, filters, chosen);
    if (path.isEmpty()) {
        return;
    }
    if (chosen < 0 || chosen >= filters.size()) {
        chosen = 0;
    }
    last_kind = chosen;
    PictureKind kind = kKinds[chosen];
    const QStringList& known = extensions();
    path = with_extension(path, known[static_cast<int>(kind.format)], known);
    const Format typed = format_of(path);
    if (kind.format != Format::Png && typed == Format::Png) {
        kind = kKinds[0]; // a PNG name typed with a vector kind chosen: as on the screen
    }
    kind.format = typed;

    const qreal screen = box.image().devicePixelRatio();
    const qreal scale = kind.scale > 0 ? kind.scale : screen;
    const bool vector = kind.format != Format::Png;
    const bool from_list = vector || scale != screen;
    const DisplayList& list = box.display_list();
    bool use_list = from_list;
    if (from_list && !list.complete()) {
        // The question names SVG for every kind but PDF, as it did before PDF was offered.
        const QString format =
            kind.format == Format::Pdf ? QStringLiteral("PDF") : QStringLiteral("SVG");
        if (!dialogs.ask_yes_no(utf8(too_large_question(DisplayList::kDefaultMaxOps, format)),
                                interface_text(kWarningTitle))) {
            return;
        }
        use_list = false;
        kind.format = Format::Png;
        if (vector) {
            path = path.left(path.size() - 3) + known[0];
        }
    }
    if (!may_write(path, dialogs)) {
        return;
    }
    // A large picture takes seconds: the progress window shows, and a stop leaves no file.
    Computation c(parent, Computation::kSaving);
    Progress& progress = c.progress();
    QByteArray data;
    if (kind.format == Format::Svg) {
        data = render_svg(list, box.size(), box.font(), box.background(), title, progress);
    } else if (kind.format == Format::Pdf) {
        data = render_pdf(list, box.size(), box.font(), box.background(), title, progress);
    } else {
        ProgressPart painting(progress, 0, use_list ? 0.5 : 0);
        ProgressPart encoding(progress, use_list ? 0.5 : 0, 1);
        QImage image =
            use_list ? render_png(list, box.size(), box.font(), box.background(), scale, painting)
                     : box.image();
        image.setText(QStringLiteral("Title"), title);
        data = encode_png(image, encoding);
    }
    if (!c.stopped()) {
        write_or_tell(path, data, dialogs);
    }
}

void save_csv(QWidget* parent, FileChooser& chooser, Dialogs& dialogs, const QString& caption,
              const QString& suggested_name, const std::string& table) {
    const QStringList filters = {QCoreApplication::translate("SaveActions", "Таблица CSV (*.csv)")};
    int chosen = 0;
    QString path = chooser.save_file_name(parent, caption, suggested_name, filters, chosen);
    if (path.isEmpty()) {
        return;
    }
    path =
        with_extension(path, QStringLiteral("csv"), {QStringLiteral("csv"), QStringLiteral("txt")});
    if (!may_write(path, dialogs)) {
        return;
    }
    write_or_tell(path, QByteArray::fromStdString(table), dialogs);
}

void copy_picture(QtPictureBox& box) {
    QGuiApplication::clipboard()->setImage(box.image());
}
