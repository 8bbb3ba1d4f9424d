#include "ui/picture_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "base/file_output.h"
#include "model/numbers.h"
#include "ui/fonts.h"
#include "ui/language.h"
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

// The share of the work done on a list, primitives and points of lines counted alike.
class ListWork {
  public:
    ListWork(const DisplayList& list, Progress& progress)
        : progress_(progress),
          total_(static_cast<double>(list.ops().size() + list.points().size()) + 1) {}
    // `n` more done; false once the work is to stop.
    bool add(std::size_t n) {
        done_ += static_cast<double>(n);
        return progress_.report(done_ / total_);
    }
    bool stopped() const { return progress_.stopped(); }

  private:
    Progress& progress_;
    double total_;
    double done_ = 0;
};

// Elements of one <path>: a few tens of kilobytes of text, which every SVG reader opens (some
// refuse an attribute of ten megabytes). A path ends where a stroke ends once it has the first
// number of elements, or within a stroke at the second; the stroke then goes on in the next path
// from its last segment again, so that the join at the cut is drawn as before.
constexpr int kPathElements = 4096;
constexpr int kMaxPathElements = 2 * kPathElements;

// Consecutive line runs as paths of a pen: each curve of a run a stroke, which goes on from the
// previous stroke where it starts at its end.
void svg_lines(QPainter& p, const PictureRenderer& r, const DisplayList& list, std::size_t first,
               std::size_t end, ListWork& work) {
    const std::vector<DrawOp>& ops = list.ops();
    const DrawOp& head = ops[first];
    const QPointF off = stroke_offset(head.width);
    const auto px = [&](const ListPoint& q) { return r.to_pixels(q.x, q.y) + off; };
    QPen pen(to_qcolor(head.colour));
    pen.setWidth(head.width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    bool started = false;
    QPointF before_last, last;
    const auto draw = [&] {
        p.drawPath(path);
        const bool go_on = work.add(static_cast<std::size_t>(path.elementCount()));
        path.clear();
        return go_on;
    };
    for (std::size_t i = first; i < end && !work.stopped(); ++i) {
        const DrawOp& op = ops[i];
        const ListPoint* q = list.run_points(op);
        if (q == nullptr) {
            continue;
        }
        const std::size_t curves = op.curves;
        for (std::size_t k = 0; k < curves && k < op.count; ++k) {
            const QPointF start = px(q[k]);
            if (!started || start != last) {
                if (path.elementCount() >= kPathElements && !draw()) {
                    return;
                }
                path.moveTo(start);
                last = start;
            }
            started = true;
            for (std::size_t j = k; j < op.count; j += curves) {
                before_last = last;
                last = px(q[curves + j]);
                path.lineTo(last);
                if (path.elementCount() >= kMaxPathElements) {
                    if (!draw()) {
                        return;
                    }
                    path.moveTo(before_last);
                    path.lineTo(last);
                }
            }
        }
    }
    if (path.elementCount() > 1) {
        p.drawPath(path);
    }
}

// Consecutive dots as paths of squares, placed as the screen places them.
void svg_dots(QPainter& p, const PictureRenderer& r, const std::vector<DrawOp>& ops,
              std::size_t first, std::size_t end) {
    p.setPen(Qt::NoPen);
    p.setBrush(to_qcolor(ops[first].colour));
    QPainterPath path;
    // Squares that overlap cover their union, as on the screen (not holes, as under even-odd).
    path.setFillRule(Qt::WindingFill);
    for (std::size_t i = first; i < end; ++i) {
        const int w = ops[i].width;
        const QPointF px = r.to_pixels(ops[i].a, ops[i].b);
        const double half = w / 2.0;
        path.addRect(
            QRectF(std::floor(px.x() - half + 0.5), std::floor(px.y() - half + 0.5), w, w));
        if (path.elementCount() >= kPathElements) {
            p.drawPath(path);
            path.clear();
            path.setFillRule(Qt::WindingFill);
        }
    }
    if (!path.isEmpty()) {
        p.drawPath(path);
    }
}

} // namespace

void ReportingBuffer::report_to(Progress& progress, double growth) {
    progress_ = &progress;
    from_ = size();
    growth_ = std::max(1.0, growth);
}

qint64 ReportingBuffer::writeData(const char* data, qint64 len) {
    if (progress_ != nullptr &&
        !progress_->report(std::min(0.99, static_cast<double>(size() - from_) / growth_))) {
        return -1;
    }
    return QBuffer::writeData(data, len);
}

QFont picture_font() {
    return times_font(11.25);
}

QImage render_png(const DisplayList& list, QSize size, const QFont& font, QColor background,
                  qreal scale, Progress& progress) {
    QImage image((QSizeF(size) * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    QPainter p(&image);
    // In pieces of some ten thousand segments, reporting after each.
    constexpr std::size_t kPiece = std::size_t{1} << 14;
    ListWork work(list, progress);
    PictureRenderer r(p, QSizeF(size), font);
    const std::vector<DrawOp>& ops = list.ops();
    for (std::size_t first = 0; first < ops.size();) {
        std::size_t last = first;
        std::size_t amount = 0;
        while (last < ops.size() && amount < kPiece) {
            amount += 1 + (ops[last].kind == DrawOp::Kind::Line ? ops[last].count : 0);
            ++last;
        }
        r.paint(list, first, last);
        first = last;
        if (!work.add(amount)) {
            break;
        }
    }
    return image;
}

QByteArray encode_png(const QImage& image, Progress& progress) {
    QByteArray bytes;
    ReportingBuffer buffer(&bytes);
    // An image of lines on a plain background packs to about a twentieth of its pixels' bytes.
    buffer.report_to(progress, image.sizeInBytes() / 20.0);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Compression level 3 instead of zlib's 6: half the time for a fifth more bytes.
    writer.setQuality(60);
    if (!writer.write(image) || progress.stopped()) {
        return {};
    }
    return bytes;
}

QByteArray render_svg(const DisplayList& list, QSize size, const QFont& font, QColor background,
                      const QString& title, Progress& progress) {
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
    const bool whole = paint_vectors(p, list, size, font, background, progress);
    p.end();
    if (!whole) {
        return {};
    }
    return bytes;
}

bool paint_vectors(QPainter& p, const DisplayList& list, QSize size, const QFont& font,
                   QColor background, Progress& progress) {
    QFont text_font = font;
    text_font.setFamily(QStringLiteral("Liberation Serif"));
    p.fillRect(QRect(QPoint(0, 0), size), background);
    PictureRenderer r(p, QSizeF(size), text_font);
    ListWork work(list, progress);
    const std::vector<DrawOp>& ops = list.ops();
    for (std::size_t i = 0; i < ops.size() && !work.stopped();) {
        const DrawOp& op = ops[i];
        std::size_t end = i + 1;
        if (op.kind == DrawOp::Kind::Line) {
            end = run_end(ops, i);
            svg_lines(p, r, list, i, end, work);
        } else if (op.kind == DrawOp::Kind::Dot) {
            end = run_end(ops, i);
            svg_dots(p, r, ops, i, end);
        } else {
            // Scales, circles and texts as the screen paints them; a circle's outline on pixel
            // centres like the lines.
            const QPointF off =
                op.kind == DrawOp::Kind::Circle ? stroke_offset(op.width) : QPointF();
            p.translate(off);
            r.paint(list, i, i + 1);
            p.translate(-off);
        }
        work.add(end - i);
        i = end;
    }
    return !work.stopped();
}

QString field_picture_title(const FieldParams& params, const Frame& frame) {
    const auto num = [&params](double v) {
        return QString::fromStdString(format_shortest(v, params.decimal_separator));
    };
    const double a = params.half_distance;
    return QCoreApplication::translate("PictureExport",
                                       "Поле двух точечных зарядов: q1 = %1 нКл (x = %2 м), q2 = "
                                       "%3 нКл (x = %4 м); область x, y от %5 до %6 м")
        .arg(num(params.q1), num(-a), num(params.q2), num(a), num(frame.x_min), num(frame.x_max));
}

bool write_file(const QString& path, const QByteArray& data, QString* reason) {
    std::string why;
    if (write_whole_file(QFile::encodeName(path).toStdString(),
                         std::string_view(data.constData(), static_cast<std::size_t>(data.size())),
                         &why, &interface_translator())) {
        return true;
    }
    if (reason != nullptr) {
        *reason = QString::fromStdString(why);
    }
    return false;
}
