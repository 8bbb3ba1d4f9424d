// x^y the same on every machine: the bits of the C library's fused variant where it differs from
// the others, the special values, and never more than one unit in the last place from this
// machine's pow.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "base/bit_cast.h"
#include "base/portable_pow.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PortablePow, KnownValues) {
    struct Row {
        const char* name;
        double x, y, want;
    };
    const Row rows[] = {
        // sqrt(0.65)^(2/3): the exact value lies 0.4987 units in the last place above ...343;
        // the unfused variant (and musl's pow) rounds it up to ...344.
        {"the Ey = 0 circle of q1 = -1, q2 = 0.65", 0x1.9cc99ff02c481p-1, 2.0 / 3,
         0x1.bb83b127e9343p-1},
        // Exactly ...28f would be nearer; every variant gives ...290.
        {"not the nearest, but the same", 0x1.50732da4e705dp+0, 4.0 / 3, 0x1.70895be42b290p+0},
        // Below 2^-1022 times 2^-7 the result is rounded once at its own precision.
        {"scaled into a small result", 0x1.0d0c470ec3c45p-1, 0x1.e4p+9, 0x1.57960c2279a6cp-899},
        {"square root", 2, 0.5, 0x1.6a09e667f3bcdp+0},
        {"odd power of a negative number", -2, 3, -8},
        {"even power of a negative number", -2, 2, 4},
        {"fractional power of a negative number", -8, 1.0 / 3, NAN},
        {"zero to a negative power", 0, -1, kInf},
        {"minus zero to an odd negative power", -0.0, -3, -kInf},
        {"anything to the power 0", NAN, 0, 1},
        {"1 to any power", 1, NAN, 1},
        {"overflow", 10, 400, kInf},
        {"underflow", 10, -400, 0},
        {"a subnormal result", 2, -1074, DBL_TRUE_MIN},
        {"a subnormal base", DBL_TRUE_MIN, 0.5, 0x1p-537},
        {"below 1 to the power infinity", 0.5, kInf, 0},
        {"a tiny power", 3, 0x1p-70, 1},
    };
    for (const Row& r : rows) {
        const double got = portable::pow(r.x, r.y);
        if (std::isnan(r.want)) {
            EXPECT_TRUE(std::isnan(got)) << r.name;
        } else {
            EXPECT_EQ(portable::bit_cast<std::uint64_t>(got),
                      portable::bit_cast<std::uint64_t>(r.want))
                << r.name << ": " << got;
        }
    }
}

// Whatever variant this machine's pow is, both are within half a unit and a little of the exact
// value: never a whole unit apart.
TEST(PortablePow, WithinOneUnitOfThisMachinesPow) {
    std::mt19937_64 random(26);
    std::uniform_real_distribution<double> base(0, 20);
    const double powers[] = {1.0 / 3, 2.0 / 3, 4.0 / 3, 1.5, -0.5, 7.25};
    int far = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = base(random);
        const double y = i % 7 == 0 ? std::ldexp(base(random) - 10, -3) : powers[i % 6];
        const double mine = portable::pow(x, y);
        const double theirs = std::pow(x, y);
        if (mine != theirs && std::nextafter(mine, theirs) != theirs) {
            ++far;
        }
    }
    EXPECT_EQ(far, 0);
}

} // namespace
