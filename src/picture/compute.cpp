#include "picture/compute.h"

#include <algorithm>

#include "model/numbers.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"

void draw_field(Module1& m, PictureBox& pic, Platform& platform, Progress& progress) {
    if (m.line_kind == 1) {
        lines_fi(m, pic, progress);
    } else if (m.line_kind == 2) {
        lines_E(m, pic, progress);
    } else {
        // The share of each family in the progress: a level takes about as long as a sixth of
        // a start angle's lines.
        const double levels = std::max(m.n_fi, 0.0) + 1;
        const double angles = 6.0 * std::max(static_cast<int>(m.n_E), 0);
        const double split = levels / (levels + angles);
        ProgressPart first(progress, 0, split);
        lines_fi(m, pic, first);
        if (progress.stopped()) {
            return;
        }
        ProgressPart second(progress, split, 1);
        lines_E(m, pic, second);
    }
    if (progress.stopped()) {
        return;
    }
    beep2(platform, 10);
}

void beep2(Platform& platform, double t) {
    platform.tone(880, to_int32_even(t * 12));
}

void compute_picture(Module1& m, PictureBox& pic, Dialogs& dialogs, Platform& platform,
                     Progress& progress) {
    pic.clear();
    axes_main(m, pic);
    if (m.q1 == 0 && m.q2 == 0) {
        dialogs.message("Зарядов нет?\rПоля нет-1!", kWarningTitle);
        return;
    }
    draw_charges(m, pic);
    draw_field(m, pic, platform, progress);
}

int elapsed_seconds(int m0, int s0, int m1, int s1) {
    const int minutes = ((m1 - m0) % 60 + 60) % 60;
    return 60 * minutes + s1 - s0;
}

std::string caption_with_time(const std::string& caption, int seconds, bool stopped) {
    return caption + ". Время расчета" + (seconds >= 0 ? " " : "") + std::to_string(seconds) +
           " c" + (stopped ? kStoppedNote : "");
}
