// The menu «Вид»: the views every later picture shows, and the live redraw, which draws the whole
// picture again at every change of an input instead of clearing its lines.
#include "ui/computation.h"
#include "ui/main_window.h"

void MainWindow::on_views_chosen() {
    const Computation c(this);
    redraw_picture(session_->toggle_view(
        {ui.potential_map_action->isChecked(), ui.arrows_action->isChecked(),
         ui.flux_lines_action->isChecked(), ui.exact_equipotentials_action->isChecked(),
         ui.charge_marks_action->isChecked()}));
}

void MainWindow::on_live_toggled(bool on) {
    // While the thumb of a bar is dragged, each step it passes is a change (otherwise only
    // where it is let go).
    for (PositionScrollBar* bar : {ui.q1_bar, ui.q2_bar, ui.size_bar}) {
        bar->setTracking(on);
    }
    const PictureRedraw how = session_->toggle_live(on);
    if (how != PictureRedraw::None) {
        const Computation c(this);
        redraw_picture(how);
    }
}
