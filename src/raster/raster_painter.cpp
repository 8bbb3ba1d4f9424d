#include "raster/raster_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "raster/circles.h"
#include "raster/lines.h"

namespace {

// Coordinates beyond this many pixels are left to the face.
constexpr double kRange = 1 << 20;

bool in_range(double v) {
    return std::abs(v) < kRange; // false for NaN
}
bool in_range(PixelPoint p) {
    return in_range(p.x) && in_range(p.y);
}

} // namespace

RasterPainter::RasterPainter(const RasterImage& image, PixelPoint size, RasterFace& face,
                             RasterKinds kinds)
    : image_(image), size_(size), face_(face), kinds_(kinds) {}

void RasterPainter::paint(const DisplayList& list, std::size_t first, std::size_t last) {
    const auto& ops = list.ops();
    last = std::min(last, ops.size());
    for (std::size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            set_scale(op);
            break;
        case DrawOp::Kind::Line:
            lines(list, op);
            break;
        case DrawOp::Kind::Dot:
            dot(op);
            break;
        case DrawOp::Kind::Circle:
            circle(op);
            break;
        case DrawOp::Kind::Text:
            face_.text(list.text_of(op), to_pixels(op.a, op.b), op.colour);
            handed_ = true;
            break;
        case DrawOp::Kind::Pixels:
            pixels(list, op);
            break;
        }
    }
}

void RasterPainter::lines(const DisplayList& list, const DrawOp& op) {
    const ListPoint* p = list.run_points(op);
    if (p == nullptr) {
        return;
    }
    const std::size_t curves = op.curves;
    // Each curve's last point in pixels: a segment starts at the pixels its curve ended at.
    PixelPoint last[2];
    for (std::size_t k = 0; k < curves; ++k) {
        last[k] = to_pixels(p[k].x, p[k].y);
    }
    p += curves;
    const int width = op.width;
    const Colour colour = op.colour;
    // One-pixel segments well inside the picture, most of a dense picture, are stepped without
    // the checks the others need.
    if (width != 1 || !kinds_.thin_lines) {
        for (std::uint32_t i = 0; i < op.count; ++i) {
            const PixelPoint to = to_pixels(p[i].x, p[i].y);
            PixelPoint& from = last[i % curves];
            segment(from, to, colour, width);
            from = to;
        }
        return;
    }
    const std::uint32_t word = pixel_word(colour);
    // The image's pixels kept here: what is written through them could be this painter.
    std::uint32_t* const bits = image_.pixels;
    const std::ptrdiff_t stride = image_.stride;
    const auto put = [bits, stride, word](int x, int y) { bits[y * stride + x] = word; };
    const auto straight = [&put](bool steep, std::int64_t a, std::int64_t end, int minor) {
        for (; a < end; ++a) {
            steep ? put(minor, static_cast<int>(a)) : put(static_cast<int>(a), minor);
        }
    };
    // The points in pixels a block at a time (the divisions of one block overlap), each with
    // whether it is well inside the picture, after the last point of each curve: a segment
    // starts `curves` places before its end.
    constexpr std::size_t kBlock = 256;
    const double w = image_.width, h = image_.height;
    LineEnd ends[kBlock + 2];
    bool inside[kBlock + 2];
    for (std::size_t k = 0; k < curves; ++k) {
        ends[2 - curves + k] = line_end(last[k]);
        inside[2 - curves + k] = well_inside(last[k], w, h);
    }
    for (std::size_t start = 0; start < op.count; start += kBlock) {
        const std::size_t n = std::min<std::size_t>(kBlock, op.count - start);
        for (std::size_t i = 0; i < n; ++i) {
            ends[2 + i] = line_end(to_pixels(p[start + i].x, p[start + i].y));
        }
        for (std::size_t i = 0; i < n; ++i) {
            inside[2 + i] = well_inside(ends[2 + i].point(), w, h);
        }
        for (std::size_t i = 2; i < n + 2; ++i) {
            const std::size_t from = i - curves;
            if (inside[from] && inside[i]) {
                settle();
                step_thin_line(ends[from], ends[i], put, straight);
            } else {
                segment(ends[from].point(), ends[i].point(), colour, width);
            }
        }
        // Blocks but the last are of even length: the last two points end the two curves.
        ends[0] = ends[n];
        ends[1] = ends[n + 1];
        inside[0] = inside[n];
        inside[1] = inside[n + 1];
    }
}

void RasterPainter::segment(PixelPoint from, PixelPoint to, Colour colour, int width) {
    if (!in_range(from) || !in_range(to) || !(width == 1 ? kinds_.thin_lines : kinds_.wide_lines)) {
        face_.segment(from, to, colour, width);
        handed_ = true;
        return;
    }
    settle();
    const std::uint32_t word = pixel_word(colour);
    const int w = image_.width, h = image_.height;
    if (width > 1) {
        fill_wide_line(from, to, width, w, h,
                       [this, word](int x, int n, int y) { image_.fill(x, n, y, word); });
        return;
    }
    const RasterImage& image = image_;
    const auto plot = [&image, word](int x, int y) {
        if (image.contains(x, y)) {
            image.put(x, y, word);
        }
    };
    // Level and upright lines (the grids) cut to the picture at once.
    const auto straight = [&image, word, w, h](bool steep, std::int64_t a, std::int64_t end,
                                               int minor) {
        if (minor < 0 || minor >= (steep ? w : h)) {
            return;
        }
        const int first = static_cast<int>(std::max<std::int64_t>(a, 0));
        const int last = static_cast<int>(std::min<std::int64_t>(end, steep ? h : w));
        if (steep) {
            for (int y = first; y < last; ++y) {
                image.put(minor, y, word);
            }
        } else if (first < last) {
            image.fill(first, last - first, minor, word);
        }
    };
    step_clipped_thin_line(from, to, w, h, plot, straight);
}

void RasterPainter::dot(const DrawOp& op) {
    const int w = op.width;
    const PixelPoint px = to_pixels(op.a, op.b);
    const double half = w / 2.0;
    square(std::floor(px.x - half + 0.5), std::floor(px.y - half + 0.5), w, op.colour);
}

void RasterPainter::square(double left, double top, int w, Colour colour) {
    if (!in_range(left) || !in_range(top)) {
        face_.dot({left, top}, w, colour);
        handed_ = true;
        return;
    }
    settle();
    // The square the painter fills for this rectangle, cut to the picture.
    const int x0 = std::max(static_cast<int>(left), 0);
    const int y0 = std::max(static_cast<int>(top), 0);
    const int x1 = std::min(static_cast<int>(left) + w, image_.width);
    const int y1 = std::min(static_cast<int>(top) + w, image_.height);
    const std::uint32_t word = pixel_word(colour);
    for (int y = y0; y < y1; ++y) {
        image_.fill(x0, std::max(x0, x1) - x0, y, word);
    }
}

void RasterPainter::circle(const DrawOp& op) {
    const double radius = std::abs(op.c * size_.x / (static_cast<double>(scale_.c) - scale_.a));
    const PixelPoint centre = to_pixels(op.a, op.b);
    if (radius < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        square(std::floor(centre.x), std::floor(centre.y), 1, op.colour);
        return;
    }
    if (kinds_.circles) {
        const CircleStyle style{op.width, pixel_word(op.colour), op.filled, pixel_word(op.fill)};
        settle();
        if (draw_circle(image_, centre, radius, style)) {
            return;
        }
    }
    face_.circle(centre, radius, op);
    handed_ = true;
}

void RasterPainter::pixels(const DisplayList& list, const DrawOp& op) {
    const PixelColours* source = list.source_of(op);
    if (source == nullptr) {
        return;
    }
    // The pixels whose centres lie in the rectangle, within the picture.
    const PixelPoint corner = to_pixels(op.a, op.b);
    const PixelPoint far = to_pixels(op.c, op.d);
    const double width = far.x - corner.x, height = far.y - corner.y;
    const auto first = [](double edge) { return static_cast<int>(std::ceil(edge - 0.5)); };
    const int i0 = std::max(first(corner.x), first(0));
    const int i1 = std::min({first(corner.x + width), first(0 + size_.x), image_.width});
    const int j0 = std::max(first(corner.y), first(0));
    const int j1 = std::min({first(corner.y + height), first(0 + size_.y), image_.height});
    if (i0 >= i1 || j0 >= j1) {
        return;
    }
    // The block's edges in user coordinates, through the scale in force.
    const auto user = [this](double i, double j) {
        return PixelPoint{scale_.a + i / size_.x * (static_cast<double>(scale_.c) - scale_.a),
                          scale_.b + j / size_.y * (static_cast<double>(scale_.d) - scale_.b)};
    };
    const PixelPoint top_left = user(i0, j0);
    const PixelPoint bottom_right = user(i1, j1);
    const PixelGrid grid{i1 - i0, j1 - j0, top_left.x, top_left.y, bottom_right.x, bottom_right.y};
    settle();
    source->colour(grid, image_.row(j0) + i0, static_cast<std::size_t>(image_.stride));
}
