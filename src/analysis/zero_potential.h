#pragma once
// The line of zero potential: a circle of Apollonius about the smaller of two unlike charges,
// the axis x = 0 for equal and opposite charges, nothing for like charges.
#include <string>

#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

inline constexpr Colour kZeroPotentialColour = rgb(255, 0, 255);

// Draws the zero-potential line for the charge ratio of the last charge drawing, on top of the
// picture. Sets x_c and R_c when a circle is computed (otherwise leaves them), and x0, y0, y0m.
void line_fi0(Module1& m, PictureBox& pic);

// The six-line explanation, quoting the last circle computed (0.00 before the first one).
std::string zero_potential_message(const Module1& m);
inline constexpr const char* kZeroPotentialTitle = "Линия нулевого потенциала";

// Draws the line and shows its explanation (not when `progress` says stop).
void zero_potential_click(Module1& m, PictureBox& pic, Dialogs& dialogs,
                          Progress& progress = no_progress());
