#pragma once
// The field of two point charges straight from Coulomb's law, as an independent check of the
// drawings: charges q1 at (-a, 0) and q2 at (+a, 0) in nC, 9 V*m/nC.
#include <cmath>

#include <gtest/gtest.h>

#include "model/field_params.h"
#include "picture/equipotentials.h"
#include "support/scene.h"

namespace coulomb {

struct Field {
    double ex, ey;
    double magnitude() const { return std::hypot(ex, ey); }
};

inline double potential(const FieldParams& p, double x, double y) {
    const double a = p.half_distance;
    return 9.0 * (p.q1 / std::hypot(x + a, y) + p.q2 / std::hypot(x - a, y));
}

// The sum of the magnitudes of the two terms: the scale against which a zero is judged.
inline double potential_scale(const FieldParams& p, double x, double y) {
    const double a = p.half_distance;
    return 9.0 * (std::abs(p.q1) / std::hypot(x + a, y) + std::abs(p.q2) / std::hypot(x - a, y));
}

inline Field field(const FieldParams& p, double x, double y) {
    Field f{0, 0};
    const double a = p.half_distance;
    for (const auto& [q, cx] : {std::pair{p.q1, -a}, std::pair{p.q2, a}}) {
        const double dx = x - cx;
        const double r = std::hypot(dx, y);
        f.ex += 9.0 * q * dx / (r * r * r);
        f.ey += 9.0 * q * y / (r * r * r);
    }
    return f;
}

} // namespace coulomb

// Every scanned dot lies midway between two rows whose potentials bracket the level.
inline void expect_dots_bracket(const Scene& s, Colour c, double level) {
    const auto dots = s.pic.of(DrawCall::Dot, c);
    const double half = scan_steps(s.picture.frame).upward / 2;
    for (const auto& d : dots) {
        EXPECT_EQ(d.width, 2);
        const double y = std::abs(d.y1);
        EXPECT_GE(y, half * 0.999);
        const double below = coulomb::potential(s.params, d.x1, y - half) - level;
        const double above = coulomb::potential(s.params, d.x1, y + half) - level;
        // The scan works in single precision: a level met within its rounding counts.
        const double tolerance = 1e-6 * coulomb::potential_scale(s.params, d.x1, y);
        EXPECT_TRUE(below * above <= 0 || std::min(std::abs(below), std::abs(above)) <= tolerance)
            << "dot at (" << d.x1 << ", " << d.y1 << ")";
    }
}
