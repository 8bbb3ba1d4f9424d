// The zero-potential line: circle of Apollonius, the axis for equal and opposite charges,
// nothing for like charges; its explanation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/zero_potential.h"
#include "support/charge_pairs.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

void draw(Scene& s) {
    draw_zero_potential_line(s.params, s.picture, s.results, s.pic);
}
void show(Scene& s) {
    show_zero_potential_line(s.params, s.picture, s.results, s.pic, s.dialogs);
}

std::string expected_message(const std::string& xc, const std::string& rc) {
    return "При одноименных зарядах такой линии нет.\r\n    \r\n"
           "При разноименных зарядах линия fi=0 является окружностью\r\n"
           "с центром при y=0 и x=" +
           xc + " м\r\nи радиусом " + rc +
           " м.\r\nПри одинаковых по величине зарядах вырождается в прямую x=0";
}

// Every end of every segment drawn: the potential of the pair vanishes there.
void expect_on_the_zero_line(const Scene& s, double tolerance) {
    for (const auto& g : s.pic.of(DrawCall::Line)) {
        for (const auto& [x, y] : {std::pair{g.x1, g.y1}, std::pair{g.x2, g.y2}}) {
            EXPECT_LT(std::abs(coulomb::potential(s.params, x, y)),
                      tolerance * coulomb::potential_scale(s.params, x, y))
                << "at (" << x << ", " << y << ")";
        }
    }
}

// Unlike charges of different magnitudes: the circle about the weaker charge on which the
// potential of the two vanishes, between its crossings with the axis and starting with a black
// dot at the left one; the message quotes it with the locale's separator.
TEST(ZeroPotential, CircleAboutTheWeakerCharge) {
    struct Row {
        const char* name;
        double q1, q2;
        const char* sep;
        double centre, radius;
        const char *centre_text, *radius_text;
    };
    const Row rows[] = {
        // k = -0.25: the crossings 0.3 and 0.8333 m, around the right charge at 0.5 m.
        {"defaults", 0.4, -0.1, ".", 17.0 / 30, 4.0 / 15, "0.57", "0.27"},
        {"comma separator", 0.4, -0.1, ",", 17.0 / 30, 4.0 / 15, "0,57", "0,27"},
        {"weaker left charge (|k| > 1)", -0.1, 0.4, ".", -17.0 / 30, 4.0 / 15, "-0.57", "0.27"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Scene s({.q1 = r.q1, .q2 = r.q2, .decimal_separator = r.sep});
        show(s);
        ASSERT_TRUE(s.results.zero_potential_centre && s.results.zero_potential_radius);
        EXPECT_NEAR(*s.results.zero_potential_centre, r.centre, 1e-4);
        EXPECT_NEAR(*s.results.zero_potential_radius, r.radius, 1e-4);

        const auto segs = s.pic.of(DrawCall::Line, kZeroPotentialColour);
        ASSERT_GE(segs.size(), 2u * 200);
        ASSERT_EQ(segs.size(), s.pic.of(DrawCall::Line).size());
        expect_on_the_zero_line(s, 1e-5);
        double x_lo = 1e9, x_hi = -1e9;
        for (const auto& g : segs) {
            EXPECT_EQ(g.width, 2);
            x_lo = std::min<double>({x_lo, g.x1, g.x2});
            x_hi = std::max<double>({x_hi, g.x1, g.x2});
        }
        EXPECT_NEAR(x_lo, r.centre - r.radius, 0.005);
        EXPECT_NEAR(x_hi, r.centre + r.radius, 0.005);
        ASSERT_EQ(s.pic.of(DrawCall::Dot, rgb(0, 0, 0)).size(), 1u);
        EXPECT_NEAR(s.pic.of(DrawCall::Dot)[0].x1, r.centre - r.radius, 1e-6);
        EXPECT_EQ(s.pic.pen_width, 1);
        EXPECT_EQ(s.pic.rejected(), 0u);
        ASSERT_EQ(s.dialogs.shown.size(), 1u);
        EXPECT_EQ(s.dialogs.shown[0].text, expected_message(r.centre_text, r.radius_text));
    }
}

// q2 = -q1, and magnitudes within one per cent (k = -1.005): the axis x = 0 from edge to edge;
// the last circle's values stay.
TEST(ZeroPotential, EqualAndOppositeChargesGiveTheAxis) {
    Scene first;
    draw(first);
    const CharacteristicResults circle = first.results;
    struct Row {
        const char* name;
        double q1, q2;
    };
    for (const Row& r : {Row{"equal and opposite", 0.3, -0.3}, Row{"within 1 %", 0.2, -0.201}}) {
        SCOPED_TRACE(r.name);
        Scene s({.q1 = r.q1, .q2 = r.q2});
        s.results = circle;
        draw(s);
        ASSERT_EQ(s.pic.of(DrawCall::Line).size(), 1u);
        const DrawCall g = s.pic.of(DrawCall::Line)[0];
        EXPECT_EQ(g.colour, kZeroPotentialColour);
        EXPECT_EQ(g.x1, 0);
        EXPECT_EQ(g.x2, 0);
        EXPECT_EQ(g.y1, -4);
        EXPECT_EQ(g.y2, 4);
        EXPECT_EQ(g.width, 2);
        EXPECT_EQ(s.pic.pen_width, 1);
        EXPECT_EQ(s.results.zero_potential_centre, circle.zero_potential_centre);
        EXPECT_EQ(s.results.zero_potential_radius, circle.zero_potential_radius);
        // On that axis the potential of the pair is zero (to within the one per cent).
        EXPECT_NEAR(coulomb::potential(s.params, 0, 1.7), 0,
                    3e-3 * coulomb::potential_scale(s.params, 0, 1.7));
    }
}

// Unlike charges: a finite line on which the potential vanishes, the circle kept.
void expect_zero_line(const Scene& s) {
    EXPECT_FALSE(s.pic.of(DrawCall::Line, kZeroPotentialColour).empty());
    expect_on_the_zero_line(s, 1e-4);
    EXPECT_EQ(s.pic.pen_width, 1);
}

// Like charges and a zero charge: nothing drawn, no circle; before any circle has been
// computed the message quotes zeros.
void expect_nothing(const Scene& s) {
    EXPECT_TRUE(s.pic.calls.empty());
    EXPECT_FALSE(s.results.zero_potential_centre.has_value());
    EXPECT_EQ(s.pic.pen_width, 1);
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].title, "Линия нулевого потенциала");
    EXPECT_EQ(s.dialogs.shown[0].text, expected_message("0.00", "0.00"));
}

// Every pair of the scroll bars: nothing non-finite drawn, and the line of its kind.
TEST(ZeroPotential, EveryPairOfTheScrollBars) {
    sweep_pairs({{"unlike", PairKind::Unlike, expect_zero_line},
                 {"equal and opposite", PairKind::EqualAndOpposite, expect_zero_line},
                 {"like", PairKind::Like, expect_nothing},
                 {"equal like", PairKind::EqualLike, expect_nothing},
                 {"a zero charge", PairKind::OneZero, expect_nothing},
                 {"both zero", PairKind::BothZero, expect_nothing}},
                show);
}

} // namespace
