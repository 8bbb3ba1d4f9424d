#pragma once
// The line of zero potential: a circle of Apollonius about the smaller of two unlike charges,
// the axis x = 0 for equal and opposite charges, nothing for like charges.
#include <string>
#include <string_view>

#include "analysis/characteristic_results.h"
#include "base/colour.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

inline constexpr Colour kZeroPotentialColour = rgb(255, 0, 255);

// Draws the zero-potential line for the charge ratio of the picture's last charge drawing, on
// top of the picture. Keeps the circle's centre and radius in `results` when a circle is
// computed (otherwise leaves them).
void draw_zero_potential_line(const FieldParams& params, const FieldPicture& picture,
                              CharacteristicResults& results, PictureBox& pic);

// The six-line explanation, quoting the last circle computed (0.00 before the first one).
std::string zero_potential_message(const CharacteristicResults& results, const FieldParams& params);
inline constexpr SourceText kZeroPotentialTitle = CF_TEXT("Analysis", "Линия нулевого потенциала");

// Draws the line and shows its explanation (not when `progress` says stop).
void show_zero_potential_line(const FieldParams& params, const FieldPicture& picture,
                              CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                              Progress& progress = no_progress());
