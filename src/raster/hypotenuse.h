#pragma once
// The length of (x, y) as the desktop's C library computes hypot: the square root of the sum of
// squares, corrected by one step that makes it nearly always the correctly rounded length, with
// the inputs scaled where their squares would overflow or underflow. Written out so that every
// platform (the browser's too, whose library rounds differently) gets the same last bit, which
// decides pixels at the edges of wide lines and circles. Checked against the library's hypot by
// the core tests.
#include <cmath>

namespace hypotenuse_detail {

// For ax >= ay >= 0 whose squares neither overflow nor underflow.
inline double kernel(double ax, double ay) {
    double h = std::sqrt(ax * ax + ay * ay);
    double t1, t2;
    if (h <= 2.0 * ay) {
        const double delta = h - ay;
        t1 = ax * (2.0 * delta - ax);
        t2 = (delta - 2.0 * (ax - ay)) * delta;
    } else {
        const double delta = h - ax;
        t1 = 2.0 * delta * (ax - 2.0 * ay);
        t2 = (4.0 * delta - ay) * ay + delta * delta;
    }
    h -= (t1 + t2) / (2.0 * h);
    return h;
}

} // namespace hypotenuse_detail

inline double hypotenuse(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        if (std::isinf(x) || std::isinf(y)) {
            return INFINITY;
        }
        return x + y;
    }
    constexpr double kScale = 0x1p-600, kLarge = 0x1p+511, kTiny = 0x1p-511, kEps = 0x1p-54;
    x = std::abs(x);
    y = std::abs(y);
    double ax = x < y ? y : x;
    double ay = x < y ? x : y;
    if (ax > kLarge) {
        if (ay <= ax * kEps) {
            return ax + ay;
        }
        return hypotenuse_detail::kernel(ax * kScale, ay * kScale) / kScale;
    }
    if (ay < kTiny) {
        if (ax >= ay / kEps) {
            return ax + ay;
        }
        return hypotenuse_detail::kernel(ax / kScale, ay / kScale) * kScale;
    }
    if (ay <= ax * kEps) {
        return ax + ay;
    }
    return hypotenuse_detail::kernel(ax, ay);
}
