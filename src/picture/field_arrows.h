#pragma once
// A grid of field arrows: at points spaced about 30 pixels apart, at odd multiples of half the
// spacing from each axis (so the grid is symmetric about both axes and no arrow lies on one),
// each arrow of the same length along E, centred on its point, with a shade from |E| on a
// logarithmic scale. Arrows that would come within a charge's disc (radius |q|*r0, and a pixel
// more) are left out.
#include <vector>

#include "base/pixel_grid.h"
#include "picture/charge_pair.h"

struct FieldArrow {
    double x, y;           // the grid point, the middle of the shaft
    double tail_x, tail_y; // the shaft's ends, the tip in the direction of E
    double tip_x, tip_y;
    double left_x, left_y; // the ends of the head's two strokes from the tip
    double right_x, right_y;
    double strength; // |E|, V/m
    double shade;    // 0 for the weakest field shown, 1 for the strongest
};

struct FieldArrows {
    std::vector<FieldArrow> arrows;
    double spacing = 0;                // metres between neighbouring grid points
    double length = 0;                 // of every shaft, metres
    double weakest = 0, strongest = 0; // |E| at shades 0 and 1, V/m
};

// `spacing_px` is the wanted spacing in pixels; the one used puts an even number of columns
// across the picture's width.
FieldArrows field_arrows(const ChargePair& charges, const PixelGrid& grid,
                         double start_radius = 0.05, double spacing_px = 30);

// The grey level (0 black to 255 white) an arrow of the given shade is drawn in: light for a weak
// field, dark for a strong one.
int arrow_grey(double shade);
