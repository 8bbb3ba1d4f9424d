#pragma once
// The grid scan for one equipotential: 401 columns across the region, 101 rows from the axis up,
// a dot (and its mirror) midway between two rows whose potentials lie on either side of the level.
#include "model/module1.h"
#include "picture/picture_box.h"

// Scans for the potential `level` [V] with the steps of set_steps (which the caller sets),
// drawing dots in `colour` at the current DrawWidth. Uses and leaves x, y, dfi, dfi_prev.
void scan_level(Module1& m, PictureBox& pic, double level, Colour colour);
