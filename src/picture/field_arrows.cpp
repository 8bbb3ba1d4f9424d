#include "picture/field_arrows.h"

#include <algorithm>
#include <cmath>

namespace {

// Shaft length as a share of the spacing; head strokes as a share of the shaft, and their angle.
constexpr double kLengthShare = 0.6;
constexpr double kHeadShare = 0.35;
constexpr double kHeadAngle = 0.45; // radians, about 26 degrees
// The shade scale covers at most this ratio of field strengths: a point near where the field
// vanishes does not wash out every other arrow.
constexpr double kWidestRatio = 1e4;

// The distance from (cx, 0) to the segment p-q.
double distance_to_segment(double px, double py, double qx, double qy, double cx) {
    const double dx = qx - px;
    const double dy = qy - py;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((cx - px) * dx - py * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px + t * dx - cx, py + t * dy);
}

} // namespace

FieldArrows field_arrows(const ChargePair& c, const PixelGrid& grid, double start_radius,
                         double spacing_px) {
    FieldArrows out;
    const double width = std::abs(grid.x_right - grid.x_left);
    if (grid.width <= 0 || grid.height <= 0 || !(width > 0) || !(spacing_px > 0)) {
        return out;
    }
    const long half_columns = std::max(1L, std::lround(grid.width / (2 * spacing_px)));
    const double s = width / (2.0 * static_cast<double>(half_columns));
    out.spacing = s;
    out.length = kLengthShare * s;
    const double pixel =
        std::min(width / grid.width, std::abs(grid.y_top - grid.y_bottom) / grid.height);
    const double x_lo = std::min(grid.x_left, grid.x_right) + s / 2 * (1 - 1e-9);
    const double x_hi = std::max(grid.x_left, grid.x_right) - s / 2 * (1 - 1e-9);
    const double y_lo = std::min(grid.y_top, grid.y_bottom) + s / 2 * (1 - 1e-9);
    const double y_hi = std::max(grid.y_top, grid.y_bottom) - s / 2 * (1 - 1e-9);
    const double a = c.half_distance;
    const double k = c.coulomb_k;
    const double half = out.length / 2;
    const double head = kHeadShare * out.length;
    const double hc = std::cos(kHeadAngle);
    const double hs = std::sin(kHeadAngle);

    for (long j = std::lround(std::ceil(y_lo / s - 0.5)); (j + 0.5) * s <= y_hi; ++j) {
        const double y = (static_cast<double>(j) + 0.5) * s;
        for (long i = std::lround(std::ceil(x_lo / s - 0.5)); (i + 0.5) * s <= x_hi; ++i) {
            const double x = (static_cast<double>(i) + 0.5) * s;
            double ex = 0;
            double ey = 0;
            for (const auto& [q, cx] : {std::pair{c.q1, -a}, std::pair{c.q2, a}}) {
                const double dx = x - cx;
                const double r = std::hypot(dx, y);
                ex += k * q * dx / (r * r * r);
                ey += k * q * y / (r * r * r);
            }
            const double e = std::hypot(ex, ey);
            if (!(e > 0) || !std::isfinite(e)) {
                continue;
            }
            const double ux = ex / e;
            const double uy = ey / e;
            FieldArrow arrow{};
            arrow.x = x;
            arrow.y = y;
            arrow.tail_x = x - half * ux;
            arrow.tail_y = y - half * uy;
            arrow.tip_x = x + half * ux;
            arrow.tip_y = y + half * uy;
            bool clear = true;
            for (const auto& [q, cx] : {std::pair{c.q1, -a}, std::pair{c.q2, a}}) {
                if (q != 0 &&
                    distance_to_segment(arrow.tail_x, arrow.tail_y, arrow.tip_x, arrow.tip_y, cx) <=
                        std::abs(q) * start_radius + pixel) {
                    clear = false;
                }
            }
            if (!clear) {
                continue;
            }
            // The head's strokes: back from the tip, turned either way from the shaft.
            arrow.left_x = arrow.tip_x - head * (hc * ux - hs * uy);
            arrow.left_y = arrow.tip_y - head * (hs * ux + hc * uy);
            arrow.right_x = arrow.tip_x - head * (hc * ux + hs * uy);
            arrow.right_y = arrow.tip_y - head * (-hs * ux + hc * uy);
            arrow.strength = e;
            out.arrows.push_back(arrow);
        }
    }
    if (out.arrows.empty()) {
        return out;
    }
    const auto [weakest, strongest] = std::minmax_element(
        out.arrows.begin(), out.arrows.end(),
        [](const FieldArrow& p, const FieldArrow& q) { return p.strength < q.strength; });
    out.strongest = strongest->strength;
    out.weakest = std::max(weakest->strength, out.strongest / kWidestRatio);
    const double span = std::log(out.strongest / out.weakest);
    for (FieldArrow& arrow : out.arrows) {
        arrow.shade =
            span > 0 ? std::clamp(std::log(arrow.strength / out.weakest) / span, 0.0, 1.0) : 1.0;
    }
    return out;
}

int arrow_grey(double shade) {
    return static_cast<int>(std::lround(190 * (1 - std::clamp(shade, 0.0, 1.0))));
}
