#pragma once
// Windows kept on the screen: a window that would reach past the screen's available area (the
// screen less its panels) is moved inside it, keeping its size, and made smaller only where it
// is larger than the area.
#include <QRect>
#include <algorithm>

inline QRect moved_inside(const QRect& window, const QRect& area) {
    const int width = std::min(window.width(), area.width());
    const int height = std::min(window.height(), area.height());
    return {std::clamp(window.left(), area.left(), area.left() + area.width() - width),
            std::clamp(window.top(), area.top(), area.top() + area.height() - height), width,
            height};
}
