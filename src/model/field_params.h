#pragma once
// The inputs of the two-charge system: the charges, the region, the counts of lines, the
// profile lines and the chosen potential. Owned by whoever asks for pictures (the main window,
// the command line); the core only reads them.
//
// Units: lengths in metres, charges in nanocoulombs, potentials in volts, fields in V/m.
// `float` marks the values that are kept in single precision; they are rounded when stored.
#include <cstdint>
#include <string>

#include "base/translator.h"

// Which families the computation draws. Any other value means both.
enum class LineFamilies : std::int16_t { Equipotentials = 1, FieldLines = 2, Both = 3 };

// Views a picture may show besides the prescribed ones; all off by default, and then the picture
// is drawn exactly as without them.
struct ViewOptions {
    bool potential_map = false; // the potential of every pixel in colour, under the frame
    bool arrows = false;        // a grid of arrows along the field
    bool flux_lines = false;    // exact field lines of equal flux instead of the start angles'
    // exact equipotentials of round levels, labelled, instead of the scan's dots
    bool exact_equipotentials = false;
    bool charge_marks = false; // charges as discs with their signs, field lines with directions
};

// The default values are those the program starts with.
struct FieldParams {
    int coulomb_k = 9;                 // Coulomb factor, V*m/nC (9e9 N*m^2/C^2 * 1e-9 C/nC)
    double q1 = 0.4;                   // left charge at (-half_distance, 0), nC
    double q2 = -0.1;                  // right charge at (+half_distance, 0), nC
    double half_distance = 0.5;        // half the distance between the charges, m
    double half_width = 4;             // half-width (= half-height) of the square region, m
    float ball_radius = 0.01f;         // radius of each ball, m (only the potential uses it)
    double level_intervals = 11;       // intervals between equipotential levels
    std::int16_t lines_per_charge = 6; // field-line start angles per charge
    LineFamilies families = LineFamilies::Both;
    double y_fixed = 0.1;               // y of the horizontal profile line, m
    double x_fixed = 0.75;              // x of the vertical profile line, m
    float chosen_potential = 0.95f;     // potential of the chosen equipotential, V
    int profile_steps = 500;            // sample steps of every profile
    std::int16_t value_grid_lines = 20; // value grid steps across a profile's value range
    // The decimal separator of every formatted number (the window sets the locale's).
    std::string decimal_separator = ".";
    // The language of the texts the core makes (see base/translator.h): none keeps them Russian.
    const Translator* translator = nullptr;
    ViewOptions views = {};
};
