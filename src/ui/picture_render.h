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
// program; where they differ, the painter draws every line). Lines two and three pixels wide
// well inside the image are filled here too, as the painter fills them (checked likewise).
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <cstddef>
#include <vector>

#include "picture/display_list.h"
#include "ui/text_shapes.h"

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
    // Where laid-out texts are kept beyond this renderer (by default only for its lifetime).
    void set_text_shapes(TextShapes* shapes) {
        shapes_ = shapes != nullptr ? shapes : &own_shapes_;
    }

    // Whether one-pixel lines are stepped here rather than by the painter: the painter's own
    // stepping was checked against ours, once, and they agreed.
    static bool steps_thin_lines();
    // Whether lines two and three pixels wide are filled here rather than by the painter, as
    // checked once against it.
    static bool fills_wide_lines();

    // User coordinates to logical pixels under the scale in force.
    QPointF to_pixels(double x, double y) const {
        return {(x - scale_.a) / (static_cast<double>(scale_.c) - scale_.a) * size_.width(),
                (y - scale_.b) / (static_cast<double>(scale_.d) - scale_.b) * size_.height()};
    }

  private:
    // The segments of a line run.
    void lines(const DisplayList& list, const DrawOp& op);
    // One segment, its ends in pixels.
    void segment(QPointF from, QPointF to, Colour colour, int width);
    void dot(const DrawOp& op);
    void circle(const DrawOp& op);
    void text(const DisplayList& list, const DrawOp& op);
    void use_pen(Colour c, int width);
    // Paints the lines gathered for the current pen.
    void flush_lines();
    // Close enough to the raster image for the painter to draw a line end unclipped (it clips
    // to a pixel beyond the left and top edges, two beyond the right and bottom ones); far
    // enough inside it for a line to need no clipping at all.
    bool unclipped(QPointF p) const {
        return p.x() >= -1 && p.y() >= -1 && p.x() <= width_ + 1 && p.y() <= height_ + 1;
    }
    // Both ends further beyond the same edge of the raster image than a line `width` pixels
    // wide with its caps reaches.
    bool beyond_one_edge(QPointF p, QPointF q, int width) const {
        const double m = width + 2;
        return (p.x() < -m && q.x() < -m) || (p.y() < -m && q.y() < -m) ||
               (p.x() > width_ + m && q.x() > width_ + m) ||
               (p.y() > height_ + m && q.y() > height_ + m);
    }
    bool inside(QPointF p, double margin = kEdgeMargin) const {
        return p.x() >= margin && p.y() >= margin && p.x() <= width_ - margin &&
               p.y() <= height_ - margin;
    }
    static constexpr double kEdgeMargin = 4;

    QPainter& p_;
    QSizeF size_;
    QFont font_;
    QFontMetricsF metrics_;
    DrawOp scale_ = DrawOp::scale(0, 0, 1, 1);
    // The pen set on the painter by the line drawing, when it is still in force.
    bool pen_set_ = false;
    Colour pen_colour_ = 0;
    int pen_width_ = 0;
    std::vector<QLineF> lines_;
    // The colour of the pen set by the text drawing, when it is still in force.
    bool text_pen_set_ = false;
    Colour text_pen_colour_ = 0;
    qreal ascent_ = 0; // of the font
    bool shortcuts_ = true;
    TextShapes own_shapes_;
    TextShapes* shapes_ = &own_shapes_;
    // The raster image painted one to one, or null when the shortcuts do not apply; its pixels,
    // their row length in bytes and the image's size.
    QImage* raster_ = nullptr;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    double width_ = 0, height_ = 0;
};

// The whole list painted over `painter`'s device, from its first primitive.
void paint_display_list(QPainter& painter, QSizeF size, const QFont& font, const DisplayList& list);
