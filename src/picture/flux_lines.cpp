#include "picture/flux_lines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "base/parallel.h"
#include "picture/curve_steps.h"

namespace {

// A vertex's distance from its level, in pixels (the chord's: kChordTolerance).
constexpr double kVertexTolerance = 0.002;

// Psi and E/k at a point.
struct Sample {
    double psi;
    double ex, ey;
};

// The ends of a charge's range of levels in the upper half plane: Psi on the axis just right
// (angle 0) and just left (angle pi) of it.
struct Range {
    double at_0, at_pi;
    bool holds(double psi) const {
        return std::min(at_0, at_pi) < psi && psi < std::max(at_0, at_pi);
    }
};

enum class Target { Charge1, Charge2, Infinity };

class Tracer {
  public:
    Tracer(const ChargePair& c, const FluxLineSettings& s)
        : q1_(c.q1), q2_(c.q2), a_(c.half_distance), L_(s.half_width), r0_(s.start_radius),
          vertex_tol_(kVertexTolerance * s.pixel),
          chord_tol_(kChordTolerance * s.pixel), range1_{q1_ - q2_, -q1_ - q2_}, range2_{q1_ + q2_,
                                                                                         q1_ -
                                                                                             q2_} {
        // Beyond this radius the radial field keeps the sign of the net charge Q: for a charge q
        // at distance a from the centre, the radial part of (X - c)/|X - c|^3 lies between
        // (r - a)/(r + a)^3 and (r + a)/(r - a)^3, so it holds once ((r + a)/(r - a))^4 is below
        // the ratio of the charges of Q's sign to those of the other sign. A line bound for
        // infinity that is outside the region and beyond this radius moves outward for good.
        const double with = (q1_ * (q1_ + q2_) > 0 ? std::abs(q1_) : 0) +
                            (q2_ * (q1_ + q2_) > 0 ? std::abs(q2_) : 0);
        const double against = std::abs(q1_) + std::abs(q2_) - with;
        double monotone = a_;
        if (against > 0 && with > against) {
            const double root = std::sqrt(std::sqrt(with / against));
            monotone = a_ * (root + 1) / (root - 1);
        }
        far_radius_ = std::max(monotone, L_ * std::sqrt(2.0)) * 1.001;
    }

    // The line of the level psi0: from the larger charge whose range holds it (or the only one).
    void level(double psi0, std::vector<FluxLine>& out) const {
        const bool in1 = q1_ != 0 && range1_.holds(psi0);
        const bool in2 = q2_ != 0 && range2_.holds(psi0);
        if (!in1 && !in2) {
            return;
        }
        const bool from1 = in1 && (!in2 || std::abs(q1_) >= std::abs(q2_));
        const Target target = from1 ? (in2 ? Target::Charge2 : Target::Infinity)
                                    : (in1 ? Target::Charge1 : Target::Infinity);
        const FluxPoint start = circle_point(from1 ? 1 : 2, psi0);
        const Sample s = at(start);
        const double sigma = (from1 ? q1_ : q2_) > 0 ? 1 : -1;
        const double e = norm({s.ex, s.ey});
        walk(start, {sigma * s.ex / e, sigma * s.ey / e},
             from1 ? FluxEnd::Charge1 : FluxEnd::Charge2, sigma, psi0, target, false, out);
    }

    // The line from the zero-field point at x_s, leaving the axis upward.
    void separatrix(double x_s, std::vector<FluxLine>& out) const {
        const double psi0 = q1_ * (x_s + a_ > 0 ? 1 : -1) + q2_ * (x_s - a_ > 0 ? 1 : -1);
        // Off the axis just above the point, Ey = k*y*(q1/r1^3 + q2/r2^3): its sign says whether
        // going up follows E.
        const double r1 = std::abs(x_s + a_);
        const double r2 = std::abs(x_s - a_);
        const double sigma = q1_ / (r1 * r1 * r1) + q2_ / (r2 * r2 * r2) > 0 ? 1 : -1;
        Target target = Target::Infinity;
        if (q1_ != 0 && range1_.holds(psi0)) {
            target = Target::Charge1;
        } else if (q2_ != 0 && range2_.holds(psi0)) {
            target = Target::Charge2;
        }
        walk({x_s, 0}, {0, 1}, FluxEnd::ZeroField, sigma, psi0, target, true, out);
    }

  private:
    Sample at(FluxPoint p) const {
        const ChargeTerms t = charge_terms(p, a_, q1_, q2_);
        return {q1_ * t.d1 * t.i1 + q2_ * t.d2 * t.i2, t.ex, t.ey};
    }

    // The distance to the nearer (non-zero) charge.
    double nearest_charge(FluxPoint p) const { return ::nearest_charge(p, a_, q1_, q2_); }

    bool in_region(FluxPoint p) const { return std::abs(p.x) <= L_ && p.y <= L_; }

    // Moves p onto the level along grad Psi = y*(Ey, -Ex)/k until it is within `tol` of it;
    // s is then the sample at p. False when it does not settle or moves more than max_move.
    bool project(FluxPoint& p, double psi0, double tol, Sample& s, double max_move) const {
        const FluxPoint from = p;
        for (int it = 0; it < kMaxNewton; ++it) {
            s = at(p);
            const double gx = p.y * s.ey;
            const double gy = -p.y * s.ex;
            const double g2 = gx * gx + gy * gy;
            const double r = psi0 - s.psi;
            if (!(g2 > 0)) {
                return false;
            }
            if (r * r <= tol * tol * g2) {
                return true;
            }
            p.x += r / g2 * gx;
            // Psi is even in y: a step below the axis is the same as its mirror above it.
            p.y = std::abs(p.y + r / g2 * gy);
            if (!(norm(p - from) <= max_move)) {
                return false;
            }
        }
        return false;
    }

    // The point of the level psi0 on the circle of radius r0 about charge 1 or 2. Psi along the
    // upper half of the circle runs monotonically between the range's ends (the own charge's
    // term rules so near it), so a Newton iteration kept inside a bracket finds it.
    FluxPoint circle_point(int charge, double psi0) const {
        const double cx = charge == 1 ? -a_ : a_;
        // The angle of the level at the charge itself: a close first guess.
        const double c = charge == 1 ? (psi0 + q2_) / q1_ : (psi0 - q1_) / q2_;
        double phi = std::acos(std::clamp(c, -1.0, 1.0));
        double lo = 0;
        double hi = kCurvePi;
        const Range& range = charge == 1 ? range1_ : range2_;
        const double f_lo = range.at_0 - psi0;
        FluxPoint p{cx + r0_, 0};
        for (int it = 0; it < 100; ++it) {
            p = {cx + r0_ * std::cos(phi), r0_ * std::sin(phi)};
            const Sample s = at(p);
            const double gx = p.y * s.ey;
            const double gy = -p.y * s.ex;
            const double f = s.psi - psi0;
            if (f * f <= vertex_tol_ * vertex_tol_ * (gx * gx + gy * gy) || hi - lo < 1e-15) {
                break;
            }
            ((f > 0) == (f_lo > 0) ? lo : hi) = phi;
            const double df = r0_ * (-std::sin(phi) * gx + std::cos(phi) * gy);
            const double next = phi - f / df;
            phi = next > lo && next < hi ? next : (lo + hi) / 2;
        }
        return p;
    }

    // The point of the level on the region's edge between p (inside) and q (outside), both on
    // the level.
    FluxPoint crossing(FluxPoint p, FluxPoint q, double psi0) const {
        return edge_crossing(p, q, L_, vertex_tol_ * 0.05, [&](FluxPoint& x, double max_move) {
            Sample s;
            project(x, psi0, vertex_tol_ * 0.1, s, max_move);
        });
    }

    // Whether the chord p-q passes within r0 of the point (cx, 0).
    bool reaches(FluxPoint p, FluxPoint q, double cx) const {
        const Vec d = q - p;
        const Vec w{cx - p.x, -p.y};
        const double len2 = dot(d, d);
        const double t = len2 > 0 ? std::clamp(dot(w, d) / len2, 0.0, 1.0) : 0.0;
        return norm({p.x + t * d.x - cx, p.y + t * d.y}) <= r0_;
    }

    // Follows the level psi0 from p (on it) with the unit tangent t along sigma*E, to the target
    // charge's circle or, for infinity, until it cannot come back; appends the pieces inside.
    void walk(FluxPoint p, Vec t, FluxEnd start_kind, double sigma, double psi0, Target target,
              bool separatrix, std::vector<FluxLine>& out) const {
        const auto new_piece = [&](FluxEnd start, FluxPoint first) {
            FluxLine line;
            line.level = psi0;
            line.start = start;
            line.along_field = sigma > 0;
            line.separatrix = separatrix;
            line.points.push_back(first);
            return line;
        };
        bool inside = in_region(p);
        FluxLine piece = new_piece(start_kind, p);
        const double target_x = target == Target::Charge1 ? -a_ : a_;
        double h = 0.1 * kNearShare * std::max(nearest_charge(p), r0_);
        for (int step = 0; step < kMaxSteps; ++step) {
            FluxPoint q{p.x + h * t.x, std::abs(p.y + h * t.y)};
            Sample s;
            const double tol = inside || in_region(q)
                                   ? vertex_tol_
                                   : std::max(vertex_tol_, 1e-9 * norm({q.x, q.y}));
            if (!project(q, psi0, tol, s, 0.5 * h)) {
                h *= 0.25;
                continue;
            }
            const double e = norm({s.ex, s.ey});
            const Vec tq{sigma * s.ex / e, sigma * s.ey / e};
            const bool drawn = inside || in_region(q);
            const StepVerdict verdict = judge_step(t, tq, q - p, drawn, chord_tol_);
            const double grow = verdict.grow;
            if (!(e > 0) || !verdict.accepted) {
                h *= std::clamp(grow, 0.2, 0.5);
                continue;
            }

            if (target != Target::Infinity &&
                (norm({q.x - target_x, q.y}) <= r0_ || reaches(p, q, target_x))) {
                const FluxPoint end = circle_point(target == Target::Charge1 ? 1 : 2, psi0);
                if (!inside) {
                    piece = new_piece(FluxEnd::Edge, crossing(end, p, psi0));
                }
                piece.points.push_back(end);
                piece.end = target == Target::Charge1 ? FluxEnd::Charge1 : FluxEnd::Charge2;
                out.push_back(std::move(piece));
                return;
            }
            const bool q_inside = in_region(q);
            if (inside && !q_inside) {
                piece.points.push_back(crossing(p, q, psi0));
                piece.end = FluxEnd::Edge;
                out.push_back(std::move(piece));
            } else if (!inside && q_inside) {
                piece = new_piece(FluxEnd::Edge, crossing(q, p, psi0));
                piece.points.push_back(q);
            } else if (inside) {
                piece.points.push_back(q);
            }
            inside = q_inside;
            if (!inside && target == Target::Infinity && norm({q.x, q.y}) >= far_radius_) {
                return;
            }
            p = q;
            t = tq;
            h = std::min(h * grow, kNearShare * nearest_charge(p));
        }
        // Out of steps (never for a sound line): keep what was traced.
        if (inside && piece.points.size() > 1) {
            out.push_back(std::move(piece));
        }
    }

    double q1_, q2_, a_, L_, r0_;
    double vertex_tol_, chord_tol_;
    Range range1_, range2_;
    double far_radius_ = 0;
};

// Levels per piece of parallel work, and the pieces worth several threads.
constexpr std::size_t kMaxLevelsPerPiece = 16;
constexpr std::size_t kPiecesForThreads = 48;

} // namespace

double flux_function(const ChargePair& c, double x, double y) {
    const double a = c.half_distance;
    return c.q1 * (x + a) / std::hypot(x + a, y) + c.q2 * (x - a) / std::hypot(x - a, y);
}

bool find_zero_field(const ChargePair& c, double& x) {
    const double a = c.half_distance;
    if (c.q1 == 0 || c.q2 == 0 || c.q1 == -c.q2) {
        return false;
    }
    if (c.q1 * c.q2 > 0) {
        // Between the charges: q1/(x + a)^2 = q2/(a - x)^2.
        const double s = std::sqrt(c.q2 / c.q1);
        x = a * (1 - s) / (1 + s);
    } else if (std::abs(c.q2) < std::abs(c.q1)) {
        // Beyond the smaller charge: |q1|/(x + a)^2 = |q2|/(x - a)^2 with x > a.
        const double s = std::sqrt(-c.q2 / c.q1);
        x = a * (1 + s) / (1 - s);
    } else {
        const double s = std::sqrt(-c.q1 / c.q2);
        x = -a * (1 + s) / (1 - s);
    }
    return true;
}

FluxLevels flux_levels(const ChargePair& c, int n) {
    FluxLevels out;
    const double m1 = std::abs(c.q1);
    const double m2 = std::abs(c.q2);
    if (n <= 0 || (m1 == 0 && m2 == 0)) {
        return out;
    }
    const bool first_larger = m1 >= m2;
    const double large = std::max(m1, m2);
    const double small = std::min(m1, m2);
    out.step = 2 * large / n;
    // A half rounds up, also when the ratio of the charges comes out a hair below it.
    const int smaller_count = static_cast<int>(std::floor(n * small / large + 0.5 + 1e-9));
    out.lines_of_charge1 = first_larger ? n : smaller_count;
    out.lines_of_charge2 = first_larger ? smaller_count : n;
    // The middle of the smaller charge's range, where its lines sit symmetrically.
    const double middle = first_larger ? c.q1 : -c.q2;
    const double origin = middle - (smaller_count - 1) * 0.5 * out.step;
    // The union of the ranges of the non-zero charges: one interval.
    double lo = 1e300, hi = -1e300;
    if (m1 > 0) {
        lo = -m1 - c.q2;
        hi = m1 - c.q2;
    }
    if (m2 > 0) {
        lo = std::min(lo, c.q1 - m2);
        hi = std::max(hi, c.q1 + m2);
    }
    const double first = std::ceil((lo - origin) / out.step);
    const double last = std::floor((hi - origin) / out.step);
    for (double i = first; i <= last; ++i) {
        const double v = origin + i * out.step;
        if (v > lo && v < hi) {
            out.levels.push_back(v);
        }
    }
    return out;
}

bool trace_flux_lines(const ChargePair& charges, const FluxLineSettings& settings,
                      Progress& progress, const FluxLineSink& take_line) {
    const FluxLevels found = flux_levels(charges, settings.lines_per_charge);
    const std::vector<double>& levels = found.levels;
    if (levels.empty()) {
        return true;
    }
    const Tracer tracer(charges, settings);
    double x_s = 0;
    const bool has_separatrix = find_zero_field(charges, x_s);
    const double total = static_cast<double>(levels.size() + (has_separatrix ? 1 : 0));
    if (has_separatrix) {
        if (!progress.report(0)) {
            return false;
        }
        std::vector<FluxLine> lines;
        tracer.separatrix(x_s, lines);
        for (FluxLine& line : lines) {
            take_line(line);
        }
    }
    const std::size_t per_piece =
        std::clamp<std::size_t>(levels.size() / 64, 1, kMaxLevelsPerPiece);
    const std::size_t pieces = (levels.size() + per_piece - 1) / per_piece;
    const double before = has_separatrix ? 1 : 0;
    const PieceCompute<std::vector<FluxLine>> compute = [&](std::size_t i, unsigned,
                                                            std::vector<FluxLine>& lines) {
        lines.clear();
        const std::size_t end = std::min(levels.size(), (i + 1) * per_piece);
        for (std::size_t j = i * per_piece; j < end; ++j) {
            tracer.level(levels[j], lines);
        }
    };
    const PieceTake<std::vector<FluxLine>> take = [&](std::size_t i, std::vector<FluxLine>& lines) {
        if (!progress.report((before + static_cast<double>(i * per_piece)) / total)) {
            return false;
        }
        for (FluxLine& line : lines) {
            take_line(line);
        }
        return true;
    };
    return run_in_order(pieces, workers_for(pieces, kPiecesForThreads), compute, take);
}

FluxLines flux_lines(const ChargePair& charges, const FluxLineSettings& settings,
                     Progress& progress) {
    FluxLines out;
    out.levels = flux_levels(charges, settings.lines_per_charge);
    out.complete = trace_flux_lines(charges, settings, progress, [&out](FluxLine& line) {
        out.lines.push_back(std::move(line));
    });
    return out;
}
