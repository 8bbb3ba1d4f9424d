// Fuzz target: the program's arguments (the input split at its zero bytes) read by the command
// line, and the checks of its outputs, without drawing. A refusal is one line of Russian (no
// control character, valid UTF-8, Cyrillic letters); an accepted run has an output, values
// within their ranges (the charges and the size on their bars' steps, whole counts of a line at
// least) and outputs of the right kinds; and no argument list that opens the window
// is one the command line would take.
#include <cmath>
#include <string>
#include <vector>

#include "app/command_line_args.h"
#include "fuzz/fuzz_check.h"

namespace {

void require_one_russian_line(const std::string& text, const char* what, const std::string& input) {
    fuzz_require(!text.empty(), what, input);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        fuzz_require(b >= 0x20 && b != 0x7F, "a message is one line without control characters",
                     input);
    }
    fuzz_require(echo(text) == text, "a message is valid UTF-8 without control characters", input);
    fuzz_require(text.find("\xD0") != std::string::npos || text.find("\xD1") != std::string::npos,
                 "a message is in Russian", input);
}

bool on_step(double v, double step) {
    return std::abs(v / step - std::round(v / step)) < 1e-9;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    if (!input.empty()) {
        std::size_t from = 0;
        for (std::size_t nul; (nul = input.find('\0', from)) != std::string::npos; from = nul + 1) {
            args.push_back(input.substr(from, nul - from));
        }
        args.push_back(input.substr(from));
    }

    const ParsedCommandLine parsed = parse_command_line(args);
    if (opens_window(args) && !args.empty()) {
        fuzz_require(!parsed.error.empty(), "Qt's options are not the command line's", input);
    }
    if (!parsed.error.empty()) {
        require_one_russian_line(parsed.error, "a refusal says why", input);
        return 0;
    }
    if (parsed.action != ParsedCommandLine::Action::Run) {
        return 0;
    }
    const Request& r = parsed.request;
    fuzz_require(!r.pictures.empty() || r.csv.has_value(), "a run has an output", input);
    fuzz_require(r.csv.has_value() == r.profile.has_value(), "data go with a profile", input);
    const FieldParams& m = r.params;
    fuzz_require(std::abs(m.q1) <= 1 + 1e-12 && on_step(m.q1, 0.05), "q1 is on its bar", input);
    fuzz_require(std::abs(m.q2) <= 1 + 1e-12 && on_step(m.q2, 0.05), "q2 is on its bar", input);
    fuzz_require(m.half_width >= 1 && m.half_width <= 7 && on_step(m.half_width, 0.5),
                 "the size is on its bar", input);
    fuzz_require(m.level_intervals >= 1 && m.level_intervals <= 32767 &&
                     m.level_intervals == std::floor(m.level_intervals) && m.lines_per_charge >= 1,
                 "the counts are whole, a line at least", input);
    fuzz_require(std::isfinite(m.level_intervals) && std::isfinite(m.y_fixed) &&
                     std::isfinite(m.x_fixed),
                 "the numbers are finite", input);
    fuzz_require(r.pixels >= kMinPixels && r.pixels <= kMaxPixels, "the size in pixels", input);
    for (const float phi : r.phi) {
        fuzz_require(std::isfinite(phi), "a chosen potential is finite", input);
    }
    for (const Output& o : r.pictures) {
        fuzz_require(o.kind != OutputKind::Csv && !o.to_stdout && !o.path.empty(),
                     "a picture goes to a named file", input);
    }
    if (r.csv) {
        fuzz_require(r.csv->kind == OutputKind::Csv && !r.csv->path.empty(),
                     "the data go to a file or the standard output", input);
    }
    // Looks at the file system only: nothing is created.
    const std::string problem = check_outputs(r);
    if (!problem.empty()) {
        require_one_russian_line(problem, "an output refused says why", input);
    }
    return 0;
}
