#include "picture/compute.h"

#include "model/numbers.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"

void draw_field(Module1& m, PictureBox& pic, Platform& platform) {
    if (m.line_kind == 1) {
        lines_fi(m, pic);
    } else if (m.line_kind == 2) {
        lines_E(m, pic);
    } else {
        lines_fi(m, pic);
        lines_E(m, pic);
    }
    beep2(platform, 10);
}

void beep2(Platform& platform, double t) {
    platform.tone(880, to_int32_even(t * 12));
}

void compute_picture(Module1& m, PictureBox& pic, Dialogs& dialogs, Platform& platform) {
    pic.Cls();
    axes_main(m, pic);
    if (m.q1 == 0 && m.q2 == 0) {
        dialogs.message("Зарядов нет?\rПоля нет-1!", kWarningTitle);
        return;
    }
    draw_charges(m, pic);
    draw_field(m, pic, platform);
}

int elapsed_seconds(int m0, int s0, int m1, int s1) {
    const int minutes = ((m1 - m0) % 60 + 60) % 60;
    return 60 * minutes + s1 - s0;
}

std::string caption_with_time(const std::string& caption, int seconds) {
    return caption + ". Время расчета" + (seconds >= 0 ? " " : "") + std::to_string(seconds) + " c";
}
