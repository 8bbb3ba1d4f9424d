// The session's probes: the pointer readout and the point log.
#include "session/session.h"

const Readout& Session::move_pointer(float x, float y) {
    readout_ = readout_at(params_, x, y);
    return *readout_;
}

PointLogged Session::double_click_picture(float x, float y) {
    if (!point_log_.is_on()) {
        dialogs_.message(translated(params_.translator, kLogOffText),
                         translated(params_.translator, kHintTitle));
        return {false, false};
    }
    // A double click before any pointer move reads out the point under the pointer first, so
    // that the line holds numbers.
    const bool first = !readout_;
    if (first) {
        move_pointer(x, y);
    }
    if (!point_log_.append(readout_->x, readout_->y, readout_->fi, readout_->Ex, readout_->Ey)) {
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
    return {first, point_log_.is_on()};
}

bool Session::click_log_box(bool ticked) {
    if (ticked) {
        dialogs_.message(log_hint_text(params_.translator),
                         translated(params_.translator, kHintTitle));
        if (!point_log_.start(params_)) {
            dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
        }
    } else if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
    return point_log_.is_on();
}

void Session::quit() {
    if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
}
