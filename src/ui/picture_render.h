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
// On a raster image painted one to one (no transform, no clip, a device pixel ratio of 1) the
// lines, dots, circles and the map are drawn by src/raster straight into the image's pixels, as
// the painter would draw them (checked against it once per run of the program,
// painter_check.h; a kind it draws otherwise is left to it), and the painter draws the texts:
// those that recur from the glyphs it laid out for them before (text_shapes.h). On other devices
// the painter draws everything; its pen changes only when the colour or the width does, and runs
// of lines with one pen go to it in one call.
//
// Checked by the gui tests: pictures painted by src/raster and by the painter alone
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
#include <string_view>
#include <vector>

#include "base/display_list.h"
#include "raster/raster_painter.h"
#include "ui/text_shapes.h"

class PictureRenderer : private RasterFace {
  public:
    // `size` is the picture's size in logical pixels (the painter's device may have a higher
    // device pixel ratio, or be a vector device).
    PictureRenderer(QPainter& painter, QSizeF size, const QFont& font);
    ~PictureRenderer() override;
    PictureRenderer(const PictureRenderer&) = delete;
    PictureRenderer& operator=(const PictureRenderer&) = delete;

    // Paints ops [first, last) of `list`; the scale in force carries over from one call to the
    // next, starting from `scale` (a Scale primitive).
    void paint(const DisplayList& list, std::size_t first, std::size_t last);
    const DrawOp& scale() const { return scale_; }
    void set_scale(const DrawOp& scale) { scale_ = scale; }
    // Whether src/raster may draw into a raster image painted one to one (it does by default);
    // off, the painter draws everything, which is how src/raster is checked.
    void set_raster_shortcuts(bool on);
    // Where laid-out texts are kept beyond this renderer (by default only for its lifetime).
    void set_text_shapes(TextShapes* shapes) {
        text_shapes_ = shapes != nullptr ? shapes : &own_text_shapes_;
    }

    // The kinds of primitive src/raster draws for the painter here: those it was found, once,
    // to draw as the painter does.
    static RasterKinds raster_kinds();

    // User coordinates to logical pixels under the scale in force.
    QPointF to_pixels(double x, double y) const {
        return {(x - scale_.a) / (static_cast<double>(scale_.c) - scale_.a) * size_.width(),
                (y - scale_.b) / (static_cast<double>(scale_.d) - scale_.b) * size_.height()};
    }

  private:
    // The painter's own drawing of each kind, for any device.
    void lines(const DisplayList& list, const DrawOp& op);
    void dot(const DrawOp& op);
    void circle(const DrawOp& op);
    // Pixels coloured by their source, each of the device's pixels (a vector document's at twice
    // its size, at most 300 to the inch of a page) asked for at its centre.
    void pixels(const DisplayList& list, const DrawOp& op);
    // A segment, gathered with the others of the same pen; the others paint those gathered
    // first.
    void paint_segment(QPointF from, QPointF to, Colour colour, int width);
    void paint_square(QPointF corner, int width, Colour colour);
    void paint_circle(QPointF centre, double radius, const DrawOp& op);
    void paint_text(std::string_view text, QPointF at, Colour colour);
    void use_pen(Colour c, int width);
    // Paints the lines gathered for the current pen.
    void flush_lines();

    // What src/raster leaves to the painter.
    void text(std::string_view text, PixelPoint at, Colour colour) override {
        paint_text(text, {at.x, at.y}, colour);
    }
    void segment(PixelPoint from, PixelPoint to, Colour colour, int width) override {
        paint_segment({from.x, from.y}, {to.x, to.y}, colour, width);
    }
    void dot(PixelPoint corner, int width, Colour colour) override {
        paint_square({corner.x, corner.y}, width, colour);
    }
    void circle(PixelPoint centre, double radius, const DrawOp& op) override {
        paint_circle({centre.x, centre.y}, radius, op);
    }
    void settle() override { flush_lines(); }

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
    // Painting a raster image one to one: texts may be drawn from their kept shapes.
    bool raster_ = false;
};

// The pixels of a 32-bit image (RGB32, ARGB32 or premultiplied) for src/raster.
RasterImage raster_image(QImage& image);

// The whole list painted over `painter`'s device, from its first primitive.
void paint_display_list(QPainter& painter, QSizeF size, const QFont& font, const DisplayList& list);
