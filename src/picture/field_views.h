#pragma once
// The views a field picture may show besides the prescribed ones (FieldParams::views): the
// potential map with its legend, the field arrows, and the exact field lines of equal flux; each
// drawn on a picture box under the field picture's scale; and the exact equipotentials with
// their labels, and the charges' signs with the field lines' directions.
#include <optional>
#include <string>
#include <vector>

#include "base/colour.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "picture/label_space.h"

// The separatrix among the lines of equal flux: the line through the zero-field point.
inline constexpr Colour kSeparatrixColour = rgb(140, 0, 170);
// The legend's panel and the frame of its colour bar.
inline constexpr Colour kLegendFrameColour = rgb(96, 96, 96);

// The picture's width in pixels that the views assume on a box without pixels of its own: the
// opening window's picture.
inline constexpr int kNominalPicturePixels = 544;

// The width of one of the box's pixels in user units, or of the nominal picture's where the box
// has none.
double picture_pixel(const FieldParams& params, PictureBox& pic);

// Every pixel of the picture coloured by the potential at its centre (potential_map.h), at the
// resolution the box paints at; to be drawn first, under everything else.
void draw_potential_map(const FieldParams& params, PictureBox& pic);

// The map's legend in the top-right corner: a panel with a colour bar from -Vmax to Vmax, its
// marks and their values in volts, and the heading "φ, В".
void draw_potential_legend(const FieldParams& params, PictureBox& pic);
// The legend's panel, where draw_potential_legend draws it.
LabelBox potential_legend_box(const FieldParams& params, PictureBox& pic);

// The grid of field arrows (field_arrows.h) about 30 pixels apart, each as three grey strokes: the
// shaft and the head's two.
void draw_field_arrows(const FieldParams& params, PictureBox& pic);

// The field lines of equal flux (flux_lines.h) for params.lines_per_charge, each drawn with its
// mirror image in the field lines' colour, the separatrix in its own; traced to a quarter of the
// box's pixel, so that exports up to four times the size keep the accuracy. Lines start on the
// circles of radius charges.charge_radius. Reports as it goes; a stop ends it with the whole
// lines traced so far drawn.
void draw_flux_lines(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                     Progress& progress = no_progress());

// The field-line family the computation draws: the lines of equal flux when that view is on,
// the prescribed ones (draw_field_lines) otherwise; left out inside the `gaps` (the labels of
// the exact equipotentials). With the view of the charges' signs, each piece of a line drawn
// in the region gets an arrowhead at its middle, pointing along E (draw_direction_marks).
void draw_field_line_family(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                            Progress& progress = no_progress(),
                            const std::vector<LabelBox>& gaps = {});

// The exact equipotentials (labelled_equipotentials.h) for about level_intervals + 1 levels,
// traced to a quarter of the box's pixel (exports up to four times the size keep the accuracy),
// each piece and its mirror image a polyline one pixel wide in the equipotentials' blue, cut
// where a label sits; then the labels («2 В», «−0.5 В») in the same blue, in the picture's
// font. Keeps clear of the frame's texts, of the legend when the map is shown and of the
// charges' discs. Returns the tip of the level count (level_step_tip) and the labels' boxes,
// which the field lines drawn after leave out too. A count of 0 or below draws nothing.
struct ExactEquipotentials {
    std::optional<std::string> tip;
    std::vector<LabelBox> gaps;
};
ExactEquipotentials draw_exact_equipotentials(const FieldParams& params,
                                              const FieldPicture& picture, PictureBox& pic,
                                              Progress& progress = no_progress());

// A level's label: its value, shortest, to three significant digits, with a minus sign (U+2212)
// below zero and the unit («−0.5 В», «14.4 В»).
std::string equipotential_label(double volts, const FieldParams& params);

// The charges' discs of the view of their signs: radius kChargeMarkPixels pixels (so an export
// at twice the size has them twice as large), red for a positive charge, blue for a negative
// one, grey for none (when the other is not), with a white «+» or «−» across.
inline constexpr double kChargeMarkPixels = 7;
inline constexpr Colour kZeroChargeColour = rgb(128, 128, 128);
inline constexpr Colour kChargeSignColour = rgb(255, 255, 255);
double charge_mark_radius(const FieldParams& params, PictureBox& pic);
std::vector<Disc> charge_mark_discs(const FieldParams& params, PictureBox& pic);
void draw_charge_marks(const FieldParams& params, PictureBox& pic);

// An arrowhead at the middle of each piece of a line, pointing along E at that point: two
// strokes kArrowheadPixels long, at kArrowheadAngle either side of the line, in the piece's
// colour. A piece is the part of a polyline inside the region; one shorter than three heads
// gets none.
inline constexpr double kArrowheadPixels = 7;
inline constexpr double kArrowheadAngle = 0.4; // radians, about 23 degrees
struct LinePiece {
    std::vector<PlanePoint> points;
    Colour colour = 0;
};
void draw_direction_marks(const FieldParams& params, const std::vector<LinePiece>& pieces,
                          PictureBox& pic, const std::vector<LabelBox>& gaps = {});
