// Reading numbers from the text inputs and the fixed number formats.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "model/numbers.h"

namespace {

// The reading of a text box: point or comma, blanks skipped, &H/&O integers, E or D exponents,
// stops at the first character that cannot continue the number, never fails; and whether the
// number read is all of the text, as the command line requires.
TEST(Numbers, ReadNumber) {
    struct Case {
        const char* text;
        double want;
        bool whole; // the number is all of the text (is_number_text)
    };
    const Case cases[] = {
        {"0.5", 0.5, true},       {"0,5", 0.5, true},         {"-1,25e1", -12.5, true},
        {"1,2.3", 1.2, false},    {",5", 0.5, true},          {"1.2,3", 1.2, false},
        {"1e-1", 0.1, true},      {"1 0", 10, true},          {" -2.5 ", -2.5, true},
        {"\t3\n", 3, true},       {"&HFF", 255, true},        {"&hff", 255, true},
        {"&HFFFF", -1, true},     {"&H7FFF", 32767, true},    {"&H10000", 65536, true},
        {"&HFFFFFFFF", -1, true}, {"&O17", 15, true},         {"&o777", 511, true},
        {"&O8", 0, false},        {"&H", 0, false},           {"&X1", 0, false},
        {"", 0, false},           {"abc", 0, false},          {"-", 0, false},
        {".", 0, false},          {".5", 0.5, true},          {"5.", 5, true},
        {"+7", 7, true},          {"1.2.3", 1.2, false},      {"12abc", 12, false},
        {"2D3", 2000, true},      {"2d-3", 0.002, true},      {"1e", 1, false},
        {"1e+", 1, false},        {"1E+2x", 100, false},      {"1e-999", 0, true},
        {"1e999", DBL_MAX, true}, {"-1e999", -DBL_MAX, true}, {"- 1 e 2", -100, true},
        {"+-5", 0, false},        {"nan", 0, false},          {"inf", 0, false},
        {"0x10", 0, false},       {"1,000", 1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read_number(c.text), c.want) << '"' << c.text << '"';
        EXPECT_EQ(is_number_text(c.text), c.whole) << '"' << c.text << '"';
    }
    // Beyond a double's range the value decides, not the notation: too small reads as 0 (with
    // its sign), too large as the largest double.
    const std::string tiny = "0." + std::string(330, '0') + "1";
    EXPECT_EQ(read_number(tiny), 0);
    EXPECT_TRUE(std::signbit(read_number("-" + tiny)));
    EXPECT_EQ(read_number("1" + std::string(400, '0') + "e-1"), DBL_MAX);
    EXPECT_EQ(read_number("1e-99999999999999999999"), 0);
    EXPECT_EQ(read_number("0,001e+99999999999999999999"), DBL_MAX);
}

// To a 16-bit integer: nearest, halves to even, clamped (the count of field lines).
TEST(Numbers, ToInt16Even) {
    EXPECT_EQ(to_int16_even(2.5), 2);
    EXPECT_EQ(to_int16_even(3.5), 4);
    EXPECT_EQ(to_int16_even(-2.5), -2);
    EXPECT_EQ(to_int16_even(6), 6);
    EXPECT_EQ(to_int16_even(read_number("1e999")), 32767);
    EXPECT_EQ(to_int16_even(read_number("-1e999")), -32768);
    EXPECT_EQ(to_int16_even(40000), 32767);
    EXPECT_EQ(to_int32_even(1.5), 2);
    EXPECT_EQ(to_int32_even(120), 120);
    EXPECT_EQ(to_int32_even(1e300), 2147483647);
}

// Two decimals, halves away from zero, as the potential of the chosen equipotential is kept.
TEST(Numbers, RoundDecimals) {
    EXPECT_DOUBLE_EQ(round_decimals(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(round_decimals(-0.125, 2), -0.13);
    EXPECT_DOUBLE_EQ(round_decimals(0.95, 2), 0.95);
    EXPECT_DOUBLE_EQ(round_decimals(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(round_decimals(0.124999, 2), 0.12);
    EXPECT_EQ(round_decimals(DBL_MAX, 2), DBL_MAX);
    EXPECT_EQ(round_decimals(0, 2), 0);
}

// "0.0", "0.00", "0.000" with either separator: halves away from zero, at least one integer
// digit, no exponent however large, and no "-0.00".
TEST(Numbers, FormatFixed) {
    struct Case {
        double v;
        int decimals;
        const char* sep;
        const char* want;
    };
    const Case cases[] = {
        {0.4, 2, ".", "0.40"},
        {-0.1, 2, ".", "-0.10"},
        {4, 2, ",", "4,00"},
        {-0.1, 2, ",", "-0,10"},
        {0.125, 2, ".", "0.13"},
        {-0.125, 2, ".", "-0.13"},
        {7.7511962, 2, ",", "7,75"},
        {0.05, 1, ".", "0.1"},
        {-0.05, 1, ".", "-0.1"},
        {2.5, 0, ".", "3"},
        {-3.5, 1, ".", "-3.5"},
        {0.0005, 3, ".", "0.001"},
        {-0.004, 2, ".", "0.00"},
        {-0.0, 2, ".", "0.00"},
        {-1e-20, 1, ",", "0,0"},
        {9.995, 2, ".", "10.00"},
        {99.96, 1, ".", "100.0"},
        {0.949999988, 2, ".", "0.95"},
        {1e20, 2, ".", "100000000000000000000.00"},
        {-1e20, 1, ",", "-100000000000000000000,0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(format_fixed(c.v, c.decimals, c.sep), c.want) << c.v;
    }
    const std::string huge = format_fixed(DBL_MAX, 2, ".");
    EXPECT_EQ(huge.find('e'), std::string::npos);
    EXPECT_EQ(huge.size(), 309u + 3u);
}

} // namespace
