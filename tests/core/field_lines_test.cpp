// Field-line tracing: the slope functions, the start points, the kinds of tracing per sign
// combination, the extra lines from the edge and the unusual line counts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/field_params.h"
#include "model/point_field.h"
#include "picture/field_lines.h"
#include "support/scene.h"
#include "support/traced_lines.h"

namespace {

// The field lines of the inputs, drawn on the scene's frame.
std::vector<TracedLine> trace(Scene& s) {
    draw_field_lines(s.params, s.picture.charges, s.pic);
    EXPECT_EQ(s.pic.rejected(), 0u);
    EXPECT_EQ(s.pic.of(DrawCall::Line, kFieldLineColour).size(), s.pic.calls.size())
        << "nothing but field-line pieces";
    return traced_lines(s.pic);
}

double dist(double x, double y, double cx) {
    return std::hypot(x - cx, y);
}

// Defaults: dr/dphi(pi/2, 1) = -1.2, dr/dphi(1, 1) = -0.64012384, dy/dx(0, 1) = 1.2.
TEST(FieldLines, SlopeValues) {
    const FieldParams m;
    EXPECT_FLOAT_EQ(radius_slope(m, kPi / 2, 1), -1.2f);
    EXPECT_FLOAT_EQ(radius_slope(m, 1, 1), -0.64012384f);
    EXPECT_FLOAT_EQ(field_slope(m, 0, 1), 1.2f);
    // dr/dphi is r*E_r/E_phi: check it against the field components at another point.
    const double phi = 2.0, r = 1.7;
    const double x = r * std::cos(phi), y = r * std::sin(phi);
    const double ex = ex_at(m, x, y), ey = ey_at(m, x, y);
    const double er = ex * std::cos(phi) + ey * std::sin(phi);
    const double ephi = -ex * std::sin(phi) + ey * std::cos(phi);
    EXPECT_NEAR(radius_slope(m, phi, r), r * er / ephi, 1e-5);
}

// Defaults: six start angles pi/18 + j*pi/6 on the circle of radius r0 around each charge,
// first the line from the right charge, then the one from the left; then four lines from the
// right edge at heights 0.0627, 0.7294, 1.3960 and 2.0627 towards the stronger left charge.
TEST(FieldLines, DefaultStartsAndEdgeLines) {
    const std::vector<double> angles = start_angles(6);
    ASSERT_EQ(angles.size(), 6u);
    for (int j = 0; j < 6; ++j) {
        EXPECT_NEAR(angles[j], std::numbers::pi / 18 + j * std::numbers::pi / 6, 1e-6);
    }
    EXPECT_TRUE(start_angles(0).empty());
    EXPECT_TRUE(start_angles(-6).empty());
    Scene s;
    const auto lines = trace(s);
    ASSERT_EQ(lines.size(), 16u);
    for (int j = 0; j < 6; ++j) {
        SCOPED_TRACE(j);
        const double theta = std::numbers::pi / 18 + j * std::numbers::pi / 6;
        const Segment right = lines[2 * j].front();
        EXPECT_NEAR(right.x1, 0.5 - 0.05 * std::cos(theta), 1e-6);
        EXPECT_NEAR(right.y1, 0.05 * std::sin(theta), 1e-6);
        const Segment left = lines[2 * j + 1].front();
        EXPECT_NEAR(left.x1, -0.5 + 0.05 * std::cos(theta), 1e-6);
        EXPECT_NEAR(left.y1, 0.05 * std::sin(theta), 1e-6);
    }
    const double heights[] = {0.0627, 0.7294, 1.3960, 2.0627};
    for (int i = 0; i < 4; ++i) {
        const Segment first = lines[12 + i].front();
        EXPECT_NEAR(first.x1, 4, 1e-6);
        EXPECT_NEAR(first.y1, heights[i], 5e-5);
    }
    // Every polar line ends by leaving the square, by reaching r0 of the other charge, or at
    // the end of its angle range (on the axis).
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const Segment last = lines[n].back();
        const bool from_left = n < 12 && n % 2 == 1;
        const double target = from_left ? 0.5 : -0.5;
        const bool out = std::abs(last.x2) > 4 || std::abs(last.y2) > 4;
        const bool arrived = dist(last.x2, last.y2, target) < 0.05;
        const bool axis = std::abs(last.y2) < 0.05 * std::abs(last.x2);
        EXPECT_TRUE(out || arrived || axis) << n << ": " << last.x2 << " " << last.y2;
        EXPECT_LE(lines[n].size(), 501u);
    }
}

// The number of traced lines per sign combination: two per start angle, plus Int(lines/2) + 1
// edge lines on the weaker charge's side for unlike charges of different magnitude only; none
// at all for a count of 0 or below.
TEST(FieldLines, LineCountsPerSignCombination) {
    struct Row {
        const char* name;
        double q1, q2;
        int lines_per_charge;
        std::size_t lines; // before mirroring
        double edge_x;     // x of the extra edge lines, 0 when there are none
    };
    const Row rows[] = {
        {"defaults: edge lines on the right", 0.4, -0.1, 6, 16, 4},
        {"weaker left charge: edge lines on the left", -0.1, 0.4, 6, 16, -4},
        {"equal and opposite: no edge lines", 0.5, -0.5, 6, 12, 0},
        {"equal like charges", 0.3, 0.3, 6, 12, 0},
        {"like negative charges", -0.2, -0.6, 6, 12, 0},
        {"right charge zero: one family", 0.4, 0, 6, 6, 0},
        {"left charge zero: one family", 0, -0.7, 6, 6, 0},
        {"one line per charge: one edge line", 0.4, -0.1, 1, 3, 4},
        {"an odd count", 0.4, -0.1, 5, 13, 4},
        {"no lines", 0.4, -0.1, 0, 0, 0},
        {"minus one line", 0.4, -0.1, -1, 0, 0},
        {"minus six lines", 0.4, -0.1, -6, 0, 0},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(c.name);
        Scene s({.q1 = c.q1,
                 .q2 = c.q2,
                 .lines_per_charge = static_cast<std::int16_t>(c.lines_per_charge)});
        const auto lines = trace(s);
        ASSERT_EQ(lines.size(), c.lines);
        if (c.edge_x != 0) {
            const int edges = c.lines_per_charge / 2 + 1;
            for (std::size_t n = lines.size() - edges; n < lines.size(); ++n) {
                EXPECT_NEAR(lines[n].front().x1, c.edge_x, 1e-6);
            }
            // The lowest is lifted by 10*pi/501 off the axis.
            EXPECT_NEAR(lines[lines.size() - edges].front().y1, 10 * kPi / 501, 1e-6);
        }
    }
}

// One charge zero: straight radial pieces of height L/50 from the other charge, never below the
// start, the last piece ending at or below L and less than a piece below it.
TEST(FieldLines, StraightLinesOfASingleCharge) {
    struct Row {
        const char* name;
        double q1, q2, cx;
    };
    for (const Row& r : {Row{"the left charge alone", 0.4, 0, -0.5},
                         Row{"the right charge alone", 0, -0.7, 0.5}}) {
        SCOPED_TRACE(r.name);
        Scene s({.q1 = r.q1, .q2 = r.q2});
        const auto lines = trace(s);
        ASSERT_EQ(lines.size(), 6u);
        for (const TracedLine& line : lines) {
            const Segment first = line.front();
            EXPECT_NEAR(dist(first.x1, first.y1, r.cx), 0.05, 1e-6);
            for (const Segment& g : line) {
                EXPECT_NEAR(g.y2 - g.y1, 0.08, 1e-5);
                // Radial: the piece points away from the charge along the start direction.
                const double cross = (g.x2 - r.cx) * first.y1 - g.y2 * (first.x1 - r.cx);
                EXPECT_NEAR(cross / std::hypot(g.x2 - r.cx, g.y2), 0, 1e-4);
            }
            EXPECT_LE(line.back().y2, 4 + 1e-5);
            EXPECT_GT(line.back().y2 + 0.08, 4 - 1e-5);
        }
    }
}

// Like charges: Cartesian tracing upward from both charges, each line starting exactly on the
// circle of radius r0, every piece L/501 high, ending when the line leaves the square.
TEST(FieldLines, CartesianLinesOfLikeCharges) {
    for (double q : {0.3, -0.3}) {
        SCOPED_TRACE(q > 0 ? "positive pair" : "negative pair");
        Scene s({.q1 = q, .q2 = q});
        const auto lines = trace(s);
        ASSERT_EQ(lines.size(), 12u);
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const double cx = n % 2 == 0 ? 0.5 : -0.5;
            const TracedLine& line = lines[n];
            EXPECT_NEAR(dist(line.front().x1, line.front().y1, cx), 0.05, 1e-6) << n;
            for (const Segment& g : line) {
                EXPECT_NEAR(g.y2 - g.y1, 4.0 / 501, 1e-5);
            }
            const Segment last = line.back();
            EXPECT_TRUE(std::abs(last.x2) > 4 || last.y2 > 4 - 2 * 4.0 / 501) << n;
        }
        // Equal charges: the picture is symmetric about the y axis as well.
        for (std::size_t n = 0; n < lines.size(); n += 2) {
            ASSERT_EQ(lines[n].size(), lines[n + 1].size());
            EXPECT_NEAR(lines[n].back().x2, -lines[n + 1].back().x2, 1e-4);
        }
    }
}

// Polar steps that break down stop the line instead of being drawn: near phi = 0 or pi the
// slope divides by a sine close to zero, and a line that runs through the origin gets a
// negative radius; either threw a piece up to 1e17 m across the picture. Every piece above the
// axis stays above it and within reach of the region.
TEST(FieldLines, BrokenDownPolarStepsAreNotDrawn) {
    struct Row {
        const char* name;
        double q1, q2;
        int lines_per_charge;
        double L;
    };
    const Row rows[] = {
        {"much stronger right charge, one line", -0.15, 0.95, 1, 4},
        {"strongest left charge, weakest right, largest region", -1, 0.05, 1, 7},
        {"much stronger right charge, six lines", -0.15, 0.9, 6, 4},
        {"weakest right charge, thirteen lines", -0.65, 0.05, 13, 4},
        {"smallest region", 0.4, -0.1, 6, 1},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(c.name);
        Scene s({.q1 = c.q1,
                 .q2 = c.q2,
                 .half_width = c.L,
                 .lines_per_charge = static_cast<std::int16_t>(c.lines_per_charge)});
        for (const TracedLine& line : trace(s)) {
            for (const Segment& g : line) {
                ASSERT_GE(g.y2, 0.0f);
                ASSERT_LT(std::max(std::abs(g.x2), std::abs(g.y2)), 4 * c.L)
                    << "(" << g.x1 << ", " << g.y1 << ") -> (" << g.x2 << ", " << g.y2 << ")";
            }
        }
    }
}

// Whether the piece comes within r0 = 0.05 of the charge at (cx, 0) between its ends.
bool passes(const Segment& g, double cx) {
    const double dx = g.x2 - g.x1, dy = g.y2 - g.y1;
    const double t = ((cx - g.x1) * dx - g.y1 * dy) / (dx * dx + dy * dy);
    return t > 0 && t < 1 && dist(g.x1 + t * dx, g.y1 + t * dy, cx) < 0.05;
}

// Unlike charges, one of 1 nC, over region sizes: a polar step near the axis jumped across the
// weaker charge, or (q1 = 1, q2 = -0.3, L = 5) from (-0.30, 0.0019) to (-58.7, 0) through the
// stronger one. No field line runs through a charge, and none crosses the region in one piece.
TEST(FieldLines, NoPieceJumpsThroughACharge) {
    for (const double L : {3.5, 5.0, 5.5, 7.0}) {
        for (int j = 1; j <= 19; ++j) {
            for (const bool strong_left : {true, false}) {
                const double weak = -0.05 * j;
                SCOPED_TRACE(testing::Message()
                             << "weak " << weak << " L " << L << " left " << strong_left);
                Scene s(
                    {.q1 = strong_left ? 1 : weak, .q2 = strong_left ? weak : 1, .half_width = L});
                const auto lines = trace(s);
                EXPECT_GE(lines.size(), 12u);
                for (const TracedLine& line : lines) {
                    for (const Segment& g : line) {
                        ASSERT_FALSE(passes(g, -0.5) || passes(g, 0.5) ||
                                     std::hypot(g.x2 - g.x1, g.y2 - g.y1) > 2 * L)
                            << "(" << g.x1 << ", " << g.y1 << ") -> (" << g.x2 << ", " << g.y2
                            << ")";
                    }
                }
            }
        }
    }
}

// Each start angle and each edge line traced alone, by a tracer of its own, gives to the bit the
// segments the whole drawing gives for it: nothing one line leaves behind changes the next.
TEST(FieldLines, EveryPieceTracedAloneIsTheSame) {
    struct Row {
        const char* name;
        double q1, q2;
    };
    const Row rows[] = {
        {"defaults: polar and edge lines", 0.4, -0.1},
        {"stronger right charge: edge lines on the left", -0.2, 0.9},
        {"like charges: Cartesian lines", 0.3, 0.6},
        {"left charge zero: straight lines", 0.0, -0.5},
        {"equal and opposite: no edge lines", 0.7, -0.7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FieldParams params{.q1 = r.q1, .q2 = r.q2, .lines_per_charge = 7};
        Scene whole(params), pieces(params);
        trace(whole);
        for (const double theta : start_angles(7)) {
            FieldLineTracer(params, pieces.picture.charges).lines_at_angle(pieces.pic, theta);
        }
        const EdgeSide side = edge_side(params);
        for (int i = 0; side != EdgeSide::None && i <= 3; ++i) {
            FieldLineTracer(params, pieces.picture.charges).edge_line(pieces.pic, i, side);
        }
        const auto a = whole.pic.of(DrawCall::Line), b = pieces.pic.of(DrawCall::Line);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t j = 0; j < a.size(); ++j) {
            ASSERT_TRUE(a[j].x1 == b[j].x1 && a[j].y1 == b[j].y1 && a[j].x2 == b[j].x2 &&
                        a[j].y2 == b[j].y2)
                << j;
        }
    }
}

} // namespace
