#pragma once
// What the characteristic lines and points found, kept between clicks for their messages.
// Owned by the main window (and the command line).
//
// The circle values start out empty: a message that quotes them before any circle has been
// computed shows 0.00.
#include <optional>

struct CharacteristicResults {
    // The zero-potential line: centre x and radius of the circle of Apollonius, m.
    std::optional<double> zero_potential_centre;
    std::optional<double> zero_potential_radius;

    // The zero-field point and the equipotential through it.
    double zero_field_x = 0;         // x of the zero-field point on the x axis, m
    double level_crossing_y = 0;     // where that equipotential crosses the y axis (and at -y), m
    double level_crossing_left = 0;  // its two further crossings with the x axis, m
    double level_crossing_right = 0; //
    double zero_field_potential = 0; // potential at the zero-field point, V

    // The line of horizontal field (Ey = 0): centre x and radius of its circle, m.
    std::optional<float> horizontal_field_centre;
    std::optional<double> horizontal_field_radius;
};
