#include "analysis/zero_field.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"
#include "picture/equipotentials.h"

namespace {

// No zero-field point: a zero charge, or equal and opposite charges.
bool no_zero_field_point(const Module1& m) {
    return m.q1 == 0 || m.q2 == 0 || std::abs(m.q1 + m.q2) < 0.0001;
}

double root(double v) {
    // Rounding can leave a radicand that is zero in exact arithmetic slightly negative.
    return std::sqrt(std::max(0.0, v));
}

void closed_form_points(Module1& m) {
    const double k = m.q_ratio;
    const double s = m.sqrt_ratio;
    const double a = m.a;
    const double far = 2 * m.L;
    m.x_E0 = m.y_1 = m.x_1 = m.x_2 = far;
    if (no_zero_field_point(m)) {
        return;
    }
    if (k > 0) {
        const double p = (1 + s) * (1 + s);
        m.x_E0 = a * (1 - s) / (1 + s);
        m.y_1 = a * root(4 * (1 + k) * (1 + k) / (p * p) - 1);
        m.x_1 = -a * ((1 + s * s) + 2 * root(2 * s * s + 2 * s + 1)) / p;
        m.x_2 = a * ((1 + s * s) + 2 * s * root(s * s + 2 * s + 2)) / p;
    } else if (k < 0) {
        const double p = (1 - s) * (1 - s);
        m.x_E0 = a * (1 + s) / (1 - s);
        m.y_1 = a * root(4 * (1 + k) * (1 + k) / (p * p) - 1);
        m.x_1 = -a * ((1 + s) + 2 * root(1 + s * s)) / (1 - s);
        if (s < 1) {
            m.x_2 = a * ((1 + s * s) - 2 * s * root(s * s - 2 * s + 2)) / p;
        } else {
            m.x_2 = -a * ((1 + s * s) - 2 * root(2 * s * s - 2 * s + 1)) / p;
        }
    }
    // A charge ratio left from an earlier picture can disagree with the current charges (equal
    // magnitudes there, unequal here): such a point is placed outside the region as well.
    for (double* v : {&m.x_E0, &m.y_1, &m.x_1, &m.x_2}) {
        if (!std::isfinite(*v)) {
            *v = far;
        }
    }
}

double level_at_zero_field_point(const Module1& m) {
    const double k = m.q_ratio;
    const double s = m.sqrt_ratio;
    const double K = m.k;
    if (k > 0) {
        return K * m.q1 * (1 + s) * (1 + s) / (2 * m.a);
    }
    if (k < 0 && s < 1) {
        return K * m.q1 * (1 - s) * (1 - s) / (2 * m.a);
    }
    if (k < 0 && s > 1) {
        return -K * m.q1 * (1 - s) * (1 - s) / (2 * m.a);
    }
    return 0;
}

} // namespace

void point_E0(Module1& m, PictureBox& pic, Progress& progress) {
    closed_form_points(m);
    m.fi_E0 = level_at_zero_field_point(m);

    pic.pen_width = 2;
    set_steps(m);
    scan_level(m, pic, m.fi_E0, kZeroFieldLevelColour, progress);
    if (progress.stopped()) {
        pic.pen_width = 1;
        return;
    }

    m.r_dot = static_cast<float>(m.r0 * 0.5);
    pic.filled = true;
    pic.fill_colour = kZeroFieldLevelColour;
    pic.circle(0, static_cast<float>(m.y_1), m.r_dot, kZeroFieldLevelColour);
    pic.circle(0, static_cast<float>(-m.y_1), m.r_dot, kZeroFieldLevelColour);
    pic.circle(static_cast<float>(m.x_E0), 0, m.r_dot, kZeroFieldLevelColour);
    pic.current_x = static_cast<float>(m.x_E0);
    pic.current_y = static_cast<float>(m.y_max * 0.1);
    pic.text("fi= " + format_fixed(m.fi_E0, 1, m.dec_sep) + " B");
    pic.circle(static_cast<float>(m.x_1), 0, m.r_dot, kAxisCrossingColour);
    pic.circle(static_cast<float>(m.x_2), 0, m.r_dot, kAxisCrossingColour);
    pic.filled = false;
    pic.pen_width = 1;
}

namespace {

// The current charges have a zero-field point whose position the message can state.
bool position_known(const Module1& m) {
    return m.q1 * m.q2 > 0 || (m.q1 * m.q2 < 0 && !(std::abs(m.q1 + m.q2) < 0.0001));
}

} // namespace

double zero_field_distance(const Module1& m) {
    if (!position_known(m)) {
        return 2 * m.L;
    }
    const double t = std::sqrt(std::abs(m.q2 / m.q1));
    const double d = m.q1 * m.q2 > 0 ? 2 * m.a / (1 + t) : 2 * m.a / (1 - t);
    return std::isfinite(d) ? d : 2 * m.L;
}

std::string zero_field_message(const Module1& m) {
    const bool none = !position_known(m);
    const double d = zero_field_distance(m);
    const std::string A = none ? "->00" : format_fixed(d, 2, m.dec_sep);
    const std::string B = none ? "->00" : format_fixed(d - m.a, 2, m.dec_sep);
    const bool no_units = no_zero_field_point(m);
    const std::string U1 = no_units ? " " : " м от левого заряда";
    const std::string U2 = no_units ? " " : " м от начала отсчёта.";
    const std::string crlf = "\r\n";
    const auto f2 = [&m](double v) { return format_fixed(v, 2, m.dec_sep); };
    return "E=0 при y=0 и x=" + A + U1 + " или при x=" + B + U2 + crlf +
           "Потенциал в этой точке fi=" + f2(m.fi_E0) + " В." + crlf +
           "Через эту точку проходит эквипотенциальная линия с аналитически рассчитанными "
           "точками:" +
           crlf + "При х=0 y1=" + f2(m.y_1) + " м и y2=" + f2(-m.y_1) + " м;" + crlf +
           "При y=0 x1=" + f2(m.x_1) + " м и х2=" + f2(m.x_2) + " м.";
}

void zero_field_click(Module1& m, PictureBox& pic, Dialogs& dialogs, Progress& progress) {
    point_E0(m, pic, progress);
    if (progress.stopped()) {
        return;
    }
    const double d = zero_field_distance(m);
    pic.filled = true;
    pic.fill_colour = rgb(0, 0, 0);
    pic.circle(static_cast<float>(d - m.a), 0, static_cast<float>(m.r0 * 0.2), rgb(0, 0, 0));
    pic.filled = false;
    pic.current_x = static_cast<float>(d - m.a);
    pic.current_y = static_cast<float>(m.y_max * 0.05);
    pic.text("E=0");
    dialogs.message(zero_field_message(m), kZeroFieldTitle);
}
