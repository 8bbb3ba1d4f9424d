// The display list walked primitive by primitive onto a painter, with the one-to-one raster
// image's pixels written here where the painter would give the same ones (see the header): the
// lines through raster_lines.h, the recurring texts through text_shapes.h. Checked by the gui
// tests against the same pictures painted by the painter alone.
#include "ui/picture_render.h"

#include <QImage>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/raster_lines.h"

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

// Lines handed to the painter at once.
constexpr std::size_t kLineRun = 256;

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
    : painter_(painter), size_(size), font_(font), metrics_(font), ascent_(metrics_.ascent()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setFont(font_);
}

PictureRenderer::~PictureRenderer() {
    flush_lines();
}

bool PictureRenderer::steps_thin_lines() {
    return thin_lines_match_painter();
}

bool PictureRenderer::fills_wide_lines() {
    return wide_lines_match_painter();
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
    pen_set_ = false;
    text_pen_set_ = false;
    raster_ = shortcuts_ ? one_to_one_image(painter_) : nullptr;
    if (raster_ != nullptr) {
        bits_ = raster_->bits();
        stride_ = raster_->bytesPerLine();
        width_ = raster_->width();
        height_ = raster_->height();
    }
    for (std::size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        if (op.kind == DrawOp::Kind::Line) {
            lines(list, op);
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
        case DrawOp::Kind::Pixels:
            pixels(list, op);
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
    painter_.setPen(pen);
    pen_set_ = true;
    text_pen_set_ = false;
    pen_colour_ = c;
    pen_width_ = width;
}

void PictureRenderer::flush_lines() {
    if (!lines_.empty()) {
        painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
        lines_.clear();
    }
}

void PictureRenderer::lines(const DisplayList& list, const DrawOp& op) {
    const ListPoint* p = list.run_points(op);
    if (p == nullptr) {
        return;
    }
    const std::size_t curves = op.curves;
    // Each curve's last point in pixels: a segment starts at the pixels its curve ended at.
    QPointF last[2];
    for (std::size_t k = 0; k < curves; ++k) {
        last[k] = to_pixels(p[k].x, p[k].y);
    }
    p += curves;
    const int width = op.width;
    const Colour colour = op.colour;
    // One-pixel segments well inside the image, most of a dense picture, are stepped here
    // without the checks the others need; wide lines and other devices take each segment as
    // the painter needs it.
    if (raster_ == nullptr || width != 1 || !thin_lines_match_painter()) {
        for (std::uint32_t i = 0; i < op.count; ++i) {
            const QPointF to = to_pixels(p[i].x, p[i].y);
            QPointF& from = last[i % curves];
            segment(from, to, colour, width);
            from = to;
        }
        return;
    }
    const QRgb c = to_pixel(colour);
    // The image's pixels kept here: what is written through them could be this renderer.
    uchar* const bits = bits_;
    const qsizetype stride = stride_;
    const auto put = [bits, stride, c](int x, int y) {
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = c;
    };
    const auto straight = [&put](bool steep, std::int64_t a, std::int64_t end, int minor) {
        for (; a < end; ++a) {
            steep ? put(minor, static_cast<int>(a)) : put(static_cast<int>(a), minor);
        }
    };
    // The points in pixels a block at a time (the divisions of one block overlap), each with
    // whether it is well inside the image, after the last point of each curve: a segment
    // starts `curves` places before its end.
    constexpr std::size_t kBlock = 256;
    const RasterBounds bounds{width_, height_};
    LineEnd ends[kBlock + 2];
    bool inside[kBlock + 2];
    for (std::size_t k = 0; k < curves; ++k) {
        ends[2 - curves + k] = line_end(last[k]);
        inside[2 - curves + k] = bounds.inside(last[k]);
    }
    for (std::size_t start = 0; start < op.count; start += kBlock) {
        const std::size_t n = std::min<std::size_t>(kBlock, op.count - start);
        for (std::size_t i = 0; i < n; ++i) {
            ends[2 + i] = line_end(to_pixels(p[start + i].x, p[start + i].y));
        }
        for (std::size_t i = 0; i < n; ++i) {
            inside[2 + i] = bounds.inside(ends[2 + i].point());
        }
        for (std::size_t i = 2; i < n + 2; ++i) {
            const std::size_t from = i - curves;
            if (inside[from] && inside[i]) {
                if (!lines_.empty()) {
                    flush_lines();
                }
                step_thin_line(ends[from], ends[i], put, straight);
            } else {
                segment(ends[from].point(), ends[i].point(), colour, width);
            }
        }
        // Blocks but the last are of even length: the last two points end the two curves.
        ends[0] = ends[n];
        ends[1] = ends[n + 1];
        inside[0] = inside[n];
        inside[1] = inside[n + 1];
    }
}

void PictureRenderer::segment(QPointF from, QPointF to, Colour colour, int width) {
    const RasterBounds bounds{width_, height_};
    if (raster_ != nullptr && bounds.beyond_one_edge(from, to, width)) {
        return; // the painter would clip it away whole
    }
    // A line written here comes after the lines still gathered for the painter, whatever their
    // colour.
    const auto after_gathered = [this] {
        if (!lines_.empty()) {
            flush_lines();
        }
    };
    if (raster_ != nullptr && width == 1 && bounds.unclipped(from) && bounds.unclipped(to) &&
        thin_lines_match_painter()) {
        after_gathered();
        const QRgb c = to_pixel(colour);
        const int w = static_cast<int>(width_), h = static_cast<int>(height_);
        // Level and upright lines (the grids) clipped to the image at once.
        const auto straight = [&](bool steep, std::int64_t a, std::int64_t end, int minor) {
            if (minor < 0 || minor >= (steep ? w : h)) {
                return;
            }
            const int first = static_cast<int>(std::max<std::int64_t>(a, 0));
            const int last = static_cast<int>(std::min<std::int64_t>(end, steep ? h : w));
            if (steep) {
                for (int y = first; y < last; ++y) {
                    reinterpret_cast<QRgb*>(bits_ + y * stride_)[minor] = c;
                }
            } else if (first < last) {
                auto* row = reinterpret_cast<QRgb*>(bits_ + minor * stride_);
                std::fill(row + first, row + last, c);
            }
        };
        if (bounds.inside(from) && bounds.inside(to)) {
            step_thin_line(
                line_end(from), line_end(to),
                [&](int x, int y) { reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c; },
                straight);
        } else {
            step_thin_line(
                line_end(from), line_end(to),
                [&](int x, int y) {
                    if (x >= 0 && y >= 0 && x < w && y < h) {
                        reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c;
                    }
                },
                straight);
        }
        return;
    }
    if (raster_ != nullptr && width <= kWidestLine && from != to && in_range(from.x()) &&
        in_range(from.y()) && in_range(to.x()) && in_range(to.y()) && wide_lines_match_painter()) {
        after_gathered();
        const QRgb c = to_pixel(colour);
        if (fill_wide_line(from, to, width, static_cast<int>(width_), static_cast<int>(height_),
                           [&](int x, int n, int y) {
                               auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
                               std::fill(row + x, row + x + n, c);
                           })) {
            return;
        }
    }
    use_pen(colour, width);
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
    painter_.fillRect(QRectF(left, top, w, w), to_qcolor(op.colour));
}

void PictureRenderer::circle(const DrawOp& op) {
    QPen pen(to_qcolor(op.colour));
    pen.setWidth(op.width);
    painter_.setPen(pen);
    pen_set_ = false;
    text_pen_set_ = false;
    painter_.setBrush(op.filled ? QBrush(to_qcolor(op.fill)) : QBrush(Qt::NoBrush));
    const double rpx = std::abs(op.c * size_.width() / (static_cast<double>(scale_.c) - scale_.a));
    if (rpx < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        const QPointF centre = to_pixels(op.a, op.b);
        painter_.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1),
                          to_qcolor(op.colour));
    } else {
        painter_.drawEllipse(to_pixels(op.a, op.b), rpx, rpx);
    }
    painter_.setBrush(Qt::NoBrush);
}

void PictureRenderer::text(const DisplayList& list, const DrawOp& op) {
    const std::string_view t = list.text_of(op);
    if (!text_pen_set_ || text_pen_colour_ != op.colour) {
        painter_.setPen(to_qcolor(op.colour));
        pen_set_ = false;
        text_pen_set_ = true;
        text_pen_colour_ = op.colour;
    }
    const QPointF at = to_pixels(op.a, op.b);
    const QPointF baseline(at.x(), at.y() + ascent_);
    const TextShapes::Shape* shape =
        raster_ != nullptr && in_range(baseline.x()) && in_range(baseline.y())
            ? text_shapes_->shape(t, font_)
            : nullptr;
    if (shape == nullptr) {
        painter_.drawText(baseline, QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
        return;
    }
    // The glyphs the painter would lay out for the text, placed where it would place them: the
    // baseline's start in 1/64 pixel, each glyph at its offset from there.
    const QPointF origin(truncate_to_64ths(baseline.x()),
                         truncate_to_64ths(baseline.y()) - shape->ascent);
    for (const QGlyphRun& run : shape->runs) {
        painter_.drawGlyphRun(origin, run);
    }
}

void PictureRenderer::pixels(const DisplayList& list, const DrawOp& op) {
    const PixelColours* source = list.source_of(op);
    if (source == nullptr) {
        return;
    }
    // Logical pixels to the device's; a vector document gets twice its size in pixels, but no
    // more than a printer can use (a printer's page of 1200 dots to the inch would take an image
    // of gigabytes).
    QTransform device = painter_.deviceTransform();
    QPaintDevice* d = painter_.device();
    auto* image =
        d != nullptr && d->devType() == QInternal::Image ? static_cast<QImage*>(d) : nullptr;
    if (image == nullptr) {
        constexpr double kMostPixelsPerInch = 300;
        const double per_inch = d != nullptr ? std::max(d->logicalDpiX(), d->logicalDpiY()) : 96;
        const double more = std::min(2.0, kMostPixelsPerInch / per_inch);
        device *= QTransform::fromScale(more, more);
    }
    if (!device.isAffine() || device.type() > QTransform::TxScale) {
        return; // the pictures are never turned or sheared
    }
    const QRectF rect = device.mapRect(QRectF(to_pixels(op.a, op.b), to_pixels(op.c, op.d)));
    // The pixels whose centres lie in the rectangle, within the device.
    const QRectF bounds = device.mapRect(QRectF(QPointF(0, 0), size_));
    const auto first = [](double edge) { return static_cast<int>(std::ceil(edge - 0.5)); };
    const int i0 = std::max(first(rect.left()), first(bounds.left()));
    const int i1 = std::min(first(rect.right()), first(bounds.right()));
    const int j0 = std::max(first(rect.top()), first(bounds.top()));
    const int j1 = std::min(first(rect.bottom()), first(bounds.bottom()));
    if (i0 >= i1 || j0 >= j1) {
        return;
    }
    // The block's edges in user coordinates, through the scale in force.
    const QTransform back = device.inverted();
    const auto user = [&](double i, double j) {
        const QPointF px = back.map(QPointF(i, j));
        return QPointF(
            scale_.a + px.x() / size_.width() * (static_cast<double>(scale_.c) - scale_.a),
            scale_.b + px.y() / size_.height() * (static_cast<double>(scale_.d) - scale_.b));
    };
    const QPointF top_left = user(i0, j0);
    const QPointF bottom_right = user(i1, j1);
    const PixelGrid grid{i1 - i0,      j1 - j0,          top_left.x(),
                         top_left.y(), bottom_right.x(), bottom_right.y()};
    flush_lines();
    const QImage::Format f = image != nullptr ? image->format() : QImage::Format_Invalid;
    if (image != nullptr && !painter_.hasClipping() && painter_.opacity() == 1 &&
        (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied) &&
        i1 <= image->width() && j1 <= image->height() && i0 >= 0 && j0 >= 0) {
        // Straight into the image's pixels (opaque colours: the same in all three formats).
        const qsizetype stride = image->bytesPerLine() / 4;
        auto* bits = reinterpret_cast<std::uint32_t*>(image->bits()) + j0 * stride + i0;
        source->colour(grid, bits, static_cast<std::size_t>(stride));
        return;
    }
    QImage block(grid.width, grid.height, QImage::Format_RGB32);
    source->colour(grid, reinterpret_cast<std::uint32_t*>(block.bits()),
                   static_cast<std::size_t>(block.bytesPerLine() / 4));
    painter_.drawImage(back.mapRect(QRectF(i0, j0, i1 - i0, j1 - j0)), block);
}

void paint_display_list(QPainter& painter, QSizeF size, const QFont& font,
                        const DisplayList& list) {
    PictureRenderer r(painter, size, font);
    r.paint(list, 0, list.ops().size());
}
