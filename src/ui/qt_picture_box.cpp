#include "ui/qt_picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <cmath>

namespace {

QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

bool finite(float v) {
    return std::isfinite(v);
}

} // namespace

QtPictureBox::QtPictureBox(QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Base)),
      foreground_(palette().color(QPalette::Text)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QtPictureBox::~QtPictureBox() {
    end_painting();
}

void QtPictureBox::set_colours(QColor background, QColor foreground) {
    background_ = background;
    foreground_ = foreground;
    ForeColor = RGB(foreground.red(), foreground.green(), foreground.blue());
}

void QtPictureBox::ensure_image() {
    const qreal dpr = devicePixelRatioF();
    const QSize want = size() * dpr;
    if (image_.size() != want) {
        end_painting();
        image_ = QImage(want.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
        image_.fill(background_);
    }
}

QPainter& QtPictureBox::painter() {
    if (!painter_) {
        ensure_image();
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        painter_->setFont(font());
    }
    return *painter_;
}

void QtPictureBox::end_painting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QImage QtPictureBox::image() {
    ensure_image();
    end_painting();
    return image_;
}

QPointF QtPictureBox::to_pixels(double x, double y) const {
    const double w = width();
    const double h = height();
    return {(x - sx1_) / (static_cast<double>(sx2_) - sx1_) * w,
            (y - sy1_) / (static_cast<double>(sy2_) - sy1_) * h};
}

QPointF QtPictureBox::to_user(QPointF px) const {
    const double w = width() > 0 ? width() : 1;
    const double h = height() > 0 ? height() : 1;
    return {sx1_ + px.x() / w * (static_cast<double>(sx2_) - sx1_),
            sy1_ + px.y() / h * (static_cast<double>(sy2_) - sy1_)};
}

void QtPictureBox::Scale(float x1, float y1, float x2, float y2) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2) || x1 == x2 || y1 == y2) {
        return;
    }
    sx1_ = x1;
    sy1_ = y1;
    sx2_ = x2;
    sy2_ = y2;
    CurrentX = x1;
    CurrentY = y1;
}

void QtPictureBox::Cls() {
    ensure_image();
    end_painting();
    image_.fill(background_);
    CurrentX = sx1_;
    CurrentY = sy1_;
    update();
}

void QtPictureBox::Line(float x1, float y1, float x2, float y2, Colour c) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) {
        return;
    }
    QPainter& p = painter();
    QPen pen(to_qcolor(c));
    pen.setWidth(DrawWidth < 1 ? 1 : DrawWidth);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(to_pixels(x1, y1), to_pixels(x2, y2));
    CurrentX = x2;
    CurrentY = y2;
    update();
}

void QtPictureBox::dot(float x, float y, QColor c) {
    if (!finite(x) || !finite(y)) {
        return;
    }
    const int w = DrawWidth < 1 ? 1 : DrawWidth;
    const QPointF px = to_pixels(x, y);
    const double half = w / 2.0;
    painter().fillRect(
        QRectF(std::floor(px.x() - half + 0.5), std::floor(px.y() - half + 0.5), w, w), c);
    CurrentX = x;
    CurrentY = y;
    update();
}

void QtPictureBox::PSet(float x, float y) {
    dot(x, y, foreground_);
}

void QtPictureBox::PSet(float x, float y, Colour c) {
    dot(x, y, to_qcolor(c));
}

void QtPictureBox::Circle(float x, float y, float r, Colour c) {
    if (!finite(x) || !finite(y) || !finite(r)) {
        return;
    }
    QPainter& p = painter();
    QPen pen(to_qcolor(c));
    pen.setWidth(DrawWidth < 1 ? 1 : DrawWidth);
    p.setPen(pen);
    if (FillStyle == 0) {
        p.setBrush(to_qcolor(FillColor));
    } else {
        p.setBrush(Qt::NoBrush);
    }
    const double rpx = std::abs(r * width() / (static_cast<double>(sx2_) - sx1_));
    if (rpx < 1) {
        // Smaller than a pixel: the painter would leave it out; the circle still shows as a dot.
        const QPointF centre = to_pixels(x, y);
        p.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1), to_qcolor(c));
    } else {
        p.drawEllipse(to_pixels(x, y), rpx, rpx);
    }
    p.setBrush(Qt::NoBrush);
    CurrentX = x;
    CurrentY = y;
    update();
}

void QtPictureBox::Print(std::string_view text) {
    if (!finite(CurrentX) || !finite(CurrentY)) {
        return;
    }
    QPainter& p = painter();
    p.setPen(foreground_);
    p.setFont(font());
    const QFontMetricsF fm(font());
    const QPointF at = to_pixels(CurrentX, CurrentY);
    p.drawText(QPointF(at.x(), at.y() + fm.ascent()),
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    const double h = height() > 0 ? height() : 1;
    CurrentX = sx1_;
    CurrentY = static_cast<float>(CurrentY + fm.height() / h * (static_cast<double>(sy2_) - sy1_));
    update();
}

void QtPictureBox::paintEvent(QPaintEvent* event) {
    ensure_image();
    end_painting();
    QPainter p(this);
    p.drawImage(event->rect(), image_,
                QRectF(event->rect().topLeft() * image_.devicePixelRatio(),
                       event->rect().size() * image_.devicePixelRatio()));
}

void QtPictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensure_image();
}

void QtPictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF u = to_user(event->position());
    emit mouseMoved(static_cast<float>(u.x()), static_cast<float>(u.y()));
    QWidget::mouseMoveEvent(event);
}

void QtPictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is the left button's, as everywhere on the desktop.
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}
