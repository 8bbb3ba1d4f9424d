#pragma once
// Circles as the raster painter draws an ellipse with an aliased pen `width` pixels wide and a
// solid brush or none: on a rectangle of whole pixels with a pen at most one pixel wide, by the
// midpoint algorithm, row spans for the outline and the inside; otherwise as a path of four
// Bezier quarters, its inside filled by the even-odd rule, then its outline stepped one pixel
// wide, or stroked wider and filled (circles.cpp).
#include <cstdint>

#include "raster/pixel_point.h"
#include "raster/raster_image.h"

struct CircleStyle {
    int width = 1;             // the pen's, in pixels
    std::uint32_t outline = 0; // pixel words
    bool filled = false;
    std::uint32_t fill = 0;
};

// Draws the circle about `centre` of `radius` pixels (at least one) on `image`. False, with
// nothing drawn, for a circle that reaches more than a thousand pixels beyond the image (the
// painter clips those first) or one not finite.
bool draw_circle(const RasterImage& image, PixelPoint centre, double radius,
                 const CircleStyle& style);
