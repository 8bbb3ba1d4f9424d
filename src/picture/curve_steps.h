#pragma once
// The steps of a curve traced exactly along a level of a smooth function of the plane: the field
// lines of equal flux (levels of the flux function) and the exact equipotentials (levels of the
// potential). Each step is predicted along the tangent, moved back onto the level along the
// gradient (Newton), and accepted when the chord keeps close to the curve; these are the parts
// both tracers share.
#include <algorithm>
#include <cmath>

struct PlanePoint {
    double x, y;
};

struct Vec {
    double x, y;
};

inline Vec operator-(PlanePoint a, PlanePoint b) {
    return {a.x - b.x, a.y - b.y};
}
inline double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
// Lengths here are far from overflow and underflow: no need for hypot's care (or its time).
inline double norm(Vec v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

inline constexpr double kCurvePi = 3.14159265358979323846;

// The two charges' terms at p, for charges q1 at (-a, 0) and q2 at (a, 0) in units of the
// Coulomb factor: the offsets along x and the inverse distances, and the field E/k.
struct ChargeTerms {
    double d1, d2, i1, i2;
    double ex, ey;
};
inline ChargeTerms charge_terms(PlanePoint p, double a, double q1, double q2) {
    const double d1 = p.x + a;
    const double d2 = p.x - a;
    const double y2 = p.y * p.y;
    const double i1 = 1 / std::sqrt(d1 * d1 + y2);
    const double i2 = 1 / std::sqrt(d2 * d2 + y2);
    const double c1 = q1 * i1 * i1 * i1;
    const double c2 = q2 * i2 * i2 * i2;
    return {d1, d2, i1, i2, c1 * d1 + c2 * d2, (c1 + c2) * p.y};
}

// The distance from p to the nearer of the charges that are not zero (infinite for none).
inline double nearest_charge(PlanePoint p, double a, double q1, double q2) {
    double d = HUGE_VAL;
    if (q1 != 0) {
        d = norm({p.x + a, p.y});
    }
    if (q2 != 0) {
        d = std::min(d, norm({p.x - a, p.y}));
    }
    return d;
}

// The angle between a unit vector u and a vector v of length len, where it is below a right
// angle: from its sine by the first terms of arcsin's series, within 3e-5 of it up to
// kMaxStepTurn; any angle from a right angle up comes out as at least pi/2.
inline double angle_between(Vec u, Vec v, double len) {
    const double s = std::abs(u.x * v.y - u.y * v.x) / len;
    if (dot(u, v) <= 0 || s >= 1) {
        return kCurvePi / 2;
    }
    return s * (1 + s * s * (1.0 / 6 + s * s * (3.0 / 40)));
}

// The chord's distance from the curve allowed, in pixels, as estimated from the tangents at its
// ends (judge_step).
inline constexpr double kChordTolerance = 0.2;
// A step is at most this share of the distance to the nearer charge, so it never jumps past one.
inline constexpr double kNearShare = 0.5;
// Steps per curve and Newton iterations per vertex that a sound curve never comes near.
inline constexpr int kMaxSteps = 200000;
inline constexpr int kMaxNewton = 12;

// The largest angle between a chord and the tangent at either of its ends, in radians: each
// step stays on a gently curving stretch, where the chord estimate holds and no bend is cut.
inline constexpr double kMaxStepTurn = 0.25;

// Whether the chord from a vertex with unit tangent t to the next with unit tangent tq follows
// the curve closely enough, and by how much the next step may grow (or this one is to shrink).
// For a smooth arc whose tangents make the angles turn_p and turn_q with its chord, the arc
// keeps within about c*(turn_p + turn_q)*4/27 of the chord of length c (a cubic with those end
// slopes), c*(turn_p + turn_q)/8 for a circle. Only a chord that is drawn (`drawn`) is held to
// `chord_tolerance`.
struct StepVerdict {
    bool accepted;
    double grow;
};
inline StepVerdict judge_step(Vec t, Vec tq, Vec chord, bool drawn, double chord_tolerance) {
    const double c = norm(chord);
    const double turn_p = angle_between(t, chord, c);
    const double turn_q = angle_between(tq, chord, c);
    const double bow = 0.15 * c * (turn_p + turn_q);
    const double turn = std::max(turn_p, turn_q);
    double grow = 2;
    if (turn > 0) {
        grow = std::min(grow, 0.9 * kMaxStepTurn / turn);
    }
    if (drawn && bow > 0) {
        grow = std::min(grow, 0.9 * std::sqrt(chord_tolerance / bow));
    }
    return {c > 0 && turn <= kMaxStepTurn && !(drawn && bow > chord_tolerance), grow};
}

// The point of a level on the edge of the region |x| <= L, y <= L between p (inside) and q
// (outside), both on the level: the chord's points, each moved onto the level by
// project(point, max_move), searched by regula falsi (Illinois) until within `tolerance` of the
// edge, then put exactly on it.
template <class Project>
PlanePoint edge_crossing(PlanePoint p, PlanePoint q, double L, double tolerance, Project project) {
    const auto outside_by = [L](PlanePoint v) { return std::max(std::abs(v.x) - L, v.y - L); };
    double ta = 0, tb = 1;
    double fa = outside_by(p), fb = outside_by(q);
    PlanePoint x = p;
    int side = 0;
    for (int it = 0; it < 60; ++it) {
        const double t = (ta * fb - tb * fa) / (fb - fa);
        x = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
        project(x, norm(q - p));
        const double f = outside_by(x);
        if (std::abs(f) <= tolerance) {
            break;
        }
        if (f < 0) {
            ta = t;
            fa = f;
            if (side == -1) {
                fb /= 2;
            }
            side = -1;
        } else {
            tb = t;
            fb = f;
            if (side == 1) {
                fa /= 2;
            }
            side = 1;
        }
    }
    if (std::abs(x.x) - L >= x.y - L) {
        x.x = std::copysign(L, x.x);
    } else {
        x.y = L;
    }
    return x;
}
