#include "analysis/level_scan.h"

#include <cmath>

#include "model/counted_loop.h"

void scan_level(Module1& m, PictureBox& pic, double level, Colour colour) {
    const double x_end = m.x_max;
    const double x_step = m.h;
    const float y_end = m.y_max;
    const float y_step = static_cast<float>(m.h2);
    const float half = static_cast<float>(m.h2 / 2);
    for (m.x = m.x_min; loop_goes_on(m.x, x_end, x_step); m.x += x_step) {
        const double dx1 = m.x + m.a;
        const double dx2 = m.x - m.a;
        for (m.y = 0; loop_goes_on(m.y, y_end, y_step); m.y += y_step) {
            const double yy = static_cast<double>(m.y) * m.y;
            const double r1 = std::sqrt(dx1 * dx1 + yy);
            const double r2 = std::sqrt(dx2 * dx2 + yy);
            if (r1 == 0 || r2 == 0) {
                // A node on a charge has no potential: it takes no sign, so neither of the
                // comparisons it takes part in yields a dot.
                m.dfi = 0;
            } else {
                m.dfi = static_cast<float>(m.k * (m.q1 / r1 + m.q2 / r2) - level);
            }
            if (m.y != 0 && m.dfi_prev * m.dfi < 0) {
                const float yd = m.y - half;
                pic.PSet(static_cast<float>(m.x), yd, colour);
                pic.PSet(static_cast<float>(m.x), -yd, colour);
            }
            m.dfi_prev = m.dfi;
        }
    }
}
