#pragma once
// The lines where the field is vertical (Ex = 0), one from each charge, and for unlike charges
// the line where it is horizontal off the axis (Ey = 0): a circle of Apollonius, or the axis
// x = 0 for equal magnitudes.
#include <string>

#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

inline constexpr Colour kVerticalFieldColour = rgb(153, 0, 0);
inline constexpr Colour kHorizontalFieldColour = rgb(0, 0, 0);
inline constexpr Colour kHorizontalAxisLineColour = rgb(12, 0, 0);

// y >= 0 of the Ex = 0 line at x [m], in single precision: where
// q1*(x+a)/r1^3 + q2*(x-a)/r2^3 = 0. Not a number where the line has no point at x. Writes u1
// and u2.
float naprjag_2(Module1& m, double x);

// Segment (x0, y0)-(x, y) and its mirror in the colour of the Ex = 0 lines; then (x, y) becomes
// the previous point.
void seg_E2(Module1& m, PictureBox& pic);

// The Ey = 0 line of unlike charges: the axis x = 0 for magnitudes within one per cent of each
// other, otherwise the circle r2/r1 = s^(2/3), whose centre and radius go to x_cy, R_cy.
void naprjag_1(Module1& m, PictureBox& pic);

inline constexpr const char* kFieldDirectionTitle = "Характерные линии";

// Draws the lines for the current charges and shows the explanation (only a message for a zero
// charge). Reports before each line; stopped, it shows no explanation.
void field_direction_click(Module1& m, PictureBox& pic, Dialogs& dialogs,
                           Progress& progress = no_progress());
