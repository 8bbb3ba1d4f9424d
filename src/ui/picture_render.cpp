// The display list walked primitive by primitive onto a painter, or, on a raster image painted
// one to one, by src/raster into the image's pixels with the painter drawing the texts (the
// recurring ones through text_shapes.h) and whatever src/raster leaves to it. Checked by the gui
// tests against the same pictures painted by the painter alone.
#include "ui/picture_render.h"

#include <QImage>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/painter_check.h"

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

// Coordinates beyond this many pixels are drawn without the kept text shapes.
constexpr double kShortcutRange = 1 << 20;

bool in_range(double v) {
    return std::abs(v) < kShortcutRange; // false for NaN
}

// Lines handed to the painter at once.
constexpr std::size_t kLineRun = 256;

bool opaque_32_bit(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// The raster image behind `p` when it is painted one to one with opaque, aliased colours.
QImage* one_to_one_image(QPainter& p) {
    QPaintDevice* d = p.device();
    if (d == nullptr || d->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* img = static_cast<QImage*>(d);
    if (!opaque_32_bit(img->format()) || img->devicePixelRatio() != 1 ||
        !p.combinedTransform().isIdentity() || p.hasClipping() ||
        p.testRenderHint(QPainter::Antialiasing) || p.opacity() != 1 ||
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

RasterKinds PictureRenderer::raster_kinds() {
    return raster_kinds_matching_painter();
}

void PictureRenderer::set_raster_shortcuts(bool on) {
    shortcuts_ = on;
}

void PictureRenderer::paint(const DisplayList& list, std::size_t first, std::size_t last) {
    // The painter's state may have changed since the last call.
    pen_set_ = false;
    text_pen_set_ = false;
    QImage* image = shortcuts_ ? one_to_one_image(painter_) : nullptr;
    raster_ = image != nullptr;
    if (raster_) {
        RasterPainter raster(raster_image(*image), {size_.width(), size_.height()}, *this,
                             raster_kinds());
        raster.set_scale(scale_);
        raster.paint(list, first, last);
        scale_ = raster.scale();
        flush_lines();
        return;
    }
    const auto& ops = list.ops();
    last = std::min(last, ops.size());
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
            paint_text(list.text_of(op), to_pixels(op.a, op.b), op.colour);
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
    // Each curve's last point in pixels: a segment starts at the pixels its curve ended at.
    QPointF last[2];
    for (std::size_t k = 0; k < op.curves; ++k) {
        last[k] = to_pixels(p[k].x, p[k].y);
    }
    p += op.curves;
    for (std::uint32_t i = 0; i < op.count; ++i) {
        const QPointF to = to_pixels(p[i].x, p[i].y);
        QPointF& from = last[i % op.curves];
        paint_segment(from, to, op.colour, op.width);
        from = to;
    }
}

void PictureRenderer::paint_segment(QPointF from, QPointF to, Colour colour, int width) {
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
    paint_square({std::floor(px.x() - half + 0.5), std::floor(px.y() - half + 0.5)}, w, op.colour);
}

void PictureRenderer::paint_square(QPointF corner, int width, Colour colour) {
    flush_lines();
    painter_.fillRect(QRectF(corner.x(), corner.y(), width, width), to_qcolor(colour));
}

void PictureRenderer::circle(const DrawOp& op) {
    const double rpx = std::abs(op.c * size_.width() / (static_cast<double>(scale_.c) - scale_.a));
    const QPointF centre = to_pixels(op.a, op.b);
    if (rpx < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        paint_square({std::floor(centre.x()), std::floor(centre.y())}, 1, op.colour);
    } else {
        paint_circle(centre, rpx, op);
    }
}

void PictureRenderer::paint_circle(QPointF centre, double radius, const DrawOp& op) {
    flush_lines();
    QPen pen(to_qcolor(op.colour));
    pen.setWidth(op.width);
    painter_.setPen(pen);
    pen_set_ = false;
    text_pen_set_ = false;
    painter_.setBrush(op.filled ? QBrush(to_qcolor(op.fill)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(centre, radius, radius);
    painter_.setBrush(Qt::NoBrush);
}

void PictureRenderer::paint_text(std::string_view t, QPointF at, Colour colour) {
    flush_lines();
    if (!text_pen_set_ || text_pen_colour_ != colour) {
        painter_.setPen(to_qcolor(colour));
        pen_set_ = false;
        text_pen_set_ = true;
        text_pen_colour_ = colour;
    }
    const QPointF baseline(at.x(), at.y() + ascent_);
    const TextShapes::Shape* shape = raster_ && in_range(baseline.x()) && in_range(baseline.y())
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
    if (image != nullptr && !painter_.hasClipping() && painter_.opacity() == 1 &&
        opaque_32_bit(image->format()) && i1 <= image->width() && j1 <= image->height() &&
        i0 >= 0 && j0 >= 0) {
        // Straight into the image's pixels (opaque colours: the same in all three formats).
        const RasterImage pixels = raster_image(*image);
        source->colour(grid, pixels.row(j0) + i0, static_cast<std::size_t>(pixels.stride));
        return;
    }
    QImage block(grid.width, grid.height, QImage::Format_RGB32);
    source->colour(grid, reinterpret_cast<std::uint32_t*>(block.bits()),
                   static_cast<std::size_t>(block.bytesPerLine() / 4));
    painter_.drawImage(back.mapRect(QRectF(i0, j0, i1 - i0, j1 - j0)), block);
}

RasterImage raster_image(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, image.width(),
            image.height()};
}

void paint_display_list(QPainter& painter, QSizeF size, const QFont& font,
                        const DisplayList& list) {
    PictureRenderer r(painter, size, font);
    r.paint(list, 0, list.ops().size());
}
