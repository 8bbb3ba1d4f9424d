#pragma once
// Closed outlines filled as the raster painter fills them without antialiasing: their corners
// in 1/64 pixel, every edge followed down the rows in 16.16 fixed point from where it crosses
// the first pixel centre below its top, the pixels whose centres lie inside (by the winding or
// the even-odd rule) filled row by row, the edges held within the clip's columns and the rows
// cut to its rows.
#include <algorithm>
#include <cstdint>
#include <vector>

// A point in 1/64 pixel.
struct Point64 {
    std::int64_t x = 0, y = 0;
};

// An outline of closed contours: the points of each contour in order, its first point repeated
// at its end when it is closed.
struct Outline64 {
    std::vector<Point64> points;
    std::vector<int> contour_ends; // the index of each contour's last point

    void clear() {
        points.clear();
        contour_ends.clear();
    }
};

// The columns and rows a fill may touch, inclusive.
struct PixelClip {
    int left = 0, top = 0, right = -1, bottom = -1;
};

class ScanFill {
  public:
    // `span(x, length, y)` receives the filled pixels of each row, every span inside the clip.
    template <class Span>
    static void fill(const Outline64& outline, bool winding, PixelClip clip, Span span) {
        ScanFill f;
        if (f.start(outline, clip)) {
            f.convert(winding, span);
        }
    }

  private:
    struct Edge {
        std::int64_t x;     // 16.16 at the centre of row `top`
        std::int64_t delta; // per row
        int top, bottom;    // rows, inclusive
        int winding;
    };
    bool start(const Outline64& outline, PixelClip clip);
    void add_line(Point64 a, Point64 b);
    // Whether the part of an edge beyond one side of the clip was replaced by that side (the
    // whole edge when true).
    bool hold_within(std::int64_t& x, int& top, int& bottom, std::int64_t slope, std::int64_t side,
                     int winding);
    template <class Span> void convert(bool winding, Span span);

    std::vector<Edge> edges_;
    int top_ = 0, bottom_ = 0;
    std::int64_t left_ = 0, right_ = 0; // the clip's sides in 16.16
};

template <class Span> void ScanFill::convert(bool winding, Span span) {
    if (edges_.empty()) {
        return;
    }
    const int mask = winding ? ~0 : 1;
    std::vector<const Edge*> by_top(edges_.size());
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        by_top[i] = &edges_[i];
    }
    std::stable_sort(by_top.begin(), by_top.end(),
                     [](const Edge* a, const Edge* b) { return a->top < b->top; });
    struct Crossing {
        int x;
        int winding;
    };
    std::vector<const Edge*> active;
    std::vector<Crossing> row;
    std::size_t next = 0;
    for (int y = by_top.front()->top; y <= bottom_; ++y) {
        while (next < by_top.size() && by_top[next]->top == y) {
            active.push_back(by_top[next++]);
        }
        row.clear();
        for (std::size_t i = 0; i < active.size();) {
            const Edge* e = active[i];
            row.push_back({static_cast<int>((e->x + e->delta * (y - e->top)) >> 16), e->winding});
            if (e->bottom == y) {
                active.erase(active.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        std::stable_sort(row.begin(), row.end(), [](Crossing a, Crossing b) { return a.x < b.x; });
        int x = 0, w = 0;
        for (const Crossing c : row) {
            if ((w & mask) != 0 && c.x > x) {
                span(x, c.x - x, y);
            }
            x = c.x;
            w += c.winding;
        }
        if (active.empty() && next == by_top.size()) {
            break;
        }
    }
}
