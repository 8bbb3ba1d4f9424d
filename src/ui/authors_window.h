#pragma once
// The Authors window: the project's emblem and a few lines about the program and its makers.
#include <QLabel>
#include <QWidget>

class AuthorsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AuthorsWindow(QWidget* parent = nullptr);

    // The inner size of the window, in pixels.
    static constexpr int kInnerWidth = 222;
    static constexpr int kInnerHeight = 297;

    QLabel* emblem;
    // The lines about the program.
    QLabel* credits;

  protected:
    void changeEvent(QEvent* event) override;
    // Escape closes the window, as it closes a message box.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The title, the lines and the accessible texts in the interface's language.
    void retranslate();
};
