// Fingerprints of everything the program draws and shows on the whole grid of charges (-1 to 1
// by 0.05 nC) and region sizes (1 to 7 by 0.5 m). For each configuration, one line:
//
//   q1_pos q2_pos L_pos primitives picture values clicks profiles | scratch terms
//
// picture:  every primitive the computation command draws (kind, coordinates to the bit,
//           colour, width, text);
// values:   the values the picture leaves for later clicks (frame extent and ticks, the
//           charges' marks and ratio) and the tool-tip of the level count;
// clicks:   after that picture, the zero-potential line, the zero-field point and the lines of
//           vertical and horizontal field, each with what it draws, the messages it shows and
//           the values it keeps; then the equipotential of the chosen potential;
// profiles: the six profile graphs: what each draws, its warnings and its samples;
// scratch:  after the bar, zeros: the working values of the computation are its own, kept
//           nowhere (builds that left them in a shared record hashed them here; two builds may
//           differ there and still agree on everything a user sees).
//
// Two builds whose fingerprints agree up to the bar draw the same points and show the same
// numbers.
//
//   chargefield_digest [level intervals] [lines per charge] [threads] [stride] [output-file]
//
// `stride` > 1 takes every stride-th charge only (for large counts). Without an output file
// the lines go to standard output.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "analysis/field_direction_lines.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "base/bit_cast.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "model/field_params.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "profiles/profile_draw.h"
#if __has_include("base/parallel.h")
#include "base/parallel.h"
#define CHARGEFIELD_HAS_WORKERS 1
#endif

namespace {

// FNV-1a over the bytes of the values given.
struct Hash {
    std::uint64_t h = 1469598103934665603ull;
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h = (h ^ b[i]) * 1099511628211ull;
        }
    }
    template <class T> void add(T v) {
        static_assert(std::is_trivially_copyable_v<T>);
        bytes(&v, sizeof v);
    }
};

class HashingBox : public PictureBox {
  public:
    Hash hash;
    std::uint64_t count = 0;

  protected:
    void on_scale(float x1, float y1, float x2, float y2) override { put('S', x1, y1, x2, y2, 0); }
    void on_clear() override { put('C', 0, 0, 0, 0, 0); }
    void on_line(float x1, float y1, float x2, float y2, Colour c) override {
        put('L', x1, y1, x2, y2, c);
    }
    void on_dot(float x, float y, Colour c, bool in_foreground) override {
        put(in_foreground ? 'P' : 'p', x, y, 0, 0, c);
    }
    void on_circle(float x, float y, float r, Colour c) override {
        // The fill as a number: 0 filled, 1 transparent.
        put('O', x, y, r, filled ? 0.0f : 1.0f, c);
        hash.add(fill_colour);
    }
    void on_text(std::string_view text) override {
        put('T', current_x, current_y, 0, 0, 0);
        hash.bytes(text.data(), text.size());
    }

  private:
    void put(char kind, float a, float b, float c, float d, Colour colour) {
        ++count;
        hash.add(kind);
        for (float v : {a, b, c, d}) {
            hash.add(portable::bit_cast<std::uint32_t>(v));
        }
        hash.add(colour);
        hash.add(pen_width);
    }
};

// Hashes every message shown; answers No.
struct Silent : Dialogs, Platform {
    Hash shown;
    void message(const std::string& text, const std::string& title) override {
        shown.bytes(text.data(), text.size());
        shown.add('|');
        shown.bytes(title.data(), title.size());
        shown.add('#');
    }
    bool ask_yes_no(const std::string& text, const std::string& title) override {
        message(text, title);
        return false;
    }
    bool open_document(const std::string&) override { return true; }
    bool show_text_file(const std::string&) override { return true; }
    bool tone(int, int) override { return true; }
};

void add_double(Hash& h, double v) {
    h.add(portable::bit_cast<std::uint64_t>(v));
}
void add_float(Hash& h, float v) {
    h.add(portable::bit_cast<std::uint32_t>(v));
}
template <class T> void add_optional(Hash& h, const std::optional<T>& v) {
    h.add(v.has_value());
    if (v) {
        h.add(*v);
    }
}

// What a picture leaves for the clicks after it: the frame and the charges' marks, and the
// tip the level count's heading shows (the one it had when no step was counted).
void hash_picture_values(Hash& h, const FieldPicture& picture,
                         const std::optional<std::string>& level_step) {
    const Frame& f = picture.frame;
    const ChargeMarks& c = picture.charges;
    for (double v : {f.x_min, f.x_max, f.y_min, f.grid_step, f.grid_steps, c.charge_radius,
                     c.charge_ratio, c.sqrt_charge_ratio}) {
        add_double(h, v);
    }
    add_float(h, f.y_max);
    add_float(h, f.grid_step_single);
    const std::string tip = level_step.value_or(kLevelStepUnknown.text);
    h.bytes(tip.data(), tip.size());
}

// One action after the picture, on a box of its own: what it draws, the messages it shows,
// and then whatever `values` adds.
template <class Action, class Values> void hash_action(Hash& h, Action action, Values values) {
    HashingBox box;
    Silent dialogs;
    action(box, dialogs);
    h.add(box.count);
    h.add(box.hash.h);
    h.add(dialogs.shown.h);
    values(h);
}

void hash_clicks(Hash& h, const FieldParams& p, const FieldPicture& picture) {
    CharacteristicResults r;
    hash_action(
        h, [&](PictureBox& pic, Dialogs& d) { show_zero_potential_line(p, picture, r, pic, d); },
        [&r](Hash& hh) {
            add_optional(hh, r.zero_potential_centre);
            add_optional(hh, r.zero_potential_radius);
        });
    hash_action(
        h, [&](PictureBox& pic, Dialogs& d) { show_zero_field_point(p, picture, r, pic, d); },
        [&r](Hash& hh) {
            for (double v : {r.zero_field_x, r.level_crossing_y, r.level_crossing_left,
                             r.level_crossing_right, r.zero_field_potential}) {
                add_double(hh, v);
            }
        });
    hash_action(
        h, [&](PictureBox& pic, Dialogs& d) { show_field_direction_lines(p, picture, r, pic, d); },
        [&r](Hash& hh) {
            add_optional(hh, r.horizontal_field_centre);
            add_optional(hh, r.horizontal_field_radius);
        });
    hash_action(
        h, [&](PictureBox& pic, Dialogs&) { draw_chosen_equipotential(p, picture.frame, pic); },
        [](Hash&) {});
}

void hash_profiles(Hash& h, const FieldParams& p, const Frame& frame) {
    for (const ProfileKind& kind : kProfiles) {
        ProfileSamples s;
        hash_action(
            h, [&](PictureBox& pic, Dialogs& d) { draw_profile(p, frame, kind, 1, s, pic, d); },
            [&s](Hash& hh) {
                for (double v : s.positions) {
                    add_double(hh, v);
                }
                for (float v : s.values) {
                    add_float(hh, v);
                }
                for (float v : {s.max_value, s.min_value, s.value_grid_step}) {
                    add_float(hh, v);
                }
                for (double v : {s.position_step, s.axis_low, s.axis_high}) {
                    add_double(hh, v);
                }
            });
    }
}

} // namespace

int main(int argc, char** argv) {
    const double level_intervals = argc > 1 ? std::atof(argv[1]) : 11;
    const int lines_per_charge = argc > 2 ? std::atoi(argv[2]) : 6;
#ifdef CHARGEFIELD_HAS_WORKERS
    set_worker_limit(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0);
#endif
    const int stride = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;
    std::FILE* out = stdout;
    if (argc > 5) {
        out = std::fopen(argv[5], "w");
        if (out == nullptr) {
            std::perror(argv[5]);
            return 2;
        }
    }
    for (int L_pos = 2; L_pos <= 14; ++L_pos) {
        for (int q1_pos = -20; q1_pos <= 20; q1_pos += stride) {
            for (int q2_pos = -20; q2_pos <= 20; q2_pos += stride) {
                FieldParams p;
                p.families = LineFamilies::Both;
                p.level_intervals = level_intervals;
                p.lines_per_charge = static_cast<std::int16_t>(lines_per_charge);
                // As the scroll bars set them.
                p.q1 = q1_pos * 0.05;
                p.q2 = q2_pos * 0.05;
                p.half_width = L_pos * 0.5;
                HashingBox box;
                Silent silent;
                FieldPicture picture;
                const std::optional<std::string> level_step =
                    compute_picture(p, picture, box, silent, silent);
                Hash values;
                values.add(silent.shown.h);
                hash_picture_values(values, picture, level_step);
                Hash clicks;
                hash_clicks(clicks, p, picture);
                Hash profiles;
                hash_profiles(profiles, p, picture.frame);
                const auto hex = [](const Hash& hh) {
                    return static_cast<unsigned long long>(hh.h);
                };
                std::fprintf(out,
                             "%d %d %d %llu %016llx %016llx %016llx %016llx | %016llx %016llx\n",
                             q1_pos, q2_pos, L_pos, static_cast<unsigned long long>(box.count),
                             hex(box.hash), hex(values), hex(clicks), hex(profiles), 0ull, 0ull);
            }
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
