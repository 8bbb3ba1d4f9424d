#pragma once
// Lines as the raster painter draws them with an aliased, square-capped pen: one-pixel lines
// cut to the image in floating point and stepped along their longer axis in the painter's
// fixed-point arithmetic, wider lines cut likewise and filled row by row as the painter fills
// their outline. The stepping and the filling hand their pixels and rows to the caller, who
// writes them: templates, so that the writing is compiled into the stepping.
//
// The desktop checks them against its painter once per run (src/ui/painter_check.cpp): a few
// thousand lines of every direction, length and sub-pixel position, inside the image, across its
// edges and far beyond them, drawn both ways on small images. Where the two differ, the painter
// draws every line of that kind.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "raster/hypotenuse.h"
#include "raster/pixel_point.h"
#include "raster/segment_cut.h"

// A line end in pixels, with its coordinates in 1/64 pixel (truncated) as the painter steps
// them. (No initialisers: arrays of them are filled before they are read.)
struct LineEnd {
    double x, y;
    std::int64_t x64, y64;
    PixelPoint point() const { return {x, y}; }
};
inline LineEnd line_end(PixelPoint p) {
    return {p.x, p.y, static_cast<std::int64_t>(p.x * 64.0), static_cast<std::int64_t>(p.y * 64.0)};
}

// Runs along the major axis, in 1/64 pixel, up to two pixels, and 2^40 divided by each,
// rounded up.
inline constexpr std::int64_t kShortRun = 128;
struct ShortRunReciprocals {
    std::uint64_t of[kShortRun + 1] = {};
    constexpr ShortRunReciprocals() {
        for (std::int64_t r = 1; r <= kShortRun; ++r) {
            of[r] = ((std::uint64_t{1} << 40) + static_cast<std::uint64_t>(r) - 1) /
                    static_cast<std::uint64_t>(r);
        }
    }
};
inline constexpr ShortRunReciprocals kShortRunReciprocals;

// A one-pixel line, aliased and square-capped, as the raster painter draws it: its ends in
// 1/64 pixel (truncated), stepped along its longer axis from half a pixel before its start to
// half a pixel past its end, one pixel per step, the shorter axis following in 16.16 fixed
// point. `plot(x, y)` receives the pixels, which may lie a pixel or two beyond the ends. A level
// or upright line goes to `straight(steep, first, end, minor)` instead: the pixels [first, end)
// along its major axis at `minor` across it. Ends in the same 1/64 pixel give nothing.
template <class Plot, class Straight>
void step_thin_run(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, Plot plot,
                   Straight straight) {
    const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    // Major axis a, minor axis b.
    std::int64_t a1 = steep ? y1 : x1, b1 = steep ? x1 : y1;
    std::int64_t a2 = steep ? y2 : x2, b2 = steep ? x2 : y2;
    if (a1 == a2) {
        return; // both ends in the same 1/64 pixel: nothing to step along
    }
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    // The slope in 16.16, truncated towards zero. |rise| <= run, so the quotient is at most 2^16
    // and its double is within 2^-37 of it, while a quotient that is no whole number lies at
    // least 1/run >= 2^-31 from one: truncating the double gives the integer quotient, sooner
    // than an integer division does.
    // Short runs, most lines of a dense picture, take a multiplication by the reciprocal
    // instead: 2^40 / run rounded up is within run / 2^40 of it, and the quotients' numerators
    // stay below 2^23, so the product's error stays below the quotient's distance from the next
    // whole number.
    const std::int64_t rise = b2 - b1, run = a2 - a1;
    std::int64_t slope;
    if (run <= kShortRun) {
        const std::uint64_t n = static_cast<std::uint64_t>(rise < 0 ? -rise : rise) * 65536;
        const auto q = static_cast<std::int64_t>((n * kShortRunReciprocals.of[run]) >> 40);
        slope = rise < 0 ? -q : q;
    } else if (run < (std::int64_t{1} << 31)) {
        slope =
            static_cast<std::int64_t>(static_cast<double>(rise * 65536) / static_cast<double>(run));
    } else {
        slope = rise * 65536 / run;
    }
    std::int64_t b = b1 * 1024;
    // Half a pixel of cap at either end.
    a1 -= 32;
    b -= slope >> 1;
    a2 += 32;
    std::int64_t a = (a1 + 32) >> 6;
    const std::int64_t a_end = (a2 + 32) >> 6;
    if (a == a_end) {
        return;
    }
    b += ((a * 64) + (slope > 0 ? 32 : 0) - a1) * slope >> 6;
    if (slope == 0) {
        straight(steep, a, a_end, static_cast<int>(b >> 16));
        return;
    }
    if (a_end - a <= 2) {
        // One or two pixels, most segments of a traced curve: both plotted without a branch on
        // their number (a single pixel is plotted twice).
        const std::int64_t second = a_end - a - 1;
        const std::int64_t b2 = b + second * slope;
        if (steep) {
            plot(static_cast<int>(b >> 16), static_cast<int>(a));
            plot(static_cast<int>(b2 >> 16), static_cast<int>(a + second));
        } else {
            plot(static_cast<int>(a), static_cast<int>(b >> 16));
            plot(static_cast<int>(a + second), static_cast<int>(b2 >> 16));
        }
        return;
    }
    for (; a < a_end; ++a, b += slope) {
        if (steep) {
            plot(static_cast<int>(b >> 16), static_cast<int>(a));
        } else {
            plot(static_cast<int>(a), static_cast<int>(b >> 16));
        }
    }
}

// Ends equal to the painter's precision (about 1e-12 of their size): the line is one pixel, the
// nearest to its start.
inline bool same_end(const LineEnd& from, const LineEnd& to) {
    return nearly_same(from.point(), to.point());
}

// A one-pixel line as step_thin_run steps it, or as the single pixel nearest its start when its
// ends are the same. For lines whose ends lie at most a pixel beyond the image (RasterBounds::
// unclipped): the painter cuts the others first (step_clipped_thin_line).
template <class Plot, class Straight>
void step_thin_line(const LineEnd& from, const LineEnd& to, Plot plot, Straight straight) {
    // For ends this close to the image, equal ends have 64ths at most one apart.
    if (std::abs(to.x64 - from.x64) <= 1 && std::abs(to.y64 - from.y64) <= 1 &&
        same_end(from, to)) {
        plot(round_to_int(from.x), round_to_int(from.y));
        return;
    }
    step_thin_run(from.x64, from.y64, to.x64, to.y64, plot, straight);
}

// A one-pixel line cut as the painter cuts it before stepping it, in floating point, to a pixel
// beyond the left and top edges of an image `width` x `height` pixels and two beyond its right
// and bottom ones; false when nothing is left.
inline bool clip_thin_line(PixelPoint& p, PixelPoint& q, double width, double height) {
    return cut_segment(p, q, -1, -1, width + 1, height + 1).kept;
}

// A one-pixel line anywhere (finite): the single pixel nearest its start when its ends are the
// same, otherwise cut by clip_thin_line and stepped by step_thin_run. `plot` and `straight`
// then receive pixels up to a pixel or two beyond the image.
template <class Plot, class Straight>
void step_clipped_thin_line(PixelPoint from, PixelPoint to, double width, double height, Plot plot,
                            Straight straight) {
    if (nearly_same(from, to)) {
        plot(round_to_int(from.x), round_to_int(from.y));
        return;
    }
    if (!clip_thin_line(from, to, width, height)) {
        return;
    }
    const LineEnd a = line_end(from), b = line_end(to);
    step_thin_run(a.x64, a.y64, b.x64, b.y64, plot, straight);
}

// The raster painter's fill of a line with an aliased pen: from `a` to `b` (apart), `w` its
// width in units of its length, lengthened by half the width at either end for a square cap;
// cut (in floating point) to the image widened by its reach across its direction, its outline a
// quadrilateral with corners snapped down to 1/64 pixel, filled row by row at the pixels'
// centres with its left and right edges followed in 16.16 fixed point, the rows and spans cut to
// the image (`cols` x `rows` pixels). `span(x, length, y)` receives the rows. Inlined into its
// callers: a picture fills many.
template <class Span>
[[gnu::always_inline]] inline void fill_line_outline(PixelPoint a, PixelPoint b, double w,
                                                     bool square_cap, int cols, int rows,
                                                     Span span) {
    PixelPoint p = a, q = b;
    if (square_cap) {
        const PixelPoint along = b - a;
        p -= (0.5 * w) * along;
        q += (0.5 * w) * along;
    }
    // Ends a pixel inside the image are never moved by the cut below (nor is a NaN inside).
    const auto inside = [cols, rows](PixelPoint v) {
        return v.x >= 0 && v.y >= 0 && v.x <= cols - 1 && v.y <= rows - 1;
    };
    if (!inside(p) || !inside(q)) {
        // Cut to the image widened by the line's reach across its direction, as a rectangle
        // from its corners.
        const PixelPoint reach = PixelPoint{std::abs(b.y - a.y), std::abs(b.x - a.x)} * w * 0.5;
        const double xmin = 0 - reach.x, ymin = 0 - reach.y;
        const double xmax = xmin + ((cols + reach.x) - xmin);
        const double ymax = ymin + ((rows + reach.y) - ymin);
        if (!cut_segment(p, q, xmin, ymin, xmax, ymax).kept) {
            return;
        }
    }
    {
        const PixelPoint d0 = a - b;
        const PixelPoint d1 = p - q;
        const double n0 = d0.x * d0.x + d0.y * d0.y;
        const double n1 = d1.x * d1.x + d1.y * d1.y;
        if (n1 == 0) {
            return;
        }
        w *= std::sqrt(n0 / n1);
    }
    const auto same_64th = [](double u, double v) { return static_cast<int>((v - u) * 64.) == 0; };
    if (same_64th(p.y, q.y)) {
        // Level: treated as an upright line as long as the width, its width the line's length.
        const double cx = (p.x + q.x) * 0.5;
        const double half = std::abs(q.x - p.x) * 0.5;
        const double cy = p.y;
        const double reach = w * half;
        p = PixelPoint{cx, cy - reach};
        q = PixelPoint{cx, cy + reach};
        w = 1 / w;
    }
    if (same_64th(p.x, q.x)) {
        if (p.y > q.y) {
            std::swap(p, q);
        }
        const double half = 0.5 * w * (q.y - p.y);
        const double left = std::clamp(p.x - half, 0.0, static_cast<double>(cols));
        const double right = std::clamp(p.x + half, 0.0, static_cast<double>(cols));
        p.y = std::clamp(p.y, 0.0, static_cast<double>(rows));
        q.y = std::clamp(q.y, 0.0, static_cast<double>(rows));
        if (same_64th(left, right) || same_64th(p.y, q.y)) {
            return;
        }
        const int top = static_cast<int>(p.y + 0.5);
        const int bottom = q.y < 0.5 ? -1 : static_cast<int>(q.y - 0.5);
        const int x0 = static_cast<int>(left + 0.5);
        const int x1 = right < 0.5 ? -1 : static_cast<int>(right - 0.5);
        if (x1 >= x0) {
            for (int y = top; y <= bottom; ++y) {
                span(x0, x1 - x0 + 1, y);
            }
        }
        return;
    }
    if (p.y > q.y) {
        std::swap(p, q);
    }
    PixelPoint half = q - p;
    half = half * (0.5 * w);
    const PixelPoint normal{half.y, -half.x};
    // The corners, top to bottom: `top` first, `bottom` last, `left` and `right` between.
    PixelPoint top, left, right, bottom;
    if (p.x < q.x) {
        top = p + normal;
        left = p - normal;
        right = q + normal;
        bottom = q - normal;
    } else {
        top = p - normal;
        left = q - normal;
        right = p + normal;
        bottom = q + normal;
    }
    const auto snap = [](PixelPoint v) {
        return PixelPoint{std::floor(v.x * 64) * (1 / 64.0), std::floor(v.y * 64) * (1 / 64.0)};
    };
    top = snap(top);
    left = snap(left);
    right = snap(right);
    bottom = snap(bottom);
    const auto slope = [](PixelPoint from, PixelPoint to) {
        const double dx = to.x - from.x, dy = to.y - from.y;
        return dy == 0 ? (dx > 0 ? 1e20 : -1e20) : dx / dy;
    };
    const auto fixed = [](double v) {
        const double t = v * 65536;
        if (t > static_cast<double>(std::numeric_limits<std::int64_t>::max())) {
            return std::numeric_limits<std::int64_t>::max();
        }
        if (t < static_cast<double>(std::numeric_limits<std::int64_t>::min())) {
            return std::numeric_limits<std::int64_t>::min();
        }
        return static_cast<std::int64_t>(t);
    };
    const double top_left = slope(top, left), left_bottom = slope(left, bottom);
    const double top_right = slope(top, right), right_bottom = slope(right, bottom);
    const std::int64_t top_left_fp = fixed(top_left), left_bottom_fp = fixed(left_bottom);
    const std::int64_t top_right_fp = fixed(top_right), right_bottom_fp = fixed(right_bottom);
    // Rows from the first pixel centre below the top corner to the last one above each corner.
    const auto last_row = [](double y) { return y < 0.5 ? -1 : static_cast<int>(y - 0.5); };
    const int row_top = static_cast<int>(top.y + 0.5);
    const int row_left = last_row(left.y);
    const int row_right = last_row(right.y);
    const int row_bottom = last_row(bottom.y);
    // Row centres as single-precision sums, as the painter forms them.
    const double centre_top = static_cast<float>(row_top) + 0.5f;
    std::int64_t left_upper = fixed(top.x + 0.5 + (centre_top - top.y) * top_left);
    std::int64_t left_lower =
        fixed(left.x + 0.5 + (static_cast<float>(row_left) + 1.5f - left.y) * left_bottom);
    std::int64_t right_upper = fixed(top.x - 0.5 + (centre_top - top.y) * top_right);
    std::int64_t right_lower =
        fixed(right.x - 0.5 + (static_cast<float>(row_right) + 1.5f - right.y) * right_bottom);
    int y = row_top;
    // Rows above the image are passed over, rows below it and pixels beside it left out.
    const auto fill = [&](int last, std::int64_t& l, std::int64_t& r, std::int64_t dl,
                          std::int64_t dr) {
        const int first = std::min(last + 1, 0);
        if (y < first) {
            l += dl * (first - y);
            r += dr * (first - y);
            y = first;
        }
        last = std::min(last, rows - 1);
        for (; y <= last; ++y) {
            const int x0 = std::max(static_cast<int>(l >> 16), 0);
            const int x1 = std::min(static_cast<int>(r >> 16), cols - 1);
            if (x1 >= x0) {
                span(x0, x1 - x0 + 1, y);
            }
            l += dl;
            r += dr;
        }
    };
    fill(std::min(row_left, row_right), left_upper, right_upper, top_left_fp, top_right_fp);
    fill(row_right, left_lower, right_upper, left_bottom_fp, top_right_fp);
    fill(row_left, left_upper, right_lower, top_left_fp, right_bottom_fp);
    fill(row_bottom, left_lower, right_lower, left_bottom_fp, right_bottom_fp);
}

// A line `width` pixels wide (2 or more) as the painter draws it with an aliased square-capped
// pen: fill_line_outline, or for ends that are the same (to about 1e-12 of their size), the
// square `width` wide about them, as a level line without caps.
template <class Span>
void fill_wide_line(PixelPoint a, PixelPoint b, double width, int cols, int rows, Span span) {
    if (nearly_same(a, b)) {
        const PixelPoint half{width / 2, 0};
        fill_line_outline(a - half, a + half, 1, false, cols, rows, span);
        return;
    }
    const PixelPoint along = b - a;
    fill_line_outline(a, b, width / hypotenuse(along.x, along.y), true, cols, rows, span);
}

// Far enough inside an image `width` x `height` pixels for a one-pixel line between two such
// points to need no cutting at all: its pixels lie at most a pixel or two beyond its ends.
inline bool well_inside(PixelPoint p, double width, double height) {
    constexpr double kEdgeMargin = 4;
    return p.x >= kEdgeMargin && p.y >= kEdgeMargin && p.x <= width - kEdgeMargin &&
           p.y <= height - kEdgeMargin;
}
