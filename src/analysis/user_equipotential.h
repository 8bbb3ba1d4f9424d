#pragma once
// The equipotential of the potential the user typed in, found by the grid scan.
#include "base/colour.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

inline constexpr Colour kUserEquipotentialColour = rgb(0, 0, 255);

// Draws the equipotential of the chosen potential in blue dots on top of the picture, over the
// frame it was last drawn with; no message.
void draw_chosen_equipotential(const FieldParams& params, const Frame& frame, PictureBox& pic,
                               Progress& progress = no_progress());
