#pragma once
// A point of a picture in pixels, as double-precision coordinates, and the comparisons and
// roundings the raster painter this folder reproduces makes on such points.
#include <algorithm>
#include <cmath>

struct PixelPoint {
    double x = 0, y = 0;

    PixelPoint& operator+=(PixelPoint p) {
        x += p.x;
        y += p.y;
        return *this;
    }
    PixelPoint& operator-=(PixelPoint p) {
        x -= p.x;
        y -= p.y;
        return *this;
    }
    friend PixelPoint operator+(PixelPoint p, PixelPoint q) { return {p.x + q.x, p.y + q.y}; }
    friend PixelPoint operator-(PixelPoint p, PixelPoint q) { return {p.x - q.x, p.y - q.y}; }
    friend PixelPoint operator-(PixelPoint p) { return {-p.x, -p.y}; }
    friend PixelPoint operator*(double k, PixelPoint p) { return {k * p.x, k * p.y}; }
    friend PixelPoint operator*(PixelPoint p, double k) { return {p.x * k, p.y * k}; }
    // Exactly the same coordinates.
    friend bool operator==(PixelPoint p, PixelPoint q) = default;
};

// Two numbers equal to about twelve significant digits (a number and zero only when the other
// is within 1e-12 of zero).
inline bool nearly_equal(double a, double b) {
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}
inline bool nearly_zero(double a) {
    return std::abs(a) <= 1e-12;
}
// nearly_equal, but against zero as nearly_zero: how points and sizes are compared.
inline bool nearly_same(double a, double b) {
    return a == 0 || b == 0 ? nearly_zero(a - b) : nearly_equal(a, b);
}
inline bool nearly_same(PixelPoint p, PixelPoint q) {
    return nearly_same(p.x, q.x) && nearly_same(p.y, q.y);
}

// Rounded to the nearest integer, halves away from zero.
inline int round_to_int(double v) {
    return static_cast<int>(v + std::copysign(0.5, v));
}
