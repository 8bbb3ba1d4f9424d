// The pointer readout: five texts in the form "0.000", never with an exponent.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "analysis/readout.h"

namespace {

// An optional minus, at least one digit, the separator and three digits.
bool fixed_point(const std::string& s, const std::string& sep) {
    return std::regex_match(s, std::regex("-?[0-9]+[" + sep + "][0-9]{3}"));
}

// x, y, fi, Ex and Ey in fixed-point form with the locale's separator, as Coulomb's law gives
// them where worked out; next to a charge the field is huge, and written in full.
TEST(Readout, FixedPointTexts) {
    struct Row {
        const char* name;
        const char* sep;
        float x, y;
        std::vector<std::string> known;
    };
    const Row rows[] = {
        {"fi = 9*(0.4/1.5 - 0.1/0.5), Ex = 9*(0.4/1.5^2 - 0.1/0.5^2)",
         ".",
         1,
         0,
         {"1.000", "0.000", "0.600", "-2.000", "0.000"}},
        {"negative below one: the sign and the leading 0 kept",
         ",",
         -0.25f,
         -0.25f,
         {"-0,250", "-0,250", "9,044", "21,731", "-19,909"}},
        {"just above the left charge", ".", -0.5f, 1e-4f, {}},
        {"beside the left charge", ".", -0.5f + 1e-5f, 0, {}},
        {"on the right charge", ".", 0.5f, 0, {}},
        {"on the left charge", ".", -0.5f, 0, {}},
    };
    for (const Row& r : rows) {
        const Readout out = readout_at({.decimal_separator = r.sep}, r.x, r.y);
        const std::vector<std::string> texts{out.x, out.y, out.fi, out.Ex, out.Ey};
        for (const std::string& t : texts) {
            EXPECT_TRUE(fixed_point(t, r.sep)) << r.name << ": " << t;
        }
        EXPECT_TRUE(r.known.empty() || texts == r.known)
            << r.name << ": " << testing::PrintToString(texts);
    }
    EXPECT_GT(readout_at({}, -0.5f, 1e-4f).Ey.size(), 10u);
}

} // namespace
