#include "base/display_list.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
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

// Makes room for `n` more elements, the way lists of primitives grow: a short one as vectors
// do, a long one at once to its limit, in storage that never moves again (its pages are only
// taken as they are written) instead of copying at every doubling.
template <class T> void room_for(std::vector<T>& v, std::size_t n, std::size_t limit) {
    if (v.size() + n > v.capacity() && v.size() >= kSmallList) {
        v.reserve(std::max(limit + 2 * kSmallList, v.size() * 2));
        prefer_large_pages(v.data(), v.capacity() * sizeof(T));
    }
}

// A primitive of one kind at (x, y).
DrawOp placed(DrawOp::Kind kind, Colour c, float x, float y, std::uint8_t width) {
    DrawOp op;
    op.kind = kind;
    op.width = width;
    op.colour = c;
    op.a = x;
    op.b = y;
    return op;
}

} // namespace

void DisplayList::clear() {
    ops_.clear();
    points_.clear();
    texts_.clear();
    sources_.clear();
    complete_ = true;
    primitives_ = 0;
    runs_open_ = 0;
    ops_.push_back(current_scale_);
}

void DisplayList::push_slowly(const DrawOp& op) {
    if (ops_.empty()) {
        ops_.push_back(current_scale_);
    }
    room_for(ops_, 1, max_ops_);
    ops_.push_back(op);
}

void DisplayList::line_slowly(float x1, float y1, float x2, float y2, Colour c,
                              std::uint8_t width) {
    room_for(points_, 2, max_ops_);
    if (goes_on(x1, y1, c, width)) {
        go_on(x2, y2); // the inline way had no room
        return;
    }
    if (runs_open_ == 1 && ops_.back().count == 1 && c == run_colour_ && width == run_width_) {
        // A run of one segment and another segment: two curves traced side by side, the second
        // starting here. The run's points are the last ones: [start, end] becomes
        // [start, this start, end, this end].
        DrawOp& run = ops_.back();
        const ListPoint end = points_.back();
        points_.back() = ListPoint{x1, y1};
        points_.push_back(end);
        points_.push_back(ListPoint{x2, y2});
        run.curves = 2;
        run.count = 2;
        runs_open_ = 2;
        expect_ = 0;
        open_[1] = Curve{bits(x2), bits(y2)};
        ++primitives_;
        return;
    }
    DrawOp run;
    run.kind = DrawOp::Kind::Line;
    run.width = width;
    run.colour = c;
    run.curves = 1;
    run.first = static_cast<std::uint32_t>(points_.size());
    run.count = 1;
    points_.push_back(ListPoint{x1, y1});
    points_.push_back(ListPoint{x2, y2});
    push(run);
    runs_open_ = 1;
    expect_ = 0;
    run_colour_ = c;
    run_width_ = width;
    open_[0] = Curve{bits(x2), bits(y2)};
}

const PictureBox::Segment* DisplayList::lines(const PictureBox::Segment* segments,
                                              std::size_t count, int width) {
    const std::uint8_t w = clamp_width(width);
    const PictureBox::Segment* taken = nullptr;
    std::size_t i = 0;
    while (i < count) {
        if (runs_open_ != 0 && w == run_width_) {
            // The segments that go on with the open run, as go_on() takes them but with the
            // run's state held in registers meanwhile: this loop runs for every segment.
            const Colour colour = run_colour_;
            const unsigned curves = runs_open_;
            unsigned k = expect_;
            Curve ends[2] = {open_[0], open_[1]};
            const std::size_t room = points_.capacity() - points_.size();
            const std::size_t stop = count - i < room ? count : i + room;
            const std::size_t from = i;
            for (; i < stop; ++i) {
                const PictureBox::Segment& s = segments[i];
                if (s.colour != colour || ends[k].x != bits(s.x1) || ends[k].y != bits(s.y1) ||
                    !std::isfinite(s.x2) || !std::isfinite(s.y2)) {
                    break;
                }
                points_.push_back(ListPoint{s.x2, s.y2});
                ends[k] = Curve{bits(s.x2), bits(s.y2)};
                k = k + 1 == curves ? 0 : k + 1;
            }
            if (i > from) {
                ops_.back().count += static_cast<std::uint32_t>(i - from);
                primitives_ += i - from;
                open_[0] = ends[0];
                open_[1] = ends[1];
                expect_ = static_cast<std::uint8_t>(k);
                taken = &segments[i - 1];
            }
            if (i == count) {
                break;
            }
        }
        const PictureBox::Segment& s = segments[i];
        if (std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) &&
            std::isfinite(s.y2)) {
            line_slowly(s.x1, s.y1, s.x2, s.y2, s.colour, w);
            taken = &s;
        }
        ++i;
    }
    return taken;
}

void DisplayList::scale(float x1, float y1, float x2, float y2) {
    current_scale_ = DrawOp::scale(x1, y1, x2, y2);
    push(current_scale_);
}

void DisplayList::dot(float x, float y, Colour c, int width) {
    push(placed(DrawOp::Kind::Dot, c, x, y, clamp_width(width)));
}

void DisplayList::circle(float x, float y, float r, Colour outline, int width, bool filled,
                         Colour fill) {
    DrawOp op = placed(DrawOp::Kind::Circle, outline, x, y, clamp_width(width));
    op.filled = filled;
    op.c = r;
    op.fill = fill;
    push(op);
}

void DisplayList::text(float x, float y, Colour c, std::string_view text) {
    texts_.emplace_back(text);
    DrawOp op = placed(DrawOp::Kind::Text, c, x, y, 1);
    op.text = static_cast<std::uint32_t>(texts_.size() - 1);
    push(op);
}

std::string_view DisplayList::text_of(const DrawOp& op) const {
    if (op.kind != DrawOp::Kind::Text || op.text >= texts_.size()) {
        return {};
    }
    return texts_[op.text];
}

void DisplayList::pixels(float x1, float y1, float x2, float y2,
                         std::shared_ptr<const PixelColours> source) {
    sources_.push_back(std::move(source));
    DrawOp op = DrawOp::scale(x1, y1, x2, y2);
    op.kind = DrawOp::Kind::Pixels;
    op.source = static_cast<std::uint32_t>(sources_.size() - 1);
    push(op);
}

const PixelColours* DisplayList::source_of(const DrawOp& op) const {
    if (op.kind != DrawOp::Kind::Pixels || op.source >= sources_.size()) {
        return nullptr;
    }
    return sources_[op.source].get();
}

std::size_t DisplayList::painted(std::size_t n) {
    n = std::min(n, ops_.size());
    if (n == ops_.size()) {
        runs_open_ = 0; // a painted run takes no more segments
    }
    if (ops_.size() + points_.size() <= max_ops_ || n == 0) {
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
    // The points of the lines dropped are the first ones.
    std::size_t dropped = points_.size();
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Line) {
            dropped = op.first;
            break;
        }
    }
    points_.erase(points_.begin(), points_.begin() + static_cast<std::ptrdiff_t>(dropped));
    for (DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Line) {
            op.first -= static_cast<std::uint32_t>(dropped);
        }
    }
    complete_ = false;
    return 1;
}
