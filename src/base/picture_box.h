#pragma once
// The drawing surface the core draws on, in user coordinates set by Scale.
//
// Implementations: the Qt picture box of the program (a persistent image, no antialiasing) and
// the recording picture box of the tests. Coordinates are floats, as the drawing rounds them.
// Callers never hand a non-finite coordinate; implementations drop one if it comes anyway.
#include <cstddef>
#include <string_view>

#include "base/colour.h"

class PictureBox {
  public:
    virtual ~PictureBox() = default;

    // (x1, y1) becomes the top-left corner and (x2, y2) the bottom-right one; y may grow upward.
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;
    // Clears to the background colour; the text position goes to the top-left corner.
    virtual void Cls() = 0;
    // A segment at the current DrawWidth; the current position moves to its end.
    virtual void Line(float x1, float y1, float x2, float y2, Colour c) = 0;
    // Segments drawn one after another, each as Line draws it. A surface that takes many at
    // once faster than one by one overrides it.
    struct Segment {
        float x1, y1, x2, y2;
        Colour colour;
    };
    virtual void Lines(const Segment* segments, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const Segment& s = segments[i];
            Line(s.x1, s.y1, s.x2, s.y2, s.colour);
        }
    }
    // A dot DrawWidth pixels wide in the foreground colour or in c; the current position moves
    // there.
    virtual void PSet(float x, float y) = 0;
    virtual void PSet(float x, float y, Colour c) = 0;
    // A circle of radius r (user units along x) with outline c, filled with FillColor when
    // FillStyle is 0; the current position moves to its centre.
    virtual void Circle(float x, float y, float r, Colour c) = 0;
    // Text with its top-left corner at the current position, which then moves to the start of
    // the next text line.
    virtual void Print(std::string_view text) = 0;
    // The width and the height of a text as Print draws it, in user units (both positive);
    // 0 where the surface cannot measure text.
    virtual float TextWidth(std::string_view) { return 0; }
    virtual float TextHeight(std::string_view) { return 0; }

    float CurrentX = 0;
    float CurrentY = 0;
    int DrawWidth = 1;
    int FillStyle = 1; // 0 solid, 1 transparent
    Colour FillColor = 0;
    Colour ForeColor = 0;
};
