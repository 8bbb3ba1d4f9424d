#include "base/translator.h"

#include <vector>

std::string translated(const Translator* translator, const SourceText& text) {
    return translator != nullptr ? translator->translate(text) : std::string(text.text);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string translated(const Translator* translator, const SourceText& text,
                       std::initializer_list<std::string_view> args) {
    return fill(translated(translator, text), args);
}
