#include "ui/save_actions.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>

#include "base/file_output.h"
#include "ui/background_work.h"
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
    const std::string why =
        output_problem_tried(QFile::encodeName(path).toStdString(), &interface_translator());
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

void tell_not_saved(const QString& path, const QString& reason, Dialogs& dialogs) {
    dialogs.message(utf8(save_failed_text(QDir::toNativeSeparators(path), reason)),
                    interface_text(kWarningTitle));
}

void write_or_tell(const QString& path, const QByteArray& data, Dialogs& dialogs) {
    QString reason;
    if (!write_file(path, data, &reason)) {
        tell_not_saved(path, reason, dialogs);
    }
}

// A picture to save, as the picture box holds it: its display list, or its image when the file
// is the image on the screen.
struct SavedPicture {
    DisplayList list;
    QImage image;
    QSize size;
    QFont font;
    QColor background;
    QString title;
    qreal scale;
};

// The picture's file in `format`; nothing once stopped.
QByteArray render(const SavedPicture& p, Format format, Progress& progress) {
    if (format == Format::Svg) {
        return render_svg(p.list, p.size, p.font, p.background, p.title, progress);
    }
    if (format == Format::Pdf) {
        return render_pdf(p.list, p.size, p.font, p.background, p.title, progress);
    }
    const bool from_list = p.image.isNull();
    ProgressPart painting(progress, 0, from_list ? 0.5 : 0);
    ProgressPart encoding(progress, from_list ? 0.5 : 0, 1);
    QImage image =
        from_list ? render_png(p.list, p.size, p.font, p.background, p.scale, painting) : p.image;
    image.setText(QStringLiteral("Title"), p.title);
    return encode_png(image, encoding);
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

QString not_saved_on_close_text(const QString& path) {
    return QCoreApplication::translate(
               "SaveActions", "Файл\r\n%1\r\nне сохранён: сохранение прервано закрытием окна.")
        .arg(path);
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
    // What the file is made from, the work's own (see ui/background_work.h).
    const auto source = std::make_shared<const SavedPicture>(
        SavedPicture{use_list ? list : DisplayList(), use_list ? QImage() : box.image(), box.size(),
                     box.font(), box.background(), title, scale});
    const auto file = std::make_shared<PendingFile>(QFile::encodeName(path).toStdString(),
                                                    &interface_translator());
    const Format format = kind.format;
    bool done = false, closing = false;
    {
        // A large picture takes seconds: the progress window shows, and a stop leaves no file.
        Computation c(parent, Computation::kSaving);
        done = run_in_background(c.progress(), [source, file, format](Progress& progress) {
            const QByteArray data = render(*source, format, progress);
            // Written and on the disk here; only renamed once the caller has it.
            if (progress.report(1) &&
                file->write(
                    std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
                file->finish();
            }
        });
        closing = c.closing_window();
    } // a close request that stopped the save is answered here
    if (done && !file->put_in_place()) {
        tell_not_saved(path, QString::fromStdString(file->problem()), dialogs);
    } else if (!done && closing && parent != nullptr && parent->isVisible()) {
        dialogs.message(utf8(not_saved_on_close_text(QDir::toNativeSeparators(path))),
                        interface_text(kWarningTitle));
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
