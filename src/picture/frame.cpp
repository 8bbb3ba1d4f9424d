#include "picture/frame.h"

#include <cmath>
#include <string>

#include "model/counted_loop.h"
#include "model/numbers.h"
#include "picture/field_views.h"

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

Frame frame_for(const FieldParams& params) {
    const double L = params.half_width;
    Frame f;
    f.y_min = -L;
    f.y_max = static_cast<float>(L);
    f.x_min = -L;
    f.x_max = L;
    f.grid_step = params.half_distance / 2;
    f.grid_step_single = static_cast<float>(f.grid_step);
    f.grid_steps = (f.y_max - f.y_min) / f.grid_step;
    return f;
}

Frame draw_frame(const FieldParams& params, PictureBox& pic, MapLegend legend) {
    const Frame f = frame_for(params);
    const std::string& sep = params.decimal_separator;
    pic.set_scale(static_cast<float>(f.x_min), f.y_max, static_cast<float>(f.x_max),
                  static_cast<float>(f.y_min));
    if (params.views.potential_map) {
        draw_potential_map(params, pic);
    }
    const double tick = f.grid_step;
    const double first = -f.grid_steps / 2;
    const double last = std::floor(f.grid_steps / 2) - 1;
    const double ymax = f.y_max;
    for (double i = first; loop_goes_on(i, last, 1.0); i += 1) {
        pic.line(static_cast<float>(i * tick), f.y_max, static_cast<float>(i * tick),
                 static_cast<float>(f.y_min), kGridColour);
        // Each label stands a quarter tick before its place (left of it, above it); the labels
        // at the picture's edges are moved in by that much, or left out, so that every number
        // shown is whole, with its sign.
        const float x_at = static_cast<float>(2 * i * tick - tick / 4);
        const float x_row = static_cast<float>(-0.01 * ymax);
        pic.dot(x_at, x_row);
        if (i != 0) {
            const std::string text = format_fixed(2 * i * tick, 1, sep);
            double left = x_at;
            if (fit_label(left, pic.text_width(text), f.x_min, f.x_max, tick / 4)) {
                pic.current_x = static_cast<float>(left);
                pic.current_y = x_row;
                pic.text(text);
            }
        }
        const double ts = f.grid_step_single;
        pic.line(static_cast<float>(f.x_min), static_cast<float>(i * ts),
                 static_cast<float>(f.x_max), static_cast<float>(i * ts), kGridColour);
        const float y_col = static_cast<float>(-0.1 * ymax);
        const float y_at = static_cast<float>(2 * i * ts + ts / 4);
        pic.dot(y_col, y_at);
        if (i != 0) {
            const std::string text = format_fixed(2 * i * ts, 1, sep);
            const double height = pic.text_height(text);
            double bottom = y_at - height; // the text hangs down from its top
            if (fit_label(bottom, height, f.y_min, f.y_max, ts / 4)) {
                pic.current_x = y_col;
                pic.current_y = static_cast<float>(bottom + height);
                pic.text(text);
            }
        }
    }

    pic.pen_width = 2;
    pic.line(static_cast<float>(f.x_min), 0, static_cast<float>(f.x_max), 0, kAxisColour);
    pic.line(0, static_cast<float>(f.y_min), 0, f.y_max, kAxisColour);
    pic.pen_width = 1;

    pic.current_x = static_cast<float>(0.9 * f.x_max);
    pic.current_y = static_cast<float>(-0.05 * ymax);
    pic.text(translated(params.translator, CF_TEXT("Picture", "X, м")));
    pic.current_x = static_cast<float>(0.05 * f.x_max);
    pic.current_y = static_cast<float>(0.99 * ymax);
    pic.text(translated(params.translator, CF_TEXT("Picture", "Y, м")));
    if (params.views.arrows) {
        draw_field_arrows(params, pic);
    }
    if (params.views.potential_map && legend == MapLegend::WithFrame) {
        draw_potential_legend(params, pic);
    }
    return f;
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

ChargeMarks draw_charges(const FieldParams& params, PictureBox& pic) {
    ChargeMarks marks;
    marks.charge_radius = kChargeRadius;
    pic.filled = true;
    charge_mark(pic, params.q1, -params.half_distance, marks.charge_radius);
    charge_mark(pic, params.q2, params.half_distance, marks.charge_radius);
    pic.filled = false;
    marks.charge_ratio = params.q1 != 0 ? params.q2 / params.q1 : 100000;
    marks.sqrt_charge_ratio = std::sqrt(std::abs(marks.charge_ratio));
    return marks;
}
