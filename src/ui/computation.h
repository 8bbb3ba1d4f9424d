#pragma once
// A computation the user waits for: the main picture, the characteristic lines, the chosen
// equipotential, the profiles, and the saving of a picture.
//
// It runs on the interface thread and reports its progress (see base/progress.h). For the
// first half second nothing new shows; the window system's events are handled every few tens of
// milliseconds (the user's input waits until the computation ends), so the windows repaint and
// show what is drawn so far. A computation still running after half a second shows a progress
// window over the window it draws on, with a bar and a stop button, which takes the keyboard;
// from then on events are handled in full, but input reaches only the progress window (and
// message boxes), not the main window nor the profile windows. So the model record never changes
// under a computation, and no second computation starts inside the first. Escape, in whichever
// of the program's windows has the keyboard, stops the computation as the button does.
//
// A window closed meanwhile (by the window manager) closes when the computation has ended, as
// it would have had the computation held the program until then; closing the window the
// computation draws on also stops it, so that the main window's exit question comes at once. The
// progress window is not modal for this: the window system drops a close request to a window
// that a modal one blocks, and the filter of input does the blocking instead.
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
    // `window`: the window the computation draws on; `label`: the caption and title of its
    // progress window.
    explicit Computation(QWidget* window, const char* label = kLabel);
    ~Computation();
    Computation(const Computation&) = delete;
    Computation& operator=(const Computation&) = delete;

    // The progress of the whole computation (the outermost one).
    Progress& progress();
    bool stopped() { return progress().stopped(); }
    // Whether a request to close the window it draws on stopped it; the request is handled when
    // the outermost computation ends (and its window may then stay open).
    bool closing_window() const;

    // True while the events of a running computation are being handled. A redraw asked for
    // then (a window resized by the window system) would change what the computation works
    // with: it waits, with later(), until the computation has ended.
    static bool handling_events();
    // Runs `action` when the running computation ends, once per `owner` and `what` however
    // often it is asked (nothing if the owner is gone by then).
    static void later(QObject* owner, const char* what, std::function<void()> action);

    // The caption and button of the progress window, and the caption while a picture is saved.
    // (Translated when the window shows.)
    static constexpr const char* kLabel = QT_TRANSLATE_NOOP("Computation", "Расчёт…");
    static constexpr const char* kSaving = QT_TRANSLATE_NOOP("Computation", "Сохранение…");
    static constexpr const char* kStop = QT_TRANSLATE_NOOP("Computation", "Остановить");
    // How long a computation runs before its progress window shows, and how often it handles
    // events, in milliseconds.
    static constexpr int kShowAfter = 500;
    static constexpr int kEventsEvery = 30;

  private:
    class Shown;
    std::unique_ptr<Shown> shown_; // only in the outermost computation
};
