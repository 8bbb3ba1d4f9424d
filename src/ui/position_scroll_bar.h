#pragma once
// A scroll bar whose position grows towards its top end (vertical) or its right end
// (horizontal): the arrow at that end, a click in the trough beyond the thumb and dragging the
// thumb that way all raise the position. Qt's own value of a vertical bar grows downward, so
// there the position is kept as the negative of the value. The thumb is small, and dragging it
// goes step by step even in a short bar.
#include <QEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

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
        auto* style = new ThumbStyle;
        style->setParent(this);
        setStyle(style);
    }
    int position() const { return sign_ * value(); }
    void setPosition(int p) { setValue(sign_ * p); }

    // The thumb's length in pixels, whatever the bar's length: it stays small enough to show
    // the position in a short bar and to be aimed at.
    static constexpr int kThumbLength = 8;

    // Pixels of pointer movement per step while the thumb is dragged: the thumb's own travel
    // per step where that is long enough, otherwise a few pixels, so that a short bar can be
    // dragged step by step instead of end to end.
    static constexpr double kMinDragPixelsPerStep = 3;

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && maximum() > minimum() &&
            part(QStyle::SC_ScrollBarSlider).contains(e->position().toPoint())) {
            drag_from_ = along(e->position());
            drag_value_ = value();
            dragging_ = true;
            setSliderDown(true);
            e->accept();
            return;
        }
        QScrollBar::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!dragging_) {
            QScrollBar::mouseMoveEvent(e);
            return;
        }
        const QRect groove = part(QStyle::SC_ScrollBarGroove);
        const QRect thumb = part(QStyle::SC_ScrollBarSlider);
        const double travel = orientation() == Qt::Vertical ? groove.height() - thumb.height()
                                                            : groove.width() - thumb.width();
        const double per_step = std::max(travel / (maximum() - minimum()), kMinDragPixelsPerStep);
        const double steps = (along(e->position()) - drag_from_) / per_step;
        setSliderPosition(drag_value_ + static_cast<int>(std::lround(steps)));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (dragging_) {
            // With tracking off, letting the thumb go sets the value.
            dragging_ = false;
            setSliderDown(false);
            return;
        }
        QScrollBar::mouseReleaseEvent(e);
    }
    bool event(QEvent* e) override {
        // A modal box that opens while an arrow or the trough is held (a change handler may show
        // one) takes the mouse release: end the press here, or its auto-repeat would go on
        // stepping underneath the box.
        if (e->type() == QEvent::WindowBlocked) {
            end_press();
        }
        return QScrollBar::event(e);
    }

  private:
    // The thumb's length is fixed instead of proportional to the page of one step, which in
    // Qt's styles gives a thumb as long as the whole trough of a short bar.
    class ThumbStyle : public QProxyStyle {
      public:
        int pixelMetric(PixelMetric metric, const QStyleOption* option,
                        const QWidget* widget) const override {
            if (metric == PM_ScrollBarSliderMin) {
                return kThumbLength;
            }
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    };

    QRect part(QStyle::SubControl which) const {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        return style()->subControlRect(QStyle::CC_ScrollBar, &opt, which, this);
    }
    double along(QPointF p) const { return orientation() == Qt::Vertical ? p.y() : p.x(); }

    void end_press() {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        mouseReleaseEvent(&release);
    }

    int sign_;
    bool dragging_ = false; // the thumb is held
    double drag_from_ = 0;  // where the pointer took it, along the bar
    int drag_value_ = 0;    // the value it had then
};
