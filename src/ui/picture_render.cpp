#include "ui/picture_render.h"

#include <QImage>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

QRgb to_pixel(Colour c) {
    return qRgb(red_of(c), green_of(c), blue_of(c));
}

// Coordinates beyond this many pixels are left to the painter, which clips them safely.
constexpr double kShortcutRange = 1 << 20;

bool in_range(double v) {
    return std::abs(v) < kShortcutRange; // false for NaN
}

// Lines handed to the painter at once.
constexpr std::size_t kLineRun = 256;

// Runs along the major axis, in 1/64 pixel, up to two pixels, and 2^40 divided by each,
// rounded up.
constexpr std::int64_t kShortRun = 128;
struct Reciprocals {
    std::uint64_t of[kShortRun + 1] = {};
    constexpr Reciprocals() {
        for (std::int64_t r = 1; r <= kShortRun; ++r) {
            of[r] = ((std::uint64_t{1} << 40) + static_cast<std::uint64_t>(r) - 1) /
                    static_cast<std::uint64_t>(r);
        }
    }
};
constexpr Reciprocals kReciprocals;

// A one-pixel line, aliased and square-capped, as the raster painter draws it: its ends in
// 1/64 pixel (truncated), stepped along its longer axis from half a pixel before its start to
// half a pixel past its end, one pixel per step, the shorter axis following in 16.16 fixed
// point. Ends that are equal to the painter's precision give the one pixel nearest them.
// `plot(x, y)` receives the pixels, which may lie a pixel or two beyond the ends. The painter
// clips lines reaching further than a pixel beyond the image before it steps them: such lines
// are left to it. A level or upright line goes to `straight(steep, first, end, minor)` instead:
// the pixels [first, end) along its major axis at `minor` across it.
//
// A line end comes with its coordinates in 1/64 pixel, as stepped() gives them.
// (No initialisers: arrays of them are filled before they are read.)
struct Stepped {
    double px, py;
    std::int64_t x, y;
    QPointF at() const { return {px, py}; }
};
Stepped stepped(QPointF p) {
    return {p.x(), p.y(), static_cast<std::int64_t>(p.x() * 64.0),
            static_cast<std::int64_t>(p.y() * 64.0)};
}

template <class Plot, class Straight>
void thin_line(const Stepped& from, const Stepped& to, Plot plot, Straight straight) {
    std::int64_t x1 = from.x, y1 = from.y;
    std::int64_t x2 = to.x, y2 = to.y;
    // Equal ends as the painter compares them (to about 1e-12 of their size): for ends this
    // close to the image, their 64ths are then at most one apart.
    if (std::abs(x2 - x1) <= 1 && std::abs(y2 - y1) <= 1 && from.at() == to.at()) {
        plot(qRound(from.px), qRound(from.py));
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
        const auto q = static_cast<std::int64_t>((n * kReciprocals.of[run]) >> 40);
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
bool wide_line(QPointF a, QPointF b, double width, int cols, int rows, Span span) {
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

// A repeatable stream of numbers in [0, 1) for the checks against the painter.
struct Uniform {
    std::uint32_t seed;
    double operator()() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    }
};

// `image` cleared to white with the painter's square-capped line from a to b on it.
void painter_line(QImage& image, QPointF a, QPointF b, int width) {
    image.fill(qRgb(255, 255, 255));
    QPainter p(&image);
    QPen pen(QColor(200, 0, 0));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

// Whether thin_line gives the painter's pixels in this build of Qt: a few thousand lines of
// every direction, length and sub-pixel position, each drawn both ways on a small image. Run
// once; where they differ, every line goes to the painter.
bool thin_lines_match_painter() {
    constexpr int kSize = 32;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 0, 0);
    Uniform next{12345};
    for (int i = 0; i < 3000; ++i) {
        double x1 = 10 + 12 * next(), y1 = 10 + 12 * next();
        const double reach = i % 4 == 0 ? 0.05 : i % 4 == 1 ? 1.5 : 6;
        double x2 = x1 + reach * (2 * next() - 1), y2 = y1 + reach * (2 * next() - 1);
        if (i % 3 == 2) {
            // Across the edges, as far as the painter draws without clipping.
            x1 = -1 + (kSize + 2) * next();
            y1 = -1 + (kSize + 2) * next();
            x2 = i % 2 ? -1 + (kSize + 2) * next() : -1 + 3 * next();
            y2 = -1 + (kSize + 2) * next();
        }
        if (i % 7 == 0) {
            x2 = x1; // vertical
        } else if (i % 11 == 0) {
            y2 = y1; // horizontal
        } else if (i % 13 == 0) {
            y2 = y1 + (x2 - x1); // diagonal
        } else if (i % 17 == 0) {
            x2 = x1;
            y2 = y1; // a point
        }
        painter_line(by_painter, QPointF(x1, y1), QPointF(x2, y2), 1);
        by_us.fill(white);
        const auto plot = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < kSize && y < kSize) {
                reinterpret_cast<QRgb*>(by_us.scanLine(y))[x] = red;
            }
        };
        thin_line(stepped(QPointF(x1, y1)), stepped(QPointF(x2, y2)), plot,
                  [&](bool steep, std::int64_t a, std::int64_t end, int minor) {
                      for (; a < end; ++a) {
                          steep ? plot(minor, static_cast<int>(a))
                                : plot(static_cast<int>(a), minor);
                      }
                  });
        if (by_painter != by_us) {
            return false;
        }
    }
    return true;
}

bool thin_lines_usable() {
    static const bool usable = thin_lines_match_painter();
    return usable;
}

// Widths of the lines filled here rather than by the painter.
constexpr int kWidestLine = 3;

// Whether wide_line gives the painter's pixels in this build of Qt: lines two and three pixels
// wide of every direction and length, level, upright and diagonal among them, each drawn both
// ways on a small image. Run once; where they differ, the painter draws every wide line.
bool wide_lines_match_painter() {
    constexpr int kSize = 40;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 0, 0);
    Uniform next{54321};
    for (int i = 0; i < 3000; ++i) {
        const int width = 2 + i % (kWidestLine - 1);
        double x1 = 12 + 16 * next(), y1 = 12 + 16 * next();
        const double reach = i % 4 == 0 ? 0.1 : i % 4 == 1 ? 1.5 : i % 4 == 2 ? 4 : 10;
        double x2 = x1 + reach * (2 * next() - 1), y2 = y1 + reach * (2 * next() - 1);
        if (i % 7 == 0) {
            x2 = x1; // upright
        } else if (i % 11 == 0) {
            y2 = y1; // level
        } else if (i % 13 == 0) {
            y2 = y1 + (x2 - x1); // diagonal
        } else if (i % 17 == 0) {
            x2 = x1 + 1 / 128.0; // almost upright
        } else if (i % 19 == 0) {
            // From a pixel's corner, level or upright.
            x1 = std::round(x1);
            y1 = std::round(y1);
            x2 = i % 2 ? x1 + 3 : x1;
            y2 = i % 2 ? y1 : y1 - 3;
        }
        if (i % 23 == 0) {
            // Near the edges, where the rows and spans are cut to the image.
            x1 = i % 2 ? 0.3 + next() : kSize - 0.3 - next();
            y1 = i % 3 ? 0.3 + next() : kSize - 0.3 - next();
            x2 = x1 + 4 * (2 * next() - 1);
            y2 = y1 + 4 * (2 * next() - 1);
        }
        if (QPointF(x1, y1) == QPointF(x2, y2)) {
            continue;
        }
        painter_line(by_painter, QPointF(x1, y1), QPointF(x2, y2), width);
        by_us.fill(white);
        bool ours = true;
        const bool drawn = wide_line(
            QPointF(x1, y1), QPointF(x2, y2), width, kSize, kSize, [&](int x, int n, int y) {
                for (int k = x; k < x + n; ++k) {
                    if (k >= 0 && y >= 0 && k < kSize && y < kSize) {
                        reinterpret_cast<QRgb*>(by_us.scanLine(y))[k] = red;
                    } else {
                        ours = false; // the painter never writes beyond the image
                    }
                }
            });
        if (drawn && (!ours || by_painter != by_us)) {
            return false;
        }
    }
    return true;
}

bool wide_lines_usable() {
    static const bool usable = wide_lines_match_painter();
    return usable;
}

// The raster image behind `p` when it is painted one to one with opaque, aliased colours.
QImage* one_to_one_image(QPainter& p) {
    QPaintDevice* d = p.device();
    if (d == nullptr || d->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* img = static_cast<QImage*>(d);
    const QImage::Format f = img->format();
    const bool format_ok = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                           f == QImage::Format_ARGB32_Premultiplied;
    if (!format_ok || img->devicePixelRatio() != 1 || !p.combinedTransform().isIdentity() ||
        p.hasClipping() || p.testRenderHint(QPainter::Antialiasing) || p.opacity() != 1 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return nullptr;
    }
    return img;
}

} // namespace

PictureRenderer::PictureRenderer(QPainter& painter, QSizeF size, const QFont& font)
    : p_(painter), size_(size), font_(font), metrics_(font), ascent_(metrics_.ascent()) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setFont(font_);
}

PictureRenderer::~PictureRenderer() {
    flush_lines();
}

bool PictureRenderer::steps_thin_lines() {
    return thin_lines_usable();
}

bool PictureRenderer::fills_wide_lines() {
    return wide_lines_usable();
}

void PictureRenderer::set_raster_shortcuts(bool on) {
    shortcuts_ = on;
}

void PictureRenderer::paint(const DisplayList& list, std::size_t first, std::size_t last) {
    const auto& ops = list.ops();
    if (last > ops.size()) {
        last = ops.size();
    }
    // The painter's state may have changed since the last call.
    pen_set_ = false;
    text_pen_set_ = false;
    raster_ = shortcuts_ ? one_to_one_image(p_) : nullptr;
    if (raster_ != nullptr) {
        bits_ = raster_->bits();
        stride_ = raster_->bytesPerLine();
        width_ = raster_->width();
        height_ = raster_->height();
    }
    for (std::size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        if (op.kind == DrawOp::Kind::Line) {
            lines(list, op);
            continue;
        }
        // Everything else is painted in order after the lines gathered so far.
        flush_lines();
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            set_scale(op);
            break;
        case DrawOp::Kind::Line:
            break;
        case DrawOp::Kind::Dot:
            dot(op);
            break;
        case DrawOp::Kind::Circle:
            circle(op);
            break;
        case DrawOp::Kind::Text:
            text(list, op);
            break;
        }
    }
    flush_lines();
}

void PictureRenderer::use_pen(Colour c, int width) {
    if (pen_set_ && c == pen_colour_ && width == pen_width_) {
        return;
    }
    flush_lines();
    QPen pen(to_qcolor(c));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
    pen_set_ = true;
    text_pen_set_ = false;
    pen_colour_ = c;
    pen_width_ = width;
}

void PictureRenderer::flush_lines() {
    if (!lines_.empty()) {
        p_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
        lines_.clear();
    }
}

void PictureRenderer::lines(const DisplayList& list, const DrawOp& op) {
    const ListPoint* p = list.run_points(op);
    if (p == nullptr) {
        return;
    }
    const std::size_t curves = op.curves;
    // Each curve's last point in pixels: a segment starts at the pixels its curve ended at.
    QPointF last[2];
    for (std::size_t k = 0; k < curves; ++k) {
        last[k] = to_pixels(p[k].x, p[k].y);
    }
    p += curves;
    const int width = op.width;
    const Colour colour = op.colour;
    // One-pixel segments well inside the image, most of a dense picture, are stepped here
    // without the checks the others need; wide lines and other devices take each segment as
    // the painter needs it.
    if (raster_ == nullptr || width != 1 || !thin_lines_usable()) {
        for (std::uint32_t i = 0; i < op.count; ++i) {
            const QPointF to = to_pixels(p[i].x, p[i].y);
            QPointF& from = last[i % curves];
            segment(from, to, colour, width);
            from = to;
        }
        return;
    }
    const QRgb c = to_pixel(colour);
    // The image's pixels kept here: what is written through them could be this renderer.
    uchar* const bits = bits_;
    const qsizetype stride = stride_;
    const auto put = [bits, stride, c](int x, int y) {
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = c;
    };
    const auto straight = [&put](bool steep, std::int64_t a, std::int64_t end, int minor) {
        for (; a < end; ++a) {
            steep ? put(minor, static_cast<int>(a)) : put(static_cast<int>(a), minor);
        }
    };
    // The points in pixels a block at a time (the divisions of one block overlap), each with
    // whether it is well inside the image, after the last point of each curve: a segment
    // starts `curves` places before its end.
    constexpr std::size_t kBlock = 256;
    Stepped at[kBlock + 2];
    bool in[kBlock + 2];
    for (std::size_t k = 0; k < curves; ++k) {
        at[2 - curves + k] = stepped(last[k]);
        in[2 - curves + k] = inside(last[k]);
    }
    for (std::size_t start = 0; start < op.count; start += kBlock) {
        const std::size_t n = std::min<std::size_t>(kBlock, op.count - start);
        for (std::size_t i = 0; i < n; ++i) {
            at[2 + i] = stepped(to_pixels(p[start + i].x, p[start + i].y));
        }
        for (std::size_t i = 0; i < n; ++i) {
            in[2 + i] = inside(at[2 + i].at());
        }
        for (std::size_t i = 2; i < n + 2; ++i) {
            const std::size_t from = i - curves;
            if (in[from] && in[i]) {
                if (!lines_.empty()) {
                    flush_lines();
                }
                thin_line(at[from], at[i], put, straight);
            } else {
                segment(at[from].at(), at[i].at(), colour, width);
            }
        }
        // Blocks but the last are of even length: the last two points end the two curves.
        at[0] = at[n];
        at[1] = at[n + 1];
        in[0] = in[n];
        in[1] = in[n + 1];
    }
}

void PictureRenderer::segment(QPointF from, QPointF to, Colour colour, int width) {
    if (raster_ != nullptr && beyond_one_edge(from, to, width)) {
        return; // the painter would clip it away whole
    }
    // A line written here comes after the lines still gathered for the painter, whatever their
    // colour.
    const auto after_gathered = [this] {
        if (!lines_.empty()) {
            flush_lines();
        }
    };
    if (raster_ != nullptr && width == 1 && unclipped(from) && unclipped(to) &&
        thin_lines_usable()) {
        after_gathered();
        const QRgb c = to_pixel(colour);
        const int w = static_cast<int>(width_), h = static_cast<int>(height_);
        // Level and upright lines (the grids) clipped to the image at once.
        const auto straight = [&](bool steep, std::int64_t a, std::int64_t end, int minor) {
            if (minor < 0 || minor >= (steep ? w : h)) {
                return;
            }
            const int first = static_cast<int>(std::max<std::int64_t>(a, 0));
            const int last = static_cast<int>(std::min<std::int64_t>(end, steep ? h : w));
            if (steep) {
                for (int y = first; y < last; ++y) {
                    reinterpret_cast<QRgb*>(bits_ + y * stride_)[minor] = c;
                }
            } else if (first < last) {
                auto* row = reinterpret_cast<QRgb*>(bits_ + minor * stride_);
                std::fill(row + first, row + last, c);
            }
        };
        if (inside(from) && inside(to)) {
            thin_line(
                stepped(from), stepped(to),
                [&](int x, int y) { reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c; },
                straight);
        } else {
            thin_line(
                stepped(from), stepped(to),
                [&](int x, int y) {
                    if (x >= 0 && y >= 0 && x < w && y < h) {
                        reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c;
                    }
                },
                straight);
        }
        return;
    }
    if (raster_ != nullptr && width <= kWidestLine && from != to && in_range(from.x()) &&
        in_range(from.y()) && in_range(to.x()) && in_range(to.y()) && wide_lines_usable()) {
        after_gathered();
        const QRgb c = to_pixel(colour);
        if (wide_line(from, to, width, static_cast<int>(width_), static_cast<int>(height_),
                      [&](int x, int n, int y) {
                          auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
                          std::fill(row + x, row + x + n, c);
                      })) {
            return;
        }
    }
    use_pen(colour, width);
    lines_.emplace_back(from, to);
    if (lines_.size() >= kLineRun) {
        flush_lines();
    }
}

void PictureRenderer::dot(const DrawOp& op) {
    const int w = op.width;
    const QPointF px = to_pixels(op.a, op.b);
    const double half = w / 2.0;
    const double left = std::floor(px.x() - half + 0.5);
    const double top = std::floor(px.y() - half + 0.5);
    if (raster_ != nullptr && in_range(left) && in_range(top)) {
        // The square the painter fills for this rectangle, clipped to the image.
        const int x0 = std::max(static_cast<int>(left), 0);
        const int y0 = std::max(static_cast<int>(top), 0);
        const int x1 = std::min(static_cast<int>(left) + w, static_cast<int>(width_));
        const int y1 = std::min(static_cast<int>(top) + w, static_cast<int>(height_));
        const QRgb c = to_pixel(op.colour);
        for (int y = y0; y < y1; ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
            std::fill(row + x0, row + std::max(x0, x1), c);
        }
        return;
    }
    p_.fillRect(QRectF(left, top, w, w), to_qcolor(op.colour));
}

void PictureRenderer::circle(const DrawOp& op) {
    QPen pen(to_qcolor(op.colour));
    pen.setWidth(op.width);
    p_.setPen(pen);
    pen_set_ = false;
    text_pen_set_ = false;
    p_.setBrush(op.filled ? QBrush(to_qcolor(op.fill)) : QBrush(Qt::NoBrush));
    const double rpx = std::abs(op.c * size_.width() / (static_cast<double>(scale_.c) - scale_.a));
    if (rpx < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        const QPointF centre = to_pixels(op.a, op.b);
        p_.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1),
                    to_qcolor(op.colour));
    } else {
        p_.drawEllipse(to_pixels(op.a, op.b), rpx, rpx);
    }
    p_.setBrush(Qt::NoBrush);
}

void PictureRenderer::text(const DisplayList& list, const DrawOp& op) {
    const std::string_view t = list.text_of(op);
    if (!text_pen_set_ || text_pen_colour_ != op.colour) {
        p_.setPen(to_qcolor(op.colour));
        pen_set_ = false;
        text_pen_set_ = true;
        text_pen_colour_ = op.colour;
    }
    const QPointF at = to_pixels(op.a, op.b);
    const QPointF baseline(at.x(), at.y() + ascent_);
    const TextShapes::Shape* shape =
        raster_ != nullptr && in_range(baseline.x()) && in_range(baseline.y())
            ? shapes_->shape(t, font_)
            : nullptr;
    if (shape == nullptr) {
        p_.drawText(baseline, QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
        return;
    }
    // The glyphs the painter would lay out for the text, placed where it would place them: the
    // baseline's start in 1/64 pixel, each glyph at its offset from there.
    const QPointF origin(truncate_to_64ths(baseline.x()),
                         truncate_to_64ths(baseline.y()) - shape->ascent);
    for (const QGlyphRun& run : shape->runs) {
        p_.drawGlyphRun(origin, run);
    }
}

void paint_display_list(QPainter& painter, QSizeF size, const QFont& font,
                        const DisplayList& list) {
    PictureRenderer r(painter, size, font);
    r.paint(list, 0, list.ops().size());
}
