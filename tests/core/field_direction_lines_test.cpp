// The lines of vertical field (Ex = 0) and of horizontal field (Ey = 0) and their explanation.
#include <gtest/gtest.h>

#include "analysis/field_direction_lines.h"
#include "support/coulomb.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

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

struct Clicked {
    DrawnField f;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    explicit Clicked(double q1, double q2, double L = 4, const char* sep = ".")
        : f(field_with(q1, q2, L, sep)) {
        show_field_direction_lines(f.params, f.picture, f.results, pic, dialogs);
    }
    const std::string& message() const { return dialogs.shown.at(0).text; }
};

// Every end of a dark-red segment away from the charges: Ex vanishes relative to |E|.
void expect_vertical_field(const Clicked& r) {
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        for (const auto& [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
            if (std::hypot(x - r.f.params.half_distance, y) < 0.02 ||
                std::hypot(x + r.f.params.half_distance, y) < 0.02 || std::abs(y) < 1e-3) {
                continue; // at a charge, or where the line meets the axis at the zero-field point
            }
            const coulomb::Field f = coulomb::field(r.f.params, x, y);
            EXPECT_LT(std::abs(f.ex), 1e-4 * f.magnitude()) << "at (" << x << ", " << y << ")";
        }
    }
}

// Default charges: the black circle of centre 1.158 and radius 1.045 on which Ey = 0, the first
// dark-red line from +a to the zero-field point at 1.5 m.
TEST(FieldDirectionLines, DefaultCharges) {
    Clicked r(0.4, -0.1);
    ASSERT_TRUE(r.f.results.horizontal_field_centre && r.f.results.horizontal_field_radius);
    EXPECT_NEAR(*r.f.results.horizontal_field_centre, 1.158, 5e-4);
    EXPECT_NEAR(*r.f.results.horizontal_field_radius, 1.045, 1e-3);
    const auto circle = r.pic.of(DrawCall::Line, kHorizontalFieldColour);
    ASSERT_GE(circle.size(), 200u);
    float lo = 1e9f, hi = -1e9f;
    for (const auto& s : circle) {
        lo = std::min(lo, s.x2);
        hi = std::max(hi, s.x2);
        if (std::abs(s.y2) > 0.01) {
            const coulomb::Field f = coulomb::field(r.f.params, s.x2, s.y2);
            EXPECT_LT(std::abs(f.ey), 1e-5 * f.magnitude()) << s.x2 << " " << s.y2;
        }
        EXPECT_EQ(s.width, 2);
    }
    // It meets the axis at about 0.114 and 2.202 m; the drawing reaches the far end to within
    // the last step, as the steps add up.
    EXPECT_NEAR(*r.f.results.horizontal_field_centre - *r.f.results.horizontal_field_radius, 0.114,
                1e-3);
    EXPECT_NEAR(*r.f.results.horizontal_field_centre + *r.f.results.horizontal_field_radius, 2.202,
                1e-3);
    EXPECT_NEAR(lo, 0.114, 1e-3);
    EXPECT_NEAR(hi, 2.202, *r.f.results.horizontal_field_radius / 100 + 1e-3);

    expect_vertical_field(r);
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
    EXPECT_EQ(r.pic.pen_width, 1);
    EXPECT_EQ(r.pic.rejected(), 0u);
    EXPECT_EQ(r.dialogs.shown.at(0).title, "Характерные линии");
    EXPECT_EQ(r.message(), opposite_message(circle_line("1.16", "1.04")));
    Clicked comma(0.4, -0.1, 4, ",");
    EXPECT_EQ(comma.message(), opposite_message(circle_line("1,16", "1,04")));
}

// q2 = 0.1: no black line; the line from +a ends at the zero-field point 0.167 m.
TEST(FieldDirectionLines, LikeCharges) {
    Clicked r(0.4, 0.1);
    EXPECT_TRUE(r.pic.of(DrawCall::Line, kHorizontalFieldColour).empty());
    EXPECT_NEAR(vertical_field_line_y(r.f.params, r.f.picture.charges, 0.4), 0.266, 5e-4);
    EXPECT_NEAR(vertical_field_line_y(r.f.params, r.f.picture.charges, -0.4), 1.05, 5e-3);
    expect_vertical_field(r);
    double inner_end = 1;
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        if (s.x2 > 0) {
            inner_end = std::min<double>(inner_end, s.x2);
        }
    }
    EXPECT_GT(inner_end, 0.1667);
    EXPECT_LT(inner_end, 0.1667 + 0.5 / 500 + 1e-6);
    EXPECT_EQ(r.message(), kSameSign);
    EXPECT_EQ(r.pic.rejected(), 0u);
    // Larger right charge: the mirror image.
    Clicked mirror(0.1, 0.4);
    expect_vertical_field(mirror);
    EXPECT_EQ(mirror.pic.of(DrawCall::Line).size(), r.pic.of(DrawCall::Line).size());
}

// q1 = -q2: the vertical axis in colour 12, the sentence about the straight line; the first
// line runs to the edge.
TEST(FieldDirectionLines, EqualAndOppositeCharges) {
    Clicked r(0.3, -0.3);
    const auto axis = r.pic.of(DrawCall::Line, kHorizontalAxisLineColour);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].x1, 0);
    EXPECT_EQ(axis[0].y1, -4);
    EXPECT_EQ(axis[0].y2, 4);
    EXPECT_EQ(r.message(), opposite_message("Если заряды по величине одинаковы, то линия "
                                            "вырождается в вертикальную прямую х=0."));
    expect_vertical_field(r);
    // On the axis x = 0 the field of equal and opposite charges is horizontal indeed.
    EXPECT_NEAR(coulomb::field(r.f.params, 0, 1.3).ey, 0, 1e-12);
    double right_end = 0, top = 0;
    for (const auto& s : r.pic.of(DrawCall::Line, kVerticalFieldColour)) {
        right_end = std::max<double>(right_end, s.x2);
        top = std::max<double>(top, s.y2);
    }
    EXPECT_TRUE(right_end > 4 - 0.0071 || top > 4 - 0.2) << right_end << " " << top;
    EXPECT_EQ(r.pic.rejected(), 0u);
}

// Magnitudes within two per cent but q1 != -q2: the straight line is drawn, line 4 quotes the
// last circle computed, 0.00 before the first.
TEST(FieldDirectionLines, NearlyEqualMagnitudes) {
    Clicked fresh(0.4, -0.4 * 1.015);
    EXPECT_EQ(fresh.pic.of(DrawCall::Line, kHorizontalAxisLineColour).size(), 1u);
    EXPECT_EQ(fresh.message(), opposite_message(circle_line("0.00", "0.00")));

    Clicked earlier(0.4, -0.1);
    DrawnField f = field_with(0.4, -0.4 * 1.015);
    f.results.horizontal_field_centre = earlier.f.results.horizontal_field_centre;
    f.results.horizontal_field_radius = earlier.f.results.horizontal_field_radius;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    show_field_direction_lines(f.params, f.picture, f.results, pic, dialogs);
    EXPECT_EQ(dialogs.shown.at(0).text, opposite_message(circle_line("1.16", "1.04")));
}

// A zero charge: only the message, nothing drawn, the width 1 again.
TEST(FieldDirectionLines, ZeroCharge) {
    Clicked left(0, -0.3);
    EXPECT_TRUE(left.pic.calls.empty());
    EXPECT_EQ(left.message(), "Характерных линий при q1=0 нет!");
    EXPECT_EQ(left.pic.pen_width, 1);
    Clicked right(0.3, 0);
    EXPECT_TRUE(right.pic.calls.empty());
    EXPECT_EQ(right.message(), "Характерных линий при q2=0 нет!");
}

// The line of vertical field has no point where its radicand is negative: not a number, and
// the line ends there rather than handing it on.
TEST(FieldDirectionLines, NoPointGivesNotANumber) {
    const DrawnField f = field_with(0.4, 0.1);
    // Beyond the right charge the field of like charges is never vertical: no point at x = 3.
    EXPECT_TRUE(std::isnan(vertical_field_line_y(f.params, f.picture.charges, 3)));
}

// Every pair of charges and three region sizes: finite drawing, every line of vertical field
// where Ex = 0.
TEST(FieldDirectionLines, EveryPairOfCharges) {
    for (double L : {1.0, 4.0, 7.0}) {
        for (int i = -20; i <= 20; ++i) {
            for (int j = -20; j <= 20; ++j) {
                Clicked r(i * 0.05, j * 0.05, L);
                ASSERT_EQ(r.pic.rejected(), 0u) << i << " " << j << " " << L;
                ASSERT_EQ(r.pic.pen_width, 1);
                if ((i + j) % 7 == 0) {
                    expect_vertical_field(r);
                }
            }
        }
    }
}

} // namespace
