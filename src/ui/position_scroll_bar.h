#pragma once
// A vertical scroll bar whose position grows towards its top end: the top arrow, a click in
// the trough above the thumb and dragging the thumb up all raise the position. Qt's own value
// grows downward, so the position is kept as its negative.
#include <QScrollBar>

class PositionScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    // `top` is the position at the top end, `bottom` the one at the bottom end (top > bottom).
    PositionScrollBar(int top, int bottom, QWidget* parent = nullptr)
        : QScrollBar(Qt::Vertical, parent) {
        setRange(-top, -bottom);
        setSingleStep(1);
        setPageStep(1);
        // No handling while the thumb is dragged: the position changes when it is released.
        setTracking(false);
    }
    int position() const { return -value(); }
    void setPosition(int p) { setValue(-p); }
};
