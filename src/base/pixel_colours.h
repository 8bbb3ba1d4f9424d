#pragma once
// Colours worked out for every pixel of a picture, at whatever resolution it is painted: a
// picture box keeps the source and lets its renderer ask it for the pixels it paints, so that a
// picture exported at four times the size is coloured pixel by pixel at that size too.
#include <cstddef>
#include <cstdint>

#include "base/pixel_grid.h"

class PixelColours {
  public:
    virtual ~PixelColours() = default;

    // Colours grid.width x grid.height pixels, row j starting at pixels + j*row_stride, each by
    // the colour at its centre as 0xffRRGGBB: the pixel of a 32-bit RGB image (red in bits
    // 16-23, unlike Colour). May use several threads; must not keep `pixels`.
    virtual void colour(const PixelGrid& grid, std::uint32_t* pixels,
                        std::size_t row_stride) const = 0;
};
