#pragma once
// Field lines of equal flux, each traced exactly along its level of the flux function.
//
// For q1 at (-a, 0) and q2 at (+a, 0) the function
//     Psi(x, y) = q1*(x + a)/r1 + q2*(x - a)/r2 = q1*cos(t1) + q2*cos(t2)
// (t1, t2 the angles at the charges from the +x direction) is, up to a constant factor, the
// flux of E through the circle about the x axis through (x, y). Its gradient, (y/k)*(Ey, -Ex),
// is perpendicular to E, so every field line is a level curve of Psi, and lines at equal steps
// of Psi carry equal flux. A line leaving charge 1 at the angle alpha has Psi = q1*cos(alpha) -
// q2, one reaching charge 2 at beta has Psi = q1 + q2*cos(beta), and one going to infinity at
// the polar angle phi has Psi = (q1 + q2)*cos(phi). So charge 1's lines fill the levels between
// -|q1| - q2 and |q1| - q2, charge 2's those between q1 - |q2| and q1 + |q2|, and a level in
// both ranges is one line that joins the charges.
//
// Levels. The step is dPsi = 2*|q_large|/n: the larger charge's range holds n steps, the
// smaller charge's n*|q_small|/|q_large| = m, generally not a whole number. The smaller charge
// gets M = round(m) lines (a half rounds up) placed symmetrically in its range, at
// c + (i - (M - 1)/2)*dPsi (c the middle of its range), and the same lattice of step dPsi goes
// on through the larger charge's range, where it lands n points. Every end of a range (an axis
// line, or the separatrix) lies at least a quarter step from the nearest level, since the ends
// are m/2 steps from the middle c and the larger range's ends a whole n steps further, so the
// counts hold exactly: n lines touch the larger charge and M the smaller one in the upper half
// plane, at equal steps of Psi throughout, and no level is an axis line or the separatrix. With
// charges of equal size both get n and the lattice is the mid-point one of each range; with a
// zero charge the other's lines are its n mid-point levels.
//
// Where a line goes. A level in both ranges joins the charges; a level in one range runs from
// that charge to infinity (with a net charge of the other sign, to that charge from infinity:
// the same curve). Each level is one curve, traced from its charge (the larger one where it
// joins both) along E or against it, through the region and beyond it: a line that leaves the
// region is followed outside, undrawn, and starts a new piece where it comes back in, so the
// lines that reach the smaller charge from far away enter at their true edge points. A line
// bound for infinity is followed outside until it is beyond both the region and the radius past
// which the radial field keeps one sign, so it cannot come back.
//
// The separatrix. Where the field vanishes at a point (between like charges, or beyond the
// smaller of unlike ones), the line through that point perpendicular to the axis is traced as a
// line of its own: from the zero-field point to infinity for like charges, to the larger charge
// for unlike ones. Its level is the end of a range, never one of the lattice. The axis, which is
// made of field lines too, is left to the frame.
//
// Exactness. Each step is predicted along the tangent and then moved back onto its level
// along grad Psi (Newton), to within a few thousandths of a pixel; the step is limited so that
// the chord between two vertices stays within a fraction of a pixel of the curve (from the
// tangents at both ends) and so that it never jumps past a charge.
#include <functional>
#include <vector>

#include "base/progress.h"
#include "picture/charge_pair.h"
#include "picture/curve_steps.h"

using FluxPoint = PlanePoint;

// Where a piece of a line starts or ends.
enum class FluxEnd : unsigned char { Charge1, Charge2, Edge, ZeroField };

// One piece of a field line inside the region, in the upper half plane (y >= 0); it is drawn
// with its mirror image below the axis.
struct FluxLine {
    std::vector<FluxPoint> points;
    double level = 0; // Psi along the piece
    FluxEnd start = FluxEnd::Edge, end = FluxEnd::Edge;
    bool along_field = true; // the points run in the direction of E
    bool separatrix = false;
};

struct FluxLineSettings {
    int lines_per_charge = 6;   // n; nothing is traced for n <= 0
    double half_width = 4;      // the region is [-L, L] x [-L, L]
    double pixel = 8.0 / 515;   // metres per pixel (the finer direction): sets the tolerances
    double start_radius = 0.05; // r0: lines start and end on circles of this radius
};

// The levels of Psi for a count n, as described above, in increasing order.
struct FluxLevels {
    std::vector<double> levels;
    double step = 0;
    int lines_of_charge1 = 0, lines_of_charge2 = 0;
};
FluxLevels flux_levels(const ChargePair& charges, int lines_per_charge);

struct FluxLines {
    std::vector<FluxLine> lines; // the separatrix first, then the levels in increasing order
    FluxLevels levels;
    bool complete = true; // false when the progress said stop
};

// Traces every level (several at once on all cores when there are many). Reports the share of
// levels done before each one and stops, keeping the whole levels traced, when told.
FluxLines flux_lines(const ChargePair& charges, const FluxLineSettings& settings,
                     Progress& progress = no_progress());

// The same, handing each piece to `take` on the calling thread, in the order above, as soon as it
// and those before it are traced, instead of keeping them; false when the progress said stop.
using FluxLineSink = std::function<void(FluxLine&)>;
bool trace_flux_lines(const ChargePair& charges, const FluxLineSettings& settings,
                      Progress& progress, const FluxLineSink& take);

// Psi at (x, y).
double flux_function(const ChargePair& charges, double x, double y);

// The x of the point of the axis where the field vanishes; false where there is none (a single
// charge, charges equal and opposite, or none).
bool find_zero_field(const ChargePair& charges, double& x);
