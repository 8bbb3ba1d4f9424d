#include "model/inputs.h"

#include <algorithm>
#include <limits>

#include "model/numbers.h"

double read_level_intervals(std::string_view text) {
    return read_number(text);
}

std::int16_t read_lines_per_charge(std::string_view text) {
    return to_int16_even(read_number(text));
}

double read_y_fixed(std::string_view text) {
    return read_number(text);
}

float read_chosen_potential(std::string_view text) {
    const double v = round_decimals(read_number(text), 2);
    const double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -limit, limit));
}

double read_x_fixed(std::string_view text) {
    return read_number(text);
}
