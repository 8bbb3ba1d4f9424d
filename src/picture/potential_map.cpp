#include "picture/potential_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "base/bit_cast.h"
#include "base/parallel.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The colour scale: positions 0, 1/4, 1/2, 3/4 and 1 on each side, joined linearly.
struct Rgb {
    double r, g, b;
};
constexpr std::array<Rgb, 5> kWarm = {{
    {250, 250, 250},
    {254, 237, 210},
    {253, 214, 160},
    {250, 182, 112},
    {240, 146, 82},
}};
constexpr std::array<Rgb, 5> kCool = {{
    {250, 250, 250},
    {229, 238, 250},
    {199, 220, 245},
    {162, 196, 236},
    {122, 165, 225},
}};

// The nearest power of ten times 1, 2 or 5 at or above v.
double round_up_125(double v) {
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        if (f * decade >= v * (1 - 1e-12)) {
            return f * decade;
        }
    }
    return 10 * decade;
}

// The colour table: 2^kMantissaBits entries per doubling of |V| from V0/4096 (white enough) up
// to Vmax (saturated), found from the bits of |V| as a float; positive entries, then negative.
constexpr int kMantissaBits = 5;
constexpr int kShift = 23 - kMantissaBits;

struct ColourTable {
    std::int32_t base = 0;  // the index bits of the first entry
    std::int32_t count = 0; // entries per sign
    std::vector<std::uint32_t> colours;

    explicit ColourTable(const PotentialScale& scale) {
        const float low = static_cast<float>(scale.linear_volts / 4096);
        const float high = static_cast<float>(scale.full_volts);
        base = static_cast<std::int32_t>(portable::bit_cast<std::uint32_t>(low) >> kShift);
        count =
            static_cast<std::int32_t>(portable::bit_cast<std::uint32_t>(high) >> kShift) - base + 2;
        colours.resize(2 * static_cast<std::size_t>(count));
        for (std::int32_t e = 0; e < count; ++e) {
            // Each entry takes the colour at the middle of its span of |V|.
            const auto bits = static_cast<std::uint32_t>(base + e) << kShift;
            const double from = portable::bit_cast<float>(bits);
            const double to = portable::bit_cast<float>(bits + (1u << kShift));
            const double v = e == 0 ? 0.0 : 0.5 * (from + to);
            colours[static_cast<std::size_t>(e)] = potential_colour(scale.position(v));
            colours[static_cast<std::size_t>(count + e)] = potential_colour(scale.position(-v));
        }
    }

    std::uint32_t of(float v) const {
        const std::uint32_t b = portable::bit_cast<std::uint32_t>(v);
        std::int32_t i = static_cast<std::int32_t>((b & 0x7fffffffu) >> kShift) - base;
        i = std::clamp(i, 0, count - 1);
        return colours[static_cast<std::size_t>((b >> 31) != 0 ? count + i : i)];
    }
};

// One row of pixels: x of pixel i is x_mid + (2i + 1 - width)*half_step.
struct RowJob {
    float kq1, kq2, a;
    float x_mid, half_step;
    int width;
};

void fill_row(const RowJob& job, const ColourTable& table, float y, std::uint32_t* out) {
    const float y2 = y * y + 1e-30f; // never 0/0 exactly at a charge
    int i = 0;
#if defined(__SSE2__)
    const __m128 kq1 = _mm_set1_ps(job.kq1);
    const __m128 kq2 = _mm_set1_ps(job.kq2);
    const __m128 a = _mm_set1_ps(job.a);
    const __m128 yy = _mm_set1_ps(y2);
    const __m128 mid = _mm_set1_ps(job.x_mid);
    const __m128 half = _mm_set1_ps(job.half_step);
    const __m128i magnitude = _mm_set1_epi32(0x7fffffff);
    const __m128i base = _mm_set1_epi32(table.base);
    const __m128i last = _mm_set1_epi32(table.count - 1);
    const __m128i count = _mm_set1_epi32(table.count);
    alignas(16) std::int32_t index[4];
    for (; i + 4 <= job.width; i += 4) {
        const float k0 = static_cast<float>(2 * i + 1 - job.width);
        const __m128 k = _mm_set_ps(k0 + 6, k0 + 4, k0 + 2, k0);
        const __m128 x = _mm_add_ps(mid, _mm_mul_ps(k, half));
        const __m128 d1 = _mm_add_ps(x, a);
        const __m128 d2 = _mm_sub_ps(x, a);
        const __m128 r1 = _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(d1, d1), yy));
        const __m128 r2 = _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(d2, d2), yy));
        const __m128 v = _mm_add_ps(_mm_div_ps(kq1, r1), _mm_div_ps(kq2, r2));
        const __m128i b = _mm_castps_si128(v);
        __m128i e = _mm_sub_epi32(_mm_srli_epi32(_mm_and_si128(b, magnitude), kShift), base);
        e = _mm_andnot_si128(_mm_srai_epi32(e, 31), e); // below the first entry: 0
        const __m128i over = _mm_cmpgt_epi32(e, last);
        e = _mm_or_si128(_mm_and_si128(over, last), _mm_andnot_si128(over, e));
        e = _mm_add_epi32(e, _mm_and_si128(_mm_srai_epi32(b, 31), count));
        _mm_store_si128(reinterpret_cast<__m128i*>(index), e);
        out[i] = table.colours[static_cast<std::size_t>(index[0])];
        out[i + 1] = table.colours[static_cast<std::size_t>(index[1])];
        out[i + 2] = table.colours[static_cast<std::size_t>(index[2])];
        out[i + 3] = table.colours[static_cast<std::size_t>(index[3])];
    }
#endif
    for (; i < job.width; ++i) {
        const float x = job.x_mid + static_cast<float>(2 * i + 1 - job.width) * job.half_step;
        const float d1 = x + job.a;
        const float d2 = x - job.a;
        const float v = job.kq1 / std::sqrt(d1 * d1 + y2) + job.kq2 / std::sqrt(d2 * d2 + y2);
        out[i] = table.of(v);
    }
}

constexpr int kRowsPerPiece = 16;

} // namespace

double PotentialScale::position(double volts) const {
    const double p =
        std::asinh(std::abs(volts) / linear_volts) / std::asinh(full_volts / linear_volts);
    return std::copysign(std::min(p, 1.0), volts);
}

PotentialScale potential_scale(const ChargePair& c, double start_radius) {
    const double q = std::max(std::abs(c.q1), std::abs(c.q2));
    PotentialScale s;
    s.full_volts = q > 0 ? round_up_125(c.coulomb_k * q / start_radius) : 1.0;
    s.linear_volts = s.full_volts / 1000;
    return s;
}

std::uint32_t potential_colour(double position) {
    const std::array<Rgb, 5>& stops = position < 0 ? kCool : kWarm;
    const double at = std::min(std::abs(position), 1.0) * 4;
    const int i = std::min(static_cast<int>(at), 3);
    const double f = at - i;
    const auto channel = [&](double Rgb::*c) {
        const double v = stops[i].*c + f * (stops[i + 1].*c - stops[i].*c);
        return static_cast<std::uint32_t>(std::lround(v));
    };
    return 0xff000000u | channel(&Rgb::r) << 16 | channel(&Rgb::g) << 8 | channel(&Rgb::b);
}

std::vector<LegendMark> potential_legend(const PotentialScale& scale) {
    std::vector<LegendMark> marks;
    for (const double v : {-1.0, -0.1, -0.01, 0.0, 0.01, 0.1, 1.0}) {
        const double volts = v * scale.full_volts;
        marks.push_back({volts, scale.position(volts)});
    }
    return marks;
}

void fill_potential_map(const ChargePair& charges, const PotentialScale& scale,
                        const PixelGrid& grid, std::uint32_t* pixels, std::size_t row_stride) {
    if (grid.width <= 0 || grid.height <= 0) {
        return;
    }
    const ColourTable table(scale);
    const RowJob job{static_cast<float>(charges.coulomb_k * charges.q1),
                     static_cast<float>(charges.coulomb_k * charges.q2),
                     static_cast<float>(charges.half_distance),
                     static_cast<float>((grid.x_left + grid.x_right) / 2),
                     static_cast<float>((grid.x_right - grid.x_left) / (2.0 * grid.width)),
                     grid.width};
    // Row j at y_mid + (height - 1 - 2j)*half_row: rows j and height - 1 - j are exact mirror
    // images when the picture is centred on the axis, and the lower one is copied.
    const double y_mid = (grid.y_top + grid.y_bottom) / 2;
    const double half_row = (grid.y_top - grid.y_bottom) / (2.0 * grid.height);
    const int rows = y_mid == 0 ? (grid.height + 1) / 2 : grid.height;
    const std::size_t pieces = static_cast<std::size_t>((rows + kRowsPerPiece - 1) / kRowsPerPiece);
    const PieceCompute<char> compute = [&](std::size_t piece, unsigned, char&) {
        const int end = std::min(rows, static_cast<int>(piece + 1) * kRowsPerPiece);
        for (int j = static_cast<int>(piece) * kRowsPerPiece; j < end; ++j) {
            const float y = static_cast<float>(y_mid + (grid.height - 1 - 2 * j) * half_row);
            std::uint32_t* row = pixels + static_cast<std::size_t>(j) * row_stride;
            fill_row(job, table, y, row);
            const int mirror = grid.height - 1 - j;
            if (y_mid == 0 && mirror != j) {
                std::memcpy(pixels + static_cast<std::size_t>(mirror) * row_stride, row,
                            static_cast<std::size_t>(grid.width) * sizeof(std::uint32_t));
            }
        }
    };
    const PieceTake<char> take = [](std::size_t, char&) { return true; };
    run_in_order(pieces, workers_for(pieces, 2), compute, take);
}
