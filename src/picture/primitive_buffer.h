#pragma once
// A picture box that keeps the lines and dots drawn on it, to draw them on another picture box
// later in the same order: a piece of a picture computed on another thread goes into one, and the
// calling thread draws it on the real picture.
#include <vector>

#include "picture/picture_box.h"

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
    void clear() { items_.clear(); }
    std::size_t size() const { return items_.size(); }
    // Draws everything kept on `pic`, in order, at pic's own DrawWidth.
    void replay(PictureBox& pic) const;

  private:
    struct Item {
        float x1, y1, x2, y2;
        Colour colour;
        enum Kind : unsigned char { Line, Dot, ForeDot } kind;
    };
    std::vector<Item> items_;
};
