#include "analysis/field_direction_lines.h"
#include "analysis/axis_circle.h"

#include <algorithm>
#include <cmath>

#include "model/counted_loop.h"
#include "model/numbers.h"

float naprjag_2(Module1& m, double x) {
    const double a = m.a;
    const double third = 1.0 / 3;
    const double two_thirds = 2.0 / 3;
    const double four_thirds = 4.0 / 3;
    const double near = std::abs(x + a);
    const double far = std::abs(x - a);
    const double lead = std::pow(std::abs(x * x - a * a), third);
    if (m.q1 == -m.q2) {
        return static_cast<float>(
            lead * std::sqrt(std::pow(near, two_thirds) + std::pow(far, two_thirds)));
    }
    const double kk = std::pow(std::abs(m.q_ratio), two_thirds);
    m.u1 = kk * std::pow(near, four_thirds) - std::pow(far, four_thirds);
    m.u2 = std::pow(near, two_thirds) - kk * std::pow(far, two_thirds);
    // A negative ratio or 0/0 gives not-a-number: the line has no point there.
    return static_cast<float>(lead * std::sqrt(m.u1 / m.u2));
}

void seg_E2(Module1& m, PictureBox& pic) {
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(m.x), m.y,
             kVerticalFieldColour);
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(m.x), -m.y,
             kVerticalFieldColour);
    m.x0 = m.x;
    m.y0 = m.y;
    m.y0m = -m.y;
}

void naprjag_1(Module1& m, PictureBox& pic) {
    const double s = m.sqrt_ratio;
    if (std::abs(s - 1) < 0.01) {
        pic.line(0, static_cast<float>(m.y_min), 0, m.y_max, kHorizontalAxisLineColour);
        return;
    }
    const double mm = std::pow(s, 2.0 / 3);
    const double s43 = std::pow(s, 4.0 / 3);
    const float xc = static_cast<float>(m.a * (1 + s43) / (1 - s43));
    const double rc = 2 * m.a * mm / std::abs(1 - s43);
    m.x_cy = xc;
    m.R_cy = rc;
    m.x0 = xc - rc;
    m.y0 = 0;
    m.y0m = 0;
    pic.dot(static_cast<float>(m.x0), 0, kHorizontalFieldColour);
    draw_axis_circle(m, pic, xc, rc, kHorizontalFieldColour);
}

namespace {

enum class Bound { None, AtMost, AtLeast };

struct VerticalFieldLine {
    double start, end, step;
    Bound bound; // the line ends once x <= x_E0 (AtMost) or x >= x_E0 (AtLeast)
    Colour start_dot;
};

// One Ex = 0 line from a charge: it ends at its bound, where it leaves the region, or where it
// has no point.
void draw_vertical_field_line(Module1& m, PictureBox& pic, const VerticalFieldLine& line) {
    pic.dot(static_cast<float>(line.start), 0, line.start_dot);
    m.x0 = line.start;
    m.y0 = 0;
    m.y0m = 0;
    for (m.x = line.start; loop_goes_on(m.x, line.end, line.step); m.x += line.step) {
        if ((line.bound == Bound::AtMost && m.x <= m.x_E0) ||
            (line.bound == Bound::AtLeast && m.x >= m.x_E0)) {
            break;
        }
        m.y = naprjag_2(m, m.x);
        if (!(std::abs(m.y) < m.L) || !(m.y >= 0) || std::abs(m.x) >= m.L) {
            break;
        }
        seg_E2(m, pic);
    }
}

std::string same_sign_message() {
    const std::string crlf = "\r\n";
    return "При одноименных зарядах:" + crlf + "       " + crlf +
           "Коричневые линии (их две), где напряжённость вертикальна, или Ex=0, или dfi/dx=0, "
           "или эквипотенциальные линии горизонтальны." +
           crlf + "Они начинаются в точках y=0 x=+-a." + crlf +
           "При равенстве по величине зарядов вырождаются в одну линию.";
}

std::string opposite_sign_message(const Module1& m) {
    const std::string crlf = "\r\n";
    const std::string line4 =
        m.q1 != -m.q2
            ? "Это окружность с центром при y=0 и x=" +
                  format_fixed(m.x_cy.value_or(0.0f), 2, m.dec_sep) + " м" + " и радиусом " +
                  format_fixed(m.R_cy.value_or(0.0), 2, m.dec_sep) + " м."
            : "Если заряды по величине одинаковы, то линия вырождается в вертикальную прямую х=0.";
    return "При разноименных зарядах:" + crlf + "       " + crlf +
           "Чёрная линия - напряжённость горизонтальна, или Ey=0, или dfi/dy=0, или "
           "эквипотенциальные линии вертикальны." +
           crlf + line4 + crlf + "       " + crlf +
           "Коричневые линии (их две) - напряжённость вертикальна, или Ex=0, или dfi/dx=0, или "
           "эквипотенциальные линии горизонтальны.";
}

} // namespace

void field_direction_click(Module1& m, PictureBox& pic, Dialogs& dialogs, Progress& progress) {
    const double a = m.a;
    const double s = m.sqrt_ratio;
    const double L = m.L;
    const bool left_larger = std::abs(m.q1) >= std::abs(m.q2);
    std::string message;
    // Each line in turn, unless the user stopped the drawing.
    int drawn = 0;
    const auto line = [&](const VerticalFieldLine& l) {
        if (progress.report(drawn++ / 3.0)) {
            draw_vertical_field_line(m, pic, l);
        }
    };
    pic.pen_width = 2;
    if (m.q1 == 0) {
        message = "Характерных линий при q1=0 нет!";
    } else if (m.q2 == 0) {
        message = "Характерных линий при q2=0 нет!";
    } else if (m.q1 * m.q2 > 0) {
        // The zero-field point lies between the charges; the line from the smaller charge
        // ends there, the one from the larger charge runs off towards the middle.
        m.x_E0 = a * (1 - s) / (1 + s);
        const Colour c = kVerticalFieldColour;
        if (left_larger) {
            line({a, 0, -a / 500, Bound::AtMost, c});
            line({-a, 0, a / 500, Bound::None, c});
        } else {
            line({-a, 0, a / 500, Bound::AtLeast, c});
            line({a, 0, -a / 500, Bound::None, c});
        }
        message = same_sign_message();
    } else {
        if (progress.report(0)) {
            naprjag_1(m, pic);
        }
        ++drawn;
        m.x_E0 = m.q1 == -m.q2 ? 100 * L : a * (1 + s) / (1 - s);
        const Colour c = kVerticalFieldColour;
        if (left_larger) {
            line({a, L, (L - a) / 500, Bound::AtLeast, c});
            line({-a, -L, (a - L) / 500, Bound::None, rgb(0, 0, 0)});
        } else {
            line({-a, -L, (a - L) / 500, Bound::AtMost, c});
            line({a, L, (L - a) / 500, Bound::None, c});
        }
        message = opposite_sign_message(m);
    }
    pic.pen_width = 1;
    if (!progress.report(1)) {
        return;
    }
    dialogs.message(message, kFieldDirectionTitle);
}
