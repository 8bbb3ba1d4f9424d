// The geometry under the raster circles: lines' angles and crossings as the painter's stroker
// measures them, Bezier curves halved, flattened and offset, and outlines filled row by row.
// Checked against plain geometry: a unit circle's quarter, a square's pixels, the areas of
// overlapping shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "raster/bezier.h"
#include "raster/hypotenuse.h"
#include "raster/pixel_line.h"
#include "raster/scan_fill.h"
#include "support/raster_canvas.h"

namespace {

struct HypotenuseCase {
    const char* name;
    double x, y, length;
};

class HypotenuseTest : public testing::TestWithParam<HypotenuseCase> {};

TEST_P(HypotenuseTest, KnownLengths) {
    const HypotenuseCase& k = GetParam();
    const double h = hypotenuse(k.x, k.y);
    if (std::isnan(k.length)) {
        EXPECT_TRUE(std::isnan(h));
    } else {
        EXPECT_EQ(h, k.length);
    }
    EXPECT_EQ(std::isnan(h), std::isnan(hypotenuse(k.y, -k.x))); // either way round, any sign
    if (!std::isnan(h)) {
        EXPECT_EQ(h, hypotenuse(k.y, -k.x));
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Lengths, HypotenuseTest,
    testing::Values(HypotenuseCase{"three_four_five", 3, 4, 5}, HypotenuseCase{"zero", 0, 0, 0},
                    HypotenuseCase{"along_an_axis", -7.25, 0, 7.25},
                    // Squares that would overflow, and underflow, scaled first.
                    HypotenuseCase{"huge", 3e300, 4e300, 5e300},
                    HypotenuseCase{"tiny", 3e-300, 4e-300, 5e-300},
                    HypotenuseCase{"subnormal", 3 * 0x1p-1074, 4 * 0x1p-1074, 5 * 0x1p-1074},
                    // One side too short to count.
                    HypotenuseCase{"one_side_negligible", 1e20, 1, 1e20},
                    HypotenuseCase{"infinite_beats_nan", kInf, kNaN, kInf},
                    HypotenuseCase{"nan", kNaN, 1, kNaN}),
    [](const testing::TestParamInfo<HypotenuseCase>& info) {
        return std::string(info.param.name);
    });

// Random lengths of every size are within one unit in the last place of the exact length
// (taken in long double), on every platform; where the C library is the one the desktop's
// painter measures with, they are its very numbers.
TEST(Hypotenuse, WithinAUnitInTheLastPlaceAndTheLibrarys) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 35)
    const bool library = true;
#else
    const bool library = false;
#endif
    TestUniform next{31};
    int library_differs = 0;
    // A number of any size, its two parts drawn in order.
    const auto any = [&next] {
        const double m = next(-1, 1);
        return std::ldexp(m, static_cast<int>(next(-60, 60)));
    };
    for (int i = 0; i < 200000; ++i) {
        const double x = any();
        const double y = i % 3 == 0 ? x * next(0.99, 1.01) : any();
        const double h = hypotenuse(x, y);
        const long double exact =
            std::sqrt(static_cast<long double>(x) * x + static_cast<long double>(y) * y);
        ASSERT_LE(std::abs(static_cast<long double>(h) - exact),
                  static_cast<long double>(std::nextafter(h, kInf) - h))
            << x << " " << y;
        library_differs += library && h != std::hypot(x, y);
    }
    EXPECT_EQ(library_differs, 0);
    if (!library) {
        GTEST_SKIP() << "the C library's hypot is not the one the desktop's painter uses";
    }
}

struct AngleCase {
    const char* name;
    PixelPoint to; // from the origin, y down
    double angle;  // degrees counter-clockwise on the screen
};

class LineAngleTest : public testing::TestWithParam<AngleCase> {};

TEST_P(LineAngleTest, CountsCounterClockwiseOnTheScreen) {
    const AngleCase& k = GetParam();
    EXPECT_NEAR((PixelLine{{}, k.to}.angle()), k.angle, 1e-12);
    // Translated and lengthened, the same direction.
    PixelLine moved{{3, -7}, PixelPoint{3, -7} + k.to};
    moved.set_length(5);
    EXPECT_NEAR(moved.length(), 5, 1e-12);
    EXPECT_NEAR(moved.angle(), k.angle, 1e-9);
    // The normal: a quarter turn further counter-clockwise.
    EXPECT_NEAR((PixelLine{{}, k.to}.normal().angle()), std::fmod(k.angle + 90, 360), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, LineAngleTest,
    testing::Values(AngleCase{"right", {2, 0}, 0}, AngleCase{"up", {0, -3}, 90},
                    AngleCase{"left", {-1, 0}, 180}, AngleCase{"down", {0, 4}, 270},
                    AngleCase{"up_right", {1, -1}, 45}, AngleCase{"down_left", {-2, 2}, 225}),
    [](const testing::TestParamInfo<AngleCase>& info) { return std::string(info.param.name); });

TEST(PixelLines, AnglesBetweenAndCrossings) {
    const PixelLine right{{0, 0}, {1, 0}}, up{{0, 0}, {0, -1}};
    EXPECT_NEAR(right.angle_to(up), 90, 1e-12);
    EXPECT_NEAR(up.angle_to(right), 270, 1e-12);
    EXPECT_EQ((PixelLine{{1, 1}, {1, 1}}.angle_to(up)), 0); // a point has no direction
    // Segments that cross, touch at an end, and would cross only if longer.
    EXPECT_TRUE((PixelLine{{0, 0}, {2, 2}}.crosses({{0, 2}, {2, 0}})));
    EXPECT_TRUE((PixelLine{{0, 0}, {2, 2}}.crosses({{2, 2}, {3, 0}})));
    EXPECT_FALSE((PixelLine{{0, 0}, {1, 1}}.crosses({{0, 4}, {4, 0}})));
    EXPECT_FALSE((PixelLine{{0, 0}, {1, 1}}.crosses({{0, 1}, {1, 2}}))); // parallel
}

// A quarter of a circle of radius 100 as the painter writes it (control points at 0.5522847498
// of the radius).
Bezier quarter(double r) {
    constexpr double k = 0.5522847498;
    return {{r, 0}, {r, r * k}, {r * k, r}, {0, r}};
}

TEST(Beziers, HalvesMeetAndFollowTheCurve) {
    const Bezier b = quarter(100);
    const auto [first, second] = b.split();
    EXPECT_EQ(first.p4, second.p1);
    for (const double t : {0.0, 0.2, 0.5, 0.9, 1.0}) {
        const PixelPoint on_first = first.point_at(t), whole = b.point_at(t / 2);
        EXPECT_NEAR(on_first.x, whole.x, 1e-9);
        EXPECT_NEAR(on_first.y, whole.y, 1e-9);
        const PixelPoint on_second = second.point_at(t), rest = b.point_at(0.5 + t / 2);
        EXPECT_NEAR(on_second.x, rest.x, 1e-9);
        EXPECT_NEAR(on_second.y, rest.y, 1e-9);
        // The quarter keeps within 0.03 % of the circle.
        EXPECT_NEAR(std::hypot(whole.x, whole.y), 100, 0.03);
    }
}

// Flattened to a quarter pixel, the lines keep within a quarter pixel of the circle, and a
// finer threshold takes more of them.
TEST(Beziers, FlattenWithinTheThreshold) {
    const Bezier b = quarter(100);
    std::vector<PixelPoint> coarse{b.p1}, fine{b.p1};
    b.flatten(coarse, 0.25);
    b.flatten(fine, 0.05);
    EXPECT_EQ(coarse.back(), b.p4);
    EXPECT_GT(fine.size(), coarse.size());
    EXPECT_GT(coarse.size(), 8u);
    for (std::size_t i = 1; i < coarse.size(); ++i) {
        const PixelPoint mid = (coarse[i - 1] + coarse[i]) * 0.5;
        EXPECT_NEAR(std::hypot(mid.x, mid.y), 100, 0.25) << i;
    }
}

// Offset by a pixel to its right as seen on the screen (away from the centre of this quarter,
// which turns counter-clockwise there), the curves keep that distance from the circle to a
// quarter of it.
TEST(Beziers, OffsetKeepsItsDistance) {
    for (const double r : {3.0, 20.0, 100.0}) {
        const Bezier b{{0, r}, {r * 0.5522847498, r}, {r, r * 0.5522847498}, {r, 0}};
        Bezier out[16];
        const int n = b.offset(out, 16, -1, 0.25f);
        ASSERT_GE(n, 1);
        EXPECT_NEAR(std::hypot(out[0].p1.x, out[0].p1.y), r + 1, 1e-9);
        for (int i = 0; i < n; ++i) {
            for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                const PixelPoint p = out[i].point_at(t);
                EXPECT_NEAR(std::hypot(p.x, p.y), r + 1, 0.25 + 0.03 * r / 100) << r;
            }
        }
        // A point is no curve.
        const Bezier point{{r, r}, {r, r}, {r, r}, {r, r}};
        EXPECT_EQ(point.offset(out, 16, 1, 0.25f), 0);
    }
}

// A contour in 1/64 pixel from pixel corners.
std::vector<Point64> contour(std::initializer_list<PixelPoint> corners) {
    std::vector<Point64> out;
    for (const PixelPoint p : corners) {
        out.push_back({static_cast<std::int64_t>(p.x * 64), static_cast<std::int64_t>(p.y * 64)});
    }
    out.push_back(out.front());
    return out;
}

// The pixels `outline` fills on a picture 30 x 20.
Canvas filled(const std::vector<std::vector<Point64>>& contours, bool winding) {
    Outline64 outline;
    for (const auto& c : contours) {
        outline.points.insert(outline.points.end(), c.begin(), c.end());
        outline.contour_ends.push_back(static_cast<int>(outline.points.size()) - 1);
    }
    Canvas canvas(30, 20);
    RasterImage image = canvas.image();
    ScanFill::fill(outline, winding, PixelClip{0, 0, 29, 19}, [&](int x, int n, int y) {
        ASSERT_TRUE(x >= 0 && n >= 1 && x + n <= 30 && y >= 0 && y < 20);
        image.fill(x, n, y, 0xff000000);
    });
    return canvas;
}

// The pixels whose centres lie inside: a square's, a triangle's about its area; two squares
// overlapping, wound the same way, fill their union by the winding rule and leave their overlap
// empty by the even-odd rule; a shape beyond the edges is cut to the picture.
TEST(ScanFill, FillsThePixelsWhoseCentresAreInside) {
    const auto square = contour({{2, 2}, {8, 2}, {8, 8}, {2, 8}});
    EXPECT_EQ(filled({square}, true).drawn(), 36);
    EXPECT_EQ(filled({square}, false).pixels(0xff000000),
              filled({square}, true).pixels(0xff000000));

    const auto triangle = contour({{1.3, 1.1}, {25.7, 3.2}, {9.4, 18.6}});
    const double area = 0.5 * std::abs((25.7 - 1.3) * (18.6 - 1.1) - (9.4 - 1.3) * (3.2 - 1.1));
    EXPECT_NEAR(filled({triangle}, true).drawn(), area, 0.1 * area);

    const auto other = contour({{5, 5}, {12, 5}, {12, 11}, {5, 11}});
    EXPECT_EQ(filled({square, other}, true).drawn(), 36 + 42 - 9);
    EXPECT_EQ(filled({square, other}, false).drawn(), 36 + 42 - 2 * 9);

    const auto beyond = contour({{-10.2, -5.7}, {40.3, -5.1}, {40.9, 7.3}, {-9.8, 7.6}});
    const Canvas cut = filled({beyond}, true);
    EXPECT_GT(cut.drawn(), 30 * 7);
    EXPECT_LT(cut.drawn(), 30 * 8);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(cut.at(x, 0), 0xff000000u);
        EXPECT_EQ(cut.at(x, 6), 0xff000000u);
        EXPECT_EQ(cut.at(x, 8), Canvas::kBackground);
    }
}

} // namespace
