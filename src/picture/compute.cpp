#include "picture/compute.h"

#include <algorithm>

#include "model/numbers.h"
#include "picture/equipotentials.h"
#include "picture/field_views.h"

std::optional<std::string> draw_field(const FieldParams& params, const FieldPicture& picture,
                                      PictureBox& pic, Platform& platform, Progress& progress) {
    std::optional<std::string> tip;
    // The labels of the exact equipotentials, which the field lines leave out.
    std::vector<LabelBox> gaps;
    const auto equipotentials = [&](Progress& part) {
        if (params.views.exact_equipotentials) {
            ExactEquipotentials drawn = draw_exact_equipotentials(params, picture, pic, part);
            gaps = std::move(drawn.gaps);
            return drawn.tip;
        }
        return draw_equipotentials(params, picture, pic, part);
    };
    if (params.families == LineFamilies::Equipotentials) {
        tip = equipotentials(progress);
    } else if (params.families == LineFamilies::FieldLines) {
        draw_field_line_family(params, picture.charges, pic, progress);
    } else {
        // The share of each family in the progress: a level takes about as long as a sixth of
        // a start angle's lines.
        const double levels = std::max(params.level_intervals, 0.0) + 1;
        const double angles = 6.0 * std::max(static_cast<int>(params.lines_per_charge), 0);
        const double split = levels / (levels + angles);
        ProgressPart first(progress, 0, split);
        tip = equipotentials(first);
        if (progress.stopped()) {
            return tip;
        }
        ProgressPart second(progress, split, 1);
        draw_field_line_family(params, picture.charges, pic, second, gaps);
    }
    if (progress.stopped()) {
        return tip;
    }
    end_tone(platform, 10);
    return tip;
}

void end_tone(Platform& platform, double t) {
    platform.tone(880, to_int32_even(t * 12));
}

std::optional<std::string> compute_picture(const FieldParams& params, FieldPicture& picture,
                                           PictureBox& pic, Dialogs& dialogs, Platform& platform,
                                           Progress& progress) {
    pic.clear();
    picture.frame = draw_frame(params, pic, MapLegend::LeftToCaller);
    // The potential map's legend over the lines (also those of a stopped computation).
    const auto legend_on_top = [&] {
        if (params.views.potential_map) {
            draw_potential_legend(params, pic);
        }
    };
    if (params.q1 == 0 && params.q2 == 0) {
        legend_on_top();
        dialogs.message(
            translated(params.translator, CF_TEXT("Picture", "Зарядов нет?\rПоля нет-1!")),
            translated(params.translator, kWarningTitle));
        return std::nullopt;
    }
    picture.charges = draw_charges(params, pic);
    std::optional<std::string> tip = draw_field(params, picture, pic, platform, progress);
    // The charges' signs over the lines that start on them.
    if (params.views.charge_marks) {
        draw_charge_marks(params, pic);
    }
    legend_on_top();
    return tip;
}

int elapsed_seconds(int m0, int s0, int m1, int s1) {
    const int minutes = ((m1 - m0) % 60 + 60) % 60;
    return 60 * minutes + s1 - s0;
}

std::string caption_with_time(const std::string& caption, int seconds, bool stopped,
                              const Translator* translator) {
    // The seconds come with a blank before them unless negative ("5 c", "-2 c").
    std::string time = seconds >= 0 ? " " : "";
    time += std::to_string(seconds);
    return translated(translator, CF_TEXT("Picture", "%1. Время расчета%2 c"), {caption, time}) +
           (stopped ? translated(translator, kStoppedNote) : "");
}
