#pragma once
// How far a long computation has got, and whether it is to go on.
//
// The long procedures report the share of their work done at the boundaries of their loops (a
// level, a field line, a column, a profile) and end at once, keeping what they have drawn, when
// the report says stop. The program shows the share in a progress window and stops on the
// user's word; tests, benchmarks and the command line use no_progress(), which never stops.

class Progress {
  public:
    virtual ~Progress() = default;

    // `done` is the share of the work done so far, from 0 to 1. Returns false once the work is
    // to stop; from then on every report returns false.
    bool report(double done) {
        if (!stopped_ && !go_on(done)) {
            stopped_ = true;
        }
        return !stopped_;
    }
    // The work was told to stop.
    bool stopped() const { return stopped_; }

  protected:
    // The share done; false to stop.
    virtual bool go_on(double done) = 0;

  private:
    bool stopped_ = false;
};

// Never stops and shows nothing.
Progress& no_progress();

// A part of a larger piece of work: the shares `from` to `to` of `whole`.
class ProgressPart : public Progress {
  public:
    ProgressPart(Progress& whole, double from, double to) : whole_(whole), from_(from), to_(to) {}

  protected:
    bool go_on(double done) override { return whole_.report(from_ + (to_ - from_) * done); }

  private:
    Progress& whole_;
    double from_, to_;
};
