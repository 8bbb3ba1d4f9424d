#include "analysis/zero_potential.h"

#include <algorithm>
#include <cmath>

#include "analysis/axis_circle.h"
#include "model/numbers.h"

void draw_zero_potential_line(const FieldParams& params, const FieldPicture& picture,
                              CharacteristicResults& results, PictureBox& pic) {
    const double k = picture.charges.charge_ratio;
    const double a = params.half_distance;
    pic.pen_width = 2;
    if (std::abs(1 + k) < 0.01) {
        // Equal magnitudes, opposite signs: every point of the axis x = 0 is equidistant.
        pic.line(0, static_cast<float>(picture.frame.y_min), 0, picture.frame.y_max,
                 kZeroPotentialColour);
    } else if (k < 0) {
        const double xc = a * (1 + k * k) / (1 - k * k);
        const double rc = 2 * a * std::abs(k / (1 - k * k));
        results.zero_potential_centre = xc;
        results.zero_potential_radius = rc;
        pic.dot(static_cast<float>(xc - rc), 0, rgb(0, 0, 0));
        draw_axis_circle(pic, xc, rc, kZeroPotentialColour, -0.0);
    }
    // Like charges, or a zero charge: there is no such line.
    pic.pen_width = 1;
}

std::string zero_potential_message(const CharacteristicResults& results,
                                   const FieldParams& params) {
    const std::string& sep = params.decimal_separator;
    return translated(params.translator,
                      CF_TEXT("Analysis",
                              "При одноименных зарядах такой линии нет.\r\n    \r\n"
                              "При разноименных зарядах линия fi=0 является окружностью\r\n"
                              "с центром при y=0 и x=%1 м\r\n"
                              "и радиусом %2 м.\r\n"
                              "При одинаковых по величине зарядах вырождается в прямую x=0"),
                      {format_fixed(results.zero_potential_centre.value_or(0), 2, sep),
                       format_fixed(results.zero_potential_radius.value_or(0), 2, sep)});
}

void show_zero_potential_line(const FieldParams& params, const FieldPicture& picture,
                              CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                              Progress& progress) {
    if (!progress.report(0)) {
        return;
    }
    draw_zero_potential_line(params, picture, results, pic);
    if (!progress.report(1)) {
        return;
    }
    dialogs.message(zero_potential_message(results, params),
                    translated(params.translator, kZeroPotentialTitle));
}
