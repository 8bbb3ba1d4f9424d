// The lines of vertical field (Ex = 0) and of horizontal field (Ey = 0) and their explanation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "analysis/field_direction_lines.h"
#include "support/charge_pairs.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

const std::string kCrLf = "\r\n";

std::string opposite_message(const std::string& line4) {
    return "При разноименных зарядах:" + kCrLf + "       " + kCrLf +
           "Чёрная линия - напряжённость горизонтальна, или Ey=0, или dfi/dy=0, или "
           "эквипотенциальные линии вертикальны." +
           kCrLf + line4 + kCrLf + "       " + kCrLf +
           "Коричневые линии (их две) - напряжённость вертикальна, или Ex=0, или dfi/dx=0, или "
           "эквипотенциальные линии горизонтальны.";
}

std::string circle_line(const std::string& xc, const std::string& rc) {
    return "Это окружность с центром при y=0 и x=" + xc + " м и радиусом " + rc + " м.";
}

const std::string kSameSign =
    "При одноименных зарядах:" + kCrLf + "       " + kCrLf +
    "Коричневые линии (их две), где напряжённость вертикальна, или Ex=0, или dfi/dx=0, или "
    "эквипотенциальные линии горизонтальны." +
    kCrLf + "Они начинаются в точках y=0 x=+-a." + kCrLf +
    "При равенстве по величине зарядов вырождаются в одну линию.";

// A click on the heading: the lines drawn and the explanation shown.
void show(Scene& s) {
    show_field_direction_lines(s.params, s.picture, s.results, s.pic, s.dialogs);
}

Scene clicked(FieldParams params) {
    Scene s(std::move(params));
    show(s);
    return s;
}

const std::string& message(const Scene& s) {
    return s.dialogs.shown.at(0).text;
}

// Every end of a dark-red segment away from the charges: Ex vanishes relative to |E|.
void expect_vertical_field(const Scene& s) {
    const double a = s.params.half_distance;
    for (const auto& g : s.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        for (const auto& [x, y] : {std::pair{g.x1, g.y1}, std::pair{g.x2, g.y2}}) {
            if (std::hypot(x - a, y) < 0.02 || std::hypot(x + a, y) < 0.02 || std::abs(y) < 1e-3) {
                continue; // at a charge, or where the line meets the axis at the zero-field point
            }
            const coulomb::Field f = coulomb::field(s.params, x, y);
            EXPECT_LT(std::abs(f.ex), 1e-4 * f.magnitude()) << "at (" << x << ", " << y << ")";
        }
    }
}

// Default charges: the black circle of centre 1.158 and radius 1.045 on which Ey = 0, the first
// dark-red line from +a to the zero-field point at 1.5 m.
TEST(FieldDirectionLines, DefaultCharges) {
    const Scene r = clicked({});
    ASSERT_TRUE(r.results.horizontal_field_centre && r.results.horizontal_field_radius);
    EXPECT_NEAR(*r.results.horizontal_field_centre, 1.158, 5e-4);
    EXPECT_NEAR(*r.results.horizontal_field_radius, 1.045, 1e-3);
    const auto circle = r.pic.of(DrawCall::Line, kHorizontalFieldColour);
    ASSERT_GE(circle.size(), 200u);
    float lo = 1e9f, hi = -1e9f;
    for (const auto& s : circle) {
        lo = std::min(lo, s.x2);
        hi = std::max(hi, s.x2);
        if (std::abs(s.y2) > 0.01) {
            const coulomb::Field f = coulomb::field(r.params, s.x2, s.y2);
            EXPECT_LT(std::abs(f.ey), 1e-5 * f.magnitude()) << s.x2 << " " << s.y2;
        }
        EXPECT_EQ(s.width, 2);
    }
    // It meets the axis at about 0.114 and 2.202 m; the drawing reaches the far end to within
    // the last step, as the steps add up.
    EXPECT_NEAR(*r.results.horizontal_field_centre - *r.results.horizontal_field_radius, 0.114,
                1e-3);
    EXPECT_NEAR(*r.results.horizontal_field_centre + *r.results.horizontal_field_radius, 2.202,
                1e-3);
    EXPECT_NEAR(lo, 0.114, 1e-3);
    EXPECT_NEAR(hi, 2.202, *r.results.horizontal_field_radius / 100 + 1e-3);

    // The first line ends at the zero-field point, within one step (3.5/500) of 1.5 m.
    double right_end = 0;
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        if (s.x2 > 0) {
            right_end = std::max<double>(right_end, s.x2);
        }
    }
    EXPECT_LT(right_end, 1.5);
    EXPECT_GT(right_end, 1.5 - 0.0071);
    // Start dots: dark red at the smaller charge, black at the larger.
    const auto dots = r.pic.of(DrawCall::Dot);
    ASSERT_EQ(dots.size(), 3u); // the circle's dot and the two start dots
    EXPECT_EQ(dots[1].x1, 0.5f);
    EXPECT_EQ(dots[1].colour, kVerticalFieldColour);
    EXPECT_EQ(dots[2].x1, -0.5f);
    EXPECT_EQ(dots[2].colour, rgb(0, 0, 0));
    EXPECT_EQ(r.dialogs.shown.at(0).title, "Характерные линии");
    EXPECT_EQ(message(r), opposite_message(circle_line("1.16", "1.04")));
    EXPECT_EQ(message(clicked({.decimal_separator = ","})),
              opposite_message(circle_line("1,16", "1,04")));
}

// q2 = 0.1: the line from +a ends at the zero-field point 0.167 m.
TEST(FieldDirectionLines, LikeCharges) {
    const Scene r = clicked({.q2 = 0.1});
    EXPECT_NEAR(vertical_field_line_y(r.params, r.picture.charges, 0.4), 0.266, 5e-4);
    EXPECT_NEAR(vertical_field_line_y(r.params, r.picture.charges, -0.4), 1.05, 5e-3);
    double inner_end = 1;
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        if (s.x2 > 0) {
            inner_end = std::min<double>(inner_end, s.x2);
        }
    }
    EXPECT_GT(inner_end, 0.1667);
    EXPECT_LT(inner_end, 0.1667 + 0.5 / 500 + 1e-6);
    // Larger right charge: the mirror image.
    const Scene mirror = clicked({.q1 = 0.1, .q2 = 0.4});
    EXPECT_EQ(mirror.pic.of(DrawCall::Line).size(), r.pic.of(DrawCall::Line).size());
}

// q1 = -q2: the sentence about the straight line; the first line runs to the edge.
TEST(FieldDirectionLines, EqualAndOppositeCharges) {
    const Scene r = clicked({.q1 = 0.3, .q2 = -0.3});
    EXPECT_EQ(message(r), opposite_message("Если заряды по величине одинаковы, то линия "
                                           "вырождается в вертикальную прямую х=0."));
    // On the axis x = 0 the field of equal and opposite charges is horizontal indeed.
    EXPECT_NEAR(coulomb::field(r.params, 0, 1.3).ey, 0, 1e-12);
    double right_end = 0, top = 0;
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        right_end = std::max<double>(right_end, s.x2);
        top = std::max<double>(top, s.y2);
    }
    EXPECT_TRUE(right_end > 4 - 0.0071 || top > 4 - 0.2) << right_end << " " << top;
}

// Magnitudes within two per cent but q1 != -q2: the straight line is drawn, line 4 quotes the
// last circle computed, 0.00 before the first.
TEST(FieldDirectionLines, NearlyEqualMagnitudes) {
    const FieldParams nearly{.q2 = -0.4 * 1.015};
    const Scene fresh = clicked(nearly);
    EXPECT_EQ(fresh.pic.of(DrawCall::Line, kHorizontalAxisLineColour).size(), 1u);
    EXPECT_EQ(message(fresh), opposite_message(circle_line("0.00", "0.00")));

    Scene s(nearly);
    s.results = clicked({}).results;
    show(s);
    EXPECT_EQ(message(s), opposite_message(circle_line("1.16", "1.04")));
}

// The line of vertical field has no point where its radicand is negative: not a number, and
// the line ends there rather than handing it on.
TEST(FieldDirectionLines, NoPointGivesNotANumber) {
    const Scene s({.q2 = 0.1});
    // Beyond the right charge the field of like charges is never vertical: no point at x = 3.
    EXPECT_TRUE(std::isnan(vertical_field_line_y(s.params, s.picture.charges, 3)));
}

// Unlike charges of different magnitudes: the black circle.
void expect_circle(const Scene& s) {
    EXPECT_GE(s.pic.of(DrawCall::Line, kHorizontalFieldColour).size(), 200u);
    EXPECT_TRUE(s.results.horizontal_field_centre.has_value());
}

// Equal and opposite charges: the vertical axis in colour 12, from edge to edge.
void expect_axis(const Scene& s) {
    const auto axis = s.pic.of(DrawCall::Line, kHorizontalAxisLineColour);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].x1, 0);
    EXPECT_EQ(axis[0].y1, -s.params.half_width);
    EXPECT_EQ(axis[0].y2, s.params.half_width);
}

// Like charges: no black line, the explanation of like charges.
void expect_no_black_line(const Scene& s) {
    EXPECT_TRUE(s.pic.of(DrawCall::Line, kHorizontalFieldColour).empty());
    EXPECT_TRUE(s.pic.of(DrawCall::Line, kHorizontalAxisLineColour).empty());
    EXPECT_EQ(message(s), kSameSign);
}

// A zero charge: only the message, nothing drawn.
void expect_only_the_message(const Scene& s) {
    EXPECT_TRUE(s.pic.calls.empty());
    EXPECT_EQ(message(s), s.params.q1 == 0 ? "Характерных линий при q1=0 нет!"
                                           : "Характерных линий при q2=0 нет!");
}

// Every pair of the scroll bars in the smallest, the default and the largest region: nothing
// non-finite drawn, the width 1 again, every line of vertical field where Ex = 0, and the lines
// of its kind.
TEST(FieldDirectionLines, EveryPairOfTheScrollBars) {
    for (const double L : {1.0, 4.0, 7.0}) {
        SCOPED_TRACE(testing::Message() << "L = " << L);
        sweep_pairs({{"unlike", PairKind::Unlike, expect_circle},
                     {"equal and opposite", PairKind::EqualAndOpposite, expect_axis},
                     {"like", PairKind::Like, expect_no_black_line},
                     {"equal like", PairKind::EqualLike, expect_no_black_line},
                     {"a zero charge", PairKind::OneZero, expect_only_the_message},
                     {"both zero", PairKind::BothZero, expect_only_the_message}},
                    [](Scene& s) {
                        show(s);
                        EXPECT_EQ(s.pic.pen_width, 1);
                        expect_vertical_field(s);
                    },
                    {.half_width = L});
    }
}

} // namespace
