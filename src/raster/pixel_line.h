#pragma once
// A directed line between two points in pixels, with the measures the painter's stroker takes
// of such lines, computed as it computes them (lengths as the C library's hypot, angles in
// degrees counter-clockwise with y down, comparisons to about twelve digits).
#include <cmath>
#include <numbers>

#include "raster/hypotenuse.h"
#include "raster/pixel_point.h"

struct PixelLine {
    PixelPoint p1, p2;

    double dx() const { return p2.x - p1.x; }
    double dy() const { return p2.y - p1.y; }
    double length() const { return hypotenuse(dx(), dy()); }
    // Both ends the same to about twelve digits.
    bool is_null() const { return nearly_equal(p1.x, p2.x) && nearly_equal(p1.y, p2.y); }
    // The line turned a quarter counter-clockwise on the screen (y down) about its start.
    PixelLine normal() const { return {p1, p1 + PixelPoint{dy(), -dx()}}; }
    // The line shortened or lengthened to length 1 from its start.
    PixelLine unit() const {
        const double x = dx(), y = dy();
        const double len = hypotenuse(x, y);
        return {p1, {p1.x + x / len, p1.y + y / len}};
    }
    // The line with its end moved along it to `len` from its start (unchanged if it has no
    // length).
    void set_length(double len) {
        const double old = length();
        if (old > 0) {
            p2 = {p1.x + len * (dx() / old), p1.y + len * (dy() / old)};
        }
    }
    void translate(PixelPoint d) {
        p1 += d;
        p2 += d;
    }
    // The direction in degrees in [0, 360), counter-clockwise from the x axis with y down.
    double angle() const {
        const double theta = std::atan2(-dy(), dx()) * (180 / std::numbers::pi);
        const double normalized = theta < 0 ? theta + 360 : theta;
        return nearly_equal(normalized, 360) ? 0 : normalized;
    }
    // The angle from this line's direction to `l`'s, in [0, 360).
    double angle_to(const PixelLine& l) const {
        if (is_null() || l.is_null()) {
            return 0;
        }
        const double delta = l.angle() - angle();
        const double normalized = delta < 0 ? delta + 360 : delta;
        return nearly_equal(delta, 360) ? 0 : normalized;
    }
    // Whether the two segments cross (both parameters of the crossing in [0, 1]).
    bool crosses(const PixelLine& l) const {
        const PixelPoint a = p2 - p1;
        const PixelPoint b = l.p1 - l.p2;
        const PixelPoint c = p1 - l.p1;
        const double denominator = a.y * b.x - a.x * b.y;
        if (denominator == 0 || !std::isfinite(denominator)) {
            return false;
        }
        const double reciprocal = 1 / denominator;
        const double na = (b.y * c.x - b.x * c.y) * reciprocal;
        if (na < 0 || na > 1) {
            return false;
        }
        const double nb = (a.x * c.y - a.y * c.x) * reciprocal;
        return nb >= 0 && nb <= 1;
    }
};
