#pragma once
// The model values of the five text boxes of the main window, read from the boxes' texts.
// Each never fails and gives a finite value within its type's range: a number too large for the
// value reads as its type's largest value (with its sign), one too small as zero.
#include <cstdint>
#include <string_view>

// The number of intervals between equipotential levels.
double read_level_intervals(std::string_view text);
// The field-line count per charge, to the nearest 16-bit integer with halves to even.
std::int16_t read_lines_per_charge(std::string_view text);
// The height of the horizontal profile line, m.
double read_y_fixed(std::string_view text);
// The chosen potential, V, rounded to two decimals (halves away from zero) and kept in single
// precision.
float read_chosen_potential(std::string_view text);
// The abscissa of the vertical profile line, m.
double read_x_fixed(std::string_view text);
