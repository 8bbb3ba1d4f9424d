#include "ui/picture_render.h"

#include <QImage>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

QRgb to_pixel(Colour c) {
    return qRgb(red_of(c), green_of(c), blue_of(c));
}

// Coordinates beyond this many pixels are left to the painter, which clips them safely.
constexpr double kShortcutRange = 1 << 20;

bool in_range(double v) {
    return std::abs(v) < kShortcutRange; // false for NaN
}

// Texts kept by a TextShapes before it starts afresh.
constexpr qsizetype kMaxShapes = 4096;

// Lines handed to the painter at once.
constexpr std::size_t kLineRun = 256;

// A one-pixel line, aliased and square-capped, as the raster painter draws it: its ends in
// 1/64 pixel (truncated), stepped along its longer axis from half a pixel before its start to
// half a pixel past its end, one pixel per step, the shorter axis following in 16.16 fixed
// point. Ends that are equal to the painter's precision give the one pixel nearest them.
// `plot(x, y)` receives the pixels, which may lie a pixel or two beyond the ends. The painter
// clips lines reaching further than a pixel beyond the image before it steps them: such lines
// are left to it.
template <class Plot> void thin_line(QPointF from, QPointF to, Plot plot) {
    if (from == to) {
        plot(qRound(from.x()), qRound(from.y()));
        return;
    }
    const auto fixed = [](double v) { return static_cast<std::int64_t>(v * 64.0); };
    std::int64_t x1 = fixed(from.x()), y1 = fixed(from.y());
    std::int64_t x2 = fixed(to.x()), y2 = fixed(to.y());
    const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    // Major axis a, minor axis b.
    std::int64_t a1 = steep ? y1 : x1, b1 = steep ? x1 : y1;
    std::int64_t a2 = steep ? y2 : x2, b2 = steep ? x2 : y2;
    if (a1 == a2) {
        return; // both ends in the same 1/64 pixel: nothing to step along
    }
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    // The slope in 16.16, truncated towards zero. |rise| <= run, so the quotient is at most 2^16
    // and its double is within 2^-37 of it, while a quotient that is no whole number lies at
    // least 1/run >= 2^-31 from one: truncating the double gives the integer quotient, sooner
    // than an integer division does.
    const std::int64_t rise = b2 - b1, run = a2 - a1;
    const std::int64_t slope = run < (std::int64_t{1} << 31)
                                   ? static_cast<std::int64_t>(static_cast<double>(rise * 65536) /
                                                               static_cast<double>(run))
                                   : rise * 65536 / run;
    std::int64_t b = b1 * 1024;
    // Half a pixel of cap at either end.
    a1 -= 32;
    b -= slope >> 1;
    a2 += 32;
    std::int64_t a = (a1 + 32) >> 6;
    const std::int64_t a_end = (a2 + 32) >> 6;
    if (a == a_end) {
        return;
    }
    b += ((a * 64) + (slope > 0 ? 32 : 0) - a1) * slope >> 6;
    for (; a < a_end; ++a, b += slope) {
        if (steep) {
            plot(static_cast<int>(b >> 16), static_cast<int>(a));
        } else {
            plot(static_cast<int>(a), static_cast<int>(b >> 16));
        }
    }
}

// Whether thin_line gives the painter's pixels in this build of Qt: a few thousand lines of
// every direction, length and sub-pixel position, each drawn both ways on a small image. Run
// once; where they differ, every line goes to the painter.
bool thin_lines_match_painter() {
    constexpr int kSize = 32;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 0, 0);
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    };
    for (int i = 0; i < 3000; ++i) {
        double x1 = 10 + 12 * next(), y1 = 10 + 12 * next();
        const double reach = i % 4 == 0 ? 0.05 : i % 4 == 1 ? 1.5 : 6;
        double x2 = x1 + reach * (2 * next() - 1), y2 = y1 + reach * (2 * next() - 1);
        if (i % 3 == 2) {
            // Across the edges, as far as the painter draws without clipping.
            x1 = -1 + (kSize + 2) * next();
            y1 = -1 + (kSize + 2) * next();
            x2 = i % 2 ? -1 + (kSize + 2) * next() : -1 + 3 * next();
            y2 = -1 + (kSize + 2) * next();
        }
        if (i % 7 == 0) {
            x2 = x1; // vertical
        } else if (i % 11 == 0) {
            y2 = y1; // horizontal
        } else if (i % 13 == 0) {
            y2 = y1 + (x2 - x1); // diagonal
        } else if (i % 17 == 0) {
            x2 = x1;
            y2 = y1; // a point
        }
        by_painter.fill(white);
        by_us.fill(white);
        {
            QPainter p(&by_painter);
            QPen pen(QColor(200, 0, 0));
            pen.setWidth(1);
            pen.setCapStyle(Qt::SquareCap);
            p.setPen(pen);
            p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        }
        thin_line(QPointF(x1, y1), QPointF(x2, y2), [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < kSize && y < kSize) {
                reinterpret_cast<QRgb*>(by_us.scanLine(y))[x] = red;
            }
        });
        if (by_painter != by_us) {
            return false;
        }
    }
    return true;
}

bool thin_lines_usable() {
    static const bool usable = thin_lines_match_painter();
    return usable;
}

// The raster image behind `p` when it is painted one to one with opaque, aliased colours.
QImage* one_to_one_image(QPainter& p) {
    QPaintDevice* d = p.device();
    if (d == nullptr || d->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* img = static_cast<QImage*>(d);
    const QImage::Format f = img->format();
    const bool format_ok = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                           f == QImage::Format_ARGB32_Premultiplied;
    if (!format_ok || img->devicePixelRatio() != 1 || !p.combinedTransform().isIdentity() ||
        p.hasClipping() || p.testRenderHint(QPainter::Antialiasing) || p.opacity() != 1 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return nullptr;
    }
    return img;
}

} // namespace

PictureRenderer::PictureRenderer(QPainter& painter, QSizeF size, const QFont& font)
    : p_(painter), size_(size), font_(font), metrics_(font) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setFont(font_);
}

PictureRenderer::~PictureRenderer() {
    flush_lines();
}

bool PictureRenderer::steps_thin_lines() {
    return thin_lines_usable();
}

void PictureRenderer::set_raster_shortcuts(bool on) {
    shortcuts_ = on;
}

void PictureRenderer::paint(const DisplayList& list, std::size_t first, std::size_t last) {
    const auto& ops = list.ops();
    if (last > ops.size()) {
        last = ops.size();
    }
    // The painter's state may have changed since the last call.
    raster_ = shortcuts_ ? one_to_one_image(p_) : nullptr;
    if (raster_ != nullptr) {
        bits_ = raster_->bits();
        stride_ = raster_->bytesPerLine();
        width_ = raster_->width();
        height_ = raster_->height();
    }
    for (std::size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        if (op.kind == DrawOp::Kind::Line) {
            line(op);
            continue;
        }
        // Everything else is painted in order after the lines gathered so far.
        flush_lines();
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            set_scale(op);
            break;
        case DrawOp::Kind::Line:
            break;
        case DrawOp::Kind::Dot:
            dot(op);
            break;
        case DrawOp::Kind::Circle:
            circle(op);
            break;
        case DrawOp::Kind::Text:
            text(list, op);
            break;
        }
    }
    flush_lines();
}

void PictureRenderer::use_pen(Colour c, int width) {
    if (pen_set_ && c == pen_colour_ && width == pen_width_) {
        return;
    }
    flush_lines();
    QPen pen(to_qcolor(c));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
    pen_set_ = true;
    pen_colour_ = c;
    pen_width_ = width;
}

void PictureRenderer::flush_lines() {
    if (!lines_.empty()) {
        p_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
        lines_.clear();
    }
}

void PictureRenderer::line(const DrawOp& op) {
    const QPointF from = to_pixels(op.a, op.b);
    const QPointF to = to_pixels(op.c, op.d);
    if (raster_ != nullptr && op.width == 1 && unclipped(from) && unclipped(to) &&
        thin_lines_usable()) {
        // Lines of one run share their colour, so painting this one before the lines gathered
        // for the painter gives the same pixels.
        const QRgb c = to_pixel(op.colour);
        if (inside(from) && inside(to)) {
            thin_line(from, to,
                      [&](int x, int y) { reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c; });
        } else {
            const int w = static_cast<int>(width_), h = static_cast<int>(height_);
            thin_line(from, to, [&](int x, int y) {
                if (x >= 0 && y >= 0 && x < w && y < h) {
                    reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c;
                }
            });
        }
        return;
    }
    use_pen(op.colour, op.width);
    lines_.emplace_back(from, to);
    if (lines_.size() >= kLineRun) {
        flush_lines();
    }
}

void PictureRenderer::dot(const DrawOp& op) {
    const int w = op.width;
    const QPointF px = to_pixels(op.a, op.b);
    const double half = w / 2.0;
    const double left = std::floor(px.x() - half + 0.5);
    const double top = std::floor(px.y() - half + 0.5);
    if (raster_ != nullptr && in_range(left) && in_range(top)) {
        // The square the painter fills for this rectangle, clipped to the image.
        const int x0 = std::max(static_cast<int>(left), 0);
        const int y0 = std::max(static_cast<int>(top), 0);
        const int x1 = std::min(static_cast<int>(left) + w, static_cast<int>(width_));
        const int y1 = std::min(static_cast<int>(top) + w, static_cast<int>(height_));
        const QRgb c = to_pixel(op.colour);
        for (int y = y0; y < y1; ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
            std::fill(row + x0, row + std::max(x0, x1), c);
        }
        return;
    }
    p_.fillRect(QRectF(left, top, w, w), to_qcolor(op.colour));
}

void PictureRenderer::circle(const DrawOp& op) {
    QPen pen(to_qcolor(op.colour));
    pen.setWidth(op.width);
    p_.setPen(pen);
    pen_set_ = false;
    p_.setBrush(op.filled ? QBrush(to_qcolor(op.fill)) : QBrush(Qt::NoBrush));
    const double rpx = std::abs(op.c * size_.width() / (static_cast<double>(scale_.c) - scale_.a));
    if (rpx < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        const QPointF centre = to_pixels(op.a, op.b);
        p_.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1),
                    to_qcolor(op.colour));
    } else {
        p_.drawEllipse(to_pixels(op.a, op.b), rpx, rpx);
    }
    p_.setBrush(Qt::NoBrush);
}

const TextShapes::Shape* TextShapes::shape(const QString& text, const QFont& font) {
    if (!(font == font_)) {
        font_ = font;
        shapes_.clear();
        seen_.clear();
    }
    auto it = shapes_.find(text);
    if (it != shapes_.end()) {
        return &*it;
    }
    if (shapes_.size() >= kMaxShapes || seen_.size() >= kMaxShapes) {
        shapes_.clear();
        seen_.clear();
    }
    if (!seen_.contains(text)) {
        seen_.insert(text, true);
        return nullptr;
    }
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return &*shapes_.insert(text, Shape{layout.glyphRuns(), line.ascent()});
}

namespace {

// A coordinate as the text drawing keeps it: in 1/64 pixel, truncated.
qreal text_fixed(qreal v) {
    return static_cast<qreal>(static_cast<int>(v * 64)) / 64;
}

} // namespace

void PictureRenderer::text(const DisplayList& list, const DrawOp& op) {
    const std::string_view t = list.text_of(op);
    p_.setPen(to_qcolor(op.colour));
    pen_set_ = false;
    const QPointF at = to_pixels(op.a, op.b);
    const QPointF baseline(at.x(), at.y() + metrics_.ascent());
    const QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    const TextShapes::Shape* shape =
        raster_ != nullptr && in_range(baseline.x()) && in_range(baseline.y())
            ? shapes_->shape(s, font_)
            : nullptr;
    if (shape == nullptr) {
        p_.drawText(baseline, s);
        return;
    }
    // The glyphs the painter would lay out for the text, placed where it would place them: the
    // baseline's start in 1/64 pixel, each glyph at its offset from there.
    const qreal x0 = text_fixed(baseline.x());
    const qreal y0 = text_fixed(baseline.y()) - text_fixed(shape->ascent);
    for (QGlyphRun run : shape->runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& q : positions) {
            q = QPointF(x0 + text_fixed(q.x()), y0 + text_fixed(q.y()));
        }
        run.setPositions(positions);
        p_.drawGlyphRun(QPointF(0, 0), run);
    }
}

void paint_display_list(QPainter& painter, QSizeF size, const QFont& font,
                        const DisplayList& list) {
    PictureRenderer r(painter, size, font);
    r.paint(list, 0, list.ops().size());
}
