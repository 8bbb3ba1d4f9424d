#include "analysis/cp1251.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0xBF (0 for the one byte the code page leaves unassigned);
// 0xC0..0xFF hold U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char to_byte(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == cp && cp != 0) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

std::string utf8_to_cp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (b0 < 0x80) {
            len = 1;
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            len = 2;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3;
            cp = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            len = 4;
            cp = b0 & 0x07;
        }
        bool valid = len > 0 && i + len <= utf8.size();
        for (std::size_t j = 1; valid && j < len; ++j) {
            const auto b = static_cast<unsigned char>(utf8[i + j]);
            valid = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        // Only the shortest form of a code point is UTF-8 (C0 80 is no NUL, E0 90 90 no "А"),
        // and surrogates and values above U+10FFFF are no code points.
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && cp >= kShortest[len] && (cp < 0xD800 || cp > 0xDFFF) && cp <= 0x10FFFF;
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(to_byte(cp));
        i += len;
    }
    return out;
}
