#pragma once
// A scroll bar whose position grows towards its top end (vertical) or its right end
// (horizontal): the arrow at that end, a click in the trough beyond the thumb and dragging the
// thumb that way all raise the position. Qt's own value of a vertical bar grows downward, so
// there the position is kept as the negative of the value.
#include <QScrollBar>
#include <algorithm>

class PositionScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    // `first` is the position at the top (or left) end, `last` the one at the bottom (or right)
    // end.
    PositionScrollBar(Qt::Orientation orientation, int first, int last, QWidget* parent = nullptr)
        : QScrollBar(orientation, parent), sign_(orientation == Qt::Vertical ? -1 : 1) {
        setRange(std::min(sign_ * first, sign_ * last), std::max(sign_ * first, sign_ * last));
        setSingleStep(1);
        setPageStep(1);
        // No handling while the thumb is dragged: the position changes when it is released.
        setTracking(false);
    }
    int position() const { return sign_ * value(); }
    void setPosition(int p) { setValue(sign_ * p); }

  private:
    int sign_;
};
