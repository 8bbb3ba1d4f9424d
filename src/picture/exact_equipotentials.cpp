#include "picture/exact_equipotentials.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "picture/flux_lines.h"

namespace {

// A vertex's distance from its level, in pixels (the chord's: kChordTolerance). A step is at
// most kNearShare of the distance to the nearer charge and to the zero-field point.
constexpr double kVertexTolerance = 0.01;
// Within this many pixels of the zero-field point the vertices are put on their levels to a
// thousandth of their tolerance.
constexpr double kSaddleNearPixels = 8;

// The roots of A*x^2 + B*x + C, appended to `out`.
void quadratic_roots(double A, double B, double C, std::vector<double>& out) {
    if (A == 0) {
        if (B != 0) {
            out.push_back(-C / B);
        }
        return;
    }
    const double D = B * B - 4 * A * C;
    if (D < 0) {
        return;
    }
    const double q = -0.5 * (B + std::copysign(std::sqrt(D), B));
    out.push_back(q / A);
    if (q != 0) {
        out.push_back(C / q);
    }
}

// phi/k and E/k at a point.
struct Sample {
    double phi;
    double ex, ey;
};

class LevelTracer {
  public:
    LevelTracer(const ChargePair& c, const EquipotentialSettings& s)
        : q1_(c.q1), q2_(c.q2), a_(c.half_distance), k_(c.coulomb_k), L_(s.half_width),
          pixel_(s.pixel), vertex_tol_(kVertexTolerance * s.pixel),
          chord_tol_(kChordTolerance * s.pixel), saddle_(zero_field_level(c)), charges_(c) {}

    EquipotentialCurve trace(double volts) const {
        EquipotentialCurve curve;
        curve.volts = volts;
        const double w = volts / k_;
        const std::vector<double> roots = axis_crossings(charges_, volts);
        curve.through_zero_field = saddle_.exists && volts == saddle_.volts;
        double widest = L_ * std::sqrt(2.0);
        for (const double x : roots) {
            widest = std::max(widest, std::abs(x));
        }
        // Beyond this distance an arc is not coming back to the axis near the charges: it goes
        // away (the zero level of equal and opposite charges).
        const double far = 2 * widest + 4 * a_;
        std::vector<bool> owned(roots.size(), false);
        int arc = 0;
        if (curve.through_zero_field) {
            const auto at = std::find(roots.begin(), roots.end(), saddle_.x);
            const std::size_t s = static_cast<std::size_t>(at - roots.begin());
            if (at != roots.end()) {
                owned[s] = true;
                // The branches leave at atan(sqrt 2) from the axis: cos = 1/sqrt 3.
                const double c = 1 / std::sqrt(3.0), sn = std::sqrt(2.0 / 3);
                for (const double side : {-1.0, 1.0}) {
                    walk({saddle_.x, 0}, {side * c, sn}, w, roots, s, far, arc++, owned,
                         curve.pieces);
                }
            }
        }
        for (std::size_t i = 0; i < roots.size(); ++i) {
            if (owned[i]) {
                continue;
            }
            owned[i] = true;
            walk({roots[i], 0}, {0, 1}, w, roots, i, far, arc++, owned, curve.pieces);
        }
        return curve;
    }

  private:
    Sample at(PlanePoint p) const {
        const ChargeTerms t = charge_terms(p, a_, q1_, q2_);
        return {q1_ * t.i1 + q2_ * t.i2, t.ex, t.ey};
    }

    double nearest_charge(PlanePoint p) const { return ::nearest_charge(p, a_, q1_, q2_); }

    // The longest step from p: half the distance to the nearer charge and to the zero-field
    // point (where the curves of the levels near its potential turn sharply).
    double step_limit(PlanePoint p) const {
        double d = nearest_charge(p);
        if (saddle_.exists) {
            d = std::min(d, std::max(norm({p.x - saddle_.x, p.y}), pixel_));
        }
        return kNearShare * d;
    }

    bool in_region(PlanePoint p) const { return std::abs(p.x) <= L_ && p.y <= L_; }

    // Whether p is so near the zero-field point that the levels within the vertex tolerance of
    // one another take different shapes there (their curves turn about the point within a few
    // thousandths of a pixel of it): there every vertex goes onto its level all but exactly.
    bool near_saddle(PlanePoint p) const {
        return saddle_.exists && norm({p.x - saddle_.x, p.y}) < kSaddleNearPixels * pixel_;
    }

    // Moves p onto the level w (phi/k) along grad phi = -E until within `tol` of it; s is then the
    // sample at p. False when it does not settle or moves more than max_move.
    bool project(PlanePoint& p, double w, double tol, Sample& s, double max_move) const {
        const PlanePoint from = p;
        for (int it = 0; it < kMaxNewton; ++it) {
            s = at(p);
            const double e2 = s.ex * s.ex + s.ey * s.ey;
            const double r = w - s.phi;
            if (!(e2 > 0)) {
                return false;
            }
            if (r * r <= tol * tol * e2) {
                return true;
            }
            p.x -= r / e2 * s.ex;
            // phi is even in y: a point below the axis is the same as its mirror above it.
            p.y = std::abs(p.y - r / e2 * s.ey);
            if (!(norm(p - from) <= max_move)) {
                return false;
            }
        }
        return false;
    }

    // The unit tangent of the level at a point with field (ex, ey), turned to go on along `t`.
    static Vec tangent(double ex, double ey, Vec t) {
        const double e = std::sqrt(ex * ex + ey * ey);
        const Vec u{-ey / e, ex / e};
        return dot(u, t) >= 0 ? u : Vec{-u.x, -u.y};
    }

    // Follows the level w from p (on it) along the unit tangent t until it comes down on the
    // axis at one of `roots` (other than the start's), which it then owns, or goes away beyond
    // `far`; appends the pieces inside the region.
    void walk(PlanePoint p, Vec t, double w, const std::vector<double>& roots, std::size_t start,
              double far, int arc, std::vector<bool>& owned,
              std::vector<EquipotentialPiece>& out) const {
        const auto new_piece = [arc](CurveEnd kind, PlanePoint first) {
            EquipotentialPiece piece;
            piece.arc = arc;
            piece.start = kind;
            piece.points.push_back(first);
            return piece;
        };
        const auto crossing = [&](PlanePoint in, PlanePoint outside) {
            return edge_crossing(in, outside, L_, vertex_tol_ * 0.05,
                                 [&](PlanePoint& x, double max_move) {
                                     Sample s;
                                     project(x, w, vertex_tol_ * 0.1, s, max_move);
                                 });
        };
        bool inside = in_region(p);
        EquipotentialPiece piece = new_piece(CurveEnd::Axis, p);
        double limit = step_limit(p);
        double h = 0.1 * limit;
        // The level's turn per unit length over the last step taken (signed, to the left): the
        // next vertex is first put on the circle of that curvature, so that the move back onto
        // the level is short (a third-order error in the step rather than a second-order one).
        double bend = 0;
        for (int step = 0; step < kMaxSteps && h > 1e-3 * vertex_tol_; ++step) {
            const double half_turn = std::clamp(0.5 * bend * h, -kMaxStepTurn, kMaxStepTurn);
            const double c = 1 - 0.5 * half_turn * half_turn;
            const Vec ahead{t.x * c - t.y * half_turn, t.x * half_turn + t.y * c};
            PlanePoint q{p.x + h * ahead.x, p.y + h * ahead.y};
            if (q.y <= 0) {
                // The step reaches the axis: the arc comes down on the crossing nearest to where
                // it aims, at right angles (or along a branch, at the zero-field point).
                std::size_t end = roots.size();
                for (std::size_t i = 0; i < roots.size(); ++i) {
                    if (i != start && (end == roots.size() ||
                                       std::abs(roots[i] - q.x) < std::abs(roots[end] - q.x))) {
                        end = i;
                    }
                }
                if (end == roots.size()) {
                    h *= 0.5;
                    continue;
                }
                const PlanePoint e{roots[end], 0};
                const Sample s = at(e);
                const Vec chord = e - p;
                const Vec te = s.ex != 0 ? tangent(s.ex, 0, t)
                                         : Vec{chord.x / norm(chord), chord.y / norm(chord)};
                const bool drawn = inside || in_region(e);
                const StepVerdict verdict = judge_step(t, te, chord, drawn, chord_tol_);
                // A vertex that came within the vertex tolerance of the crossing is on it.
                const bool there = norm(chord) <= 2 * vertex_tol_;
                if (there && piece.points.size() > 1) {
                    piece.points.pop_back();
                }
                if (!there && (!verdict.accepted || norm(e - q) > h)) {
                    h *= std::clamp(verdict.grow, 0.2, 0.5);
                    continue;
                }
                owned[end] = true;
                if (!inside && in_region(e)) {
                    piece = new_piece(CurveEnd::Edge, crossing(e, p));
                }
                if (inside || in_region(e)) {
                    piece.points.push_back(e);
                    piece.end = CurveEnd::Axis;
                    out.push_back(std::move(piece));
                }
                return;
            }
            Sample s;
            const double tol = near_saddle(p) ? 1e-3 * vertex_tol_
                               : inside || in_region(q)
                                   ? vertex_tol_
                                   : std::max(vertex_tol_, 1e-9 * norm({q.x, q.y}));
            // The move back onto the level: what the step's bend asks, and what a vertex may be
            // off it (a short step from one kept at its tolerance needs that much).
            if (!project(q, w, tol, s, 0.5 * h + 2 * tol)) {
                h *= 0.25;
                continue;
            }
            const double e = std::sqrt(s.ex * s.ex + s.ey * s.ey);
            if (!(e > 0)) {
                h *= 0.25;
                continue;
            }
            const Vec tq = tangent(s.ex, s.ey, t);
            const bool drawn = inside || in_region(q);
            const StepVerdict verdict = judge_step(t, tq, q - p, drawn, chord_tol_);
            if (!verdict.accepted || norm(q - p) > 1.5 * limit) {
                h *= std::clamp(verdict.grow, 0.2, 0.5);
                continue;
            }
            const bool q_inside = in_region(q);
            if (inside && !q_inside) {
                piece.points.push_back(crossing(p, q));
                piece.end = CurveEnd::Edge;
                out.push_back(std::move(piece));
            } else if (!inside && q_inside) {
                piece = new_piece(CurveEnd::Edge, crossing(q, p));
                piece.points.push_back(q);
            } else if (inside) {
                piece.points.push_back(q);
            }
            inside = q_inside;
            if (!inside && norm({q.x, q.y}) >= far) {
                return;
            }
            const double length = norm(q - p);
            bend = length > 0 ? (t.x * tq.y - t.y * tq.x) / length : 0;
            p = q;
            t = tq;
            limit = step_limit(p);
            h = std::min(h * verdict.grow, limit);
        }
        // Out of steps (never for a sound level): keep what was traced.
        if (inside && piece.points.size() > 1) {
            out.push_back(std::move(piece));
        }
    }

    double q1_, q2_, a_, k_, L_, pixel_;
    double vertex_tol_, chord_tol_;
    ZeroFieldLevel saddle_;
    ChargePair charges_;
};

} // namespace

ZeroFieldLevel zero_field_level(const ChargePair& c) {
    ZeroFieldLevel z;
    double x = 0;
    if (find_zero_field(c, x)) {
        z.exists = true;
        z.x = x;
        const double a = c.half_distance;
        z.volts = c.coulomb_k * (c.q1 / std::abs(x + a) + c.q2 / std::abs(x - a));
    }
    return z;
}

std::vector<double> axis_crossings(const ChargePair& c, double volts) {
    const double a = c.half_distance;
    const double q1 = c.q1, q2 = c.q2;
    const double w = volts / c.coulomb_k;
    // phi/k - w on the axis, and its slope.
    const auto f = [&](double x) { return q1 / std::abs(x + a) + q2 / std::abs(x - a) - w; };
    const auto slope = [&](double x) {
        const double d1 = x + a, d2 = x - a;
        return -q1 * std::copysign(1.0, d1) / (d1 * d1) - q2 * std::copysign(1.0, d2) / (d2 * d2);
    };
    std::vector<double> found;
    const ZeroFieldLevel saddle = zero_field_level(c);
    const bool at_saddle = saddle.exists && volts == saddle.volts;
    const auto keep = [&](std::vector<double>& roots, double lo, double hi, double sign) {
        for (double x : roots) {
            x *= sign;
            if (!(x > lo && x < hi)) {
                continue; // a root of the quadratic that is none of phi's
            }
            // Two Newton steps where they bring the root closer within its interval.
            for (int it = 0; it < 2; ++it) {
                const double d = slope(x);
                const double next = d != 0 ? x - f(x) / d : x;
                if (next > lo && next < hi && std::abs(f(next)) < std::abs(f(x))) {
                    x = next;
                }
            }
            if (!(at_saddle && std::abs(x - saddle.x) <= 1e-6 * (std::abs(saddle.x) + a))) {
                found.push_back(x);
            }
        }
        roots.clear();
    };
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> roots;
    if (q1 != 0 || q2 != 0) {
        // Beyond the right charge: w*(x^2 - a^2) = q1*(x - a) + q2*(x + a).
        quadratic_roots(w, -(q1 + q2), a * (q1 - q2) - w * a * a, roots);
        keep(roots, a, inf, 1);
        // Between them: w*(a^2 - x^2) = q1*(a - x) + q2*(x + a).
        quadratic_roots(-w, q1 - q2, w * a * a - a * (q1 + q2), roots);
        keep(roots, -a, a, 1);
        // Beyond the left charge, in u = -x: w*(u^2 - a^2) = q1*(u + a) + q2*(u - a).
        quadratic_roots(w, -(q1 + q2), a * (q2 - q1) - w * a * a, roots);
        keep(roots, -inf, -a, -1);
    }
    if (at_saddle) {
        found.push_back(saddle.x);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

EquipotentialCurve trace_equipotential(const ChargePair& charges,
                                       const EquipotentialSettings& settings, double volts) {
    return LevelTracer(charges, settings).trace(volts);
}

double decimal(double m, int n) {
    // 10^|n| is exact up to 10^22, and one product or quotient rounds once.
    double p = 1;
    for (int i = 0; i < std::abs(n); ++i) {
        p *= 10;
    }
    return n >= 0 ? m * p : m / p;
}

int decade_of(double v) {
    int n = 0;
    while (n < 308 && decimal(1, n + 1) <= v) {
        ++n;
    }
    while (n > -323 && decimal(1, n) > v) {
        --n;
    }
    return n;
}

namespace {

// The round values' steps within a decade, coarsest series first, each in the order its
// values are wanted (the powers of ten, then five, then two times them, and so on).
constexpr double kRoundSteps[][3] = {{1, 5, 2}, {3, 1.5, 7}, {4, 6, 8}};
// The smallest magnitude of a round level, as a share of the largest magnitude of the potential
// in the region: smaller levels hug the zero level or lie beyond the region's edge, where there
// is no room for them.
constexpr double kLowestShare = 1e-2;

} // namespace

int round_series_of(double v) {
    if (!(v > 0) || !std::isfinite(v)) {
        return 0;
    }
    const int n = decade_of(v);
    int series = 0;
    for (const auto& steps : kRoundSteps) {
        ++series;
        for (const double m : steps) {
            if (v == decimal(m, n)) {
                return series;
            }
        }
    }
    return 0;
}

std::vector<LevelCandidate> level_candidates(const ChargePair& c, double L, double near_radius) {
    std::vector<LevelCandidate> out;
    if (c.q1 == 0 && c.q2 == 0) {
        return out;
    }
    // The potential over the region's upper half, away from the charges, and on the circles of
    // radius near_radius about them.
    const double a = c.half_distance;
    const auto phi = [&](double x, double y) {
        return c.coulomb_k * (c.q1 / std::sqrt((x + a) * (x + a) + y * y) +
                              c.q2 / std::sqrt((x - a) * (x - a) + y * y));
    };
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    const auto take = [&](double x, double y) {
        const double v = phi(x, y);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    constexpr int kAcross = 48;
    for (int i = 0; i <= kAcross; ++i) {
        for (int j = 0; j <= kAcross / 2; ++j) {
            const double x = -L + 2 * L * i / kAcross, y = L * j / (kAcross / 2);
            const double near2 = near_radius * near_radius;
            if ((x + a) * (x + a) + y * y >= near2 && (x - a) * (x - a) + y * y >= near2) {
                take(x, y);
            }
        }
    }
    for (const auto& [q, cx] : {std::pair{c.q1, -a}, std::pair{c.q2, a}}) {
        if (q == 0) {
            continue;
        }
        for (int i = 0; i <= 32; ++i) {
            const double t = kCurvePi * i / 32;
            take(cx + near_radius * std::cos(t), near_radius * std::sin(t));
        }
    }
    const ZeroFieldLevel saddle = zero_field_level(c);
    if (saddle.exists && std::abs(saddle.x) < L) {
        out.push_back({saddle.volts, LevelCandidate::ZeroField});
    }
    if (lo < 0 && hi > 0) {
        out.push_back({0, LevelCandidate::Zero});
    }
    const double top = std::max(std::abs(lo), std::abs(hi));
    if (!(top > 0) || !std::isfinite(top)) {
        return out;
    }
    const int first = decade_of(top * kLowestShare);
    const int last = decade_of(top);
    for (const auto& steps : kRoundSteps) {
        for (const double m : steps) {
            for (int n = last; n >= first; --n) {
                const double v = decimal(m, n);
                if (v < top * kLowestShare) {
                    continue;
                }
                for (const double s : {v, -v}) {
                    // A round value that is the zero-field point's potential to a millionth is that
                    // level (drawn or not), whose curves are traced from the point itself.
                    const bool at_saddle = saddle.exists && std::abs(s - saddle.volts) <=
                                                                1e-6 * std::abs(saddle.volts);
                    if (s > lo && s < hi && !at_saddle) {
                        out.push_back({s, LevelCandidate::Round});
                    }
                }
            }
        }
    }
    return out;
}
