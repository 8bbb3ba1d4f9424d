#pragma once
// A circle centred on the x axis, drawn as 200 chords with its mirror image below the axis.
#include "base/picture_box.h"
#include "model/module1.h"

// Draws the circle of centre (xc, 0) and radius rc from x = xc - rc to xc + rc in steps of
// rc/100: each chord of the upper half and its mirror, in colour c. The chords run from the
// shared previous point (x0, y0, y0m), which the caller sets to the circle's left end; on return
// it holds the last point drawn. A radicand that rounding makes slightly negative counts as 0.
void draw_axis_circle(Module1& m, PictureBox& pic, double xc, double rc, Colour c);
