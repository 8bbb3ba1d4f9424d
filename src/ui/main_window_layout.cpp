// Where the main window's controls go: the picture a square as high as the inner area less two
// gaps, and right of it a column of rows 22 pixels high and columns 65 pixels wide. Only the
// inner height counts, so a taller window has a larger picture and moves the column right.
#include <QEvent>
#include <algorithm>
#include <cmath>

#include "picture/frame.h"
#include "ui/computation.h"
#include "ui/main_window.h"

namespace {

constexpr int kGapX = 4;
constexpr int kGapY = 4;
constexpr int kColumnWidth = 65;
constexpr int kRowHeight = 22;

void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
                   static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
}

} // namespace

void MainWindow::lay_out() {
    // The profile windows lay themselves out with the same measures.
    layout_.gap_x = kGapX;
    layout_.gap_y = kGapY;
    layout_.column_width = kColumnWidth;
    layout_.row_height = kRowHeight;
    const float H = static_cast<float>(ui.inner->height());
    const float gx = static_cast<float>(layout_.gap_x);
    const float gy = static_cast<float>(layout_.gap_y);
    const float wc = static_cast<float>(layout_.column_width);
    const float hr = static_cast<float>(layout_.row_height);

    const float pic = H - 2 * gy;
    place(ui.picture, gx, gy, pic, pic);

    // The charges and the size: heading over value, the scroll bar beside both.
    const float X0 = pic + 2 * gx;
    place(ui.q1_heading, X0, gy, wc, hr);
    place(ui.q1_bar, X0 + wc, gy, wc / 3, 2 * hr);
    place(ui.q1_value, X0, hr + gy, wc, hr);
    place(ui.q2_heading, X0, 2 * hr + 2 * gy, wc, hr);
    place(ui.q2_bar, X0 + wc, 2 * hr + 2 * gy, wc / 3, 2 * hr);
    place(ui.q2_value, X0, 2 * hr + 2 * gy + hr, wc, hr);
    place(ui.size_heading, X0, 4 * hr + 3 * gy, wc, hr);
    place(ui.size_bar, X0 + wc, 4 * hr + 3 * gy, wc / 3, 2 * hr);
    place(ui.size_value, X0, 4 * hr + 3 * gy + hr, wc, hr);

    // The families, their counts and the compute button.
    // As wide as its widest item needs, two columns at least.
    place(ui.families_list, X0, 6 * hr + 4 * gy,
          std::max(2 * wc, static_cast<float>(ui.families_width())), 2.5f * hr);
    const float t_levels = 8 * hr + 6 * gy;
    place(ui.level_count_heading, X0, t_levels, 1.5f * wc, 1.5f * hr);
    place(ui.level_count_edit, X0 + 1.5f * wc, t_levels, 0.5f * wc, hr);
    const float t_lines = 9 * hr + 10 * gy;
    place(ui.line_count_heading, X0, t_lines, 1.5f * wc, 1.5f * hr);
    place(ui.line_count_edit, X0 + 1.5f * wc, t_lines, 0.5f * wc, hr);
    place(ui.compute_button, X0 + 0.5f * wc, 11 * hr + 9 * gy, wc, hr);

    // The profile boxes in two columns, the fixed coordinates under the first pair.
    const float w_box = 1.35f * wc;
    const float t_phi = 12 * hr + 10 * gy;
    place(ui.phi_along_x_check, X0, t_phi, w_box, hr);
    const float t_fixed = t_phi + hr + 0.5f * gy;
    place(ui.y_fixed_edit, X0, t_fixed, 0.75f * wc, hr);
    const float x_right = X0 + w_box + 2 * gx;
    place(ui.phi_along_y_check, x_right, t_phi, w_box, hr);
    // As high as the edit of y_fixed, so that its number can be read.
    place(ui.x_fixed_edit, x_right, t_fixed, 0.75f * wc, hr);
    const float t_ex = t_fixed + hr + gy;
    place(ui.ex_along_x_check, X0, t_ex, w_box, hr);
    const float t_ey = t_ex + hr + gy;
    place(ui.ey_along_x_check, X0, t_ey, w_box, hr);
    place(ui.ex_along_y_check, x_right, t_ex, w_box, hr);
    place(ui.ey_along_y_check, x_right, t_ey, w_box, hr);

    // The readout, heading left of value, with the chosen equipotential and the log beside it.
    const float t_x = 19 * hr + 3 * gy;
    place(ui.readout_x_heading, X0, t_x, 0.7f * wc, hr);
    place(ui.readout_x_value, X0 + 0.7f * wc, t_x, 0.8f * wc, hr);
    const float t_y = t_x + hr + 0.5f * gy;
    place(ui.readout_y_heading, X0, t_y, 0.7f * wc, hr);
    place(ui.readout_y_value, X0 + 0.7f * wc, t_y, 0.8f * wc, hr);
    const float t_phi_value = t_y + hr + 0.5f * gy;
    place(ui.readout_phi_heading, X0, t_phi_value, wc, hr);
    place(ui.readout_phi_value, X0 + wc, t_phi_value, 0.75f * wc, hr);
    const float t_ex_value = t_phi_value + hr + 0.5f * gy;
    place(ui.readout_ex_heading, X0, t_ex_value, wc, hr);
    place(ui.readout_ex_value, X0 + wc, t_ex_value, 0.75f * wc, hr);
    const float t_ey_value = t_ex_value + hr + 0.5f * gy;
    place(ui.readout_ey_heading, X0, t_ey_value, wc, hr);
    place(ui.readout_ey_value, X0 + wc, t_ey_value, 0.75f * wc, hr);
    const float x_chosen = X0 + 2 * 0.7f * wc + 7 * gy;
    place(ui.chosen_potential_button, x_chosen, t_x, 0.7f * wc, hr);
    place(ui.chosen_potential_edit, x_chosen, t_x + hr, 0.7f * wc, hr);
    place(ui.log_check, X0 + wc + 0.75f * wc + gy, t_ex_value, 0.7f * w_box, hr);
    ui.fit_captions();
}

void MainWindow::relayout_and_redraw() {
    relayout_and_redraw(redraws_live() ? Keep::Everything : Keep::Frame);
}

void MainWindow::relayout_and_redraw(Keep keep) {
    if (!ready_) {
        return;
    }
    if (Computation::handling_events()) {
        // Resized while a computation runs: the frame is redrawn once it has ended, as it would
        // be had the computation held the window until then.
        Computation::later(this, "redraw", [this, keep] { relayout_and_redraw(keep); });
        return;
    }
    // A minimised or very low window has no room for a picture: wait for a usable size.
    if (isMinimized() || ui.inner->height() <= 2 * kGapY) {
        return;
    }
    lay_out();
    if (keep == Keep::Everything) {
        Computation c(this);
        redraw_whole_picture(c.progress());
        return;
    }
    ui.picture->clear();
    lines_shown_ = false;
    field_picture_.frame = draw_frame(params_, *ui.picture);
    field_picture_.charges = draw_charges(params_, *ui.picture);
    note_frame(true);
    if (keep == Keep::DrawnOver) {
        Computation c(this);
        draw_over_again(c.progress());
    } else {
        drawn_over_.clear();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.inner && event->type() == QEvent::Resize) {
        relayout_and_redraw();
    }
    return QMainWindow::eventFilter(watched, event);
}
