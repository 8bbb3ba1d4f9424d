// The menu «Вид»: the views every later picture shows, and the live redraw, which draws the whole
// picture again at every change of an input instead of clearing its lines.
#include <QElapsedTimer>
#include <algorithm>

#include "analysis/field_direction_lines.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "base/silent.h"
#include "picture/compute.h"
#include "ui/computation.h"
#include "ui/main_window.h"

namespace {

// The drawing work of the chosen families, in units of about one equipotential level's time: a
// start angle's field lines take about six (as the computation shares out its progress).
double field_work(const FieldParams& p) {
    double work = 1;
    if (p.families != LineFamilies::FieldLines) {
        work += std::max(p.level_intervals, 0.0) + 1;
    }
    if (p.families != LineFamilies::Equipotentials) {
        work += 6.0 * std::max(static_cast<int>(p.lines_per_charge), 0);
    }
    return work;
}

// Passes the reports on and notes when the first came: the lines start after the frame.
class TimedProgress : public Progress {
  public:
    explicit TimedProgress(Progress& whole) : whole_(whole) { clock_.start(); }
    // Seconds since the first report, or since the start when there was none.
    double seconds_of_lines() const {
        return static_cast<double>(clock_.nsecsElapsed() - std::max<qint64>(first_, 0)) * 1e-9;
    }

  protected:
    bool go_on(double done) override {
        if (first_ < 0) {
            first_ = clock_.nsecsElapsed();
        }
        return whole_.report(done);
    }

  private:
    Progress& whole_;
    QElapsedTimer clock_;
    qint64 first_ = -1;
};

} // namespace

void MainWindow::on_views_chosen() {
    params_.views.potential_map = ui.potential_map_action->isChecked();
    params_.views.arrows = ui.arrows_action->isChecked();
    params_.views.flux_lines = ui.flux_lines_action->isChecked();
    params_.views.exact_equipotentials = ui.exact_equipotentials_action->isChecked();
    params_.views.charge_marks = ui.charge_marks_action->isChecked();
    const Computation c(this);
    relayout_and_redraw(lines_shown_ || redraws_live() ? Keep::Everything : Keep::Frame);
}

void MainWindow::on_live_toggled(bool on) {
    live_ = on;
    // While the thumb of a bar is dragged, each step it passes is a change (otherwise only
    // where it is let go).
    for (PositionScrollBar* bar : {ui.q1_bar, ui.q2_bar, ui.size_bar}) {
        bar->setTracking(on);
    }
    if (on) {
        const Computation c(this);
        relayout_and_redraw();
    }
}

void MainWindow::redraw_if_live() {
    if (live_) {
        const Computation c(this);
        relayout_and_redraw();
    }
}

double MainWindow::expected_live_seconds() const {
    return live_rate_[params_.views.flux_lines ? 1 : 0] * field_work(params_);
}

void MainWindow::redraw_whole_picture(Progress& progress) {
    SilentDialogs quiet;
    SilentPlatform no_tone;
    TimedProgress timed(progress);
    QtPictureBox& pic = *ui.picture;
    if (const auto tip = compute_picture(params_, field_picture_, pic, quiet, no_tone, timed)) {
        ui.level_count_heading->setToolTip(QString::fromStdString(*tip));
    }
    if (!timed.stopped()) {
        live_rate_[params_.views.flux_lines ? 1 : 0] =
            timed.seconds_of_lines() / field_work(params_);
    }
    lines_shown_ = true;
    note_computed(timed.stopped());
    draw_over_again(progress);
}

void MainWindow::draw_over_again(Progress& progress) {
    // With both charges zero there is nothing to draw over.
    if (params_.q1 == 0 && params_.q2 == 0) {
        return;
    }
    SilentDialogs quiet;
    QtPictureBox& pic = *ui.picture;
    for (const DrawnOver& d : drawn_over_) {
        if (progress.stopped()) {
            return;
        }
        const std::size_t before = pic.display_list().primitives();
        switch (d.kind) {
        case DrawnOver::ZeroPotential:
            show_zero_potential_line(params_, field_picture_, results_, pic, quiet, progress);
            break;
        case DrawnOver::ZeroField:
            show_zero_field_point(params_, field_picture_, results_, pic, quiet, progress);
            break;
        case DrawnOver::FieldDirection:
            show_field_direction_lines(params_, field_picture_, results_, pic, quiet, progress);
            break;
        case DrawnOver::ChosenEquipotential: {
            FieldParams chosen = params_;
            chosen.chosen_potential = d.potential;
            ::draw_chosen_equipotential(chosen, field_picture_.frame, pic, progress);
            break;
        }
        }
        note_drawn(before, note_of(d));
    }
}
