#pragma once
// The pointer readout: position, potential and field at a point of the picture, as the five
// labels show them.
#include <string>

#include "model/field_params.h"

struct Readout {
    std::string x, y, fi, Ex, Ey; // each in the form "0.000" with the locale's separator
};

// The readout at (x, y) [m]: potential_at, ex_at and ey_at there, in fixed-point form with
// three decimals however large the value (never an exponent).
Readout readout_at(const FieldParams& params, float x, float y);
