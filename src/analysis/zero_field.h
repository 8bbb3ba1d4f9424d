#pragma once
// The point of zero field on the x axis, the potential there and the equipotential through it,
// with its five points known in closed form.
#include <string>

#include "analysis/characteristic_results.h"
#include "base/colour.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

inline constexpr Colour kZeroFieldLevelColour = rgb(120, 120, 0);
inline constexpr Colour kAxisCrossingColour = rgb(120, 0, 0);

// Computes the zero-field point, the crossings of its equipotential and the potential there in
// closed form from the charge ratio of the picture's last charge drawing (all four positions
// 2*L, outside the region, for a zero charge or equal and opposite charges) and keeps them in
// `results`; scans that equipotential and marks the five closed-form points; prints the
// potential above the zero-field point. Stopped during the scan, it marks nothing.
void draw_zero_field_point(const FieldParams& params, const FieldPicture& picture,
                           CharacteristicResults& results, PictureBox& pic,
                           Progress& progress = no_progress());

// The zero-field point from the current charges: its distance from the left charge, or 2*L
// when there is none.
double zero_field_distance(const FieldParams& params);

// The five-line explanation ("->00" for the position when there is no zero-field point).
std::string zero_field_message(const FieldParams& params, const CharacteristicResults& results);
inline constexpr SourceText kZeroFieldTitle = CF_TEXT("Analysis", "Точка с нулевой напряжённостью");

// draw_zero_field_point, then the black dot with "E=0" at the zero-field point, then the
// explanation (the last two not when `progress` says stop).
void show_zero_field_point(const FieldParams& params, const FieldPicture& picture,
                           CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
                           Progress& progress = no_progress());
