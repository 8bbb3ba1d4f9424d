#pragma once
// The browser's picture box: a display list of what was drawn since the last clear, painted into
// a plain RGBA buffer by the raster painter as the desktop paints its image (lines, dots,
// circles, the potential map); the texts, and the rare primitives the raster painting leaves to
// its face, go to the page's script, which draws them with the canvas into the same buffer in
// their place in the order. Texts are measured by the page too, in the picture's font.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/display_list.h"
#include "base/picture_box.h"
#include "raster/raster_painter.h"

// How the page measures and draws texts in the picture's font; the worker's script gives it.
class TextCanvas {
  public:
    virtual ~TextCanvas() = default;
    // The advance of `text`, pixels.
    virtual double width(std::string_view text) = 0;
    // One text line's height, pixels, as the desktop's font metrics give it.
    virtual double line_height() = 0;
    // The picture was cleared: what was handed before is gone.
    virtual void cleared() = 0;
    // Draws what was handed since the last call into the buffer's pixels.
    virtual void draw(std::uint32_t* pixels, int width, int height) = 0;
    // Hands a primitive to draw: a text at its top-left corner, or a segment, a dot, a circle.
    virtual void text(std::string_view text, double x, double y, Colour colour) = 0;
    virtual void shape(const char* kind, double x1, double y1, double x2, double y2, Colour c,
                       int width, bool filled, Colour fill) = 0;
};

class WebPictureBox final : public PictureBox, private RasterFace {
  public:
    WebPictureBox(TextCanvas& texts, Colour background, Colour foreground_colour);

    // A picture of width x height pixels; what was drawn belongs to the old size and is gone.
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    // Paints what was drawn since the last call; the buffer, rows of 0xAARRGGBB words.
    const std::vector<std::uint32_t>& pixels();
    // What was drawn since the last clear painted anew at `scale` times the size (the texts in
    // `texts`, which draws them `scale` times as large), as a saved picture is.
    std::vector<std::uint32_t> painted_at(int scale, TextCanvas& texts) const;
    // Something was drawn (or cleared) since the last pixels().
    bool changed() const { return changed_; }
    const DisplayList& display_list() const { return list_; }

  protected:
    void on_scale(float x1, float y1, float x2, float y2) override;
    void on_clear() override;
    void on_line(float x1, float y1, float x2, float y2, Colour c) override;
    void on_lines(const Segment* segments, std::size_t count) override;
    void on_dot(float x, float y, Colour c, bool in_foreground) override;
    void on_circle(float x, float y, float r, Colour c) override;
    void on_text(std::string_view text) override;
    void on_pixels(float x1, float y1, float x2, float y2,
                   const std::shared_ptr<const PixelColours>& source) override;
    double text_line_step() override;
    float measure_width(std::string_view text) override;
    float measure_height(std::string_view text) override;
    float measure_pixel() override;

  private:
    // RasterFace: what the page's canvas draws.
    void text(std::string_view text, PixelPoint at, Colour colour) override;
    void segment(PixelPoint from, PixelPoint to, Colour colour, int width) override;
    void dot(PixelPoint corner, int width, Colour colour) override;
    void circle(PixelPoint centre, double radius, const DrawOp& op) override;
    void settle() override;

    TextCanvas& texts_;
    Colour background_;
    int width_ = 1, height_ = 1;
    DisplayList list_;
    std::vector<std::uint32_t> pixels_;
    std::size_t painted_ = 0;
    DrawOp painted_scale_ = DrawOp::scale(0, 0, 1, 1);
    bool clear_pending_ = true;
    bool changed_ = true;
};
