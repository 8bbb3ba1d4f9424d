#pragma once
// The model values of the five text boxes of the main window, read from the boxes' texts.
// Each never fails and gives a finite value within its type's range: a number too large for the
// value reads as its type's largest value (with its sign), one too small as zero.
#include <cstdint>
#include <string_view>

// Text1: n_fi, the number of intervals between equipotential levels.
double read_n_fi(std::string_view text);
// Text2: n_E, the field-line count, to the nearest 16-bit integer with halves to even.
std::int16_t read_n_E(std::string_view text);
// Text3: Y_fix, m, the height of the horizontal profile line.
double read_Y_fix(std::string_view text);
// Text4: fi_user, V, rounded to two decimals (halves away from zero) and kept in single
// precision.
float read_fi_user(std::string_view text);
// Text5: X_fix, m, the abscissa of the vertical profile line.
double read_X_fix(std::string_view text);
