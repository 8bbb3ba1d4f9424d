#pragma once
// Sampling a quantity along a profile line, and drawing the profile window's picture: grid,
// axes, labels, the curve and the extreme values.
#include <vector>

#include "base/colour.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_family.h"

// What one drawing pass of a profile sampled: positions, values, extremes and the range of the
// value axis. Indices 1 to profile_steps are used; index 0 is left empty. One per profile
// window.
struct ProfileSamples {
    std::vector<double> positions; // sample positions along the line, m
    std::vector<float> values;     // sampled values, V or V/m
    float max_value = 0;           // greatest sampled value, never below 0
    float min_value = 0;           // least sampled value, never above 0
    double position_step = 0;      // step between neighbouring positions
    double axis_low = 0;           // lower end of the value axis
    double axis_high = 0;          // upper end of the value axis
    float value_grid_step = 0;     // step of the value grid, set by the drawing pass
};

// Fills `samples` (all but the value grid step): profile_steps positions from one step inside
// the line's start to its end (the line as the frame bounds it), the values there, the extremes
// (starting at 0, so zero is always in range) and the value axis with a 1 % margin, times the
// window's scale factor. Reports every few dozen samples; stopped, it leaves them half filled.
void sample_profile(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                    double scale, ProfileSamples& samples, Progress& progress = no_progress());

// The whole drawing pass of a window on a cleared picture, over the frame of the main picture
// as last drawn. Ends with a warning and draws nothing when the profile is all zero (and, in the
// potential window on x = x_fixed, when equal and opposite charges make the potential vanish
// along x = 0). Stopped while sampling, it draws nothing.
void draw_profile(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                  double scale, ProfileSamples& samples, PictureBox& pic, Dialogs& dialogs,
                  Progress& progress = no_progress());

// The profile curve: a blue polyline, two pixels wide, from the start of the line through every
// sample, in the coordinates the drawing pass has set.
void draw_curve(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                const ProfileSamples& samples, PictureBox& pic);

inline constexpr Colour kCurveColour = rgb(0, 0, 255);
// Samples are kept within this magnitude, so that the value axis and its scale stay finite in
// single precision even where a point function overflows next to a charge.
inline constexpr float kSampleLimit = 1e30f;

// The start of a profile's line (x_min or y_min), and the value a profile takes at a position
// along its line, as its samples and its curve take it.
double profile_line_start(const Frame& frame, const ProfileKind& kind);
float profile_value(const FieldParams& params, const ProfileKind& kind, double pos);
