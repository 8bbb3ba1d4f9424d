#pragma once
// What a picture box has drawn since its last Cls: every primitive in drawing order, in user
// coordinates, with the colour and width it was drawn with. The program's picture box paints
// its pixels from this list, and the exports (PNG at any scale, SVG) replay the same list, so a
// saved picture is the picture on screen.
//
// A list stops retaining primitives past `max_ops` (a picture of tens of millions of segments
// would otherwise hold gigabytes): from then on it only carries the primitives not yet painted,
// and complete() is false, so exports that need the whole list can say so.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/module1.h"

// 24 bytes: a dense picture keeps millions, and writing them is much of its cost.
struct DrawOp {
    enum class Kind : std::uint8_t { Scale, Line, Dot, Circle, Text };
    Kind kind = Kind::Line;
    std::uint8_t width = 1; // DrawWidth at the call, at least 1
    bool filled = false;    // Circle: filled with `fill` (FillStyle 0)
    Colour colour = 0;      // Line, Dot, Circle outline, Text
    // Scale: the corners (x1, y1), (x2, y2); Line: its ends; Dot: (a, b); Circle: centre (a, b)
    // and radius c; Text: the top-left corner (a, b).
    float a = 0, b = 0, c = 0;
    union {
        float d = 0;
        Colour fill;        // Circle: its fill
        std::uint32_t text; // Text: the index of its text
    };
};
static_assert(sizeof(DrawOp) == 24);

class DisplayList {
  public:
    // About 100 MB of primitives; a default picture holds some tens of thousands.
    static constexpr std::size_t kDefaultMaxOps = std::size_t{1} << 22;

    explicit DisplayList(std::size_t max_ops = kDefaultMaxOps) : max_ops_(max_ops) {}

    // Forgets everything, keeping the current scale as the first primitive.
    void clear();
    void scale(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, Colour c, int width) {
        push(DrawOp{DrawOp::Kind::Line, clamp_width(width), false, c, x1, y1, x2, {y2}});
    }
    void dot(float x, float y, Colour c, int width);
    void circle(float x, float y, float r, Colour outline, int width, bool filled, Colour fill);
    void text(float x, float y, Colour c, std::string_view text);

    // The primitives in drawing order; the first is always the Scale in force at its start.
    const std::vector<DrawOp>& ops() const { return ops_; }
    std::string_view text_of(const DrawOp& op) const;

    // Primitives [0, n) have been painted. Once the list is over its limit they are dropped
    // (the list is then incomplete), and the index of the first primitive not yet painted is
    // returned; otherwise n.
    std::size_t painted(std::size_t n);
    // Every primitive since the last clear is in ops().
    bool complete() const { return complete_; }
    std::size_t size() const { return ops_.size(); }

  private:
    static std::uint8_t clamp_width(int width) {
        return static_cast<std::uint8_t>(width < 1 ? 1 : width > 255 ? 255 : width);
    }
    // Appends a primitive; the common case (room left, the list started) inline.
    void push(const DrawOp& op) {
        if (ops_.size() < ops_.capacity() && !ops_.empty()) {
            ops_.push_back(op);
        } else {
            push_slowly(op);
        }
    }
    void push_slowly(const DrawOp& op);

    std::size_t max_ops_;
    std::vector<DrawOp> ops_;
    std::vector<std::string> texts_;
    DrawOp current_scale_{DrawOp::Kind::Scale, 1, false, 0, 0, 0, 1, {1}};
    bool complete_ = true;
};
