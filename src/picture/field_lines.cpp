#include "picture/field_lines.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/bit_cast.h"
#include "base/parallel.h"
#include "base/primitive_buffer.h"
#include "model/counted_loop.h"
#include "model/point_field.h"

namespace {

// v^(3/2) as v*sqrt(v), a third of the time of pow(v, 1.5). Not always the same double as pow,
// but every slope comes out the same in single precision, so the lines go through the same
// points: checked on the whole grid of charges and sizes (bench/picture_digest.cpp).
double three_halves(double v) {
    return v * std::sqrt(v);
}

// dr/dphi at an angle whose cosine c and sine s are known.
float polar_slope(double q1, double q2, double a, double c, double s, double r) {
    const double u1 = q1 * three_halves((r * r - 2 * a * r * c) + a * a);
    const double u2 = q2 * three_halves((r * r + 2 * a * r * c) + a * a);
    return static_cast<float>(-r * (c + (r * (u1 + u2) / (u1 - u2)) / a) / s);
}

// The polar step of every line: pi/501.
constexpr double kPolarStep = kPi / 501;

// Whether the piece from (x0, y0) by (dx, dy) comes within r0 of a charge (at -a and a) between
// its ends. No field line runs through a charge: such a piece jumped across one (and often far
// beyond).
bool passes_a_charge(double x0, double y0, double dx, double dy, double a, double r0) {
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0)) {
        return false;
    }
    for (const double cx : {-a, a}) {
        const double t = ((cx - x0) * dx - y0 * dy) / len2;
        const double ex = x0 + t * dx - cx;
        const double ey = y0 + t * dy;
        if (t > 0 && t < 1 && ex * ex + ey * ey < r0 * r0) {
            return true;
        }
    }
    return false;
}

} // namespace

float radius_slope(const FieldParams& params, double phi, double r) {
    return polar_slope(params.q1, params.q2, params.half_distance, std::cos(phi), std::sin(phi), r);
}

float field_slope(const FieldParams& params, double x, double y) {
    const PointField f = field_at(params, x, y);
    return f.ey / f.ex;
}

std::vector<double> start_angles(std::int16_t lines_per_charge) {
    std::vector<double> thetas;
    if (lines_per_charge <= 0) {
        return thetas; // no angular spacing
    }
    const float d_theta = static_cast<float>(kPi / lines_per_charge);
    const double step = d_theta;
    for (double theta = d_theta / 3.0f; loop_goes_on(theta, kPi, step); theta += step) {
        thetas.push_back(theta);
    }
    return thetas;
}

EdgeSide edge_side(const FieldParams& params) {
    const bool unlike = params.q1 * params.q2 < 0;
    if (unlike && std::abs(params.q2) < std::abs(params.q1)) {
        return EdgeSide::Right;
    }
    if (unlike && std::abs(params.q1) < std::abs(params.q2)) {
        return EdgeSide::Left;
    }
    return EdgeSide::None;
}

FieldLineTracer::FieldLineTracer(const FieldParams& params, const ChargeMarks& charges)
    : params_(params), q1_(params.q1), q2_(params.q2), a_(params.half_distance),
      half_width_(params.half_width), r0_(charges.charge_radius), lines_(params.lines_per_charge) {}

FieldLineTracer::Angle FieldLineTracer::angle(double phi) {
    return {phi, std::cos(phi), std::sin(phi)};
}

float FieldLineTracer::slope_at(double c, double s, double r) const {
    return polar_slope(q1_, q2_, a_, c, s, r);
}

void FieldLineTracer::field_segment(PictureBox& pic, double x, float y) {
    pic.line(static_cast<float>(x0_), static_cast<float>(y0_), static_cast<float>(x), y,
             kFieldLineColour);
    pic.line(static_cast<float>(x0_), static_cast<float>(y0m_), static_cast<float>(x), -y,
             kFieldLineColour);
    x_ = x;
    y_ = y;
    x0_ = x;
    y0_ = y;
    y0m_ = -y;
}

bool FieldLineTracer::polar_step(PictureBox& pic, Angle& start) {
    const double d_phi = d_phi_;
    const double r_cur = r_cur_;
    const Angle mid = angle(start.phi + d_phi / 2);
    const Angle end = angle(start.phi + d_phi);
    const double k1 = d_phi * slope_at(start.c, start.s, r_cur);
    const double k2 = d_phi * slope_at(mid.c, mid.s, r_cur + k1 / 2);
    const double k3 = d_phi * slope_at(mid.c, mid.s, r_cur + k2 / 2);
    const float k4 = static_cast<float>(d_phi * slope_at(end.c, end.s, r_cur + k3));
    const double r_new = r_cur + (k1 + 2 * k2 + 2 * k3 + k4) / 6;
    start = end;
    const double x = r_new * end.c;
    const float y = static_cast<float>(r_new * end.s);
    // The step broke down when the radius is not positive (the line ran through the origin or
    // the slope blew up near a charge), when it reaches or crosses the axis (phi = 0 or pi),
    // where dr/dphi is undefined and its huge values throw the point far across the picture,
    // when the piece passes a charge, or when it is many times longer than the step the slope
    // at its start promises (the slope blew up between the Runge-Kutta stages). Such a step is
    // no piece of the line: nothing is drawn and the line ends.
    const double dx = x - x0_;
    const double dy = y - y0_;
    const double expected2 = r_cur * d_phi * r_cur * d_phi + k1 * k1;
    if (!(r_new > 0) || !(end.s > 1e-9) || !std::isfinite(x) || !std::isfinite(y) ||
        dx * dx + dy * dy > 100 * expected2 || passes_a_charge(x0_, y0_, dx, dy, a_, r0_)) {
        return false;
    }
    field_segment(pic, x, y);
    r_cur_ = r_new;
    return true;
}

bool FieldLineTracer::cartesian_step(PictureBox& pic, float y_at) {
    const double y = y_at;
    const double h = y_step_;
    const double x0 = x0_;
    const double k1 = h / field_slope(params_, x0, y);
    const double k2 = h / field_slope(params_, x0 + k1 / 2, y + h / 2);
    const double k3 = h / field_slope(params_, x0 + k2 / 2, y + h / 2);
    const float k4 = static_cast<float>(h / field_slope(params_, x0 + k3, y + h));
    const double x = x0 + (k1 + 2 * k2 + 2 * k3 + k4) / 6;
    if (!std::isfinite(x)) {
        return false;
    }
    x_ = x;
    const double y_top = y + h;
    pic.line(static_cast<float>(x0), static_cast<float>(y0_), static_cast<float>(x),
             static_cast<float>(y_top), kFieldLineColour);
    pic.line(static_cast<float>(x0), static_cast<float>(y0m_), static_cast<float>(x),
             static_cast<float>(-y_top), kFieldLineColour);
    x0_ = x;
    y0_ = y_top;
    y0m_ = -y0_;
    return true;
}

// Whether the point (x, y) lies outside the square or within r0 of the charge at target_x.
bool FieldLineTracer::leaves_or_arrives(double x, float y, double target_x) const {
    if (std::abs(x) > half_width_ || std::abs(y) > half_width_) {
        return true;
    }
    return std::sqrt((x - target_x) * (x - target_x) + static_cast<double>(y) * y) < r0_;
}

// Polar tracing from the current (x0, y0, r_cur) with phi from `from` by d_phi up to `to`,
// until the line leaves the square or comes within r0 of the charge at `target_x`.
void FieldLineTracer::trace_polar(PictureBox& pic, double from, double to, double target_x) {
    const double step = d_phi_;
    Angle at{0, 0, 0};
    for (double phi = from; loop_goes_on(phi, to, step); phi += step) {
        // Each step starts at the angle where the last one ended, whose cosine and sine are
        // known already.
        if (portable::bit_cast<std::uint64_t>(at.phi) != portable::bit_cast<std::uint64_t>(phi) ||
            phi == from) {
            at = angle(phi);
        }
        if (!polar_step(pic, at) || leaves_or_arrives(x_, y_, target_x)) {
            break;
        }
    }
}

// A straight radial piece chain upward from (x0, y0) with slope dx/dy, to height L.
void FieldLineTracer::trace_straight(PictureBox& pic, double dxdy) {
    const float end = static_cast<float>(half_width_);
    const float step = static_cast<float>(y_step_);
    for (float y = static_cast<float>(y0_); loop_goes_on(y, end, step); y += step) {
        const double x = x0_ + dxdy * y_step_;
        y = static_cast<float>(y0_ + y_step_);
        field_segment(pic, x, y);
    }
}

// Cartesian tracing of x(y) upward from (x0, y0) until the line leaves the square.
void FieldLineTracer::trace_cartesian(PictureBox& pic) {
    const float end = static_cast<float>(half_width_);
    const float step = static_cast<float>(y_step_);
    for (float y = static_cast<float>(y0_); loop_goes_on(y, end, step); y += step) {
        if (!cartesian_step(pic, y) || std::abs(x_) > half_width_ || std::abs(y) > half_width_) {
            break;
        }
    }
}

void FieldLineTracer::lines_at_angle(PictureBox& pic, double theta) {
    const double r0 = r0_, a = a_;
    const double ct = std::cos(theta);
    const double st = std::sin(theta);
    const double rho0 = std::sqrt(r0 * r0 - 2 * r0 * a * ct + a * a);
    const float psi0 = static_cast<float>(std::atan(r0 * st / (a - r0 * ct)));
    d_phi_ = kPolarStep;
    y_step_ = (q1_ == 0 || q2_ == 0) ? half_width_ / 50 : half_width_ / 501;
    const double cp = std::cos(static_cast<double>(psi0));
    const double sp = std::sin(static_cast<double>(psi0));

    if (q2_ == 0) {
        x0_ = -rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        trace_straight(pic, (x0_ + a) / y0_);
    } else if (q1_ == 0) {
        x0_ = rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        trace_straight(pic, (x0_ - a) / y0_);
    } else if (q1_ * q2_ < 0) {
        r_cur_ = rho0;
        x0_ = rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        trace_polar(pic, psi0, kPi - d_phi_, -a);

        r_cur_ = rho0;
        x0_ = -rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        d_phi_ = -d_phi_;
        trace_polar(pic, kPi - psi0, 0, a);
    } else {
        x0_ = rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        trace_cartesian(pic);
        x0_ = -rho0 * cp;
        y0_ = rho0 * sp;
        y0m_ = -y0_;
        trace_cartesian(pic);
    }
}

void FieldLineTracer::edge_line(PictureBox& pic, double number, EdgeSide side) {
    if (side == EdgeSide::Right) {
        d_phi_ = kPolarStep;
        y0_ = number * half_width_ / lines_ + 10 * d_phi_;
        x0_ = half_width_;
        y0m_ = -y0_;
        r_cur_ = std::sqrt(x0_ * x0_ + y0_ * y0_);
        const float psi0 = static_cast<float>(std::atan(y0_ / x0_));
        trace_polar(pic, psi0, kPi - d_phi_, -a_);
    } else if (side == EdgeSide::Left) {
        d_phi_ = -kPolarStep;
        y0_ = number * half_width_ / lines_ - 10 * d_phi_;
        x0_ = -half_width_;
        y0m_ = -y0_;
        r_cur_ = std::sqrt(x0_ * x0_ + y0_ * y0_);
        const float psi0 = static_cast<float>(-std::atan(y0_ / x0_));
        trace_polar(pic, kPi - psi0, 0, a_);
    }
}

namespace {

// Start angles and edge lines worth tracing on several threads: a few tens (each takes a tenth
// of a millisecond to a millisecond).
constexpr std::size_t kPiecesForThreads = 32;

} // namespace

void draw_field_lines(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                      Progress& progress) {
    const std::vector<double> thetas = start_angles(params.lines_per_charge);
    if (thetas.empty()) {
        return;
    }
    // Then the lines entering from the edge on the weaker charge's side.
    const EdgeSide side = edge_side(params);
    std::vector<double> edge_numbers;
    if (side != EdgeSide::None) {
        const double last = std::floor(params.lines_per_charge / 2.0);
        for (double i = 0; loop_goes_on(i, last, 1.0); i += 1) {
            edge_numbers.push_back(i);
        }
    }
    // Piece j: the lines of start angle j, then edge line j - (number of angles).
    const std::size_t angles = thetas.size();
    const std::size_t pieces = angles + edge_numbers.size();
    const auto trace = [&](FieldLineTracer& tracer, PictureBox& box, std::size_t j) {
        if (j < angles) {
            tracer.lines_at_angle(box, thetas[j]);
        } else {
            tracer.edge_line(box, edge_numbers[j - angles], side);
        }
    };

    const unsigned threads = workers_for(pieces, kPiecesForThreads);
    if (threads <= 1 || pieces <= 1) {
        FieldLineTracer tracer(params, charges);
        for (std::size_t j = 0; j < pieces; ++j) {
            if (!progress.report(static_cast<double>(j) / pieces)) {
                return;
            }
            trace(tracer, pic, j);
        }
        return;
    }
    // Each thread traces with a tracer of its own and draws into a buffer of its own at the
    // picture's pen width.
    std::vector<FieldLineTracer> tracers(threads, FieldLineTracer(params, charges));
    const int width = pic.pen_width;
    const PieceCompute<PrimitiveBuffer> compute = [&](std::size_t j, unsigned worker,
                                                      PrimitiveBuffer& out) {
        out.clear();
        out.pen_width = width;
        trace(tracers[worker], out, j);
    };
    const PieceTake<PrimitiveBuffer> take = [&](std::size_t j, PrimitiveBuffer& in) {
        if (!progress.report(static_cast<double>(j) / pieces)) {
            return false;
        }
        in.replay(pic);
        return true;
    };
    run_in_order(pieces, threads, compute, take);
}
