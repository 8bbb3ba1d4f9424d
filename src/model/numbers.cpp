#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "base/float_chars.h"

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

double read_based(const std::string& s, std::size_t pos, int base, bool* whole) {
    // An integer in base 16 or 8: 16-bit values are taken as signed 16-bit numbers and
    // 32-bit values as signed 32-bit numbers, as the old basic dialects did.
    unsigned long long v = 0;
    bool any = false;
    bool big = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int d = -1;
        if (c >= '0' && c <= '7') {
            d = c - '0';
        } else if (base == 16 && c >= '8' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        }
        if (d < 0) {
            break;
        }
        any = true;
        if (v > (std::numeric_limits<unsigned long long>::max() >> 4)) {
            big = true;
        } else {
            v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        }
    }
    *whole = any && pos == s.size();
    if (!any) {
        return 0;
    }
    if (big || v > 0xFFFFFFFFull) {
        return static_cast<double>(v);
    }
    if (v <= 0xFFFF) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

// Whether a number too far from 1 for a double is too large rather than too small: its first
// significant digit stands left of the point once the exponent is applied. `num` holds digits,
// at most one point and an optional exponent "e", a sign and digits, as read_number collects.
bool beyond_largest(std::string_view num) {
    const std::size_t e = std::min(num.find('e'), num.size());
    const std::string_view mantissa = num.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false; // zero, whatever the exponent
    }
    // The value is 0.d... times 10 to the power `order`, d the first significant digit.
    const auto p = static_cast<long long>(point);
    const auto f = static_cast<long long>(first);
    long long order = f < p ? p - f : p - f + 1;
    // The exponent may have any number of digits: stop counting far beyond any double's range.
    long long exponent = 0;
    const bool minus = e + 1 < num.size() && num[e + 1] == '-';
    for (std::size_t q = e + 1; q < num.size() && exponent < 100000; ++q) {
        if (num[q] >= '0' && num[q] <= '9') {
            exponent = exponent * 10 + (num[q] - '0');
        }
    }
    order += minus ? -exponent : exponent;
    return order > 0;
}

// The number at the start of `text`, as read_number reads it; `whole` tells whether it is all of
// the text but for blanks.
double scan_number(std::string_view text, bool* whole) {
    *whole = false;
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!is_blank(c)) {
            s.push_back(c);
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') {
            return read_based(s, 2, 16, whole);
        }
        if (s[1] == 'o' || s[1] == 'O') {
            return read_based(s, 2, 8, whole);
        }
        return 0;
    }
    // Collect the longest prefix that is a number, in the form from_chars understands.
    std::string num;
    std::size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
    }
    bool digits = false;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
        num.push_back(s[p++]);
        digits = true;
    }
    // A point or a comma: the locale's separator, as the program's own labels show it, reads
    // like the point.
    if (p < s.size() && (s[p] == '.' || s[p] == ',')) {
        num.push_back('.');
        ++p;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
            num.push_back(s[p++]);
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
        std::size_t q = p + 1;
        std::string ex = "e";
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) {
            ex.push_back(s[q++]);
        }
        bool exp_digits = false;
        while (q < s.size() && s[q] >= '0' && s[q] <= '9') {
            ex.push_back(s[q++]);
            exp_digits = true;
        }
        if (exp_digits) {
            num += ex;
            p = q;
        }
    }
    *whole = p == s.size();
    if (num.front() == '.') {
        num.insert(num.begin(), '0');
    }
    double v = 0;
    const auto res = portable::from_chars(num.data(), num.data() + num.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large reads as the largest double, too small as zero, whatever the notation.
        v = beyond_largest(num) ? std::numeric_limits<double>::max() : 0.0;
    } else if (res.ec != std::errc()) {
        v = 0;
    }
    return negative ? -v : v;
}

} // namespace

double read_number(std::string_view text) {
    bool whole = false;
    return scan_number(text, &whole);
}

bool is_number_text(std::string_view text) {
    bool whole = false;
    scan_number(text, &whole);
    return whole;
}

std::int16_t to_int16_even(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    const double r = std::nearbyint(v); // the default rounding mode rounds halves to even
    if (r <= -32768.0) {
        return -32768;
    }
    if (r >= 32767.0) {
        return 32767;
    }
    return static_cast<std::int16_t>(r);
}

std::int32_t to_int32_even(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    const double r = std::nearbyint(v);
    if (r <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (r >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(r);
}

namespace {

// Digits of |v| rounded half away from zero to `decimals` decimals, without a separator:
// returns the integer part and the decimals as strings.
void fixed_digits(double v, int decimals, std::string& int_part, std::string& frac_part) {
    // 15 significant digits: the decimal value a person sees for the double.
    char buf[64] = {};
    // As printf's "%.14e" writes it, without the cost of printf.
    portable::to_chars(buf, buf + sizeof buf - 1, std::abs(v), std::chars_format::scientific, 14);
    // buf: d.dddddddddddddde[+-]xx
    std::string mant;
    mant.push_back(buf[0]);
    mant.append(buf + 2, buf + 16);
    const int exp10 = std::atoi(buf + 17);
    // Value = 0.mant * 10^(exp10 + 1); place the digits on a fixed grid.
    const int point = exp10 + 1; // digits before the decimal point
    std::string digits;          // all digits, the last `decimals` of which are decimals
    if (point <= 0) {
        digits = std::string(static_cast<std::size_t>(-point), '0') + mant;
    } else {
        digits = mant;
        if (static_cast<int>(digits.size()) < point) {
            digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
        }
    }
    const int int_len = point > 0 ? point : 0;
    // Keep int_len + decimals digits, round on the next one.
    const std::size_t keep = static_cast<std::size_t>(int_len + decimals);
    std::string kept = digits.substr(0, std::min(keep, digits.size()));
    if (kept.size() < keep) {
        kept.append(keep - kept.size(), '0');
    }
    const bool round_up = digits.size() > keep && digits[keep] >= '5';
    if (round_up) {
        int idx = static_cast<int>(kept.size()) - 1;
        while (idx >= 0 && kept[static_cast<std::size_t>(idx)] == '9') {
            kept[static_cast<std::size_t>(idx)] = '0';
            --idx;
        }
        if (idx >= 0) {
            ++kept[static_cast<std::size_t>(idx)];
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    const std::size_t ilen = kept.size() - static_cast<std::size_t>(decimals);
    int_part = kept.substr(0, ilen);
    frac_part = kept.substr(ilen);
    const auto nz = int_part.find_first_not_of('0');
    int_part = nz == std::string::npos ? "0" : int_part.substr(nz);
}

} // namespace

double round_decimals(double v, int decimals) {
    // From 1e15 on a double has no decimals left to round; rounding its 15 significant digits
    // could also carry it past the largest double.
    if (!std::isfinite(v) || std::abs(v) >= 1e15) {
        return v;
    }
    std::string ip, fp;
    fixed_digits(v, decimals, ip, fp);
    double r = 0;
    const std::string s = ip + "." + fp;
    portable::from_chars(s.data(), s.data() + s.size(), r);
    return v < 0 ? -r : r;
}

std::string format_fixed(double v, int decimals, std::string_view sep) {
    if (std::isnan(v)) {
        return "0";
    }
    if (std::isinf(v)) {
        v = v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    }
    std::string ip, fp;
    fixed_digits(v, decimals, ip, fp);
    const bool zero = ip == "0" && fp.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (v < 0 && !zero) {
        out.push_back('-');
    }
    out += ip;
    if (decimals > 0) {
        out += sep;
        out += fp;
    }
    return out;
}

std::string format_shortest(double v, std::string_view sep) {
    char buf[64];
    // At most 15 significant digits, as a double is written as text: six scroll steps of 0.05
    // give 0.3, not 0.30000000000000004.
    const auto res = portable::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string s(buf, res.ptr);
    const auto dot = s.find('.');
    if (dot != std::string::npos) {
        s.replace(dot, 1, sep);
    }
    return s;
}
