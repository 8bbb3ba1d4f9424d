#pragma once
// The field of two point charges straight from Coulomb's law, as an independent check of the
// drawings: charges q1 at (-a, 0) and q2 at (+a, 0) in nC, 9 V*m/nC.
#include <cmath>

#include <gtest/gtest.h>

#include "analysis/characteristic_results.h"
#include "model/field_params.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "support/recording_picture_box.h"

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

// The inputs of a field with the default parameters and the given charges and region, its
// frame and charges drawn (which sets the region and the charge ratio), ready for a
// characteristic line, and what the lines find.
struct DrawnField {
    FieldParams params;
    FieldPicture picture;
    CharacteristicResults results;
};

inline DrawnField field_with(double q1, double q2, double L = 4, const std::string& sep = ".") {
    DrawnField f;
    f.params.q1 = q1;
    f.params.q2 = q2;
    f.params.half_width = L;
    f.params.decimal_separator = sep;
    RecordingPictureBox frame;
    f.picture.frame = draw_frame(f.params, frame);
    f.picture.charges = draw_charges(f.params, frame);
    return f;
}

// Every scanned dot lies midway between two rows whose potentials bracket the level.
inline void expect_dots_bracket(const DrawnField& f, const RecordingPictureBox& pic, Colour c,
                                double level) {
    const auto dots = pic.of(DrawCall::Dot, c);
    const double half = scan_steps(f.picture.frame).upward / 2;
    for (const auto& d : dots) {
        EXPECT_EQ(d.width, 2);
        const double y = std::abs(d.y1);
        EXPECT_GE(y, half * 0.999);
        const double below = coulomb::potential(f.params, d.x1, y - half) - level;
        const double above = coulomb::potential(f.params, d.x1, y + half) - level;
        // The scan works in single precision: a level met within its rounding counts.
        const double tolerance = 1e-6 * coulomb::potential_scale(f.params, d.x1, y);
        EXPECT_TRUE(below * above <= 0 || std::min(std::abs(below), std::abs(above)) <= tolerance)
            << "dot at (" << d.x1 << ", " << d.y1 << ")";
    }
}
