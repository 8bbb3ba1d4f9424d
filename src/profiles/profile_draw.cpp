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

float value_at(const Module1& m, const ProfileKind& kind, double pos) {
    return bounded(kind.vertical ? kind.f(m, m.X_fix, pos) : kind.f(m, pos, m.Y_fix));
}

double line_start(const Module1& m, const ProfileKind& kind) {
    return kind.vertical ? m.y_min : m.x_min;
}

double line_end(const Module1& m, const ProfileKind& kind) {
    return kind.vertical ? static_cast<double>(m.y_max) : m.x_max;
}

// Int(n_tick / 2): the number of grid steps from the centre to the edge of the region.
int half_ticks(double n_tick) {
    const double h = std::floor(n_tick / 2);
    return std::isfinite(h) ? static_cast<int>(std::clamp(h, -1e6, 1e6)) : 0;
}

void print_extremes(const Module1& m, const ProfileKind& kind, const profile_state& s,
                    PictureBox& pic, float x) {
    pic.text(std::string(kind.max_caption) + format_fixed(s.v_max, 2, m.dec_sep) + kind.unit);
    pic.current_x = x;
    pic.text(std::string(kind.min_caption) + format_fixed(s.v_min, 2, m.dec_sep) + kind.unit);
}

// Windows on y = Y_fix: position across, value upward.
void draw_along_x(Module1& m, const ProfileKind& kind, profile_state& s, PictureBox& pic) {
    const AxisConstants& c = kind.axes;
    const double v_lo = s.v_lo;
    const double v_hi = s.v_hi;
    pic.set_scale(f(m.x_min), f(v_hi), f(m.x_max), f(v_lo));
    s.d_val = f((v_hi - v_lo) / m.n_ax);
    const double dv = s.d_val;
    const bool no_negative = v_lo >= 0;

    // Position grid one tick apart, labelled every second line.
    const int half = half_ticks(m.n_tick);
    const double y_lab = no_negative ? c.xlab_dval * dv + c.xlab_vhi * v_hi : 0;
    for (int i = 1 - half; loop_goes_on(i, half - 1, 1); ++i) {
        const double x = i * m.tick;
        pic.line(f(x), f(v_hi), f(x), f(v_lo), kGridColour);
        pic.dot(f(2 * i * m.tick - m.tick / 4), f(y_lab));
        if (i != 0) {
            pic.text(format_fixed(2 * i * m.tick, 1, m.dec_sep));
        }
    }
    // Value grid anchored at 0, labelled every second line.
    for (int i = 1 - m.n_ax; loop_goes_on(i, m.n_ax - 1, 1); ++i) {
        pic.line(f(m.x_min), f(i * dv), f(m.x_max), f(i * dv), kGridColour);
        pic.dot(f(-0.15 * m.x_max), f(2 * i * dv + 0.2 * dv));
        if (i != 0) {
            pic.text(format_fixed(2 * i * dv, 1, m.dec_sep));
        }
    }

    pic.pen_width = 2;
    const double axis_y = no_negative ? c.axis_lift * dv : 0;
    pic.line(f(m.x_min), f(axis_y), f(m.x_max), f(axis_y), kAxisColour);
    pic.line(0, f(v_lo), 0, f(v_hi), kAxisColour);
    pic.pen_width = 1;

    pic.current_x = f(0.85 * m.x_max);
    pic.current_y = f(no_negative ? c.xtitle_dval * dv : -0.3 * dv);
    pic.text(kind.position_title);
    pic.current_x = f(0.01 * m.x_max);
    pic.current_y = f(v_hi > 0 ? 0.99 * v_hi : c.vtitle_lo * v_lo + c.vtitle_dval * dv);
    pic.text(kind.value_title);

    draw_curve(m, kind, pic);

    pic.current_x = f(m.x_min);
    pic.current_y = f(c.ext_hi * v_hi + c.ext_lo * v_lo);
    print_extremes(m, kind, s, pic, f(m.x_min));
}

// Windows on x = X_fix: value across, position upward, as the line lies in the main picture.
void draw_along_y(Module1& m, const ProfileKind& kind, profile_state& s, PictureBox& pic) {
    const double v_lo = s.v_lo;
    const double v_hi = s.v_hi;
    pic.set_scale(f(v_lo), m.y_max, f(v_hi), f(m.y_min));
    s.d_val = f((v_hi - v_lo) / m.n_ax);
    const double dv = s.d_val;

    for (int i = 1 - m.n_ax; loop_goes_on(i, m.n_ax - 1, 1); ++i) {
        pic.line(f(i * dv), m.y_max, f(i * dv), f(m.y_min), kGridColour);
        pic.dot(f(2 * i * dv - dv / 4), 0);
        if (i != 0) {
            pic.text(format_fixed(2 * i * dv, 1, m.dec_sep));
        }
    }
    const int half = kind.position_grid_by_n_ax ? m.n_ax : half_ticks(m.n_tick);
    const double ts = m.tick_s;
    const bool mostly_positive = v_hi >= std::abs(v_lo);
    const double x_lab = mostly_positive ? 0 : 0.08 * v_lo;
    for (int i = 1 - half; loop_goes_on(i, half - 1, 1); ++i) {
        pic.line(f(v_lo), f(i * ts), f(v_hi), f(i * ts), kGridColour);
        pic.dot(f(x_lab), f(2 * i * ts + 0.2 * ts));
        if (i != 0) {
            pic.text(format_fixed(2 * i * ts, 1, m.dec_sep));
        }
    }

    pic.pen_width = 2;
    pic.line(f(v_lo), 0, f(v_hi), 0, kAxisColour);
    pic.line(0, f(m.y_min), 0, m.y_max, kAxisColour);
    pic.pen_width = 1;

    pic.current_x = f(v_hi < std::abs(v_lo) ? v_lo : 0.6 * v_hi);
    pic.current_y = f(0.7 * ts);
    pic.text(kind.value_title);
    pic.current_x = f(mostly_positive ? 0.05 * v_hi : 0.15 * v_lo);
    pic.current_y = f(0.95 * m.y_max);
    pic.text(kind.position_title);

    draw_curve(m, kind, pic);

    pic.current_x = f(v_lo);
    pic.current_y = f(2 * static_cast<double>(m.y_max) / 3);
    print_extremes(m, kind, s, pic, f(v_lo));
}

} // namespace

void sample_profile(Module1& m, const ProfileKind& kind, Progress& progress) {
    profile_state& s = m.prof[to_index(kind.id)];
    const int n = m.n_pts;
    // Resizing keeps the vectors' storage, so a redraw allocates nothing after the first.
    const std::size_t size = n > 0 ? static_cast<std::size_t>(n) + 1 : 1;
    s.arg.assign(size, 0.0);
    s.val.assign(size, 0.0f);
    s.v_max = 0;
    s.v_min = 0;
    const double lo = line_start(m, kind);
    s.d_arg = (line_end(m, kind) - lo) / n;
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        if (i % kSamplesPerReport == 0 && !progress.report(static_cast<double>(i) / n)) {
            return;
        }
        s.arg[i] = lo + i * s.d_arg;
        s.val[i] = value_at(m, kind, s.arg[i]);
        if (s.val[i] > s.v_max) {
            s.v_max = s.val[i];
        }
        if (s.val[i] < s.v_min) {
            s.v_min = s.val[i];
        }
    }
    const double factor = m.*kind.mash;
    s.v_hi = factor * (s.v_max * 1.01);
    s.v_lo = factor * (s.v_min * 1.01);
}

void draw_profile(Module1& m, const ProfileKind& kind, PictureBox& pic, Dialogs& dialogs,
                  Progress& progress) {
    if (kind.opposite_message != nullptr && m.q2 == -m.q1 && m.X_fix == 0) {
        dialogs.message(kind.opposite_message, kWarningTitle);
        return;
    }
    sample_profile(m, kind, progress);
    if (progress.stopped()) {
        return;
    }
    profile_state& s = m.prof[to_index(kind.id)];
    // No field along the line. Compared as the picture's scale sees them, so that a range too
    // narrow for single precision also counts as empty instead of giving a flat scale.
    if (f(s.v_lo) == f(s.v_hi)) {
        dialogs.message(std::string(kind.warn1) + "\r" + kind.warn2, kWarningTitle);
        return;
    }
    if (kind.vertical) {
        draw_along_y(m, kind, s, pic);
    } else {
        draw_along_x(m, kind, s, pic);
    }
}

void draw_curve(Module1& m, const ProfileKind& kind, PictureBox& pic) {
    const profile_state& s = m.prof[to_index(kind.id)];
    pic.pen_width = 2;
    // The start of the line itself is evaluated here, outside the samples and their extremes.
    const double start = line_start(m, kind);
    const float f_start = value_at(m, kind, start);
    if (kind.vertical) {
        pic.dot(f_start, f(start));
    } else {
        pic.dot(f(start), f_start);
    }
    const int n = std::min(m.n_pts, static_cast<int>(s.arg.size()) - 1);
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        if (kind.vertical) {
            pic.line(pic.current_x, pic.current_y, s.val[i], f(s.arg[i]), kCurveColour);
        } else {
            pic.line(pic.current_x, pic.current_y, f(s.arg[i]), s.val[i], kCurveColour);
        }
    }
    pic.pen_width = 1;
}

double profile_line_start(const Module1& m, const ProfileKind& kind) {
    return line_start(m, kind);
}

float profile_value(const Module1& m, const ProfileKind& kind, double pos) {
    return value_at(m, kind, pos);
}
