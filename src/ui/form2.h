#pragma once
// The Authors window: the project's emblem and a few lines about the program and its makers.
#include <QLabel>
#include <QWidget>

class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

    // The inner size of the window, in pixels.
    static constexpr int kInnerWidth = 222;
    static constexpr int kInnerHeight = 297;

    QLabel* Image1;
    QLabel* Label1;
};
