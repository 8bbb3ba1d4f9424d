// What the main window's controls do: each hands the control's value to the session and shows
// what it returns (the inputs, the compute button, the characteristic lines, the chosen
// equipotential, the pointer readout and the point log).
#include <QCursor>

#include "picture/compute.h"
#include "ui/computation.h"
#include "ui/main_window.h"

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void MainWindow::on_bar_moved(const BarMoved& moved, QLabel* label) {
    label->setText(qs(moved.value_text));
    describe_values();
    const Computation c(this);
    redraw_picture(moved.picture);
    redraw_profiles(moved.profiles);
}

void MainWindow::redraw_profiles(const ProfileRedraw& redraw) {
    Computation c(this);
    double k = 0;
    const double n = static_cast<double>(redraw.ids.size());
    for (ProfileId id : redraw.ids) {
        ProgressPart part(c.progress(), k / n, (k + 1) / n);
        profile(id).redraw(part, redraw.warning);
        if (c.stopped()) {
            return;
        }
        k += 1;
    }
}

void MainWindow::on_q1_changed() {
    on_bar_moved(session_->move_q1_bar(ui.q1_bar->position()), ui.q1_value);
}

void MainWindow::on_q2_changed() {
    on_bar_moved(session_->move_q2_bar(ui.q2_bar->position()), ui.q2_value);
}

void MainWindow::on_size_changed() {
    on_bar_moved(session_->move_size_bar(ui.size_bar->position()), ui.size_value);
}

// The edits pass their text on at every keystroke.
void MainWindow::on_level_count_edited() {
    redraw_picture(session_->type_level_count(ui.level_count_edit->text().toStdString()));
}

void MainWindow::on_line_count_edited() {
    redraw_picture(session_->type_line_count(ui.line_count_edit->text().toStdString()));
}

void MainWindow::on_y_fixed_edited() {
    redraw_profiles(session_->type_y_fixed(ui.y_fixed_edit->text().toStdString()));
}

void MainWindow::on_x_fixed_edited() {
    redraw_profiles(session_->type_x_fixed(ui.x_fixed_edit->text().toStdString()));
}

void MainWindow::on_chosen_potential_edited() {
    session_->type_chosen_potential(ui.chosen_potential_edit->text().toStdString());
}

// The list chooses the families «расчёт» draws and shows only the counts they need.
void MainWindow::on_families_chosen() {
    const FamiliesChosen chosen = session_->choose_families(ui.families_list->currentRow());
    ui.level_count_heading->setVisible(chosen.level_count_shown);
    ui.level_count_edit->setVisible(chosen.level_count_shown);
    ui.line_count_heading->setVisible(chosen.line_count_shown);
    ui.line_count_edit->setVisible(chosen.line_count_shown);
    redraw_picture(chosen.picture);
}

// The caption says the computation runs; afterwards the level step goes into the count's tool
// tip and the seconds taken into the caption.
void MainWindow::compute() {
    setWindowTitle(qs(translated(session_->params().translator, kComputingTitle)));
    Computation c(this);
    session_->press_compute(c.progress());
    set_level_step_tip();
    set_title();
    describe_picture();
}

void MainWindow::draw_over(void (Session::*click)(Progress&)) {
    Computation c(this);
    ((*session_).*click)(c.progress());
    describe_picture();
}

void MainWindow::explain_zero_potential() {
    draw_over(&Session::click_q1_heading);
}

void MainWindow::explain_zero_field() {
    draw_over(&Session::click_q2_heading);
}

void MainWindow::explain_field_direction() {
    draw_over(&Session::click_size_heading);
}

void MainWindow::draw_chosen_equipotential() {
    draw_over(&Session::press_chosen_potential_button);
}

void MainWindow::show_readout(float x, float y) {
    session_->move_pointer(x, y);
    show_readout_values();
}

void MainWindow::show_readout_values() {
    const Readout& r = *session_->readout();
    show_whole(ui.readout_x_value, qs(r.x));
    show_whole(ui.readout_y_value, qs(r.y));
    show_whole(ui.readout_phi_value, qs(r.fi));
    show_whole(ui.readout_ex_value, qs(r.Ex));
    show_whole(ui.readout_ey_value, qs(r.Ey));
    describe_values();
}

// A double click on the picture, at the point under the pointer.
void MainWindow::log_point() {
    const QPointF u = ui.picture->to_user(ui.picture->mapFromGlobal(QCursor::pos()).toPointF());
    const PointLogged logged =
        session_->double_click_picture(static_cast<float>(u.x()), static_cast<float>(u.y()));
    if (logged.readout_changed) {
        show_readout_values();
    }
    ui.log_check->setChecked(logged.log_on);
}

// Ticking the log's box starts the file afresh; clearing it closes the file.
void MainWindow::on_log_clicked() {
    ui.log_check->setChecked(session_->click_log_box(ui.log_check->isChecked()));
}
