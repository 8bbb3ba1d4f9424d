// Lines drawn into a plain pixel buffer as the raster painter draws them: one pixel wide, and
// wider, inside the picture, across its edges and far beyond them. The pixels are checked
// against the geometry of a square-capped line: a one-pixel line covers the pixels along its
// longer axis whose centres lie between half a pixel before its start and half a pixel past its
// end, one across; a wider line the pixels whose centres lie in its rectangle, lengthened by half
// its width at both ends. (That they are the painter's very pixels the gui tests check.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "raster/lines.h"
#include "support/raster_canvas.h"

namespace {

constexpr std::uint32_t kInk = 0xffc80000;

void thin(Canvas& c, PixelPoint from, PixelPoint to) {
    RasterImage image = c.image();
    const auto plot = [&](int x, int y) {
        if (image.contains(x, y)) {
            image.put(x, y, kInk);
        }
    };
    step_clipped_thin_line(from, to, c.width, c.height, plot,
                           [&](bool steep, std::int64_t a, std::int64_t end, int minor) {
                               for (; a < end; ++a) {
                                   steep ? plot(minor, static_cast<int>(a))
                                         : plot(static_cast<int>(a), minor);
                               }
                           });
}

// Fails the test for a span that reaches beyond the picture.
void wide(Canvas& c, PixelPoint from, PixelPoint to, int width) {
    RasterImage image = c.image();
    fill_wide_line(from, to, width, c.width, c.height, [&](int x, int n, int y) {
        ASSERT_TRUE(x >= 0 && n >= 1 && x + n <= c.width && y >= 0 && y < c.height)
            << x << " " << n << " " << y;
        image.fill(x, n, y, kInk);
    });
}

struct LineCase {
    const char* name;
    PixelPoint from, to;
    int width;
    int count;                    // pixels drawn on a 40 x 20 picture
    int left, top, right, bottom; // their bounds, when any
};

class LineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineTest, CoversItsPixels) {
    const LineCase& l = GetParam();
    Canvas c(40, 20);
    if (l.width == 1) {
        thin(c, l.from, l.to);
    } else {
        wide(c, l.from, l.to, l.width);
    }
    const auto drawn = c.pixels(kInk);
    ASSERT_EQ(static_cast<int>(drawn.size()), l.count);
    if (l.count > 0) {
        int left = c.width, top = c.height, right = -1, bottom = -1;
        for (const auto& [x, y] : drawn) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        EXPECT_EQ(left, l.left);
        EXPECT_EQ(top, l.top);
        EXPECT_EQ(right, l.right);
        EXPECT_EQ(bottom, l.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    testing::Values(
        // Half a pixel of cap at either end of a line from centre to centre.
        LineCase{"level_thin", {2.5, 3.5}, {8.5, 3.5}, 1, 7, 2, 3, 8, 3},
        LineCase{"upright_thin", {5.5, 1.5}, {5.5, 9.5}, 1, 9, 5, 1, 5, 9},
        LineCase{"diagonal_thin", {1.5, 1.5}, {6.5, 6.5}, 1, 6, 1, 1, 6, 6},
        // Ends that are the same: the pixel nearest them.
        LineCase{"point_thin", {3.4, 4.6}, {3.4, 4.6}, 1, 1, 3, 5, 3, 5},
        // From far beyond one edge to far beyond the other: the whole row, or diagonal.
        LineCase{"across_thin", {-50.5, 10.5}, {100.5, 10.5}, 1, 40, 0, 10, 39, 10},
        LineCase{"far_diagonal_thin", {-1000.5, -1000.5}, {1000.5, 1000.5}, 1, 20, 0, 0, 19, 19},
        LineCase{"beyond_one_edge_thin", {-30, 5}, {-2, 15}, 1, 0, 0, 0, 0, 0},
        LineCase{"level_two_wide", {5.2, 10.3}, {15.2, 10.3}, 2, 24, 4, 9, 15, 10},
        LineCase{"upright_three_wide", {10.3, 2.2}, {10.3, 12.2}, 3, 39, 9, 1, 11, 13},
        // Ends that are the same: the square as wide as the pen about them.
        LineCase{"point_three_wide", {7.3, 7.8}, {7.3, 7.8}, 3, 9, 6, 6, 8, 8},
        LineCase{"across_two_wide", {-100.2, 5.3}, {200.2, 5.3}, 2, 80, 0, 4, 39, 5},
        LineCase{"beyond_one_edge_wide", {45, -30}, {60, 50}, 3, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// Lines of every direction and length at random places: a one-pixel line has one pixel for
// each step along its longer axis, the pixel that holds the line where it crosses that step's
// centre line (for a line falling along its longer axis, where it crosses the step's near edge,
// half the slope off: the painter's rounding), to 1/32 pixel; drawn backwards, the same pixels.
TEST(ThinLines, OnePixelPerStepOnTheLine) {
    TestUniform next{11};
    for (int i = 0; i < 500; ++i) {
        const PixelPoint a{next(5, 35), next(5, 35)};
        const PixelPoint b{next(5, 35), next(5, 35)};
        Canvas forth(40, 40), back(40, 40);
        thin(forth, a, b);
        thin(back, b, a);
        ASSERT_EQ(forth.words, back.words) << i;
        // The longer axis as the painter decides it, in 1/64 pixel.
        const auto in_64ths = [](double v) { return static_cast<int>(v * 64); };
        const bool steep =
            std::abs(in_64ths(b.x) - in_64ths(a.x)) < std::abs(in_64ths(b.y) - in_64ths(a.y));
        const double lo = std::min(steep ? a.y : a.x, steep ? b.y : b.x) - 0.5;
        const double hi = std::max(steep ? a.y : a.x, steep ? b.y : b.x) + 0.5;
        std::map<int, int> per_step;
        for (const auto& [x, y] : forth.pixels(kInk)) {
            const int along = steep ? y : x, across = steep ? x : y;
            ++per_step[along];
            // Where the line crosses this pixel's centre line, across it.
            const double t =
                (along + 0.5 - (steep ? a.y : a.x)) / ((steep ? b.y : b.x) - (steep ? a.y : a.x));
            const double at = (steep ? a.x : a.y) + t * ((steep ? b.x : b.y) - (steep ? a.x : a.y));
            const double slope = ((steep ? b.x : b.y) - (steep ? a.x : a.y)) /
                                 ((steep ? b.y : b.x) - (steep ? a.y : a.x));
            EXPECT_LE(std::abs(across + 0.5 - at), 0.5 + 0.5 * std::abs(slope) + 1 / 32.0) << i;
        }
        for (int s = static_cast<int>(std::ceil(lo + 1 / 32.0 - 0.5));
             s <= static_cast<int>(std::floor(hi - 1 / 32.0 - 0.5)); ++s) {
            EXPECT_EQ(per_step[s], 1) << i << " at " << s;
        }
    }
}

// A wider line covers the pixels whose centres lie in its lengthened rectangle: none outside
// it, all inside, but for the centres within the painter's 1/64 pixel of its sides; also where
// it runs across the edges.
TEST(WideLines, FillTheirRectangle) {
    TestUniform next{12};
    for (int i = 0; i < 500; ++i) {
        const int width = 2 + i % 4;
        const bool across = i % 3 == 0;
        const PixelPoint a{next(across ? -20 : 5, 35), next(across ? -20 : 5, 35)};
        const PixelPoint b{next(5, across ? 60 : 35), next(5, across ? 60 : 35)};
        Canvas c(40, 40);
        wide(c, a, b, width);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const PixelPoint along{(b.x - a.x) / length, (b.y - a.y) / length};
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const double dx = x + 0.5 - a.x, dy = y + 0.5 - a.y;
                const double s = dx * along.x + dy * along.y;  // along the line
                const double t = -dx * along.y + dy * along.x; // across it
                const double out = std::max(
                    {-width / 2.0 - s, s - length - width / 2.0, std::abs(t) - width / 2.0});
                if (std::abs(out) > 0.05) {
                    EXPECT_EQ(c.at(x, y) == kInk, out < 0) << i << " at " << x << ", " << y;
                }
            }
        }
    }
}

} // namespace
