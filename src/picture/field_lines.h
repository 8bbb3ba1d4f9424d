#pragma once
// The family of field lines: traced from small circles around the charges, each line drawn
// with its mirror image below the x axis.
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

// pi as the tracing uses it: the double nearest the ten-digit decimal.
inline constexpr double kPi = 3.1415926535;
inline constexpr Colour kFieldLineColour = rgb(200, 0, 0);

// Segment (x0, y0)-(x, y) and its mirror (x0, y0m)-(x, -y) in the field-line colour.
void seg_E(const Module1& m, PictureBox& pic);

// dr/dphi of the field line through the polar point (r, phi) about the origin:
// r*E_r/E_phi = -r*(cos phi + r*(u1 + u2)/((u1 - u2)*a))/sin phi with u1 = q1*d2^3 and
// u2 = q2*d1^3 (d1, d2 the distances to the left and right charge). Writes u1 and u2.
float drdphi(Module1& m, double phi, double r);

// dy/dx of the field direction at (x, y): Ey/Ex in single precision.
float slope_E(const Module1& m, double x, double y);

// One fourth-order Runge-Kutta step of the polar equation from (phi, r_cur) by d_phi; draws
// the piece with seg_E. Returns false, drawing nothing, when the step meets a zero denominator
// or breaks down (a radius that is not positive, a step that ends on the axis, a piece that
// passes within r0 of a charge or is over ten times as long as the slope at its start gives).
bool rk4_polar(Module1& m, PictureBox& pic);

// One Runge-Kutta step of x(y) from (x0, y) by h_E; draws the piece and its mirror. Returns
// false, drawing nothing, when the step meets a zero denominator.
bool rk4_xy(Module1& m, PictureBox& pic);

// All field lines for the current charges: n_E start angles per charge; straight radial lines
// when one charge is zero, polar tracing for unlike charges (plus lines entering from the edge
// on the weaker charge's side when the magnitudes differ), Cartesian tracing for like charges.
// A zero or negative n_E draws nothing. Reports after every start angle and edge line; a stop
// ends it there. The lines of different start angles are traced on all cores at once where
// there are several, and drawn in the same order with the same values left in the record.
void lines_E(Module1& m, PictureBox& pic, Progress& progress = no_progress());
