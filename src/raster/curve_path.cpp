#include "raster/curve_path.h"

#include "raster/bezier.h"

namespace {

// Whether the rectangle [left, right] x [top, bottom] (of some size) holds p, edges included.
bool holds(double left, double top, double right, double bottom, PixelPoint p) {
    return left != right && top != bottom && p.x >= left && p.x <= right && p.y >= top &&
           p.y <= bottom;
}

constexpr double kFlatness = 0.25;
constexpr double kClipMargin = 1000;

} // namespace

bool outline_of(const CurvePath& path, int width, int height, Outline64& out) {
    std::vector<PixelPoint> points;
    std::vector<bool> starts; // each point: whether it starts a subpath
    std::size_t subpath = 0;
    const auto close = [&] {
        if (!points.empty() && !nearly_same(points.back(), points[subpath])) {
            const PixelPoint first = points[subpath];
            points.push_back(first);
            starts.push_back(false);
        }
    };
    const double w = width, h = height;
    const std::vector<CurvePath::Element>& elements = path.elements;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const CurvePath::Element& e = elements[i];
        switch (e.kind) {
        case CurvePath::Kind::Move:
            if (i + 1 == elements.size()) {
                break;
            }
            close();
            subpath = points.size();
            points.push_back(e.to);
            starts.push_back(true);
            break;
        case CurvePath::Kind::Line:
            points.push_back(e.to);
            starts.push_back(false);
            break;
        case CurvePath::Kind::Curve: {
            if (points.empty()) {
                break;
            }
            const Bezier bezier{points.back(), e.c1, e.c2, e.to};
            bool beyond = false;
            if (!holds(0, 0, w, h, e.to)) {
                const Bezier::Box b = bezier.bounds();
                beyond = !(b.left != b.right && b.top != b.bottom && b.left < w && 0 < b.right &&
                           b.top < h && 0 < b.bottom);
            }
            if (beyond) {
                points.push_back(e.to);
            } else {
                bezier.flatten(points, kFlatness);
            }
            starts.resize(points.size(), false);
            break;
        }
        }
    }
    close();
    out.clear();
    if (points.empty()) {
        return true;
    }
    // The bounds as the painter takes them (a point that lowers the left edge is not tried
    // against the right one).
    double min_x = points[0].x, max_x = min_x, min_y = points[0].y, max_y = min_y;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PixelPoint p = points[i];
        if (p.x < min_x) {
            min_x = p.x;
        } else if (p.x > max_x) {
            max_x = p.x;
        }
        if (p.y < min_y) {
            min_y = p.y;
        } else if (p.y > max_y) {
            max_y = p.y;
        }
    }
    if (min_x < -kClipMargin || min_y < -kClipMargin || max_x > w + kClipMargin ||
        max_y > h + kClipMargin) {
        return false;
    }
    out.points.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (starts[i] && i != 0) {
            out.contour_ends.push_back(static_cast<int>(out.points.size()) - 1);
        }
        out.points.push_back({round_to_int(points[i].x * 64), round_to_int(points[i].y * 64)});
    }
    out.contour_ends.push_back(static_cast<int>(out.points.size()) - 1);
    return true;
}
