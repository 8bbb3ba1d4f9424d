#pragma once
// An SVG document drawn by Qt's SVG renderer over a background, at a given size in pixels.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

inline QImage rasterise_svg(const QByteArray& svg, QSize size, QColor background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QSvgRenderer renderer(svg);
    QPainter p(&image);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
