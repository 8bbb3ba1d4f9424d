#pragma once
// A path of cubic curves (and lines) drawn one pixel wide, aliased, as the raster painter's
// cosmetic stroker draws it: each curve halved (at most six times) until it is flat to a quarter of
// its chord's length in Manhattan terms, the pieces stepped along their longer axes in 26.6 and
// 16.16 fixed point like single lines, but joined without caps, with no pixel drawn twice where
// two pieces meet and none missing where the stepping turns from one axis to the other. The
// path's last piece, taken as the line from the last control point to the end, seeds that
// joining for the first when the path is closed; an open one gets square caps.
#include <cstdint>

#include "raster/curve_path.h"
#include "raster/raster_image.h"

// Draws `path` (a move, then curves and lines) in `word` on `image`, its pixels cut to the image.
void draw_thin_path(const CurvePath& path, const RasterImage& image, std::uint32_t word);
