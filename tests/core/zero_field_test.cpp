// The zero-field point, the potential there, the equipotential through it and its five
// closed-form points; the black dot with "E=0" and the explanation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/zero_field.h"
#include "support/charge_pairs.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

void show(Scene& s) {
    show_zero_field_point(s.params, s.picture, s.results, s.pic, s.dialogs);
}

// The closed-form points against Coulomb's law: the potential at each equals the level and the
// field vanishes at the zero-field point.
void expect_points_on_the_level(const Scene& s) {
    const CharacteristicResults& r = s.results;
    const double scale = coulomb::potential_scale(s.params, r.zero_field_x, 0);
    EXPECT_NEAR(coulomb::potential(s.params, r.zero_field_x, 0), r.zero_field_potential,
                1e-9 * scale);
    EXPECT_NEAR(coulomb::field(s.params, r.zero_field_x, 0).ex, 0, 1e-9 * scale);
    for (const auto& [x, y] :
         {std::pair{0.0, r.level_crossing_y}, std::pair{0.0, -r.level_crossing_y},
          std::pair{r.level_crossing_left, 0.0}, std::pair{r.level_crossing_right, 0.0}}) {
        EXPECT_NEAR(coulomb::potential(s.params, x, y), r.zero_field_potential, 1e-7 * scale)
            << "at (" << x << ", " << y << ")";
    }
}

// The explanation: where the point is, the potential there and the crossings of its level.
std::string message(const std::string& where, const std::string& fi, const std::string& y1,
                    const std::string& x1, const std::string& x2) {
    return "E=0 при y=0 и x=" + where + "\r\nПотенциал в этой точке fi=" + fi +
           " В.\r\nЧерез эту точку проходит эквипотенциальная линия с аналитически "
           "рассчитанными точками:\r\nПри х=0 y1=" +
           y1 + " м и y2=-" + y1 + " м;\r\nПри y=0 x1=" + x1 + " м и х2=" + x2 + " м.";
}
std::string at(const std::string& from_left, const std::string& x) {
    return from_left + " м от левого заряда или при x=" + x + " м от начала отсчёта.";
}

// The point x, its potential and the crossings of its equipotential (y = +-y1 on the y axis, x1
// and x2 on the x axis), on the level, marked and quoted with the locale's separator: three
// markers of radius r0/2 filled and outlined olive (on the y axis and at the point), two
// outlined dark red (the axis crossings); the black dot at the point, the potential above it
// at a tenth of the half-width and "E=0" at a twentieth.
TEST(ZeroField, PointLevelMarkersAndExplanation) {
    struct Row {
        const char* name;
        double q1, q2;
        const char* sep;
        double x, fi, y1, x1, x2;
        std::size_t least_dots; // of the scan
        const char* label;      // printed above the point
        std::string message;
    };
    const Row rows[] = {
        {"defaults: beyond the weaker right charge", 0.4, -0.1, ".", 1.5, 0.9, 2.958, -3.736, 0.264,
         200, "fi= 0.9 B", message(at("2.00", "1.50"), "0.90", "2.96", "-3.74", "0.26")},
        {"like charges, comma separator: between them", 0.4, 0.1, ",", 1.0 / 6, 8.1, 0.242, -0.981,
         0.678, 150, "fi= 8,1 B", message(at("0,67", "0,17"), "8,10", "0,24", "-0,98", "0,68")},
        // The distance from the left charge is negative: the point lies beyond it.
        {"stronger right charge of opposite sign: beyond the left charge", 0.1, -0.4, ".", -1.5,
         -0.9, 2.958, 3.736, -0.264, 200, "fi= -0.9 B",
         message(at("-1.00", "-1.50"), "-0.90", "2.96", "3.74", "-0.26")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Scene s({.q1 = r.q1, .q2 = r.q2, .decimal_separator = r.sep});
        show(s);
        const CharacteristicResults& found = s.results;
        EXPECT_NEAR(found.zero_field_x, r.x, 1e-12);
        EXPECT_NEAR(found.zero_field_potential, r.fi, 1e-12);
        EXPECT_NEAR(found.level_crossing_y, r.y1, 5e-4);
        EXPECT_NEAR(found.level_crossing_left, r.x1, 5e-4);
        EXPECT_NEAR(found.level_crossing_right, r.x2, 5e-4);
        expect_points_on_the_level(s);
        // The scan: dots on both sides of the axis, all bracketing the level.
        EXPECT_GT(s.pic.of(DrawCall::Dot, kZeroFieldLevelColour).size(), r.least_dots);
        expect_dots_bracket(s, kZeroFieldLevelColour, found.zero_field_potential);

        const auto olive = s.pic.of(DrawCall::Circle, kZeroFieldLevelColour);
        const auto red = s.pic.of(DrawCall::Circle, kAxisCrossingColour);
        ASSERT_EQ(olive.size(), 3u);
        ASSERT_EQ(red.size(), 2u);
        EXPECT_FLOAT_EQ(olive[0].y1, static_cast<float>(found.level_crossing_y));
        EXPECT_FLOAT_EQ(olive[1].y1, static_cast<float>(-found.level_crossing_y));
        EXPECT_FLOAT_EQ(olive[2].x1, static_cast<float>(r.x));
        for (const auto& c : {olive[0], olive[1], olive[2], red[0], red[1]}) {
            EXPECT_FLOAT_EQ(c.r, 0.025f);
            EXPECT_TRUE(c.filled);
            EXPECT_EQ(c.fill_colour, kZeroFieldLevelColour);
        }
        const auto black = s.pic.of(DrawCall::Circle, rgb(0, 0, 0));
        ASSERT_EQ(black.size(), 1u);
        EXPECT_FLOAT_EQ(black[0].x1, static_cast<float>(r.x));
        EXPECT_FLOAT_EQ(black[0].r, 0.01f);
        EXPECT_EQ(black[0].fill_colour, rgb(0, 0, 0));
        EXPECT_TRUE(black[0].filled);
        EXPECT_EQ(s.pic.texts(), (std::vector<std::string>{r.label, "E=0"}));
        const auto prints = s.pic.of(DrawCall::Text);
        EXPECT_FLOAT_EQ(prints[0].x1, static_cast<float>(r.x));
        EXPECT_FLOAT_EQ(prints[0].y1, 0.4f);
        EXPECT_FLOAT_EQ(prints[1].y1, 0.2f);
        EXPECT_FALSE(s.pic.filled);
        EXPECT_EQ(s.pic.pen_width, 1);

        ASSERT_EQ(s.dialogs.shown.size(), 1u);
        EXPECT_EQ(s.dialogs.shown[0].title, "Точка с нулевой напряжённостью");
        EXPECT_EQ(s.dialogs.shown[0].text, r.message);
    }
}

// A region whose grid has a node exactly on each charge (L = 3.125: steps of 2^-6 m): the scan
// passes those nodes and every dot still brackets the level.
TEST(ZeroField, GridNodeOnACharge) {
    Scene s({.half_width = 3.125});
    draw_zero_field_point(s.params, s.picture, s.results, s.pic);
    EXPECT_EQ(scan_steps(s.picture.frame).across, 0.015625);
    EXPECT_EQ(s.pic.rejected(), 0u);
    expect_dots_bracket(s, kZeroFieldLevelColour, s.results.zero_field_potential);
}

// Equal like charges: the point at the origin, both y-axis markers there, the x crossings
// symmetric.
void expect_point_at_the_origin(const Scene& s) {
    EXPECT_NEAR(s.results.zero_field_x, 0, 1e-12);
    EXPECT_NEAR(s.results.level_crossing_y, 0, 1e-6);
    EXPECT_NEAR(s.results.level_crossing_left, -1.618 * s.params.half_distance, 1e-3);
    EXPECT_NEAR(s.results.level_crossing_right, -s.results.level_crossing_left, 1e-12);
    expect_points_on_the_level(s);
}

// A zero charge or q2 = -q1: everything at 2L, fi 0, "->00", the markers outside the region
// (L = 4).
void expect_no_point(const Scene& s) {
    const double far = 2 * s.params.half_width;
    EXPECT_EQ(s.results.zero_field_x, far);
    EXPECT_EQ(s.results.level_crossing_y, far);
    EXPECT_EQ(s.results.level_crossing_left, far);
    EXPECT_EQ(s.results.level_crossing_right, far);
    EXPECT_EQ(s.results.zero_field_potential, 0);
    for (const auto& c : s.pic.of(DrawCall::Circle)) {
        EXPECT_GT(std::max(std::abs(c.x1), std::abs(c.y1)), s.params.half_width);
    }
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].text,
              message("->00  или при x=->00 ", "0.00", "8.00", "8.00", "8.00"));
}

// Every pair of the scroll bars: nothing non-finite drawn, and the point where its kind puts it.
TEST(ZeroField, EveryPairOfTheScrollBars) {
    sweep_pairs({{"unlike", PairKind::Unlike, expect_points_on_the_level},
                 {"like", PairKind::Like, expect_points_on_the_level},
                 {"equal like", PairKind::EqualLike, expect_point_at_the_origin},
                 {"equal and opposite", PairKind::EqualAndOpposite, expect_no_point},
                 {"a zero charge", PairKind::OneZero, expect_no_point},
                 {"both zero", PairKind::BothZero, expect_no_point}},
                show);
}

} // namespace
