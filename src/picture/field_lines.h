#pragma once
// The family of field lines: traced from small circles around the charges, each line drawn
// with its mirror image below the x axis.
#include <cstdint>
#include <vector>

#include "base/colour.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

// pi as the tracing uses it: the double nearest the ten-digit decimal.
inline constexpr double kPi = 3.1415926535;
inline constexpr Colour kFieldLineColour = rgb(200, 0, 0);

// dr/dphi of the field line through the polar point (r, phi) about the origin:
// r*E_r/E_phi = -r*(cos phi + r*(u1 + u2)/((u1 - u2)*a))/sin phi with u1 = q1*d2^3 and
// u2 = q2*d1^3 (d1, d2 the distances to the left and right charge).
float radius_slope(const FieldParams& params, double phi, double r);

// dy/dx of the field direction at (x, y): Ey/Ex in single precision.
float field_slope(const FieldParams& params, double x, double y);

// The start angles of the lines around each charge: from a third of the spacing pi/n by the
// spacing up to pi, counted as the tracing counts them (none for a count of zero or below).
std::vector<double> start_angles(std::int16_t lines_per_charge);

// Which side the lines entering from the edge come from: the weaker charge's side for unlike
// charges of different magnitude, none otherwise.
enum class EdgeSide { None, Right, Left };
EdgeSide edge_side(const FieldParams& params);

// Traces field lines for one set of inputs and draws them; its working values are those of the
// line being traced. One per thread: the pieces of a picture traced at once each have their own.
class FieldLineTracer {
  public:
    FieldLineTracer(const FieldParams& params, const ChargeMarks& charges);

    // The lines of one start angle theta: one from each charge (or one straight line from the
    // only charge). Straight radial lines when one charge is zero, polar tracing for unlike
    // charges, Cartesian tracing for like charges.
    void lines_at_angle(PictureBox& pic, double theta);
    // Edge line number `number` (0, 1, ... up to half the line count) from `side`, traced
    // polar towards the stronger charge.
    void edge_line(PictureBox& pic, double number, EdgeSide side);

  private:
    struct Angle {
        double phi;
        double c, s;
    };
    static Angle angle(double phi);
    float slope_at(double c, double s, double r) const;
    // Segment (x0, y0)-(x, y) and its mirror (x0, y0m)-(x, -y); (x, y) becomes the last point.
    void field_segment(PictureBox& pic, double x, float y);
    // One fourth-order Runge-Kutta step of the polar equation from the angle `start` (whose
    // cosine and sine are known) by d_phi; draws the piece. On success `start` holds the angle
    // the step ended at. Returns false, drawing nothing, when the step breaks down (a radius
    // that is not positive, a step that ends on the axis, a piece that passes within r0 of a
    // charge or is over ten times as long as the slope at its start gives).
    bool polar_step(PictureBox& pic, Angle& start);
    // One Runge-Kutta step of x(y) from (x0, y) by the y step; draws the piece and its mirror.
    // Returns false, drawing nothing, when the step meets a zero denominator.
    bool cartesian_step(PictureBox& pic, float y);
    bool leaves_or_arrives(double x, float y, double target_x) const;
    void trace_polar(PictureBox& pic, double from, double to, double target_x);
    void trace_straight(PictureBox& pic, double dxdy);
    void trace_cartesian(PictureBox& pic);

    const FieldParams& params_;
    const double q1_, q2_, a_, half_width_, r0_;
    const std::int16_t lines_;
    // The line being traced: its last point and that of its mirror, its polar radius, the
    // polar step and the Cartesian step.
    double x0_ = 0, y0_ = 0, y0m_ = 0;
    double r_cur_ = 0;
    double d_phi_ = 0;
    double y_step_ = 0;
    // The last point drawn.
    double x_ = 0;
    float y_ = 0;
};

// All field lines for the inputs: lines_per_charge start angles per charge, then the lines
// entering from the edge (Int(lines_per_charge/2) + 1 of them). A zero or negative count draws
// nothing. Reports after every start angle and edge line; a stop ends it there. The lines of
// different start angles are traced on all cores at once where there are several, and drawn in
// the same order.
void draw_field_lines(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                      Progress& progress = no_progress());
