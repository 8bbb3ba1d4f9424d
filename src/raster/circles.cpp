#include "raster/circles.h"

#include <algorithm>
#include <cmath>

#include "raster/curve_path.h"
#include "raster/scan_fill.h"
#include "raster/thin_path.h"
#include "raster/wide_outline.h"

namespace {

struct Rect {
    double x, y, w, h;
};

// A rectangle of whole pixels.
struct WholeRect {
    int x, y, w, h;
};

struct Span {
    int x, len, y;
};

// The spans that lie in the image, cut to it, as the painter cuts an ellipse's spans: nothing
// after a span below the image.
void put_spans(const RasterImage& image, const Span* spans, int n, std::uint32_t word) {
    for (int i = 0; i < n; ++i) {
        const Span& s = spans[i];
        if (s.y > image.height - 1) {
            break;
        }
        if (s.y < 0 || s.x > image.width - 1 || s.x + s.len <= 0) {
            continue;
        }
        int x = s.x, len;
        if (x < 0) {
            len = std::min(s.len + x, image.width);
            x = 0;
        } else {
            len = std::min(s.len, image.width - x);
        }
        if (len > 0) {
            image.fill(x, len, s.y, word);
        }
    }
}

// The four mirrored spans of the outline at (x, y) from the middle of the rectangle, `length`
// pixels long, and the inside between them.
void ellipse_points(const RasterImage& image, int x, int y, int length, const WholeRect& r,
                    const CircleStyle& style) {
    if (length == 0) {
        return;
    }
    const int midx = r.x + (r.w + 1) / 2;
    const int midy = r.y + (r.h + 1) / 2;
    x = x + midx;
    y = midy - y;
    Span outline[4];
    outline[0] = {midx + (midx - x) - (length - 1) - (r.w & 0x1), 0, y};
    outline[0].len = std::min(length, x - outline[0].x);
    outline[1] = {x, length, y};
    outline[2] = {outline[0].x, outline[0].len, midy + (midy - y) - (r.h & 0x1)};
    outline[3] = {x, length, outline[2].y};
    if (style.filled && outline[0].x + outline[0].len < outline[1].x) {
        Span fill[2];
        fill[0].x = outline[0].x + outline[0].len - 1;
        fill[0].len = std::max(0, outline[1].x - fill[0].x);
        fill[0].y = outline[1].y;
        fill[1].x = outline[2].x + outline[2].len - 1;
        fill[1].len = std::max(0, outline[3].x - fill[1].x);
        fill[1].y = outline[3].y;
        put_spans(image, fill, fill[0].y >= fill[1].y ? 1 : 2, style.fill);
    }
    put_spans(image, outline, outline[1].y >= outline[2].y ? 2 : 4, style.outline);
}

// The midpoint algorithm on a rectangle of whole pixels.
void midpoint_ellipse(const RasterImage& image, const WholeRect& r, const CircleStyle& style) {
    const double a = static_cast<double>(r.w) / 2;
    const double b = static_cast<double>(r.h) / 2;
    double d = b * b - (a * a * b) + 0.25 * a * a;
    int x = 0;
    int y = (r.h + 1) / 2;
    int startx = x;
    // Region 1: along x.
    while (a * a * (2 * y - 1) > 2 * b * b * (x + 1)) {
        if (d < 0) {
            d += b * b * (2 * x + 3);
            ++x;
        } else {
            d += b * b * (2 * x + 3) + a * a * (-2 * y + 2);
            ellipse_points(image, startx, y, x - startx + 1, r, style);
            startx = ++x;
            --y;
        }
    }
    ellipse_points(image, startx, y, x - startx + 1, r, style);
    // Region 2: along y.
    d = b * b * (x + 0.5) * (x + 0.5) + a * a * ((y - 1) * (y - 1) - b * b);
    const int miny = r.h & 0x1;
    while (y > miny) {
        if (d < 0) {
            d += b * b * (2 * x + 2) + a * a * (-2 * y + 3);
            ++x;
        } else {
            d += a * a * (-2 * y + 3);
        }
        --y;
        ellipse_points(image, x, y, 1, r, style);
    }
}

// The ellipse in `r` as four Bezier quarters, clockwise (y down) from its rightmost point.
CurvePath ellipse_path(const Rect& r) {
    constexpr double kKappa = 0.5522847498;
    const double x = r.x, y = r.y, w = r.w, h = r.h;
    const double w2 = r.w / 2, w2k = w2 * kKappa;
    const double h2 = r.h / 2, h2k = h2 * kKappa;
    CurvePath path;
    path.move_to({x + w, y + h2});
    path.curve_to({x + w, y + h2 + h2k}, {x + w2 + w2k, y + h}, {x + w2, y + h});
    path.curve_to({x + w2 - w2k, y + h}, {x, y + h2 + h2k}, {x, y + h2});
    path.curve_to({x, y + h2 - h2k}, {x + w2 - w2k, y}, {x + w2, y});
    path.curve_to({x + w2 + w2k, y}, {x + w, y + h2 - h2k}, {x + w, y + h2});
    return path;
}

void fill_outline(const RasterImage& image, const Outline64& outline, bool winding,
                  std::uint32_t word) {
    ScanFill::fill(outline, winding, PixelClip{0, 0, image.width - 1, image.height - 1},
                   [&](int x, int n, int y) { image.fill(x, n, y, word); });
}

} // namespace

bool draw_circle(const RasterImage& image, PixelPoint centre, double radius,
                 const CircleStyle& style) {
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(radius)) {
        return false;
    }
    const Rect r{centre.x - radius, centre.y - radius, 2 * radius, 2 * radius};
    constexpr double kWhole = 1 << 30; // whole pixels beyond are never near the picture
    if (style.width <= 1 && r.w > 0 && r.h > 0 && std::max(r.w, r.h) < 32767 &&
        std::abs(r.x) < kWhole && std::abs(r.y) < kWhole) {
        // On whole pixels to twelve digits: the midpoint algorithm.
        const int ix = static_cast<int>(r.x), iy = static_cast<int>(r.y);
        const WholeRect whole{ix, iy, static_cast<int>(r.x + r.w) - ix,
                              static_cast<int>(r.y + r.h) - iy};
        if (nearly_same(whole.x, r.x) && nearly_same(whole.y, r.y) && nearly_same(whole.w, r.w) &&
            nearly_same(whole.h, r.h)) {
            midpoint_ellipse(image, whole, style);
            return true;
        }
    }
    const CurvePath path = ellipse_path(r);
    Outline64 inside;
    if (!outline_of(path, image.width, image.height, inside)) {
        return false;
    }
    CurvePath stroke;
    Outline64 stroke_outline;
    if (style.width > 1 && (!wide_closed_outline(path, style.width, stroke) ||
                            !outline_of(stroke, image.width, image.height, stroke_outline))) {
        return false;
    }
    if (style.filled) {
        fill_outline(image, inside, false, style.fill);
    }
    if (style.width > 1) {
        fill_outline(image, stroke_outline, true, style.outline);
    } else {
        draw_thin_path(path, image, style.outline);
    }
    return true;
}
