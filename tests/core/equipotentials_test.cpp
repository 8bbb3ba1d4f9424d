// The equipotential scan: levels, scan grid, dots and the tool-tip with the level step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "model/counted_loop.h"
#include "model/module1.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "support/recording_picture_box.h"

namespace {

struct Scene {
    Module1 m;
    RecordingPictureBox pic;
    explicit Scene(double q1 = 0.4, double q2 = -0.1, double L = 4, double n_fi = 11) {
        set_model_defaults(m);
        m.q1 = q1;
        m.q2 = q2;
        m.L = L;
        m.n_fi = n_fi;
        axes_main(m, pic);
        draw_charges(m, pic);
        pic.forget();
    }
    // The blue dots above the axis; each is followed by its mirror.
    std::vector<DrawCall> upper_dots() const {
        const auto all = pic.of(DrawCall::Dot, kEquipotentialColour);
        std::vector<DrawCall> up;
        for (std::size_t j = 0; j + 1 < all.size(); j += 2) {
            EXPECT_EQ(all[j + 1].x1, all[j].x1);
            EXPECT_EQ(all[j + 1].y1, -all[j].y1);
            up.push_back(all[j]);
        }
        EXPECT_EQ(all.size() % 2, 0u);
        return up;
    }
};

// Levels are scanned one after another, each column by column from the left: a new level
// starts where the column goes back to the left. Returns the level index of every dot.
std::vector<int> level_of_dots(const std::vector<DrawCall>& dots) {
    std::vector<int> level;
    int g = 0;
    for (std::size_t j = 0; j < dots.size(); ++j) {
        if (j > 0 && dots[j].x1 < dots[j - 1].x1) {
            ++g;
        }
        level.push_back(g);
    }
    return level;
}

double potential(const Module1& m, double x, double y) {
    return m.k * (m.q1 / std::hypot(x + m.a, y) + m.q2 / std::hypot(x - m.a, y));
}

// Defaults: 12 levels from -14.210526 to 71.052632 by 7.7511962; every dot lies halfway between
// two nodes a row apart on which the potential lies on either side of its level.
TEST(Equipotentials, DefaultLevelsAndDots) {
    Scene s;
    lines_fi(s.m, s.pic);
    EXPECT_DOUBLE_EQ(s.m.h, 0.02);
    EXPECT_DOUBLE_EQ(s.m.h2, 0.04);
    EXPECT_NEAR(s.m.fi_b1, 71.052632, 1e-6);
    EXPECT_NEAR(s.m.fi_b2, -14.210526, 1e-6);
    EXPECT_DOUBLE_EQ(s.m.fi_start, s.m.fi_b2);
    EXPECT_DOUBLE_EQ(s.m.fi_end, s.m.fi_b1);
    EXPECT_NEAR(s.m.d_fi, 7.7511962, 1e-7);
    EXPECT_EQ(s.m.label7_tooltip, "через  7.75 B");
    EXPECT_EQ(s.pic.pen_width, 1);
    EXPECT_EQ(s.pic.rejected(), 0u);

    const auto dots = s.upper_dots();
    ASSERT_FALSE(dots.empty());
    const auto level = level_of_dots(dots);
    EXPECT_EQ(level.back() + 1, 12);
    for (const DrawCall& d : s.pic.of(DrawCall::Dot, kEquipotentialColour)) {
        EXPECT_EQ(d.width, 2);
    }
    for (std::size_t j = 0; j < dots.size(); ++j) {
        const double lev = s.m.fi_start + level[j] * s.m.d_fi;
        const double lo = potential(s.m, dots[j].x1, dots[j].y1 - 0.02);
        const double hi = potential(s.m, dots[j].x1, dots[j].y1 + 0.02);
        ASSERT_LE(std::min(lo, hi) - 1e-4, lev) << dots[j].x1 << " " << dots[j].y1;
        ASSERT_GE(std::max(lo, hi) + 1e-4, lev) << dots[j].x1 << " " << dots[j].y1;
    }
}

// The step of the tool-tip follows the locale's decimal separator.
TEST(Equipotentials, ToolTipWithCommaSeparator) {
    Scene s;
    s.m.dec_sep = ',';
    lines_fi(s.m, s.pic);
    EXPECT_EQ(s.m.label7_tooltip, "через  7,75 B");
}

struct GridCase {
    double L;
    int columns, rows;
};

// The scan grid: 400 columns for L = 4 (the accumulated step carries the counter just past
// x_max), 401 for L = 4.5; 101 rows for L = 4, 100 for L = 2.5 and 4.5. Seen through dense levels:
// the distinct x of the dots are the columns, the distinct y the spaces between rows.
TEST(Equipotentials, ScanGridColumnsAndRows) {
    for (const GridCase c :
         {GridCase{4, 400, 101}, GridCase{2.5, 400, 100}, GridCase{4.5, 401, 100}}) {
        SCOPED_TRACE(c.L);
        Scene s(0.4, -0.1, c.L, 1000);
        lines_fi(s.m, s.pic);
        std::set<float> xs, ys;
        for (const DrawCall& d : s.upper_dots()) {
            xs.insert(d.x1);
            ys.insert(d.y1);
        }
        EXPECT_EQ(static_cast<int>(xs.size()), c.columns);
        EXPECT_EQ(static_cast<int>(ys.size()), c.rows - 1);
        EXPECT_NEAR(*xs.begin(), -c.L, 1e-9);
        EXPECT_NEAR(*xs.rbegin(), -c.L + (c.columns - 1) * c.L / 200, 1e-6);
        const double h2 = c.L / 100;
        EXPECT_NEAR(*ys.rbegin(), (c.rows - 1) * h2 - h2 / 2, 1e-5);
        EXPECT_NEAR(*ys.begin(), h2 / 2, 1e-6);

        // The same counts from the loop bounds alone.
        int rows = 0;
        const float y_step = static_cast<float>(h2);
        for (float y = 0; loop_goes_on(y, static_cast<float>(c.L), y_step); y += y_step) {
            ++rows;
        }
        EXPECT_EQ(rows, c.rows);
    }
}

// q1 = 0.4, q2 = 0.2: levels from fi_b2 = 39.789474 down to fi_edge = 1.3395751; the loop runs
// downwards and gives 12 levels. Single charge q2 = 0: fi_edge 0.89305009 up to fi_b1 72.
TEST(Equipotentials, LevelChoiceForOtherCharges) {
    struct Case {
        double q1, q2, start, end, step;
    };
    const Case cases[] = {
        {0.4, 0.2, 39.789474, 1.3395751, -3.4954453},
        {0.4, 0, 0.89305009, 72, 6.4642682},
        {0, -0.3, -0.66978757, -54, -4.8482011},
        {0.1, 0.4, 21.789474, 1.1163126, -1.8793783},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.q1 << " " << c.q2);
        Scene s(c.q1, c.q2);
        lines_fi(s.m, s.pic);
        EXPECT_NEAR(s.m.fi_start, c.start, 1e-6);
        EXPECT_NEAR(s.m.fi_end, c.end, 1e-6);
        EXPECT_NEAR(s.m.d_fi, c.step, 1e-6);
        const auto dots = s.upper_dots();
        ASSERT_FALSE(dots.empty());
        // Nominally 12 levels; the single-precision counter may pass the last one by a hair.
        int levels = 0;
        const float end = static_cast<float>(c.end), step = static_cast<float>(c.step);
        for (float f = static_cast<float>(c.start); loop_goes_on(f, end, step); f += step) {
            ++levels;
        }
        EXPECT_GE(levels, 11);
        EXPECT_EQ(level_of_dots(dots).back() + 1, levels);
        EXPECT_EQ(s.pic.rejected(), 0u);
    }
}

// n_fi = 0 draws nothing and keeps the tool-tip; a negative count draws nothing but still shows
// the step; a fractional count stops at the last level not past the end (2.5: three levels).
TEST(Equipotentials, UnusualCounts) {
    {
        Scene s(0.4, -0.1, 4, 0);
        lines_fi(s.m, s.pic);
        EXPECT_TRUE(s.pic.of(DrawCall::Dot).empty());
        EXPECT_EQ(s.m.label7_tooltip, "через ? (при расчёте) вольт");
    }
    {
        Scene s(0.4, -0.1, 4, -3);
        lines_fi(s.m, s.pic);
        EXPECT_TRUE(s.pic.of(DrawCall::Dot).empty());
        EXPECT_NE(s.m.label7_tooltip.find("28"), std::string::npos) << s.m.label7_tooltip;
    }
    {
        Scene s(0.4, -0.1, 4, 2.5);
        lines_fi(s.m, s.pic);
        EXPECT_EQ(level_of_dots(s.upper_dots()).back() + 1, 3);
    }
    {
        // A count so large that the single-precision level no longer moves by one step: the
        // scan ends after the first level instead of running forever.
        Scene s(0.4, -0.1, 4, 1e9);
        lines_fi(s.m, s.pic);
        EXPECT_EQ(level_of_dots(s.upper_dots()).back() + 1, 1);
    }
}

} // namespace
