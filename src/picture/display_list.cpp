#include "picture/display_list.h"

#include <algorithm>
#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// Lists up to this many primitives grow as vectors do.
constexpr std::size_t kSmallList = std::size_t{1} << 16;

// Asks for the storage of a long list in large pages where the system offers them: a list of
// millions of primitives otherwise spends much of its time taking its pages one by one.
void prefer_large_pages(const void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kLargePage - 1);
    if (first < last) {
        // Only advice: the list works the same where it is not taken.
        (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)bytes;
#endif
}

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
        prefer_large_pages(ops_.data(), ops_.capacity() * sizeof(DrawOp));
    }
    ops_.push_back(op);
}

void DisplayList::scale(float x1, float y1, float x2, float y2) {
    current_scale_ = DrawOp{DrawOp::Kind::Scale, 1, false, 0, x1, y1, x2, {y2}};
    push(current_scale_);
}

void DisplayList::dot(float x, float y, Colour c, int width) {
    push(DrawOp{DrawOp::Kind::Dot, clamp_width(width), false, c, x, y, 0, {0}});
}

void DisplayList::circle(float x, float y, float r, Colour outline, int width, bool filled,
                         Colour fill) {
    DrawOp op{DrawOp::Kind::Circle, clamp_width(width), filled, outline, x, y, r, {0}};
    op.fill = fill;
    push(op);
}

void DisplayList::text(float x, float y, Colour c, std::string_view text) {
    texts_.emplace_back(text);
    DrawOp op{DrawOp::Kind::Text, 1, false, c, x, y, 0, {0}};
    op.text = static_cast<std::uint32_t>(texts_.size() - 1);
    push(op);
}

std::string_view DisplayList::text_of(const DrawOp& op) const {
    if (op.kind != DrawOp::Kind::Text || op.text >= texts_.size()) {
        return {};
    }
    return texts_[op.text];
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
