#pragma once
// Lines as Qt's raster painter draws them with an aliased, square-capped pen, so that they can be
// written straight into an image's pixels: one-pixel lines stepped along their longer axis in the
// painter's fixed-point arithmetic, lines two and three pixels wide filled row by row as the
// painter fills their outline, and the painter's rules for the lines it clips before it draws
// them (those are left to it). The stepping and the filling hand their pixels and rows to the
// caller, who writes them: templates, so that the writing is compiled into the stepping.
//
// Checked against QPainter in the Qt the program runs with, once per run, the first time it is
// asked (raster_lines.cpp): a few thousand lines of every direction, length and sub-pixel
// position drawn both ways on small images. Where the two differ, the painter draws every line
// of that kind.
#include <QPointF>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

// A line end in pixels, with its coordinates in 1/64 pixel (truncated) as the painter steps
// them. (No initialisers: arrays of them are filled before they are read.)
struct LineEnd {
    double x, y;
    std::int64_t x64, y64;
    QPointF point() const { return {x, y}; }
};
inline LineEnd line_end(QPointF p) {
    return {p.x(), p.y(), static_cast<std::int64_t>(p.x() * 64.0),
            static_cast<std::int64_t>(p.y() * 64.0)};
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
// point. Ends that are equal to the painter's precision give the one pixel nearest them.
// `plot(x, y)` receives the pixels, which may lie a pixel or two beyond the ends. The painter
// clips lines reaching further than a pixel beyond the image before it steps them: such lines
// are left to it (see RasterBounds). A level or upright line goes to
// `straight(steep, first, end, minor)` instead: the pixels [first, end) along its major axis at
// `minor` across it.
template <class Plot, class Straight>
void step_thin_line(const LineEnd& from, const LineEnd& to, Plot plot, Straight straight) {
    std::int64_t x1 = from.x64, y1 = from.y64;
    std::int64_t x2 = to.x64, y2 = to.y64;
    // Equal ends as the painter compares them (to about 1e-12 of their size): for ends this
    // close to the image, their 64ths are then at most one apart.
    if (std::abs(x2 - x1) <= 1 && std::abs(y2 - y1) <= 1 && from.point() == to.point()) {
        plot(qRound(from.x), qRound(from.y));
        return;
    }
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

// A line `width` pixels wide (2 or more), aliased, square-capped, as the raster painter fills
// it: the segment lengthened by half the width at either end, its outline a quadrilateral with
// corners snapped down to 1/64 pixel, filled row by row at the pixels' centres with its left and
// right edges followed in 16.16 fixed point, the rows and spans cut to the image (`cols` x
// `rows` pixels). `span(x, length, y)` receives the rows. For lines of non-zero length whose
// lengthened ends lie inside the image: the painter clips the others first, and they are left
// to it (false).
template <class Span>
bool fill_wide_line(QPointF a, QPointF b, double width, int cols, int rows, Span span) {
    const QPointF along = b - a;
    // The width as the painter passes it: in units of the segment's length.
    double w = width / std::hypot(along.x(), along.y());
    QPointF p = a - (0.5 * w) * along;
    QPointF q = b + (0.5 * w) * along;
    const auto within = [cols, rows](QPointF v) {
        constexpr double kMargin = 1 / 64.0;
        return v.x() >= kMargin && v.y() >= kMargin && v.x() <= cols - kMargin &&
               v.y() <= rows - kMargin;
    };
    if (!within(p) || !within(q)) {
        return false;
    }
    {
        const QPointF d0 = a - b;
        const QPointF d1 = p - q;
        const double n0 = d0.x() * d0.x() + d0.y() * d0.y();
        const double n1 = d1.x() * d1.x() + d1.y() * d1.y();
        if (n1 == 0) {
            return true;
        }
        w *= std::sqrt(n0 / n1);
    }
    const auto same_64th = [](double u, double v) { return static_cast<int>((v - u) * 64.) == 0; };
    if (same_64th(p.y(), q.y())) {
        // Level: treated as an upright line as long as the width, its width the line's length.
        const double cx = (p.x() + q.x()) * 0.5;
        const double half = std::abs(q.x() - p.x()) * 0.5;
        const double cy = p.y();
        const double reach = w * half;
        p = QPointF(cx, cy - reach);
        q = QPointF(cx, cy + reach);
        w = 1 / w;
    }
    if (same_64th(p.x(), q.x())) {
        if (p.y() > q.y()) {
            std::swap(p, q);
        }
        const double half = 0.5 * w * (q.y() - p.y());
        const double left = std::clamp(p.x() - half, 0.0, static_cast<double>(cols));
        const double right = std::clamp(p.x() + half, 0.0, static_cast<double>(cols));
        p.ry() = std::clamp(p.y(), 0.0, static_cast<double>(rows));
        q.ry() = std::clamp(q.y(), 0.0, static_cast<double>(rows));
        if (same_64th(left, right) || same_64th(p.y(), q.y())) {
            return true;
        }
        const int top = static_cast<int>(p.y() + 0.5);
        const int bottom = q.y() < 0.5 ? -1 : static_cast<int>(q.y() - 0.5);
        const int x0 = static_cast<int>(left + 0.5);
        const int x1 = right < 0.5 ? -1 : static_cast<int>(right - 0.5);
        if (x1 >= x0) {
            for (int y = top; y <= bottom; ++y) {
                span(x0, x1 - x0 + 1, y);
            }
        }
        return true;
    }
    if (p.y() > q.y()) {
        std::swap(p, q);
    }
    QPointF half = q - p;
    half *= 0.5 * w;
    const QPointF normal(half.y(), -half.x());
    // The corners, top to bottom: `top` first, `bottom` last, `left` and `right` between.
    QPointF top, left, right, bottom;
    if (p.x() < q.x()) {
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
    const auto snap = [](QPointF v) {
        return QPointF(std::floor(v.x() * 64) * (1 / 64.0), std::floor(v.y() * 64) * (1 / 64.0));
    };
    top = snap(top);
    left = snap(left);
    right = snap(right);
    bottom = snap(bottom);
    const auto slope = [](QPointF from, QPointF to) {
        const double dx = to.x() - from.x(), dy = to.y() - from.y();
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
    const int row_top = static_cast<int>(top.y() + 0.5);
    const int row_left = last_row(left.y());
    const int row_right = last_row(right.y());
    const int row_bottom = last_row(bottom.y());
    // Row centres as single-precision sums, as the painter forms them.
    const double centre_top = static_cast<float>(row_top) + 0.5f;
    std::int64_t left_upper = fixed(top.x() + 0.5 + (centre_top - top.y()) * top_left);
    std::int64_t left_lower =
        fixed(left.x() + 0.5 + (static_cast<float>(row_left) + 1.5f - left.y()) * left_bottom);
    std::int64_t right_upper = fixed(top.x() - 0.5 + (centre_top - top.y()) * top_right);
    std::int64_t right_lower =
        fixed(right.x() - 0.5 + (static_cast<float>(row_right) + 1.5f - right.y()) * right_bottom);
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
    return true;
}

// Widths of the lines fill_wide_line is checked for, and used for.
inline constexpr int kWidestLine = 3;

// An image's size in pixels, with the painter's rules for the lines that reach beyond it.
struct RasterBounds {
    double width, height;

    // Close enough to the image for the painter to step a one-pixel line's end unclipped (it
    // clips to a pixel beyond the left and top edges, two beyond the right and bottom ones).
    bool unclipped(QPointF p) const {
        return p.x() >= -1 && p.y() >= -1 && p.x() <= width + 1 && p.y() <= height + 1;
    }
    // Both ends further beyond the same edge than a line `line_width` pixels wide with its caps
    // reaches: the painter clips the line away whole.
    bool beyond_one_edge(QPointF p, QPointF q, int line_width) const {
        const double m = line_width + 2;
        return (p.x() < -m && q.x() < -m) || (p.y() < -m && q.y() < -m) ||
               (p.x() > width + m && q.x() > width + m) ||
               (p.y() > height + m && q.y() > height + m);
    }
    // Far enough inside the image for a one-pixel line between two such points to need no
    // clipping at all: its pixels lie at most a pixel or two beyond its ends.
    bool inside(QPointF p) const {
        return p.x() >= kEdgeMargin && p.y() >= kEdgeMargin && p.x() <= width - kEdgeMargin &&
               p.y() <= height - kEdgeMargin;
    }
    static constexpr double kEdgeMargin = 4;
};

// Whether step_thin_line gives the painter's pixels in the Qt the program runs with, and whether
// fill_wide_line does for lines two to kWidestLine pixels wide: each checked the first time it
// is asked, the answer kept for the run.
bool thin_lines_match_painter();
bool wide_lines_match_painter();
