#pragma once
// The serif font of the program's windows and pictures, sized in points at 96 pixels an inch as
// the forms were laid out, whatever the screen's own resolution.
#include <QFont>
#include <cmath>

inline QFont times_font(double points) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return f;
}
