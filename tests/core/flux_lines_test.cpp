// The exact level curves against Coulomb's law. The field lines of equal flux: along a field line
// the flux of each charge through the cone about the axis, q1*cos(t1) + q2*cos(t2), stays the
// same, and a point's distance from the line of level P is k*|Psi - P|/(|y|*|E|) to first order.
// The exact equipotentials: a point's distance from the level V is |phi - V|/|E| to first order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "base/parallel.h"
#include "picture/flux_lines.h"
#include "picture/labelled_equipotentials.h"

namespace {

constexpr int kPixels = 515;

struct Field {
    ChargePair c;
    double psi(double x, double y) const {
        return c.q1 * std::cos(std::atan2(y, x + c.half_distance)) +
               c.q2 * std::cos(std::atan2(y, x - c.half_distance));
    }
    double strength(double x, double y) const {
        double ex = 0, ey = 0;
        for (const auto& [q, cx] : {std::pair{c.q1, -c.half_distance}, {c.q2, c.half_distance}}) {
            const double r = std::hypot(x - cx, y);
            ex += c.coulomb_k * q * (x - cx) / (r * r * r);
            ey += c.coulomb_k * q * y / (r * r * r);
        }
        return std::hypot(ex, ey);
    }
    double off_level(double x, double y, double level) const {
        return c.coulomb_k * std::abs(psi(x, y) - level) / (y * strength(x, y));
    }
    double phi(double x, double y) const {
        return c.coulomb_k * (c.q1 / std::hypot(x + c.half_distance, y) +
                              c.q2 / std::hypot(x - c.half_distance, y));
    }
    double off_potential(PlanePoint p, double volts) const {
        return std::abs(phi(p.x, p.y) - volts) / strength(p.x, p.y);
    }
};

struct Case {
    const char* name;
    double q1, q2, L;
    int n;
    bool saddle_inside; // the zero-field point lies in the region
};

const Case kCases[] = {
    {"unlike, defaults", 0.4, -0.1, 4, 6, true},
    {"unlike, weaker left, small region", -0.15, 0.95, 1, 6, false},
    {"unlike, dense, large region", 1, -0.35, 7, 50, true},
    {"nearly opposite equal", 1, -0.95, 1, 50, false},
    {"unlike, one line, smaller rounds to none", 0.05, -1, 4, 1, true},
    {"opposite equal", 0.5, -0.5, 4, 6, false},
    {"opposite equal, one line", -0.5, 0.5, 1, 1, false},
    {"like", 0.4, 0.2, 4, 6, true},
    {"like negative, large region", -0.2, -0.7, 7, 6, true},
    {"equal", 0.3, 0.3, 4, 50, true},
    {"equal negative, small region", -1, -1, 1, 6, true},
    {"right zero", 0.4, 0, 4, 6, false},
    {"left zero, one line", 0, -0.8, 7, 1, false},
};

TEST(FluxLines, ExactEqualFluxLinesOnEveryConfiguration) {
    for (const Case& t : kCases) {
        SCOPED_TRACE(t.name);
        const Field f{{t.q1, t.q2, 0.5, 9}};
        const double px = 2 * t.L / kPixels;
        const FluxLines result = flux_lines(f.c, {t.n, t.L, px, 0.05});
        ASSERT_TRUE(result.complete);
        double worst_vertex = 0, worst_chord = 0;
        std::map<double, std::set<FluxEnd>> ends_of_level;
        int separatrices = 0;
        for (const FluxLine& line : result.lines) {
            ASSERT_GE(line.points.size(), 2u);
            for (std::size_t i = 0; i < line.points.size(); ++i) {
                const FluxPoint p = line.points[i];
                if (p.y > 2 * px) {
                    worst_vertex = std::max(worst_vertex, f.off_level(p.x, p.y, line.level) / px);
                }
                if (i + 1 < line.points.size()) {
                    const FluxPoint q = line.points[i + 1];
                    for (double s = 0.125; s < 1; s += 0.125) {
                        const double x = p.x + s * (q.x - p.x), y = p.y + s * (q.y - p.y);
                        if (y > 2 * px) {
                            worst_chord = std::max(worst_chord, f.off_level(x, y, line.level) / px);
                        }
                    }
                }
            }
            // Each end on a charge's circle, on the region's edge, or at the zero-field point.
            for (const auto& [p, kind] : {std::pair{line.points.front(), line.start},
                                          std::pair{line.points.back(), line.end}}) {
                const double charge_x = kind == FluxEnd::Charge1 ? -0.5 : 0.5;
                const double gap =
                    kind == FluxEnd::Edge        ? std::abs(std::max(std::abs(p.x), p.y) - t.L)
                    : kind == FluxEnd::ZeroField ? (p.y == 0 && f.strength(p.x, 0) < 1e-6 ? 0 : 1e9)
                                                 : std::abs(std::hypot(p.x - charge_x, p.y) - 0.05);
                EXPECT_LE(gap, px)
                    << "level " << line.level << " at (" << p.x << ", " << p.y << ")";
            }
            if (line.separatrix) {
                separatrices += line.start == FluxEnd::ZeroField;
            } else {
                ends_of_level[line.level].insert({line.start, line.end});
            }
        }
        EXPECT_LE(worst_vertex, 0.05);
        EXPECT_LE(worst_chord, 0.5);
        EXPECT_EQ(separatrices, t.saddle_inside ? 1 : 0);

        // n lines of the larger charge, round(n*|small|/|large|) of the other (a half rounds up,
        // also where decimal charges make it a hair less), in the upper half plane, at steps of
        // Psi of 2*|large|/n; a joining line counts for both.
        const double large = std::max(std::abs(t.q1), std::abs(t.q2));
        const double small = std::min(std::abs(t.q1), std::abs(t.q2));
        const int others = static_cast<int>(std::floor(t.n * small / large + 0.5 + 1e-9));
        const int want1 = std::abs(t.q1) >= std::abs(t.q2) ? t.n : others;
        const int want2 = std::abs(t.q1) >= std::abs(t.q2) ? others : t.n;
        int on1 = 0, on2 = 0;
        double previous = 0;
        bool first = true;
        for (const auto& [level, ends] : ends_of_level) {
            on1 += ends.count(FluxEnd::Charge1);
            on2 += ends.count(FluxEnd::Charge2);
            if (!first) {
                EXPECT_NEAR(level - previous, 2 * large / t.n, 1e-12);
            }
            previous = level;
            first = false;
        }
        EXPECT_EQ(on1, want1);
        EXPECT_EQ(on2, want2);
        EXPECT_EQ(ends_of_level.size(),
                  static_cast<std::size_t>(t.q1 * t.q2 > 0 ? t.n + others : t.n));
    }
}

// A stop keeps whole lines only; the lines do not depend on the number of threads.
TEST(FluxLines, StopsWhenToldAndAgreesOnAnyNumberOfThreads) {
    class StopAt : public Progress {
      public:
        explicit StopAt(double share) : share_(share) {}
        double last = -1;

      protected:
        bool go_on(double done) override {
            EXPECT_GE(done, last);
            EXPECT_LT(done, 1);
            last = done;
            return done < share_;
        }

      private:
        double share_;
    };
    const ChargePair c{0.4, -0.1, 0.5, 9};
    const FluxLineSettings settings{400, 4, 8.0 / kPixels, 0.05};
    set_worker_limit(1);
    const FluxLines one = flux_lines(c, settings);
    set_worker_limit(2);
    StopAt never(2);
    const FluxLines two = flux_lines(c, settings, never);
    set_worker_limit(0);
    ASSERT_EQ(one.lines.size(), two.lines.size());
    for (std::size_t i = 0; i < one.lines.size(); ++i) {
        ASSERT_EQ(one.lines[i].points.size(), two.lines[i].points.size());
        EXPECT_EQ(one.lines[i].points.back().x, two.lines[i].points.back().x);
    }
    StopAt half(0.5);
    const FluxLines part = flux_lines(c, settings, half);
    EXPECT_FALSE(part.complete);
    EXPECT_GT(part.lines.size(), one.lines.size() / 3);
    EXPECT_LT(part.lines.size(), one.lines.size() * 2 / 3);
    for (std::size_t i = 0; i < part.lines.size(); ++i) {
        EXPECT_EQ(part.lines[i].points.size(), one.lines[i].points.size());
    }
}

// The largest count: a single charge's 32767 lines, straight out to the edge.
TEST(FluxLines, LargestCountOfASingleCharge) {
    const FluxLines r = flux_lines({0, 0.6, 0.5, 9}, {32767, 2, 4.0 / kPixels, 0.05});
    ASSERT_EQ(r.lines.size(), 32767u);
    for (const FluxLine& line : r.lines) {
        ASSERT_EQ(line.start, FluxEnd::Charge2);
        ASSERT_EQ(line.end, FluxEnd::Edge);
        // Radial: the end lies on the ray from the charge through the start.
        const FluxPoint s = line.points.front(), e = line.points.back();
        ASSERT_NEAR(((s.x - 0.5) * e.y - s.y * (e.x - 0.5)) / 0.05, 0, 0.05 * 4.0 / kPixels);
    }
}

// The exact equipotentials as a picture of 544 pixels chooses and labels them, on every
// `stride`-th charge pair of the scroll bars and every region size: each vertex within 0.05 and
// each chord within 0.5 of a quarter pixel (as drawn at four times the size); every arc whole,
// from the axis to the axis through its pieces in the region, no level twice; round levels
// besides 0 V and the zero-field point's, whose figure-eight leaves that point;
// every label's anchor within a pixel of its level, no two labels overlapping, none on a
// charge's disc. Returns the worst vertex and chord seen.
std::pair<double, double> expect_exact_equipotentials(int stride) {
    double worst_vertex = 0, worst_chord = 0;
    for (int i = -20; i <= 20; i += stride) {
        for (int j = -20; j <= 20; j += stride) {
            for (double L = 1; L <= 7; L += 0.5) {
                if (i == 0 && j == 0) {
                    continue;
                }
                const Field f{{i * 0.05, j * 0.05, 0.5, 9}};
                SCOPED_TRACE(testing::Message()
                             << "q1 = " << f.c.q1 << ", q2 = " << f.c.q2 << ", L = " << L);
                const double px = 2 * L / 544, fine = px / 4;
                LabelSpace space;
                space.half_width = L;
                space.pixel = px;
                space.text_height = 15 * px;
                space.discs = {{-0.5, 0, std::abs(f.c.q1) * 0.05},
                               {0.5, 0, std::abs(f.c.q2) * 0.05}};
                const LabelledEquipotentials r = labelled_equipotentials(
                    f.c, {L, fine}, 12, space, [px](double) { return 30 * px; });
                const ZeroFieldLevel saddle = zero_field_level(f.c);
                const auto off_saddle = [&](PlanePoint p) {
                    return !saddle.exists || std::hypot(p.x - saddle.x, p.y) > 2 * fine;
                };
                std::set<double> levels;
                for (const EquipotentialCurve& curve : r.curves) {
                    EXPECT_TRUE(levels.insert(curve.volts).second) << curve.volts;
                    EXPECT_TRUE(curve.volts == 0 || curve.through_zero_field ||
                                round_series_of(std::abs(curve.volts)) != 0)
                        << curve.volts;
                    std::set<int> arcs;
                    for (std::size_t k = 0; k < curve.pieces.size(); ++k) {
                        const EquipotentialPiece& piece = curve.pieces[k];
                        const bool first = arcs.insert(piece.arc).second;
                        const bool last =
                            k + 1 == curve.pieces.size() || curve.pieces[k + 1].arc != piece.arc;
                        EXPECT_GE(piece.points.size(), 2u);
                        // Whole: an arc comes in and goes out only at the region's edge.
                        for (const auto& [p, kind, end_of_arc] :
                             {std::tuple{piece.points.front(), piece.start, first},
                              std::tuple{piece.points.back(), piece.end, last}}) {
                            const double edge = std::max(std::abs(p.x), p.y);
                            if (kind == CurveEnd::Axis) {
                                EXPECT_TRUE(end_of_arc && p.y == 0) << curve.volts;
                            } else {
                                EXPECT_NEAR(edge, L, 1e-9) << curve.volts;
                            }
                        }
                        if (curve.through_zero_field && first && piece.start == CurveEnd::Axis) {
                            EXPECT_EQ(piece.points.front().x, saddle.x);
                        }
                        for (std::size_t v = 0; v < piece.points.size(); ++v) {
                            const PlanePoint p = piece.points[v];
                            if (off_saddle(p)) {
                                worst_vertex =
                                    std::max(worst_vertex, f.off_potential(p, curve.volts) / fine);
                            }
                            if (v + 1 == piece.points.size()) {
                                continue;
                            }
                            const PlanePoint q = piece.points[v + 1];
                            for (double t = 0.125; t < 1; t += 0.125) {
                                const PlanePoint m{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
                                if (off_saddle(m)) {
                                    worst_chord = std::max(worst_chord,
                                                           f.off_potential(m, curve.volts) / fine);
                                }
                            }
                        }
                    }
                    EXPECT_EQ(curve.through_zero_field,
                              saddle.exists && curve.volts == saddle.volts);
                }
                for (std::size_t a = 0; a < r.labels.size(); ++a) {
                    const EquipotentialLabel& l = r.labels[a];
                    EXPECT_LE(f.off_potential(l.anchor, l.volts), px) << l.volts;
                    EXPECT_TRUE(levels.count(l.volts)) << l.volts;
                    for (const Disc& d : space.discs) {
                        EXPECT_FALSE(d.overlaps(l.box)) << l.volts;
                    }
                    for (std::size_t b = 0; b < a; ++b) {
                        EXPECT_FALSE(l.box.overlaps(r.labels[b].box)) << l.volts;
                    }
                }
                if (testing::Test::HasFailure()) {
                    return {worst_vertex, worst_chord};
                }
            }
        }
    }
    EXPECT_LE(worst_vertex, 0.05);
    EXPECT_LE(worst_chord, 0.5);
    return {worst_vertex, worst_chord};
}

TEST(ExactEquipotentials, ExactWholeAndLabelledOnTheGrid) {
    // CHARGEFIELD_WHOLE_GRID=1 takes every pair and tells the worst distances.
    const bool whole = std::getenv("CHARGEFIELD_WHOLE_GRID") != nullptr;
    const auto [vertex, chord] = expect_exact_equipotentials(whole ? 1 : 3);
    if (whole) {
        std::printf("worst vertex %.4f, worst chord %.4f (quarter pixels)\n", vertex, chord);
    }
}

// The levels at and next to the zero-field point's, where the curves cross or turn sharply:
// each arc whole from the axis back to it (all lie in the largest region), on its level to 0.05 of
// a pixel also beside the point, and as many arcs as the level has closed curves: like charges make
// two loops just above the point's level, one around both just below, and the figure-eight's two
// lobes at it; unlike ones, beyond the smaller charge, the other way round.
TEST(ExactEquipotentials, WholeBesideTheZeroFieldPoint) {
    struct Row {
        const char* name;
        double q1, q2;
        double offset; // relative to the zero-field point's potential
        std::size_t arcs;
    };
    const Row rows[] = {
        {"like, figure-eight", 0.4, 0.4, 0, 2},
        {"like, just above", 0.4, 0.4, 1e-6, 2},
        {"like, just below", 0.4, 0.4, -1e-6, 1},
        {"like, unequal, below", 0.3, 0.9, -1e-3, 1},
        {"unlike, at the point", 0.4, -0.1, 0, 2},
        {"unlike, just above", 0.4, -0.1, 1e-6, 1},
        {"unlike, just below", 0.4, -0.1, -1e-6, 2},
        {"unlike, weaker left, below", -0.25, 0.8, -1e-3, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Field f{{r.q1, r.q2, 0.5, 9}};
        const ZeroFieldLevel saddle = zero_field_level(f.c);
        ASSERT_TRUE(saddle.exists);
        const double volts = saddle.volts * (1 + r.offset);
        const double fine = 14.0 / 544 / 4;
        const EquipotentialCurve curve = trace_equipotential(f.c, {7, fine}, volts);
        EXPECT_EQ(curve.pieces.size(), r.arcs);
        EXPECT_EQ(curve.through_zero_field, r.offset == 0);
        for (const EquipotentialPiece& piece : curve.pieces) {
            EXPECT_EQ(piece.start, CurveEnd::Axis);
            EXPECT_EQ(piece.end, CurveEnd::Axis);
            EXPECT_EQ(piece.points.front().y, 0);
            EXPECT_EQ(piece.points.back().y, 0);
            for (const PlanePoint p : piece.points) {
                if (std::hypot(p.x - saddle.x, p.y) > 2 * fine) {
                    EXPECT_LE(f.off_potential(p, volts) / fine, 0.05) << p.x << ", " << p.y;
                }
            }
        }
    }
}

} // namespace
