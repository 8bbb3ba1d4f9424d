// Floating-point numbers to text and back: the standard library's way and the C library's
// stand-in (for standard libraries without them) write and read the same bytes.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "base/bit_cast.h"
#include "base/float_chars.h"

namespace {

template <class T> std::string shortest_text(T v) {
    char buf[400];
    const auto r = c_library_chars::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string precise_text(double v, std::chars_format format, int precision) {
    char buf[400];
    const auto r = c_library_chars::to_chars(buf, buf + sizeof buf, v, format, precision);
    return std::string(buf, r.ptr);
}

// The stand-in against texts known from the C and C++ standards' rules; the same table holds for
// the standard library's way (compared below) and so for every build.
TEST(FloatChars, KnownTexts) {
    struct Shortest {
        const char* name;
        double value;
        const char* text;
    };
    const Shortest doubles[] = {
        {"zero", 0.0, "0"},
        {"minus zero", -0.0, "-0"},
        {"a scroll step's sum", 6 * 0.05, "0.30000000000000004"},
        {"tie of lengths: fixed", 0.001, "0.001"},
        {"scientific shorter", 0.0001, "1e-04"},
        {"whole number, fixed", 1e15 + 1, "1000000000000001"},
        {"power of ten, scientific", 1e16, "1e+16"},
        {"fixed shows every digit of the whole value", 123456789012345677877.0,
         "123456789012345683968"},
        {"smallest subnormal", 4.9406564584124654e-324, "5e-324"},
        {"largest", DBL_MAX, "1.7976931348623157e+308"},
        {"smallest normal", DBL_MIN, "2.2250738585072014e-308"},
        // The nearest 16 digits, ...044, read back as the double below: the neighbours of a power
        // of two are not equally far.
        {"power of two, nearest digits too low", std::ldexp(1.0, -1017), "7.120236347223045e-307"},
        {"infinity", -INFINITY, "-inf"},
    };
    for (const Shortest& c : doubles) {
        EXPECT_EQ(shortest_text(c.value), c.text) << c.name;
    }
    EXPECT_EQ(shortest_text(0.1f), "0.1");
    EXPECT_EQ(shortest_text(123456790528.0f), "123456790528");
    EXPECT_EQ(shortest_text(FLT_MAX), "3.4028235e+38");
    EXPECT_EQ(shortest_text(-1e-45f), "-1e-45");

    struct Precise {
        const char* name;
        double value;
        std::chars_format format;
        int precision;
        const char* text;
    };
    const Precise precise[] = {
        {"halfway rounds to even", 0.125, std::chars_format::scientific, 1, "1.2e-01"},
        {"halfway rounds to even, up", 0.375, std::chars_format::scientific, 1, "3.8e-01"},
        {"below halfway", 1.005, std::chars_format::scientific, 2, "1.00e+00"},
        {"general drops zeros", 0.3, std::chars_format::general, 15, "0.3"},
        {"general's exponent", 1e21, std::chars_format::general, 15, "1e+21"},
        {"general, precision 0 as 1", 25.0, std::chars_format::general, 0, "2e+01"},
        {"fixed", 1234567.0, std::chars_format::fixed, 2, "1234567.00"},
    };
    for (const Precise& c : precise) {
        EXPECT_EQ(precise_text(c.value, c.format, c.precision), c.text) << c.name;
    }

    struct Read {
        const char* name;
        const char* text;
        std::errc ec;
        int used;     // characters read
        double value; // what the variable holds after (7 when untouched)
    };
    const Read reads[] = {
        {"beyond the largest", "1e400", std::errc::result_out_of_range, 5, 7},
        {"just beyond the largest", "1.7976931348623159e308", std::errc::result_out_of_range, 22,
         7},
        {"below half the smallest", "2.4703282292062327e-324", std::errc::result_out_of_range, 23,
         7},
        {"half the smallest rounds up", "2.4703282292062328e-324", std::errc(), 23,
         4.9406564584124654e-324},
        {"subnormal", "1e-310", std::errc(), 6, 1e-310},
        {"zero with any exponent", "0e999999", std::errc(), 8, 0},
        {"exponent without digits", "1e+", std::errc(), 1, 1},
        {"no integer digits", ".5x", std::errc(), 2, 0.5},
        {"no digits", "-.e1", std::errc::invalid_argument, 0, 7},
        {"no plus sign", "+1", std::errc::invalid_argument, 0, 7},
        {"no hexadecimal", "0x10", std::errc(), 1, 0},
        {"infinity", "-Infinity", std::errc(), 9, -INFINITY},
    };
    for (const Read& c : reads) {
        double v = 7;
        const std::string text = c.text;
        const auto r = c_library_chars::from_chars(text.data(), text.data() + text.size(), v);
        EXPECT_EQ(r.ec, c.ec) << c.name;
        EXPECT_EQ(r.ptr - text.data(), c.used) << c.name;
        EXPECT_EQ(v, c.value) << c.name;
    }
}

#ifdef __cpp_lib_to_chars

// Random and edge values, each written and read both ways; mismatches are counted and the first
// few shown.
class BothWays {
  public:
    ~BothWays() {
        EXPECT_EQ(mismatches_, 0u) << first_;
        EXPECT_GE(inputs_, 1000000u);
    }

    template <class T> void shortest(T v) {
        char a[400], b[400];
        const auto ra = std::to_chars(a, a + sizeof a, v);
        const auto rb = c_library_chars::to_chars(b, b + sizeof b, v);
        check(std::string(a, ra.ptr), std::string(b, rb.ptr), v, "shortest");
    }

    void precise(double v, std::chars_format format, int precision) {
        char a[400], b[400];
        const auto ra = std::to_chars(a, a + sizeof a, v, format, precision);
        const auto rb = c_library_chars::to_chars(b, b + sizeof b, v, format, precision);
        check(std::string(a, ra.ptr), std::string(b, rb.ptr), v, "precision");
    }

    void read(const std::string& text) {
        double a = 7, b = 7;
        const char* end = text.data() + text.size();
        const auto ra = std::from_chars(text.data(), end, a);
        const auto rb = c_library_chars::from_chars(text.data(), end, b);
        const auto as_text = [&text](const auto& r, double v) {
            char buf[80];
            std::snprintf(buf, sizeof buf, " ec %d, read %d, bits %016llx", static_cast<int>(r.ec),
                          static_cast<int>(r.ptr - text.data()),
                          static_cast<unsigned long long>(portable::bit_cast<std::uint64_t>(v)));
            return std::string(buf);
        };
        check(as_text(ra, a), as_text(rb, b), text, "read");
    }

  private:
    template <class V>
    void check(const std::string& a, const std::string& b, V v, const char* what) {
        ++inputs_;
        if (a != b && ++mismatches_ <= 10) {
            if constexpr (std::is_same_v<V, std::string>) {
                first_ += std::string(what) + " \"" + v + "\": ";
            } else {
                char buf[40];
                std::snprintf(buf, sizeof buf, "%a", static_cast<double>(v));
                first_ += std::string(what) + ' ' + buf + ": ";
            }
            first_ += a + " / " + b + '\n';
        }
    }
    std::size_t inputs_ = 0;
    std::size_t mismatches_ = 0;
    std::string first_;
};

TEST(FloatChars, BothWaysWriteAndReadTheSameBytes) {
    BothWays both;
    std::mt19937_64 random(26);
    const auto any_double = [&random] {
        return portable::bit_cast<double>(static_cast<std::uint64_t>(random()));
    };
    const std::chars_format formats[] = {std::chars_format::scientific, std::chars_format::fixed,
                                         std::chars_format::general};

    // Edges: zeros, infinities, the smallest and largest values, and every power of two and of
    // ten with its neighbours (where the shortest decimal is nearest on one side only).
    std::vector<double> edges = {0.0,     -0.0,    INFINITY,     -INFINITY,
                                 DBL_MAX, DBL_MIN, DBL_TRUE_MIN, DBL_MIN - DBL_TRUE_MIN};
    for (int e = -1074; e <= 1023; ++e) {
        edges.push_back(std::ldexp(1.0, e));
    }
    for (int e = -323; e <= 308; ++e) {
        edges.push_back(std::pow(10.0, e));
    }
    for (const double edge : std::vector<double>(edges)) {
        edges.push_back(std::nextafter(edge, 0.0));
        edges.push_back(std::nextafter(edge, INFINITY));
    }
    for (const double v : edges) {
        for (const double s : {v, -v}) {
            both.shortest(s);
            both.shortest(static_cast<float>(s));
            both.precise(s, std::chars_format::general, 17);
        }
    }

    // Random bits of doubles and floats: every decade and every digit count.
    for (int i = 0; i < 250000; ++i) {
        const double v = any_double();
        both.shortest(v);
        both.precise(v, formats[i % 3], static_cast<int>(random() % 20));
        both.shortest(portable::bit_cast<float>(static_cast<std::uint32_t>(random())));
    }
    // Numbers as people type them (k times a power of ten, a few digits), and halfway cases of
    // rounding at a precision: dyadic fractions k / 2^m.
    for (int i = 0; i < 60000; ++i) {
        const double typed = static_cast<double>(random() % 100000) *
                             std::pow(10.0, static_cast<int>(random() % 40) - 20);
        both.shortest(typed);
        both.shortest(static_cast<float>(typed));
        const double dyadic =
            std::ldexp(static_cast<double>(random() % 4096), -static_cast<int>(random() % 24));
        both.precise(dyadic, formats[i % 3], static_cast<int>(random() % 8));
    }

    // Reading: the shortest and 17-digit texts of random doubles, and halfway cases between two
    // neighbouring doubles (between 2^-60 and 2^60, where 120 digits write them exactly), exactly
    // and just below and above.
    char buf[200];
    for (int i = 0; i < 30000; ++i) {
        const double v = any_double();
        both.read(shortest_text(v));
        std::snprintf(buf, sizeof buf, "%.16e", v);
        both.read(buf);
        const double low = std::ldexp(1 + static_cast<double>(random() >> 12) * 0x1p-52,
                                      static_cast<int>(random() % 120) - 60);
        const long double middle =
            (static_cast<long double>(low) + std::nextafter(low, INFINITY)) / 2;
        std::snprintf(buf, sizeof buf, "%.120Le", middle);
        std::string exact = buf;
        const std::size_t e = exact.find('e');
        const std::size_t last = exact.find_last_not_of('0', e - 1) + 1;
        ASSERT_LT(last, e) << exact; // all digits written
        exact.erase(last, e - last);
        both.read(exact);
        std::string below = exact;
        below.erase(last - 1, 1);
        both.read(below);
        std::string above = exact;
        above.insert(last, "01");
        both.read(above);
    }
}

#else

TEST(FloatChars, BothWaysWriteAndReadTheSameBytes) {
    GTEST_SKIP() << "this standard library has no floating-point to_chars and from_chars: the "
                    "C library's way is the only one";
}

#endif

} // namespace
