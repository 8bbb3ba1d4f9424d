#pragma once
// Paints the primitives of a display list with a QPainter, as the program's picture box shows
// them: user coordinates mapped onto a picture of a given size in logical pixels, no
// antialiasing, square-capped lines, dots as squares pen_width pixels wide, texts in the box's
// font. The picture box paints its own image with it, and the exports paint PNG images at any
// scale and SVG documents with it, so every copy of a picture has the same geometry.
//
// Pixels coloured by a source (the potential map) are asked of it for the device's own pixels:
// an image at twice the size gets four times as many, each coloured at its centre; a vector
// document or a printer's page gets an image of its own, at most 300 pixels to the inch.
//
// Speed: the pen changes only when the colour or the width does, and runs of lines with one pen
// go to the painter in one call. On a raster image painted one to one (no transform, no clip, a
// device pixel ratio of 1) the painter's pixels are written here without it: dots fill exactly
// the rectangle the painter would; one-pixel lines, and lines two and three pixels wide, are
// stepped and filled as the painter steps and fills them (raster_lines.h, checked against the
// painter once per run of the program; where they differ, the painter draws those lines); texts
// that recur are drawn from the glyphs the painter laid out for them before (text_shapes.h).
//
// Checked by the gui tests: pictures painted with these shortcuts and by the painter alone
// (set_raster_shortcuts(false)) are equal pixel for pixel, and so are a picture box's image and
// its display list painted afresh.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <cstddef>
#include <vector>

#include "base/display_list.h"
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
        text_shapes_ = shapes != nullptr ? shapes : &own_text_shapes_;
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
    // Pixels coloured by their source, each of the device's pixels (a vector document's at twice
    // its size, at most 300 to the inch of a page) asked for at its centre.
    void pixels(const DisplayList& list, const DrawOp& op);
    void use_pen(Colour c, int width);
    // Paints the lines gathered for the current pen.
    void flush_lines();

    QPainter& painter_;
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
    TextShapes own_text_shapes_;
    TextShapes* text_shapes_ = &own_text_shapes_;
    // The raster image painted one to one, or null when the shortcuts do not apply; its pixels,
    // their row length in bytes and the image's size.
    QImage* raster_ = nullptr;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    double width_ = 0, height_ = 0;
};

// The whole list painted over `painter`'s device, from its first primitive.
void paint_display_list(QPainter& painter, QSizeF size, const QFont& font, const DisplayList& list);
