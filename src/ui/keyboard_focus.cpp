#include "ui/keyboard_focus.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>

namespace {

class FocusWatcher : public QObject {
  public:
    explicit FocusWatcher(QWidget* widget) : QObject(widget), widget_(widget) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            return false;
        }
        const bool shown = event->type() == QEvent::FocusIn && reason != Qt::MouseFocusReason;
        if (shown && frame_ == nullptr) {
            frame_ = new QFocusFrame(widget_);
        }
        if (frame_ != nullptr) {
            frame_->setWidget(shown ? widget_ : nullptr);
        }
        return false;
    }

  private:
    QWidget* widget_;
    QPointer<QFocusFrame> frame_;
};

} // namespace

void show_keyboard_focus(QWidget* widget) {
    new FocusWatcher(widget);
}
