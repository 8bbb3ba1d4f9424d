#pragma once
// The point of zero field on the x axis, the potential there and the equipotential through it,
// with its five points known in closed form.
#include <string>

#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/module1.h"

inline constexpr Colour kZeroFieldLevelColour = rgb(120, 120, 0);
inline constexpr Colour kAxisCrossingColour = rgb(120, 0, 0);

// Computes x_E0, y_1, x_1, x_2, fi_E0 in closed form from the charge ratio of the last charge
// drawing (all four positions 2*L, outside the region, for a zero charge or equal and opposite
// charges), scans the equipotential fi_E0 and marks the five closed-form points; prints the
// potential above the zero-field point. Stopped during the scan, it marks nothing.
void point_E0(Module1& m, PictureBox& pic, Progress& progress = no_progress());

// The zero-field point from the current charges: its distance from the left charge, or 2*L
// when there is none.
double zero_field_distance(const Module1& m);

// The five-line explanation ("->00" for the position when there is no zero-field point).
std::string zero_field_message(const Module1& m);
inline constexpr const char* kZeroFieldTitle = "Точка с нулевой напряжённостью";

// point_E0, then the black dot with "E=0" at the zero-field point, then the explanation (the
// last two not when `progress` says stop).
void zero_field_click(Module1& m, PictureBox& pic, Dialogs& dialogs,
                      Progress& progress = no_progress());
