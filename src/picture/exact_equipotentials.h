#pragma once
// Equipotentials traced exactly as whole curves, instead of scanned as dots.
//
// The potential of q1 at (-a, 0) and q2 at (+a, 0), phi = k*(q1/r1 + q2/r2), is symmetric about
// the axis, and so is every level curve. Each closed surface phi = V encloses a charge, so the
// curve of every level crosses the axis on both sides of a charge, at right angles (d phi/dy = 0
// there), and its upper half is a set of arcs from the axis back to the axis. Along the axis
// phi - V is, between the charges and beyond either, a quadratic over a product of distances,
// so the crossings are found in closed form; each arc is traced from its crossing upward until
// it comes down on another one, which it then owns. An arc that leaves the region is followed
// outside, undrawn, and starts a new piece where it comes back in. With equal and opposite
// charges the zero level is the line x = 0, which goes away to infinity.
//
// The zero-field point. Where the field vanishes on the axis (between like charges, beyond the
// smaller of unlike ones) the level through it crosses itself: phi - V_s ~ phi_yy*(dy^2 -
// 2*dx^2)/2 there (Laplace's equation with phi_yy = phi_zz on the axis), so its branches leave
// the point at atan(sqrt 2) from the axis. That level is traced from the point outward along the
// two upper branches, so its figure-eight comes out whole; every other level passing near the
// point takes steps no longer than half its distance from it.
//
// Exactness, as for the field lines of equal flux (curve_steps.h): every vertex moved back onto
// its level along grad phi = -E until within a hundredth of `pixel`, every chord within a fifth
// of `pixel` of the curve, no step longer than half the distance to the nearer charge.
#include <vector>

#include "picture/charge_pair.h"
#include "picture/curve_steps.h"

struct EquipotentialSettings {
    double half_width = 4;        // the region is [-L, L] x [-L, L]
    double pixel = 8.0 / 544 / 4; // metres per pixel of the finest drawing: sets the tolerances
};

// Where a piece of a level starts or ends: on the axis (a crossing, or the zero-field point), or
// on the region's edge.
enum class CurveEnd : unsigned char { Axis, Edge };

// One piece of a level inside the region, in the upper half plane (y >= 0); it is drawn with its
// mirror image below the axis.
struct EquipotentialPiece {
    std::vector<PlanePoint> points;
    int arc = 0; // the arc of its level it belongs to: pieces of one arc make one curve
    CurveEnd start = CurveEnd::Axis, end = CurveEnd::Axis;
};

struct EquipotentialCurve {
    double volts = 0;
    bool through_zero_field = false;
    std::vector<EquipotentialPiece> pieces;
};

// The x of the points of the axis where the potential is `volts`, in increasing order. The
// zero-field point, where it is the level's, counts once.
std::vector<double> axis_crossings(const ChargePair& charges, double volts);

// The level traced whole; pieces in the order of their arcs.
EquipotentialCurve trace_equipotential(const ChargePair& charges,
                                       const EquipotentialSettings& settings, double volts);

// The zero-field point on the axis, its potential, and whether it lies in the region.
struct ZeroFieldLevel {
    bool exists = false;
    double x = 0, volts = 0;
};
ZeroFieldLevel zero_field_level(const ChargePair& charges);

// The levels worth drawing in the region, most wanted first: the level through the zero-field
// point when that point lies in the region, 0 V where the potential changes sign, then the
// round values that the potential takes in the region away from the charges (beyond
// `near_radius` of each), of both signs: first those of the 1-2-5 series (the powers of ten,
// then five, then two times them), then the values 3, 1.5 and 7 times a power of ten that the
// 1-1.5-2-3-5-7 series adds, then 4, 6 and 8 times one, each group from the largest magnitude
// down to a hundredth of the largest (but none within a millionth of the zero-field point's
// potential: that level is traced from the point itself). A picture asking for more levels than
// a coarser series has room for takes them from the finer ones.
struct LevelCandidate {
    double volts;
    enum Kind : unsigned char { ZeroField, Zero, Round } kind;
};
std::vector<LevelCandidate> level_candidates(const ChargePair& charges, double half_width,
                                             double near_radius);

// For v = m*10^n (to the double nearest such a decimal): 1 for m one of 1, 2, 5; 2 for m one of
// 1.5, 3, 7; 3 for m one of 4, 6, 8; otherwise 0.
int round_series_of(double v);

// m*10^n as the double nearest that decimal, the same on every machine; and the n with
// 10^n <= v < 10^(n + 1) for a positive finite v.
double decimal(double m, int n);
int decade_of(double v);
