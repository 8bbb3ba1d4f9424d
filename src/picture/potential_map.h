#pragma once
// The potential map: every pixel of the picture coloured by the potential at its centre.
//
// The scale is diverging and symmetric-logarithmic: a potential V sits at the position
//     p(V) = sign(V) * asinh(|V|/V0) / asinh(Vmax/V0)        (clamped to -1 .. 1)
// which is linear within a few V0 of zero and logarithmic beyond, so the far field (fractions of
// a volt) and the near field (a hundred volts and more) both show. Positive positions are warm
// (pale yellow to orange), negative ones cool (pale to mid blue), 0 V near-white; the colours
// stay light, so the grid, the axes, the labels and the lines drawn over them stay clear.
//
// Vmax and V0 depend on the charges only, not on the region, so a point keeps its colour when the
// region changes: Vmax is k*max(|q1|, |q2|)/r0 (the potential scale at the start circle of the
// larger charge) rounded up to 1, 2 or 5 times a power of ten, and V0 = Vmax/1000, three decades
// of logarithmic scale.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/pixel_grid.h"
#include "picture/charge_pair.h"

struct PotentialScale {
    double linear_volts = 0.1; // V0
    double full_volts = 100;   // Vmax: the colours saturate beyond it

    // p(V) above.
    double position(double volts) const;
};

PotentialScale potential_scale(const ChargePair& charges, double start_radius = 0.05);

// The colour at a position from -1 to 1, as 0xffRRGGBB (a 32-bit RGB image's pixel).
std::uint32_t potential_colour(double position);

// The values the legend's colour bar marks: 0 and, on each side, Vmax/100, Vmax/10 and Vmax, with
// their positions on the scale.
struct LegendMark {
    double volts;
    double position;
};
std::vector<LegendMark> potential_legend(const PotentialScale& scale);

// Fills `grid.height` rows of `grid.width` pixels, each row `row_stride` pixels after the one
// before, with the colour of the potential at each pixel's centre (0xffRRGGBB), on all cores. The
// rows are worked out in single precision and the colours taken from a table with 32 steps per
// doubling of |V|, a step a fraction of a colour unit; rows mirrored about the axis are copied.
void fill_potential_map(const ChargePair& charges, const PotentialScale& scale,
                        const PixelGrid& grid, std::uint32_t* pixels, std::size_t row_stride);
