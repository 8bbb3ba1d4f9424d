#include "model/module1.h"

void set_model_defaults(Module1& m) {
    m.a = 0.5;
    m.k = 9;
    m.q1 = 0.4;
    m.q2 = -0.1;
    m.L = 4;
    m.n_fi = 11;
    m.n_E = 6;
    m.n_pts = 500;
    m.X_fix = 0.75;
    m.Y_fix = 0.1;
    m.mash_3 = m.mash_4 = m.mash_Exx = m.mash_Eyx = m.mash_Exy = m.mash_Eyy = 1;
    m.fi_user = 0.95f;
    m.R_ball = 0.01f;
    m.n_ax = 20;
}
