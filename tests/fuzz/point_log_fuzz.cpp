// Fuzz target: the log line writer and the Windows-1251 encoder, as the point log writes a
// line. The input is split at '|' into the five readout texts. The line ends with CR LF; texts
// without blanks come back as exactly five fields when the line is split on blanks; short ASCII
// texts stand in their 14-character columns. The encoded line decodes as Windows-1251, and
// holds, for each character of the line, its byte in that code page (as the C library's iconv
// converts it) or '?' for a character the code page lacks and for every byte that is not part
// of well-formed UTF-8.
#include <array>
#include <cctype>
#include <iconv.h>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/cp1251.h"
#include "analysis/point_log.h"
#include "fuzz/fuzz_check.h"

namespace {

// The length of the well-formed UTF-8 sequence at s[i] (the table of well-formed byte
// sequences of the Unicode standard), or 0 when there is none.
std::size_t well_formed(const std::string& s, std::size_t i) {
    struct Row {
        unsigned char lead_lo, lead_hi, second_lo, second_hi;
        std::size_t len;
    };
    static constexpr Row rows[] = {
        {0x00, 0x7F, 0, 0, 1},       {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3},
        {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3},
        {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
    };
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    for (const Row& r : rows) {
        if (byte(i) < r.lead_lo || byte(i) > r.lead_hi) {
            continue;
        }
        if (i + r.len > s.size()) {
            return 0;
        }
        if (r.len > 1 && (byte(i + 1) < r.second_lo || byte(i + 1) > r.second_hi)) {
            return 0;
        }
        for (std::size_t k = i + 2; k < i + r.len; ++k) {
            if (byte(k) < 0x80 || byte(k) > 0xBF) {
                return 0;
            }
        }
        return r.len;
    }
    return 0;
}

// Converts with iconv; false when a byte or character has no conversion.
bool convert(iconv_t cd, const std::string& in, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string src = in;
    out.assign(4 * in.size() + 4, '\0');
    char* ip = src.data();
    std::size_t il = src.size();
    char* op = out.data();
    std::size_t ol = out.size();
    const bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1);
    out.resize(out.size() - ol);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const iconv_t to_cp1251 = iconv_open("CP1251", "UTF-8");
    static const iconv_t from_cp1251 = iconv_open("UTF-8", "CP1251");
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::array<std::string, 5> texts;
    std::size_t n = 0;
    for (const char c : input) {
        if (c == '|' && n < 4) {
            ++n;
        } else {
            texts[n].push_back(c);
        }
    }

    const std::string line = log_line(texts[0], texts[1], texts[2], texts[3], texts[4]);
    fuzz_require(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0,
                 "the line ends with CR LF", input);
    bool plain = true; // every text non-empty, without blanks or line breaks
    bool short_ascii = true;
    for (const std::string& t : texts) {
        plain = plain && !t.empty();
        for (const char c : t) {
            plain = plain && !std::isspace(static_cast<unsigned char>(c));
            short_ascii = short_ascii && static_cast<unsigned char>(c) < 0x80;
        }
        short_ascii = short_ascii && t.size() < 14;
    }
    if (plain) {
        std::istringstream split(line);
        std::vector<std::string> fields;
        for (std::string f; split >> f;) {
            fields.push_back(f);
        }
        fuzz_require(fields == std::vector<std::string>(texts.begin(), texts.end()),
                     "the line splits on blanks into the five texts", input);
        if (short_ascii) {
            for (std::size_t k = 0; k < 5; ++k) {
                fuzz_require(line.compare(14 * k, texts[k].size(), texts[k]) == 0,
                             "short texts stand in 14-character columns", input);
            }
        }
    }

    const std::string encoded = utf8_to_cp1251(line);
    std::string decoded;
    fuzz_require(convert(from_cp1251, encoded, decoded), "every byte written decodes", input);
    std::string expected;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t len = well_formed(line, i);
        std::string byte;
        if (len == 0 || !convert(to_cp1251, line.substr(i, len), byte) || byte.size() != 1) {
            byte = '?';
        }
        expected += byte;
        i += len == 0 ? 1 : len;
    }
    fuzz_require(encoded == expected, "each character in its code-page byte, '?' for the rest",
                 input);
    return 0;
}
