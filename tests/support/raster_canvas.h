#pragma once
// A picture's pixels for the raster tests: a buffer cleared to a background, the raster image
// over it, and its pixels read back.
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "raster/raster_image.h"

struct Canvas {
    static constexpr std::uint32_t kBackground = 0xffffffff;

    int width, height;
    std::vector<std::uint32_t> words;

    Canvas(int w, int h)
        : width(w), height(h), words(static_cast<std::size_t>(w * h), kBackground) {}
    RasterImage image() { return {words.data(), width, width, height}; }
    std::uint32_t at(int x, int y) const { return words[static_cast<std::size_t>(y * width + x)]; }
    // The pixels of one colour, as (x, y).
    std::set<std::pair<int, int>> pixels(std::uint32_t word) const {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y) == word) {
                    out.insert({x, y});
                }
            }
        }
        return out;
    }
    int count(std::uint32_t word) const { return static_cast<int>(pixels(word).size()); }
    int drawn() const { return width * height - count(kBackground); }
};

// A repeatable stream of numbers in [0, 1).
struct TestUniform {
    std::uint32_t seed;
    double operator()() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24);
    }
    double operator()(double lo, double hi) { return lo + (hi - lo) * (*this)(); }
};
