#pragma once
// The outline of a closed path stroked with a pen wider than a pixel, as the raster painter's
// stroker builds it before filling it: each side of the path offset by half the pen's width,
// curves by curves that keep that distance to a quarter of it, lines by lines, the pieces of a
// side joined by bevels, the two sides (the second run backwards) closed separately and filled
// together by the winding rule.
#include "raster/curve_path.h"

// The outline of `path` (a move, then lines and curves, ending where it starts) stroked
// `width` pixels wide (2 or more) with bevelled joins, into `out`; false for an open path.
bool wide_closed_outline(const CurvePath& path, double width, CurvePath& out);
