#include "ui/picture_render.h"

#include <cmath>

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

} // namespace

PictureRenderer::PictureRenderer(QPainter& painter, QSizeF size, const QFont& font)
    : p_(painter), size_(size), font_(font), metrics_(font) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setFont(font_);
}

QPointF PictureRenderer::to_pixels(double x, double y) const {
    return {(x - scale_.a) / (static_cast<double>(scale_.c) - scale_.a) * size_.width(),
            (y - scale_.b) / (static_cast<double>(scale_.d) - scale_.b) * size_.height()};
}

void PictureRenderer::paint(const DisplayList& list, std::size_t first, std::size_t last) {
    const auto& ops = list.ops();
    if (last > ops.size()) {
        last = ops.size();
    }
    for (std::size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            scale_ = op;
            break;
        case DrawOp::Kind::Line:
            line(op);
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
}

void PictureRenderer::use_pen(Colour c, int width) {
    QPen pen(to_qcolor(c));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
}

void PictureRenderer::line(const DrawOp& op) {
    use_pen(op.colour, op.width);
    p_.drawLine(to_pixels(op.a, op.b), to_pixels(op.c, op.d));
}

void PictureRenderer::dot(const DrawOp& op) {
    const int w = op.width;
    const QPointF px = to_pixels(op.a, op.b);
    const double half = w / 2.0;
    p_.fillRect(QRectF(std::floor(px.x() - half + 0.5), std::floor(px.y() - half + 0.5), w, w),
                to_qcolor(op.colour));
}

void PictureRenderer::circle(const DrawOp& op) {
    QPen pen(to_qcolor(op.colour));
    pen.setWidth(op.width);
    p_.setPen(pen);
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

void PictureRenderer::text(const DisplayList& list, const DrawOp& op) {
    const std::string_view t = list.text_of(op);
    p_.setPen(to_qcolor(op.colour));
    const QPointF at = to_pixels(op.a, op.b);
    p_.drawText(QPointF(at.x(), at.y() + metrics_.ascent()),
                QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

void paint_display_list(QPainter& painter, QSizeF size, const QFont& font,
                        const DisplayList& list) {
    PictureRenderer r(painter, size, font);
    r.paint(list, 0, list.ops().size());
}
