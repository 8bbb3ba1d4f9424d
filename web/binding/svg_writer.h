#pragma once
// The picture as an SVG document: every primitive of its display list as a vector (lines as
// paths, dots as squares, circles, texts in Liberation Serif), at the picture's size in pixels.
// The potential map's pixels have no vector form: a picture with them is not written.
#include <optional>
#include <string>

#include "base/display_list.h"

struct SvgPage {
    int width, height; // pixels
    Colour background;
    double font_pixels; // the texts' size
    double ascent;      // from a text's top to its baseline, pixels
    std::string title;
};

// The document, or none for a picture with the potential map's pixels.
std::optional<std::string> svg_of(const DisplayList& list, const SvgPage& page);
