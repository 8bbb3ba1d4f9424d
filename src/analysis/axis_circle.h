#pragma once
// A circle centred on the x axis, drawn as 200 chords with its mirror image below the axis.
#include "base/colour.h"
#include "base/picture_box.h"

// Draws the circle of centre (xc, 0) and radius rc from x = xc - rc to xc + rc in steps of
// rc/100: each chord of the upper half and its mirror, in colour c. The first chords start at
// the circle's left end, (xc - rc, 0) and (xc - rc, mirror_start_y): +0 or -0, as the caller
// draws its line. A radicand that rounding makes slightly negative counts as 0.
void draw_axis_circle(PictureBox& pic, double xc, double rc, Colour c, double mirror_start_y);
