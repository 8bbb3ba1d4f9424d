// The equipotential of the chosen potential, found by the grid scan.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/user_equipotential.h"
#include "analysis/zero_potential.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

void draw(Scene& s) {
    draw_chosen_equipotential(s.params, s.picture.frame, s.pic);
}

// Blue dots only, each between two rows that bracket the level, mirrored, never on the axis;
// the width is 1 again afterwards. A potential no point of the region has draws nothing.
TEST(UserEquipotential, DotsHaveTheChosenPotential) {
    struct Row {
        const char* name;
        double q1, q2, L;
        float level;
        std::size_t least_dots; // 0: none at all
    };
    const Row rows[] = {
        {"the default 0.95 V", 0.4, -0.1, 4, 0.95f, 100},
        // L = 3.125: steps of 2^-6 m, with nodes exactly on the charges.
        {"nodes on the charges", 0.4, -0.1, 3.125, 2, 100},
        {"nodes on the left charge alone", 0.4, 0, 3.125, 2, 100},
        {"a negative charge alone never has 2 V", 0, -0.1, 3.125, 2, 0},
        {"like charges: below the least potential, at a corner", 0.4, 0.1, 4, 0.5f, 0},
        {"like charges: the wrong sign", 0.4, 0.1, 4, -5, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Scene s({.q1 = r.q1, .q2 = r.q2, .half_width = r.L, .chosen_potential = r.level});
        draw(s);
        const auto dots = s.pic.of(DrawCall::Dot, kUserEquipotentialColour);
        if (r.least_dots == 0) {
            EXPECT_TRUE(s.pic.calls.empty());
        } else {
            EXPECT_GE(dots.size(), r.least_dots);
        }
        EXPECT_EQ(dots.size(), s.pic.calls.size());
        expect_dots_bracket(s, kUserEquipotentialColour, s.params.chosen_potential);
        ASSERT_EQ(dots.size() % 2, 0u);
        for (std::size_t i = 0; i + 1 < dots.size(); i += 2) {
            EXPECT_EQ(dots[i].x1, dots[i + 1].x1);
            EXPECT_EQ(dots[i].y1, -dots[i + 1].y1);
            // Midway between two rows: an odd number of half row steps from the axis.
            const double halves = std::abs(dots[i].y1) / (scan_steps(s.picture.frame).upward / 2);
            EXPECT_NEAR(halves, std::round(halves), 1e-3);
            EXPECT_EQ(static_cast<long>(std::round(halves)) % 2, 1);
        }
        EXPECT_EQ(s.pic.pen_width, 1);
        EXPECT_EQ(s.pic.rejected(), 0u);
    }
}

// A chosen potential of 0 with unlike charges: the dots lie on the zero-potential circle.
TEST(UserEquipotential, ZeroPotentialFollowsTheCircle) {
    Scene s({.chosen_potential = 0});
    draw_zero_potential_line(s.params, s.picture, s.results, s.pic);
    s.pic.forget();
    draw(s);
    const auto dots = s.pic.of(DrawCall::Dot, kUserEquipotentialColour);
    ASSERT_GT(dots.size(), 20u);
    for (const auto& d : dots) {
        const double r = std::hypot(d.x1 - *s.results.zero_potential_centre, d.y1);
        EXPECT_NEAR(r, *s.results.zero_potential_radius, scan_steps(s.picture.frame).upward)
            << d.x1 << " " << d.y1;
    }
}

} // namespace
