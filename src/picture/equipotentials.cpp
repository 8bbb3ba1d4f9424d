#include "picture/equipotentials.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/parallel.h"
#include "base/primitive_buffer.h"
#include "model/counted_loop.h"
#include "model/numbers.h"

ScanSteps scan_steps(const Frame& frame) {
    ScanSteps s;
    s.across = (frame.x_max - frame.x_min) / 400;
    s.upward = 2 * s.across;
    return s;
}

EquipotentialScan::EquipotentialScan(const FieldParams& params, const Frame& frame) {
    const ScanSteps steps = scan_steps(frame);
    const double x_end = frame.x_max;
    const double x_step = steps.across;
    for (double x = frame.x_min; loop_goes_on(x, x_end, x_step); x += x_step) {
        columns_.push_back(x);
    }
    const float y_end = frame.y_max;
    const float y_step = static_cast<float>(steps.upward);
    for (float y = 0; loop_goes_on(y, y_end, y_step); y += y_step) {
        rows_.push_back(y);
    }
    half_ = y_step / 2;

    const double a = params.half_distance;
    const std::size_t rows = rows_.size();
    potential_.resize(columns_.size() * rows);
    lowest_.assign(columns_.size(), INFINITY);
    highest_.assign(columns_.size(), -INFINITY);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const double dx1 = columns_[c] + a;
        const double dx2 = columns_[c] - a;
        double* p = &potential_[c * rows];
        for (std::size_t r = 0; r < rows; ++r) {
            const double yy = static_cast<double>(rows_[r]) * rows_[r];
            const double r1 = std::sqrt(dx1 * dx1 + yy);
            const double r2 = std::sqrt(dx2 * dx2 + yy);
            if (r1 == 0 || r2 == 0) {
                p[r] = std::nan("");
                continue;
            }
            p[r] = params.coulomb_k * (params.q1 / r1 + params.q2 / r2);
            lowest_[c] = std::min(lowest_[c], p[r]);
            highest_[c] = std::max(highest_[c], p[r]);
        }
    }
}

void EquipotentialScan::draw_level(PictureBox& pic, double level, Colour colour) const {
    for_each_dot(level, [&](float x, float y) {
        pic.dot(x, y, colour);
        pic.dot(x, -y, colour);
    });
}

void scan_level(const FieldParams& params, const Frame& frame, PictureBox& pic, double level,
                Colour colour, Progress& progress) {
    if (!progress.report(0)) {
        return;
    }
    const EquipotentialScan scan(params, frame);
    if (!progress.report(0.5)) {
        return;
    }
    scan.draw_level(pic, level, colour);
}

LevelRange level_range(const FieldParams& params, const ChargeMarks& charges) {
    const double k = params.coulomb_k;
    const double q1 = params.q1, q2 = params.q2, a = params.half_distance;
    const double L = params.half_width;
    const double r0 = charges.charge_radius;
    LevelRange l;
    const double ra = std::abs(r0 - 2 * a);
    l.near_left = k * (q1 / r0 + q2 / ra);
    l.near_right = k * (q1 / ra + q2 / r0);
    const double d1 = std::sqrt((0 + a) * (0 + a) + L * L);
    const double d2 = std::sqrt((0 - a) * (0 - a) + L * L);
    l.top_edge = k * (q1 / d1 + q2 / d2);

    if (q1 == 0) {
        l.start = l.top_edge;
        l.end = l.near_right;
    } else if (q2 == 0) {
        l.start = l.top_edge;
        l.end = l.near_left;
    } else if (q1 * q2 > 0 && std::abs(q2) <= std::abs(q1)) {
        l.start = l.near_right;
        l.end = l.top_edge;
    } else if (q1 * q2 > 0) {
        l.start = l.near_left;
        l.end = l.top_edge;
    } else {
        l.start = l.near_right;
        l.end = l.near_left;
    }
    if (params.level_intervals != 0) {
        l.step = (l.end - l.start) / params.level_intervals;
    }
    return l;
}

namespace {

// Levels scanned together as one piece of work on another thread, and the levels worth several
// threads (a level takes some tens of microseconds).
constexpr std::size_t kLevelsPerPiece = 8;
constexpr std::size_t kLevelsForThreads = 256;

} // namespace

std::optional<std::string> level_step_tip(const FieldParams& params, const ChargeMarks& charges) {
    if (params.level_intervals == 0) {
        // No level spacing exists: no equipotential, and no step to tell.
        return std::nullopt;
    }
    if (params.views.exact_equipotentials) {
        return translated(params.translator, kLabelledLevelsTip);
    }
    // The pattern " 0.00": a blank before the digits, the sign (if any) before the blank.
    const std::string step =
        format_fixed(level_range(params, charges).step, 2, params.decimal_separator);
    const std::string signed_step = step.front() == '-' ? "- " + step.substr(1) : " " + step;
    return translated(params.translator, CF_TEXT("Picture", "через %1 B"), {signed_step});
}

std::optional<std::string> draw_equipotentials(const FieldParams& params,
                                               const FieldPicture& picture, PictureBox& pic,
                                               Progress& progress) {
    std::optional<std::string> tip = level_step_tip(params, picture.charges);
    if (!tip) {
        return tip;
    }
    const LevelRange range = level_range(params, picture.charges);

    const float lev_end = static_cast<float>(range.end);
    const float lev_step = static_cast<float>(range.step);
    // The levels, counted in single precision.
    std::vector<float> levels;
    for (float level = static_cast<float>(range.start); loop_goes_on(level, lev_end, lev_step);
         level += lev_step) {
        levels.push_back(level);
        // A step below half the counter's precision would never reach the end: stop after this
        // level instead of scanning forever.
        if (level + lev_step == level) {
            break;
        }
    }
    if (levels.empty()) {
        return tip;
    }

    pic.pen_width = 2;
    // The potential of a node does not depend on the level: compute the grid once and scan it
    // for every level.
    const EquipotentialScan scan(params, picture.frame);
    const std::size_t pieces = (levels.size() + kLevelsPerPiece - 1) / kLevelsPerPiece;
    const auto first_level = [](std::size_t piece) { return piece * kLevelsPerPiece; };
    const auto end_level = [&](std::size_t piece) {
        return std::min(levels.size(), (piece + 1) * kLevelsPerPiece);
    };
    const unsigned threads = workers_for(levels.size(), kLevelsForThreads);
    if (threads <= 1 || pieces <= 1) {
        for (std::size_t j = 0; j < levels.size(); ++j) {
            if (j % kLevelsPerPiece == 0 &&
                !progress.report(static_cast<double>(j) / levels.size())) {
                break;
            }
            scan.draw_level(pic, levels[j], kEquipotentialColour);
        }
    } else {
        // Each piece scans a few levels into a buffer of its own; the scan is only read.
        const PieceCompute<PrimitiveBuffer> compute = [&](std::size_t piece, unsigned,
                                                          PrimitiveBuffer& out) {
            out.clear();
            for (std::size_t j = first_level(piece); j < end_level(piece); ++j) {
                scan.draw_level(out, levels[j], kEquipotentialColour);
            }
        };
        const PieceTake<PrimitiveBuffer> take = [&](std::size_t piece, PrimitiveBuffer& in) {
            if (!progress.report(static_cast<double>(first_level(piece)) / levels.size())) {
                return false;
            }
            in.replay(pic);
            return true;
        };
        run_in_order(pieces, threads, compute, take);
    }
    pic.pen_width = 1;
    return tip;
}
