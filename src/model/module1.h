#pragma once
// The state of the two-charge system and of its pictures: one record, owned by the application.
//
// Units: lengths in metres, charges in nanocoulombs, potentials in volts, fields in V/m.
// `float` marks the values that are kept in single precision; they are rounded when stored.

#include <cstdint>
#include <string>

#include "base/colour.h"

#include "analysis/analysis_values.h"
#include "profiles/profile_values.h"

struct Module1 : AnalysisValues, ProfileValues {
    // --- model parameters -----------------------------------------------------------------
    int k = 0;             // Coulomb factor, V*m/nC (9e9 N*m^2/C^2 * 1e-9 C/nC)
    double q1 = 0;         // left charge at (-a, 0), nC
    double q2 = 0;         // right charge at (+a, 0), nC
    double a = 0;          // half the distance between the charges, m
    double L = 0;          // half-width (= half-height) of the square region, m
    float R_ball = 0;      // radius of each ball, m (only fi_point uses it)
    double n_fi = 0;       // number of intervals between equipotential levels
    std::int16_t n_E = 0;  // field-line density: start angles per charge
    double Y_fix = 0;      // y of the horizontal profile line, m
    double X_fix = 0;      // x of the vertical profile line, m
    float fi_user = 0;     // potential of the user's equipotential, V
    int n_pts = 0;         // sample steps of every profile graph
    std::int16_t n_ax = 0; // constant of the profile windows' axis drawing
    double mash_3 = 0, mash_4 = 0, mash_Exx = 0, mash_Eyx = 0, mash_Exy = 0, mash_Eyy = 0;
    std::int16_t line_kind = 0; // 1 equipotentials, 2 field lines, anything else both

    // --- derived values of the frame (rewritten by every frame) ---------------------------
    double x_min = 0, x_max = 0, y_min = 0;
    float y_max = 0;
    double tick = 0;
    float tick_s = 0;
    double n_tick = 0;
    double i = 0; // the shared loop counter of the frame and of the extra edge lines
    double r0 = 0;
    double q_ratio = 0;
    double sqrt_ratio = 0;

    // --- equipotential scan ---------------------------------------------------------------
    double h = 0, h2 = 0;
    double fi_b1 = 0, fi_b2 = 0, fi_edge = 0, fi_start = 0, fi_end = 0, d_fi = 0;
    float fi_lev = 0;
    float dfi = 0, dfi_prev = 0;

    // --- field-line tracing (x, y, x0, y0, y0m are shared with the characteristic lines) --
    double x = 0;
    float y = 0;
    double x0 = 0, y0 = 0, y0m = 0;
    float d_theta = 0;
    double theta = 0;
    double rho0 = 0;
    float psi0 = 0;
    double d_phi = 0;
    double h_E = 0;
    double dxdy = 0;
    double phi = 0;
    double r_cur = 0, r_new = 0;
    double k1 = 0, k2 = 0, k3 = 0;
    float k4 = 0;
    double u1 = 0, u2 = 0;

    // --- main window --------------------------------------------------------------------
    std::int16_t ready = 0; // 0 while the main window starts up, 1 afterwards
    int gap_x = 0, gap_y = 0, w_col = 0;
    std::int16_t h_row = 0;

    // Texts that the drawing sets on the main window: the tool-tip of the level-count heading.
    std::string label7_tooltip = "через ? (при расчёте) вольт";
    // The decimal separator of the user's locale, used by every formatted number.
    std::string dec_sep = ".";
};

// The model defaults: the values that start-up gives the record before it fills the inputs.
void set_model_defaults(Module1& m);
