#pragma once
// Reading numbers from the text inputs and writing numbers in the fixed formats.
#include <cstdint>
#include <string>
#include <string_view>

// Reads the number at the start of a text; never fails. Blanks, tabs and line feeds anywhere
// are skipped; "&H" and "&O" start a hexadecimal or octal integer; otherwise an optional sign,
// digits, at most one decimal separator (a point or a comma), and an exponent introduced by E
// or D. Reading stops at the first character that cannot continue the number; no number reads
// as 0; a number beyond the range of a double reads as that double's limit.
double read_number(std::string_view text);

// Whether read_number reads all of `text`: blanks aside, one number with at least one digit and
// nothing after it ("0,5", " 1e3", "&H10"; not "", "nan", "1,2.3", "1e" or "5 V"). The command
// line reads its numbers as the text boxes do and refuses the texts that are not this.
bool is_number_text(std::string_view text);

// Nearest 16-bit integer, halves to even, clamped to the 16-bit range (2.5 -> 2, 3.5 -> 4).
std::int16_t to_int16_even(double v);

// Nearest 32-bit integer, halves to even, clamped to the 32-bit range.
std::int32_t to_int32_even(double v);

// v rounded to `decimals` decimals, halves away from zero, taken from the value's decimal
// representation to 15 significant digits (so 0.125 -> 0.13 and 1.005 -> 1.01).
double round_decimals(double v, int decimals);

// The fixed formats "0.0", "0.00", "0.000": a minus sign when negative (not for a value that
// rounds to zero), at least one integer digit, `decimals` decimals rounded as round_decimals,
// `sep` as the decimal separator, no grouping and never an exponent.
std::string format_fixed(double v, int decimals, std::string_view sep);

// A number in its shortest decimal form to 15 significant digits ("0.4", "-0.1", "0.5", "12",
// and 0.3 for 6 * 0.05), with `sep` as the decimal separator; an exponent only where the fixed
// form would be very long.
std::string format_shortest(double v, std::string_view sep);
