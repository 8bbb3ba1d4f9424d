#pragma once
// Cubic Bezier curves in pixels, flattened into lines and offset sideways as the raster
// painter does both: by halving a curve until its control points lie close enough to its chord
// (flattening), or until a shifted copy of its control polygon stays the offset away from it
// at a few sample points (offsetting).
#include <utility>
#include <vector>

#include "raster/pixel_point.h"

struct Bezier {
    PixelPoint p1, p2, p3, p4;

    // The two halves at t = 1/2.
    std::pair<Bezier, Bezier> split() const;
    PixelPoint point_at(double t) const;
    // The curve's normal at t (not of unit length): its direction turned a quarter counter-
    // clockwise on the screen (y down).
    PixelPoint normal_at(double t) const;
    // Left, top, right and bottom of the control points.
    struct Box {
        double left, top, right, bottom;
    };
    Box bounds() const;

    // Appends the ends of the lines that stand for the curve (its start not among them): halved
    // at most nine times, until the control points' distances from the chord, summed, are below
    // `threshold` times its length (taken as at least 1).
    void flatten(std::vector<PixelPoint>& out, double threshold) const;
    // Curves that run `offset` to the left of this one as seen on the screen (y down: outside a
    // clockwise turn), at most `max_curves`, into `out`; how many. None for a curve that is a
    // point.
    int offset(Bezier* out, int max_curves, double offset, float threshold) const;
};
