// The check, once per run of the program, that the line stepping and filling and the circles of
// src/raster give the pixels QPainter gives in the Qt the program runs with: lines and circles of
// every direction, size and sub-pixel position, level, upright, diagonal, across the edges and
// far beyond them, drawn by the painter and by src/raster on small images, which must come out
// equal.
#include "ui/painter_check.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstdint>

#include "raster/circles.h"
#include "raster/lines.h"
#include "ui/picture_render.h"

namespace {

// A repeatable stream of numbers in [0, 1) for the checks against the painter.
struct Uniform {
    std::uint32_t seed;
    double operator()() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    }
};

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kRed = 0xffc80000;  // qRgb(200, 0, 0)
constexpr QRgb kBlue = 0xff0000c8; // qRgb(0, 0, 200)

// `image` cleared to white, as a raster image of its own pixels.
RasterImage cleared(QImage& image) {
    image.fill(kWhite);
    return raster_image(image);
}

// `image` cleared to white with the painter's square-capped line from a to b on it.
void painter_line(QImage& image, QPointF a, QPointF b, int width) {
    image.fill(kWhite);
    QPainter p(&image);
    QPen pen(QColor::fromRgb(kRed));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

// Ends for the i-th line of a check on a `size`-pixel image: inside, about the edges, far beyond
// them, level, upright, diagonal, or a point.
void line_ends(int i, int size, Uniform& next, PixelPoint& a, PixelPoint& b) {
    const double reach = i % 4 == 0 ? 0.05 : i % 4 == 1 ? 1.5 : i % 4 == 2 ? 6 : 12;
    a = {size / 4.0 + size / 2.0 * next(), size / 4.0 + size / 2.0 * next()};
    b = {a.x + reach * (2 * next() - 1), a.y + reach * (2 * next() - 1)};
    if (i % 3 == 2) {
        // About the edges.
        a = {-3 + (size + 6) * next(), -3 + (size + 6) * next()};
        b = {i % 2 != 0 ? -3 + (size + 6) * next() : -3 + 6 * next(), -3 + (size + 6) * next()};
    } else if (i % 5 == 1) {
        // Far beyond them, some across the whole image.
        const double far = i % 10 == 1 ? 1e5 : 3 * size;
        a = {-far + (size + 2 * far) * next(), -far + (size + 2 * far) * next()};
        b = {-far + (size + 2 * far) * next(), -far + (size + 2 * far) * next()};
    }
    if (i % 7 == 0) {
        b.x = a.x; // upright
    } else if (i % 11 == 0) {
        b.y = a.y; // level
    } else if (i % 13 == 0) {
        b.y = a.y + (b.x - a.x); // diagonal
    } else if (i % 17 == 0) {
        b = a; // a point
    } else if (i % 19 == 0) {
        // From a pixel's corner, level or upright.
        a = {std::round(a.x), std::round(a.y)};
        b = i % 2 != 0 ? PixelPoint{a.x + 3, a.y} : PixelPoint{a.x, a.y - 3};
    }
}

// A few thousand lines `width(i)` pixels wide, each drawn on a small image by the painter and by
// `ours(image, a, b, width)`, which tells whether it kept within the image (the painter does).
template <class Width, class Ours>
bool lines_give_painters_pixels(int size, std::uint32_t seed, Width width, Ours ours) {
    QImage by_painter(size, size, QImage::Format_RGB32);
    QImage by_us(size, size, QImage::Format_RGB32);
    Uniform next{seed};
    for (int i = 0; i < 3000; ++i) {
        PixelPoint a, b;
        line_ends(i, size, next, a, b);
        painter_line(by_painter, QPointF(a.x, a.y), QPointF(b.x, b.y), width(i));
        if (!ours(cleared(by_us), a, b, width(i)) || by_painter != by_us) {
            return false;
        }
    }
    return true;
}

bool thin_lines_give_painters_pixels() {
    constexpr int kSize = 32;
    return lines_give_painters_pixels(
        kSize, 12345, [](int) { return 1; },
        [](const RasterImage& image, PixelPoint a, PixelPoint b, int) {
            const auto plot = [&](int x, int y) {
                if (image.contains(x, y)) {
                    image.put(x, y, kRed);
                }
            };
            step_clipped_thin_line(a, b, kSize, kSize, plot,
                                   [&](bool steep, std::int64_t s, std::int64_t end, int minor) {
                                       for (; s < end; ++s) {
                                           steep ? plot(minor, static_cast<int>(s))
                                                 : plot(static_cast<int>(s), minor);
                                       }
                                   });
            return true;
        });
}

// Two to six pixels wide.
bool wide_lines_give_painters_pixels() {
    constexpr int kSize = 40;
    return lines_give_painters_pixels(
        kSize, 54321, [](int i) { return 2 + i % 5; },
        [](const RasterImage& image, PixelPoint a, PixelPoint b, int width) {
            bool inside = true;
            fill_wide_line(a, b, width, kSize, kSize, [&](int x, int n, int y) {
                if (x < 0 || n < 1 || x + n > kSize || y < 0 || y >= kSize) {
                    inside = false;
                } else {
                    image.fill(x, n, y, kRed);
                }
            });
            return inside;
        });
}

// Circles one to three pixels wide, filled and not, small and large, on whole pixels and
// between, inside the image, across its edges and beyond them, each drawn both ways.
bool circles_give_painters_pixels() {
    constexpr int kSize = 40;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    Uniform next{2718};
    for (int i = 0; i < 500; ++i) {
        const int width = 1 + i % 3;
        const bool filled = i / 3 % 2 != 0;
        PixelPoint c{4 + (kSize - 8) * next(), 4 + (kSize - 8) * next()};
        double r = 1 + 24 * next() * next();
        if (i % 5 == 0) {
            // On half and whole pixels.
            c = {std::round(2 * c.x) / 2, std::round(2 * c.y) / 2};
            r = std::max(1.0, std::round(2 * r) / 2);
        } else if (i % 7 == 0) {
            c = {-r + (kSize + 2 * r) * next(), -r + (kSize + 2 * r) * next()};
        }
        by_painter.fill(kWhite);
        {
            QPainter p(&by_painter);
            QPen pen(QColor::fromRgb(kRed));
            pen.setWidth(width);
            p.setPen(pen);
            p.setBrush(filled ? QBrush(QColor::fromRgb(kBlue)) : QBrush(Qt::NoBrush));
            p.drawEllipse(QPointF(c.x, c.y), r, r);
        }
        const RasterImage image = cleared(by_us);
        if (!draw_circle(image, c, r, {width, kRed, filled, kBlue}) || by_painter != by_us) {
            return false;
        }
    }
    return true;
}

} // namespace

RasterKinds raster_kinds_matching_painter() {
    static const RasterKinds kinds{thin_lines_give_painters_pixels(),
                                   wide_lines_give_painters_pixels(),
                                   circles_give_painters_pixels()};
    return kinds;
}
