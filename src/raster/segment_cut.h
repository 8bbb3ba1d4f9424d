#pragma once
// A segment cut, in floating point, to a rectangle as the raster painter cuts a line before it
// steps or fills it: an end beyond a side moved along the segment onto it, the x sides first,
// then the y sides; a segment with both ends beyond the same side (or with a coordinate that is
// not finite) dropped.
#include <cmath>

#include "raster/pixel_point.h"

struct SegmentCut {
    bool kept = true;       // something is left
    bool end_moved = false; // the second end was moved, or the whole dropped at a y side
};

inline SegmentCut cut_segment(PixelPoint& p, PixelPoint& q, double xmin, double ymin, double xmax,
                              double ymax) {
    double &x1 = p.x, &y1 = p.y, &x2 = q.x, &y2 = q.y;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return {false, false};
    }
    SegmentCut cut;
    // The ends cut to lo <= a <= hi along one axis, b following along the segment; false when
    // both lie beyond the same side.
    const auto cut_along = [&cut](double& a1, double& b1, double& a2, double& b2, double lo,
                                  double hi) {
        if (a1 < lo) {
            if (a2 <= lo) {
                return false;
            }
            b1 += (b2 - b1) / (a2 - a1) * (lo - a1);
            a1 = lo;
        } else if (a1 > hi) {
            if (a2 >= hi) {
                return false;
            }
            b1 += (b2 - b1) / (a2 - a1) * (hi - a1);
            a1 = hi;
        }
        if (a2 < lo) {
            cut.end_moved = true;
            b2 += (b2 - b1) / (a2 - a1) * (lo - a2);
            a2 = lo;
        } else if (a2 > hi) {
            cut.end_moved = true;
            b2 += (b2 - b1) / (a2 - a1) * (hi - a2);
            a2 = hi;
        }
        return true;
    };
    if (!cut_along(x1, y1, x2, y2, xmin, xmax) || !cut_along(y1, x1, y2, x2, ymin, ymax)) {
        return {false, true};
    }
    return cut;
}
