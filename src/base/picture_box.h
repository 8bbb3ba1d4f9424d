#pragma once
// The drawing surface the core draws on, in user coordinates set by set_scale.
//
// Implementations: the Qt picture box of the program (a persistent image, no antialiasing), the
// primitive buffer of the parallel drawing, the recording picture box of the tests and the boxes
// of the benchmarks. Coordinates are floats, as the drawing rounds them.
//
// The drawing calls are the same for every box: they check their coordinates, hand the
// primitive to the box's hook and move the current position, here and nowhere else.
// - set_scale makes (x1, y1) the top-left corner and (x2, y2) the bottom-right one (y may grow
//   upward) and moves the position to (x1, y1). A scale with a corner coordinate that is not
//   finite, or with both corners on one line, is ignored.
// - clear moves the position to the scale's top-left corner.
// - line moves it to (x2, y2); lines to the end of the last segment drawn.
// - dot and circle move it to their centre.
// - colour_pixels leaves it where it is.
// - text draws with its top-left corner at the position, then moves x to the scale's left and y
//   down one text line (a box that cannot measure text moves y by nothing).
// A primitive with a coordinate that is not finite (or a text at such a position) is not drawn
// and does not move the position: the core never hands one, and rejected() counts any that
// comes anyway.
#include <cmath>
#include <cstddef>
#include <memory>
#include <string_view>

#include "base/colour.h"
#include "base/pixel_colours.h"

class PictureBox {
  public:
    virtual ~PictureBox() = default;

    struct Segment {
        float x1, y1, x2, y2;
        Colour colour;
    };

    void set_scale(float x1, float y1, float x2, float y2);
    // Clears to the background colour.
    void clear();
    // A segment pen_width pixels wide.
    void line(float x1, float y1, float x2, float y2, Colour c) {
        if (!all_finite(x1, y1, x2, y2)) {
            ++rejected_;
            return;
        }
        on_line(x1, y1, x2, y2, c);
        ++taken_;
        current_x = x2;
        current_y = y2;
    }
    // Segments drawn one after another, each as line draws it.
    void lines(const Segment* segments, std::size_t count);
    // A dot pen_width pixels wide in the foreground colour, or in c.
    void dot(float x, float y) { put_dot(x, y, foreground, true); }
    void dot(float x, float y, Colour c) { put_dot(x, y, c, false); }
    // A circle of radius r (user units along x) with outline c, filled with fill_colour when
    // `filled`.
    void circle(float x, float y, float r, Colour c);
    // Text in the foreground colour.
    void text(std::string_view text);
    // Every pixel whose centre lies in the rectangle with the corners (x1, y1) and (x2, y2)
    // coloured by `source`, at the resolution the picture is painted at (an export at twice the
    // size asks it for four times the pixels), over what was drawn there before.
    void colour_pixels(float x1, float y1, float x2, float y2,
                       std::shared_ptr<const PixelColours> source);
    // The width and the height of a text as `text` draws it, in user units (both positive); 0
    // where the box cannot measure text.
    float text_width(std::string_view text) { return measure_width(text); }
    float text_height(std::string_view text) { return measure_height(text); }
    // The width of one of the box's pixels in user units, under the scale in force; 0 where the
    // box has no pixels of its own.
    float pixel_width() { return measure_pixel(); }

    float current_x = 0;
    float current_y = 0;
    int pen_width = 1;
    bool filled = false;
    Colour fill_colour = 0;
    Colour foreground = 0;

    // The scale in force: its top-left and bottom-right corners.
    float scale_x1() const { return scale_x1_; }
    float scale_y1() const { return scale_y1_; }
    float scale_x2() const { return scale_x2_; }
    float scale_y2() const { return scale_y2_; }
    // Calls ignored for a coordinate that is not finite, a scale without extent or pixels
    // without a source of their colours.
    std::size_t rejected() const { return rejected_; }
    // Primitives the box has taken since it was made, each segment counted (a clear is none):
    // a drawing that leaves the count as it was drew nothing.
    std::size_t taken() const { return taken_; }

  protected:
    // The box-specific work of each call, after the checks; the position is moved afterwards.
    virtual void on_scale(float x1, float y1, float x2, float y2) = 0;
    virtual void on_clear() = 0;
    virtual void on_line(float x1, float y1, float x2, float y2, Colour c) = 0;
    // Finite segments, at least one. A box that takes many at once faster than one by one
    // overrides it.
    virtual void on_lines(const Segment* segments, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const Segment& s = segments[i];
            on_line(s.x1, s.y1, s.x2, s.y2, s.colour);
        }
    }
    // `in_foreground`: drawn without a colour of its own (c is then the foreground colour).
    virtual void on_dot(float x, float y, Colour c, bool in_foreground) = 0;
    virtual void on_circle(float x, float y, float r, Colour c) = 0;
    // At the current position.
    virtual void on_text(std::string_view text) = 0;
    // A box without pixels of its own passes the colours over.
    virtual void on_pixels(float, float, float, float, const std::shared_ptr<const PixelColours>&) {
    }
    // How far a text line moves the position along y, in user units with the sign of the
    // scale's y axis.
    virtual double text_line_step() { return 0; }
    virtual float measure_width(std::string_view) { return 0; }
    virtual float measure_height(std::string_view) { return 0; }
    virtual float measure_pixel() { return 0; }

  private:
    static bool finite(float v) { return std::isfinite(v); }
    // x - x is 0 for every finite x and not a number otherwise: one test for four values.
    static bool all_finite(float a, float b, float c, float d) {
        return (a - a) + (b - b) + (c - c) + (d - d) == 0;
    }
    void put_dot(float x, float y, Colour c, bool in_foreground) {
        if (!(finite(x) && finite(y))) {
            ++rejected_;
            return;
        }
        on_dot(x, y, c, in_foreground);
        ++taken_;
        current_x = x;
        current_y = y;
    }

    float scale_x1_ = 0, scale_y1_ = 0, scale_x2_ = 1, scale_y2_ = 1;
    std::size_t rejected_ = 0;
    std::size_t taken_ = 0;
};
