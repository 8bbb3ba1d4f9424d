// The equipotential scan: levels, scan grid, dots and the tool-tip with the level step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/counted_loop.h"
#include "model/field_params.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

// The level step the drawing tells.
std::optional<std::string> draw(Scene& s) {
    return draw_equipotentials(s.params, s.picture, s.pic);
}

// The blue dots above the axis; each is followed by its mirror.
std::vector<DrawCall> upper_dots(const Scene& s) {
    const auto all = s.pic.of(DrawCall::Dot, kEquipotentialColour);
    std::vector<DrawCall> up;
    for (std::size_t j = 0; j + 1 < all.size(); j += 2) {
        EXPECT_EQ(all[j + 1].x1, all[j].x1);
        EXPECT_EQ(all[j + 1].y1, -all[j].y1);
        up.push_back(all[j]);
    }
    EXPECT_EQ(all.size() % 2, 0u);
    return up;
}

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

// Defaults: 12 levels from -14.210526 to 71.052632 by 7.7511962; every dot lies halfway between
// two nodes a row apart on which the potential lies on either side of its level.
TEST(Equipotentials, DefaultLevelsAndDots) {
    Scene s;
    const auto tip = draw(s);
    EXPECT_DOUBLE_EQ(scan_steps(s.picture.frame).across, 0.02);
    EXPECT_DOUBLE_EQ(scan_steps(s.picture.frame).upward, 0.04);
    const LevelRange r = level_range(s.params, s.picture.charges);
    EXPECT_NEAR(r.near_left, 71.052632, 1e-6);
    EXPECT_NEAR(r.near_right, -14.210526, 1e-6);
    EXPECT_DOUBLE_EQ(r.start, r.near_right);
    EXPECT_DOUBLE_EQ(r.end, r.near_left);
    EXPECT_NEAR(r.step, 7.7511962, 1e-7);
    EXPECT_EQ(tip, "через  7.75 B");
    EXPECT_EQ(s.pic.pen_width, 1);
    EXPECT_EQ(s.pic.rejected(), 0u);

    const auto dots = upper_dots(s);
    ASSERT_FALSE(dots.empty());
    const auto level = level_of_dots(dots);
    EXPECT_EQ(level.back() + 1, 12);
    for (const DrawCall& d : s.pic.of(DrawCall::Dot, kEquipotentialColour)) {
        EXPECT_EQ(d.width, 2);
    }
    for (std::size_t j = 0; j < dots.size(); ++j) {
        const double lev = r.start + level[j] * r.step;
        const double lo = coulomb::potential(s.params, dots[j].x1, dots[j].y1 - 0.02);
        const double hi = coulomb::potential(s.params, dots[j].x1, dots[j].y1 + 0.02);
        ASSERT_LE(std::min(lo, hi) - 1e-4, lev) << dots[j].x1 << " " << dots[j].y1;
        ASSERT_GE(std::max(lo, hi) + 1e-4, lev) << dots[j].x1 << " " << dots[j].y1;
    }
}

// The step of the tool-tip follows the locale's decimal separator.
TEST(Equipotentials, ToolTipWithCommaSeparator) {
    Scene s({.decimal_separator = ","});
    EXPECT_EQ(draw(s), "через  7,75 B");
}

// The scan grid: 400 columns for L = 4 (the accumulated step carries the counter just past
// x_max), 401 for L = 4.5; 101 rows for L = 4, 100 for L = 2.5 and 4.5. Seen through dense levels:
// the distinct x of the dots are the columns, the distinct y the spaces between rows.
TEST(Equipotentials, ScanGridColumnsAndRows) {
    struct Row {
        const char* name;
        double L;
        int columns, rows;
    };
    const Row rows[] = {
        {"the step carries the counter just past x_max", 4, 400, 101},
        {"a smaller region", 2.5, 400, 100},
        {"a column more", 4.5, 401, 100},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(c.name);
        Scene s({.half_width = c.L, .level_intervals = 1000});
        draw(s);
        std::set<float> xs, ys;
        for (const DrawCall& d : upper_dots(s)) {
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

// q1 = 0.4, q2 = 0.2: levels from the potential near the right charge, 39.789474, down to that at
// the top edge, 1.3395751; the loop runs downwards and gives 12 levels. Single charge q2 = 0:
// from the top edge's 0.89305009 up to the potential near the left charge, 72.
TEST(Equipotentials, LevelChoiceForOtherCharges) {
    struct Row {
        const char* name;
        double q1, q2, start, end, step;
    };
    const Row rows[] = {
        {"like charges, downwards", 0.4, 0.2, 39.789474, 1.3395751, -3.4954453},
        {"right charge zero, upwards", 0.4, 0, 0.89305009, 72, 6.4642682},
        {"left charge zero, negative", 0, -0.3, -0.66978757, -54, -4.8482011},
        {"stronger right charge", 0.1, 0.4, 21.789474, 1.1163126, -1.8793783},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(c.name);
        Scene s({.q1 = c.q1, .q2 = c.q2});
        draw(s);
        const LevelRange r = level_range(s.params, s.picture.charges);
        EXPECT_NEAR(r.start, c.start, 1e-6);
        EXPECT_NEAR(r.end, c.end, 1e-6);
        EXPECT_NEAR(r.step, c.step, 1e-6);
        const auto dots = upper_dots(s);
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

// A zero count draws nothing and tells no step (the tip stays as it was); a negative count draws
// nothing but still tells the step; a fractional count stops at the last level not past the end.
TEST(Equipotentials, UnusualCounts) {
    struct Row {
        const char* name;
        double levels;
        int levels_drawn;
        const char* step; // in the tip; none told when null
    };
    const Row rows[] = {
        {"zero: nothing, no step", 0, 0, nullptr},
        {"negative: nothing, the step told", -3, 0, "28.42"},
        {"fractional: three levels", 2.5, 3, "34.11"},
        // The single-precision level no longer moves by one step: the scan ends after the first
        // level instead of running forever.
        {"beyond single precision: one level", 1e9, 1, "0.00"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Scene s({.level_intervals = r.levels});
        const auto tip = draw(s);
        ASSERT_EQ(tip.has_value(), r.step != nullptr);
        if (tip) {
            EXPECT_NE(tip->find(r.step), std::string::npos) << *tip;
        }
        const auto dots = upper_dots(s);
        EXPECT_EQ(dots.empty() ? 0 : level_of_dots(dots).back() + 1, r.levels_drawn);
        EXPECT_EQ(s.pic.calls.size(), 2 * dots.size());
    }
}

} // namespace
