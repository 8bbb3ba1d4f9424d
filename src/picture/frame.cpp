#include "picture/frame.h"

#include <algorithm>
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

std::vector<LabelBox> FrameTexts::boxes() const {
    std::vector<LabelBox> out;
    for (const auto* list : {&x_ticks, &y_ticks}) {
        for (const std::optional<FrameText>& t : *list) {
            if (t) {
                out.push_back(t->box);
            }
        }
    }
    for (const auto* name : {&x_name, &y_name}) {
        if (*name) {
            out.push_back((*name)->box);
        }
    }
    return out;
}

FrameTexts frame_texts(const FieldParams& params, PictureBox& pic) {
    const Frame f = frame_for(params);
    const std::string& sep = params.decimal_separator;
    // The discs a text keeps clear of, with a pixel to spare.
    std::vector<Disc> discs;
    double px = 0;
    if (params.views.charge_marks) {
        px = picture_pixel(params, pic);
        for (Disc d : charge_mark_discs(params, pic)) {
            d.r += px;
            discs.push_back(d);
        }
    }
    const auto covered = [&](const LabelBox& box) {
        return std::any_of(discs.begin(), discs.end(),
                           [&](const Disc& d) { return d.overlaps(box); });
    };
    // The text with its top-left corner at (x, y), or nothing where a disc covers it.
    const auto placed = [&](std::string text, float x, float y) -> std::optional<FrameText> {
        const double width = pic.text_width(text);
        const double height = pic.text_height(text);
        FrameText t{std::move(text), x, y, {x, y - height, x + width, static_cast<double>(y)}};
        if (covered(t.box)) {
            return std::nullopt;
        }
        return t;
    };
    FrameTexts texts;
    const double tick = f.grid_step;
    const double first = -f.grid_steps / 2;
    const double last = std::floor(f.grid_steps / 2) - 1;
    const double ymax = f.y_max;
    for (double i = first; loop_goes_on(i, last, 1.0); i += 1) {
        // Each label stands a quarter tick before its place (left of it, above it); the labels
        // at the picture's edges are moved in by that much, or left out, so that every number
        // shown is whole, with its sign.
        std::optional<FrameText>& x_tick = texts.x_ticks.emplace_back();
        std::optional<FrameText>& y_tick = texts.y_ticks.emplace_back();
        if (i == 0) {
            continue;
        }
        const float x_at = static_cast<float>(2 * i * tick - tick / 4);
        const float x_row = static_cast<float>(-0.01 * ymax);
        const std::string x_text = format_fixed(2 * i * tick, 1, sep);
        double left = x_at;
        if (fit_label(left, pic.text_width(x_text), f.x_min, f.x_max, tick / 4)) {
            x_tick = placed(x_text, static_cast<float>(left), x_row);
            if (!x_tick) {
                // Below the disc it would sit under.
                const double height = pic.text_height(x_text);
                const float below = static_cast<float>(-(charge_mark_radius(params, pic) + 2 * px));
                if (below - height >= f.y_min) {
                    x_tick = placed(x_text, static_cast<float>(left), below);
                }
            }
        }
        const double ts = f.grid_step_single;
        const float y_col = static_cast<float>(-0.1 * ymax);
        const float y_at = static_cast<float>(2 * i * ts + ts / 4);
        const std::string y_text = format_fixed(2 * i * ts, 1, sep);
        const double height = pic.text_height(y_text);
        double bottom = y_at - height; // the text hangs down from its top
        if (fit_label(bottom, height, f.y_min, f.y_max, ts / 4)) {
            y_tick = placed(y_text, y_col, static_cast<float>(bottom + height));
        }
    }
    texts.x_name = placed(translated(params.translator, CF_TEXT("Picture", "X, м")),
                          static_cast<float>(0.9 * f.x_max), static_cast<float>(-0.05 * ymax));
    texts.y_name = placed(translated(params.translator, CF_TEXT("Picture", "Y, м")),
                          static_cast<float>(0.05 * f.x_max), static_cast<float>(0.99 * ymax));
    return texts;
}

Frame draw_frame(const FieldParams& params, PictureBox& pic, MapLegend legend) {
    const Frame f = frame_for(params);
    pic.set_scale(static_cast<float>(f.x_min), f.y_max, static_cast<float>(f.x_max),
                  static_cast<float>(f.y_min));
    if (params.views.potential_map) {
        draw_potential_map(params, pic);
    }
    const FrameTexts texts = frame_texts(params, pic);
    const auto print = [&pic](const std::optional<FrameText>& t) {
        if (t) {
            pic.current_x = t->x;
            pic.current_y = t->y;
            pic.text(t->text);
        }
    };
    const double tick = f.grid_step;
    const double first = -f.grid_steps / 2;
    const double last = std::floor(f.grid_steps / 2) - 1;
    const double ymax = f.y_max;
    std::size_t k = 0;
    for (double i = first; loop_goes_on(i, last, 1.0); i += 1, ++k) {
        pic.line(static_cast<float>(i * tick), f.y_max, static_cast<float>(i * tick),
                 static_cast<float>(f.y_min), kGridColour);
        pic.dot(static_cast<float>(2 * i * tick - tick / 4), static_cast<float>(-0.01 * ymax));
        print(texts.x_ticks[k]);
        const double ts = f.grid_step_single;
        pic.line(static_cast<float>(f.x_min), static_cast<float>(i * ts),
                 static_cast<float>(f.x_max), static_cast<float>(i * ts), kGridColour);
        pic.dot(static_cast<float>(-0.1 * ymax), static_cast<float>(2 * i * ts + ts / 4));
        print(texts.y_ticks[k]);
    }

    pic.pen_width = 2;
    pic.line(static_cast<float>(f.x_min), 0, static_cast<float>(f.x_max), 0, kAxisColour);
    pic.line(0, static_cast<float>(f.y_min), 0, f.y_max, kAxisColour);
    pic.pen_width = 1;

    print(texts.x_name);
    print(texts.y_name);
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
    if (params.views.charge_marks) {
        draw_charge_marks(params, pic);
    } else {
        pic.filled = true;
        charge_mark(pic, params.q1, -params.half_distance, marks.charge_radius);
        charge_mark(pic, params.q2, params.half_distance, marks.charge_radius);
        pic.filled = false;
    }
    marks.charge_ratio = params.q1 != 0 ? params.q2 / params.q1 : 100000;
    marks.sqrt_charge_ratio = std::sqrt(std::abs(marks.charge_ratio));
    return marks;
}
