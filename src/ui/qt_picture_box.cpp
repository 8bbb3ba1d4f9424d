#include "ui/qt_picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <cmath>

namespace {

bool finite(float v) {
    return std::isfinite(v);
}

Colour to_colour(QColor c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace

QtPictureBox::QtPictureBox(QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Base)),
      foreground_(palette().color(QPalette::Text)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    list_.clear();
}

QtPictureBox::~QtPictureBox() = default;

void QtPictureBox::set_colours(QColor background, QColor foreground) {
    background_ = background;
    foreground_ = foreground;
    ForeColor = to_colour(foreground);
}

void QtPictureBox::ensure_image() {
    const qreal dpr = devicePixelRatioF();
    const QSize want = (size() * dpr).expandedTo(QSize(1, 1));
    if (image_.size() != want) {
        image_ = QImage(want, QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
        image_.fill(background_);
        clear_image_ = false;
        image_size_ = size();
        // The new image is blank: what was drawn before belongs to the old size.
        list_.clear();
        painted_ = 0;
        backlog_ = 0;
    }
}

void QtPictureBox::flush() {
    ensure_image();
    if (clear_image_) {
        image_.fill(background_);
        clear_image_ = false;
    }
    backlog_ = 0;
    const std::size_t end = list_.size();
    if (painted_ >= end) {
        return;
    }
    QPainter p(&image_);
    PictureRenderer r(p, QSizeF(size()), font());
    r.set_text_shapes(&text_shapes_);
    r.set_scale(image_scale_);
    r.paint(list_, painted_, end);
    p.end();
    image_scale_ = r.scale();
    painted_ = list_.painted(end);
}

QImage QtPictureBox::image() {
    flush();
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
    list_.scale(x1, y1, x2, y2);
}

void QtPictureBox::Cls() {
    ensure_image();
    list_.clear();
    painted_ = 0;
    backlog_ = 0;
    clear_image_ = true;
    CurrentX = sx1_;
    CurrentY = sy1_;
    drawn();
}

void QtPictureBox::Line(float x1, float y1, float x2, float y2, Colour c) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) {
        return;
    }
    fit_image();
    list_.line(x1, y1, x2, y2, c, DrawWidth);
    CurrentX = x2;
    CurrentY = y2;
    drawn();
}

void QtPictureBox::Lines(const Segment* segments, std::size_t count) {
    if (count == 0) {
        return;
    }
    fit_image();
    if (const Segment* last = list_.lines(segments, count, DrawWidth)) {
        CurrentX = last->x2;
        CurrentY = last->y2;
    }
    // The backlog is painted after the whole run, as after its last segment.
    backlog_ += count - 1;
    drawn();
}

void QtPictureBox::dot(float x, float y, Colour c) {
    if (!finite(x) || !finite(y)) {
        return;
    }
    fit_image();
    list_.dot(x, y, c, DrawWidth);
    CurrentX = x;
    CurrentY = y;
    drawn();
}

void QtPictureBox::PSet(float x, float y) {
    dot(x, y, to_colour(foreground_));
}

void QtPictureBox::PSet(float x, float y, Colour c) {
    dot(x, y, c);
}

void QtPictureBox::Circle(float x, float y, float r, Colour c) {
    if (!finite(x) || !finite(y) || !finite(r)) {
        return;
    }
    fit_image();
    list_.circle(x, y, r, c, DrawWidth, FillStyle == 0, FillColor);
    CurrentX = x;
    CurrentY = y;
    drawn();
}

void QtPictureBox::Print(std::string_view text) {
    if (!finite(CurrentX) || !finite(CurrentY)) {
        return;
    }
    fit_image();
    list_.text(CurrentX, CurrentY, to_colour(foreground_), text);
    const QFontMetricsF fm(font());
    const double h = height() > 0 ? height() : 1;
    CurrentX = sx1_;
    CurrentY = static_cast<float>(CurrentY + fm.height() / h * (static_cast<double>(sy2_) - sy1_));
    drawn();
}

float QtPictureBox::TextWidth(std::string_view text) {
    const double w = width() > 0 ? width() : 1;
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // The frame measures the same labels at every redraw: their advances are kept.
    if (!(font() == advances_font_)) {
        advances_font_ = font();
        advances_.clear();
    }
    auto it = advances_.find(s);
    if (it == advances_.end()) {
        if (advances_.size() >= kMaxAdvances) {
            advances_.clear();
        }
        it = advances_.insert(s, QFontMetricsF(font()).horizontalAdvance(s));
    }
    return static_cast<float>(*it / w * std::abs(static_cast<double>(sx2_) - sx1_));
}

float QtPictureBox::TextHeight(std::string_view) {
    const QFontMetricsF fm(font());
    const double h = height() > 0 ? height() : 1;
    return static_cast<float>(fm.height() / h * std::abs(static_cast<double>(sy2_) - sy1_));
}

void QtPictureBox::paintEvent(QPaintEvent* event) {
    update_asked_ = false;
    flush();
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
