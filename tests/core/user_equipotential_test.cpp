// The equipotential of the chosen potential, found by the grid scan.
#include <gtest/gtest.h>

#include "analysis/user_equipotential.h"
#include "analysis/zero_potential.h"
#include "support/coulomb.h"
#include "support/recording_picture_box.h"

namespace {

// The default 0.95 V: blue dots, each between two rows that bracket the level, mirrored, never
// on the axis; the width is 1 again afterwards.
TEST(UserEquipotential, DotsHaveTheChosenPotential) {
    DrawnField f = field_with(0.4, -0.1);
    RecordingPictureBox pic;
    draw_chosen_equipotential(f.params, f.picture.frame, pic);
    const auto dots = pic.of(DrawCall::Dot, kUserEquipotentialColour);
    ASSERT_GT(dots.size(), 100u);
    EXPECT_EQ(dots.size(), pic.calls.size());
    expect_dots_bracket(f, pic, kUserEquipotentialColour, f.params.chosen_potential);
    for (std::size_t i = 0; i + 1 < dots.size(); i += 2) {
        EXPECT_EQ(dots[i].x1, dots[i + 1].x1);
        EXPECT_EQ(dots[i].y1, -dots[i + 1].y1);
        // Midway between two rows: an odd number of half row steps from the axis.
        const double halves = std::abs(dots[i].y1) / (scan_steps(f.picture.frame).upward / 2);
        EXPECT_NEAR(halves, std::round(halves), 1e-3);
        EXPECT_EQ(static_cast<long>(std::round(halves)) % 2, 1);
    }
    EXPECT_EQ(pic.pen_width, 1);
    EXPECT_EQ(pic.rejected(), 0u);
}

// A potential no point of the region has draws nothing: below the least potential of two
// positive charges (at a corner), or of the wrong sign.
TEST(UserEquipotential, UnreachablePotentialDrawsNothing) {
    DrawnField f = field_with(0.4, 0.1);
    for (const float level : {0.5f, -5.0f}) {
        EXPECT_LT(level, coulomb::potential(f.params, 4, 4));
        f.params.chosen_potential = level;
        RecordingPictureBox pic;
        draw_chosen_equipotential(f.params, f.picture.frame, pic);
        EXPECT_TRUE(pic.calls.empty()) << level;
    }
}

// A chosen potential of 0 with unlike charges: the dots lie on the zero-potential circle.
TEST(UserEquipotential, ZeroPotentialFollowsTheCircle) {
    DrawnField f = field_with(0.4, -0.1);
    RecordingPictureBox circle;
    draw_zero_potential_line(f.params, f.picture, f.results, circle);
    f.params.chosen_potential = 0;
    RecordingPictureBox pic;
    draw_chosen_equipotential(f.params, f.picture.frame, pic);
    const auto dots = pic.of(DrawCall::Dot, kUserEquipotentialColour);
    ASSERT_GT(dots.size(), 20u);
    for (const auto& d : dots) {
        const double r = std::hypot(d.x1 - *f.results.zero_potential_centre, d.y1);
        EXPECT_NEAR(r, *f.results.zero_potential_radius, scan_steps(f.picture.frame).upward)
            << d.x1 << " " << d.y1;
    }
}

// Nodes exactly on the charges (L = 3.125) and a zero charge: the scan completes, finite.
TEST(UserEquipotential, NodesOnTheChargesAndAZeroCharge) {
    for (const auto& [q1, q2] : {std::pair{0.4, -0.1}, std::pair{0.0, -0.1}, std::pair{0.4, 0.0}}) {
        DrawnField f = field_with(q1, q2, 3.125);
        f.params.chosen_potential = 2;
        RecordingPictureBox pic;
        draw_chosen_equipotential(f.params, f.picture.frame, pic);
        EXPECT_EQ(pic.rejected(), 0u);
        expect_dots_bracket(f, pic, kUserEquipotentialColour, f.params.chosen_potential);
    }
}

} // namespace
