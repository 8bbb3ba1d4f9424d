// The session's inputs and its field picture: the scroll bars, the text boxes, the families,
// «расчёт», the clicks that draw over the picture, the views and the live redraw.
#include "session/session.h"

#include "base/silent.h"
#include "model/inputs.h"
#include "model/numbers.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"

Session::Session(FieldParams& params, PictureBox& picture, Dialogs& dialogs, Platform& platform,
                 SessionClock& clock)
    : params_(params), picture_(picture), dialogs_(dialogs), platform_(platform), clock_(clock) {
    field_picture_.frame = frame_for(params_);
}

StartInputs Session::reset_inputs() {
    FieldParams start;
    start.decimal_separator = params_.decimal_separator;
    start.translator = params_.translator;
    start.views = params_.views;
    params_ = start;
    // The edits show a decimal point whatever the separator; they read a comma too.
    const auto pointed = [](double v) { return format_fixed(v, 2, "."); };
    return {to_int16_even(params_.q1 / 0.05),
            to_int16_even(params_.q2 / 0.05),
            to_int16_even(params_.half_width / 0.5),
            format_shortest(params_.level_intervals, "."),
            std::to_string(params_.lines_per_charge),
            pointed(params_.y_fixed),
            pointed(params_.x_fixed),
            pointed(params_.chosen_potential),
            2};
}

void Session::draw_start_frame() {
    field_picture_.frame = draw_frame(params_, picture_);
    note_frame(false);
}

BarMoved Session::move_q1_bar(int position) {
    params_.q1 = position * 0.05;
    return bar_moved(params_.q1);
}

BarMoved Session::move_q2_bar(int position) {
    params_.q2 = position * 0.05;
    return bar_moved(params_.q2);
}

BarMoved Session::move_size_bar(int position) {
    params_.half_width = position * 0.5;
    return bar_moved(params_.half_width);
}

BarMoved Session::bar_moved(double value) {
    return {format_fixed(value, 2, params_.decimal_separator), redraw_after_change(),
            every_shown_profile(ProfileWarning::Box)};
}

PictureRedraw Session::redraw_after_change() const {
    return live_.redraws_at_once(params_) ? PictureRedraw::Whole : PictureRedraw::Frame;
}

PictureRedraw Session::type_level_count(std::string_view text) {
    params_.level_intervals = read_level_intervals(text);
    return live_.is_on() ? redraw_after_change() : PictureRedraw::None;
}

PictureRedraw Session::type_line_count(std::string_view text) {
    params_.lines_per_charge = read_lines_per_charge(text);
    return live_.is_on() ? redraw_after_change() : PictureRedraw::None;
}

// The user is typing: a warning goes into the graph, so that no box takes the next key.
ProfileRedraw Session::type_y_fixed(std::string_view text) {
    params_.y_fixed = read_y_fixed(text);
    return shown_of({ProfileId::PhiAlongX, ProfileId::ExAlongX, ProfileId::EyAlongX},
                    ProfileWarning::InPicture);
}

ProfileRedraw Session::type_x_fixed(std::string_view text) {
    params_.x_fixed = read_x_fixed(text);
    return shown_of({ProfileId::PhiAlongY, ProfileId::ExAlongY, ProfileId::EyAlongY},
                    ProfileWarning::InPicture);
}

void Session::type_chosen_potential(std::string_view text) {
    params_.chosen_potential = read_chosen_potential(text);
}

void Session::choose_potential(float volts) {
    params_.chosen_potential = volts;
}

FamiliesChosen Session::choose_families(int row) {
    params_.families = row == 0   ? LineFamilies::Equipotentials
                       : row == 1 ? LineFamilies::FieldLines
                                  : LineFamilies::Both;
    return {params_.families != LineFamilies::FieldLines,
            params_.families != LineFamilies::Equipotentials,
            live_.is_on() ? redraw_after_change() : PictureRedraw::None};
}

void Session::press_compute(Progress& progress) {
    const SessionClock::MinuteSecond start = clock_.time_of_day();
    drawn_over_.clear();
    // The tip keeps its text when no level step was counted.
    if (compute_picture(params_, field_picture_, picture_, dialogs_, platform_, progress)) {
        level_step_of_.emplace(params_, field_picture_.charges);
    }
    const SessionClock::MinuteSecond end = clock_.time_of_day();
    computed_time_ = ComputedTime{
        elapsed_seconds(start.minute, start.second, end.minute, end.second), progress.stopped()};
    lines_shown_ = true;
    note_computed(progress.stopped());
}

void Session::click_q1_heading(Progress& progress) {
    draw_over_by_click({DrawnOver::ZeroPotential}, progress);
}

void Session::click_q2_heading(Progress& progress) {
    draw_over_by_click({DrawnOver::ZeroField}, progress);
}

void Session::click_size_heading(Progress& progress) {
    draw_over_by_click({DrawnOver::FieldDirection}, progress);
}

void Session::press_chosen_potential_button(Progress& progress) {
    draw_over_by_click({DrawnOver::ChosenEquipotential, params_.chosen_potential}, progress);
}

void Session::draw_over_by_click(const DrawnOver& drawn, Progress& progress) {
    const std::size_t before = picture_.taken();
    draw_over(drawn, params_, field_picture_, results_, picture_, dialogs_, progress);
    drawn_over_.push_back(drawn);
    note_drawn(before, drawn);
}

PictureRedraw Session::toggle_view(const ViewOptions& views) {
    params_.views = views;
    return lines_shown_ || live_.redraws_at_once(params_) ? PictureRedraw::Whole
                                                          : PictureRedraw::Frame;
}

PictureRedraw Session::toggle_live(bool on) {
    live_.set_on(on);
    return on ? redraw_after_change() : PictureRedraw::None;
}

PictureRedraw Session::resize_picture() const {
    return redraw_after_change();
}

LanguageSwitched Session::switch_language() const {
    return {lines_shown_ ? PictureRedraw::Whole : PictureRedraw::FrameAndDrawnOver,
            every_shown_profile(ProfileWarning::InPicture)};
}

void Session::redraw_picture(PictureRedraw how, Progress& progress) {
    if (how == PictureRedraw::Whole) {
        redraw_whole_picture(progress);
    } else if (how != PictureRedraw::None) {
        picture_.clear();
        lines_shown_ = false;
        field_picture_.frame = draw_frame(params_, picture_);
        field_picture_.charges = draw_charges(params_, picture_);
        note_frame(true);
        if (how == PictureRedraw::FrameAndDrawnOver) {
            draw_over_again(progress);
        } else {
            drawn_over_.clear();
        }
    }
}

// The picture as «расчёт» draws it, with what was drawn over it since, without the caption, the
// tone or a message box; its lines timed for the next decision.
void Session::redraw_whole_picture(Progress& progress) {
    SilentDialogs quiet;
    SilentPlatform no_tone;
    TimedProgress timed(progress, clock_);
    if (compute_picture(params_, field_picture_, picture_, quiet, no_tone, timed)) {
        level_step_of_.emplace(params_, field_picture_.charges);
    }
    if (!timed.stopped()) {
        live_.measured(params_, timed.seconds_of_lines());
    }
    lines_shown_ = true;
    note_computed(timed.stopped());
    draw_over_again(progress);
}

void Session::draw_over_again(Progress& progress) {
    // With both charges zero there is nothing to draw over.
    if (params_.q1 == 0 && params_.q2 == 0) {
        return;
    }
    SilentDialogs quiet;
    for (const DrawnOver& d : drawn_over_) {
        if (progress.stopped()) {
            return;
        }
        const std::size_t before = picture_.taken();
        draw_over(d, params_, field_picture_, results_, picture_, quiet, progress);
        note_drawn(before, d);
    }
}

std::optional<std::string> Session::caption() const {
    if (!computed_time_) {
        return std::nullopt;
    }
    return caption_with_time(translated(params_.translator, kComputingTitle),
                             computed_time_->seconds, computed_time_->stopped, params_.translator);
}

std::string Session::level_step_tip() const {
    std::optional<std::string> tip;
    if (level_step_of_) {
        FieldParams p = level_step_of_->first;
        p.translator = params_.translator;
        tip = ::level_step_tip(p, level_step_of_->second);
    }
    return tip.value_or(translated(params_.translator, kLevelStepUnknown));
}

std::vector<std::string> Session::picture_notes() const {
    std::vector<std::string> notes;
    for (const PictureNote& note : notes_) {
        notes.push_back(translated(params_.translator, note.text, {note.number}));
    }
    return notes;
}

void Session::note_frame(bool with_charges) {
    notes_ = {{CF_TEXT("Session", "координатная сетка с осями"), {}}};
    if (params_.views.potential_map) {
        notes_.push_back({CF_TEXT("Session", "карта потенциала"), {}});
    }
    if (params_.views.arrows) {
        notes_.push_back({CF_TEXT("Session", "стрелки поля"), {}});
    }
    if (with_charges) {
        notes_.push_back(params_.views.charge_marks
                             ? PictureNote{CF_TEXT("Session", "заряды со знаками"), {}}
                             : PictureNote{CF_TEXT("Session", "заряды"), {}});
    }
}

void Session::note_computed(bool stopped) {
    const bool charges = params_.q1 != 0 || params_.q2 != 0;
    note_frame(charges);
    if (charges && params_.families != LineFamilies::FieldLines) {
        notes_.push_back(
            params_.views.exact_equipotentials
                ? PictureNote{CF_TEXT("Session", "точные эквипотенциали с подписями уровней"), {}}
                : PictureNote{CF_TEXT("Session", "линии потенциала"), {}});
    }
    if (charges && params_.families != LineFamilies::Equipotentials) {
        notes_.push_back(
            params_.views.flux_lines
                ? PictureNote{CF_TEXT("Session", "линии напряжённости равного потока"), {}}
                : PictureNote{CF_TEXT("Session", "линии напряжённости"), {}});
        if (params_.views.charge_marks) {
            notes_.push_back({CF_TEXT("Session", "стрелки направления поля на линиях"), {}});
        }
    }
    if (stopped) {
        notes_.push_back({CF_TEXT("Session", "не всё: расчёт остановлен"), {}});
    }
}

void Session::note_drawn(std::size_t taken_before, const DrawnOver& drawn) {
    if (picture_.taken() != taken_before) {
        notes_.push_back(note_of(drawn, params_));
    }
}
