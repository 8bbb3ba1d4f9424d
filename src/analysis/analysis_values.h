#pragma once
// Values written by the characteristic lines and the probes, kept between clicks.
//
// The circle values start out empty: a message that quotes them before any circle has been
// computed shows 0.00.
#include <optional>

struct AnalysisValues {
    // --- zero-potential line: centre x and radius of the circle of Apollonius, m -----------
    std::optional<double> x_c;
    std::optional<double> R_c;

    // --- zero-field point and the equipotential through it ---------------------------------
    double x_E0 = 0;  // x of the zero-field point on the x axis, m
    double y_1 = 0;   // where that equipotential crosses the y axis (and at -y_1), m
    double x_1 = 0;   // the two further crossings with the x axis, m
    double x_2 = 0;   //
    double fi_E0 = 0; // potential at the zero-field point, V
    float r_dot = 0;  // radius of the marker discs, m

    // --- line of horizontal field (Ey = 0): centre x and radius of its circle, m ------------
    std::optional<float> x_cy;
    std::optional<double> R_cy;
};
