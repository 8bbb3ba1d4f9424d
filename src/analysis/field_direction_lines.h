#pragma once
// The lines where the field is vertical (Ex = 0), one from each charge, and for unlike charges
// the line where it is horizontal off the axis (Ey = 0): a circle of Apollonius, or the axis
// x = 0 for equal magnitudes.
#include <string>

#include "analysis/characteristic_results.h"
#include "base/colour.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

inline constexpr Colour kVerticalFieldColour = rgb(153, 0, 0);
inline constexpr Colour kHorizontalFieldColour = rgb(0, 0, 0);
inline constexpr Colour kHorizontalAxisLineColour = rgb(12, 0, 0);

// y >= 0 of the Ex = 0 line at x [m], in single precision: where
// q1*(x+a)/r1^3 + q2*(x-a)/r2^3 = 0, with the charge ratio of the last charge drawing. Not a
// number where the line has no point at x.
float vertical_field_line_y(const FieldParams& params, const ChargeMarks& charges, double x);

// The Ey = 0 line of unlike charges: the axis x = 0 for magnitudes within one per cent of each
// other, otherwise the circle r2/r1 = s^(2/3), whose centre and radius are kept in `results`.
void draw_horizontal_field_line(const FieldParams& params, const FieldPicture& picture,
                                CharacteristicResults& results, PictureBox& pic);

inline constexpr SourceText kFieldDirectionTitle = CF_TEXT("Analysis", "Характерные линии");

// Draws the lines for the current charges and shows the explanation (only a message for a zero
// charge). Reports before each line; stopped, it shows no explanation.
void show_field_direction_lines(const FieldParams& params, const FieldPicture& picture,
                                CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                                Progress& progress = no_progress());
