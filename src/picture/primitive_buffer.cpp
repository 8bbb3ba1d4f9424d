#include "picture/primitive_buffer.h"

void PrimitiveBuffer::Scale(float x1, float y1, float, float) {
    CurrentX = x1;
    CurrentY = y1;
}

void PrimitiveBuffer::Cls() {
    items_.clear();
}

void PrimitiveBuffer::Line(float x1, float y1, float x2, float y2, Colour c) {
    items_.push_back({x1, y1, x2, y2, c, Item::Line});
    CurrentX = x2;
    CurrentY = y2;
}

void PrimitiveBuffer::PSet(float x, float y) {
    items_.push_back({x, y, 0, 0, 0, Item::ForeDot});
    CurrentX = x;
    CurrentY = y;
}

void PrimitiveBuffer::PSet(float x, float y, Colour c) {
    items_.push_back({x, y, 0, 0, c, Item::Dot});
    CurrentX = x;
    CurrentY = y;
}

void PrimitiveBuffer::Circle(float, float, float, Colour) {}

void PrimitiveBuffer::Print(std::string_view) {}

void PrimitiveBuffer::replay(PictureBox& pic) const {
    for (const Item& it : items_) {
        switch (it.kind) {
        case Item::Line:
            pic.Line(it.x1, it.y1, it.x2, it.y2, it.colour);
            break;
        case Item::Dot:
            pic.PSet(it.x1, it.y1, it.colour);
            break;
        case Item::ForeDot:
            pic.PSet(it.x1, it.y1);
            break;
        }
    }
}
