// The command line's help, its language option, the arguments that open the window, and the
// values as its messages echo them.
#include <algorithm>
#include <optional>

#include "app/command_line_args.h"
#include "app/command_line_options.h"

namespace {

std::string dashed(std::string_view name) {
    return "--" + std::string(name);
}

// The length of the UTF-8 sequence at `i` and its code point, or 0 when it is not one.
std::size_t utf8_sequence(std::string_view s, std::size_t i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return n;
}

// Characters on screen, for the columns of the help.
std::size_t width_of(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

std::string echo(std::string_view value) {
    if (value.empty()) {
        return "\"\"";
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    const auto escape = [&](unsigned char c) {
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 15];
    };
    for (std::size_t i = 0; i < value.size();) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c < 0x80) {
            if (c == '\n') {
                out += "\\n";
            } else if (c == '\r') {
                out += "\\r";
            } else if (c == '\t') {
                out += "\\t";
            } else if (c < 0x20 || c == 0x7F) {
                escape(c);
            } else {
                out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t n = utf8_sequence(value, i, cp);
        // The C1 controls and the line and paragraph separators break a line as well.
        const bool control = (cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029;
        if (n == 0 || control) {
            for (std::size_t k = 0; k < std::max<std::size_t>(n, 1); ++k) {
                escape(static_cast<unsigned char>(value[i + k]));
            }
            i += std::max<std::size_t>(n, 1);
        } else {
            out.append(value.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::optional<std::string> language_argument(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.compare(0, 2, "--") != 0) {
            continue;
        }
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        const Option* o = find_option(name);
        if (o == nullptr || o->is_switch()) {
            continue;
        }
        std::string value;
        if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i]; // the value of an option, whatever it looks like
        }
        if (name == "language") {
            return value == "ru" || value == "en" ? std::optional(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

bool opens_window(const std::vector<std::string>& args) {
    // Qt's options of the application and of its X11 platform, each with its value, and its
    // switches.
    static constexpr std::string_view kWithValue[] = {"-platform",        "-platformpluginpath",
                                                      "-platformtheme",   "-plugin",
                                                      "-qwindowgeometry", "-geometry",
                                                      "-qwindowicon",     "-icon",
                                                      "-qwindowtitle",    "-title",
                                                      "-display",         "-name",
                                                      "-session",         "-style",
                                                      "-stylesheet",      "-qmljsdebugger"};
    static constexpr std::string_view kSwitches[] = {"-reverse", "-widgetcount", "-nograb",
                                                     "-dograb", "-sync"};
    const auto in = [](const auto& list, std::string_view a) {
        return std::find(std::begin(list), std::end(list), a) != std::end(list);
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const std::size_t eq = a.find('=');
        if (a == "--language=ru" || a == "--language=en") {
            continue;
        }
        if (a == "--language") {
            // The window's language for this run alone.
            if (++i >= args.size() || (args[i] != "ru" && args[i] != "en")) {
                return false;
            }
            continue;
        }
        if (in(kWithValue, a.substr(0, eq))) {
            if (eq == std::string_view::npos && ++i >= args.size()) {
                return false;
            }
        } else if (!in(kSwitches, a)) {
            return false;
        }
    }
    return true;
}

std::string help_text(const Translator* tr) {
    std::vector<std::pair<std::string, std::string>> rows = {
        {"-h, -?, --help", translated(tr, CF_TEXT("CommandLine", "показать эту справку"))},
        {"-v, --version", translated(tr, CF_TEXT("CommandLine", "показать версию программы"))},
    };
    for (const Option& o : kOptions) {
        rows.emplace_back(dashed(o.name) +
                              (o.is_switch() ? "" : " <" + translated(tr, o.value) + ">"),
                          translated(tr, o.help));
    }
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, width_of(row.first));
    }
    std::string text = translated(
        tr,
        CF_TEXT(
            "CommandLine",
            "Запуск: chargefield [параметры]\n"
            "Поле двух точечных зарядов: рисунок линий потенциала и напряжённости (PNG, SVG, "
            "PDF) и\n"
            "данные графиков (CSV) без окна программы. Без параметров, или только с параметрами "
            "самой Qt\n"
            "(например, -style fusion), открывается окно программы.\n\nПараметры:\n"));
    for (const auto& [name, help] : rows) {
        text += "  " + name + std::string(width - width_of(name) + 2, ' ') + help + "\n";
    }
    text += translated(
        tr,
        CF_TEXT("CommandLine",
                "\nЗначение пишется после параметра (--q1 0.4) или через знак = (--q1=0.4). "
                "Числа\n"
                "читаются, как их читают поля окна: с десятичной точкой или запятой (0.5 или "
                "0,5).\n"
                "При ошибке программа пишет одну строку о ней, завершается с кодом 2 и не "
                "создаёт и\n"
                "не меняет ни одного файла. Рисунок, слишком большой для SVG, сохраните в PNG.\n"));
    return text;
}
