#include "analysis/zero_potential.h"
#include "analysis/axis_circle.h"

#include <algorithm>
#include <cmath>

#include "model/counted_loop.h"
#include "model/numbers.h"

void line_fi0(Module1& m, PictureBox& pic) {
    const double k = m.q_ratio;
    pic.pen_width = 2;
    if (std::abs(1 + k) < 0.01) {
        // Equal magnitudes, opposite signs: every point of the axis x = 0 is equidistant.
        pic.line(0, static_cast<float>(m.y_min), 0, m.y_max, kZeroPotentialColour);
    } else if (k < 0) {
        const double xc = m.a * (1 + k * k) / (1 - k * k);
        const double rc = 2 * m.a * std::abs(k / (1 - k * k));
        m.x_c = xc;
        m.R_c = rc;
        m.x0 = xc - rc;
        m.y0 = 0;
        m.y0m = -m.y0;
        pic.dot(static_cast<float>(m.x0), static_cast<float>(m.y0), rgb(0, 0, 0));
        draw_axis_circle(m, pic, xc, rc, kZeroPotentialColour);
    }
    // Like charges, or a zero charge: there is no such line.
    pic.pen_width = 1;
}

std::string zero_potential_message(const Module1& m) {
    const std::string crlf = "\r\n";
    return "При одноименных зарядах такой линии нет." + crlf + "    " + crlf +
           "При разноименных зарядах линия fi=0 является окружностью" + crlf +
           "с центром при y=0 и x=" + format_fixed(m.x_c.value_or(0), 2, m.dec_sep) + " м" + crlf +
           "и радиусом " + format_fixed(m.R_c.value_or(0), 2, m.dec_sep) + " м." + crlf +
           "При одинаковых по величине зарядах вырождается в прямую x=0";
}

void zero_potential_click(Module1& m, PictureBox& pic, Dialogs& dialogs, Progress& progress) {
    if (!progress.report(0)) {
        return;
    }
    line_fi0(m, pic);
    if (!progress.report(1)) {
        return;
    }
    dialogs.message(zero_potential_message(m), kZeroPotentialTitle);
}
