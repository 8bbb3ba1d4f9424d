#pragma once
// The room labels take in a picture, in user units (metres, y upward): their boxes, the discs
// they keep clear of, the stretches of segments they cut out of lines, and an index of segments
// to ask what runs near a point or through a box.
#include <cstddef>
#include <vector>

#include "picture/curve_steps.h"

struct LabelBox {
    double left, bottom, right, top;

    LabelBox grown(double by) const { return {left - by, bottom - by, right + by, top + by}; }
    bool overlaps(const LabelBox& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
    bool holds(PlanePoint p) const {
        return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    }
    PlanePoint centre() const { return {(left + right) / 2, (bottom + top) / 2}; }
};

struct Disc {
    double x, y, r;
    bool overlaps(const LabelBox& b) const;
};

// The share [t0, t1] of the segment from a to b inside the box (Liang-Barsky); false when none
// of it is.
bool clip_to_box(PlanePoint a, PlanePoint b, const LabelBox& box, double& t0, double& t1);

// The parts of the segment from a to b outside every box, in order along it, each as a pair of
// points appended to `out`.
void outside_boxes(PlanePoint a, PlanePoint b, const std::vector<LabelBox>& boxes,
                   std::vector<PlanePoint>& out);

// Segments sorted into square cells of the region [-L, L] x [-L, L], so that a question about a
// point or a box reads a few cells. Segments beyond the region are kept in the cells of its edge.
class SegmentIndex {
  public:
    SegmentIndex(double half_width, double cell);
    // Adds the segments of a polyline, tagged with `owner`.
    void add(const std::vector<PlanePoint>& polyline, int owner);
    // The distance from p to the nearest segment not of `owner`, looked for within `reach`
    // (which is at most a cell): reach itself when there is none nearer.
    double distance(PlanePoint p, double reach, int owner) const;
    // Whether a segment not of `owner` runs through the box.
    bool crosses(const LabelBox& box, int owner) const;
    // The segments added so far, and forgetting those added after the first n.
    std::size_t size() const { return segments_.size(); }
    void truncate(std::size_t n);

  private:
    struct Stored {
        PlanePoint a, b;
        int owner;
    };
    std::size_t column(double x) const;
    std::size_t row(double y) const;
    // Each cell's segments as a list through `entries_`, the one added last first (no list of its
    // own per cell: an index is made for every picture).
    struct Entry {
        std::size_t segment;
        std::size_t cell;
        int next;
    };
    template <class Visit>
    bool visit(std::size_t c0, std::size_t c1, std::size_t r0, std::size_t r1, Visit visit) const;
    double L_, cell_;
    std::size_t cells_;
    std::vector<Stored> segments_;
    std::vector<int> first_;
    std::vector<Entry> entries_;
};
