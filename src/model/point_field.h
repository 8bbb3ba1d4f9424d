#pragma once
// Potential and field of the two charges at a point: double arithmetic, single results. The
// charges sit at x = -a and x = +a (a: the half distance).
#include "model/field_params.h"

// Potential [V] at (x, y) [m]: k*(q1/r1 + q2/r2). Inside or on a ball (distance <= ball_radius,
// compared in single precision) the potential of that ball's surface point facing the other
// charge, so the value stays finite everywhere.
float potential_at(const FieldParams& p, double x, double y);

// Ex [V/m] at (x, y): k*(q1*(x+a)/r1^3 + q2*(x-a)/r2^3). Exactly at a charge position the
// charge's own term (0/0) is left out: by symmetry it has no direction, so the value is the
// field of the other charge there.
float ex_at(const FieldParams& p, double x, double y);

// Ey [V/m] at (x, y): k*y*(q1/r1^3 + q2/r2^3); 0 on the axis.
float ey_at(const FieldParams& p, double x, double y);

// ex_at and ey_at together, to the bit, with each charge's r^3 worked out once.
struct PointField {
    float ex, ey;
};
PointField field_at(const FieldParams& p, double x, double y);
