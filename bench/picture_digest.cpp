// Fingerprints of the field pictures on the whole grid of charges (-1 to 1 by 0.05 nC) and
// region sizes (1 to 7 by 0.5 m): for each, a hash of every primitive the computation command
// draws (kind, coordinates to the bit, colour, width, text) and a hash of the working values it
// leaves in the record. Two builds whose fingerprints agree draw the same points and leave the
// same record; `compare_pictures.sh` runs this in two builds and compares.
//
//   chargefield_digest [n_fi] [n_E] [threads] [stride]
//
// `stride` > 1 takes every stride-th charge only (for large counts).
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "model/module1.h"
#include "picture/compute.h"
#include "picture/dialogs.h"
#include "picture/platform.h"
#if __has_include("picture/parallel.h")
#include "picture/parallel.h"
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
    void Scale(float x1, float y1, float x2, float y2) override {
        put('S', x1, y1, x2, y2, 0);
        CurrentX = x1;
        CurrentY = y1;
    }
    void Cls() override { put('C', 0, 0, 0, 0, 0); }
    void Line(float x1, float y1, float x2, float y2, Colour c) override {
        put('L', x1, y1, x2, y2, c);
        CurrentX = x2;
        CurrentY = y2;
    }
    void PSet(float x, float y) override {
        put('P', x, y, 0, 0, ForeColor);
        CurrentX = x;
        CurrentY = y;
    }
    void PSet(float x, float y, Colour c) override {
        put('p', x, y, 0, 0, c);
        CurrentX = x;
        CurrentY = y;
    }
    void Circle(float x, float y, float r, Colour c) override {
        put('O', x, y, r, static_cast<float>(FillStyle), c);
        hash.add(FillColor);
        CurrentX = x;
        CurrentY = y;
    }
    void Print(std::string_view text) override {
        put('T', CurrentX, CurrentY, 0, 0, 0);
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
        hash.add(DrawWidth);
    }
};

struct Silent : Dialogs, Platform {
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
    bool open_document(const std::string&) override { return true; }
    bool show_text_file(const std::string&) override { return true; }
    bool tone(int, int) override { return true; }
};

// The working values of the scans and the tracing, as the computation leaves them. The
// distance terms u1 and u2 are hashed apart: they are intermediate values of the slope.
void hash_record(Hash& h, const Module1& m) {
    for (double v :
         {m.x_min,      m.x_max, m.y_min, m.tick,  m.n_tick, m.i,       m.r0,       m.q_ratio,
          m.sqrt_ratio, m.h,     m.h2,    m.fi_b1, m.fi_b2,  m.fi_edge, m.fi_start, m.fi_end,
          m.d_fi,       m.x,     m.x0,    m.y0,    m.y0m,    m.theta,   m.rho0,     m.d_phi,
          m.h_E,        m.dxdy,  m.phi,   m.r_cur, m.r_new,  m.k1,      m.k2,       m.k3}) {
        h.add(std::bit_cast<std::uint64_t>(v));
    }
    for (float v : {m.y_max, m.tick_s, m.fi_lev, m.dfi, m.dfi_prev, m.y, m.d_theta, m.psi0, m.k4}) {
        h.add(std::bit_cast<std::uint32_t>(v));
    }
    h.bytes(m.label7_tooltip.data(), m.label7_tooltip.size());
}

} // namespace

int main(int argc, char** argv) {
    const double n_fi = argc > 1 ? std::atof(argv[1]) : 11;
    const int n_E = argc > 2 ? std::atoi(argv[2]) : 6;
#ifdef CHARGEFIELD_HAS_WORKERS
    set_worker_limit(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0);
#endif
    const int stride = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;
    Silent silent;
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
                compute_picture(m, box, silent, silent);
                Hash record;
                hash_record(record, m);
                Hash terms;
                terms.add(std::bit_cast<std::uint64_t>(m.u1));
                terms.add(std::bit_cast<std::uint64_t>(m.u2));
                std::printf("%d %d %d %llu %016llx %016llx %016llx\n", q1_pos, q2_pos, L_pos,
                            static_cast<unsigned long long>(box.count),
                            static_cast<unsigned long long>(box.hash.h),
                            static_cast<unsigned long long>(record.h),
                            static_cast<unsigned long long>(terms.h));
            }
        }
    }
    return 0;
}
