// The zero-field point, the potential there, the equipotential through it and its five
// closed-form points; the black dot with "E=0" and the explanation.
#include <gtest/gtest.h>

#include "analysis/zero_field.h"
#include "support/coulomb.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

namespace {

// The closed-form points against Coulomb's law: the potential at each equals the level and the
// field vanishes at the zero-field point.
void expect_points_on_the_level(const DrawnField& f) {
    const double scale = coulomb::potential_scale(f.params, f.results.zero_field_x, 0);
    EXPECT_NEAR(coulomb::potential(f.params, f.results.zero_field_x, 0),
                f.results.zero_field_potential, 1e-9 * scale);
    EXPECT_NEAR(coulomb::field(f.params, f.results.zero_field_x, 0).ex, 0, 1e-9 * scale);
    for (const auto& [x, y] :
         {std::pair{0.0, f.results.level_crossing_y}, std::pair{0.0, -f.results.level_crossing_y},
          std::pair{f.results.level_crossing_left, 0.0},
          std::pair{f.results.level_crossing_right, 0.0}}) {
        EXPECT_NEAR(coulomb::potential(f.params, x, y), f.results.zero_field_potential,
                    1e-7 * scale)
            << "at (" << x << ", " << y << ")";
    }
}

// Default system: 1.5 m, 0.9 V, crossings y = 2.958, x = -3.736 and 0.264.
TEST(ZeroField, DefaultCharges) {
    DrawnField f = field_with(0.4, -0.1);
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    show_zero_field_point(f.params, f.picture, f.results, pic, dialogs);
    EXPECT_NEAR(f.results.zero_field_x, 1.5, 1e-12);
    EXPECT_NEAR(f.results.zero_field_potential, 0.9, 1e-12);
    EXPECT_NEAR(f.results.level_crossing_y, 2.958, 5e-4);
    EXPECT_NEAR(f.results.level_crossing_left, -3.736, 5e-4);
    EXPECT_NEAR(f.results.level_crossing_right, 0.264, 5e-4);
    expect_points_on_the_level(f);

    // The scan: dots on both sides of the axis, all bracketing the level.
    const auto dots = pic.of(DrawCall::Dot, kZeroFieldLevelColour);
    EXPECT_GT(dots.size(), 200u);
    expect_dots_bracket(f, pic, kZeroFieldLevelColour, f.results.zero_field_potential);

    // Five markers of radius r0/2 filled olive; the axis crossings outlined dark red.
    const auto olive = pic.of(DrawCall::Circle, kZeroFieldLevelColour);
    ASSERT_EQ(olive.size(), 3u);
    EXPECT_FLOAT_EQ(olive[0].y1, static_cast<float>(f.results.level_crossing_y));
    EXPECT_FLOAT_EQ(olive[1].y1, static_cast<float>(-f.results.level_crossing_y));
    EXPECT_FLOAT_EQ(olive[2].x1, 1.5f);
    const auto red = pic.of(DrawCall::Circle, kAxisCrossingColour);
    ASSERT_EQ(red.size(), 2u);
    for (const auto& c : {olive[0], olive[1], olive[2], red[0], red[1]}) {
        EXPECT_FLOAT_EQ(c.r, 0.025f);
        EXPECT_TRUE(c.filled);
        EXPECT_EQ(c.fill_colour, kZeroFieldLevelColour);
    }
    // The black dot at the zero-field point, then the texts.
    const auto black = pic.of(DrawCall::Circle, rgb(0, 0, 0));
    ASSERT_EQ(black.size(), 1u);
    EXPECT_FLOAT_EQ(black[0].x1, 1.5f);
    EXPECT_FLOAT_EQ(black[0].r, 0.01f);
    EXPECT_EQ(black[0].fill_colour, rgb(0, 0, 0));
    EXPECT_TRUE(black[0].filled);
    EXPECT_EQ(pic.texts(), (std::vector<std::string>{"fi= 0.9 B", "E=0"}));
    const auto prints = pic.of(DrawCall::Text);
    EXPECT_FLOAT_EQ(prints[0].x1, 1.5f);
    EXPECT_FLOAT_EQ(prints[0].y1, 0.4f);
    EXPECT_FLOAT_EQ(prints[1].y1, 0.2f);
    EXPECT_FALSE(pic.filled);
    EXPECT_EQ(pic.pen_width, 1);
    EXPECT_EQ(pic.rejected(), 0u);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Точка с нулевой напряжённостью");
    EXPECT_EQ(dialogs.shown[0].text,
              "E=0 при y=0 и x=2.00 м от левого заряда или при x=1.50 м от начала отсчёта.\r\n"
              "Потенциал в этой точке fi=0.90 В.\r\n"
              "Через эту точку проходит эквипотенциальная линия с аналитически рассчитанными "
              "точками:\r\n"
              "При х=0 y1=2.96 м и y2=-2.96 м;\r\n"
              "При y=0 x1=-3.74 м и х2=0.26 м.");
}

// q2 = 0.1: the point between the charges; the message with a comma as separator.
TEST(ZeroField, LikeChargesWithACommaSeparator) {
    DrawnField f = field_with(0.4, 0.1, 4, ",");
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    show_zero_field_point(f.params, f.picture, f.results, pic, dialogs);
    EXPECT_NEAR(f.results.zero_field_x, 0.1667, 1e-4);
    EXPECT_NEAR(f.results.zero_field_potential, 8.1, 1e-12);
    EXPECT_NEAR(f.results.level_crossing_y, 0.242, 5e-4);
    EXPECT_NEAR(f.results.level_crossing_left, -0.981, 5e-4);
    EXPECT_NEAR(f.results.level_crossing_right, 0.678, 5e-4);
    expect_points_on_the_level(f);
    expect_dots_bracket(f, pic, kZeroFieldLevelColour, f.results.zero_field_potential);
    EXPECT_EQ(pic.texts(), (std::vector<std::string>{"fi= 8,1 B", "E=0"}));
    EXPECT_EQ(dialogs.shown[0].text,
              "E=0 при y=0 и x=0,67 м от левого заряда или при x=0,17 м от начала отсчёта.\r\n"
              "Потенциал в этой точке fi=8,10 В.\r\n"
              "Через эту точку проходит эквипотенциальная линия с аналитически рассчитанными "
              "точками:\r\n"
              "При х=0 y1=0,24 м и y2=-0,24 м;\r\n"
              "При y=0 x1=-0,98 м и х2=0,68 м.");
}

// Equal like charges: the point at the origin, both y-axis markers there, the x crossings
// symmetric.
TEST(ZeroField, EqualLikeCharges) {
    for (double q : {0.4, -0.7}) {
        DrawnField f = field_with(q, q);
        RecordingPictureBox pic;
        draw_zero_field_point(f.params, f.picture, f.results, pic);
        EXPECT_NEAR(f.results.zero_field_x, 0, 1e-12);
        EXPECT_NEAR(f.results.level_crossing_y, 0, 1e-6);
        EXPECT_NEAR(f.results.level_crossing_left, -1.618 * f.params.half_distance, 1e-3);
        EXPECT_NEAR(f.results.level_crossing_right, -f.results.level_crossing_left, 1e-12);
        expect_points_on_the_level(f);
        EXPECT_EQ(pic.rejected(), 0u);
    }
}

// s = 2 (q1 = 0.1, q2 = -0.4): the point left of the left charge, -0.9 V, the left crossing
// on the right.
TEST(ZeroField, LargerRightChargeOfOppositeSign) {
    DrawnField f = field_with(0.1, -0.4);
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    show_zero_field_point(f.params, f.picture, f.results, pic, dialogs);
    EXPECT_NEAR(f.results.zero_field_x, -1.5, 1e-12);
    EXPECT_NEAR(f.results.zero_field_potential, -0.9, 1e-12);
    EXPECT_NEAR(f.results.level_crossing_left, 3.736, 5e-4);
    expect_points_on_the_level(f);
    expect_dots_bracket(f, pic, kZeroFieldLevelColour, f.results.zero_field_potential);
    // The distance from the left charge is negative: the point lies beyond it.
    const std::string& text = dialogs.shown[0].text;
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "E=0 при y=0 и x=-1.00 м от левого заряда или при x=-1.50 м от начала отсчёта.");
}

// A zero charge or q2 = -q1: everything at 2L, fi 0, "->00", the markers outside.
TEST(ZeroField, NoZeroFieldPoint) {
    for (const auto& [q1, q2] :
         {std::pair{0.0, 0.3}, std::pair{0.3, 0.0}, std::pair{0.25, -0.25}}) {
        DrawnField f = field_with(q1, q2, 3);
        RecordingPictureBox pic;
        RecordingDialogs dialogs;
        show_zero_field_point(f.params, f.picture, f.results, pic, dialogs);
        EXPECT_EQ(f.results.zero_field_x, 6);
        EXPECT_EQ(f.results.level_crossing_y, 6);
        EXPECT_EQ(f.results.level_crossing_left, 6);
        EXPECT_EQ(f.results.level_crossing_right, 6);
        EXPECT_EQ(f.results.zero_field_potential, 0);
        EXPECT_EQ(pic.rejected(), 0u);
        for (const auto& c : pic.of(DrawCall::Circle)) {
            EXPECT_GT(std::max(std::abs(c.x1), std::abs(c.y1)), 3.0f);
        }
        EXPECT_EQ(dialogs.shown[0].text,
                  "E=0 при y=0 и x=->00  или при x=->00 \r\n"
                  "Потенциал в этой точке fi=0.00 В.\r\n"
                  "Через эту точку проходит эквипотенциальная линия с аналитически "
                  "рассчитанными точками:\r\n"
                  "При х=0 y1=6.00 м и y2=-6.00 м;\r\n"
                  "При y=0 x1=6.00 м и х2=6.00 м.")
            << q1 << " " << q2;
    }
}

// A region whose grid has a node exactly on each charge (L = 3.125: steps of 2^-6 m): the scan
// passes those nodes and every dot still brackets the level.
TEST(ZeroField, GridNodeOnACharge) {
    DrawnField f = field_with(0.4, -0.1, 3.125);
    RecordingPictureBox pic;
    draw_zero_field_point(f.params, f.picture, f.results, pic);
    EXPECT_EQ(scan_steps(f.picture.frame).across, 0.015625);
    EXPECT_EQ(pic.rejected(), 0u);
    expect_dots_bracket(f, pic, kZeroFieldLevelColour, f.results.zero_field_potential);
}

// Every pair of the scroll bars: closed-form points on the level, nothing non-finite drawn.
TEST(ZeroField, EveryPairOfChargesIsConsistent) {
    for (int i = -20; i <= 20; i += 3) {
        for (int j = -20; j <= 20; j += 2) {
            DrawnField f = field_with(i * 0.05, j * 0.05);
            RecordingPictureBox pic;
            draw_zero_field_point(f.params, f.picture, f.results, pic);
            ASSERT_EQ(pic.rejected(), 0u) << i << " " << j;
            if (i != 0 && j != 0 && i != -j) {
                expect_points_on_the_level(f);
            }
        }
    }
}

} // namespace
