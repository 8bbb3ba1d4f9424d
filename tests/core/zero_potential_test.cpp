// The zero-potential line: circle of Apollonius, the axis for equal and opposite charges,
// nothing for like charges; its explanation.
#include <gtest/gtest.h>

#include "analysis/zero_potential.h"
#include "support/coulomb.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

namespace {

std::string expected_message(const std::string& xc, const std::string& rc) {
    return "При одноименных зарядах такой линии нет.\r\n    \r\n"
           "При разноименных зарядах линия fi=0 является окружностью\r\n"
           "с центром при y=0 и x=" +
           xc + " м\r\nи радиусом " + rc +
           " м.\r\nПри одинаковых по величине зарядах вырождается в прямую x=0";
}

// Default charges (k = -0.25): the circle about the right charge, on which the potential of
// the two charges vanishes.
TEST(ZeroPotential, DefaultChargesGiveACircleOfZeroPotential) {
    DrawnField f = field_with(0.4, -0.1);
    RecordingPictureBox pic;
    draw_zero_potential_line(f.params, f.picture, f.results, pic);
    ASSERT_TRUE(f.results.zero_potential_centre && f.results.zero_potential_radius);
    EXPECT_NEAR(*f.results.zero_potential_centre, 0.5667, 1e-4);
    EXPECT_NEAR(*f.results.zero_potential_radius, 0.2667, 1e-4);

    const auto segs = pic.of(DrawCall::Line, kZeroPotentialColour);
    ASSERT_GE(segs.size(), 2u * 200);
    double x_lo = 1e9, x_hi = -1e9;
    for (const auto& s : segs) {
        EXPECT_EQ(s.width, 2);
        for (const auto& [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
            const double fi = coulomb::potential(f.params, x, y);
            EXPECT_LT(std::abs(fi), 1e-5 * coulomb::potential_scale(f.params, x, y))
                << "at (" << x << ", " << y << ")";
            x_lo = std::min<double>(x_lo, x);
            x_hi = std::max<double>(x_hi, x);
        }
    }
    // It crosses the axis at about 0.30 and 0.83 m, around the right charge at 0.5 m.
    EXPECT_NEAR(x_lo, 0.30, 0.005);
    EXPECT_NEAR(x_hi, 0.83, 0.005);
    // It starts with a black dot at its left end and leaves the drawing width at 1.
    ASSERT_EQ(pic.of(DrawCall::Dot, rgb(0, 0, 0)).size(), 1u);
    EXPECT_NEAR(pic.of(DrawCall::Dot)[0].x1, 0.3, 1e-6);
    EXPECT_EQ(pic.pen_width, 1);
    EXPECT_EQ(pic.rejected(), 0u);
}

// q2 = -q1, and magnitudes within one per cent (k = -1.005): the axis x = 0 from edge to edge;
// the last circle's values stay.
TEST(ZeroPotential, EqualAndOppositeChargesGiveTheAxis) {
    DrawnField f = field_with(0.4, -0.1);
    RecordingPictureBox first;
    draw_zero_potential_line(f.params, f.picture, f.results, first);
    const double xc = *f.results.zero_potential_centre, rc = *f.results.zero_potential_radius;

    for (const auto& [q1, q2] : {std::pair{0.3, -0.3}, std::pair{0.2, -0.201}}) {
        DrawnField n = field_with(q1, q2);
        n.results.zero_potential_centre = xc;
        n.results.zero_potential_radius = rc;
        RecordingPictureBox pic;
        draw_zero_potential_line(n.params, n.picture, n.results, pic);
        ASSERT_EQ(pic.of(DrawCall::Line).size(), 1u) << q2;
        const DrawCall s = pic.of(DrawCall::Line)[0];
        EXPECT_EQ(s.colour, kZeroPotentialColour);
        EXPECT_EQ(s.x1, 0);
        EXPECT_EQ(s.x2, 0);
        EXPECT_EQ(s.y1, -4);
        EXPECT_EQ(s.y2, 4);
        EXPECT_EQ(s.width, 2);
        EXPECT_EQ(pic.pen_width, 1);
        EXPECT_EQ(*n.results.zero_potential_centre, xc);
        EXPECT_EQ(*n.results.zero_potential_radius, rc);
        // On that axis the potential of the pair is zero (to within the one per cent).
        EXPECT_NEAR(coulomb::potential(n.params, 0, 1.7), 0,
                    3e-3 * coulomb::potential_scale(n.params, 0, 1.7));
    }
}

// Like charges and a zero charge: nothing drawn, the values of the last circle kept.
TEST(ZeroPotential, LikeChargesOrAZeroChargeDrawNothing) {
    for (const auto& [q1, q2] :
         {std::pair{0.4, 0.1}, std::pair{-0.5, -0.5}, std::pair{0.0, -0.3}, std::pair{0.3, 0.0}}) {
        DrawnField f = field_with(q1, q2);
        RecordingPictureBox pic;
        RecordingDialogs dialogs;
        show_zero_potential_line(f.params, f.picture, f.results, pic, dialogs);
        EXPECT_TRUE(pic.calls.empty()) << q1 << " " << q2;
        EXPECT_FALSE(f.results.zero_potential_centre.has_value());
        EXPECT_EQ(pic.pen_width, 1);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Линия нулевого потенциала");
        // Before any circle has been computed the message quotes zeros.
        EXPECT_EQ(dialogs.shown[0].text, expected_message("0.00", "0.00"));
    }
}

// The message quotes the circle with the locale's separator, for both separators; a circle
// about the left charge (|k| > 1) lies left of it.
TEST(ZeroPotential, MessageQuotesTheCircleWithTheLocaleSeparator) {
    for (const char* sep : {".", ","}) {
        DrawnField f = field_with(0.4, -0.1, 4, sep);
        RecordingPictureBox pic;
        RecordingDialogs dialogs;
        show_zero_potential_line(f.params, f.picture, f.results, pic, dialogs);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text,
                  expected_message(std::string("0") + sep + "57", std::string("0") + sep + "27"));
    }
    DrawnField f = field_with(-0.1, 0.4);
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    show_zero_potential_line(f.params, f.picture, f.results, pic, dialogs);
    EXPECT_EQ(dialogs.shown[0].text, expected_message("-0.57", "0.27"));
    EXPECT_LT(*f.results.zero_potential_centre - *f.results.zero_potential_radius,
              -f.params.half_distance); // encloses the left charge
    EXPECT_GT(*f.results.zero_potential_centre + *f.results.zero_potential_radius,
              -f.params.half_distance);
}

// Every pair of unlike charges of the scroll bars: the drawing is finite and lies on the
// zero-potential line.
TEST(ZeroPotential, EveryUnlikePairDrawsAFiniteZeroLine) {
    for (int i = -20; i <= 20; ++i) {
        for (int j = -20; j <= 20; ++j) {
            if (i * j >= 0) {
                continue;
            }
            DrawnField f = field_with(i * 0.05, j * 0.05);
            RecordingPictureBox pic;
            draw_zero_potential_line(f.params, f.picture, f.results, pic);
            ASSERT_EQ(pic.rejected(), 0u) << i << " " << j;
            for (const auto& s : pic.of(DrawCall::Line)) {
                EXPECT_LT(std::abs(coulomb::potential(f.params, s.x2, s.y2)),
                          1e-4 * coulomb::potential_scale(f.params, s.x2, s.y2));
            }
        }
    }
}

} // namespace
