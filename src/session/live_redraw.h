#pragma once
// The live redraw: with it on, a change of an input draws the whole picture again, as «расчёт»
// would, instead of clearing its lines; but only when that is expected to take no more than
// half a second, judged from how long the last such redraw took for its amount of work.
#include <optional>

#include "base/progress.h"
#include "model/field_params.h"
#include "session/session_clock.h"

// The drawing work of the chosen families, in units of about one equipotential level's time: a
// start angle's field lines take about six (as the computation shares out its progress).
double field_work(const FieldParams& params);

class LiveRedraw {
  public:
    // The longest a live redraw is expected to take, s.
    static constexpr double kLimit = 0.5;

    bool is_on() const { return on_; }
    void set_on(bool on) { on_ = on; }
    // The seconds a redraw of the lines for `params` is expected to take: its work at the rate
    // last measured (with the prescribed field lines or with the lines of equal flux, which
    // trace many times faster).
    double expected_seconds(const FieldParams& params) const {
        return rate_[params.views.flux_lines ? 1 : 0] * field_work(params);
    }
    // On, and quick enough to redraw the whole picture at once.
    bool redraws_at_once(const FieldParams& params) const {
        return on_ && expected_seconds(params) <= kLimit;
    }
    // A whole redraw for `params`, not stopped, took `seconds` for its lines.
    void measured(const FieldParams& params, double seconds) {
        rate_[params.views.flux_lines ? 1 : 0] = seconds / field_work(params);
    }

  private:
    bool on_ = false;
    // Seconds per unit of work, as last measured (a guess before the first).
    double rate_[2] = {2e-4, 2e-4};
};

// Passes the reports on and notes when the first came: the lines start after the frame.
class TimedProgress : public Progress {
  public:
    TimedProgress(Progress& whole, SessionClock& clock)
        : whole_(whole), clock_(clock), start_(clock.seconds()) {}
    // Seconds since the first report, or since the start when there was none.
    double seconds_of_lines() const { return clock_.seconds() - first_.value_or(start_); }

  protected:
    bool go_on(double done) override {
        if (!first_) {
            first_ = clock_.seconds();
        }
        return whole_.report(done);
    }

  private:
    Progress& whole_;
    SessionClock& clock_;
    double start_;
    std::optional<double> first_;
};
