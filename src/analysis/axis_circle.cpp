#include "analysis/axis_circle.h"

#include <algorithm>
#include <cmath>

#include "model/counted_loop.h"

void draw_axis_circle(PictureBox& pic, double xc, double rc, Colour c, double mirror_start_y) {
    const double end = xc + rc;
    const double step = rc / 100;
    double x0 = xc - rc, y0 = 0, y0m = mirror_start_y;
    for (double x = xc - rc; loop_goes_on(x, end, step); x += step) {
        const double radicand = std::max(0.0, rc * rc - (x - xc) * (x - xc));
        const float y = static_cast<float>(std::sqrt(radicand));
        pic.line(static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x), y, c);
        pic.line(static_cast<float>(x0), static_cast<float>(y0m), static_cast<float>(x), -y, c);
        x0 = x;
        y0 = y;
        y0m = -y;
    }
}
