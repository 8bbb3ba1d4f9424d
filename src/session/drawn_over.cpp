#include "session/drawn_over.h"

#include "analysis/field_direction_lines.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "model/numbers.h"

void draw_over(const DrawnOver& drawn, const FieldParams& params, const FieldPicture& picture,
               CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
               Progress& progress) {
    switch (drawn.kind) {
    case DrawnOver::ZeroPotential:
        show_zero_potential_line(params, picture, results, pic, dialogs, progress);
        break;
    case DrawnOver::ZeroField:
        show_zero_field_point(params, picture, results, pic, dialogs, progress);
        break;
    case DrawnOver::FieldDirection:
        show_field_direction_lines(params, picture, results, pic, dialogs, progress);
        break;
    case DrawnOver::ChosenEquipotential: {
        FieldParams chosen = params;
        chosen.chosen_potential = drawn.potential;
        draw_chosen_equipotential(chosen, picture.frame, pic, progress);
        break;
    }
    }
}

PictureNote note_of(const DrawnOver& drawn, const FieldParams& params) {
    switch (drawn.kind) {
    case DrawnOver::ZeroPotential:
        return {CF_TEXT("Session", "линия нулевого потенциала"), {}};
    case DrawnOver::ZeroField:
        return {CF_TEXT("Session", "точка нулевой напряжённости и линия потенциала через неё"), {}};
    case DrawnOver::FieldDirection:
        return {CF_TEXT("Session", "линии горизонтального и вертикального поля"), {}};
    case DrawnOver::ChosenEquipotential:
        break;
    }
    return {CF_TEXT("Session", "линия потенциала %1 В"),
            format_fixed(drawn.potential, 2, params.decimal_separator)};
}
