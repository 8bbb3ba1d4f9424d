// What the main window's controls do: the inputs, the compute button, the characteristic lines,
// the chosen equipotential, the pointer readout and the point log.
#include <QCursor>
#include <QTime>

#include "analysis/field_direction_lines.h"
#include "analysis/readout.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "model/inputs.h"
#include "model/numbers.h"
#include "picture/compute.h"
#include "ui/computation.h"
#include "ui/main_window.h"

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void MainWindow::on_bar_changed(PositionScrollBar* bar, double factor, double& value,
                                QLabel* label) {
    value = bar->position() * factor;
    label->setText(qs(format_fixed(value, 2, params_.decimal_separator)));
    describe_values();
    const Computation c(this);
    relayout_and_redraw();
    redraw_profiles({ProfileId::PhiAlongX, ProfileId::PhiAlongY, ProfileId::ExAlongX,
                     ProfileId::EyAlongX, ProfileId::ExAlongY, ProfileId::EyAlongY});
}

void MainWindow::redraw_profiles(std::initializer_list<ProfileId> ids,
                                 ProfileWindow::Warning warning) {
    Computation c(this);
    double k = 0;
    const double n = static_cast<double>(ids.size());
    for (ProfileId id : ids) {
        ProgressPart part(c.progress(), k / n, (k + 1) / n);
        profile(id).redraw(part, warning);
        if (c.stopped()) {
            return;
        }
        k += 1;
    }
}

void MainWindow::on_q1_changed() {
    on_bar_changed(ui.q1_bar, 0.05, params_.q1, ui.q1_value);
}

void MainWindow::on_q2_changed() {
    on_bar_changed(ui.q2_bar, 0.05, params_.q2, ui.q2_value);
}

void MainWindow::on_size_changed() {
    on_bar_changed(ui.size_bar, 0.5, params_.half_width, ui.size_value);
}

// The edits read their number at every keystroke; nothing is drawn but the profiles of a fixed
// coordinate, and the whole picture for a count with the live redraw on.
void MainWindow::on_level_count_edited() {
    params_.level_intervals = read_level_intervals(ui.level_count_edit->text().toStdString());
    redraw_if_live();
}

void MainWindow::on_line_count_edited() {
    params_.lines_per_charge = read_lines_per_charge(ui.line_count_edit->text().toStdString());
    redraw_if_live();
}

void MainWindow::on_y_fixed_edited() {
    params_.y_fixed = read_y_fixed(ui.y_fixed_edit->text().toStdString());
    // The user is typing: a warning goes into the picture, so that no box takes the next key.
    redraw_profiles({ProfileId::PhiAlongX, ProfileId::ExAlongX, ProfileId::EyAlongX},
                    ProfileWindow::Warning::InPicture);
}

void MainWindow::on_x_fixed_edited() {
    params_.x_fixed = read_x_fixed(ui.x_fixed_edit->text().toStdString());
    redraw_profiles({ProfileId::PhiAlongY, ProfileId::ExAlongY, ProfileId::EyAlongY},
                    ProfileWindow::Warning::InPicture);
}

void MainWindow::on_chosen_potential_edited() {
    params_.chosen_potential =
        read_chosen_potential(ui.chosen_potential_edit->text().toStdString());
}

// The list chooses the families «расчёт» draws and shows only the counts they need.
void MainWindow::on_families_chosen() {
    const int row = ui.families_list->currentRow();
    bool levels = true;
    bool field = true;
    if (row == 0) {
        params_.families = LineFamilies::Equipotentials;
        field = false;
    } else if (row == 1) {
        params_.families = LineFamilies::FieldLines;
        levels = false;
    } else {
        params_.families = LineFamilies::Both;
    }
    ui.level_count_heading->setVisible(levels);
    ui.level_count_edit->setVisible(levels);
    ui.line_count_heading->setVisible(field);
    ui.line_count_edit->setVisible(field);
    redraw_if_live();
}

// Draws the chosen families, sounds the end tone, and tells the level step in the count's tool
// tip and the seconds taken in the caption.
void MainWindow::compute() {
    const QTime start = QTime::currentTime();
    setWindowTitle(qs(translated(params_.translator, kComputingTitle)));
    Computation c(this);
    drawn_over_.clear();
    // The tip keeps its text when no level step was counted.
    if (compute_picture(params_, field_picture_, *ui.picture, dialogs_, platform_, c.progress())) {
        level_step_of_.emplace(params_, field_picture_.charges);
        set_level_step_tip();
    }
    const QTime end = QTime::currentTime();
    const int seconds = elapsed_seconds(start.minute(), start.second(), end.minute(), end.second());
    computed_time_ = ComputedTime{seconds, c.stopped()};
    set_title();
    lines_shown_ = true;
    note_computed(c.stopped());
}

void MainWindow::explain_zero_potential() {
    const std::size_t before = ui.picture->display_list().primitives();
    Computation c(this);
    show_zero_potential_line(params_, field_picture_, results_, *ui.picture, dialogs_,
                             c.progress());
    drawn_over_.push_back({DrawnOver::ZeroPotential});
    note_drawn(before, note_of(drawn_over_.back()));
}

void MainWindow::explain_zero_field() {
    const std::size_t before = ui.picture->display_list().primitives();
    Computation c(this);
    show_zero_field_point(params_, field_picture_, results_, *ui.picture, dialogs_, c.progress());
    drawn_over_.push_back({DrawnOver::ZeroField});
    note_drawn(before, note_of(drawn_over_.back()));
}

void MainWindow::explain_field_direction() {
    const std::size_t before = ui.picture->display_list().primitives();
    Computation c(this);
    show_field_direction_lines(params_, field_picture_, results_, *ui.picture, dialogs_,
                               c.progress());
    drawn_over_.push_back({DrawnOver::FieldDirection});
    note_drawn(before, note_of(drawn_over_.back()));
}

void MainWindow::draw_chosen_equipotential() {
    const std::size_t before = ui.picture->display_list().primitives();
    Computation c(this);
    ::draw_chosen_equipotential(params_, field_picture_.frame, *ui.picture, c.progress());
    drawn_over_.push_back({DrawnOver::ChosenEquipotential, params_.chosen_potential});
    note_drawn(before, note_of(drawn_over_.back()));
}

void MainWindow::show_readout(float x, float y) {
    const Readout r = readout_at(params_, x, y);
    show_whole(ui.readout_x_value, qs(r.x));
    show_whole(ui.readout_y_value, qs(r.y));
    show_whole(ui.readout_phi_value, qs(r.fi));
    show_whole(ui.readout_ex_value, qs(r.Ex));
    show_whole(ui.readout_ey_value, qs(r.Ey));
    readout_shown_ = true;
    describe_values();
}

// A double click on the picture: the readout's five values as a line of the log.
void MainWindow::log_point() {
    if (!ui.log_check->isChecked()) {
        dialogs_.message(translated(params_.translator, kLogOffText),
                         translated(params_.translator, kHintTitle));
        return;
    }
    if (!readout_shown_) {
        // A double click before any pointer move: read out the point under the pointer first,
        // so that the line holds numbers and not the labels' design captions.
        const QPointF u = ui.picture->to_user(ui.picture->mapFromGlobal(QCursor::pos()).toPointF());
        show_readout(static_cast<float>(u.x()), static_cast<float>(u.y()));
    }
    if (!point_log_.append(
            ui.readout_x_value->text().toStdString(), ui.readout_y_value->text().toStdString(),
            ui.readout_phi_value->text().toStdString(), ui.readout_ex_value->text().toStdString(),
            ui.readout_ey_value->text().toStdString())) {
        ui.log_check->setChecked(false);
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
}

// Ticking the log's box starts the file afresh; clearing it closes the file.
void MainWindow::on_log_clicked() {
    if (ui.log_check->isChecked()) {
        dialogs_.message(log_hint_text(params_.translator),
                         translated(params_.translator, kHintTitle));
        if (!point_log_.start(params_)) {
            ui.log_check->setChecked(false);
            dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
        }
    } else if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
}
