// Circles drawn into a plain pixel buffer as the raster painter draws them, filled and not, one
// to three pixels wide, small and large, on whole pixels and between, about the edges. Checked
// against the geometry of a circle: the outline runs round the circle without a gap, as wide as
// the pen, the fill covers the inside and the outline closes it off; on whole pixels the
// midpoint algorithm's circle is symmetric. (That they are the painter's very pixels the gui
// tests check.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "raster/circles.h"
#include "support/raster_canvas.h"

namespace {

constexpr std::uint32_t kOutline = 0xffc80000;
constexpr std::uint32_t kFill = 0xff0000c8;

struct CircleCase {
    const char* name;
    PixelPoint centre;
    double radius;
    int width;
    bool filled;
};

class CircleTest : public testing::TestWithParam<CircleCase> {};

// Every pixel of the outline lies within half the pen's width (and a pixel's reach of the
// stepping) of the circle; every angle's point of the circle is on an outline pixel or next to
// one; with a fill, the fill lies inside, covers every centre well inside, and nowhere touches
// the background.
TEST_P(CircleTest, FollowsTheCircle) {
    const CircleCase& k = GetParam();
    Canvas c(64, 48);
    ASSERT_TRUE(draw_circle(c.image(), k.centre, k.radius, {k.width, kOutline, k.filled, kFill}));
    const auto distance = [&](int x, int y) {
        return std::hypot(x + 0.5 - k.centre.x, y + 0.5 - k.centre.y);
    };
    const double reach = k.width / 2.0 + 0.75;
    for (const auto& [x, y] : c.pixels(kOutline)) {
        EXPECT_LE(std::abs(distance(x, y) - k.radius), reach) << x << ", " << y;
    }
    for (int i = 0; i < 720; ++i) {
        const double a = i * std::numbers::pi / 360;
        const int x = static_cast<int>(std::floor(k.centre.x + k.radius * std::cos(a)));
        const int y = static_cast<int>(std::floor(k.centre.y + k.radius * std::sin(a)));
        if (x < 1 || y < 1 || x > c.width - 2 || y > c.height - 2) {
            continue;
        }
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                near = near || c.at(x + dx, y + dy) == kOutline;
            }
        }
        EXPECT_TRUE(near) << "angle " << i / 2.0;
    }
    if (!k.filled) {
        EXPECT_EQ(c.count(kFill), 0);
        return;
    }
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const double d = distance(x, y);
            if (c.at(x, y) == kFill) {
                EXPECT_LT(d, k.radius + 0.5) << x << ", " << y;
                for (const auto& [nx, ny] :
                     {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                    if (nx >= 0 && ny >= 0 && nx < c.width && ny < c.height) {
                        EXPECT_NE(c.at(nx, ny), Canvas::kBackground) << x << ", " << y;
                    }
                }
            } else if (d < k.radius - 1.5) {
                ADD_FAILURE() << "inside left empty at " << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circles, CircleTest,
    testing::Values(CircleCase{"thin_between_pixels", {20.3, 17.8}, 9.4, 1, false},
                    CircleCase{"thin_filled", {31.7, 22.2}, 15.15, 1, true},
                    CircleCase{"thin_on_whole_pixels", {20, 20}, 8, 1, true},
                    CircleCase{"two_wide_filled", {30.4, 24.1}, 12.7, 2, true},
                    CircleCase{"two_wide_small", {10.6, 10.2}, 2.3, 2, false},
                    CircleCase{"three_wide", {33.3, 20.9}, 17.6, 3, false},
                    CircleCase{"smallest", {5.5, 5.5}, 1, 1, true},
                    CircleCase{"across_the_corner", {3.2, 2.7}, 20.5, 2, true},
                    CircleCase{"larger_than_the_picture", {32.1, 24.3}, 40.2, 1, true}),
    [](const testing::TestParamInfo<CircleCase>& info) { return std::string(info.param.name); });

// On whole pixels with a thin pen, the midpoint algorithm: the circle is its own mirror image
// across both middle lines of its rectangle, whose pixels it covers from the first row and
// column to the row and column just past it.
TEST(Circles, OnWholePixelsAreSymmetric) {
    for (const double r : {1.0, 1.5, 2.0, 4.5, 7.0, 12.5, 20.0}) {
        Canvas c(64, 64);
        const double half = r == std::floor(r) ? 0 : 0.5;
        const PixelPoint centre{30 + half, 31 + half};
        ASSERT_TRUE(draw_circle(c.image(), centre, r, {1, kOutline, true, kFill}));
        const int left = static_cast<int>(centre.x - r), top = static_cast<int>(centre.y - r);
        const int size = static_cast<int>(2 * r);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                if (x < left || y < top || x > left + size || y > top + size) {
                    EXPECT_EQ(c.at(x, y), Canvas::kBackground) << r << ": " << x << ", " << y;
                    continue;
                }
                const int mx = 2 * left + size - x, my = 2 * top + size - y;
                EXPECT_EQ(c.at(x, y), c.at(mx, y)) << r << ": " << x << ", " << y;
                EXPECT_EQ(c.at(x, y), c.at(x, my)) << r << ": " << x << ", " << y;
            }
        }
        EXPECT_GE(c.count(kOutline), static_cast<int>(4 * r)) << r;
    }
}

// A circle reaching more than a thousand pixels beyond the picture, or not finite, is left to
// the caller: nothing is drawn.
TEST(Circles, FarBeyondThePictureAreLeftOut) {
    Canvas c(40, 30);
    EXPECT_FALSE(draw_circle(c.image(), {20, 15}, 1500.3, {1, kOutline, true, kFill}));
    EXPECT_FALSE(draw_circle(c.image(), {-3000, 15}, 10, {2, kOutline, false, kFill}));
    EXPECT_FALSE(draw_circle(c.image(), {std::nan(""), 15}, 10, {1, kOutline, false, kFill}));
    EXPECT_EQ(c.drawn(), 0);
    // Beyond the picture but within reach: drawn, and nothing shows.
    EXPECT_TRUE(draw_circle(c.image(), {-300, 15}, 10, {2, kOutline, true, kFill}));
    EXPECT_EQ(c.drawn(), 0);
}

} // namespace
