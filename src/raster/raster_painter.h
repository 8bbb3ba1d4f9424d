#pragma once
// Paints the primitives of a display list into a picture's pixels without any toolkit: lines,
// dots, circles and the potential map's pixels as the desktop's raster painter gives them (the
// line stepping and filling of lines.h, the circles of circles.h), user coordinates mapped onto
// the picture one pixel to one. Texts are the face's: each is handed to it in its place in the
// order, so later primitives cover it as they would. The face also gets the primitives this
// painting does not reproduce (coordinates that are not finite or lie beyond a million pixels,
// circles reaching far beyond the picture) and every primitive of a kind its painter was found
// to draw otherwise (RasterKinds).
#include <cstddef>
#include <string_view>

#include "base/display_list.h"
#include "raster/pixel_point.h"
#include "raster/raster_image.h"

// What a face draws for the raster painting.
class RasterFace {
  public:
    virtual ~RasterFace() = default;
    // A text with its top-left corner at `at`.
    virtual void text(std::string_view text, PixelPoint at, Colour colour) = 0;
    // A segment `width` pixels wide.
    virtual void segment(PixelPoint from, PixelPoint to, Colour colour, int width) = 0;
    // A dot: the square `width` pixels wide with its top-left corner at `corner`.
    virtual void dot(PixelPoint corner, int width, Colour colour) = 0;
    // A circle of `radius` pixels about `centre`, drawn as `op` says.
    virtual void circle(PixelPoint centre, double radius, const DrawOp& op) = 0;
    // What the face has been handed so far is to be on the pixels now: the painting writes
    // them next.
    virtual void settle() = 0;
};

// The kinds of primitive the painting draws itself; the others go to the face.
struct RasterKinds {
    bool thin_lines = true; // one pixel wide
    bool wide_lines = true; // two pixels and wider
    bool circles = true;
};

class RasterPainter {
  public:
    // `size` is the picture's size in pixels, which the scale maps the user coordinates onto.
    RasterPainter(const RasterImage& image, PixelPoint size, RasterFace& face, RasterKinds kinds);

    // Paints ops [first, last) of `list`; the scale in force carries over from one call to the
    // next, starting from `scale` (a Scale primitive).
    void paint(const DisplayList& list, std::size_t first, std::size_t last);
    const DrawOp& scale() const { return scale_; }
    void set_scale(const DrawOp& scale) { scale_ = scale; }

    // User coordinates to pixels under the scale in force.
    PixelPoint to_pixels(double x, double y) const {
        return {(x - scale_.a) / (static_cast<double>(scale_.c) - scale_.a) * size_.x,
                (y - scale_.b) / (static_cast<double>(scale_.d) - scale_.b) * size_.y};
    }

  private:
    void lines(const DisplayList& list, const DrawOp& op);
    // One segment, its ends in pixels.
    void segment(PixelPoint from, PixelPoint to, Colour colour, int width);
    void dot(const DrawOp& op);
    // The square `w` pixels wide with its top-left corner at (left, top), which are whole.
    void square(double left, double top, int w, Colour colour);
    void circle(const DrawOp& op);
    void pixels(const DisplayList& list, const DrawOp& op);
    // Before writing pixels: what the face was handed goes first.
    void settle() {
        if (handed_) {
            face_.settle();
            handed_ = false;
        }
    }

    RasterImage image_;
    PixelPoint size_;
    RasterFace& face_;
    RasterKinds kinds_;
    DrawOp scale_ = DrawOp::scale(0, 0, 1, 1);
    bool handed_ = false;
};
