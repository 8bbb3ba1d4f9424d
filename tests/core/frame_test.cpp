// The frame of the field picture: scale, grid, tick labels, axes and the charge marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "model/module1.h"
#include "picture/frame.h"
#include "support/recording_picture_box.h"

namespace {

Module1 defaults() {
    Module1 m;
    set_model_defaults(m);
    return m;
}

std::string label(double v, const std::string& sep) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    s.replace(s.find('.'), 1, sep);
    return s;
}

struct FrameCase {
    double L;
    const char* sep;
    int grid_lines; // each way
};

class Frame : public testing::TestWithParam<FrameCase> {};

// L = 4 and L = 1 (and a comma locale): the grid every 0.25 m from -L up to L - 0.25, the
// labels at every second grid line, the axes and their names.
TEST_P(Frame, GridLabelsAndAxes) {
    const FrameCase c = GetParam();
    Module1 m = defaults();
    m.L = c.L;
    m.dec_sep = c.sep;
    RecordingPictureBox pic;
    axes_main(m, pic);

    ASSERT_FALSE(pic.calls.empty());
    const DrawCall scale = pic.calls.front();
    EXPECT_EQ(scale.kind, DrawCall::Scale);
    EXPECT_FLOAT_EQ(scale.x1, -c.L);
    EXPECT_FLOAT_EQ(scale.y1, c.L);
    EXPECT_FLOAT_EQ(scale.x2, c.L);
    EXPECT_FLOAT_EQ(scale.y2, -c.L);
    EXPECT_DOUBLE_EQ(m.n_tick, 8 * c.L);

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

    // Each pass i puts an x label 2i*0.25 at (0.5i - 0.0625, -0.01L) and a y label at
    // (-0.1L, 0.5i + 0.0625), both after a foreground dot that places the text; none for 0.
    std::vector<DrawCall> prints = pic.of(DrawCall::Print);
    ASSERT_EQ(prints.size(), 2u * (c.grid_lines - 1) + 2);
    std::size_t p = 0;
    const int first = -c.grid_lines / 2;
    for (int i = first; i < first + c.grid_lines; ++i) {
        if (i == 0) {
            continue;
        }
        SCOPED_TRACE(i);
        const DrawCall& xl = prints[p++];
        EXPECT_EQ(xl.text, label(0.5 * i, c.sep));
        EXPECT_NEAR(xl.x1, 0.5 * i - 0.0625, 1e-6);
        EXPECT_NEAR(xl.y1, -0.01 * c.L, 1e-6);
        const DrawCall& yl = prints[p++];
        EXPECT_EQ(yl.text, label(0.5 * i, c.sep));
        EXPECT_NEAR(yl.x1, -0.1 * c.L, 1e-6);
        EXPECT_NEAR(yl.y1, 0.5 * i + 0.0625, 1e-6);
    }
    // One positioning dot per label place, in the foreground colour.
    int dots = 0;
    for (const DrawCall& d : pic.of(DrawCall::PSet)) {
        EXPECT_FALSE(d.has_colour);
        ++dots;
    }
    EXPECT_EQ(dots, 2 * c.grid_lines);

    const auto axes = pic.of(DrawCall::Line, kAxisColour);
    ASSERT_EQ(axes.size(), 2u);
    for (const DrawCall& d : axes) {
        EXPECT_EQ(d.width, 2);
    }
    EXPECT_EQ(kAxisColour, RGB(12, 0, 0));
    EXPECT_FLOAT_EQ(axes[0].x1, -c.L);
    EXPECT_FLOAT_EQ(axes[0].x2, c.L);
    EXPECT_EQ(axes[0].y1, 0.0f);
    EXPECT_EQ(axes[0].y2, 0.0f);
    EXPECT_EQ(axes[1].x1, 0.0f);
    EXPECT_FLOAT_EQ(axes[1].y1, -c.L);
    EXPECT_FLOAT_EQ(axes[1].y2, c.L);
    EXPECT_EQ(pic.DrawWidth, 1);

    const DrawCall& xname = prints[prints.size() - 2];
    const DrawCall& yname = prints.back();
    EXPECT_EQ(xname.text, "X, м");
    EXPECT_NEAR(xname.x1, 0.9 * c.L, 1e-6);
    EXPECT_NEAR(xname.y1, -0.05 * c.L, 1e-6);
    EXPECT_EQ(yname.text, "Y, м");
    EXPECT_NEAR(yname.x1, 0.05 * c.L, 1e-6);
    EXPECT_NEAR(yname.y1, 0.99 * c.L, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Frame,
                         testing::Values(FrameCase{4, ".", 32}, FrameCase{1, ".", 8},
                                         FrameCase{1, ",", 8}, FrameCase{7, ",", 56}));

struct ChargeCase {
    double q1, q2;
    int circles;
    double ratio, sqrt_ratio;
};

// Marks of radius |q|*r0, red for positive and blue for negative, none for a zero charge; the
// ratio q2/q1 (100000 for q1 = 0) and its root; the fill is transparent again afterwards.
TEST(Frame, ChargeMarksAndRatio) {
    const ChargeCase cases[] = {
        {0.4, -0.1, 2, -0.25, 0.5},
        {0, 0.3, 1, 100000, 316.22777},
        {-1, 1, 2, -1, 1},
        {0.5, 0, 1, 0, 0},
    };
    for (const ChargeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.q1 << " " << c.q2);
        Module1 m = defaults();
        m.q1 = c.q1;
        m.q2 = c.q2;
        RecordingPictureBox pic;
        draw_charges(m, pic);
        EXPECT_DOUBLE_EQ(m.r0, 0.05);
        EXPECT_DOUBLE_EQ(m.q_ratio, c.ratio);
        EXPECT_NEAR(m.sqrt_ratio, c.sqrt_ratio, 1e-5);
        EXPECT_EQ(pic.FillStyle, 1);
        const auto circles = pic.of(DrawCall::Circle);
        ASSERT_EQ(static_cast<int>(circles.size()), c.circles);
        std::size_t n = 0;
        const std::pair<double, float> marks[] = {{c.q1, -0.5f}, {c.q2, 0.5f}};
        for (const auto& [q, at] : marks) {
            if (q == 0) {
                continue;
            }
            const DrawCall& d = circles[n++];
            const Colour want = q > 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
            EXPECT_FLOAT_EQ(d.x1, at);
            EXPECT_EQ(d.y1, 0.0f);
            EXPECT_FLOAT_EQ(d.r, static_cast<float>(std::abs(q) * 0.05));
            EXPECT_EQ(d.colour, want);
            EXPECT_EQ(d.fill_colour, want);
            EXPECT_EQ(d.fill_style, 0);
        }
    }
}

} // namespace
