// The check, once per run of the program, that the line stepping and filling of raster_lines.h
// give the pixels QPainter gives in the Qt the program runs with: lines of every direction,
// length and sub-pixel position, level, upright, diagonal and across the edges among them, drawn
// by the painter and by the stepping or filling on small images, which must come out equal.
#include "ui/raster_lines.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstdint>

namespace {

// A repeatable stream of numbers in [0, 1) for the checks against the painter.
struct Uniform {
    std::uint32_t seed;
    double operator()() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    }
};

// `image` cleared to white with the painter's square-capped line from a to b on it.
void painter_line(QImage& image, QPointF a, QPointF b, int width) {
    image.fill(qRgb(255, 255, 255));
    QPainter p(&image);
    QPen pen(QColor(200, 0, 0));
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

// A few thousand one-pixel lines of every direction, length and sub-pixel position, each drawn
// both ways on a small image.
bool thin_lines_give_painters_pixels() {
    constexpr int kSize = 32;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 0, 0);
    Uniform next{12345};
    for (int i = 0; i < 3000; ++i) {
        double x1 = 10 + 12 * next(), y1 = 10 + 12 * next();
        const double reach = i % 4 == 0 ? 0.05 : i % 4 == 1 ? 1.5 : 6;
        double x2 = x1 + reach * (2 * next() - 1), y2 = y1 + reach * (2 * next() - 1);
        if (i % 3 == 2) {
            // Across the edges, as far as the painter draws without clipping.
            x1 = -1 + (kSize + 2) * next();
            y1 = -1 + (kSize + 2) * next();
            x2 = i % 2 ? -1 + (kSize + 2) * next() : -1 + 3 * next();
            y2 = -1 + (kSize + 2) * next();
        }
        if (i % 7 == 0) {
            x2 = x1; // vertical
        } else if (i % 11 == 0) {
            y2 = y1; // horizontal
        } else if (i % 13 == 0) {
            y2 = y1 + (x2 - x1); // diagonal
        } else if (i % 17 == 0) {
            x2 = x1;
            y2 = y1; // a point
        }
        painter_line(by_painter, QPointF(x1, y1), QPointF(x2, y2), 1);
        by_us.fill(white);
        const auto plot = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < kSize && y < kSize) {
                reinterpret_cast<QRgb*>(by_us.scanLine(y))[x] = red;
            }
        };
        step_thin_line(line_end(QPointF(x1, y1)), line_end(QPointF(x2, y2)), plot,
                       [&](bool steep, std::int64_t a, std::int64_t end, int minor) {
                           for (; a < end; ++a) {
                               steep ? plot(minor, static_cast<int>(a))
                                     : plot(static_cast<int>(a), minor);
                           }
                       });
        if (by_painter != by_us) {
            return false;
        }
    }
    return true;
}

// Lines two and three pixels wide of every direction and length, level, upright and diagonal
// among them, each drawn both ways on a small image.
bool wide_lines_give_painters_pixels() {
    constexpr int kSize = 40;
    QImage by_painter(kSize, kSize, QImage::Format_RGB32);
    QImage by_us(kSize, kSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 0, 0);
    Uniform next{54321};
    for (int i = 0; i < 3000; ++i) {
        const int width = 2 + i % (kWidestLine - 1);
        double x1 = 12 + 16 * next(), y1 = 12 + 16 * next();
        const double reach = i % 4 == 0 ? 0.1 : i % 4 == 1 ? 1.5 : i % 4 == 2 ? 4 : 10;
        double x2 = x1 + reach * (2 * next() - 1), y2 = y1 + reach * (2 * next() - 1);
        if (i % 7 == 0) {
            x2 = x1; // upright
        } else if (i % 11 == 0) {
            y2 = y1; // level
        } else if (i % 13 == 0) {
            y2 = y1 + (x2 - x1); // diagonal
        } else if (i % 17 == 0) {
            x2 = x1 + 1 / 128.0; // almost upright
        } else if (i % 19 == 0) {
            // From a pixel's corner, level or upright.
            x1 = std::round(x1);
            y1 = std::round(y1);
            x2 = i % 2 ? x1 + 3 : x1;
            y2 = i % 2 ? y1 : y1 - 3;
        }
        if (i % 23 == 0) {
            // Near the edges, where the rows and spans are cut to the image.
            x1 = i % 2 ? 0.3 + next() : kSize - 0.3 - next();
            y1 = i % 3 ? 0.3 + next() : kSize - 0.3 - next();
            x2 = x1 + 4 * (2 * next() - 1);
            y2 = y1 + 4 * (2 * next() - 1);
        }
        if (QPointF(x1, y1) == QPointF(x2, y2)) {
            continue;
        }
        painter_line(by_painter, QPointF(x1, y1), QPointF(x2, y2), width);
        by_us.fill(white);
        bool ours = true;
        const bool drawn = fill_wide_line(
            QPointF(x1, y1), QPointF(x2, y2), width, kSize, kSize, [&](int x, int n, int y) {
                for (int k = x; k < x + n; ++k) {
                    if (k >= 0 && y >= 0 && k < kSize && y < kSize) {
                        reinterpret_cast<QRgb*>(by_us.scanLine(y))[k] = red;
                    } else {
                        ours = false; // the painter never writes beyond the image
                    }
                }
            });
        if (drawn && (!ours || by_painter != by_us)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool thin_lines_match_painter() {
    static const bool match = thin_lines_give_painters_pixels();
    return match;
}

bool wide_lines_match_painter() {
    static const bool match = wide_lines_give_painters_pixels();
    return match;
}
