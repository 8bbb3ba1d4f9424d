#include "analysis/user_equipotential.h"

#include "picture/equipotentials.h"

void line_fi_user(Module1& m, PictureBox& pic, Progress& progress) {
    pic.pen_width = 2;
    set_steps(m);
    scan_level(m, pic, m.fi_user, kUserEquipotentialColour, progress);
    pic.pen_width = 1;
}
