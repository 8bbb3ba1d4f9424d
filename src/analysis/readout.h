#pragma once
// The pointer readout: position, potential and field at a point of the picture, as the five
// labels show them.
#include <string>

#include "model/module1.h"

struct Readout {
    std::string x, y, fi, Ex, Ey; // each in the form "0.000" with the locale's separator
};

// The readout at (x, y) [m]: fi_point, Ex_point and Ey_point there, in fixed-point form with
// three decimals however large the value (never an exponent).
Readout readout_at(const Module1& m, float x, float y);
