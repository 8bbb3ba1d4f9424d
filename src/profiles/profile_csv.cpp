#include "profiles/profile_csv.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/counted_loop.h"
#include "model/numbers.h"
#include "profiles/profile_draw.h"

namespace {

struct CsvNames {
    ProfileId id;
    std::string_view short_name;
    std::string_view value_column; // the quantity and its unit
};

constexpr std::array<CsvNames, kProfileCount> kNames = {{
    {ProfileId::Form3, "fi-x", "fi_V"},
    {ProfileId::Form4, "fi-y", "fi_V"},
    {ProfileId::Form_Exx, "ex-x", "Ex_V_per_m"},
    {ProfileId::Form_Eyx, "ey-x", "Ey_V_per_m"},
    {ProfileId::Form_Exy, "ex-y", "Ex_V_per_m"},
    {ProfileId::Form_Eyy, "ey-y", "Ey_V_per_m"},
}};

const CsvNames& names_of(ProfileId id) {
    return kNames[to_index(id)];
}

// The shortest decimal text that reads back as exactly this number, never in the locale's form.
template <class T> void append_number(std::string& out, T v) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

std::string point(double v) {
    return format_shortest(v, ".");
}

} // namespace

std::string_view profile_short_name(ProfileId id) {
    return names_of(id).short_name;
}

std::optional<ProfileId> profile_from_short_name(std::string_view name) {
    for (const CsvNames& n : kNames) {
        if (n.short_name == name) {
            return n.id;
        }
    }
    return std::nullopt;
}

std::string profile_csv(const Module1& model, const ProfileKind& kind) {
    // Sampling writes the window's profile record: work on a copy, so that saving the data
    // changes nothing the window shows.
    Module1 m = model;
    sample_profile(m, kind);
    const profile_state& s = m.prof[to_index(kind.id)];
    const CsvNames& names = names_of(kind.id);
    const std::string_view quantity = names.value_column.substr(0, 2);

    std::string out;
    out.reserve(64 * (static_cast<std::size_t>(std::max(m.n_pts, 0)) + 3));
    out += "# ";
    out += quantity;
    out +=
        kind.vertical ? "(y) при X_fix = " + point(m.X_fix) : "(x) при Y_fix = " + point(m.Y_fix);
    out += " м; q1 = " + point(m.q1) + " нКл (x = " + point(-m.a) + " м), q2 = " + point(m.q2) +
           " нКл (x = " + point(m.a) + " м)\n";
    out += kind.vertical ? "y_m," : "x_m,";
    out += names.value_column;
    out += '\n';

    const auto row = [&out](double pos, float value) {
        append_number(out, pos);
        out += ',';
        append_number(out, value);
        out += '\n';
    };
    const double start = profile_line_start(m, kind);
    row(start, profile_value(m, kind, start));
    const int n = std::min(m.n_pts, static_cast<int>(s.arg.size()) - 1);
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        row(s.arg[i], s.val[i]);
    }
    return out;
}
