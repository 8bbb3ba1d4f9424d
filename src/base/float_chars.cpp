#include "base/float_chars.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// The C library writes and reads the locale's decimal point; the texts here have a point.
std::string_view locale_point() {
    const char* p = std::localeconv()->decimal_point;
    return p != nullptr && *p != '\0' ? std::string_view(p) : std::string_view(".");
}

// The text with its first `from` made `to` (the text itself when they are the same or absent).
std::string swap_separator(const std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = from == to ? std::string::npos : text.find(from);
    if (at == std::string::npos) {
        return text;
    }
    std::string out;
    out.reserve(text.size() + to.size());
    out.append(text, 0, at);
    out.append(to);
    out.append(text, at + from.size(), std::string::npos);
    return out;
}

// printf's text with the locale's decimal point made a point. Built by appending: GCC 12's
// optimiser warns falsely of overlapping copies in replace().
std::string with_point(const std::string& text) {
    return swap_separator(text, locale_point(), ".");
}

template <class... Args> std::string print(const char* format, Args... args) {
    std::string text(64, '\0');
    int n = std::snprintf(text.data(), text.size(), format, args...);
    if (n >= static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(n) + 1);
        n = std::snprintf(text.data(), text.size(), format, args...);
    }
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return with_point(text);
}

// Reads a decimal text with a point as the C library reads it, correctly rounded.
template <class T> T read(std::string text) {
    text = swap_separator(text, ".", locale_point());
    if constexpr (sizeof(T) == sizeof(float)) {
        return std::strtof(text.c_str(), nullptr);
    } else {
        return std::strtod(text.c_str(), nullptr);
    }
}

std::to_chars_result put(char* first, char* last, std::string_view text) {
    if (static_cast<std::size_t>(last - first) < text.size()) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

// A positive number as significant digits d1 d2 ... dn (d1 not 0) times 10^(exponent - n + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;

    std::string scientific() const {
        std::string s = digits.substr(0, 1);
        if (digits.size() > 1) {
            s += '.';
            s.append(digits, 1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return s + e;
    }

    // The next decimal of as many digits up (direction 1) or down (-1).
    Decimal next(int direction) const {
        Decimal d = *this;
        std::string& s = d.digits;
        const char wraps = direction > 0 ? '9' : '0';
        std::size_t i = s.size();
        for (; i > 0 && s[i - 1] == wraps; --i) {
            s[i - 1] = direction > 0 ? '0' : '9';
        }
        if (i == 0) { // 999 up: 100 a decade higher
            s[0] = '1';
            ++d.exponent;
        } else {
            s[i - 1] = static_cast<char>(s[i - 1] + direction);
            if (s[0] == '0') { // 100 down: 999 a decade lower
                s.assign(s.size(), '9');
                --d.exponent;
            }
        }
        return d;
    }
};

// |v| rounded to `count` significant digits, as "%.*e" writes it.
template <class T> Decimal nearest(T v, int count) {
    const std::string s = print("%.*e", count - 1, static_cast<double>(std::fabs(v)));
    Decimal d;
    std::size_t i = 0;
    for (; s[i] != 'e'; ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            d.digits.push_back(s[i]);
        }
    }
    d.exponent = std::atoi(s.c_str() + i + 1);
    return d;
}

// The decimal of `count` digits nearest |v| that reads back as |v|, if there is one: the nearest
// of all, or else the nearest on the other side of |v| (the neighbours of a power of two are not
// equally far).
template <class T> bool round_trip(T v, int count, Decimal& found) {
    const T magnitude = std::fabs(v);
    Decimal d = nearest(v, count);
    const T back = read<T>(d.scientific());
    if (back != magnitude) {
        d = d.next(back < magnitude ? 1 : -1);
        if (read<T>(d.scientific()) != magnitude) {
            return false;
        }
    }
    found = d;
    return true;
}

template <class T> std::to_chars_result shortest(char* first, char* last, T v) {
    if (!std::isfinite(v) || v == 0) {
        return put(first, last, print("%.0f", static_cast<double>(v)));
    }
    // Fewest digits that read back: once some count does, every larger one does too, and the
    // largest count (17 for a double, 9 for a float) always does. Most doubles need 15 to 17
    // digits, most floats 6 to 9, typed numbers far fewer: try that first.
    const int most = sizeof(T) == sizeof(float) ? 9 : 17;
    int low = 1;
    int high = most;
    Decimal best;
    for (int count = most - 2; low < high; count = (low + high) / 2) {
        Decimal d;
        if (round_trip(v, count, d)) {
            best = d;
            high = count;
        } else {
            low = count + 1;
        }
    }
    if (best.digits.empty()) {
        best = nearest(v, most);
    }
    const auto count = static_cast<int>(best.digits.size());
    const int e = best.exponent;
    // The fixed form when it is no longer than the scientific one; a whole number then shows
    // every digit of its exact value, as printf's "%.0f" does.
    const int scientific_length = count + (count > 1 ? 1 : 0) + (std::abs(e) >= 100 ? 5 : 4);
    const int fixed_length = e >= count - 1 ? e + 1 : e >= 0 ? count + 1 : count + 1 - e;
    std::string text = v < 0 ? "-" : "";
    if (fixed_length > scientific_length) {
        text += best.scientific();
    } else if (e >= count - 1) {
        text += print("%.0f", static_cast<double>(std::fabs(v)));
    } else if (e >= 0) {
        text += best.digits.substr(0, static_cast<std::size_t>(e) + 1) + "." +
                best.digits.substr(static_cast<std::size_t>(e) + 1);
    } else {
        text += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + best.digits;
    }
    return put(first, last, text);
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Whether [p, last) starts with `word`, letters in either case.
bool starts_with_word(const char* p, const char* last, std::string_view word) {
    if (static_cast<std::size_t>(last - p) < word.size()) {
        return false;
    }
    for (const char w : word) {
        if ((*p++ | 0x20) != w) {
            return false;
        }
    }
    return true;
}

} // namespace

namespace c_library_chars {

std::to_chars_result to_chars(char* first, char* last, double v) {
    return shortest(first, last, v);
}

std::to_chars_result to_chars(char* first, char* last, float v) {
    return shortest(first, last, v);
}

std::to_chars_result to_chars(char* first, char* last, double v, std::chars_format format,
                              int precision) {
    const char* spec = format == std::chars_format::scientific ? "%.*e"
                       : format == std::chars_format::fixed    ? "%.*f"
                                                               : "%.*g";
    return put(first, last, print(spec, precision, v));
}

std::from_chars_result from_chars(const char* first, const char* last, double& v) {
    // The longest prefix in from_chars's general form: an optional minus, then "inf",
    // "infinity", "nan" or "nan(letters, digits, _)", or digits with at most one point (at least
    // one digit) and an optional exponent.
    const bool minus = first != last && *first == '-';
    const char* const magnitude = minus ? first + 1 : first;
    const char* p = magnitude;
    bool special = true;
    bool nonzero = false;
    if (starts_with_word(p, last, "infinity")) {
        p += 8;
    } else if (starts_with_word(p, last, "inf")) {
        p += 3;
    } else if (starts_with_word(p, last, "nan")) {
        p += 3;
        if (p != last && *p == '(') {
            const char* q = p + 1;
            while (q != last &&
                   (is_digit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) {
                ++q;
            }
            if (q != last && *q == ')') {
                p = q + 1;
            }
        }
    } else {
        special = false;
        bool digits = false;
        for (; p != last && is_digit(*p); ++p) {
            digits = true;
            nonzero = nonzero || *p != '0';
        }
        if (p != last && *p == '.') {
            for (++p; p != last && is_digit(*p); ++p) {
                digits = true;
                nonzero = nonzero || *p != '0';
            }
        }
        if (!digits) {
            return {first, std::errc::invalid_argument};
        }
        if (p != last && (*p == 'e' || *p == 'E')) {
            const char* q = p + 1;
            if (q != last && (*q == '+' || *q == '-')) {
                ++q;
            }
            if (q != last && is_digit(*q)) {
                while (q != last && is_digit(*q)) {
                    ++q;
                }
                p = q;
            }
        }
    }
    // The sign applied here: C libraries disagree on the sign of "-nan".
    const double r = read<double>(std::string(magnitude, p));
    if (!special && (std::isinf(r) || (r == 0 && nonzero))) {
        return {p, std::errc::result_out_of_range};
    }
    v = minus ? -r : r;
    return {p, std::errc()};
}

} // namespace c_library_chars
