#include "ui/qt_picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <cmath>

namespace {

Colour to_colour(QColor c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace

QtPictureBox::QtPictureBox(QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Base)),
      foreground_(palette().color(QPalette::Text)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    foreground = to_colour(foreground_);
    list_.clear();
}

QtPictureBox::~QtPictureBox() = default;

void QtPictureBox::set_colours(QColor background, QColor foreground) {
    background_ = background;
    foreground_ = foreground;
    this->foreground = to_colour(foreground);
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
    return {(x - scale_x1()) / (static_cast<double>(scale_x2()) - scale_x1()) * w,
            (y - scale_y1()) / (static_cast<double>(scale_y2()) - scale_y1()) * h};
}

QPointF QtPictureBox::to_user(QPointF px) const {
    const double w = width() > 0 ? width() : 1;
    const double h = height() > 0 ? height() : 1;
    return {scale_x1() + px.x() / w * (static_cast<double>(scale_x2()) - scale_x1()),
            scale_y1() + px.y() / h * (static_cast<double>(scale_y2()) - scale_y1())};
}

void QtPictureBox::on_scale(float x1, float y1, float x2, float y2) {
    list_.scale(x1, y1, x2, y2);
}

void QtPictureBox::on_clear() {
    ensure_image();
    list_.clear();
    painted_ = 0;
    backlog_ = 0;
    clear_image_ = true;
    drawn();
}

void QtPictureBox::on_line(float x1, float y1, float x2, float y2, Colour c) {
    fit_image();
    list_.line(x1, y1, x2, y2, c, pen_width);
    drawn();
}

void QtPictureBox::on_lines(const Segment* segments, std::size_t count) {
    fit_image();
    list_.lines(segments, count, pen_width);
    // The backlog is painted after the whole run, as after its last segment.
    backlog_ += count - 1;
    drawn();
}

void QtPictureBox::on_dot(float x, float y, Colour c, bool) {
    fit_image();
    list_.dot(x, y, c, pen_width);
    drawn();
}

void QtPictureBox::on_circle(float x, float y, float r, Colour c) {
    fit_image();
    list_.circle(x, y, r, c, pen_width, filled, fill_colour);
    drawn();
}

void QtPictureBox::on_text(std::string_view text) {
    fit_image();
    list_.text(current_x, current_y, foreground, text);
    drawn();
}

void QtPictureBox::on_pixels(float x1, float y1, float x2, float y2,
                             const std::shared_ptr<const PixelColours>& source) {
    fit_image();
    list_.pixels(x1, y1, x2, y2, source);
    drawn();
}

float QtPictureBox::measure_pixel() {
    const double w = width() > 0 ? width() : 1;
    return static_cast<float>(std::abs(static_cast<double>(scale_x2()) - scale_x1()) / w);
}

double QtPictureBox::text_line_step() {
    const QFontMetricsF fm(font());
    const double h = height() > 0 ? height() : 1;
    return fm.height() / h * (static_cast<double>(scale_y2()) - scale_y1());
}

float QtPictureBox::measure_width(std::string_view text) {
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
    return static_cast<float>(*it / w * std::abs(static_cast<double>(scale_x2()) - scale_x1()));
}

float QtPictureBox::measure_height(std::string_view) {
    const QFontMetricsF fm(font());
    const double h = height() > 0 ? height() : 1;
    return static_cast<float>(fm.height() / h *
                              std::abs(static_cast<double>(scale_y2()) - scale_y1()));
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
