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
// scratch:  the working values the computation leaves behind (after the bar: values that only
//           the drawing code itself reads; two builds may differ there and still agree on
//           everything a user sees).
//
// Two builds whose fingerprints agree up to the bar draw the same points and show the same
// numbers.
//
//   chargefield_digest [n_fi] [n_E] [threads] [stride] [output-file]
//
// `stride` > 1 takes every stride-th charge only (for large counts). Without an output file
// the lines go to standard output.
#include <algorithm>
#include <bit>
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
#include "base/dialogs.h"
#include "base/platform.h"
#include "model/module1.h"
#include "picture/compute.h"
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
            hash.add(std::bit_cast<std::uint32_t>(v));
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
    h.add(std::bit_cast<std::uint64_t>(v));
}
void add_float(Hash& h, float v) {
    h.add(std::bit_cast<std::uint32_t>(v));
}
template <class T> void add_optional(Hash& h, const std::optional<T>& v) {
    h.add(v.has_value());
    if (v) {
        h.add(*v);
    }
}

// What a picture leaves for the clicks after it: the frame and the charges' marks, and the
// tool-tip text the level count's heading shows.
void hash_picture_values(Hash& h, const Module1& m) {
    for (double v : {m.x_min, m.x_max, m.y_min, m.tick, m.n_tick, m.r0, m.q_ratio, m.sqrt_ratio}) {
        add_double(h, v);
    }
    add_float(h, m.y_max);
    add_float(h, m.tick_s);
    h.bytes(m.label7_tooltip.data(), m.label7_tooltip.size());
}

// The working values of the scans and the tracing, as the computation leaves them. The
// distance terms u1 and u2 are hashed apart: they are intermediate values of the slope.
void hash_scratch(Hash& h, const Module1& m) {
    for (double v : {m.i,    m.h,    m.h2,  m.fi_b1, m.fi_b2, m.fi_edge, m.fi_start, m.fi_end,
                     m.d_fi, m.x,    m.x0,  m.y0,    m.y0m,   m.theta,   m.rho0,     m.d_phi,
                     m.h_E,  m.dxdy, m.phi, m.r_cur, m.r_new, m.k1,      m.k2,       m.k3}) {
        add_double(h, v);
    }
    for (float v : {m.fi_lev, m.dfi, m.dfi_prev, m.y, m.d_theta, m.psi0, m.k4}) {
        add_float(h, v);
    }
}

// One action after the picture, on a box of its own: what it draws, the messages it shows,
// and then whatever `values` adds.
template <class Action, class Values>
void hash_action(Hash& h, Module1& m, Action action, Values values) {
    HashingBox box;
    Silent dialogs;
    action(box, dialogs);
    h.add(box.count);
    h.add(box.hash.h);
    h.add(dialogs.shown.h);
    values(h, m);
}

void hash_clicks(Hash& h, Module1& m) {
    hash_action(
        h, m, [&](PictureBox& pic, Dialogs& d) { zero_potential_click(m, pic, d); },
        [](Hash& hh, const Module1& mm) {
            add_optional(hh, mm.x_c);
            add_optional(hh, mm.R_c);
        });
    hash_action(
        h, m, [&](PictureBox& pic, Dialogs& d) { zero_field_click(m, pic, d); },
        [](Hash& hh, const Module1& mm) {
            for (double v : {mm.x_E0, mm.y_1, mm.x_1, mm.x_2, mm.fi_E0}) {
                add_double(hh, v);
            }
        });
    hash_action(
        h, m, [&](PictureBox& pic, Dialogs& d) { field_direction_click(m, pic, d); },
        [](Hash& hh, const Module1& mm) {
            add_optional(hh, mm.x_cy);
            add_optional(hh, mm.R_cy);
        });
    hash_action(
        h, m, [&](PictureBox& pic, Dialogs&) { line_fi_user(m, pic); },
        [](Hash&, const Module1&) {});
}

void hash_profiles(Hash& h, Module1& m) {
    for (const ProfileKind& kind : kProfiles) {
        hash_action(
            h, m, [&](PictureBox& pic, Dialogs& d) { draw_profile(m, kind, pic, d); },
            [&kind](Hash& hh, const Module1& mm) {
                const profile_state& s = mm.prof[to_index(kind.id)];
                for (double v : s.arg) {
                    add_double(hh, v);
                }
                for (float v : s.val) {
                    add_float(hh, v);
                }
                for (float v : {s.v_max, s.v_min, s.d_val}) {
                    add_float(hh, v);
                }
                for (double v : {s.d_arg, s.v_lo, s.v_hi}) {
                    add_double(hh, v);
                }
            });
    }
}

} // namespace

int main(int argc, char** argv) {
    const double n_fi = argc > 1 ? std::atof(argv[1]) : 11;
    const int n_E = argc > 2 ? std::atoi(argv[2]) : 6;
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
                Module1 m;
                set_model_defaults(m);
                m.line_kind = 3;
                m.n_fi = n_fi;
                m.n_E = static_cast<std::int16_t>(n_E);
                // As the scroll bars set them.
                m.q1 = q1_pos * 0.05;
                m.q2 = q2_pos * 0.05;
                m.L = L_pos * 0.5;
                HashingBox box;
                Silent silent;
                compute_picture(m, box, silent, silent);
                Hash values;
                values.add(silent.shown.h);
                hash_picture_values(values, m);
                Hash scratch;
                hash_scratch(scratch, m);
                Hash terms;
                add_double(terms, m.u1);
                add_double(terms, m.u2);
                Hash clicks;
                hash_clicks(clicks, m);
                Hash profiles;
                hash_profiles(profiles, m);
                const auto hex = [](const Hash& hh) {
                    return static_cast<unsigned long long>(hh.h);
                };
                std::fprintf(out,
                             "%d %d %d %llu %016llx %016llx %016llx %016llx | %016llx %016llx\n",
                             q1_pos, q2_pos, L_pos, static_cast<unsigned long long>(box.count),
                             hex(box.hash), hex(values), hex(clicks), hex(profiles), hex(scratch),
                             hex(terms));
            }
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
