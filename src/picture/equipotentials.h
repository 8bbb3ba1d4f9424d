#pragma once
// The family of equipotential lines, found by a grid scan of the upper half and drawn as dots.
#include <vector>

#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

// Scan steps: h = (x_max - x_min)/400 across, h2 = 2h upward.
void set_steps(Module1& m);

// The scan's grid with the potential at its nodes: columns from x_min by h, rows from the axis
// up by h2 (single-precision rows), both counted as the scan's loops count them.
struct PotentialGrid {
    std::vector<double> columns; // x of every column
    std::vector<float> rows;     // y of every row
    double x_after = 0;          // the column counter when the scan ends
    float y_after = 0;           // the row counter when a column ends
    float half = 0;              // half the row step: a dot sits between two rows
    // Potentials [V] column by column, NaN on a charge; and the least and greatest of each
    // column (a level outside them crosses nothing there).
    std::vector<double> potential;
    std::vector<double> lowest, highest;
};
PotentialGrid potential_grid(const Module1& m);

// Scans the grid for one level: a dot in `colour` at the current pen_width, and its mirror,
// halfway between two vertically adjacent nodes wherever the potential strictly crosses the
// level (a node on a charge has no sign and crosses nothing). Leaves x, y, dfi and dfi_prev as
// the scan leaves them.
void scan_grid(Module1& m, PictureBox& pic, const PotentialGrid& grid, double level, Colour colour);

// The scan for one potential `level` with the steps of set_steps (which the caller sets).
// Reports before the grid and before the scan; stopped, it draws nothing.
void scan_level(Module1& m, PictureBox& pic, double level, Colour colour,
                Progress& progress = no_progress());

// Draws n_fi + 1 evenly spaced levels between the potential near the charges (at r0 from them)
// and at the middle of the top edge: a blue dot, mirrored below the axis, halfway between two
// vertically adjacent nodes wherever the potential strictly crosses the level. Sets the
// tool-tip text of the level-count heading to the level step. A zero or negative count draws
// nothing; a zero count leaves the tool-tip as it was. Reports after every few levels; a stop
// ends it there. The levels are scanned on all cores at once where there are several, and
// drawn in order.
void lines_fi(Module1& m, PictureBox& pic, Progress& progress = no_progress());

inline constexpr Colour kEquipotentialColour = rgb(0, 0, 200);
