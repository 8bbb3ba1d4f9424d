#pragma once
// Counting the pixels of one colour in a picture or a screenshot.
#include <QImage>
#include <QRect>

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
