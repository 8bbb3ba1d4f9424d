#include "picture/label_space.h"

#include <algorithm>
#include <cmath>

bool Disc::overlaps(const LabelBox& b) const {
    const double dx = std::max({b.left - x, 0.0, x - b.right});
    const double dy = std::max({b.bottom - y, 0.0, y - b.top});
    return dx * dx + dy * dy < r * r;
}

bool clip_to_box(PlanePoint a, PlanePoint b, const LabelBox& box, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    // Most segments pass a box by far: their bounds tell.
    if (std::max(a.x, b.x) < box.left || std::min(a.x, b.x) > box.right ||
        std::max(a.y, b.y) < box.bottom || std::min(a.y, b.y) > box.top) {
        return false;
    }
    const double dx = b.x - a.x, dy = b.y - a.y;
    // Each side as p*t <= q.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.bottom, box.top - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    return t0 < t1;
}

void outside_boxes(PlanePoint a, PlanePoint b, const std::vector<LabelBox>& boxes,
                   std::vector<PlanePoint>& out) {
    // The stretches inside boxes, merged, and what lies between them.
    std::vector<std::pair<double, double>> cut;
    for (const LabelBox& box : boxes) {
        double t0 = 0, t1 = 0;
        if (clip_to_box(a, b, box, t0, t1)) {
            cut.emplace_back(t0, t1);
        }
    }
    const auto at = [&](double t) {
        return PlanePoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    };
    if (cut.empty()) {
        out.push_back(a);
        out.push_back(b);
        return;
    }
    std::sort(cut.begin(), cut.end());
    double from = 0;
    for (const auto& [t0, t1] : cut) {
        if (t0 > from) {
            out.push_back(at(from));
            out.push_back(at(t0));
        }
        from = std::max(from, t1);
    }
    if (from < 1) {
        out.push_back(at(from));
        out.push_back(b);
    }
}

SegmentIndex::SegmentIndex(double half_width, double cell)
    : L_(half_width), cell_(cell),
      cells_(static_cast<std::size_t>(std::max(1.0, std::ceil(2 * half_width / cell)))),
      first_(cells_ * cells_, -1) {}

std::size_t SegmentIndex::column(double x) const {
    const double i = (x + L_) / cell_;
    // Below the first cell (or not a number): the first; beyond the last: the last.
    if (!(i >= 1)) {
        return 0;
    }
    return i < static_cast<double>(cells_) ? static_cast<std::size_t>(i) : cells_ - 1;
}

std::size_t SegmentIndex::row(double y) const {
    return column(y);
}

void SegmentIndex::add(const std::vector<PlanePoint>& polyline, int owner) {
    for (std::size_t k = 1; k < polyline.size(); ++k) {
        const PlanePoint a = polyline[k - 1], b = polyline[k];
        const std::size_t id = segments_.size();
        segments_.push_back({a, b, owner});
        const std::size_t c0 = column(std::min(a.x, b.x)), c1 = column(std::max(a.x, b.x));
        const std::size_t r0 = row(std::min(a.y, b.y)), r1 = row(std::max(a.y, b.y));
        for (std::size_t r = r0; r <= r1; ++r) {
            for (std::size_t c = c0; c <= c1; ++c) {
                const std::size_t cell = r * cells_ + c;
                entries_.push_back({id, cell, first_[cell]});
                first_[cell] = static_cast<int>(entries_.size() - 1);
            }
        }
    }
}

void SegmentIndex::truncate(std::size_t n) {
    while (!entries_.empty() && entries_.back().segment >= n) {
        first_[entries_.back().cell] = entries_.back().next;
        entries_.pop_back();
    }
    segments_.resize(std::min(n, segments_.size()));
}

template <class Visit>
bool SegmentIndex::visit(std::size_t c0, std::size_t c1, std::size_t r0, std::size_t r1,
                         Visit visit) const {
    for (std::size_t r = r0; r <= r1; ++r) {
        for (std::size_t c = c0; c <= c1; ++c) {
            for (int e = first_[r * cells_ + c]; e >= 0; e = entries_[e].next) {
                if (visit(segments_[entries_[e].segment])) {
                    return true;
                }
            }
        }
    }
    return false;
}

double SegmentIndex::distance(PlanePoint p, double reach, int owner) const {
    double best = reach;
    visit(column(p.x - reach), column(p.x + reach), row(p.y - reach), row(p.y + reach),
          [&](const Stored& s) {
              if (s.owner != owner) {
                  const Vec d = s.b - s.a;
                  const double len2 = dot(d, d);
                  const double t = len2 > 0 ? std::clamp(dot(p - s.a, d) / len2, 0.0, 1.0) : 0.0;
                  best = std::min(best, norm({s.a.x + t * d.x - p.x, s.a.y + t * d.y - p.y}));
              }
              return false;
          });
    return best;
}

bool SegmentIndex::crosses(const LabelBox& box, int owner) const {
    return visit(column(box.left), column(box.right), row(box.bottom), row(box.top),
                 [&](const Stored& s) {
                     double t0 = 0, t1 = 0;
                     return s.owner != owner && clip_to_box(s.a, s.b, box, t0, t1);
                 });
}
