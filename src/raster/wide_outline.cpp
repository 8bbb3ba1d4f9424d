#include "raster/wide_outline.h"

#include <algorithm>
#include <vector>

#include "raster/bezier.h"
#include "raster/pixel_line.h"

namespace {

// The path as the stroker walks it: a curve is three elements, its two control points and its
// end, the latter two marked as data.
enum class Step { Move, Line, Curve, CurveData };
struct Element {
    Step step;
    PixelPoint p;
};

// Walks the elements forwards, or backwards with a curve's elements turned round.
class Walk {
  public:
    Walk(const std::vector<Element>& elements, bool backwards)
        : elements_(elements), backwards_(backwards),
          at_(backwards ? static_cast<int>(elements.size()) - 1 : 0) {}
    bool more() const { return backwards_ ? at_ >= 0 : at_ < static_cast<int>(elements_.size()); }
    Element next() {
        if (!backwards_) {
            return elements_[static_cast<std::size_t>(at_++)];
        }
        Element e = elements_[static_cast<std::size_t>(at_)];
        if (at_ == static_cast<int>(elements_.size()) - 1) {
            e.step = Step::Move;
        } else {
            const Step after = elements_[static_cast<std::size_t>(at_) + 1].step;
            if (after == Step::Line) {
                e.step = Step::Line;
            } else if (after == Step::CurveData) {
                e.step = e.step == Step::Curve ? Step::CurveData : Step::Curve;
            } else if (after == Step::Curve) {
                e.step = Step::CurveData;
            }
        }
        --at_;
        return e;
    }

  private:
    const std::vector<Element>& elements_;
    bool backwards_;
    int at_;
};

class Stroker {
  public:
    Stroker(double width, CurvePath& out) : offset_(width / 2), out_(out) {}
    // One side of the path; whether it was closed.
    bool side(Walk walk);

  private:
    void move_to(PixelPoint p) {
        back2_ = back1_;
        back1_ = p;
        out_.move_to(p);
    }
    void line_to(PixelPoint p) {
        back2_ = back1_;
        back1_ = p;
        out_.line_to(p);
    }
    void curve_to(PixelPoint c1, PixelPoint c2, PixelPoint e) {
        if (c2 == e) {
            back2_ = c1 == e ? back1_ : c1;
        } else {
            back2_ = c2;
        }
        back1_ = e;
        out_.curve_to(c1, c2, e);
    }
    // A bevel from where the outline is to the start of `next`, round the path's point `focal`.
    void join(PixelPoint focal, const PixelLine& next);

    double offset_;
    CurvePath& out_;
    PixelPoint back1_, back2_; // the outline's last point and the one before
};

void Stroker::join(PixelPoint focal, const PixelLine& next) {
    if (nearly_equal(back1_.x, next.p1.x) && nearly_equal(back1_.y, next.p1.y)) {
        return; // already there
    }
    const PixelLine prev{back2_, back1_};
    const PixelLine short_cut{prev.p2, next.p1};
    const double angle = short_cut.angle_to(prev);
    if (prev.crosses(next) || (angle > 90 && !nearly_equal(angle, 90))) {
        // On the inside of the turn: through the path's own point.
        line_to(focal);
    }
    line_to(next.p1);
}

bool Stroker::side(Walk walk) {
    constexpr int kMaxOffsetCurves = 16;
    // The stroker's flatness for pens two pixels wide and wider.
    const float threshold = static_cast<float>(std::clamp(1.0 / (2 * offset_), 0.00025, 0.25));
    Bezier offset_curves[kMaxOffsetCurves];
    const PixelPoint start = walk.next().p;
    PixelPoint prev = start;
    bool first = true;
    PixelLine start_tangent;
    while (walk.more()) {
        const Element e = walk.next();
        if (e.step == Step::Line) {
            PixelLine line{prev, e.p};
            if (nearly_same(line.p1, line.p2)) {
                continue;
            }
            PixelLine normal = line.normal();
            normal.set_length(offset_);
            line.translate({normal.dx(), normal.dy()});
            if (first) {
                move_to(line.p1);
                start_tangent = line;
                first = false;
            } else {
                join(prev, line);
            }
            line_to(line.p2);
            prev = e.p;
        } else if (e.step == Step::Curve) {
            const PixelPoint c2 = walk.next().p;
            const PixelPoint end = walk.next().p;
            const Bezier bezier{prev, e.p, c2, end};
            const int count = bezier.offset(offset_curves, kMaxOffsetCurves, offset_, threshold);
            if (count != 0) {
                PixelLine tangent{bezier.p1, bezier.p2};
                if (tangent.is_null()) {
                    tangent = {bezier.p1, bezier.p3};
                }
                if (tangent.is_null()) {
                    tangent = {bezier.p1, bezier.p4};
                }
                tangent.translate(offset_curves[0].p1 - bezier.p1);
                if (first) {
                    move_to(offset_curves[0].p1);
                    start_tangent = tangent;
                    first = false;
                } else {
                    join(prev, tangent);
                }
                for (int i = 0; i < count; ++i) {
                    curve_to(offset_curves[i].p2, offset_curves[i].p3, offset_curves[i].p4);
                }
            }
            prev = end;
        }
    }
    if (!(nearly_equal(start.x, prev.x) && nearly_equal(start.y, prev.y))) {
        return false;
    }
    if (!first) {
        join(prev, start_tangent);
    }
    return true;
}

} // namespace

bool wide_closed_outline(const CurvePath& path, double width, CurvePath& out) {
    out.elements.clear();
    std::vector<Element> elements;
    for (const CurvePath::Element& e : path.elements) {
        switch (e.kind) {
        case CurvePath::Kind::Move:
            elements.push_back({Step::Move, e.to});
            break;
        case CurvePath::Kind::Line:
            elements.push_back({Step::Line, e.to});
            break;
        case CurvePath::Kind::Curve:
            elements.push_back({Step::Curve, e.c1});
            elements.push_back({Step::CurveData, e.c2});
            elements.push_back({Step::CurveData, e.to});
            break;
        }
    }
    if (elements.size() < 2) {
        return true;
    }
    Stroker stroker(width, out);
    return stroker.side(Walk(elements, false)) && stroker.side(Walk(elements, true));
}
