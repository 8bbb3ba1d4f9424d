#pragma once
// A picture box that keeps the lines and dots drawn on it, to draw them on another picture box
// later in the same order: a piece of a picture computed on another thread goes into one, and the
// calling thread draws it on the real picture.
#include <cstdint>
#include <vector>

#include "base/picture_box.h"

class PrimitiveBuffer : public PictureBox {
  public:
    // Primitives kept since the last clear (which forgets them; the pen and the colours stay).
    std::size_t size() const { return items_.size(); }
    // Draws everything kept on `pic`, in order, at pic's own pen width.
    void replay(PictureBox& pic) const;

  protected:
    void on_scale(float, float, float, float) override {}
    void on_clear() override {
        runs_.clear();
        items_.clear();
    }
    void on_line(float x1, float y1, float x2, float y2, Colour c) override {
        add(Run::Line, Segment{x1, y1, x2, y2, c});
    }
    void on_dot(float x, float y, Colour c, bool in_foreground) override {
        add(in_foreground ? Run::ForeDot : Run::Dot, Segment{x, y, 0, 0, c});
    }
    // Circles and texts belong to no piece of a picture: they are not kept.
    void on_circle(float, float, float, Colour) override {}
    void on_text(std::string_view) override {}

  private:
    // What was drawn, in order: runs of primitives of one kind, their coordinates and colours
    // in `items_` one after another (a dot's in x1, y1 and colour).
    struct Run {
        enum Kind : std::uint8_t { Line, Dot, ForeDot } kind;
        std::uint32_t count;
    };
    void add(Run::Kind kind, const Segment& item);
    std::vector<Run> runs_;
    std::vector<Segment> items_;
};
