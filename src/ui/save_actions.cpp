#include "ui/save_actions.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "base/file_output.h"
#include "ui/computation.h"
#include "ui/picture_export.h"

namespace {

struct PictureKind {
    const char* filter;
    bool svg;
    qreal scale; // device pixels per pixel; 0: the screen's
};

constexpr PictureKind kKinds[] = {
    {"PNG — как на экране (*.png)", false, 0},    {"PNG — масштаб 1× (*.png)", false, 1},
    {"PNG — масштаб 2× (*.png)", false, 2},       {"PNG — масштаб 4× (*.png)", false, 4},
    {"SVG — векторный рисунок (*.svg)", true, 0},
};

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
            kWarningTitle);
        return false;
    }
    return !QFileInfo(path).isFile() ||
           dialogs.ask_yes_no(utf8(replace_question(QDir::toNativeSeparators(path))),
                              kReplaceTitle);
}

void write_or_tell(const QString& path, const QByteArray& data, Dialogs& dialogs) {
    QString reason;
    if (!write_file(path, data, &reason)) {
        dialogs.message(utf8(save_failed_text(QDir::toNativeSeparators(path), reason)),
                        kWarningTitle);
    }
}

} // namespace

QString replace_question(const QString& path) {
    return QStringLiteral("Файл\r\n%1\r\nуже есть. Заменить его?").arg(path);
}

QString save_failed_text(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл\r\n%1:\r\n%2.").arg(path, reason);
}

QString too_large_question(std::size_t primitives) {
    return QStringLiteral("Рисунок слишком велик, чтобы сохранить его в SVG или в другом "
                          "масштабе: в нём больше %1 элементов.\r\nСохранить его в PNG, как на "
                          "экране?")
        .arg(primitives);
}

QStringList picture_filters() {
    QStringList filters;
    for (const PictureKind& k : kKinds) {
        filters << QString::fromUtf8(k.filter);
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
    const QStringList known = {QStringLiteral("png"), QStringLiteral("svg")};
    path = with_extension(path, kind.svg ? known[1] : known[0], known);
    const bool svg = QFileInfo(path).suffix().toLower() == known[1];
    if (kind.svg && !svg) {
        kind = kKinds[0]; // a PNG name typed with the SVG kind chosen: as on the screen
    }
    kind.svg = svg;

    const qreal screen = box.image().devicePixelRatio();
    const qreal scale = kind.scale > 0 ? kind.scale : screen;
    const bool from_list = kind.svg || scale != screen;
    const DisplayList& list = box.display_list();
    bool use_list = from_list;
    if (from_list && !list.complete()) {
        if (!dialogs.ask_yes_no(utf8(too_large_question(DisplayList::kDefaultMaxOps)),
                                kWarningTitle)) {
            return;
        }
        use_list = false;
        kind.svg = false;
        if (svg) {
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
    if (kind.svg) {
        data = render_svg(list, box.size(), box.font(), box.background(), title, progress);
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
    const QStringList filters = {QStringLiteral("Таблица CSV (*.csv)")};
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
