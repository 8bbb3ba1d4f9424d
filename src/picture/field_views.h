#pragma once
// The views a field picture may show besides the prescribed ones (FieldParams::views): the
// potential map with its legend, the field arrows, and the exact field lines of equal flux; each
// drawn on a picture box under the field picture's scale.
#include "base/colour.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

// The separatrix among the lines of equal flux: the line through the zero-field point.
inline constexpr Colour kSeparatrixColour = rgb(140, 0, 170);
// The legend's panel and the frame of its colour bar.
inline constexpr Colour kLegendFrameColour = rgb(96, 96, 96);

// The picture's width in pixels that the views assume on a box without pixels of its own: the
// opening window's picture.
inline constexpr int kNominalPicturePixels = 544;

// Every pixel of the picture coloured by the potential at its centre (potential_map.h), at the
// resolution the box paints at; to be drawn first, under everything else.
void draw_potential_map(const FieldParams& params, PictureBox& pic);

// The map's legend in the top-right corner: a panel with a colour bar from -Vmax to Vmax, its
// marks and their values in volts, and the heading "φ, В".
void draw_potential_legend(const FieldParams& params, PictureBox& pic);

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
// the prescribed ones (draw_field_lines) otherwise.
void draw_field_line_family(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                            Progress& progress = no_progress());
