// The frame of the field picture: scale, grid, tick labels, axes and the charge marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "model/field_params.h"
#include "picture/frame.h"
#include "support/recording_picture_box.h"

namespace {

std::string label(double v, const std::string& sep) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    s.replace(s.find('.'), 1, sep);
    return s;
}

struct FrameCase {
    const char* name;
    double L;
    const char* sep;
    int grid_lines;    // each way
    float char_width;  // of the recording picture's text, a share of its width
    bool right_label;  // the label L fits at the right edge
    bool bottom_label; // the label -L fits at the bottom edge
};

class FrameTest : public testing::TestWithParam<FrameCase> {};

// L = 4 and L = 1 (and a comma locale): the grid every 0.25 m from -L up to L - 0.25, the
// labels at every second grid line, the axes and their names.
TEST_P(FrameTest, GridLabelsAndAxes) {
    const FrameCase c = GetParam();
    FieldParams p;
    p.half_width = c.L;
    p.decimal_separator = c.sep;
    RecordingPictureBox pic;
    pic.char_width = c.char_width;
    const Frame f = draw_frame(p, pic);

    ASSERT_FALSE(pic.calls.empty());
    const DrawCall scale = pic.calls.front();
    EXPECT_EQ(scale.kind, DrawCall::Scale);
    EXPECT_FLOAT_EQ(scale.x1, -c.L);
    EXPECT_FLOAT_EQ(scale.y1, c.L);
    EXPECT_FLOAT_EQ(scale.x2, c.L);
    EXPECT_FLOAT_EQ(scale.y2, -c.L);
    EXPECT_DOUBLE_EQ(f.grid_steps, 8 * c.L);
    // The frame drawn is the frame of the inputs.
    const Frame pure = frame_for(p);
    for (const auto& [drawn, computed] :
         {std::pair{f.x_min, pure.x_min}, std::pair{f.x_max, pure.x_max},
          std::pair{f.y_min, pure.y_min}, std::pair{double{f.y_max}, double{pure.y_max}},
          std::pair{f.grid_step, pure.grid_step},
          std::pair{double{f.grid_step_single}, double{pure.grid_step_single}},
          std::pair{f.grid_steps, pure.grid_steps}}) {
        EXPECT_EQ(drawn, computed);
    }
    EXPECT_EQ(f.x_min, -c.L);
    EXPECT_EQ(f.x_max, c.L);
    EXPECT_EQ(f.y_max, static_cast<float>(c.L));
    EXPECT_EQ(f.grid_step, 0.25);

    std::set<float> vertical, horizontal;
    for (const DrawCall& d : pic.of(DrawCall::Line, kGridColour)) {
        EXPECT_EQ(d.width, 1);
        if (d.x1 == d.x2) {
            EXPECT_FLOAT_EQ(d.y1, c.L);
            EXPECT_FLOAT_EQ(d.y2, -c.L);
            vertical.insert(d.x1);
        } else {
            ASSERT_EQ(d.y1, d.y2);
            EXPECT_FLOAT_EQ(d.x1, -c.L);
            EXPECT_FLOAT_EQ(d.x2, c.L);
            horizontal.insert(d.y1);
        }
    }
    std::set<float> expected;
    for (int j = 0; j < c.grid_lines; ++j) {
        expected.insert(static_cast<float>(-c.L + 0.25 * j));
    }
    EXPECT_EQ(vertical, expected);
    EXPECT_EQ(horizontal, expected);
    EXPECT_EQ(pic.of(DrawCall::Line, kGridColour).size(), 2u * c.grid_lines);

    // Tick labels: each value v = 0.5i strictly inside the picture (0 excepted) has an x label at
    // (v - 0.0625, -0.01L) and a y label at (-0.1L, v + 0.0625). At the edges a label that would
    // stick out is moved in by that quarter tick (-L starts at the left edge, so its minus
    // shows; L hangs from the top edge) or, where that is not enough, left out. Every label
    // printed lies whole in the picture, and none stands beyond it.
    const std::vector<DrawCall> prints = pic.of(DrawCall::Text);
    ASSERT_GE(prints.size(), 2u);
    std::map<std::string, DrawCall> xl, yl;
    for (std::size_t n = 0; n + 2 < prints.size(); ++n) {
        const DrawCall& d = prints[n];
        (std::abs(d.y1 + 0.01 * c.L) < 1e-6 ? xl : yl)[d.text] = d;
        const double w = pic.text_width(d.text), h = pic.text_height(d.text);
        EXPECT_GE(d.x1, -c.L - 1e-6) << d.text;
        EXPECT_LE(d.x1 + w, c.L + 1e-6) << d.text;
        EXPECT_GE(d.y1 - h, -c.L - 1e-6) << d.text;
        EXPECT_LE(d.y1, c.L + 1e-6) << d.text;
    }
    for (int i = 1 - 2 * static_cast<int>(c.L); i < 2 * c.L; ++i) {
        if (i == 0) {
            continue;
        }
        SCOPED_TRACE(i);
        const std::string text = label(0.5 * i, c.sep);
        ASSERT_EQ(xl.count(text), 1u);
        EXPECT_NEAR(xl[text].x1, 0.5 * i - 0.0625, 1e-6);
        ASSERT_EQ(yl.count(text), 1u);
        EXPECT_NEAR(yl[text].x1, -0.1 * c.L, 1e-6);
        EXPECT_NEAR(yl[text].y1, 0.5 * i + 0.0625, 1e-6);
    }
    const std::string low = label(-c.L, c.sep), high = label(c.L, c.sep);
    ASSERT_EQ(xl.count(low), 1u);
    EXPECT_NEAR(xl[low].x1, -c.L, 1e-6);
    ASSERT_EQ(yl.count(high), 1u);
    EXPECT_NEAR(yl[high].y1, c.L, 1e-6);
    EXPECT_EQ(xl.count(high), c.right_label ? 1u : 0u);
    EXPECT_EQ(yl.count(low), c.bottom_label ? 1u : 0u);
    const auto inside = static_cast<std::size_t>(8 * c.L - 2); // both ways, with -L and L
    EXPECT_EQ(xl.size() + yl.size(), inside + c.right_label + c.bottom_label);
    // One positioning dot per label place, in the foreground colour.
    int dots = 0;
    for (const DrawCall& d : pic.of(DrawCall::Dot)) {
        EXPECT_FALSE(d.has_colour);
        ++dots;
    }
    EXPECT_EQ(dots, 2 * c.grid_lines);

    const auto axes = pic.of(DrawCall::Line, kAxisColour);
    ASSERT_EQ(axes.size(), 2u);
    for (const DrawCall& d : axes) {
        EXPECT_EQ(d.width, 2);
    }
    EXPECT_EQ(kAxisColour, rgb(12, 0, 0));
    EXPECT_FLOAT_EQ(axes[0].x1, -c.L);
    EXPECT_FLOAT_EQ(axes[0].x2, c.L);
    EXPECT_EQ(axes[0].y1, 0.0f);
    EXPECT_EQ(axes[0].y2, 0.0f);
    EXPECT_EQ(axes[1].x1, 0.0f);
    EXPECT_FLOAT_EQ(axes[1].y1, -c.L);
    EXPECT_FLOAT_EQ(axes[1].y2, c.L);
    EXPECT_EQ(pic.pen_width, 1);

    const DrawCall& xname = prints[prints.size() - 2];
    const DrawCall& yname = prints.back();
    EXPECT_EQ(xname.text, "X, м");
    EXPECT_NEAR(xname.x1, 0.9 * c.L, 1e-6);
    EXPECT_NEAR(xname.y1, -0.05 * c.L, 1e-6);
    EXPECT_EQ(yname.text, "Y, м");
    EXPECT_NEAR(yname.x1, 0.05 * c.L, 1e-6);
    EXPECT_NEAR(yname.y1, 0.99 * c.L, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FrameTest,
    // A text line is 3 % of the picture's height; characters of 1.2 % of its width are about
    // those of the window, 0.5 % those of a big one, where the label L fits at the right edge.
    testing::Values(FrameCase{"DefaultRegionInTheWindow", 4, ".", 32, 0.012f, false, false},
                    FrameCase{"SmallestRegionInABigWindow", 1, ".", 8, 0.005f, true, true},
                    FrameCase{"SmallestRegionCommaWideText", 1, ",", 8, 0.03f, false, true},
                    FrameCase{"LargestRegionCommaTextUnmeasured", 7, ",", 56, 0, true, false}),
    [](const testing::TestParamInfo<FrameCase>& row) { return std::string(row.param.name); });

// Marks of radius |q|*r0, red for positive and blue for negative, none for a zero charge; the
// ratio q2/q1 (100000 for q1 = 0) and its root; the fill is transparent again afterwards.
TEST(Frame, ChargeMarksAndRatio) {
    struct ChargeCase {
        const char* name;
        double q1, q2;
        int circles;
        double ratio, sqrt_ratio;
    };
    const ChargeCase cases[] = {
        {"defaults", 0.4, -0.1, 2, -0.25, 0.5},
        {"left charge zero: ratio 100000", 0, 0.3, 1, 100000, 316.22777},
        {"the largest, equal and opposite", -1, 1, 2, -1, 1},
        {"right charge zero: ratio 0", 0.5, 0, 1, 0, 0},
    };
    for (const ChargeCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPictureBox pic;
        const ChargeMarks drawn = draw_charges({.q1 = c.q1, .q2 = c.q2}, pic);
        EXPECT_DOUBLE_EQ(drawn.charge_radius, 0.05);
        EXPECT_DOUBLE_EQ(drawn.charge_ratio, c.ratio);
        EXPECT_NEAR(drawn.sqrt_charge_ratio, c.sqrt_ratio, 1e-5);
        EXPECT_FALSE(pic.filled);
        const auto circles = pic.of(DrawCall::Circle);
        ASSERT_EQ(static_cast<int>(circles.size()), c.circles);
        std::size_t n = 0;
        const std::pair<double, float> marks[] = {{c.q1, -0.5f}, {c.q2, 0.5f}};
        for (const auto& [q, at] : marks) {
            if (q == 0) {
                continue;
            }
            const DrawCall& d = circles[n++];
            const Colour want = q > 0 ? rgb(255, 0, 0) : rgb(0, 0, 255);
            EXPECT_FLOAT_EQ(d.x1, at);
            EXPECT_EQ(d.y1, 0.0f);
            EXPECT_FLOAT_EQ(d.r, static_cast<float>(std::abs(q) * 0.05));
            EXPECT_EQ(d.colour, want);
            EXPECT_EQ(d.fill_colour, want);
            EXPECT_TRUE(d.filled);
        }
    }
}

} // namespace
