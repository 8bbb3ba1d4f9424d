#pragma once
// Paints the primitives of a display list with a QPainter, as the program's picture box shows
// them: user coordinates mapped onto a picture of a given size in logical pixels, no
// antialiasing, square-capped lines, dots as squares DrawWidth pixels wide, texts in the box's
// font. The picture box paints its own image with it, and the exports paint PNG images at any
// scale and SVG documents with it, so every copy of a picture has the same geometry.
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSizeF>
#include <cstddef>

#include "picture/display_list.h"

class PictureRenderer {
  public:
    // `size` is the picture's size in logical pixels (the painter's device may have a higher
    // device pixel ratio, or be a vector device).
    PictureRenderer(QPainter& painter, QSizeF size, const QFont& font);

    // Paints ops [first, last) of `list`; the scale in force carries over from one call to the
    // next, starting from `scale` (a Scale primitive).
    void paint(const DisplayList& list, std::size_t first, std::size_t last);
    const DrawOp& scale() const { return scale_; }
    void set_scale(const DrawOp& scale) { scale_ = scale; }

    // User coordinates to logical pixels under the scale in force.
    QPointF to_pixels(double x, double y) const;

  private:
    void line(const DrawOp& op);
    void dot(const DrawOp& op);
    void circle(const DrawOp& op);
    void text(const DisplayList& list, const DrawOp& op);
    void use_pen(Colour c, int width);

    QPainter& p_;
    QSizeF size_;
    QFont font_;
    QFontMetricsF metrics_;
    DrawOp scale_{DrawOp::Kind::Scale, 1, false, 0, 0, 0, 0, 1, 1};
};

// The whole list painted over `painter`'s device, from its first primitive.
void paint_display_list(QPainter& painter, QSizeF size, const QFont& font, const DisplayList& list);
