#include "base/picture_box.h"

void PictureBox::set_scale(float x1, float y1, float x2, float y2) {
    if (!(finite(x1) && finite(y1) && finite(x2) && finite(y2)) || x1 == x2 || y1 == y2) {
        ++rejected_;
        return;
    }
    scale_x1_ = x1;
    scale_y1_ = y1;
    scale_x2_ = x2;
    scale_y2_ = y2;
    on_scale(x1, y1, x2, y2);
    ++taken_;
    current_x = x1;
    current_y = y1;
}

void PictureBox::clear() {
    on_clear();
    current_x = scale_x1_;
    current_y = scale_y1_;
}

void PictureBox::lines(const Segment* segments, std::size_t count) {
    // Runs of finite segments go to the box at once; the others are left out.
    std::size_t start = 0;
    const Segment* last = nullptr;
    for (std::size_t i = 0; i <= count; ++i) {
        const bool end = i == count;
        if (!end) {
            const Segment& s = segments[i];
            if (finite(s.x1) && finite(s.y1) && finite(s.x2) && finite(s.y2)) {
                continue;
            }
            ++rejected_;
        }
        if (i > start) {
            on_lines(segments + start, i - start);
            taken_ += i - start;
            last = &segments[i - 1];
        }
        start = i + 1;
    }
    if (last != nullptr) {
        current_x = last->x2;
        current_y = last->y2;
    }
}

void PictureBox::circle(float x, float y, float r, Colour c) {
    if (!(finite(x) && finite(y) && finite(r))) {
        ++rejected_;
        return;
    }
    on_circle(x, y, r, c);
    ++taken_;
    current_x = x;
    current_y = y;
}

void PictureBox::text(std::string_view text) {
    if (!(finite(current_x) && finite(current_y))) {
        ++rejected_;
        return;
    }
    on_text(text);
    ++taken_;
    current_x = scale_x1_;
    const double step = text_line_step();
    // No step leaves y as it is (also the sign of a zero).
    if (step != 0) {
        current_y = static_cast<float>(current_y + step);
    }
}

void PictureBox::colour_pixels(float x1, float y1, float x2, float y2,
                               std::shared_ptr<const PixelColours> source) {
    if (!all_finite(x1, y1, x2, y2) || source == nullptr) {
        ++rejected_;
        return;
    }
    on_pixels(x1, y1, x2, y2, source);
    ++taken_;
}
