#include "ui/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>

#include "model/numbers.h"
#include "ui/fonts.h"
#include "ui/picture_render.h"

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

// A run of primitives [first, end) of one kind, colour and width.
std::size_t run_end(const std::vector<DrawOp>& ops, std::size_t first) {
    const DrawOp& head = ops[first];
    std::size_t end = first + 1;
    while (end < ops.size() && ops[end].kind == head.kind && ops[end].colour == head.colour &&
           ops[end].width == head.width) {
        ++end;
    }
    return end;
}

// A stroke of odd width covers the pixels right of and below its line on the screen: on pixel
// centres in a vector document.
QPointF stroke_offset(int width) {
    return width % 2 != 0 ? QPointF(0.5, 0.5) : QPointF(0, 0);
}

// Consecutive line runs as one path: each curve of a run a stroke, which goes on from the
// previous stroke where it starts at its end.
void svg_lines(QPainter& p, const PictureRenderer& r, const DisplayList& list, std::size_t first,
               std::size_t end) {
    const std::vector<DrawOp>& ops = list.ops();
    const DrawOp& head = ops[first];
    const QPointF off = stroke_offset(head.width);
    const auto px = [&](const ListPoint& q) { return r.to_pixels(q.x, q.y) + off; };
    QPainterPath path;
    bool started = false;
    QPointF last;
    for (std::size_t i = first; i < end; ++i) {
        const DrawOp& op = ops[i];
        const ListPoint* q = list.run_points(op);
        if (q == nullptr) {
            continue;
        }
        const std::size_t curves = op.curves;
        for (std::size_t k = 0; k < curves && k < op.count; ++k) {
            const QPointF start = px(q[k]);
            if (!started || start != last) {
                path.moveTo(start);
            }
            started = true;
            for (std::size_t j = k; j < op.count; j += curves) {
                last = px(q[curves + j]);
                path.lineTo(last);
            }
        }
    }
    QPen pen(to_qcolor(head.colour));
    pen.setWidth(head.width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Consecutive dots as one path of squares, placed as the screen places them.
void svg_dots(QPainter& p, const PictureRenderer& r, const std::vector<DrawOp>& ops,
              std::size_t first, std::size_t end) {
    QPainterPath path;
    for (std::size_t i = first; i < end; ++i) {
        const int w = ops[i].width;
        const QPointF px = r.to_pixels(ops[i].a, ops[i].b);
        const double half = w / 2.0;
        path.addRect(
            QRectF(std::floor(px.x() - half + 0.5), std::floor(px.y() - half + 0.5), w, w));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(to_qcolor(ops[first].colour));
    p.drawPath(path);
}

// Why a file could not be written, from the error number of the call that failed.
QString reason_of(int err, const QString& system_text) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на запись в эту папку");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOENT:
        return QStringLiteral("такой папки нет");
    case ENOTDIR:
        return QStringLiteral("путь к файлу проходит через то, что не является папкой");
    case EISDIR:
        return QStringLiteral("под этим именем уже есть папка");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    default:
        return system_text.isEmpty() ? QStringLiteral("неизвестная ошибка") : system_text;
    }
}

bool fail(QString* reason, const QString& why) {
    if (reason) {
        *reason = why;
    }
    return false;
}

// A device or a pipe is written as it is: there is no file to replace.
bool write_directly(const QString& path, const QByteArray& data, QString* reason) {
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(reason, reason_of(errno, f.errorString()));
    }
    errno = 0;
    if (f.write(data) != data.size()) {
        return fail(reason, reason_of(errno, f.errorString()));
    }
    return true;
}

} // namespace

QFont picture_font() {
    return times_font(11.25);
}

QImage render_png(const DisplayList& list, QSize size, const QFont& font, QColor background,
                  qreal scale) {
    QImage image((QSizeF(size) * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    QPainter p(&image);
    paint_display_list(p, QSizeF(size), font, list);
    return image;
}

QByteArray encode_png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Compression level 3 instead of zlib's 6: half the time for a fifth more bytes.
    writer.setQuality(60);
    writer.write(image);
    return bytes;
}

QByteArray render_svg(const DisplayList& list, QSize size, const QFont& font, QColor background,
                      const QString& title) {
    QByteArray bytes;
    bytes.reserve(64 * static_cast<qsizetype>(list.size()) + 4096);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // 96 dots per inch: one pixel of the picture is one unit of the document, and the font
    // sizes and line widths are those of the screen.
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("chargefield"));

    QPainter p(&svg);
    paint_vectors(p, list, size, font, background);
    p.end();
    return bytes;
}

void paint_vectors(QPainter& p, const DisplayList& list, QSize size, const QFont& font,
                   QColor background) {
    QFont text_font = font;
    text_font.setFamily(QStringLiteral("Liberation Serif"));
    p.fillRect(QRect(QPoint(0, 0), size), background);
    PictureRenderer r(p, QSizeF(size), text_font);
    const std::vector<DrawOp>& ops = list.ops();
    for (std::size_t i = 0; i < ops.size();) {
        const DrawOp& op = ops[i];
        if (op.kind == DrawOp::Kind::Line) {
            const std::size_t end = run_end(ops, i);
            svg_lines(p, r, list, i, end);
            i = end;
        } else if (op.kind == DrawOp::Kind::Dot) {
            const std::size_t end = run_end(ops, i);
            svg_dots(p, r, ops, i, end);
            i = end;
        } else {
            // Scales, circles and texts as the screen paints them; a circle's outline on pixel
            // centres like the lines.
            const QPointF off =
                op.kind == DrawOp::Kind::Circle ? stroke_offset(op.width) : QPointF();
            p.translate(off);
            r.paint(list, i, i + 1);
            p.translate(-off);
            ++i;
        }
    }
}

QString field_picture_title(const FieldParams& params, const Frame& frame) {
    const auto num = [&params](double v) {
        return QString::fromStdString(format_shortest(v, params.decimal_separator));
    };
    const double a = params.half_distance;
    return QStringLiteral("Поле двух точечных зарядов: q1 = %1 нКл (x = %2 м), q2 = %3 нКл "
                          "(x = %4 м); область x, y от %5 до %6 м")
        .arg(num(params.q1), num(-a), num(params.q2), num(a), num(frame.x_min), num(frame.x_max));
}

bool write_file(const QString& path, const QByteArray& data, QString* reason) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return fail(reason, reason_of(EISDIR, {}));
    }
    if (info.exists() && !info.isFile()) {
        return write_directly(path, data, reason);
    }
    if (info.exists() && !info.isWritable()) {
        return fail(reason, QStringLiteral("файл защищён от записи"));
    }
    QSaveFile f(path);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(reason, reason_of(errno, f.errorString()));
    }
    errno = 0;
    if (f.write(data) != data.size()) {
        const int err = errno;
        const QString text = f.errorString();
        f.cancelWriting();
        return fail(reason, reason_of(err, text));
    }
    errno = 0;
    if (!f.commit()) {
        return fail(reason, reason_of(errno, f.errorString()));
    }
    return true;
}
