// Fuzz target: a text typed or pasted into any of the five text boxes, read into its model value
// by the functions the main window calls. Every value is finite and within its type's range;
// the field-line count is the nearest integer of the number read (or the end of the 16-bit
// range it lies beyond); the potential moves by at most half a hundredth in rounding; and a text
// that is a plain decimal number reads as the C library reads it (its overflow being the
// largest double, its underflow zero) and is taken whole by the command line.
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/inputs.h"
#include "model/numbers.h"

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits with at most one point (at least one digit), and an exponent "e" or "E" with an
// optional sign and at least one digit; nothing else.
bool plain_decimal(const std::string& s) {
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        ++p;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; p < s.size() && (is_digit(s[p]) || (s[p] == '.' && !point)); ++p) {
        point = point || s[p] == '.';
        digits += is_digit(s[p]);
    }
    if (digits == 0) {
        return false;
    }
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        ++p;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
            ++p;
        }
        const std::size_t exp_start = p;
        while (p < s.size() && is_digit(s[p])) {
            ++p;
        }
        if (p == exp_start) {
            return false;
        }
    }
    return p == s.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double levels = read_level_intervals(text);
    const double y_fix = read_y_fixed(text);
    const double x_fix = read_x_fixed(text);
    fuzz_require(std::isfinite(levels), "the level count is finite", text);
    fuzz_require(std::isfinite(y_fix), "y_fixed is finite", text);
    fuzz_require(std::isfinite(x_fix), "x_fixed is finite", text);

    const double v = read_number(text);
    const std::int16_t lines = read_lines_per_charge(text);
    if (v >= 32767) {
        fuzz_require(lines == 32767, "the line count ends at 32767", text);
    } else if (v <= -32768) {
        fuzz_require(lines == -32768, "the line count ends at -32768", text);
    } else {
        fuzz_require(std::abs(lines - v) <= 0.5, "the line count is the nearest integer", text);
    }

    const float chosen = read_chosen_potential(text);
    fuzz_require(std::isfinite(chosen), "the chosen potential is a finite single", text);
    if (std::abs(v) < 1e30) {
        fuzz_require(std::abs(chosen - v) <= 0.005 + 1e-6 * std::abs(v),
                     "the chosen potential is the number to two decimals", text);
    }

    if (plain_decimal(text)) {
        double c = std::strtod(text.c_str(), nullptr);
        if (std::isinf(c)) {
            c = std::copysign(DBL_MAX, c);
        }
        fuzz_require(v == c, "a plain decimal number reads as the C library reads it", text);
        fuzz_require(is_number_text(text), "a plain decimal number is all number", text);
    }
    return 0;
}
