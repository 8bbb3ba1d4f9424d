#include "picture/display_list.h"

#include <algorithm>

namespace {

std::uint8_t clamp_width(int width) {
    return static_cast<std::uint8_t>(std::clamp(width, 1, 255));
}

} // namespace

void DisplayList::clear() {
    ops_.clear();
    texts_.clear();
    complete_ = true;
    ops_.push_back(current_scale_);
}

void DisplayList::push(const DrawOp& op) {
    if (ops_.empty()) {
        ops_.push_back(current_scale_);
    }
    ops_.push_back(op);
}

void DisplayList::scale(float x1, float y1, float x2, float y2) {
    current_scale_ = DrawOp{DrawOp::Kind::Scale, 1, false, 0, 0, x1, y1, x2, y2};
    push(current_scale_);
}

void DisplayList::line(float x1, float y1, float x2, float y2, Colour c, int width) {
    push(DrawOp{DrawOp::Kind::Line, clamp_width(width), false, c, 0, x1, y1, x2, y2});
}

void DisplayList::dot(float x, float y, Colour c, int width) {
    push(DrawOp{DrawOp::Kind::Dot, clamp_width(width), false, c, 0, x, y, 0, 0});
}

void DisplayList::circle(float x, float y, float r, Colour outline, int width, bool filled,
                         Colour fill) {
    push(DrawOp{DrawOp::Kind::Circle, clamp_width(width), filled, outline, fill, x, y, r, 0});
}

void DisplayList::text(float x, float y, Colour c, std::string_view text) {
    texts_.emplace_back(text);
    push(DrawOp{DrawOp::Kind::Text, 1, false, c, 0, x, y, 0, 0,
                static_cast<std::uint32_t>(texts_.size() - 1)});
}

std::string_view DisplayList::text_of(const DrawOp& op) const {
    const std::size_t i = op.text;
    return op.kind == DrawOp::Kind::Text && i < texts_.size() ? std::string_view(texts_[i])
                                                              : std::string_view();
}

std::size_t DisplayList::painted(std::size_t n) {
    n = std::min(n, ops_.size());
    if (ops_.size() <= max_ops_ || n == 0) {
        return n;
    }
    // Over the limit: keep only what is still to be painted, after the scale in force there.
    DrawOp scale = ops_.front();
    for (std::size_t i = 0; i < n; ++i) {
        if (ops_[i].kind == DrawOp::Kind::Scale) {
            scale = ops_[i];
        }
    }
    ops_.erase(ops_.begin(), ops_.begin() + static_cast<std::ptrdiff_t>(n));
    ops_.insert(ops_.begin(), scale);
    complete_ = false;
    return 1;
}
