#pragma once
// Work that must not hold the interface thread: making a file to save, whose last step (a PDF
// writer compressing its page when its painter ends, a large file reaching the disk) reports
// nothing and can take seconds.
//
// The work runs on a thread of Qt's global pool while the interface thread waits for it inside a
// computation (ui/computation.h), reporting the work's progress: the windows answer throughout
// and the progress window's stop is taken at once. Stopped, the caller goes on at once and the
// work is told to stop at its next report; it then ends on its own, and what it made goes with it
// (the application waits for the pool's threads when it ends). So the work owns all it reads:
// copies, never the objects of the windows, which may change as soon as the caller has gone on.
#include <functional>

#include "base/progress.h"

// Runs `work` in the background, reporting its progress to `progress` until it ends, and
// rethrows what it threw. False when `progress` stopped first.
bool run_in_background(Progress& progress, std::function<void(Progress&)> work);
