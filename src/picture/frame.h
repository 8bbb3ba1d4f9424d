#pragma once
// The frame of every field picture: user scale, grid, numbered ticks, axes, the charge marks;
// and what a picture keeps of them for the drawings and the clicks that come after it.
#include <optional>
#include <string>
#include <vector>

#include "base/colour.h"
#include "base/picture_box.h"
#include "model/field_params.h"
#include "picture/label_space.h"

// The region and its grid, as the frame draws them.
struct Frame {
    double x_min = 0, x_max = 0, y_min = 0;
    float y_max = 0;
    double grid_step = 0;       // a/2, m
    float grid_step_single = 0; // the same in single precision
    double grid_steps = 0;      // grid steps from the bottom to the top
};

// The charge marks and what the characteristic lines take from them.
struct ChargeMarks {
    double charge_radius = 0;     // r0, m: the marks' scale and the tracing's reach
    double charge_ratio = 0;      // q2/q1, 100000 when q1 = 0
    double sqrt_charge_ratio = 0; // sqrt(|q2/q1|)
};

// What a field picture leaves for later drawings and clicks, as it was last drawn: all zero
// before the first.
struct FieldPicture {
    Frame frame;
    ChargeMarks charges;
};

// The frame of the square region of half-width L (y upward).
Frame frame_for(const FieldParams& params);

// A text of the frame: what it says, where its top-left corner goes and its box.
struct FrameText {
    std::string text;
    float x = 0, y = 0;
    LabelBox box{};
};

// The texts of the frame under the scale in force, as draw_frame prints them: the tick labels
// of the grid (none where a label would not fit whole, and none at 0) and the names of the axes.
// With the view of the charges' signs, a label that a charge's disc would cover is moved below
// the disc (a tick label of x) or left out.
struct FrameTexts {
    std::vector<std::optional<FrameText>> x_ticks, y_ticks; // one per grid step
    std::optional<FrameText> x_name, y_name;
    // Every text shown.
    std::vector<LabelBox> boxes() const;
};
FrameTexts frame_texts(const FieldParams& params, PictureBox& pic);

// Sets the user scale of frame_for, draws the light-green grid every a/2, the tick labels at
// twice the grid spacing, the two axes and their names; returns the frame. With the views on,
// the potential map comes first, under everything, and the field arrows and then the map's
// legend after the axes' names (field_views.h). A caller about to draw lines leaves the legend
// to draw over them when they are done, so that no line crosses it.
enum class MapLegend { WithFrame, LeftToCaller };
Frame draw_frame(const FieldParams& params, PictureBox& pic,
                 MapLegend legend = MapLegend::WithFrame);

// The radius r0 of the charge marks per nC, m: a charge q is a disc of radius |q|*r0, and the
// field lines start on circles of radius r0.
inline constexpr double kChargeRadius = 0.05;

// Draws each non-zero charge as a filled disc of radius |q|*r0 (red positive, blue negative), or,
// with the view of the charges' signs, as draw_charge_marks draws them; returns the marks.
ChargeMarks draw_charges(const FieldParams& params, PictureBox& pic);

inline constexpr Colour kGridColour = rgb(128, 255, 128);
inline constexpr Colour kAxisColour = 12; // rgb(12, 0, 0)
inline constexpr Colour kPositiveColour = rgb(255, 0, 0);
inline constexpr Colour kNegativeColour = rgb(0, 0, 255);
