#include "raster/scan_fill.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::int64_t kOne = 65536; // 1 in 16.16

} // namespace

bool ScanFill::start(const Outline64& outline, PixelClip clip) {
    edges_.clear();
    if (outline.points.size() < 3 || outline.contour_ends.empty()) {
        return false;
    }
    std::int64_t min_y = outline.points[0].y, max_y = min_y;
    for (const Point64 p : outline.points) {
        min_y = std::min(min_y, p.y);
        max_y = std::max(max_y, p.y);
    }
    top_ = std::max(clip.top, static_cast<int>((min_y + 32) >> 6));
    bottom_ = std::min(clip.bottom, static_cast<int>((max_y - 32) >> 6));
    if (top_ > bottom_) {
        return false;
    }
    left_ = clip.left * kOne;
    right_ = (clip.right + std::int64_t{1}) * kOne;
    std::size_t first = 0;
    for (const int last : outline.contour_ends) {
        for (std::size_t j = first; j < static_cast<std::size_t>(last); ++j) {
            add_line(outline.points[j], outline.points[j + 1]);
        }
        first = static_cast<std::size_t>(last) + 1;
    }
    return true;
}

void ScanFill::add_line(Point64 a, Point64 b) {
    int winding = 1;
    if (a.y > b.y) {
        std::swap(a, b);
        winding = -1;
    }
    int top = std::max(top_, static_cast<int>((a.y + 32) >> 6));
    int bottom = std::min(bottom_, static_cast<int>((b.y - 32) >> 6));
    if (top > bottom) {
        return;
    }
    const std::int64_t a_x = kOne / 2 + a.x * 1024;
    if (b.x == a.x) {
        edges_.push_back({std::clamp(a_x, left_, right_), 0, top, bottom, winding});
        return;
    }
    const double slope = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
    const auto slope_fp = static_cast<std::int64_t>(slope * 65536.);
    std::int64_t x = a_x + ((slope_fp * (top * kOne + kOne / 2 - a.y * 1024)) >> 16);
    if (hold_within(x, top, bottom, slope_fp, left_, winding) ||
        hold_within(x, top, bottom, slope_fp, right_, winding)) {
        return;
    }
    edges_.push_back({x, slope_fp, top, bottom, winding});
}

bool ScanFill::hold_within(std::int64_t& x, int& top, int& bottom, std::int64_t slope,
                           std::int64_t side, int winding) {
    const bool right = side == right_;
    if (x == side) {
        if ((slope > 0) != right) {
            return false;
        }
        edges_.push_back({side, 0, top, bottom, winding});
        return true;
    }
    const std::int64_t last = x + slope * (bottom - top);
    if (last == side) {
        if ((slope < 0) != right) {
            return false;
        }
        edges_.push_back({side, 0, top, bottom, winding});
        return true;
    }
    if ((last < side) != (x < side)) {
        // The edge crosses the side: the part beyond it runs along the side.
        const auto rows_to_side =
            static_cast<std::int64_t>(static_cast<double>(side - x) / (slope * (1. / 65536.)));
        if ((x < side) != right) {
            const int height = static_cast<int>((rows_to_side + 1) >> 16);
            const int middle = top + height;
            edges_.push_back({side, 0, top, middle, winding});
            if (middle == bottom) {
                return true;
            }
            x += slope * (height + 1);
            top = middle + 1;
        } else {
            const int height = static_cast<int>(rows_to_side >> 16);
            const int middle = top + height;
            if (middle != bottom) {
                edges_.push_back({side, 0, middle + 1, bottom, winding});
                bottom = middle;
            }
        }
        return false;
    }
    if ((x < side) != right) {
        edges_.push_back({side, 0, top, bottom, winding});
        return true;
    }
    return false;
}
