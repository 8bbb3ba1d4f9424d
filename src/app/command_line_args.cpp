#include "app/command_line_args.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <map>

#include "base/file_output.h"
#include "model/numbers.h"
#include "profiles/profile_csv.h"

namespace {

// A refusal: its one line.
struct Failure {
    std::string text;
};

struct Option {
    const char* name;
    const char* value; // nullptr for a switch
    bool repeatable;
    const char* help;
};

// Options of the command line, in the order the help lists them.
constexpr Option kOptions[] = {
    {"q1", "нКл", false, "заряд слева, в точке x = -0.5 м: от -1 до 1 с шагом 0.05 (0.4)"},
    {"q2", "нКл", false, "заряд справа, в точке x = 0.5 м: от -1 до 1 с шагом 0.05 (-0.1)"},
    {"size", "м", false, "половина ширины и высоты области: от 1 до 7 с шагом 0.5 (4)"},
    {"lines", "вид", false, "какие линии рисовать: potential, field или all (all)"},
    {"n-fi", "число", false, "число линий потенциала (11)"},
    {"n-e", "число", false, "число линий напряжённости (6)"},
    {"zero-potential", nullptr, false, "нарисовать линию нулевого потенциала"},
    {"zero-field", nullptr, false, "отметить точку нулевой напряжённости и её эквипотенциаль"},
    {"field-direction", nullptr, false, "нарисовать линии вертикального и горизонтального поля"},
    {"phi", "В", true, "нарисовать эквипотенциаль этого потенциала (можно несколько раз)"},
    {"potential-map", nullptr, false, "показать карту потенциала с её шкалой"},
    {"arrows", nullptr, false, "показать стрелки поля"},
    {"flux-lines", nullptr, false, "линии поля равного потока вместо линий напряжённости"},
    {"pixels", "N", false, "размер рисунка в пикселях (544, как в только что открытом окне)"},
    {"export", "файл", true, "сохранить рисунок в файл .png, .svg или .pdf (можно несколько раз)"},
    {"profile", "вид", false, "график для --export-csv: fi-x, fi-y, ex-x, ey-x, ex-y или ey-y"},
    {"yfix", "м", false, "Y фиксированное для fi-x, ex-x, ey-x (0.1)"},
    {"xfix", "м", false, "X фиксированное для fi-y, ex-y, ey-y (0.75)"},
    {"export-csv", "файл", false,
     "сохранить данные графика --profile в файл CSV (- — на стандартный вывод)"},
};

const Option* find_option(std::string_view name) {
    for (const Option& o : kOptions) {
        if (name == o.name) {
            return &o;
        }
    }
    return nullptr;
}

// The values given to each option, in order.
using Values = std::map<std::string, std::vector<std::string>, std::less<>>;

const std::string* value_of(const Values& values, std::string_view name) {
    const auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second.back();
}

std::string dashed(std::string_view name) {
    return "--" + std::string(name);
}

// A number as a text box reads it, which must be the whole of the text.
double number(std::string_view name, const std::string& text) {
    if (!is_number_text(text)) {
        throw Failure{dashed(name) + " " + echo(text) + ": нужно число, например 0.5 или 0,5"};
    }
    return read_number(text);
}

std::optional<double> number_of(const Values& values, std::string_view name) {
    const std::string* text = value_of(values, name);
    if (text == nullptr) {
        return std::nullopt;
    }
    return number(name, *text);
}

// A value read as its scroll bar reads it: the nearest position of `step`, within the bar's
// positions lo..hi.
double on_scroll_bar(const Values& values, std::string_view name, double step, int lo, int hi,
                     const char* unit) {
    const double v = *number_of(values, name);
    const int position = to_int16_even(v / step);
    if (position < lo || position > hi) {
        throw Failure{dashed(name) + " " + echo(*value_of(values, name)) + ": вне диапазона от " +
                      format_shortest(lo * step, ".") + " до " + format_shortest(hi * step, ".") +
                      " " + unit + " (шаг " + format_shortest(step, ".") + ")"};
    }
    return position * step;
}

// The extension of the last part of a path, in small letters.
std::string extension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return ext;
}

Output picture_output(const std::string& path) {
    if (path.empty()) {
        throw Failure{"--export: не указано имя файла"};
    }
    const std::string ext = extension(path);
    if (ext == "png") {
        return {path, OutputKind::Png, false};
    }
    if (ext == "svg") {
        return {path, OutputKind::Svg, false};
    }
    if (ext == "pdf") {
        return {path, OutputKind::Pdf, false};
    }
    throw Failure{"--export " + echo(path) + ": имя файла должно кончаться на .png, .svg или .pdf"};
}

Output csv_output(const std::string& path) {
    if (path.empty()) {
        throw Failure{"--export-csv: не указано имя файла"};
    }
    if (path == "-") {
        return {path, OutputKind::Csv, true};
    }
    const std::string ext = extension(path);
    if (ext == "png" || ext == "svg" || ext == "pdf") {
        throw Failure{"--export-csv " + echo(path) + ": это имя рисунка (." + ext +
                      "), а не таблицы; для рисунка есть --export"};
    }
    return {path, OutputKind::Csv, false};
}

// The arguments sorted by option; --help and --version noted.
Values collect(const std::vector<std::string>& args, ParsedCommandLine& parsed) {
    Values values;
    bool help = false, version = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "-?" || a == "--help") {
            help = true;
            continue;
        }
        if (a == "-v" || a == "--version") {
            version = true;
            continue;
        }
        if (a.size() <= 2 || a.compare(0, 2, "--") != 0) {
            throw Failure{
                (a.size() > 1 && a[0] == '-' ? "неизвестный параметр " : "лишний аргумент ") +
                echo(a) + " (список параметров: --help)"};
        }
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        const Option* o = find_option(name);
        if (o == nullptr) {
            throw Failure{"неизвестный параметр --" + echo(name) + " (список параметров: --help)"};
        }
        std::string value;
        if (o->value == nullptr) {
            if (eq != std::string::npos) {
                throw Failure{dashed(name) + ": у этого параметра нет значения"};
            }
        } else if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw Failure{dashed(name) + ": не указано значение <" + o->value + ">"};
        }
        std::vector<std::string>& given = values[name];
        if (!given.empty() && o->value != nullptr && !o->repeatable) {
            throw Failure{dashed(name) + ": параметр указан дважды"};
        }
        given.push_back(value);
    }
    if (help) {
        parsed.action = ParsedCommandLine::Action::Help;
    } else if (version) {
        parsed.action = ParsedCommandLine::Action::Version;
    }
    return values;
}

void read_request(const Values& values, Request& r) {
    FieldParams& m = r.params;
    if (value_of(values, "q1")) {
        m.q1 = on_scroll_bar(values, "q1", 0.05, -20, 20, "нКл");
    }
    if (value_of(values, "q2")) {
        m.q2 = on_scroll_bar(values, "q2", 0.05, -20, 20, "нКл");
    }
    if (value_of(values, "size")) {
        m.half_width = on_scroll_bar(values, "size", 0.5, 2, 14, "м");
    }
    if (const std::string* kind = value_of(values, "lines")) {
        if (*kind == "potential") {
            m.families = LineFamilies::Equipotentials;
        } else if (*kind == "field") {
            m.families = LineFamilies::FieldLines;
        } else if (*kind == "all") {
            m.families = LineFamilies::Both;
        } else {
            throw Failure{"--lines " + echo(*kind) + ": нужно potential, field или all"};
        }
    }
    // The counts as their text boxes read them.
    if (const auto v = number_of(values, "n-fi")) {
        m.level_intervals = *v;
    }
    if (const auto v = number_of(values, "n-e")) {
        // Beyond the 16-bit range the text box would clamp; the command line says so instead.
        if (*v < -32768.5 || *v >= 32767.5) {
            throw Failure{"--n-e " + echo(*value_of(values, "n-e")) +
                          ": вне диапазона от -32768 до 32767"};
        }
        m.lines_per_charge = to_int16_even(*v);
    }
    if (const auto it = values.find("phi"); it != values.end()) {
        for (const std::string& text : it->second) {
            const double v = round_decimals(number("phi", text), 2);
            if (std::abs(v) > FLT_MAX) {
                throw Failure{"--phi " + echo(text) + ": слишком большое число"};
            }
            r.phi.push_back(static_cast<float>(v));
        }
    }
    if (const auto v = number_of(values, "yfix")) {
        m.y_fixed = *v;
    }
    if (const auto v = number_of(values, "xfix")) {
        m.x_fixed = *v;
    }
    if (const auto v = number_of(values, "pixels")) {
        if (*v != std::floor(*v) || *v < kMinPixels || *v > kMaxPixels) {
            throw Failure{"--pixels " + echo(*value_of(values, "pixels")) +
                          ": нужно целое число от " + std::to_string(kMinPixels) + " до " +
                          std::to_string(kMaxPixels)};
        }
        r.pixels = static_cast<int>(*v);
    }
    r.zero_potential = values.count("zero-potential") != 0;
    r.zero_field = values.count("zero-field") != 0;
    r.field_direction = values.count("field-direction") != 0;
    r.params.views.potential_map = values.count("potential-map") != 0;
    r.params.views.arrows = values.count("arrows") != 0;
    r.params.views.flux_lines = values.count("flux-lines") != 0;

    if (const auto it = values.find("export"); it != values.end()) {
        for (const std::string& path : it->second) {
            r.pictures.push_back(picture_output(path));
        }
    }
    if (const std::string* name = value_of(values, "profile")) {
        r.profile = profile_from_short_name(*name);
        if (!r.profile) {
            throw Failure{"--profile " + echo(*name) +
                          ": нужно fi-x, fi-y, ex-x, ey-x, ex-y или ey-y"};
        }
    }
    if (const std::string* path = value_of(values, "export-csv")) {
        r.csv = csv_output(*path);
        if (!r.profile) {
            throw Failure{"--export-csv: укажите график параметром --profile"};
        }
    } else if (r.profile) {
        throw Failure{"--profile: укажите файл параметром --export-csv"};
    }
    if (r.pictures.empty() && !r.csv) {
        throw Failure{
            "укажите, что сохранить: --export или --export-csv (список параметров: --help)"};
    }
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

ParsedCommandLine parse_command_line(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    try {
        const Values values = collect(args, parsed);
        if (parsed.action == ParsedCommandLine::Action::Run) {
            read_request(values, parsed.request);
        }
    } catch (const Failure& f) {
        parsed.error = f.text;
    }
    return parsed;
}

std::string check_outputs(const Request& request) {
    std::vector<const Output*> outputs;
    for (const Output& o : request.pictures) {
        outputs.push_back(&o);
    }
    if (request.csv) {
        outputs.push_back(&*request.csv);
    }
    std::vector<std::pair<std::string, const Output*>> seen;
    for (const Output* o : outputs) {
        if (o->to_stdout) {
            continue;
        }
        const std::string named = std::string(o->option()) + " " + echo(o->path);
        if (const std::string why = output_problem(o->path); !why.empty()) {
            return named + ": не удалось сохранить: " + why;
        }
        const std::string id = output_identity(o->path);
        for (const auto& [other_id, other] : seen) {
            if (other_id == id) {
                return named + ": это тот же файл, что и " + other->option() + " " +
                       echo(other->path);
            }
        }
        seen.emplace_back(id, o);
    }
    return {};
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

std::string help_text() {
    std::vector<std::pair<std::string, std::string>> rows = {
        {"-h, -?, --help", "показать эту справку"},
        {"-v, --version", "показать версию программы"},
    };
    for (const Option& o : kOptions) {
        rows.emplace_back(dashed(o.name) + (o.value ? std::string(" <") + o.value + ">" : ""),
                          o.help);
    }
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, width_of(row.first));
    }
    std::string text =
        "Запуск: chargefield [параметры]\n"
        "Поле двух точечных зарядов: рисунок линий потенциала и напряжённости (PNG, SVG) и данные\n"
        "графиков (CSV) без окна программы. Без параметров, или только с параметрами самой Qt\n"
        "(например, -style fusion), открывается окно программы.\n\nПараметры:\n";
    for (const auto& [name, help] : rows) {
        text += "  " + name + std::string(width - width_of(name) + 2, ' ') + help + "\n";
    }
    text += "\nЗначение пишется после параметра (--q1 0.4) или через знак = (--q1=0.4). Числа\n"
            "читаются, как их читают поля окна: с десятичной точкой или запятой (0.5 или 0,5).\n"
            "При ошибке программа пишет одну строку о ней, завершается с кодом 2 и не создаёт и\n"
            "не меняет ни одного файла. Рисунок, слишком большой для SVG, сохраните в PNG.\n";
    return text;
}
