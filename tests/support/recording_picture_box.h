#pragma once
// A picture box that keeps every call, so that a test can count and read what was drawn.
#include <cmath>
#include <string>
#include <vector>

#include "base/picture_box.h"

struct DrawCall {
    enum Kind { Scale, Cls, Line, PSet, Circle, Print } kind = Cls;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line: both ends; PSet/Circle/Print: (x1, y1)
    float r = 0;                          // Circle radius
    Colour colour = 0;
    bool has_colour = false;
    int width = 1; // DrawWidth at the call
    int fill_style = 1;
    Colour fill_colour = 0;
    std::string text; // Print

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
    int non_finite = 0; // calls that were handed a NaN or an infinity

    void Scale(float x1, float y1, float x2, float y2) override {
        add(DrawCall::at(DrawCall::Scale, x1, y1, x2, y2));
        CurrentX = x1;
        CurrentY = y1;
        sx1 = x1;
        sy1 = y1;
        sx2 = x2;
        sy2 = y2;
    }
    void Cls() override {
        add(DrawCall::at(DrawCall::Cls));
        CurrentX = sx1;
        CurrentY = sy1;
    }
    void Line(float x1, float y1, float x2, float y2, Colour c) override {
        DrawCall d = DrawCall::at(DrawCall::Line, x1, y1, x2, y2);
        d.colour = c;
        d.has_colour = true;
        add(d);
        CurrentX = x2;
        CurrentY = y2;
    }
    void PSet(float x, float y) override {
        DrawCall d = DrawCall::at(DrawCall::PSet, x, y);
        d.colour = ForeColor;
        add(d);
        CurrentX = x;
        CurrentY = y;
    }
    void PSet(float x, float y, Colour c) override {
        DrawCall d = DrawCall::at(DrawCall::PSet, x, y);
        d.colour = c;
        d.has_colour = true;
        add(d);
        CurrentX = x;
        CurrentY = y;
    }
    void Circle(float x, float y, float r, Colour c) override {
        DrawCall d = DrawCall::at(DrawCall::Circle, x, y);
        d.r = r;
        d.colour = c;
        d.has_colour = true;
        add(d);
        CurrentX = x;
        CurrentY = y;
    }
    void Print(std::string_view text) override {
        DrawCall d = DrawCall::at(DrawCall::Print, CurrentX, CurrentY);
        d.text = std::string(text);
        add(d);
        CurrentX = sx1;
        CurrentY += line_height * (sy2 - sy1);
    }

    // Text sizes from `char_width` per character and `line_height`.
    float TextWidth(std::string_view text) override {
        std::size_t chars = 0;
        for (char c : text) {
            chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
        }
        return static_cast<float>(chars) * char_width * std::abs(sx2 - sx1);
    }
    float TextHeight(std::string_view) override { return line_height * std::abs(sy2 - sy1); }

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
            if (c.kind == DrawCall::Print) {
                out.push_back(c.text);
            }
        }
        return out;
    }
    void clear() { calls.clear(); }

    float sx1 = 0, sy1 = 0, sx2 = 1, sy2 = 1;
    float line_height = 0.03f; // a text line, as a share of the picture's height
    float char_width = 0;      // a character, as a share of the picture's width

  private:
    void add(DrawCall d) {
        d.width = DrawWidth;
        d.fill_style = FillStyle;
        d.fill_colour = FillColor;
        for (float v : {d.x1, d.y1, d.x2, d.y2, d.r}) {
            if (!std::isfinite(v)) {
                ++non_finite;
            }
        }
        calls.push_back(d);
    }
};
