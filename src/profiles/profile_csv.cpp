#include "profiles/profile_csv.h"

#include <algorithm>
#include <array>

#include "base/float_chars.h"
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
    {ProfileId::PhiAlongX, "fi-x", "fi_V"},
    {ProfileId::PhiAlongY, "fi-y", "fi_V"},
    {ProfileId::ExAlongX, "ex-x", "Ex_V_per_m"},
    {ProfileId::EyAlongX, "ey-x", "Ey_V_per_m"},
    {ProfileId::ExAlongY, "ex-y", "Ex_V_per_m"},
    {ProfileId::EyAlongY, "ey-y", "Ey_V_per_m"},
}};

const CsvNames& names_of(ProfileId id) {
    return kNames[to_index(id)];
}

// The shortest decimal text that reads back as exactly this number, never in the locale's form.
template <class T> void append_number(std::string& out, T v) {
    char buf[40];
    const auto res = portable::to_chars(buf, buf + sizeof buf, v);
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

std::string profile_csv(const FieldParams& params, const Frame& frame, const ProfileKind& kind) {
    // Samples of its own, so that saving the data changes nothing a window shows; the values do
    // not depend on a window's scale factor.
    ProfileSamples s;
    sample_profile(params, frame, kind, 1, s);
    const CsvNames& names = names_of(kind.id);
    const std::string_view quantity = names.value_column.substr(0, 2);

    std::string out;
    out.reserve(64 * (static_cast<std::size_t>(std::max(params.profile_steps, 0)) + 3));
    const double a = params.half_distance;
    out += "# ";
    out += translated(
        params.translator,
        kind.vertical
            ? CF_TEXT("Profiles", "%1(y) при X_fix = %2 м; q1 = %3 нКл (x = %4 м), q2 = %5 нКл "
                                  "(x = %6 м)")
            : CF_TEXT("Profiles", "%1(x) при Y_fix = %2 м; q1 = %3 нКл (x = %4 м), q2 = %5 нКл "
                                  "(x = %6 м)"),
        {quantity, point(kind.vertical ? params.x_fixed : params.y_fixed), point(params.q1),
         point(-a), point(params.q2), point(a)});
    out += '\n';
    out += kind.vertical ? "y_m," : "x_m,";
    out += names.value_column;
    out += '\n';

    const auto row = [&out](double pos, float value) {
        append_number(out, pos);
        out += ',';
        append_number(out, value);
        out += '\n';
    };
    const double start = profile_line_start(frame, kind);
    row(start, profile_value(params, kind, start));
    const int n = std::min(params.profile_steps, static_cast<int>(s.positions.size()) - 1);
    for (int i = 1; loop_goes_on(i, n, 1); ++i) {
        row(s.positions[i], s.values[i]);
    }
    return out;
}
