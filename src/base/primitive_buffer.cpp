#include "base/primitive_buffer.h"

void PrimitiveBuffer::add(Run::Kind kind, const Segment& item) {
    if (runs_.empty() || runs_.back().kind != kind) {
        runs_.push_back(Run{kind, 0});
    }
    ++runs_.back().count;
    items_.push_back(item);
}

void PrimitiveBuffer::replay(PictureBox& pic) const {
    const Segment* item = items_.data();
    for (const Run& run : runs_) {
        switch (run.kind) {
        case Run::Line:
            pic.lines(item, run.count);
            break;
        case Run::Dot:
            for (std::uint32_t i = 0; i < run.count; ++i) {
                pic.dot(item[i].x1, item[i].y1, item[i].colour);
            }
            break;
        case Run::ForeDot:
            for (std::uint32_t i = 0; i < run.count; ++i) {
                pic.dot(item[i].x1, item[i].y1);
            }
            break;
        }
        item += run.count;
    }
}
