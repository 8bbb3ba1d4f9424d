#include "analysis/axis_circle.h"

#include <algorithm>
#include <cmath>

#include "model/counted_loop.h"

void draw_axis_circle(Module1& m, PictureBox& pic, double xc, double rc, Colour c) {
    const double end = xc + rc;
    const double step = rc / 100;
    for (double x = xc - rc; loop_goes_on(x, end, step); x += step) {
        const double radicand = std::max(0.0, rc * rc - (x - xc) * (x - xc));
        const float y = static_cast<float>(std::sqrt(radicand));
        pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(x), y, c);
        pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(x), -y, c);
        m.x0 = x;
        m.y0 = y;
        m.y0m = -y;
    }
}
