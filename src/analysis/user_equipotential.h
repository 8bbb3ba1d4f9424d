#pragma once
// The equipotential of the potential the user typed in, found by the grid scan.
#include "model/module1.h"
#include "picture/picture_box.h"
#include "picture/progress.h"

inline constexpr Colour kUserEquipotentialColour = RGB(0, 0, 255);

// Draws the equipotential of fi_user in blue dots on top of the picture; no message.
void line_fi_user(Module1& m, PictureBox& pic, Progress& progress = no_progress());
