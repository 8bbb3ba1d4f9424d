#include "picture/display_list.h"

#include <algorithm>

namespace {

// Lists up to this many primitives grow as vectors do.
constexpr std::size_t kSmallList = std::size_t{1} << 16;

} // namespace

void DisplayList::clear() {
    ops_.clear();
    texts_.clear();
    complete_ = true;
    ops_.push_back(current_scale_);
}

void DisplayList::push_slowly(const DrawOp& op) {
    if (ops_.empty()) {
        ops_.push_back(current_scale_);
    }
    if (ops_.size() == ops_.capacity() && ops_.size() >= kSmallList) {
        // A long list goes on to its limit: one move to storage that never moves again (its
        // pages are only taken as they are written), instead of copying at every doubling.
        ops_.reserve(std::max(max_ops_ + 2 * kSmallList, ops_.size() * 2));
    }
    ops_.push_back(op);
}

void DisplayList::scale(float x1, float y1, float x2, float y2) {
    current_scale_ = DrawOp{DrawOp::Kind::Scale, 1, false, 0, 0, x1, y1, x2, y2};
    push(current_scale_);
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
