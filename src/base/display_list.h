#pragma once
// What a picture box has drawn since it was last cleared: every primitive in drawing order, in user
// coordinates, with the colour and width it was drawn with. The program's picture box paints
// its pixels from this list, and the exports (PNG at any scale, SVG) replay the same list, so a
// saved picture is the picture on screen.
//
// A list stops retaining primitives past `max_ops` (a picture of tens of millions of segments
// would otherwise hold gigabytes): from then on it only carries the primitives not yet painted,
// and complete() is false, so exports that need the whole list can say so.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/bit_cast.h"
#include "base/colour.h"
#include "base/picture_box.h"

// A point of a traced line, in user coordinates.
struct ListPoint {
    float x = 0, y = 0;
};

// 24 bytes: a dense picture keeps many, and writing them is much of its cost.
struct DrawOp {
    enum class Kind : std::uint8_t { Scale, Line, Dot, Circle, Text, Pixels };
    Kind kind = Kind::Line;
    std::uint8_t width = 1;  // pen_width at the call, at least 1
    bool filled = false;     // Circle: filled with `fill`
    std::uint8_t curves = 1; // Line: how many curves it traces side by side (1 or 2)
    union {
        Colour colour = 0;    // Line, Dot, Circle outline, Text
        std::uint32_t source; // Pixels: the index of the source of their colours
    };
    // Scale: the corners (x1, y1), (x2, y2); Dot: (a, b); Circle: centre (a, b) and radius c;
    // Text: the top-left corner (a, b); Pixels: the rectangle's corners (a, b), (c, d).
    // Line: a run of segments of one colour and width, its points in the list's points():
    // from `first`, the starts of its `curves` curves, then `count` points, point i ending a
    // segment of curve i % curves from that curve's previous point. The segments are drawn in
    // the order of their ends, as they were drawn: a traced curve, or a curve and its mirror
    // image traced together, is one primitive and eight bytes a segment.
    union {
        float a = 0;
        std::uint32_t first;
    };
    union {
        float b = 0;
        std::uint32_t count;
    };
    float c = 0;
    union {
        float d = 0;
        Colour fill;        // Circle: its fill
        std::uint32_t text; // Text: the index of its text
    };

    static DrawOp scale(float x1, float y1, float x2, float y2) {
        DrawOp op;
        op.kind = Kind::Scale;
        op.a = x1;
        op.b = y1;
        op.c = x2;
        op.d = y2;
        return op;
    }
};
static_assert(sizeof(DrawOp) == 24);

class DisplayList {
  public:
    // Primitives and points of lines kept: about 70 MB for the traced lines of a dense picture
    // (8 bytes a segment), at most 200 MB of other primitives; a default picture holds some tens
    // of thousands.
    static constexpr std::size_t kDefaultMaxOps = std::size_t{1} << 23;

    explicit DisplayList(std::size_t max_ops = kDefaultMaxOps) : max_ops_(max_ops) {}

    // Forgets everything, keeping the current scale as the first primitive.
    void clear();
    void scale(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, Colour c, int width) {
        const std::uint8_t w = clamp_width(width);
        if (goes_on(x1, y1, c, w) && points_.size() < points_.capacity()) {
            go_on(x2, y2);
        } else {
            line_slowly(x1, y1, x2, y2, c, w);
        }
    }
    // Segments one after another, all `width` wide, as line() takes each, but for those with a
    // coordinate that is not finite, which are left out. Returns the last segment taken, or
    // null.
    const PictureBox::Segment* lines(const PictureBox::Segment* segments, std::size_t count,
                                     int width);
    void dot(float x, float y, Colour c, int width);
    void circle(float x, float y, float r, Colour outline, int width, bool filled, Colour fill);
    void text(float x, float y, Colour c, std::string_view text);
    void pixels(float x1, float y1, float x2, float y2, std::shared_ptr<const PixelColours> source);

    // The primitives in drawing order; the first is always the Scale in force at its start.
    const std::vector<DrawOp>& ops() const { return ops_; }
    // The points of the lines.
    const std::vector<ListPoint>& points() const { return points_; }
    // The points of a line run: the starts of its `curves` curves, then its `count` ends; null
    // for another primitive, or one not of this list.
    const ListPoint* run_points(const DrawOp& op) const {
        if (op.kind != DrawOp::Kind::Line ||
            std::size_t{op.first} + op.curves + op.count > points_.size()) {
            return nullptr;
        }
        return points_.data() + op.first;
    }
    // The segments of a line run in drawing order, as f(from, to).
    template <class F> void for_each_segment(const DrawOp& op, F f) const {
        const ListPoint* p = run_points(op);
        if (p == nullptr) {
            return;
        }
        ListPoint last[2] = {p[0], p[op.curves - 1]};
        for (std::uint32_t i = 0; i < op.count; ++i) {
            ListPoint& from = last[i % op.curves];
            f(from, p[op.curves + i]);
            from = p[op.curves + i];
        }
    }
    std::string_view text_of(const DrawOp& op) const;
    // The source of the colours of a Pixels primitive; null for another one.
    const PixelColours* source_of(const DrawOp& op) const;

    // Primitives [0, n) have been painted: the lines among them take no more segments. Once the
    // list is over its limit they are dropped (the list is then incomplete), and the index of
    // the first primitive not yet painted is returned; otherwise n.
    std::size_t painted(std::size_t n);
    // Every primitive since the last clear is in ops().
    bool complete() const { return complete_; }
    std::size_t size() const { return ops_.size(); }
    // Primitives drawn since the last clear, each segment of a line counted.
    std::size_t primitives() const { return primitives_; }

  private:
    struct Curve {
        std::uint32_t x = 0, y = 0; // the bits of the curve's last point
    };
    static std::uint32_t bits(float v) { return portable::bit_cast<std::uint32_t>(v); }
    static std::uint8_t clamp_width(int width) {
        return static_cast<std::uint8_t>(width < 1 ? 1 : width > 255 ? 255 : width);
    }
    // Appends a primitive; the common case (room left, the list started) inline.
    void push(const DrawOp& op) {
        runs_open_ = 0;
        ++primitives_;
        if (ops_.size() < ops_.capacity() && !ops_.empty()) {
            ops_.push_back(op);
        } else {
            push_slowly(op);
        }
    }
    void push_slowly(const DrawOp& op);
    // Whether a segment from (x1, y1) goes on with the open run: where the run's next curve
    // ended, in its colour and width.
    bool goes_on(float x1, float y1, Colour c, std::uint8_t width) const {
        return runs_open_ != 0 && c == run_colour_ && width == run_width_ &&
               open_[expect_].x == bits(x1) && open_[expect_].y == bits(y1);
    }
    // Adds the end of such a segment to the run (with room for it).
    void go_on(float x2, float y2) {
        points_.push_back(ListPoint{x2, y2});
        ++ops_.back().count;
        open_[expect_] = Curve{bits(x2), bits(y2)};
        expect_ = expect_ + 1 == runs_open_ ? 0 : expect_ + 1;
        ++primitives_;
    }
    void line_slowly(float x1, float y1, float x2, float y2, Colour c, std::uint8_t width);

    std::size_t max_ops_;
    std::vector<DrawOp> ops_;
    std::vector<ListPoint> points_;
    std::vector<std::string> texts_;
    std::vector<std::shared_ptr<const PixelColours>> sources_;
    DrawOp current_scale_ = DrawOp::scale(0, 0, 1, 1);
    std::size_t primitives_ = 0;
    bool complete_ = true;
    // The last primitive is a line run that may take more segments: its curves (0 when it may
    // not), their last points, the curve the next segment is to go on, its colour and width.
    std::uint8_t runs_open_ = 0;
    std::uint8_t expect_ = 0;
    std::uint8_t run_width_ = 1;
    Colour run_colour_ = 0;
    Curve open_[2];
};
