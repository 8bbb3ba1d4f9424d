#pragma once
// The family of equipotential lines, found by a grid scan of the upper half and drawn as dots.
#include <vector>

#include "model/module1.h"
#include "picture/picture_box.h"

// Scan steps: h = (x_max - x_min)/400 across, h2 = 2h upward.
void set_steps(Module1& m);

// Potentials [V] of the scan's nodes in scan order: columns from x_min by h, rows from the axis
// up by h2 (single-precision rows). NaN marks a node on a charge.
std::vector<double> node_potentials(const Module1& m);

// Scans the node potentials for one level: a dot in `colour` at the current DrawWidth, and its
// mirror, halfway between two vertically adjacent nodes wherever the potential strictly crosses
// the level. Uses and leaves x, y, dfi, dfi_prev.
void scan_potentials(Module1& m, PictureBox& pic, const std::vector<double>& potential,
                     double level, Colour colour);

// The scan for one potential `level` with the steps of set_steps (which the caller sets).
void scan_level(Module1& m, PictureBox& pic, double level, Colour colour);

// Draws n_fi + 1 evenly spaced levels between the potential near the charges (at r0 from them)
// and at the middle of the top edge: a blue dot, mirrored below the axis, halfway between two
// vertically adjacent nodes wherever the potential strictly crosses the level. Sets the
// tool-tip text of the level-count heading to the level step. A zero or negative count draws
// nothing; a zero count leaves the tool-tip as it was.
void lines_fi(Module1& m, PictureBox& pic);

inline constexpr Colour kEquipotentialColour = RGB(0, 0, 200);
