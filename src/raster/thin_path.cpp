#include "raster/thin_path.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "raster/segment_cut.h"

namespace {

enum Direction : int {
    kNoDirection = 0,
    kTopToBottom = 0x1,
    kBottomToTop = 0x2,
    kLeftToRight = 0x4,
    kRightToLeft = 0x8,
    kVerticalMask = 0x3,
    kHorizontalMask = 0xc,
};
enum Caps : int { kNoCaps = 0, kCapBegin = 0x1, kCapEnd = 0x2 };

struct Pixel {
    int x, y;
};

int to_26_6(double v) {
    return static_cast<int>(v * 64.);
}

std::int64_t fixed_div(int x, int y) {
    return std::int64_t{x} * (1 << 16) / y;
}

int swap_caps(int caps) {
    return ((caps & kCapBegin) << 1) | ((caps & kCapEnd) >> 1);
}

// Half a pixel more at the ends that have caps.
void cap_adjust(int caps, int& a1, int& a2, std::int64_t& b, std::int64_t b_inc) {
    if ((caps & kCapBegin) != 0) {
        a1 -= 32;
        b -= b_inc >> 1;
    }
    if ((caps & kCapEnd) != 0) {
        a2 += 32;
    }
}

// The stepping state carried from one piece of the path to the next.
class Stepper {
  public:
    Stepper(const RasterImage& image, std::uint32_t word)
        : image_(image), word_(word), xmin_(-1), xmax_(image.width - 1 + 2), ymin_(-1),
          ymax_(image.height - 1 + 2) {}

    // The joining's start from the path's last piece, from p to q.
    void seed(PixelPoint p, PixelPoint q);
    void line(PixelPoint p, PixelPoint q, int caps);

  private:
    // Cuts the piece to the painter's bounds; false when nothing is left.
    bool cut(PixelPoint& p, PixelPoint& q);
    void plot(int x, int y) const {
        if (image_.contains(x, y)) {
            image_.put(x, y, word_);
        }
    }
    // One run along the major axis (a: x for a horizontal run): the dropout control and the
    // pixels.
    template <bool kVertical>
    void run(int a1, int b1, int a2, int b2, int caps, Direction forward, Direction backward);

    const RasterImage& image_;
    std::uint32_t word_;
    double xmin_, xmax_, ymin_, ymax_;
    Direction last_dir_ = kNoDirection;
    Pixel last_ = {INT_MIN, INT_MIN};
    bool last_axis_aligned_ = false;
};

bool Stepper::cut(PixelPoint& p, PixelPoint& q) {
    const SegmentCut c = cut_segment(p, q, xmin_, ymin_, xmax_, ymax_);
    if (c.end_moved) {
        last_.x = INT_MIN; // the next piece starts afresh
    }
    return c.kept;
}

void Stepper::seed(PixelPoint p, PixelPoint q) {
    last_ = {INT_MIN, INT_MIN};
    if (!cut(p, q)) {
        return;
    }
    const int x1 = to_26_6(p.x), y1 = to_26_6(p.y), x2 = to_26_6(q.x), y2 = to_26_6(q.y);
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const bool vertical = dx < dy;
    if (!vertical && dx == 0) {
        return;
    }
    // a along the major axis, b across it.
    int a1 = vertical ? y1 : x1, b1 = vertical ? x1 : y1;
    int a2 = vertical ? y2 : x2, b2 = vertical ? x2 : y2;
    const bool swapped = a1 > a2;
    if (swapped) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const std::int64_t inc = fixed_div(b2 - b1, a2 - a1);
    std::int64_t b = std::int64_t{b1} * (1 << 10);
    const int a = (a1 + 32) >> 6;
    const int as = (a2 + 32) >> 6;
    const int round = inc > 0 ? 32 : 0;
    if (a == as) {
        return;
    }
    b += ((a * (1 << 6)) + round - a1) * inc >> 6;
    Pixel last;
    if (swapped) {
        last = vertical ? Pixel{static_cast<int>(b >> 16), a} : Pixel{a, static_cast<int>(b >> 16)};
        last_dir_ = vertical ? kBottomToTop : kRightToLeft;
    } else {
        const int b_last = static_cast<int>((b + (as - a - 1) * inc) >> 16);
        last = vertical ? Pixel{b_last, as - 1} : Pixel{as - 1, b_last};
        last_dir_ = vertical ? kTopToBottom : kLeftToRight;
    }
    last_ = last;
    last_axis_aligned_ = std::abs(inc) < (1 << 14);
}

void Stepper::line(PixelPoint p, PixelPoint q, int caps) {
    if (!cut(p, q)) {
        return;
    }
    const int x1 = to_26_6(p.x), y1 = to_26_6(p.y), x2 = to_26_6(q.x), y2 = to_26_6(q.y);
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    if (dx < dy) {
        run<true>(y1, x1, y2, x2, caps, kTopToBottom, kBottomToTop);
    } else if (dx != 0) {
        run<false>(x1, y1, x2, y2, caps, kLeftToRight, kRightToLeft);
    }
}

template <bool kVertical>
void Stepper::run(int a1, int b1, int a2, int b2, int caps, Direction forward, Direction backward) {
    const auto pixel = [](int a, int b) { return kVertical ? Pixel{b, a} : Pixel{a, b}; };
    const auto major = [](Pixel p) { return kVertical ? p.y : p.x; };
    Pixel last = last_;
    Direction dir = forward;
    const bool swapped = a1 > a2;
    if (swapped) {
        std::swap(a1, a2);
        std::swap(b1, b2);
        caps = swap_caps(caps);
        dir = backward;
    }
    const std::int64_t inc = fixed_div(b2 - b1, a2 - a1);
    std::int64_t b = std::int64_t{b1} * (1 << 10);
    const int mask = kVertical ? kVerticalMask : kHorizontalMask;
    if ((last_dir_ ^ mask) == dir) {
        caps |= swapped ? kCapEnd : kCapBegin; // turning back: the turn gets a cap
    }
    cap_adjust(caps, a1, a2, b, inc);
    int a = (a1 + 32) >> 6;
    int as = (a2 + 32) >> 6;
    const int round = inc > 0 ? 32 : 0;
    // A cap that rounded away from the pixel the previous piece ended at steps back to it.
    if ((caps & kCapBegin) != 0 && major(last_) == a + 1) {
        ++a;
    }
    if (a != as) {
        b += ((a * (1 << 6)) + round - a1) * inc >> 6;
        Pixel first = pixel(a, static_cast<int>(b >> 16));
        last = pixel(as - 1, static_cast<int>((b + (as - a - 1) * inc) >> 16));
        if (swapped) {
            std::swap(first, last);
        }
        const bool axis_aligned = std::abs(inc) < (1 << 14);
        if (last_.x > INT_MIN) {
            if (first.x == last_.x && first.y == last_.y) {
                // The previous piece ended on this pixel: not drawn again.
                if (swapped) {
                    --as;
                } else {
                    ++a;
                    b += inc;
                }
            } else if (last_dir_ != dir &&
                       ((axis_aligned && last_axis_aligned_ && last_.x != first.x &&
                         last_.y != first.y) ||
                        std::abs(last_.x - first.x) > 1 || std::abs(last_.y - first.y) > 1)) {
                // A pixel missing at the turn: one more.
                if (swapped) {
                    ++as;
                } else {
                    --a;
                    b -= inc;
                }
            } else if (last_dir_ == dir &&
                       (std::abs(last_.x - first.x) <= 1 && std::abs(last_.y - first.y) > 1)) {
                b += inc >> 1;
                const int b_last =
                    static_cast<int>(swapped ? b >> 16 : (b + (as - a - 1) * inc) >> 16);
                (kVertical ? last.x : last.y) = b_last;
            }
        }
        last_dir_ = dir;
        last_axis_aligned_ = axis_aligned;
        do {
            const Pixel p = pixel(a, static_cast<int>(b >> 16));
            plot(p.x, p.y);
            b += inc;
        } while (++a < as);
    }
    last_ = last;
}

// Halves a curve (its points last to first in p[0..3]) until it is flat enough or `level`
// halvings are spent, stepping the pieces first to last.
void render_cubic(Stepper& s, PixelPoint* p, int level, int caps) {
    if (level != 0) {
        const double dx = p[3].x - p[0].x;
        const double dy = p[3].y - p[0].y;
        const double len = .25 * (std::abs(dx) + std::abs(dy));
        if (std::abs(dx * (p[0].y - p[2].y) - dy * (p[0].x - p[2].x)) >= len ||
            std::abs(dx * (p[0].y - p[1].y) - dy * (p[0].x - p[1].x)) >= len) {
            // p[0..6] become the two halves, last to first: p[3..6] the first, p[0..3] the
            // second.
            constexpr double kHalf = .5;
            const auto halve = [&p](double PixelPoint::*c) {
                p[6].*c = p[3].*c;
                double cc = p[1].*c;
                const double d = p[2].*c;
                double a = (p[0].*c + cc) * kHalf;
                double b = (p[3].*c + d) * kHalf;
                p[1].*c = a;
                p[5].*c = b;
                cc = (cc + d) * kHalf;
                a = (a + cc) * kHalf;
                b = (b + cc) * kHalf;
                p[2].*c = a;
                p[4].*c = b;
                p[3].*c = (a + b) * kHalf;
            };
            halve(&PixelPoint::x);
            halve(&PixelPoint::y);
            --level;
            render_cubic(s, p + 3, level, caps & kCapBegin);
            render_cubic(s, p, level, caps & kCapEnd);
            return;
        }
    }
    s.line(p[3], p[0], caps);
}

} // namespace

void draw_thin_path(const CurvePath& path, const RasterImage& image, std::uint32_t word) {
    if (path.elements.size() < 2) {
        return;
    }
    Stepper s(image, word);
    const CurvePath::Element& end = path.elements.back();
    const bool closed = path.elements.front().to == end.to;
    if (closed) {
        // The path's last two points seed the joining, a curve's control point among them.
        const PixelPoint before_end = end.kind == CurvePath::Kind::Curve ? end.c2 : end.to;
        s.seed(before_end, end.to);
    }
    int caps = closed ? kNoCaps : kCapBegin;
    PixelPoint at = path.elements.front().to;
    for (std::size_t i = 1; i < path.elements.size(); ++i) {
        const CurvePath::Element& e = path.elements[i];
        if (!closed && i + 1 == path.elements.size()) {
            caps |= kCapEnd;
        }
        if (e.kind == CurvePath::Kind::Curve) {
            constexpr int kMaxHalvings = 6;
            PixelPoint points[3 * kMaxHalvings + 4];
            points[3] = at;
            points[2] = e.c1;
            points[1] = e.c2;
            points[0] = e.to;
            render_cubic(s, points, kMaxHalvings, caps);
        } else {
            s.line(at, e.to, caps);
        }
        caps = kNoCaps;
        at = e.to;
    }
}
