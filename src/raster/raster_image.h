#pragma once
// A picture's pixels as this folder draws them: rows of 32-bit words, each 0xAARRGGBB (red in
// bits 16-23, alpha in the top byte, as PixelColours gives them and as a 32-bit RGB image keeps
// them), drawn opaque. The memory belongs to the caller.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "base/colour.h"

struct RasterImage {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0; // words from one row to the next
    int width = 0, height = 0;

    std::uint32_t* row(int y) const { return pixels + y * stride; }
    void put(int x, int y, std::uint32_t word) const { row(y)[x] = word; }
    // Pixels [x, x + n) of row y (all inside).
    void fill(int x, int n, int y, std::uint32_t word) const {
        std::fill(row(y) + x, row(y) + x + n, word);
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The opaque word of a colour.
constexpr std::uint32_t pixel_word(Colour c) {
    return 0xff000000u | (static_cast<std::uint32_t>(red_of(c)) << 16) |
           (static_cast<std::uint32_t>(green_of(c)) << 8) | static_cast<std::uint32_t>(blue_of(c));
}
