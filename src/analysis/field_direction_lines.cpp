#include "analysis/field_direction_lines.h"

#include "analysis/axis_circle.h"

#include <algorithm>
#include <cmath>

#include "base/portable_pow.h"
#include "model/counted_loop.h"
#include "model/numbers.h"

// The powers here are portable::pow's, the same to the last bit on every processor and in
// WebAssembly (the C library's differ there now and then): the circle's radius is kept, whole.
float vertical_field_line_y(const FieldParams& params, const ChargeMarks& charges, double x) {
    const double a = params.half_distance;
    const double third = 1.0 / 3;
    const double two_thirds = 2.0 / 3;
    const double four_thirds = 4.0 / 3;
    const double near = std::abs(x + a);
    const double far = std::abs(x - a);
    const double lead = portable::pow(std::abs(x * x - a * a), third);
    if (params.q1 == -params.q2) {
        return static_cast<float>(
            lead * std::sqrt(portable::pow(near, two_thirds) + portable::pow(far, two_thirds)));
    }
    const double kk = portable::pow(std::abs(charges.charge_ratio), two_thirds);
    const double u1 = kk * portable::pow(near, four_thirds) - portable::pow(far, four_thirds);
    const double u2 = portable::pow(near, two_thirds) - kk * portable::pow(far, two_thirds);
    // A negative ratio or 0/0 gives not-a-number: the line has no point there.
    return static_cast<float>(lead * std::sqrt(u1 / u2));
}

void draw_horizontal_field_line(const FieldParams& params, const FieldPicture& picture,
                                CharacteristicResults& results, PictureBox& pic) {
    const double s = picture.charges.sqrt_charge_ratio;
    if (std::abs(s - 1) < 0.01) {
        pic.line(0, static_cast<float>(picture.frame.y_min), 0, picture.frame.y_max,
                 kHorizontalAxisLineColour);
        return;
    }
    const double a = params.half_distance;
    const double mm = portable::pow(s, 2.0 / 3);
    const double s43 = portable::pow(s, 4.0 / 3);
    const float xc = static_cast<float>(a * (1 + s43) / (1 - s43));
    const double rc = 2 * a * mm / std::abs(1 - s43);
    results.horizontal_field_centre = xc;
    results.horizontal_field_radius = rc;
    pic.dot(static_cast<float>(xc - rc), 0, kHorizontalFieldColour);
    draw_axis_circle(pic, xc, rc, kHorizontalFieldColour, 0.0);
}

namespace {

enum class Bound { None, AtMost, AtLeast };

struct VerticalFieldLine {
    double start, end, step;
    Bound bound; // the line ends once x <= bound_x (AtMost) or x >= bound_x (AtLeast)
    Colour start_dot;
};

// One Ex = 0 line from a charge, drawn as chords with their mirrors: it ends at its bound,
// where it leaves the region, or where it has no point.
void draw_vertical_field_line(const FieldParams& params, const ChargeMarks& charges,
                              PictureBox& pic, const VerticalFieldLine& line, double bound_x) {
    const double L = params.half_width;
    pic.dot(static_cast<float>(line.start), 0, line.start_dot);
    double x0 = line.start, y0 = 0, y0m = 0;
    for (double x = line.start; loop_goes_on(x, line.end, line.step); x += line.step) {
        if ((line.bound == Bound::AtMost && x <= bound_x) ||
            (line.bound == Bound::AtLeast && x >= bound_x)) {
            break;
        }
        const float y = vertical_field_line_y(params, charges, x);
        if (!(std::abs(y) < L) || !(y >= 0) || std::abs(x) >= L) {
            break;
        }
        pic.line(static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x), y,
                 kVerticalFieldColour);
        pic.line(static_cast<float>(x0), static_cast<float>(y0m), static_cast<float>(x), -y,
                 kVerticalFieldColour);
        x0 = x;
        y0 = y;
        y0m = -y;
    }
}

std::string same_sign_message(const FieldParams& params) {
    return translated(
        params.translator,
        CF_TEXT("Analysis",
                "При одноименных зарядах:\r\n       \r\n"
                "Коричневые линии (их две), где напряжённость вертикальна, или Ex=0, или "
                "dfi/dx=0, или эквипотенциальные линии горизонтальны.\r\n"
                "Они начинаются в точках y=0 x=+-a.\r\n"
                "При равенстве по величине зарядов вырождаются в одну линию."));
}

std::string opposite_sign_message(const FieldParams& params, const CharacteristicResults& r) {
    const std::string line4 =
        params.q1 != -params.q2
            ? translated(params.translator,
                         CF_TEXT("Analysis", "Это окружность с центром при y=0 и x=%1 м и "
                                             "радиусом %2 м."),
                         {format_fixed(r.horizontal_field_centre.value_or(0.0f), 2,
                                       params.decimal_separator),
                          format_fixed(r.horizontal_field_radius.value_or(0.0), 2,
                                       params.decimal_separator)})
            : translated(params.translator,
                         CF_TEXT("Analysis", "Если заряды по величине одинаковы, то линия "
                                             "вырождается в вертикальную прямую х=0."));
    return translated(
        params.translator,
        CF_TEXT("Analysis",
                "При разноименных зарядах:\r\n       \r\n"
                "Чёрная линия - напряжённость горизонтальна, или Ey=0, или dfi/dy=0, или "
                "эквипотенциальные линии вертикальны.\r\n"
                "%1\r\n       \r\n"
                "Коричневые линии (их две) - напряжённость вертикальна, или Ex=0, или dfi/dx=0, "
                "или эквипотенциальные линии горизонтальны."),
        {line4});
}

} // namespace

void show_field_direction_lines(const FieldParams& params, const FieldPicture& picture,
                                CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                                Progress& progress) {
    const double a = params.half_distance;
    const double s = picture.charges.sqrt_charge_ratio;
    const double L = params.half_width;
    const double q1 = params.q1, q2 = params.q2;
    const bool left_larger = std::abs(q1) >= std::abs(q2);
    std::string message;
    // The x where the lines that run towards the zero-field point end.
    double bound_x = 0;
    // Each line in turn, unless the user stopped the drawing.
    int drawn = 0;
    const auto line = [&](const VerticalFieldLine& l) {
        if (progress.report(drawn++ / 3.0)) {
            draw_vertical_field_line(params, picture.charges, pic, l, bound_x);
        }
    };
    pic.pen_width = 2;
    if (q1 == 0) {
        message =
            translated(params.translator, CF_TEXT("Analysis", "Характерных линий при q1=0 нет!"));
    } else if (q2 == 0) {
        message =
            translated(params.translator, CF_TEXT("Analysis", "Характерных линий при q2=0 нет!"));
    } else if (q1 * q2 > 0) {
        // The zero-field point lies between the charges; the line from the smaller charge
        // ends there, the one from the larger charge runs off towards the middle.
        bound_x = a * (1 - s) / (1 + s);
        const Colour c = kVerticalFieldColour;
        if (left_larger) {
            line({a, 0, -a / 500, Bound::AtMost, c});
            line({-a, 0, a / 500, Bound::None, c});
        } else {
            line({-a, 0, a / 500, Bound::AtLeast, c});
            line({a, 0, -a / 500, Bound::None, c});
        }
        message = same_sign_message(params);
    } else {
        if (progress.report(0)) {
            draw_horizontal_field_line(params, picture, results, pic);
        }
        ++drawn;
        bound_x = q1 == -q2 ? 100 * L : a * (1 + s) / (1 - s);
        const Colour c = kVerticalFieldColour;
        if (left_larger) {
            line({a, L, (L - a) / 500, Bound::AtLeast, c});
            line({-a, -L, (a - L) / 500, Bound::None, rgb(0, 0, 0)});
        } else {
            line({-a, -L, (a - L) / 500, Bound::AtMost, c});
            line({a, L, (L - a) / 500, Bound::None, c});
        }
        message = opposite_sign_message(params, results);
    }
    pic.pen_width = 1;
    if (!progress.report(1)) {
        return;
    }
    dialogs.message(message, translated(params.translator, kFieldDirectionTitle));
}
