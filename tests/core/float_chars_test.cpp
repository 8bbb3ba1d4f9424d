// Floating-point numbers to text and back: the standard library's way and the C library's
// stand-in (for standard libraries without them) write and read the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "base/bit_cast.h"
#include "base/float_chars.h"

namespace {

// The stand-in's text of a value, as std::to_chars's arguments give it.
template <class... Args> std::string stand_in_text(Args... args) {
    char buf[400];
    const auto r = c_library_chars::to_chars(buf, buf + sizeof buf, args...);
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
        EXPECT_EQ(stand_in_text(c.value), c.text) << c.name;
    }
    EXPECT_EQ(stand_in_text(0.1f), "0.1");
    EXPECT_EQ(stand_in_text(123456790528.0f), "123456790528");
    EXPECT_EQ(stand_in_text(FLT_MAX), "3.4028235e+38");
    EXPECT_EQ(stand_in_text(-1e-45f), "-1e-45");

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
        EXPECT_EQ(stand_in_text(c.value, c.format, c.precision), c.text) << c.name;
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

// What reading did: the error, the characters read and the bits of the value.
template <class Result>
std::string read_result(const std::string& text, const Result& r, double v) {
    char buf[80];
    std::snprintf(buf, sizeof buf, " ec %d, read %d, bits %016llx", static_cast<int>(r.ec),
                  static_cast<int>(r.ptr - text.data()),
                  static_cast<unsigned long long>(portable::bit_cast<std::uint64_t>(v)));
    return std::string(buf);
}

#ifdef __cpp_lib_to_chars
constexpr bool kStandardLibraryHasThem = true;
template <class... Args> std::string standard_text(Args... args) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, args...);
    return std::string(buf, r.ptr);
}
std::string standard_read(const std::string& text) {
    double v = 7;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return read_result(text, r, v);
}
#else
constexpr bool kStandardLibraryHasThem = false;
template <class... Args> std::string standard_text(Args...) {
    return {};
}
std::string standard_read(const std::string&) {
    return {};
}
#endif

std::string stand_in_read(const std::string& text) {
    double v = 7;
    const auto r = c_library_chars::from_chars(text.data(), text.data() + text.size(), v);
    return read_result(text, r, v);
}

// The exact decimal text of the point halfway between v > 0 and the next double up:
// (2m + 1) 2^(q - 1) for v = m 2^q, from the digits of (2m + 1) 5^(1 - q) or (2m + 1) 2^(q - 1).
std::string halfway_above(double v) {
    int exponent = 0;
    std::frexp(v, &exponent);
    const int q = std::max(exponent - 53, -1074);
    const auto odd = 2 * static_cast<std::uint64_t>(std::ldexp(v, -q)) + 1;
    std::vector<std::uint32_t> digits; // least significant first
    for (std::uint64_t n = odd; n > 0; n /= 10) {
        digits.push_back(static_cast<std::uint32_t>(n % 10));
    }
    const int power = q - 1;
    for (int left = std::abs(power); left > 0; left -= 8) {
        std::uint64_t step = 1; // 5 or 2 to the power min(left, 8)
        for (int i = 0; i < std::min(left, 8); ++i) {
            step *= power < 0 ? 5 : 2;
        }
        std::uint64_t carry = 0;
        for (std::uint32_t& d : digits) {
            const std::uint64_t x = d * step + carry;
            d = static_cast<std::uint32_t>(x % 10);
            carry = x / 10;
        }
        for (; carry > 0; carry /= 10) {
            digits.push_back(static_cast<std::uint32_t>(carry % 10));
        }
    }
    std::string text;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
        text.push_back(static_cast<char>('0' + *d));
        if (d == digits.rbegin()) {
            text.push_back('.');
        }
    }
    const auto decade = static_cast<int>(digits.size()) - 1 + std::min(power, 0);
    text.erase(text.find_last_not_of('0') + 1); // so that its last digit counts
    return text + "e" + std::to_string(decade);
}

// Random and edge values, each written and read by the C library's stand-in. Where this standard
// library has the floating-point overloads, each text is compared with theirs byte for byte (the
// first few mismatches shown); in every build all the texts are hashed, and the hash is the one
// the standard library's texts give (GCC 12's), so a build without them checks its stand-in too.
class StandIn {
  public:
    ~StandIn() {
        EXPECT_EQ(mismatches_, 0u) << first_;
        EXPECT_GE(inputs_, 1000000u);
        // FNV-1a of every text of GCC 12's libstdc++ for these inputs.
        EXPECT_EQ(hash_, 0xe206c203a1740f89ull);
    }

    template <class T> void shortest(T v) {
        check(standard_text(v), stand_in_text(v), v, "shortest");
    }

    void precise(double v, std::chars_format format, int precision) {
        check(standard_text(v, format, precision), stand_in_text(v, format, precision), v,
              "precision");
    }

    void read(const std::string& text) {
        check(standard_read(text), stand_in_read(text), text, "read");
    }

  private:
    template <class V>
    void check(const std::string& standard, const std::string& stand_in, V v, const char* what) {
        ++inputs_;
        for (const char c : stand_in + '|') {
            hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        if (kStandardLibraryHasThem && standard != stand_in && ++mismatches_ <= 10) {
            if constexpr (std::is_same_v<V, std::string>) {
                first_ += std::string(what) + " \"" + v + "\": ";
            } else {
                char buf[40];
                std::snprintf(buf, sizeof buf, "%a", static_cast<double>(v));
                first_ += std::string(what) + ' ' + buf + ": ";
            }
            first_ += standard + " / " + stand_in + '\n';
        }
    }
    std::size_t inputs_ = 0;
    std::size_t mismatches_ = 0;
    std::uint64_t hash_ = 1469598103934665603ull;
    std::string first_;
};

TEST(FloatChars, StandInWritesAndReadsAsTheStandardLibrary) {
    StandIn both;
    // One draw a statement: the order of a call's arguments differs between compilers.
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
    char buf[200];
    for (int e = -323; e <= 308; ++e) {
        std::snprintf(buf, sizeof buf, "1e%d", e);
        edges.push_back(std::strtod(buf, nullptr));
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
        const auto digits = static_cast<int>(random() % 100000);
        const auto exponent = static_cast<int>(random() % 40) - 20;
        std::snprintf(buf, sizeof buf, "%de%d", digits, exponent);
        const double typed = std::strtod(buf, nullptr);
        both.shortest(typed);
        both.shortest(static_cast<float>(typed));
        const auto numerator = static_cast<double>(random() % 4096);
        const double dyadic = std::ldexp(numerator, -static_cast<int>(random() % 24));
        both.precise(dyadic, formats[i % 3], static_cast<int>(random() % 8));
    }

    // Reading: the shortest and 17-digit texts of random doubles, and halfway cases between two
    // neighbouring doubles (between 2^-60 and 2^60), exactly and just below and above.
    int wrong_neighbour = 0;
    for (int i = 0; i < 30000; ++i) {
        const double v = any_double();
        both.read(stand_in_text(v));
        std::snprintf(buf, sizeof buf, "%.16e", v);
        both.read(buf);
        const double mantissa = 1 + static_cast<double>(random() >> 12) * 0x1p-52;
        const double low = std::ldexp(mantissa, static_cast<int>(random() % 120) - 60);
        const double high = std::nextafter(low, INFINITY);
        const std::string exact = halfway_above(low);
        const std::size_t last = exact.find('e');
        // A hundredth of the last digit less and more (its last digit is not 0).
        const std::string below = exact.substr(0, last - 1) +
                                  static_cast<char>(exact[last - 1] - 1) + "99" +
                                  exact.substr(last);
        const std::string above = exact.substr(0, last) + "01" + exact.substr(last);
        // Halfway goes to the even neighbour, just below to the lower, just above to the higher.
        const double even = (portable::bit_cast<std::uint64_t>(low) & 1) == 0 ? low : high;
        for (const auto& [text, want] : {std::pair{exact, even}, {below, low}, {above, high}}) {
            both.read(text);
            double got = 0;
            c_library_chars::from_chars(text.data(), text.data() + text.size(), got);
            wrong_neighbour += got != want;
        }
    }
    EXPECT_EQ(wrong_neighbour, 0);
}

} // namespace
