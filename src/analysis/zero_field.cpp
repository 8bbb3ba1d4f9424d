#include "analysis/zero_field.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"
#include "picture/equipotentials.h"

namespace {

// No zero-field point: a zero charge, or equal and opposite charges.
bool no_zero_field_point(const FieldParams& p) {
    return p.q1 == 0 || p.q2 == 0 || std::abs(p.q1 + p.q2) < 0.0001;
}

double root(double v) {
    // Rounding can leave a radicand that is zero in exact arithmetic slightly negative.
    return std::sqrt(std::max(0.0, v));
}

void closed_form_points(const FieldParams& params, const ChargeMarks& charges,
                        CharacteristicResults& r) {
    const double k = charges.charge_ratio;
    const double s = charges.sqrt_charge_ratio;
    const double a = params.half_distance;
    const double far = 2 * params.half_width;
    r.zero_field_x = r.level_crossing_y = r.level_crossing_left = r.level_crossing_right = far;
    if (no_zero_field_point(params)) {
        return;
    }
    if (k > 0) {
        const double p = (1 + s) * (1 + s);
        r.zero_field_x = a * (1 - s) / (1 + s);
        r.level_crossing_y = a * root(4 * (1 + k) * (1 + k) / (p * p) - 1);
        r.level_crossing_left = -a * ((1 + s * s) + 2 * root(2 * s * s + 2 * s + 1)) / p;
        r.level_crossing_right = a * ((1 + s * s) + 2 * s * root(s * s + 2 * s + 2)) / p;
    } else if (k < 0) {
        const double p = (1 - s) * (1 - s);
        r.zero_field_x = a * (1 + s) / (1 - s);
        r.level_crossing_y = a * root(4 * (1 + k) * (1 + k) / (p * p) - 1);
        r.level_crossing_left = -a * ((1 + s) + 2 * root(1 + s * s)) / (1 - s);
        if (s < 1) {
            r.level_crossing_right = a * ((1 + s * s) - 2 * s * root(s * s - 2 * s + 2)) / p;
        } else {
            r.level_crossing_right = -a * ((1 + s * s) - 2 * root(2 * s * s - 2 * s + 1)) / p;
        }
    }
    // A charge ratio left from an earlier picture can disagree with the current charges (equal
    // magnitudes there, unequal here): such a point is placed outside the region as well.
    for (double* v :
         {&r.zero_field_x, &r.level_crossing_y, &r.level_crossing_left, &r.level_crossing_right}) {
        if (!std::isfinite(*v)) {
            *v = far;
        }
    }
}

double level_at_zero_field_point(const FieldParams& params, const ChargeMarks& charges) {
    const double k = charges.charge_ratio;
    const double s = charges.sqrt_charge_ratio;
    const double K = params.coulomb_k;
    const double q1 = params.q1, a = params.half_distance;
    if (k > 0) {
        return K * q1 * (1 + s) * (1 + s) / (2 * a);
    }
    if (k < 0 && s < 1) {
        return K * q1 * (1 - s) * (1 - s) / (2 * a);
    }
    if (k < 0 && s > 1) {
        return -K * q1 * (1 - s) * (1 - s) / (2 * a);
    }
    return 0;
}

} // namespace

void draw_zero_field_point(const FieldParams& params, const FieldPicture& picture,
                           CharacteristicResults& results, PictureBox& pic, Progress& progress) {
    closed_form_points(params, picture.charges, results);
    results.zero_field_potential = level_at_zero_field_point(params, picture.charges);

    pic.pen_width = 2;
    scan_level(params, picture.frame, pic, results.zero_field_potential, kZeroFieldLevelColour,
               progress);
    if (progress.stopped()) {
        pic.pen_width = 1;
        return;
    }

    const CharacteristicResults& r = results;
    const float r_dot = static_cast<float>(picture.charges.charge_radius * 0.5);
    pic.filled = true;
    pic.fill_colour = kZeroFieldLevelColour;
    pic.circle(0, static_cast<float>(r.level_crossing_y), r_dot, kZeroFieldLevelColour);
    pic.circle(0, static_cast<float>(-r.level_crossing_y), r_dot, kZeroFieldLevelColour);
    pic.circle(static_cast<float>(r.zero_field_x), 0, r_dot, kZeroFieldLevelColour);
    pic.current_x = static_cast<float>(r.zero_field_x);
    pic.current_y = static_cast<float>(picture.frame.y_max * 0.1);
    // The Latin B of the Russian text stands for volts.
    pic.text(translated(params.translator, CF_TEXT("Analysis", "fi= %1 B"),
                        {format_fixed(r.zero_field_potential, 1, params.decimal_separator)}));
    pic.circle(static_cast<float>(r.level_crossing_left), 0, r_dot, kAxisCrossingColour);
    pic.circle(static_cast<float>(r.level_crossing_right), 0, r_dot, kAxisCrossingColour);
    pic.filled = false;
    pic.pen_width = 1;
}

namespace {

// The current charges have a zero-field point whose position the message can state.
bool position_known(const FieldParams& p) {
    return p.q1 * p.q2 > 0 || (p.q1 * p.q2 < 0 && !(std::abs(p.q1 + p.q2) < 0.0001));
}

} // namespace

double zero_field_distance(const FieldParams& params) {
    const double L = params.half_width, a = params.half_distance;
    if (!position_known(params)) {
        return 2 * L;
    }
    const double t = std::sqrt(std::abs(params.q2 / params.q1));
    const double d = params.q1 * params.q2 > 0 ? 2 * a / (1 + t) : 2 * a / (1 - t);
    return std::isfinite(d) ? d : 2 * L;
}

std::string zero_field_message(const FieldParams& params, const CharacteristicResults& r) {
    const std::string& sep = params.decimal_separator;
    const bool none = !position_known(params);
    const double d = zero_field_distance(params);
    const std::string A = none ? "->00" : format_fixed(d, 2, sep);
    const std::string B = none ? "->00" : format_fixed(d - params.half_distance, 2, sep);
    // Without a point the two places are told without units.
    const SourceText where =
        no_zero_field_point(params)
            ? CF_TEXT("Analysis", "E=0 при y=0 и x=%1  или при x=%2 \r\n")
            : CF_TEXT("Analysis", "E=0 при y=0 и x=%1 м от левого заряда или при x=%2 м от "
                                  "начала отсчёта.\r\n");
    const auto f2 = [&sep](double v) { return format_fixed(v, 2, sep); };
    return translated(params.translator, where, {A, B}) +
           translated(params.translator,
                      CF_TEXT("Analysis",
                              "Потенциал в этой точке fi=%1 В.\r\n"
                              "Через эту точку проходит эквипотенциальная линия с аналитически "
                              "рассчитанными точками:\r\n"
                              "При х=0 y1=%2 м и y2=%3 м;\r\n"
                              "При y=0 x1=%4 м и х2=%5 м."),
                      {f2(r.zero_field_potential), f2(r.level_crossing_y), f2(-r.level_crossing_y),
                       f2(r.level_crossing_left), f2(r.level_crossing_right)});
}

void show_zero_field_point(const FieldParams& params, const FieldPicture& picture,
                           CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                           Progress& progress) {
    draw_zero_field_point(params, picture, results, pic, progress);
    if (progress.stopped()) {
        return;
    }
    const double d = zero_field_distance(params);
    const double a = params.half_distance;
    pic.filled = true;
    pic.fill_colour = rgb(0, 0, 0);
    pic.circle(static_cast<float>(d - a), 0,
               static_cast<float>(picture.charges.charge_radius * 0.2), rgb(0, 0, 0));
    pic.filled = false;
    pic.current_x = static_cast<float>(d - a);
    pic.current_y = static_cast<float>(picture.frame.y_max * 0.05);
    pic.text("E=0");
    dialogs.message(zero_field_message(params, results),
                    translated(params.translator, kZeroFieldTitle));
}
