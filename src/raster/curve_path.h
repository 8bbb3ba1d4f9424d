#pragma once
// A path of lines and cubic curves in pixels, and its outline for filling: the curves flattened
// into lines, every subpath closed, the points rounded to 1/64 pixel, as the raster painter
// prepares a path before it fills it.
#include <vector>

#include "raster/pixel_point.h"
#include "raster/scan_fill.h"

struct CurvePath {
    enum class Kind { Move, Line, Curve };
    struct Element {
        Kind kind;
        PixelPoint c1, c2; // a curve's control points
        PixelPoint to;
    };
    std::vector<Element> elements;

    void move_to(PixelPoint p) { elements.push_back({Kind::Move, {}, {}, p}); }
    void line_to(PixelPoint p) { elements.push_back({Kind::Line, {}, {}, p}); }
    void curve_to(PixelPoint c1, PixelPoint c2, PixelPoint p) {
        elements.push_back({Kind::Curve, c1, c2, p});
    }
};

// The outline of `path` filled on an image `width` x `height` pixels: a curve entirely beyond
// the image stands as the line to its end, the others are flattened to a quarter pixel. False
// (and `out` left unusable) when the path reaches more than 1000 pixels beyond the image, which
// the painter clips first.
bool outline_of(const CurvePath& path, int width, int height, Outline64& out);
