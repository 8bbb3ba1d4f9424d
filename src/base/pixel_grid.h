#pragma once
// A block of a picture's pixels in user coordinates: its left, top, right and bottom edges, as
// the picture box's scale places them (y may grow upward). Pixel (i, j) is sampled at its centre.

struct PixelGrid {
    int width = 0;
    int height = 0;
    double x_left = 0, y_top = 0, x_right = 0, y_bottom = 0;

    double x_at(int i) const { return x_left + (i + 0.5) * (x_right - x_left) / width; }
    double y_at(int j) const { return y_top + (j + 0.5) * (y_bottom - y_top) / height; }
    // User units (metres in the field picture) per pixel along x and along y.
    double pixel_x() const { return (x_right - x_left) / width; }
    double pixel_y() const { return (y_top - y_bottom) / height; }
};

// The square [-half_width, half_width]^2 on `width` x `height` pixels, y upward: the field
// picture's scale.
inline PixelGrid square_grid(double half_width, int width, int height) {
    return {width, height, -half_width, half_width, half_width, -half_width};
}
