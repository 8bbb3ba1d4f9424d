#pragma once
// Paints the primitives of a display list with a QPainter, as the program's picture box shows
// them: user coordinates mapped onto a picture of a given size in logical pixels, no
// antialiasing, square-capped lines, dots as squares DrawWidth pixels wide, texts in the box's
// font. The picture box paints its own image with it, and the exports paint PNG images at any
// scale and SVG documents with it, so every copy of a picture has the same geometry.
//
// Speed: the pen changes only when the colour or the width does, and runs of lines with one pen
// go to the painter in one call. On a raster image painted one to one (no transform, no clip, a
// device pixel ratio of 1) dots and one-pixel lines away from the edges are written straight
// into the pixels: the dots fill exactly the rectangle the painter would, and the lines are
// stepped exactly as the painter steps them (checked against the painter once per run of the
// program; where they differ, the painter draws every line).
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSizeF>
#include <cstddef>
#include <vector>

#include "picture/display_list.h"

class PictureRenderer {
  public:
    // `size` is the picture's size in logical pixels (the painter's device may have a higher
    // device pixel ratio, or be a vector device).
    PictureRenderer(QPainter& painter, QSizeF size, const QFont& font);
    ~PictureRenderer();
    PictureRenderer(const PictureRenderer&) = delete;
    PictureRenderer& operator=(const PictureRenderer&) = delete;

    // Paints ops [first, last) of `list`; the scale in force carries over from one call to the
    // next, starting from `scale` (a Scale primitive).
    void paint(const DisplayList& list, std::size_t first, std::size_t last);
    const DrawOp& scale() const { return scale_; }
    void set_scale(const DrawOp& scale) { scale_ = scale; }
    // Whether the raster shortcuts may be taken (they are by default where they apply); off,
    // everything goes through the painter, which is how the shortcuts are checked.
    void set_raster_shortcuts(bool on);

    // User coordinates to logical pixels under the scale in force.
    QPointF to_pixels(double x, double y) const;

  private:
    void line(const DrawOp& op);
    void dot(const DrawOp& op);
    void circle(const DrawOp& op);
    void text(const DisplayList& list, const DrawOp& op);
    void use_pen(Colour c, int width);
    // Paints the lines gathered for the current pen.
    void flush_lines();
    // Far enough inside the raster image for a line end to be drawn without clipping.
    bool inside(QPointF p) const;

    QPainter& p_;
    QSizeF size_;
    QFont font_;
    QFontMetricsF metrics_;
    DrawOp scale_{DrawOp::Kind::Scale, 1, false, 0, 0, 0, 0, 1, 1};
    // The pen set on the painter by the line drawing, when it is still in force.
    bool pen_set_ = false;
    Colour pen_colour_ = 0;
    int pen_width_ = 0;
    std::vector<QLineF> lines_;
    bool shortcuts_ = true;
    // The raster image painted one to one, or null when the shortcuts do not apply.
    QImage* raster_ = nullptr;
};

// The whole list painted over `painter`'s device, from its first primitive.
void paint_display_list(QPainter& painter, QSizeF size, const QFont& font, const DisplayList& list);
