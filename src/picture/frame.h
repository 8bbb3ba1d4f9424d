#pragma once
// The frame of every field picture: user scale, grid, numbered ticks, axes, the charge marks.
#include "base/picture_box.h"
#include "model/module1.h"

// Sets the square user scale of half-width L (y upward), draws the light-green grid every a/2,
// the tick labels at twice the grid spacing, the two axes and their names. Writes x_min, x_max,
// y_min, y_max, tick, tick_s, n_tick and the counter i.
void axes_main(Module1& m, PictureBox& pic);

// Draws each non-zero charge as a filled disc of radius |q|*r0 (red positive, blue negative)
// and sets r0 = 0.05 m, q_ratio = q2/q1 (100000 when q1 = 0) and sqrt_ratio = sqrt(|q_ratio|).
void draw_charges(Module1& m, PictureBox& pic);

inline constexpr Colour kGridColour = rgb(128, 255, 128);
inline constexpr Colour kAxisColour = 12; // rgb(12, 0, 0)
inline constexpr Colour kPositiveColour = rgb(255, 0, 0);
inline constexpr Colour kNegativeColour = rgb(0, 0, 255);
