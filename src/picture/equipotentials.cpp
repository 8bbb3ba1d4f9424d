#include "picture/equipotentials.h"

#include <cmath>
#include <vector>

#include "model/counted_loop.h"
#include "model/numbers.h"

void set_steps(Module1& m) {
    m.h = (m.x_max - m.x_min) / 400;
    m.h2 = 2 * m.h;
}

std::vector<double> node_potentials(const Module1& m) {
    const double x_end = m.x_max;
    const double x_step = m.h;
    const float y_end = m.y_max;
    const float y_step = static_cast<float>(m.h2);
    std::vector<double> potential;
    for (double x = m.x_min; loop_goes_on(x, x_end, x_step); x += x_step) {
        const double dx1 = x + m.a;
        const double dx2 = x - m.a;
        for (float y = 0; loop_goes_on(y, y_end, y_step); y += y_step) {
            const double yy = static_cast<double>(y) * y;
            const double r1 = std::sqrt(dx1 * dx1 + yy);
            const double r2 = std::sqrt(dx2 * dx2 + yy);
            potential.push_back(r1 == 0 || r2 == 0 ? std::nan("") : m.k * (m.q1 / r1 + m.q2 / r2));
        }
    }
    return potential;
}

void scan_potentials(Module1& m, PictureBox& pic, const std::vector<double>& potential,
                     double level, Colour colour) {
    const double x_end = m.x_max;
    const double x_step = m.h;
    const float y_end = m.y_max;
    const float y_step = static_cast<float>(m.h2);
    const float half = y_step / 2;
    // The scan visits the nodes in the order node_potentials stored them.
    std::size_t node = 0;
    for (m.x = m.x_min; loop_goes_on(m.x, x_end, x_step); m.x += x_step) {
        for (m.y = 0; loop_goes_on(m.y, y_end, y_step); m.y += y_step) {
            const double p = potential[node++];
            // A node on a charge has no finite potential: it takes no sign, so neither
            // comparison it takes part in yields a dot.
            m.dfi = std::isnan(p) ? 0.0f : static_cast<float>(p - level);
            if (m.y != 0 && m.dfi_prev * m.dfi < 0) {
                const float yd = m.y - half;
                pic.PSet(static_cast<float>(m.x), yd, colour);
                pic.PSet(static_cast<float>(m.x), -yd, colour);
            }
            m.dfi_prev = m.dfi;
        }
    }
}

void scan_level(Module1& m, PictureBox& pic, double level, Colour colour) {
    scan_potentials(m, pic, node_potentials(m), level, colour);
}

void lines_fi(Module1& m, PictureBox& pic) {
    set_steps(m);
    const double ra = std::abs(m.r0 - 2 * m.a);
    m.fi_b1 = m.k * (m.q1 / m.r0 + m.q2 / ra);
    m.fi_b2 = m.k * (m.q1 / ra + m.q2 / m.r0);
    const double d1 = std::sqrt((0 + m.a) * (0 + m.a) + m.L * m.L);
    const double d2 = std::sqrt((0 - m.a) * (0 - m.a) + m.L * m.L);
    m.fi_edge = m.k * (m.q1 / d1 + m.q2 / d2);

    if (m.q1 == 0) {
        m.fi_start = m.fi_edge;
        m.fi_end = m.fi_b2;
    } else if (m.q2 == 0) {
        m.fi_start = m.fi_edge;
        m.fi_end = m.fi_b1;
    } else if (m.q1 * m.q2 > 0 && std::abs(m.q2) <= std::abs(m.q1)) {
        m.fi_start = m.fi_b2;
        m.fi_end = m.fi_edge;
    } else if (m.q1 * m.q2 > 0) {
        m.fi_start = m.fi_b1;
        m.fi_end = m.fi_edge;
    } else {
        m.fi_start = m.fi_b2;
        m.fi_end = m.fi_b1;
    }
    if (m.n_fi == 0) {
        // No level spacing exists: no equipotential, the tool-tip keeps its text.
        return;
    }
    m.d_fi = (m.fi_end - m.fi_start) / m.n_fi;
    // The pattern " 0.00": a blank before the digits, the sign (if any) before the blank.
    const std::string step = format_fixed(m.d_fi, 2, m.dec_sep);
    m.label7_tooltip =
        step.front() == '-' ? "через - " + step.substr(1) + " B" : "через  " + step + " B";

    pic.DrawWidth = 2;
    const float lev_end = static_cast<float>(m.fi_end);
    const float lev_step = static_cast<float>(m.d_fi);
    // The potential of a node does not depend on the level: compute the grid once and scan it
    // for every level.
    const std::vector<double> potential = node_potentials(m);
    for (m.fi_lev = static_cast<float>(m.fi_start); loop_goes_on(m.fi_lev, lev_end, lev_step);
         m.fi_lev += lev_step) {
        scan_potentials(m, pic, potential, m.fi_lev, kEquipotentialColour);
        // A step below half the counter's precision would never reach the end: stop after this
        // level instead of scanning forever.
        if (m.fi_lev + lev_step == m.fi_lev) {
            break;
        }
    }
    pic.DrawWidth = 1;
}
