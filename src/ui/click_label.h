#pragma once
// A label that acts as a button: a click of the left mouse button, or Enter or Space while it
// has the keyboard focus, reports a click. It takes the focus by Tab only, so that a click
// leaves the focus where it was; screen readers see a button that can be pressed.
#include <QLabel>

class QKeyEvent;
class QMouseEvent;

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // As a click of the mouse.
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
