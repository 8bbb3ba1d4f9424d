#pragma once
// The command line's arguments, read and checked before anything is drawn or written.
//
// The arguments are taken as the bytes the program was given: file names are kept byte for
// byte (they need not be valid UTF-8), numbers are read as the main window's text boxes read
// them (a decimal point or a decimal comma, see model/numbers.h) but must be numbers through and
// through, and every message is one line (Russian, or English with --language en) in which the
// values echoed have their control characters and any bytes that are not UTF-8 escaped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_params.h"
#include "profiles/profile_family.h"

// The size of the picture in a newly opened main window, and the sizes the command line draws.
inline constexpr int kDefaultPixels = 544;
inline constexpr int kMinPixels = 16;
inline constexpr int kMaxPixels = 8192;

enum class OutputKind { Png, Svg, Pdf, Csv };

// A file to write: the bytes of its name as given; "-" for --export-csv is the standard output.
struct Output {
    std::string path;
    OutputKind kind = OutputKind::Png;
    bool to_stdout = false;
    const char* option() const { return kind == OutputKind::Csv ? "--export-csv" : "--export"; }
};

// What the command line asks for.
struct Request {
    FieldParams params;
    int pixels = kDefaultPixels;
    bool zero_potential = false, zero_field = false, field_direction = false;
    std::vector<float> phi;
    std::vector<Output> pictures;
    std::optional<ProfileId> profile;
    std::optional<Output> csv;
};

struct ParsedCommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    Request request;
    // Why the arguments are refused: one line without a line end; empty when they are not.
    std::string error;
};

// Reads the arguments that follow the program's name; the messages, and the texts of the request's
// pictures and tables, are in the language of `translator` (Russian without one).
ParsedCommandLine parse_command_line(const std::vector<std::string>& args,
                                     const Translator* translator = nullptr);

// The language --language asks for, "ru" or "en", or nothing when it names neither or is not
// given; read before the arguments are checked, so that their messages are in that language.
std::optional<std::string> language_argument(const std::vector<std::string>& args);

// Checks the outputs of a request without creating anything: each can be written (see
// base/file_output.h), and no two name the same file. Returns why not, as one line, or an empty
// text.
std::string check_outputs(const Request& request);

// Whether the arguments that follow the program's name open the main window: there are none, or
// only Qt's own options (-style fusion, -platform xcb, -reverse and the like) and --language ru
// or en. Any other argument is the command line's, which refuses what it does not know.
bool opens_window(const std::vector<std::string>& args);

// The help text (--help) and the message line of a refused value.
std::string help_text(const Translator* translator = nullptr);
// A value as a message shows it: valid UTF-8 as it is, but for control characters, written as
// \n, \r, \t or \xNN, as are the bytes that are not UTF-8; an empty value as "".
std::string echo(std::string_view value);
