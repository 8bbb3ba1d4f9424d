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
    if (x1 < xmin) {
        if (x2 <= xmin) {
            return {false, true};
        }
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax) {
            return {false, true};
        }
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        cut.end_moved = true;
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        cut.end_moved = true;
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin) {
            return {false, true};
        }
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax) {
            return {false, true};
        }
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        cut.end_moved = true;
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        cut.end_moved = true;
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return cut;
}
