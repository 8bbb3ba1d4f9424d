#include "web_picture_box.h"

#include <algorithm>
#include <cmath>

#include "raster/raster_image.h"

WebPictureBox::WebPictureBox(TextCanvas& texts, Colour background, Colour foreground_colour)
    : texts_(texts), background_(background) {
    foreground = foreground_colour;
    list_.clear();
    resize(1, 1);
}

void WebPictureBox::resize(int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, pixel_word(background_));
    texts_.cleared();
    list_.clear();
    painted_ = 0;
    clear_pending_ = false;
    changed_ = true;
}

const std::vector<std::uint32_t>& WebPictureBox::pixels() {
    if (clear_pending_) {
        std::fill(pixels_.begin(), pixels_.end(), pixel_word(background_));
        clear_pending_ = false;
    }
    const std::size_t end = list_.size();
    if (painted_ < end) {
        const RasterImage image{pixels_.data(), width_, width_, height_};
        RasterPainter painter(image, {static_cast<double>(width_), static_cast<double>(height_)},
                              *this, RasterKinds{});
        painter.set_scale(painted_scale_);
        painter.paint(list_, painted_, end);
        settle();
        painted_scale_ = painter.scale();
        painted_ = list_.painted(end);
    }
    changed_ = false;
    return pixels_;
}

namespace {

// Hands texts and shapes to a canvas that draws them into a buffer of its own.
class BufferFace final : public RasterFace {
  public:
    BufferFace(TextCanvas& texts, std::vector<std::uint32_t>& pixels, int width, int height)
        : texts_(texts), pixels_(pixels), width_(width), height_(height) {}
    void text(std::string_view text, PixelPoint at, Colour colour) override {
        texts_.text(text, at.x, at.y, colour);
    }
    void segment(PixelPoint from, PixelPoint to, Colour colour, int width) override {
        texts_.shape("segment", from.x, from.y, to.x, to.y, colour, width, false, 0);
    }
    void dot(PixelPoint corner, int width, Colour colour) override {
        texts_.shape("dot", corner.x, corner.y, 0, 0, colour, width, false, 0);
    }
    void circle(PixelPoint centre, double radius, const DrawOp& op) override {
        texts_.shape("circle", centre.x, centre.y, radius, 0, op.colour, op.width, op.filled,
                     op.fill);
    }
    void settle() override { texts_.draw(pixels_.data(), width_, height_); }

  private:
    TextCanvas& texts_;
    std::vector<std::uint32_t>& pixels_;
    int width_, height_;
};

} // namespace

std::vector<std::uint32_t> WebPictureBox::painted_at(int scale, TextCanvas& texts) const {
    const int w = width_ * scale;
    const int h = height_ * scale;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, pixel_word(background_));
    BufferFace face(texts, pixels, w, h);
    texts.cleared();
    RasterPainter painter(RasterImage{pixels.data(), w, w, h},
                          {static_cast<double>(w), static_cast<double>(h)}, face, RasterKinds{});
    painter.paint(list_, 0, list_.size());
    face.settle();
    return pixels;
}

void WebPictureBox::on_scale(float x1, float y1, float x2, float y2) {
    list_.scale(x1, y1, x2, y2);
}

void WebPictureBox::on_clear() {
    texts_.cleared();
    list_.clear();
    painted_ = 0;
    clear_pending_ = true;
    changed_ = true;
}

void WebPictureBox::on_line(float x1, float y1, float x2, float y2, Colour c) {
    list_.line(x1, y1, x2, y2, c, pen_width);
    changed_ = true;
}

void WebPictureBox::on_lines(const Segment* segments, std::size_t count) {
    list_.lines(segments, count, pen_width);
    changed_ = true;
}

void WebPictureBox::on_dot(float x, float y, Colour c, bool) {
    list_.dot(x, y, c, pen_width);
    changed_ = true;
}

void WebPictureBox::on_circle(float x, float y, float r, Colour c) {
    list_.circle(x, y, r, c, pen_width, filled, fill_colour);
    changed_ = true;
}

void WebPictureBox::on_text(std::string_view text) {
    list_.text(current_x, current_y, foreground, text);
    changed_ = true;
}

void WebPictureBox::on_pixels(float x1, float y1, float x2, float y2,
                              const std::shared_ptr<const PixelColours>& source) {
    list_.pixels(x1, y1, x2, y2, source);
    changed_ = true;
}

// The measures in user units, as the desktop's picture box gives them from its font's.
double WebPictureBox::text_line_step() {
    return texts_.line_height() / height_ * (static_cast<double>(scale_y2()) - scale_y1());
}

float WebPictureBox::measure_width(std::string_view text) {
    return static_cast<float>(texts_.width(text) / width_ *
                              std::abs(static_cast<double>(scale_x2()) - scale_x1()));
}

float WebPictureBox::measure_height(std::string_view) {
    return static_cast<float>(texts_.line_height() / height_ *
                              std::abs(static_cast<double>(scale_y2()) - scale_y1()));
}

float WebPictureBox::measure_pixel() {
    return static_cast<float>(std::abs(static_cast<double>(scale_x2()) - scale_x1()) / width_);
}

void WebPictureBox::text(std::string_view text, PixelPoint at, Colour colour) {
    texts_.text(text, at.x, at.y, colour);
}

void WebPictureBox::segment(PixelPoint from, PixelPoint to, Colour colour, int width) {
    texts_.shape("segment", from.x, from.y, to.x, to.y, colour, width, false, 0);
}

void WebPictureBox::dot(PixelPoint corner, int width, Colour colour) {
    texts_.shape("dot", corner.x, corner.y, 0, 0, colour, width, false, 0);
}

void WebPictureBox::circle(PixelPoint centre, double radius, const DrawOp& op) {
    texts_.shape("circle", centre.x, centre.y, radius, 0, op.colour, op.width, op.filled, op.fill);
}

void WebPictureBox::settle() {
    texts_.draw(pixels_.data(), width_, height_);
}
