#pragma once
// The field of two point charges straight from Coulomb's law, as an independent check of the
// drawings: charges q1 at (-a, 0) and q2 at (+a, 0) in nC, 9 V*m/nC.
#include <cmath>

#include <gtest/gtest.h>

#include "model/module1.h"
#include "picture/frame.h"
#include "support/recording_picture_box.h"

namespace coulomb {

struct Field {
    double ex, ey;
    double magnitude() const { return std::hypot(ex, ey); }
};

inline double potential(const Module1& m, double x, double y) {
    return 9.0 * (m.q1 / std::hypot(x + m.a, y) + m.q2 / std::hypot(x - m.a, y));
}

// The sum of the magnitudes of the two terms: the scale against which a zero is judged.
inline double potential_scale(const Module1& m, double x, double y) {
    return 9.0 *
           (std::abs(m.q1) / std::hypot(x + m.a, y) + std::abs(m.q2) / std::hypot(x - m.a, y));
}

inline Field field(const Module1& m, double x, double y) {
    Field f{0, 0};
    for (const auto& [q, cx] : {std::pair{m.q1, -m.a}, std::pair{m.q2, m.a}}) {
        const double dx = x - cx;
        const double r = std::hypot(dx, y);
        f.ex += 9.0 * q * dx / (r * r * r);
        f.ey += 9.0 * q * y / (r * r * r);
    }
    return f;
}

} // namespace coulomb

// A model with the default parameters and the given charges and region, its frame and charges
// drawn (which sets the region and the charge ratio), ready for a characteristic line.
inline Module1 model_with(double q1, double q2, double L = 4, const std::string& sep = ".") {
    Module1 m;
    set_model_defaults(m);
    m.q1 = q1;
    m.q2 = q2;
    m.L = L;
    m.dec_sep = sep;
    RecordingPictureBox frame;
    axes_main(m, frame);
    draw_charges(m, frame);
    return m;
}

// Every scanned dot lies midway between two rows whose potentials bracket the level.
inline void expect_dots_bracket(const Module1& m, const RecordingPictureBox& pic, Colour c,
                                double level) {
    const auto dots = pic.of(DrawCall::Dot, c);
    const double half = m.h2 / 2;
    for (const auto& d : dots) {
        EXPECT_EQ(d.width, 2);
        const double y = std::abs(d.y1);
        EXPECT_GE(y, half * 0.999);
        const double below = coulomb::potential(m, d.x1, y - half) - level;
        const double above = coulomb::potential(m, d.x1, y + half) - level;
        // The scan works in single precision: a level met within its rounding counts.
        const double tolerance = 1e-6 * coulomb::potential_scale(m, d.x1, y);
        EXPECT_TRUE(below * above <= 0 || std::min(std::abs(below), std::abs(above)) <= tolerance)
            << "dot at (" << d.x1 << ", " << d.y1 << ")";
    }
}
