#pragma once
// Counting the pixels of one colour in a picture or a screenshot; finding a text in a picture.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <vector>

// How many pixels of `img` inside `area` (the whole image when empty) have exactly `colour`.
inline int count_colour(const QImage& img, QRgb colour, QRect area = {}) {
    const QRect r = area.isNull() ? img.rect() : area.intersected(img.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        }
    }
    return n;
}

inline int count_colour(const QImage& img, const QRect& area, QRgb colour) {
    return count_colour(img, colour, area);
}

// How far a pixel of `other` shows `colour` drawn over `background`: 1 for the colour itself, 0
// for the background, in between for an antialiased edge; -1 for a pixel off that way.
inline double coverage(QRgb other, QRgb colour, QRgb background) {
    const double d[3] = {double(qRed(colour) - qRed(background)),
                         double(qGreen(colour) - qGreen(background)),
                         double(qBlue(colour) - qBlue(background))};
    const double v[3] = {double(qRed(other) - qRed(background)),
                         double(qGreen(other) - qGreen(background)),
                         double(qBlue(other) - qBlue(background))};
    const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (dd == 0) {
        return 1;
    }
    const double a = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / dd;
    double off = 0;
    for (int k = 0; k < 3; ++k) {
        off += (v[k] - a * d[k]) * (v[k] - a * d[k]);
    }
    return off <= 40 * 40 ? a : -1;
}

// The share of the coloured pixels of `reference` (those not of `background`) that `other`
// shows within one pixel: a pixel at most one pixel away covered at least half by that colour.
// Compares a picture with an antialiased rendering of the same vectors.
inline double share_within_one_pixel(const QImage& reference, const QImage& other,
                                     QRgb background) {
    int coloured = 0, found = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb c = reference.pixel(x, y);
            if ((c & 0xFFFFFF) == (background & 0xFFFFFF)) {
                continue;
            }
            ++coloured;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    near =
                        other.rect().contains(p) && coverage(other.pixel(p), c, background) >= 0.5;
                }
            }
            found += near;
        }
    }
    return coloured == 0 ? 1.0 : double(found) / coloured;
}

// How much of a text shows in `img` near `near` (where its top-left corner should be): the
// share of the text's dark pixels, drawn alone in `font` on white, that are dark in `img` at
// the best place within `slack` pixels whose box lies wholly inside `img`, give or take a pixel.
// 1 when the text shows whole; less when a part of it is cut off (a sign, the last digits) or
// missing.
inline double text_shown(const QImage& img, const QString& text, const QFont& font, QPoint near,
                         int slack) {
    const QFontMetrics fm(font);
    QImage ref(fm.horizontalAdvance(text), fm.height(), QImage::Format_RGB32);
    ref.fill(Qt::white);
    {
        QPainter p(&ref);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(0, fm.ascent(), text);
    }
    std::vector<QPoint> dark;
    for (int y = 0; y < ref.height(); ++y) {
        for (int x = 0; x < ref.width(); ++x) {
            if (qGray(ref.pixel(x, y)) < 128) {
                dark.emplace_back(x, y);
            }
        }
    }
    int best = 0;
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            const QPoint at = near + QPoint(dx, dy);
            if (!img.rect().contains(QRect(at, ref.size()))) {
                continue;
            }
            int n = 0;
            for (const QPoint& p : dark) {
                // Text drawn at a fraction of a pixel falls on a neighbour of its whole-pixel
                // place.
                bool found = false;
                for (int ny = -1; ny <= 1 && !found; ++ny) {
                    for (int nx = -1; nx <= 1 && !found; ++nx) {
                        const QPoint q = at + p + QPoint(nx, ny);
                        found = img.rect().contains(q) && qGray(img.pixel(q)) < 128;
                    }
                }
                n += found;
            }
            best = std::max(best, n);
        }
    }
    return dark.empty() ? 0 : static_cast<double>(best) / static_cast<double>(dark.size());
}
