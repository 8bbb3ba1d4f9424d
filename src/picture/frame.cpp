#include "picture/frame.h"

#include <cmath>
#include <string>

#include "model/counted_loop.h"
#include "model/numbers.h"

namespace {

// Where a tick label of `size` that starts at `start` goes so that it lies whole within
// [lo, hi]: a label that sticks out is moved in, by no more than `slack` (further it would run
// into its neighbour). Returns false when it still does not fit, and it is not printed.
bool fit_label(double& start, double size, double lo, double hi, double slack) {
    double shift = 0;
    if (start < lo) {
        shift = lo - start;
    } else if (start + size > hi) {
        shift = hi - (start + size);
    }
    const double tolerance = 1e-6 * (hi - lo);
    if (std::abs(shift) > slack + tolerance || size > hi - lo) {
        return false;
    }
    start += shift;
    return true;
}

} // namespace

void axes_main(Module1& m, PictureBox& pic) {
    m.y_min = -m.L;
    m.y_max = static_cast<float>(m.L);
    m.x_min = -m.L;
    m.x_max = m.L;
    pic.set_scale(static_cast<float>(m.x_min), m.y_max, static_cast<float>(m.x_max),
                  static_cast<float>(m.y_min));
    m.tick = m.a / 2;
    m.tick_s = static_cast<float>(m.tick);
    m.n_tick = (m.y_max - m.y_min) / m.tick;

    const double first = -m.n_tick / 2;
    const double last = std::floor(m.n_tick / 2) - 1;
    const double ymax = m.y_max;
    for (m.i = first; loop_goes_on(m.i, last, 1.0); m.i += 1) {
        const double i = m.i;
        pic.line(static_cast<float>(i * m.tick), m.y_max, static_cast<float>(i * m.tick),
                 static_cast<float>(m.y_min), kGridColour);
        // Each label stands a quarter tick before its place (left of it, above it); the labels
        // at the picture's edges are moved in by that much, or left out, so that every number
        // shown is whole, with its sign.
        const float x_at = static_cast<float>(2 * i * m.tick - m.tick / 4);
        const float x_row = static_cast<float>(-0.01 * ymax);
        pic.dot(x_at, x_row);
        if (i != 0) {
            const std::string text = format_fixed(2 * i * m.tick, 1, m.dec_sep);
            double left = x_at;
            if (fit_label(left, pic.text_width(text), m.x_min, m.x_max, m.tick / 4)) {
                pic.current_x = static_cast<float>(left);
                pic.current_y = x_row;
                pic.text(text);
            }
        }
        const double ts = m.tick_s;
        pic.line(static_cast<float>(m.x_min), static_cast<float>(i * ts),
                 static_cast<float>(m.x_max), static_cast<float>(i * ts), kGridColour);
        const float y_col = static_cast<float>(-0.1 * ymax);
        const float y_at = static_cast<float>(2 * i * ts + ts / 4);
        pic.dot(y_col, y_at);
        if (i != 0) {
            const std::string text = format_fixed(2 * i * ts, 1, m.dec_sep);
            const double height = pic.text_height(text);
            double bottom = y_at - height; // the text hangs down from its top
            if (fit_label(bottom, height, m.y_min, m.y_max, ts / 4)) {
                pic.current_x = y_col;
                pic.current_y = static_cast<float>(bottom + height);
                pic.text(text);
            }
        }
    }

    pic.pen_width = 2;
    pic.line(static_cast<float>(m.x_min), 0, static_cast<float>(m.x_max), 0, kAxisColour);
    pic.line(0, static_cast<float>(m.y_min), 0, m.y_max, kAxisColour);
    pic.pen_width = 1;

    pic.current_x = static_cast<float>(0.9 * m.x_max);
    pic.current_y = static_cast<float>(-0.05 * ymax);
    pic.text("X, м");
    pic.current_x = static_cast<float>(0.05 * m.x_max);
    pic.current_y = static_cast<float>(0.99 * ymax);
    pic.text("Y, м");
}

namespace {

void charge_mark(PictureBox& pic, double q, double x, double r0) {
    if (q == 0) {
        return;
    }
    const Colour c = q > 0 ? kPositiveColour : kNegativeColour;
    pic.fill_colour = c;
    pic.circle(static_cast<float>(x), 0, static_cast<float>(std::abs(q) * r0), c);
}

} // namespace

void draw_charges(Module1& m, PictureBox& pic) {
    m.r0 = 0.05;
    pic.filled = true;
    charge_mark(pic, m.q1, -m.a, m.r0);
    charge_mark(pic, m.q2, m.a, m.r0);
    pic.filled = false;
    m.q_ratio = m.q1 != 0 ? m.q2 / m.q1 : 100000;
    m.sqrt_ratio = std::sqrt(std::abs(m.q_ratio));
}
