#include "picture/field_lines.h"

#include <cmath>

#include "model/counted_loop.h"
#include "model/point_field.h"

void seg_E(const Module1& m, PictureBox& pic) {
    pic.Line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(m.x), m.y,
             kFieldLineColour);
    pic.Line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(m.x), -m.y,
             kFieldLineColour);
}

float drdphi(Module1& m, double phi, double r) {
    const double c = std::cos(phi);
    m.u1 = m.q1 * std::pow((r * r - 2 * m.a * r * c) + m.a * m.a, 1.5);
    m.u2 = m.q2 * std::pow((r * r + 2 * m.a * r * c) + m.a * m.a, 1.5);
    return static_cast<float>(-r * (c + (r * (m.u1 + m.u2) / (m.u1 - m.u2)) / m.a) / std::sin(phi));
}

float slope_E(const Module1& m, double x, double y) {
    const float ex = Ex_point(m, x, y);
    const float ey = Ey_point(m, x, y);
    return ey / ex;
}

namespace {

// Whether the piece from (x0, y0) by (dx, dy) comes within r0 of a charge between its ends. No
// field line runs through a charge: such a piece jumped across one (and often far beyond).
bool passes_a_charge(const Module1& m, double dx, double dy) {
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0)) {
        return false;
    }
    for (const double cx : {-m.a, m.a}) {
        const double t = ((cx - m.x0) * dx - m.y0 * dy) / len2;
        const double ex = m.x0 + t * dx - cx;
        const double ey = m.y0 + t * dy;
        if (t > 0 && t < 1 && ex * ex + ey * ey < m.r0 * m.r0) {
            return true;
        }
    }
    return false;
}

} // namespace

bool rk4_polar(Module1& m, PictureBox& pic) {
    m.k1 = m.d_phi * drdphi(m, m.phi, m.r_cur);
    m.k2 = m.d_phi * drdphi(m, m.phi + m.d_phi / 2, m.r_cur + m.k1 / 2);
    m.k3 = m.d_phi * drdphi(m, m.phi + m.d_phi / 2, m.r_cur + m.k2 / 2);
    m.k4 = static_cast<float>(m.d_phi * drdphi(m, m.phi + m.d_phi, m.r_cur + m.k3));
    m.r_new = m.r_cur + (m.k1 + 2 * m.k2 + 2 * m.k3 + m.k4) / 6;
    const double s_end = std::sin(m.phi + m.d_phi);
    const double x = m.r_new * std::cos(m.phi + m.d_phi);
    const float y = static_cast<float>(m.r_new * s_end);
    // The step broke down when the radius is not positive (the line ran through the origin or
    // the slope blew up near a charge), when it reaches or crosses the axis (phi = 0 or pi),
    // where dr/dphi is undefined and its huge values throw the point far across the picture,
    // when the piece passes a charge, or when it is many times longer than the step the slope
    // at its start promises (the slope blew up between the Runge-Kutta stages). Such a step is
    // no piece of the line: nothing is drawn and the line ends.
    const double dx = x - m.x0;
    const double dy = y - m.y0;
    const double expected2 = m.r_cur * m.d_phi * m.r_cur * m.d_phi + m.k1 * m.k1;
    if (!(m.r_new > 0) || !(s_end > 1e-9) || !std::isfinite(x) || !std::isfinite(y) ||
        dx * dx + dy * dy > 100 * expected2 || passes_a_charge(m, dx, dy)) {
        return false;
    }
    m.x = x;
    m.y = y;
    seg_E(m, pic);
    m.r_cur = m.r_new;
    m.x0 = m.x;
    m.y0 = m.y;
    m.y0m = -m.y;
    return true;
}

bool rk4_xy(Module1& m, PictureBox& pic) {
    const double y = m.y;
    m.k1 = m.h_E / slope_E(m, m.x0, y);
    m.k2 = m.h_E / slope_E(m, m.x0 + m.k1 / 2, y + m.h_E / 2);
    m.k3 = m.h_E / slope_E(m, m.x0 + m.k2 / 2, y + m.h_E / 2);
    m.k4 = static_cast<float>(m.h_E / slope_E(m, m.x0 + m.k3, y + m.h_E));
    const double x = m.x0 + (m.k1 + 2 * m.k2 + 2 * m.k3 + m.k4) / 6;
    if (!std::isfinite(x)) {
        return false;
    }
    m.x = x;
    const double y_top = y + m.h_E;
    pic.Line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(m.x),
             static_cast<float>(y_top), kFieldLineColour);
    pic.Line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(m.x),
             static_cast<float>(-y_top), kFieldLineColour);
    m.x0 = m.x;
    m.y0 = y_top;
    m.y0m = -m.y0;
    return true;
}

namespace {

bool outside_square(const Module1& m) {
    return std::abs(m.x) > m.L || std::abs(m.y) > m.L;
}

double dist_to(const Module1& m, double cx) {
    return std::sqrt((m.x - cx) * (m.x - cx) + static_cast<double>(m.y) * m.y);
}

// Polar tracing from the current (x0, y0, r_cur) with phi from `from` by d_phi up to `to`,
// until the line leaves the square or comes within r0 of the charge at `target_x`.
void trace_polar(Module1& m, PictureBox& pic, double from, double to, double target_x) {
    const double step = m.d_phi;
    for (m.phi = from; loop_goes_on(m.phi, to, step); m.phi += step) {
        if (!rk4_polar(m, pic) || outside_square(m) || dist_to(m, target_x) < m.r0) {
            break;
        }
    }
}

// A straight radial piece chain upward from (x0, y0) with slope dxdy, to height L.
void trace_straight(Module1& m, PictureBox& pic) {
    const float end = static_cast<float>(m.L);
    const float step = static_cast<float>(m.h_E);
    for (m.y = static_cast<float>(m.y0); loop_goes_on(m.y, end, step); m.y += step) {
        m.x = m.x0 + m.dxdy * m.h_E;
        m.y = static_cast<float>(m.y0 + m.h_E);
        seg_E(m, pic);
        m.x0 = m.x;
        m.y0 = m.y;
        m.y0m = -m.y;
    }
}

// Cartesian tracing of x(y) upward from (x0, y0) until the line leaves the square.
void trace_xy(Module1& m, PictureBox& pic) {
    const float end = static_cast<float>(m.L);
    const float step = static_cast<float>(m.h_E);
    for (m.y = static_cast<float>(m.y0); loop_goes_on(m.y, end, step); m.y += step) {
        if (!rk4_xy(m, pic) || outside_square(m)) {
            break;
        }
    }
}

} // namespace

void lines_E(Module1& m, PictureBox& pic) {
    if (m.n_E <= 0) {
        return; // no angular spacing: no field line, as for a negative count
    }
    m.d_theta = static_cast<float>(kPi / m.n_E);
    const double theta_step = m.d_theta;
    for (m.theta = m.d_theta / 3.0f; loop_goes_on(m.theta, kPi, theta_step);
         m.theta += theta_step) {
        const double ct = std::cos(m.theta);
        const double st = std::sin(m.theta);
        m.rho0 = std::sqrt(m.r0 * m.r0 - 2 * m.r0 * m.a * ct + m.a * m.a);
        m.psi0 = static_cast<float>(std::atan(m.r0 * st / (m.a - m.r0 * ct)));
        m.d_phi = kPi / 501;
        m.h_E = (m.q1 == 0 || m.q2 == 0) ? m.L / 50 : m.L / 501;
        const double cp = std::cos(static_cast<double>(m.psi0));
        const double sp = std::sin(static_cast<double>(m.psi0));

        if (m.q2 == 0) {
            m.x0 = -m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            m.dxdy = (m.x0 + m.a) / m.y0;
            trace_straight(m, pic);
        } else if (m.q1 == 0) {
            m.x0 = m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            m.dxdy = (m.x0 - m.a) / m.y0;
            trace_straight(m, pic);
        } else if (m.q1 * m.q2 < 0) {
            m.r_cur = m.rho0;
            m.x0 = m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            trace_polar(m, pic, m.psi0, kPi - m.d_phi, -m.a);

            m.r_cur = m.rho0;
            m.x0 = -m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            m.d_phi = -m.d_phi;
            trace_polar(m, pic, kPi - m.psi0, 0, m.a);
        } else {
            m.x0 = m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            trace_xy(m, pic);
            m.x0 = -m.rho0 * cp;
            m.y0 = m.rho0 * sp;
            m.y0m = -m.y0;
            trace_xy(m, pic);
        }
    }

    // Lines entering from the edge on the weaker charge's side, running to the stronger one.
    const bool unlike = m.q1 * m.q2 < 0;
    const double last = std::floor(m.n_E / 2.0);
    if (unlike && std::abs(m.q2) < std::abs(m.q1)) {
        m.d_phi = std::abs(m.d_phi);
        for (m.i = 0; loop_goes_on(m.i, last, 1.0); m.i += 1) {
            m.y0 = m.i * m.L / m.n_E + 10 * m.d_phi;
            m.x0 = m.L;
            m.y0m = -m.y0;
            m.r_cur = std::sqrt(m.x0 * m.x0 + m.y0 * m.y0);
            m.psi0 = static_cast<float>(std::atan(m.y0 / m.x0));
            trace_polar(m, pic, m.psi0, kPi - m.d_phi, -m.a);
        }
    } else if (unlike && std::abs(m.q1) < std::abs(m.q2)) {
        m.d_phi = -std::abs(m.d_phi);
        for (m.i = 0; loop_goes_on(m.i, last, 1.0); m.i += 1) {
            m.y0 = m.i * m.L / m.n_E - 10 * m.d_phi;
            m.x0 = -m.L;
            m.y0m = -m.y0;
            m.r_cur = std::sqrt(m.x0 * m.x0 + m.y0 * m.y0);
            m.psi0 = static_cast<float>(-std::atan(m.y0 / m.x0));
            trace_polar(m, pic, kPi - m.psi0, 0, m.a);
        }
    }
}
