#include "analysis/user_equipotential.h"

#include "picture/equipotentials.h"

void line_fi_user(Module1& m, PictureBox& pic, Progress& progress) {
    pic.DrawWidth = 2;
    set_steps(m);
    scan_level(m, pic, m.fi_user, kUserEquipotentialColour, progress);
    pic.DrawWidth = 1;
}
