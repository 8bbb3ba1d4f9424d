#include "app/command_line_args.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

#include "app/command_line_options.h"
#include "base/file_output.h"
#include "model/numbers.h"
#include "profiles/profile_csv.h"

namespace {

// A refusal: its one line.
struct Failure {
    std::string text;
};

// How far from a step of its scroll bar a value may lie (in steps) and still be on it: 0.35 is
// 6.999999999999999 steps of 0.05.
constexpr double kOnStep = 1e-9;
// The largest count of lines.
constexpr int kMaxCount = 32767;

constexpr SourceText kNoValue = CF_TEXT("CommandLine", "%1: у этого параметра нет значения");

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
double number(std::string_view name, const std::string& text, const Translator* tr) {
    if (!is_number_text(text)) {
        throw Failure{translated(tr,
                                 CF_TEXT("CommandLine", "%1 %2: нужно число, например 0.5 или 0,5"),
                                 {dashed(name), echo(text)})};
    }
    return read_number(text);
}

std::optional<double> number_of(const Values& values, std::string_view name, const Translator* tr) {
    const std::string* text = value_of(values, name);
    if (text == nullptr) {
        return std::nullopt;
    }
    return number(name, *text, tr);
}

// A value read as its scroll bar reads it: one of the bar's positions lo..hi times `step`. A value
// beyond the bar's ends, or between two of its steps, is refused (the bar would move it): with the
// range, or with the two nearest steps.
double on_scroll_bar(const Values& values, std::string_view name, double step, int lo, int hi,
                     const SourceText& unit, const Translator* tr) {
    const double steps = *number_of(values, name, tr) / step;
    const std::string& given = *value_of(values, name);
    if (!(steps >= lo - kOnStep && steps <= hi + kOnStep)) {
        throw Failure{translated(
            tr, CF_TEXT("CommandLine", "%1 %2: вне диапазона от %3 до %4 %5 (шаг %6)"),
            {dashed(name), echo(given), format_shortest(lo * step, "."),
             format_shortest(hi * step, "."), translated(tr, unit), format_shortest(step, ".")})};
    }
    const double position = std::round(steps);
    if (std::abs(steps - position) > kOnStep) {
        throw Failure{translated(
            tr,
            CF_TEXT("CommandLine", "%1 %2: между делениями шкалы; ближайшие значения %3 и %4 %5"),
            {dashed(name), echo(given), format_shortest(std::floor(steps) * step, "."),
             format_shortest(std::ceil(steps) * step, "."), translated(tr, unit)})};
    }
    return position * step;
}

// A whole number from lo to hi; 1,000 is one.
std::optional<int> whole_number(const Values& values, std::string_view name, int lo, int hi,
                                const Translator* tr) {
    const auto v = number_of(values, name, tr);
    if (v && (*v != std::floor(*v) || *v < lo || *v > hi)) {
        throw Failure{translated(
            tr, CF_TEXT("CommandLine", "%1 %2: нужно целое число от %3 до %4"),
            {dashed(name), echo(*value_of(values, name)), std::to_string(lo), std::to_string(hi)})};
    }
    return v ? std::optional(static_cast<int>(*v)) : std::nullopt;
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

Output picture_output(const std::string& path, const Translator* tr) {
    if (path.empty()) {
        throw Failure{translated(tr, CF_TEXT("CommandLine", "--export: не указано имя файла"))};
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
    throw Failure{translated(
        tr,
        CF_TEXT("CommandLine", "--export %1: имя файла должно кончаться на .png, .svg или .pdf"),
        {echo(path)})};
}

Output csv_output(const std::string& path, const Translator* tr) {
    if (path.empty()) {
        throw Failure{translated(tr, CF_TEXT("CommandLine", "--export-csv: не указано имя файла"))};
    }
    if (path == "-") {
        return {path, OutputKind::Csv, true};
    }
    const std::string ext = extension(path);
    if (ext == "png" || ext == "svg" || ext == "pdf") {
        throw Failure{translated(tr,
                                 CF_TEXT("CommandLine", "--export-csv %1: это имя рисунка (.%2), а "
                                                        "не таблицы; для рисунка есть --export"),
                                 {echo(path), ext})};
    }
    return {path, OutputKind::Csv, false};
}

// The arguments sorted by option; --help and --version noted.
Values collect(const std::vector<std::string>& args, ParsedCommandLine& parsed,
               const Translator* tr) {
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
            throw Failure{translated(
                tr,
                a.size() > 1 && a[0] == '-'
                    ? CF_TEXT("CommandLine", "неизвестный параметр %1 (список параметров: --help)")
                    : CF_TEXT("CommandLine", "лишний аргумент %1 (список параметров: --help)"),
                {echo(a)})};
        }
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        if (name == "help" || name == "version") { // given a value, as --help=1
            throw Failure{translated(tr, kNoValue, {dashed(name)})};
        }
        const Option* o = find_option(name);
        if (o == nullptr) {
            throw Failure{translated(
                tr, CF_TEXT("CommandLine", "неизвестный параметр %1 (список параметров: --help)"),
                {"--" + echo(name)})};
        }
        std::string value;
        if (o->is_switch()) {
            if (eq != std::string::npos) {
                throw Failure{translated(tr, kNoValue, {dashed(name)})};
            }
        } else if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw Failure{translated(tr, CF_TEXT("CommandLine", "%1: не указано значение <%2>"),
                                     {dashed(name), translated(tr, o->value)})};
        }
        std::vector<std::string>& given = values[name];
        if (!given.empty() && !o->is_switch() && !o->repeatable) {
            throw Failure{translated(tr, CF_TEXT("CommandLine", "%1: параметр указан дважды"),
                                     {dashed(name)})};
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

void read_request(const Values& values, Request& r, const Translator* tr) {
    FieldParams& m = r.params;
    constexpr SourceText nC = CF_TEXT("CommandLine", "нКл");
    if (value_of(values, "q1")) {
        m.q1 = on_scroll_bar(values, "q1", 0.05, -20, 20, nC, tr);
    }
    if (value_of(values, "q2")) {
        m.q2 = on_scroll_bar(values, "q2", 0.05, -20, 20, nC, tr);
    }
    if (value_of(values, "size")) {
        m.half_width = on_scroll_bar(values, "size", 0.5, 2, 14, CF_TEXT("CommandLine", "м"), tr);
    }
    if (const std::string* language = value_of(values, "language")) {
        if (*language != "ru" && *language != "en") {
            throw Failure{translated(tr, CF_TEXT("CommandLine", "--language %1: нужно ru или en"),
                                     {echo(*language)})};
        }
    }
    if (const std::string* kind = value_of(values, "lines")) {
        if (*kind == "potential") {
            m.families = LineFamilies::Equipotentials;
        } else if (*kind == "field") {
            m.families = LineFamilies::FieldLines;
        } else if (*kind == "all") {
            m.families = LineFamilies::Both;
        } else {
            throw Failure{
                translated(tr, CF_TEXT("CommandLine", "--lines %1: нужно potential, field или all"),
                           {echo(*kind)})};
        }
    }
    // The counts: a line at least, and no more than the text box of the field lines takes
    // (a count of none or below draws nothing, a fraction the box would round).
    if (const auto n = whole_number(values, "n-fi", 1, kMaxCount, tr)) {
        m.level_intervals = *n;
    }
    if (const auto n = whole_number(values, "n-e", 1, kMaxCount, tr)) {
        m.lines_per_charge = static_cast<std::int16_t>(*n);
    }
    if (const auto it = values.find("phi"); it != values.end()) {
        for (const std::string& text : it->second) {
            const double v = round_decimals(number("phi", text, tr), 2);
            if (std::abs(v) > FLT_MAX) {
                throw Failure{translated(
                    tr, CF_TEXT("CommandLine", "--phi %1: слишком большое число"), {echo(text)})};
            }
            r.phi.push_back(static_cast<float>(v));
        }
    }
    if (const auto v = number_of(values, "yfix", tr)) {
        m.y_fixed = *v;
    }
    if (const auto v = number_of(values, "xfix", tr)) {
        m.x_fixed = *v;
    }
    if (const auto n = whole_number(values, "pixels", kMinPixels, kMaxPixels, tr)) {
        r.pixels = *n;
    }
    r.zero_potential = values.count("zero-potential") != 0;
    r.zero_field = values.count("zero-field") != 0;
    r.field_direction = values.count("field-direction") != 0;
    r.params.views.potential_map = values.count("potential-map") != 0;
    r.params.views.arrows = values.count("arrows") != 0;
    r.params.views.flux_lines = values.count("flux-lines") != 0;
    r.params.views.exact_equipotentials = values.count("exact-equipotentials") != 0;
    r.params.views.charge_marks = values.count("charge-marks") != 0;

    if (const auto it = values.find("export"); it != values.end()) {
        for (const std::string& path : it->second) {
            r.pictures.push_back(picture_output(path, tr));
        }
    }
    if (const std::string* name = value_of(values, "profile")) {
        r.profile = profile_from_short_name(*name);
        if (!r.profile) {
            throw Failure{translated(
                tr,
                CF_TEXT("CommandLine", "--profile %1: нужно fi-x, fi-y, ex-x, ey-x, ex-y или ey-y"),
                {echo(*name)})};
        }
    }
    if (const std::string* path = value_of(values, "export-csv")) {
        r.csv = csv_output(*path, tr);
        if (!r.profile) {
            throw Failure{translated(
                tr, CF_TEXT("CommandLine", "--export-csv: укажите график параметром --profile"))};
        }
    } else if (r.profile) {
        throw Failure{translated(
            tr, CF_TEXT("CommandLine", "--profile: укажите файл параметром --export-csv"))};
    }
    if (r.pictures.empty() && !r.csv) {
        throw Failure{
            translated(tr, CF_TEXT("CommandLine", "укажите, что сохранить: --export или "
                                                  "--export-csv (список параметров: --help)"))};
    }
}

} // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& args,
                                     const Translator* translator) {
    ParsedCommandLine parsed;
    parsed.request.params.translator = translator;
    try {
        const Values values = collect(args, parsed, translator);
        if (parsed.action == ParsedCommandLine::Action::Run) {
            read_request(values, parsed.request, translator);
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
    const Translator* tr = request.params.translator;
    std::vector<std::pair<std::string, const Output*>> seen;
    for (const Output* o : outputs) {
        if (o->to_stdout) {
            continue;
        }
        const std::string named = std::string(o->option()) + " " + echo(o->path);
        if (const std::string why = output_problem(o->path, tr); !why.empty()) {
            return translated(tr, CF_TEXT("CommandLine", "%1: не удалось сохранить: %2"),
                              {named, why});
        }
        const std::string id = output_identity(o->path);
        for (const auto& [other_id, other] : seen) {
            if (other_id == id) {
                return translated(tr, CF_TEXT("CommandLine", "%1: это тот же файл, что и %2 %3"),
                                  {named, other->option(), echo(other->path)});
            }
        }
        seen.emplace_back(id, o);
    }
    return {};
}
