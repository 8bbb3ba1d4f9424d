#pragma once
// Sampling a quantity along a profile line, and drawing the profile window's picture: grid,
// axes, labels, the curve and the extreme values.
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "profiles/profile_family.h"

// Fills the window's profile_state (all but d_val): n_pts positions from one step inside the
// line's start to its end, the values there, the extremes (starting at 0, so zero is always in
// range) and the value axis v_lo..v_hi with a 1 % margin, times the window's scale factor.
// Reports every few dozen samples; stopped, it leaves the state half filled.
void sample_profile(Module1& m, const ProfileKind& kind, Progress& progress = no_progress());

// The whole drawing pass of a window on a cleared picture. Ends with a warning and draws
// nothing when the profile is all zero (and, in the potential window on x = X_fix, when equal and
// opposite charges make the potential vanish along x = 0). Stopped while sampling, it draws
// nothing.
void draw_profile(Module1& m, const ProfileKind& kind, PictureBox& pic, Dialogs& dialogs,
                  Progress& progress = no_progress());

// The profile curve: a blue polyline, two pixels wide, from the start of the line through every
// sample, in the coordinates the drawing pass has set.
void draw_curve(Module1& m, const ProfileKind& kind, PictureBox& pic);

inline constexpr Colour kCurveColour = rgb(0, 0, 255);
// Samples are kept within this magnitude, so that the value axis and its scale stay finite in
// single precision even where a point function overflows next to a charge.
inline constexpr float kSampleLimit = 1e30f;

// The drawing passes and the curve routines of the six windows.
inline void axes_fi(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form3), pic, d);
}
inline void axes_fi_2(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form4), pic, d);
}
inline void axes_Exx(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form_Exx), pic, d);
}
inline void axes_Eyx(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form_Eyx), pic, d);
}
inline void axes_Exy(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form_Exy), pic, d);
}
inline void axes_Eyy(Module1& m, PictureBox& pic, Dialogs& d) {
    draw_profile(m, profile_kind(ProfileId::Form_Eyy), pic, d);
}
inline void grafik_3(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form3), pic);
}
inline void grafik_4(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form4), pic);
}
inline void grafik_Exx(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form_Exx), pic);
}
inline void grafik_Eyx(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form_Eyx), pic);
}
inline void grafik_Exy(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form_Exy), pic);
}
inline void grafik_Eyy(Module1& m, PictureBox& pic) {
    draw_curve(m, profile_kind(ProfileId::Form_Eyy), pic);
}

// The start of a profile's line (x_min or y_min), and the value a profile takes at a position
// along its line, as its samples and its curve take it.
double profile_line_start(const Module1& m, const ProfileKind& kind);
float profile_value(const Module1& m, const ProfileKind& kind, double pos);
