#pragma once
// A picture box that keeps the lines and dots drawn on it, to draw them on another picture box
// later in the same order: a piece of a picture computed on another thread goes into one, and the
// calling thread draws it on the real picture.
#include <cstdint>
#include <vector>

#include "base/picture_box.h"

class PrimitiveBuffer : public PictureBox {
  public:
    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour c) override;
    void PSet(float x, float y) override;
    void PSet(float x, float y, Colour c) override;
    // Circles and texts belong to no piece of a picture: they are not kept.
    void Circle(float x, float y, float r, Colour c) override;
    void Print(std::string_view text) override;

    // Forgets what was drawn; the drawing state (DrawWidth, colours) stays.
    void clear() {
        runs_.clear();
        items_.clear();
    }
    std::size_t size() const { return items_.size(); }
    // Draws everything kept on `pic`, in order, at pic's own DrawWidth.
    void replay(PictureBox& pic) const;

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
