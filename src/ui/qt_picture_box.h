#pragma once
// The program's drawing surface: a widget that keeps a persistent image, drawn in user
// coordinates without antialiasing, and shown as it is in paintEvent.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <optional>

#include "picture/picture_box.h"

class QtPictureBox : public QWidget, public PictureBox {
    Q_OBJECT
  public:
    explicit QtPictureBox(QWidget* parent = nullptr);
    ~QtPictureBox() override;

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour c) override;
    void PSet(float x, float y) override;
    void PSet(float x, float y, Colour c) override;
    void Circle(float x, float y, float r, Colour c) override;
    void Print(std::string_view text) override;

    // The picture as drawn so far, in device pixels.
    QImage image();
    // User coordinates of a point given in the widget's logical pixels.
    QPointF to_user(QPointF px) const;
    QPointF to_pixels(double x, double y) const;
    // Background (cleared to) and foreground (PSet without colour, Print) colours.
    void set_colours(QColor background, QColor foreground);

  signals:
    void mouseMoved(float x, float y);
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPainter& painter();
    void end_painting();
    void ensure_image();
    void dot(float x, float y, QColor c);

    QImage image_;
    std::optional<QPainter> painter_;
    float sx1_ = 0, sy1_ = 0, sx2_ = 1, sy2_ = 1;
    QColor background_;
    QColor foreground_;
};
