#include "ui/click_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A button to assistive technology: its name is the label's text unless it has a name of its
// own, and its press action clicks it.
class ClickLabelAccessible : public QAccessibleWidget {
  public:
    explicit ClickLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) {
            s = static_cast<const QLabel*>(widget())->text();
        }
        return s;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<ClickLabel*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* accessible_click_label(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("ClickLabel") && object != nullptr && object->isWidgetType()) {
        return new ClickLabelAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(accessible_click_label);
        return true;
    }();
    (void)factory_installed;
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        // A key held down clicks once.
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
