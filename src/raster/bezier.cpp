#include "raster/bezier.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster/pixel_line.h"

namespace {

PixelPoint middle(PixelPoint a, PixelPoint b) {
    return (a + b) * .5;
}

enum class Shift { Ok, Discard, Split, Circle };

// Whether a shifted curve keeps `offset` from the original at t = 1/4, 1/2 and 3/4, both in
// distance and along the original's normal.
Shift good_offset(const Bezier& original, const Bezier& shifted, double offset, double threshold) {
    const double o2 = offset * offset;
    const double max_dist_line = threshold * offset * offset;
    const double max_dist_normal = threshold * offset;
    constexpr int kDivisions = 4;
    constexpr double kSpacing = 1.0 / kDivisions;
    double t = kSpacing;
    for (int i = 1; i < kDivisions; ++i, t += kSpacing) {
        const PixelPoint p1 = original.point_at(t);
        const PixelPoint p2 = shifted.point_at(t);
        double d = (p1.x - p2.x) * (p1.x - p2.x) + (p1.y - p2.y) * (p1.y - p2.y);
        if (std::abs(d - o2) > max_dist_line) {
            return Shift::Split;
        }
        const PixelPoint normal = original.normal_at(t);
        const double l = std::abs(normal.x) + std::abs(normal.y);
        if (l != 0.0) {
            d = std::abs(normal.x * (p1.y - p2.y) - normal.y * (p1.x - p2.x)) / l;
            if (d > max_dist_normal) {
                return Shift::Split;
            }
        }
    }
    return Shift::Ok;
}

bool same_point(PixelPoint a, PixelPoint b) {
    return nearly_equal(a.x, b.x) && nearly_equal(a.y, b.y);
}

// The unit normal of a direction, a quarter turn counter-clockwise on the screen (y down).
PixelPoint unit_normal(PixelPoint direction) {
    return PixelLine{{}, direction}.normal().unit().p2;
}

// The control polygon moved `offset` along its normals: the ends along their sides' normals,
// inner points along the mean of their two sides'.
Shift shift(const Bezier& original, Bezier& shifted, double offset, double threshold) {
    const Bezier& o = original;
    const bool p1_p2 = same_point(o.p1, o.p2);
    const bool p2_p3 = same_point(o.p2, o.p3);
    const bool p3_p4 = same_point(o.p3, o.p4);
    PixelPoint points[4];
    int map[4];
    int np = 0;
    points[np++] = o.p1;
    map[0] = 0;
    if (!p1_p2) {
        points[np++] = o.p2;
    }
    map[1] = np - 1;
    if (!p2_p3) {
        points[np++] = o.p3;
    }
    map[2] = np - 1;
    if (!p3_p4) {
        points[np++] = o.p4;
    }
    map[3] = np - 1;
    if (np == 1) {
        return Shift::Discard;
    }
    const Bezier::Box b = o.bounds();
    if (np == 4 && b.right - b.left < .1 * offset && b.bottom - b.top < .1 * offset) {
        const double l =
            (o.p1.x - o.p2.x) * (o.p1.x - o.p2.x) +
            (o.p1.y - o.p2.y) * (o.p1.y - o.p2.y) * (o.p3.x - o.p4.x) * (o.p3.x - o.p4.x) +
            (o.p3.y - o.p4.y) * (o.p3.y - o.p4.y);
        const double dot =
            (o.p1.x - o.p2.x) * (o.p3.x - o.p4.x) + (o.p1.y - o.p2.y) * (o.p3.y - o.p4.y);
        if (dot < 0 && dot * dot < 0.8 * l) {
            return Shift::Circle; // close points turning back: a half circle stands for them
        }
    }
    PixelPoint moved[4];
    if (PixelLine{{}, points[1] - points[0]}.length() == 0) {
        return Shift::Discard;
    }
    PixelPoint prev_normal = unit_normal(points[1] - points[0]);
    moved[0] = points[0] + offset * prev_normal;
    for (int i = 1; i < np - 1; ++i) {
        const PixelPoint next_normal = unit_normal(points[i + 1] - points[i]);
        const PixelPoint normal_sum = prev_normal + next_normal;
        const double r = 1.0 + prev_normal.x * next_normal.x + prev_normal.y * next_normal.y;
        if (nearly_zero(r)) {
            moved[i] = points[i] + offset * prev_normal;
        } else {
            moved[i] = points[i] + (offset / r) * normal_sum;
        }
        prev_normal = next_normal;
    }
    moved[np - 1] = points[np - 1] + offset * prev_normal;
    shifted = {moved[map[0]], moved[map[1]], moved[map[2]], moved[map[3]]};
    return np > 2 ? good_offset(original, shifted, offset, threshold) : Shift::Ok;
}

// Two curves for a half circle about a tiny curve that turns back on itself.
bool add_circle(const Bezier& b, double offset, Bezier* out) {
    constexpr double kKappa = 0.5522847498;
    PixelPoint normals[3];
    normals[0] = {b.p2.y - b.p1.y, b.p1.x - b.p2.x};
    double dist = std::sqrt(normals[0].x * normals[0].x + normals[0].y * normals[0].y);
    if (nearly_zero(dist)) {
        return false;
    }
    normals[0] = {normals[0].x / dist, normals[0].y / dist};
    normals[2] = {b.p4.y - b.p3.y, b.p3.x - b.p4.x};
    dist = std::sqrt(normals[2].x * normals[2].x + normals[2].y * normals[2].y);
    if (nearly_zero(dist)) {
        return false;
    }
    normals[2] = {normals[2].x / dist, normals[2].y / dist};
    normals[1] = {b.p1.x - b.p2.x - b.p3.x + b.p4.x, b.p1.y - b.p2.y - b.p3.y + b.p4.y};
    const double n1 = -1 * std::sqrt(normals[1].x * normals[1].x + normals[1].y * normals[1].y);
    normals[1] = {normals[1].x / n1, normals[1].y / n1};
    double angles[2];
    double sign = 1.;
    for (int i = 0; i < 2; ++i) {
        double cos_a = normals[i].x * normals[i + 1].x + normals[i].y * normals[i + 1].y;
        cos_a = std::clamp(cos_a, -1., 1.);
        angles[i] = std::acos(cos_a) * std::numbers::inv_pi;
    }
    if (angles[0] + angles[1] > 1.) {
        normals[1] = -normals[1];
        angles[0] = 1. - angles[0];
        angles[1] = 1. - angles[1];
        sign = -1.;
    }
    const PixelPoint circle[3] = {b.p1 + normals[0] * offset,
                                  PixelPoint{0.5 * (b.p1.x + b.p4.x), 0.5 * (b.p1.y + b.p4.y)} +
                                      normals[1] * offset,
                                  b.p4 + normals[2] * offset};
    for (int i = 0; i < 2; ++i) {
        const double kappa = 2.0 * kKappa * sign * offset * angles[i];
        out[i] = {circle[i],
                  {circle[i].x - normals[i].y * kappa, circle[i].y + normals[i].x * kappa},
                  {circle[i + 1].x + normals[i + 1].y * kappa,
                   circle[i + 1].y - normals[i + 1].x * kappa},
                  circle[i + 1]};
    }
    return true;
}

} // namespace

std::pair<Bezier, Bezier> Bezier::split() const {
    const PixelPoint m12 = middle(p1, p2);
    const PixelPoint m23 = middle(p2, p3);
    const PixelPoint m34 = middle(p3, p4);
    const PixelPoint m123 = middle(m12, m23);
    const PixelPoint m234 = middle(m23, m34);
    const PixelPoint mid = middle(m123, m234);
    return {{p1, m12, m123, mid}, {mid, m234, m34, p4}};
}

PixelPoint Bezier::point_at(double t) const {
    const double m_t = 1. - t;
    const auto along = [m_t, t](double v1, double v2, double v3, double v4) {
        double a = v1 * m_t + v2 * t;
        double b = v2 * m_t + v3 * t;
        const double c = v3 * m_t + v4 * t;
        a = a * m_t + b * t;
        b = b * m_t + c * t;
        return a * m_t + b * t;
    };
    return {along(p1.x, p2.x, p3.x, p4.x), along(p1.y, p2.y, p3.y, p4.y)};
}

PixelPoint Bezier::normal_at(double t) const {
    const double m_t = 1. - t;
    const double a = m_t * m_t;
    const double b = t * m_t;
    const double c = t * t;
    return {(p2.y - p1.y) * a + (p3.y - p2.y) * b + (p4.y - p3.y) * c,
            -(p2.x - p1.x) * a - (p3.x - p2.x) * b - (p4.x - p3.x) * c};
}

Bezier::Box Bezier::bounds() const {
    const auto range = [](double v1, double v2, double v3, double v4) {
        double lo = v1, hi = v1;
        for (const double v : {v2, v3, v4}) {
            if (v < lo) {
                lo = v;
            } else if (v > hi) {
                hi = v;
            }
        }
        return std::pair{lo, hi};
    };
    const auto [left, right] = range(p1.x, p2.x, p3.x, p4.x);
    const auto [top, bottom] = range(p1.y, p2.y, p3.y, p4.y);
    return {left, top, right, bottom};
}

void Bezier::flatten(std::vector<PixelPoint>& out, double threshold) const {
    Bezier stack[10];
    int levels[10];
    stack[0] = *this;
    levels[0] = 9;
    int top = 0;
    while (top >= 0) {
        Bezier& b = stack[top];
        const double y4y1 = b.p4.y - b.p1.y;
        const double x4x1 = b.p4.x - b.p1.x;
        double l = std::abs(x4x1) + std::abs(y4y1);
        double d;
        if (l > 1.) {
            d = std::abs(x4x1 * (b.p1.y - b.p2.y) - y4y1 * (b.p1.x - b.p2.x)) +
                std::abs(x4x1 * (b.p1.y - b.p3.y) - y4y1 * (b.p1.x - b.p3.x));
        } else {
            d = std::abs(b.p1.x - b.p2.x) + std::abs(b.p1.y - b.p2.y) + std::abs(b.p1.x - b.p3.x) +
                std::abs(b.p1.y - b.p3.y);
            l = 1.;
        }
        if (d < threshold * l || levels[top] == 0) {
            out.push_back(b.p4);
            --top;
        } else {
            // The first half on top, to be flattened first.
            const auto [first, second] = b.split();
            stack[top + 1] = first;
            stack[top] = second;
            levels[top + 1] = --levels[top];
            ++top;
        }
    }
}

int Bezier::offset(Bezier* out, int max_curves, double offset, float threshold) const {
    if (nearly_equal(p1.x, p2.x) && nearly_equal(p1.x, p3.x) && nearly_equal(p1.x, p4.x) &&
        nearly_equal(p1.y, p2.y) && nearly_equal(p1.y, p3.y) && nearly_equal(p1.y, p4.y)) {
        return 0;
    }
    --max_curves;
    Bezier stack[10];
    Bezier* b;
    Bezier* o;
    for (;;) {
        stack[0] = *this;
        b = stack;
        o = out;
        bool redo = false;
        bool give_up = false;
        while (b >= stack) {
            const int stacked = static_cast<int>(b - stack) + 1;
            if (stacked == 10 || o - out == max_curves - stacked) {
                // Out of room: try again with a looser threshold, or finish as it is.
                threshold *= 1.5;
                if (threshold > 2.0) {
                    give_up = true;
                } else {
                    redo = true;
                }
                break;
            }
            const Shift res = shift(*b, *o, offset, threshold);
            if (res == Shift::Discard) {
                --b;
            } else if (res == Shift::Ok) {
                ++o;
                --b;
            } else if (res == Shift::Circle && max_curves - (o - out) >= 2) {
                if (add_circle(*b, offset, o)) {
                    o += 2;
                }
                --b;
            } else {
                const auto [first, second] = b->split();
                b[1] = first;
                b[0] = second;
                ++b;
            }
        }
        if (redo) {
            continue;
        }
        if (give_up) {
            while (b >= stack) {
                const Shift res = shift(*b, *o, offset, threshold);
                if (res == Shift::Ok || res == Shift::Split) {
                    ++o;
                }
                --b;
            }
        }
        return static_cast<int>(o - out);
    }
}
