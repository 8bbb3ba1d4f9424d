#include "picture/equipotentials.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/parallel.h"
#include "base/primitive_buffer.h"
#include "model/counted_loop.h"
#include "model/numbers.h"

void set_steps(Module1& m) {
    m.h = (m.x_max - m.x_min) / 400;
    m.h2 = 2 * m.h;
}

PotentialGrid potential_grid(const Module1& m) {
    PotentialGrid g;
    const double x_end = m.x_max;
    const double x_step = m.h;
    double x = m.x_min;
    for (; loop_goes_on(x, x_end, x_step); x += x_step) {
        g.columns.push_back(x);
    }
    g.x_after = x;
    const float y_end = m.y_max;
    const float y_step = static_cast<float>(m.h2);
    float y = 0;
    for (; loop_goes_on(y, y_end, y_step); y += y_step) {
        g.rows.push_back(y);
    }
    g.y_after = y;
    g.half = y_step / 2;

    const std::size_t rows = g.rows.size();
    g.potential.resize(g.columns.size() * rows);
    g.lowest.assign(g.columns.size(), INFINITY);
    g.highest.assign(g.columns.size(), -INFINITY);
    for (std::size_t c = 0; c < g.columns.size(); ++c) {
        const double dx1 = g.columns[c] + m.a;
        const double dx2 = g.columns[c] - m.a;
        double* p = &g.potential[c * rows];
        for (std::size_t r = 0; r < rows; ++r) {
            const double yy = static_cast<double>(g.rows[r]) * g.rows[r];
            const double r1 = std::sqrt(dx1 * dx1 + yy);
            const double r2 = std::sqrt(dx2 * dx2 + yy);
            if (r1 == 0 || r2 == 0) {
                p[r] = std::nan("");
                continue;
            }
            p[r] = m.k * (m.q1 / r1 + m.q2 / r2);
            g.lowest[c] = std::min(g.lowest[c], p[r]);
            g.highest[c] = std::max(g.highest[c], p[r]);
        }
    }
    return g;
}

namespace {

// The potential minus the level at a node, as the scan keeps it: single precision, and no sign
// (zero) on a charge.
float difference(double p, double level) {
    return std::isnan(p) ? 0.0f : static_cast<float>(p - level);
}

// One level of the scan: hands every upper dot (x, y) to `dot` and returns the difference at the
// last node, which the scan leaves in dfi and dfi_prev. A column whose potentials all lie on one
// side of the level (or on it) has no strict crossing and is passed over.
template <class Dot> float scan_one_level(const PotentialGrid& g, double level, Dot dot) {
    const std::size_t rows = g.rows.size();
    for (std::size_t c = 0; c < g.columns.size(); ++c) {
        if (!(g.lowest[c] < level && level < g.highest[c])) {
            continue;
        }
        const double* p = &g.potential[c * rows];
        // Row 0 (the axis) only starts the comparison of its column.
        float prev = difference(p[0], level);
        for (std::size_t r = 1; r < rows; ++r) {
            const float d = difference(p[r], level);
            if (prev * d < 0) {
                dot(static_cast<float>(g.columns[c]), g.rows[r] - g.half);
            }
            prev = d;
        }
    }
    return g.potential.empty() ? 0.0f : difference(g.potential.back(), level);
}

// What the scan leaves in the record after a level whose last difference is `last`.
void leave_scan_values(Module1& m, const PotentialGrid& g, float last) {
    if (g.columns.empty()) {
        m.x = g.x_after;
        return;
    }
    m.x = g.x_after;
    m.y = g.y_after;
    if (!g.rows.empty()) {
        m.dfi = last;
        m.dfi_prev = last;
    }
}

} // namespace

void scan_grid(Module1& m, PictureBox& pic, const PotentialGrid& g, double level, Colour colour) {
    const float last = scan_one_level(g, level, [&](float x, float y) {
        pic.dot(x, y, colour);
        pic.dot(x, -y, colour);
    });
    leave_scan_values(m, g, last);
}

void scan_level(Module1& m, PictureBox& pic, double level, Colour colour, Progress& progress) {
    if (!progress.report(0)) {
        return;
    }
    const PotentialGrid grid = potential_grid(m);
    if (!progress.report(0.5)) {
        return;
    }
    scan_grid(m, pic, grid, level, colour);
}

namespace {

// Levels scanned together as one piece of work on another thread, and the levels worth several
// threads (a level takes some tens of microseconds).
constexpr std::size_t kLevelsPerPiece = 8;
constexpr std::size_t kLevelsForThreads = 256;

struct ScannedLevels {
    PrimitiveBuffer dots;
    float last = 0;
};

} // namespace

void lines_fi(Module1& m, PictureBox& pic, Progress& progress) {
    set_steps(m);
    const double ra = std::abs(m.r0 - 2 * m.a);
    m.fi_b1 = m.k * (m.q1 / m.r0 + m.q2 / ra);
    m.fi_b2 = m.k * (m.q1 / ra + m.q2 / m.r0);
    const double d1 = std::sqrt((0 + m.a) * (0 + m.a) + m.L * m.L);
    const double d2 = std::sqrt((0 - m.a) * (0 - m.a) + m.L * m.L);
    m.fi_edge = m.k * (m.q1 / d1 + m.q2 / d2);

    if (m.q1 == 0) {
        m.fi_start = m.fi_edge;
        m.fi_end = m.fi_b2;
    } else if (m.q2 == 0) {
        m.fi_start = m.fi_edge;
        m.fi_end = m.fi_b1;
    } else if (m.q1 * m.q2 > 0 && std::abs(m.q2) <= std::abs(m.q1)) {
        m.fi_start = m.fi_b2;
        m.fi_end = m.fi_edge;
    } else if (m.q1 * m.q2 > 0) {
        m.fi_start = m.fi_b1;
        m.fi_end = m.fi_edge;
    } else {
        m.fi_start = m.fi_b2;
        m.fi_end = m.fi_b1;
    }
    if (m.n_fi == 0) {
        // No level spacing exists: no equipotential, the tool-tip keeps its text.
        return;
    }
    m.d_fi = (m.fi_end - m.fi_start) / m.n_fi;
    // The pattern " 0.00": a blank before the digits, the sign (if any) before the blank.
    const std::string step = format_fixed(m.d_fi, 2, m.dec_sep);
    m.label7_tooltip =
        step.front() == '-' ? "через - " + step.substr(1) + " B" : "через  " + step + " B";

    const float lev_end = static_cast<float>(m.fi_end);
    const float lev_step = static_cast<float>(m.d_fi);
    // The levels, counted as the scan counts them.
    std::vector<float> levels;
    for (m.fi_lev = static_cast<float>(m.fi_start); loop_goes_on(m.fi_lev, lev_end, lev_step);
         m.fi_lev += lev_step) {
        levels.push_back(m.fi_lev);
        // A step below half the counter's precision would never reach the end: stop after this
        // level instead of scanning forever.
        if (m.fi_lev + lev_step == m.fi_lev) {
            break;
        }
    }
    const float lev_after = m.fi_lev;
    if (levels.empty()) {
        return;
    }

    pic.pen_width = 2;
    // The potential of a node does not depend on the level: compute the grid once and scan it
    // for every level.
    const PotentialGrid grid = potential_grid(m);
    const std::size_t pieces = (levels.size() + kLevelsPerPiece - 1) / kLevelsPerPiece;
    const auto first_level = [](std::size_t piece) { return piece * kLevelsPerPiece; };
    const auto end_level = [&](std::size_t piece) {
        return std::min(levels.size(), (piece + 1) * kLevelsPerPiece);
    };
    const unsigned threads = workers_for(levels.size(), kLevelsForThreads);
    bool finished = true;
    if (threads <= 1 || pieces <= 1) {
        for (std::size_t j = 0; j < levels.size() && finished; ++j) {
            if (j % kLevelsPerPiece == 0 &&
                !progress.report(static_cast<double>(j) / levels.size())) {
                finished = false;
                break;
            }
            m.fi_lev = levels[j];
            scan_grid(m, pic, grid, m.fi_lev, kEquipotentialColour);
        }
    } else {
        // Each piece scans a few levels into a buffer of its own; the grid is only read.
        const PieceCompute<ScannedLevels> compute = [&](std::size_t piece, unsigned,
                                                        ScannedLevels& out) {
            out.dots.clear();
            for (std::size_t j = first_level(piece); j < end_level(piece); ++j) {
                out.last = scan_one_level(grid, levels[j], [&](float x, float y) {
                    out.dots.dot(x, y, kEquipotentialColour);
                    out.dots.dot(x, -y, kEquipotentialColour);
                });
            }
        };
        const PieceTake<ScannedLevels> take = [&](std::size_t piece, ScannedLevels& in) {
            if (!progress.report(static_cast<double>(first_level(piece)) / levels.size())) {
                return false;
            }
            in.dots.replay(pic);
            m.fi_lev = levels[end_level(piece) - 1];
            leave_scan_values(m, grid, in.last);
            return true;
        };
        finished = run_in_order(pieces, threads, compute, take);
    }
    if (finished) {
        m.fi_lev = lev_after;
    }
    pic.pen_width = 1;
}
