#pragma once
// Whether the raster painting without Qt (src/raster) gives the pixels QPainter gives in the Qt
// the program runs with: one-pixel lines, wider lines, circles, each kind checked the first time
// it is asked, once per run, on a few thousand primitives of every direction, size, sub-pixel
// position and place about the edges, drawn both ways on small images. A kind that differs is
// left to the painter.
#include "raster/raster_painter.h"

RasterKinds raster_kinds_matching_painter();
