#include "profiles/profile_draw.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/counted_loop.h"
#include "model/numbers.h"
#include "picture/frame.h"

namespace {

// Samples between two reports of the progress.
constexpr int kSamplesPerReport = 64;

float f(double v) {
    return static_cast<float>(v);
}

// A point function's value as a sample: a value that overflowed single precision next to a
// charge is held at the sample limit, and a value that is no number counts as no field.
float bounded(float v) {
    if (std::isnan(v)) {
        return 0.0f;
    }
    return std::clamp(v, -kSampleLimit, kSampleLimit);
}

float value_at(const FieldParams& p, const ProfileKind& kind, double pos) {
    return bounded(kind.vertical ? kind.f(p, p.x_fixed, pos) : kind.f(p, pos, p.y_fixed));
}

double line_start(const Frame& frame, const ProfileKind& kind) {
    return kind.vertical ? frame.y_min : frame.x_min;
}

double line_end(const Frame& frame, const ProfileKind& kind) {
    return kind.vertical ? static_cast<double>(frame.y_max) : frame.x_max;
}

// Int(grid_steps / 2): the number of grid steps from the centre to the edge of the region.
int half_ticks(double grid_steps) {
    const double h = std::floor(grid_steps / 2);
    return std::isfinite(h) ? static_cast<int>(std::clamp(h, -1e6, 1e6)) : 0;
}

void print_extremes(const FieldParams& p, const ProfileKind& kind, const ProfileSamples& s,
                    PictureBox& pic, float x) {
    const std::string& sep = p.decimal_separator;
    const std::string unit = translated(p.translator, kind.unit);
    pic.text(translated(p.translator, kind.max_caption) + format_fixed(s.max_value, 2, sep) + unit);
    pic.current_x = x;
    pic.text(translated(p.translator, kind.min_caption) + format_fixed(s.min_value, 2, sep) + unit);
}

// Windows on y = y_fixed: position across, value upward.
void draw_along_x(const FieldParams& p, const Frame& frame, const ProfileKind& kind,
                  ProfileSamples& s, PictureBox& pic) {
    const AxisConstants& c = kind.axes;
    const std::string& sep = p.decimal_separator;
    const int grid_lines = p.value_grid_lines;
    const double tick = frame.grid_step;
    const double v_lo = s.axis_low;
    const double v_hi = s.axis_high;
    pic.set_scale(f(frame.x_min), f(v_hi), f(frame.x_max), f(v_lo));
    s.value_grid_step = f((v_hi - v_lo) / p.value_grid_lines);
    const double dv = s.value_grid_step;
    const bool no_negative = v_lo >= 0;

    // Position grid one tick apart, labelled every second line.
    const int half = half_ticks(frame.grid_steps);
    const double y_lab = no_negative ? c.xlab_dval * dv + c.xlab_vhi * v_hi : 0;
    for (int i = 1 - half; loop_goes_on(i, half - 1, 1); ++i) {
        const double x = i * tick;
        pic.line(f(x), f(v_hi), f(x), f(v_lo), kGridColour);
        pic.dot(f(2 * i * tick - tick / 4), f(y_lab));
        if (i != 0) {
            pic.text(format_fixed(2 * i * tick, 1, sep));
        }
    }
    // Value grid anchored at 0, labelled every second line.
    for (int i = 1 - grid_lines; loop_goes_on(i, grid_lines - 1, 1); ++i) {
        pic.line(f(frame.x_min), f(i * dv), f(frame.x_max), f(i * dv), kGridColour);
        pic.dot(f(-0.15 * frame.x_max), f(2 * i * dv + 0.2 * dv));
        if (i != 0) {
            pic.text(format_fixed(2 * i * dv, 1, sep));
        }
    }

    pic.pen_width = 2;
    const double axis_y = no_negative ? c.axis_lift * dv : 0;
    pic.line(f(frame.x_min), f(axis_y), f(frame.x_max), f(axis_y), kAxisColour);
    pic.line(0, f(v_lo), 0, f(v_hi), kAxisColour);
    pic.pen_width = 1;

    pic.current_x = f(0.85 * frame.x_max);
    pic.current_y = f(no_negative ? c.xtitle_dval * dv : -0.3 * dv);
    pic.text(translated(p.translator, kind.position_title));
    pic.current_x = f(0.01 * frame.x_max);
    pic.current_y = f(v_hi > 0 ? 0.99 * v_hi : c.vtitle_lo * v_lo + c.vtitle_dval * dv);
    pic.text(translated(p.translator, kind.value_title));

    draw_curve(p, frame, kind, s, pic);

    pic.current_x = f(frame.x_min);
    pic.current_y = f(c.ext_hi * v_hi + c.ext_lo * v_lo);
    print_extremes(p, kind, s, pic, f(frame.x_min));
}

// Windows on x = x_fixed: value across, position upward, as the line lies in the main picture.
void draw_along_y(const FieldParams& p, const Frame& frame, const ProfileKind& kind,
                  ProfileSamples& s, PictureBox& pic) {
    const std::string& sep = p.decimal_separator;
    const int grid_lines = p.value_grid_lines;
    const double v_lo = s.axis_low;
    const double v_hi = s.axis_high;
    pic.set_scale(f(v_lo), frame.y_max, f(v_hi), f(frame.y_min));
    s.value_grid_step = f((v_hi - v_lo) / p.value_grid_lines);
    const double dv = s.value_grid_step;

    for (int i = 1 - grid_lines; loop_goes_on(i, grid_lines - 1, 1); ++i) {
        pic.line(f(i * dv), frame.y_max, f(i * dv), f(frame.y_min), kGridColour);
        pic.dot(f(2 * i * dv - dv / 4), 0);
        if (i != 0) {
            pic.text(format_fixed(2 * i * dv, 1, sep));
        }
    }
    const int half = kind.position_grid_by_value_grid ? grid_lines : half_ticks(frame.grid_steps);
    const double ts = frame.grid_step_single;
    const bool mostly_positive = v_hi >= std::abs(v_lo);
    const double x_lab = mostly_positive ? 0 : 0.08 * v_lo;
    for (int i = 1 - half; loop_goes_on(i, half - 1, 1); ++i) {
        pic.line(f(v_lo), f(i * ts), f(v_hi), f(i * ts), kGridColour);
        pic.dot(f(x_lab), f(2 * i * ts + 0.2 * ts));
        if (i != 0) {
            pic.text(format_fixed(2 * i * ts, 1, sep));
        }
    }

    pic.pen_width = 2;
    pic.line(f(v_lo), 0, f(v_hi), 0, kAxisColour);
    pic.line(0, f(frame.y_min), 0, frame.y_max, kAxisColour);
    pic.pen_width = 1;

    pic.current_x = f(v_hi < std::abs(v_lo) ? v_lo : 0.6 * v_hi);
    pic.current_y = f(0.7 * ts);
    pic.text(translated(p.translator, kind.value_title));
    pic.current_x = f(mostly_positive ? 0.05 * v_hi : 0.15 * v_lo);
    pic.current_y = f(0.95 * frame.y_max);
    pic.text(translated(p.translator, kind.position_title));

    draw_curve(p, frame, kind, s, pic);

    pic.current_x = f(v_lo);
    pic.current_y = f(2 * static_cast<double>(frame.y_max) / 3);
    print_extremes(p, kind, s, pic, f(v_lo));
}

} // namespace

void sample_profile(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                    double scale, ProfileSamples& s, Progress& progress) {
    const int n = params.profile_steps;
    // Resizing keeps the vectors' storage, so a redraw allocates nothing after the first.
    const std::size_t size = n > 0 ? static_cast<std::size_t>(n) + 1 : 1;
    s.positions.assign(size, 0.0);
    s.values.assign(size, 0.0f);
    s.max_value = 0;
    s.min_value = 0;
    const double lo = line_start(frame, kind);
    s.position_step = (line_end(frame, kind) - lo) / n;
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        if (i % kSamplesPerReport == 0 && !progress.report(static_cast<double>(i) / n)) {
            return;
        }
        s.positions[i] = lo + i * s.position_step;
        s.values[i] = value_at(params, kind, s.positions[i]);
        if (s.values[i] > s.max_value) {
            s.max_value = s.values[i];
        }
        if (s.values[i] < s.min_value) {
            s.min_value = s.values[i];
        }
    }
    s.axis_high = scale * (s.max_value * 1.01);
    s.axis_low = scale * (s.min_value * 1.01);
}

void draw_profile(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                  double scale, ProfileSamples& samples, PictureBox& pic, Dialogs& dialogs,
                  Progress& progress) {
    if (kind.opposite_message.text != nullptr && params.q2 == -params.q1 && params.x_fixed == 0) {
        dialogs.message(translated(params.translator, kind.opposite_message),
                        translated(params.translator, kWarningTitle));
        return;
    }
    sample_profile(params, frame, kind, scale, samples, progress);
    if (progress.stopped()) {
        return;
    }
    // No field along the line. Compared as the picture's scale sees them, so that a range too
    // narrow for single precision also counts as empty instead of giving a flat scale.
    if (f(samples.axis_low) == f(samples.axis_high)) {
        dialogs.message(translated(params.translator, kind.warn1) + "\r" +
                            translated(params.translator, kind.warn2),
                        translated(params.translator, kWarningTitle));
        return;
    }
    if (kind.vertical) {
        draw_along_y(params, frame, kind, samples, pic);
    } else {
        draw_along_x(params, frame, kind, samples, pic);
    }
}

void draw_curve(const FieldParams& params, const Frame& frame, const ProfileKind& kind,
                const ProfileSamples& s, PictureBox& pic) {
    pic.pen_width = 2;
    // The start of the line itself is evaluated here, outside the samples and their extremes.
    const double start = line_start(frame, kind);
    const float f_start = value_at(params, kind, start);
    if (kind.vertical) {
        pic.dot(f_start, f(start));
    } else {
        pic.dot(f(start), f_start);
    }
    const int n = std::min(params.profile_steps, static_cast<int>(s.positions.size()) - 1);
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        if (kind.vertical) {
            pic.line(pic.current_x, pic.current_y, s.values[i], f(s.positions[i]), kCurveColour);
        } else {
            pic.line(pic.current_x, pic.current_y, f(s.positions[i]), s.values[i], kCurveColour);
        }
    }
    pic.pen_width = 1;
}

double profile_line_start(const Frame& frame, const ProfileKind& kind) {
    return line_start(frame, kind);
}

float profile_value(const FieldParams& params, const ProfileKind& kind, double pos) {
    return value_at(params, kind, pos);
}
