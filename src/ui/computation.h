#pragma once
// A computation the user waits for: the main picture, the characteristic lines, the chosen
// equipotential, the profiles.
//
// It runs on the interface thread and reports its progress (see base/progress.h). For the
// first half second nothing new shows; the window system's events are handled every few tens of
// milliseconds (the user's input waits until the computation ends), so the windows repaint and
// show what is drawn so far. A computation still running after half a second shows a progress
// window, modal to the window it draws on, with a bar and a stop button; from then on events are
// handled in full, but input reaches only the progress window (and message boxes), not the main
// window nor the profile windows. So the model record never changes under a computation, and no
// second computation starts inside the first.
//
// Computations nest: a computation started while one runs (the profiles a change of a charge
// redraws) is part of it and shares its progress.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <memory>

#include "base/progress.h"

class QWidget;

class Computation {
  public:
    // `window`: the window the computation draws on.
    explicit Computation(QWidget* window);
    ~Computation();
    Computation(const Computation&) = delete;
    Computation& operator=(const Computation&) = delete;

    // The progress of the whole computation (the outermost one).
    Progress& progress();
    bool stopped() { return progress().stopped(); }

    // True while the events of a running computation are being handled. A redraw asked for
    // then (a window resized by the window system) would change what the computation works
    // with: it waits, with later(), until the computation has ended.
    static bool handling_events();
    // Runs `action` when the running computation ends, once per `owner` and `what` however
    // often it is asked (nothing if the owner is gone by then).
    static void later(QObject* owner, const char* what, std::function<void()> action);

    // The caption and button of the progress window.
    static constexpr const char* kLabel = "Расчёт…";
    static constexpr const char* kStop = "Остановить";
    // How long a computation runs before its progress window shows, and how often it handles
    // events, in milliseconds.
    static constexpr int kShowAfter = 500;
    static constexpr int kEventsEvery = 30;

  private:
    class Shown;
    std::unique_ptr<Shown> shown_; // only in the outermost computation
};
