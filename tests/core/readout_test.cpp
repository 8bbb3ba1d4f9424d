// The pointer readout: five texts in the form "0.000", never with an exponent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "analysis/readout.h"

namespace {

FieldParams defaults(const std::string& sep) {
    FieldParams p;
    p.decimal_separator = sep;
    return p;
}

// At (1, 0) the defaults give fi = 9*(0.4/1.5 - 0.1/0.5) = 0.6 V and Ex = -2 V/m.
TEST(Readout, KnownPointInBothSeparators) {
    const Readout r = readout_at(defaults("."), 1, 0);
    EXPECT_EQ(r.x, "1.000");
    EXPECT_EQ(r.y, "0.000");
    EXPECT_EQ(r.fi, "0.600");
    EXPECT_EQ(r.Ex, "-2.000");
    EXPECT_EQ(r.Ey, "0.000");
    const Readout c = readout_at(defaults(","), -0.25f, -0.25f);
    EXPECT_EQ(c.x, "-0,250"); // a negative value below one keeps its sign and its leading 0
    EXPECT_EQ(c.y, "-0,250");
}

// An optional minus, at least one digit, a point and three digits.
bool fixed_point(const std::string& s) {
    const auto digits = [&s](std::size_t from, std::size_t to) {
        return from < to && to <= s.size() &&
               std::all_of(s.begin() + from, s.begin() + to,
                           [](unsigned char c) { return std::isdigit(c) != 0; });
    };
    const std::size_t point = s.find('.');
    return point != std::string::npos && digits(s.starts_with('-') ? 1 : 0, point) &&
           s.size() == point + 4 && digits(point + 1, s.size());
}

// Next to a charge the field is huge: written in full with three decimals.
TEST(Readout, LargeValuesStayFixedPoint) {
    for (const auto& [x, y] : {std::pair{-0.5f, 1e-4f}, std::pair{-0.5f + 1e-5f, 0.0f},
                               std::pair{0.5f, 0.0f}, std::pair{-0.5f, 0.0f}}) {
        const Readout r = readout_at(defaults("."), x, y);
        for (const std::string* s : {&r.x, &r.y, &r.fi, &r.Ex, &r.Ey}) {
            EXPECT_TRUE(fixed_point(*s)) << *s;
        }
    }
    EXPECT_GT(readout_at(defaults("."), -0.5f, 1e-4f).Ey.size(), 10u);
}

} // namespace
