#include "base/primitive_buffer.h"

void PrimitiveBuffer::Scale(float x1, float y1, float, float) {
    CurrentX = x1;
    CurrentY = y1;
}

void PrimitiveBuffer::Cls() {
    clear();
}

void PrimitiveBuffer::add(Run::Kind kind, const Segment& item) {
    if (runs_.empty() || runs_.back().kind != kind) {
        runs_.push_back(Run{kind, 0});
    }
    ++runs_.back().count;
    items_.push_back(item);
}

void PrimitiveBuffer::Line(float x1, float y1, float x2, float y2, Colour c) {
    add(Run::Line, Segment{x1, y1, x2, y2, c});
    CurrentX = x2;
    CurrentY = y2;
}

void PrimitiveBuffer::PSet(float x, float y) {
    add(Run::ForeDot, Segment{x, y, 0, 0, 0});
    CurrentX = x;
    CurrentY = y;
}

void PrimitiveBuffer::PSet(float x, float y, Colour c) {
    add(Run::Dot, Segment{x, y, 0, 0, c});
    CurrentX = x;
    CurrentY = y;
}

void PrimitiveBuffer::Circle(float, float, float, Colour) {}

void PrimitiveBuffer::Print(std::string_view) {}

void PrimitiveBuffer::replay(PictureBox& pic) const {
    const Segment* item = items_.data();
    for (const Run& run : runs_) {
        switch (run.kind) {
        case Run::Line:
            pic.Lines(item, run.count);
            break;
        case Run::Dot:
            for (std::uint32_t i = 0; i < run.count; ++i) {
                pic.PSet(item[i].x1, item[i].y1, item[i].colour);
            }
            break;
        case Run::ForeDot:
            for (std::uint32_t i = 0; i < run.count; ++i) {
                pic.PSet(item[i].x1, item[i].y1);
            }
            break;
        }
        item += run.count;
    }
}
