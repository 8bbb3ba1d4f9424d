#pragma once
// The exact equipotentials as a picture shows them: levels a reader can use, each with its value
// set into a gap of its line.
//
// Levels. The candidates (exact_equipotentials.h: the level through the zero-field point, 0 V,
// then the round values, of the 1-2-5 series first) are taken in their order, and one is kept when
// its curve keeps at least kLevelGapPixels from the curves kept before, crosses no label placed
// before, and has room for a label of its own; until `count` are kept. Where the potential's
// range in the region holds fewer such levels, fewer are drawn. The level through the zero-field
// point and 0 V are kept in any case, with a label where there is room for one.
//
// Labels. Each curve (an arc with its mirror image) long enough gets one label, upright, centred
// on a point of the curve (its anchor), inside the region, off the x axis, clear of every box
// and disc in the label space, of the zero-field point and of the other labels, and crossed by
// no other level; of the places
// along the curve, the one where the curve runs straightest and farthest from the labels placed
// before.
#include <functional>
#include <vector>

#include "base/progress.h"
#include "picture/exact_equipotentials.h"
#include "picture/label_space.h"

// What labels keep clear of, and how large they are; in user units (metres).
struct LabelSpace {
    double half_width = 4;
    double pixel = 8.0 / 544; // of the picture box, metres
    double text_height = 15 * 8.0 / 544;
    std::vector<LabelBox> taken; // the frame's labels, the potential map's legend
    std::vector<Disc> discs;     // the charges
};

// The least distance between the curves of two levels, in pixels.
inline constexpr double kLevelGapPixels = 8;

struct EquipotentialLabel {
    double volts;
    PlanePoint anchor; // on the line: the middle of the box
    LabelBox box;      // the text's box; the lines are cut out of it
};

struct LabelledEquipotentials {
    std::vector<EquipotentialCurve> curves; // in the order they were kept
    std::vector<EquipotentialLabel> labels;
    bool complete = true; // false when the progress said stop
};

// `label_width(volts)`: the width of a level's label text, metres. Reports the share of
// candidates tried; stopped, it returns the levels kept so far.
LabelledEquipotentials labelled_equipotentials(const ChargePair& charges,
                                               const EquipotentialSettings& settings, int count,
                                               const LabelSpace& space,
                                               const std::function<double(double)>& label_width,
                                               Progress& progress = no_progress());

// The upper pieces of a curve and their mirror images below the axis, as polylines.
std::vector<std::vector<PlanePoint>> curve_polylines(const EquipotentialCurve& curve);
