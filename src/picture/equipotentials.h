#pragma once
// The family of equipotential lines, found by a grid scan of the upper half and drawn as dots.
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/colour.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

// The scan's steps: across = (x_max - x_min)/400, upward = twice that.
struct ScanSteps {
    double across = 0;
    double upward = 0;
};
ScanSteps scan_steps(const Frame& frame);

// The scan of the upper half of a frame: its grid with the potential at the nodes, columns
// from x_min by the step across, rows from the axis up by the step upward (single-precision
// rows), both counted as the scan's loops count them. It finds the dots of any level.
class EquipotentialScan {
  public:
    EquipotentialScan(const FieldParams& params, const Frame& frame);

    // A dot in `colour` at the current pen width, and its mirror, halfway between two vertically
    // adjacent nodes wherever the potential strictly crosses the level (a node on a charge has
    // no sign and crosses nothing).
    void draw_level(PictureBox& pic, double level, Colour colour) const;
    // The upper dots of one level, as dot(x, y), in the order draw_level draws them.
    template <class Dot> void for_each_dot(double level, Dot dot) const;

  private:
    std::vector<double> columns_; // x of every column
    std::vector<float> rows_;     // y of every row
    float half_ = 0;              // half the row step: a dot sits between two rows
    // Potentials [V] column by column, NaN on a charge; and the least and greatest of each
    // column (a level outside them crosses nothing there).
    std::vector<double> potential_;
    std::vector<double> lowest_, highest_;
};

// Scans one potential `level` over the frame, drawing its dots in `colour`. Reports before the
// grid and before the scan; stopped, it draws nothing.
void scan_level(const FieldParams& params, const Frame& frame, PictureBox& pic, double level,
                Colour colour, Progress& progress = no_progress());

// The levels of the family: the potentials near the charges (at r0 from them, on the axis
// towards the other charge) and at the middle of the top edge; the first and last level chosen
// from them; and the step between levels (0 for a zero count, which has none).
struct LevelRange {
    double near_left = 0, near_right = 0, top_edge = 0;
    double start = 0, end = 0;
    double step = 0;
};
LevelRange level_range(const FieldParams& params, const ChargeMarks& charges);

// Draws level_intervals + 1 evenly spaced levels of level_range, pen width 2: a blue dot,
// mirrored below the axis, halfway between two vertically adjacent nodes wherever the potential
// strictly crosses the level. Returns the text of the level step for the tip of the level
// count ("через  7.75 B"); nothing for a zero count, which draws nothing (a negative count draws
// nothing either, but has a step). Reports after every few levels; a stop ends it there. The levels
// are scanned on all cores at once where there are several, and drawn in order.
std::optional<std::string> draw_equipotentials(const FieldParams& params,
                                               const FieldPicture& picture, PictureBox& pic,
                                               Progress& progress = no_progress());

// The text of the level step of level_range for the tip of the level count, as
// draw_equipotentials returns it: nothing for a zero count. Over exact equipotentials, whose
// levels are not evenly spaced, kLabelledLevelsTip instead.
std::optional<std::string> level_step_tip(const FieldParams& params, const ChargeMarks& charges);

inline constexpr SourceText kLabelledLevelsTip = CF_TEXT("Picture", "уровни подписаны на линиях");
// The tip of the level count before a step has been counted.
inline constexpr SourceText kLevelStepUnknown = CF_TEXT("Picture", "через ? (при расчёте) вольт");

inline constexpr Colour kEquipotentialColour = rgb(0, 0, 200);

// ---------------------------------------------------------------------------------------------

template <class Dot> void EquipotentialScan::for_each_dot(double level, Dot dot) const {
    const std::size_t rows = rows_.size();
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        // A column whose potentials all lie on one side of the level (or on it) has no strict
        // crossing.
        if (!(lowest_[c] < level && level < highest_[c])) {
            continue;
        }
        const double* p = &potential_[c * rows];
        // The potential minus the level at a node, as the scan compares it: single precision,
        // and no sign (zero) on a charge.
        const auto difference = [level](double v) {
            return std::isnan(v) ? 0.0f : static_cast<float>(v - level);
        };
        // Row 0 (the axis) only starts the comparison of its column.
        float prev = difference(p[0]);
        for (std::size_t r = 1; r < rows; ++r) {
            const float d = difference(p[r]);
            if (prev * d < 0) {
                dot(static_cast<float>(columns_[c]), rows_[r] - half_);
            }
            prev = d;
        }
    }
}
