#include "analysis/user_equipotential.h"

#include "picture/equipotentials.h"

void draw_chosen_equipotential(const FieldParams& params, const Frame& frame, PictureBox& pic,
                               Progress& progress) {
    pic.pen_width = 2;
    scan_level(params, frame, pic, params.chosen_potential, kUserEquipotentialColour, progress);
    pic.pen_width = 1;
}
