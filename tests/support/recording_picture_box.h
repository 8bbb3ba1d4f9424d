#pragma once
// A picture box that keeps every call, so that a test can count and read what was drawn.
#include <cmath>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/picture_box.h"

struct DrawCall {
    enum Kind { Scale, Clear, Line, Dot, Circle, Text, Pixels } kind = Clear;
    // Line: both ends; Dot/Circle/Text: (x1, y1); Scale, Pixels: the corners.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float r = 0; // Circle radius
    Colour colour = 0;
    bool has_colour = false;
    int width = 1; // the pen width at the call
    bool filled = false;
    Colour fill_colour = 0;
    std::string text;                           // Text: the text
    std::shared_ptr<const PixelColours> source; // Pixels: their colours

    static DrawCall at(Kind kind, float x1 = 0, float y1 = 0, float x2 = 0, float y2 = 0) {
        DrawCall d;
        d.kind = kind;
        d.x1 = x1;
        d.y1 = y1;
        d.x2 = x2;
        d.y2 = y2;
        return d;
    }
};

class RecordingPictureBox : public PictureBox {
  public:
    std::vector<DrawCall> calls;

    // Text sizes from `char_width` per character and `line_height`.
    float line_height = 0.03f; // a text line, as a share of the picture's height
    float char_width = 0;      // a character, as a share of the picture's width
    float pixel = 0;           // the width of a pixel in user units (0: no pixels)

    // Calls of one kind (and, when given, one colour).
    std::vector<DrawCall> of(DrawCall::Kind kind) const {
        std::vector<DrawCall> out;
        for (const auto& c : calls) {
            if (c.kind == kind) {
                out.push_back(c);
            }
        }
        return out;
    }
    std::vector<DrawCall> of(DrawCall::Kind kind, Colour colour) const {
        std::vector<DrawCall> out;
        for (const auto& c : calls) {
            if (c.kind == kind && c.has_colour && c.colour == colour) {
                out.push_back(c);
            }
        }
        return out;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.kind == DrawCall::Text) {
                out.push_back(c.text);
            }
        }
        return out;
    }
    // The calls since the last clear (all of them without one).
    std::vector<DrawCall> since_clear() const {
        auto last = calls.end();
        while (last != calls.begin() && std::prev(last)->kind != DrawCall::Clear) {
            --last;
        }
        return {last, calls.end()};
    }
    // Forgets the calls recorded so far.
    void forget() { calls.clear(); }

  protected:
    void on_scale(float x1, float y1, float x2, float y2) override {
        add(DrawCall::at(DrawCall::Scale, x1, y1, x2, y2));
    }
    void on_clear() override { add(DrawCall::at(DrawCall::Clear)); }
    void on_line(float x1, float y1, float x2, float y2, Colour c) override {
        DrawCall d = DrawCall::at(DrawCall::Line, x1, y1, x2, y2);
        d.colour = c;
        d.has_colour = true;
        add(d);
    }
    void on_dot(float x, float y, Colour c, bool in_foreground) override {
        DrawCall d = DrawCall::at(DrawCall::Dot, x, y);
        d.colour = c;
        d.has_colour = !in_foreground;
        add(d);
    }
    void on_circle(float x, float y, float r, Colour c) override {
        DrawCall d = DrawCall::at(DrawCall::Circle, x, y);
        d.r = r;
        d.colour = c;
        d.has_colour = true;
        add(d);
    }
    void on_text(std::string_view text) override {
        DrawCall d = DrawCall::at(DrawCall::Text, current_x, current_y);
        d.text = std::string(text);
        add(d);
    }
    void on_pixels(float x1, float y1, float x2, float y2,
                   const std::shared_ptr<const PixelColours>& source) override {
        DrawCall d = DrawCall::at(DrawCall::Pixels, x1, y1, x2, y2);
        d.source = source;
        add(d);
    }
    float measure_pixel() override { return pixel; }
    double text_line_step() override { return line_height * (scale_y2() - scale_y1()); }
    float measure_width(std::string_view text) override {
        std::size_t chars = 0;
        for (char c : text) {
            chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
        }
        return static_cast<float>(chars) * char_width * std::abs(scale_x2() - scale_x1());
    }
    float measure_height(std::string_view) override {
        return line_height * std::abs(scale_y2() - scale_y1());
    }

  private:
    void add(DrawCall d) {
        d.width = pen_width;
        d.filled = filled;
        d.fill_colour = fill_colour;
        calls.push_back(d);
    }
};
