#pragma once
// The equipotential of the potential the user typed in, found by the grid scan.
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

inline constexpr Colour kUserEquipotentialColour = rgb(0, 0, 255);

// Draws the equipotential of fi_user in blue dots on top of the picture; no message.
void line_fi_user(Module1& m, PictureBox& pic, Progress& progress = no_progress());
