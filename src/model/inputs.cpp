#include "model/inputs.h"

#include <algorithm>
#include <limits>

#include "model/numbers.h"

double read_n_fi(std::string_view text) {
    return read_number(text);
}

std::int16_t read_n_E(std::string_view text) {
    return to_int16_even(read_number(text));
}

double read_Y_fix(std::string_view text) {
    return read_number(text);
}

float read_fi_user(std::string_view text) {
    const double v = round_decimals(read_number(text), 2);
    const double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -limit, limit));
}

double read_X_fix(std::string_view text) {
    return read_number(text);
}
