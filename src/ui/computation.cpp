#include "ui/computation.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The events a person makes with the mouse, the keyboard, a pen or a finger.
bool is_user_input(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
        return true;
    default:
        return false;
    }
}

// The running computation's shared state (the interface thread only).
struct Running {
    int depth = 0;
    Progress* outermost = nullptr;
    bool handling_events = false;
    struct Later {
        QPointer<QObject> owner;
        const char* what;
        std::function<void()> action;
    };
    std::vector<Later> later;
};

Running& running() {
    static Running r;
    return r;
}

} // namespace

// The progress of the outermost computation, its progress window and the filter that keeps the
// user's input from the other windows while the window shows.
class Computation::Shown : public Progress, public QObject {
  public:
    Shown(QWidget* window, const char* label) : window_(window), label_(label) {
        clock_.start();
        qApp->installEventFilter(this);
    }

    ~Shown() override {
        qApp->removeEventFilter(this);
        if (dialog_ != nullptr) {
            // The keyboard it took goes back to the window the computation drew on.
            const bool had_keyboard = dialog_->isActiveWindow();
            dialog_->hide();
            dialog_->deleteLater();
            if (had_keyboard && window_ != nullptr) {
                window_->window()->activateWindow();
            }
        }
    }

    bool closing_window() const { return closing_window_; }

  protected:
    bool go_on(double done) override {
        const qint64 now = clock_.elapsed();
        if (now < next_events_) {
            return !stop_;
        }
        next_events_ = now + kEventsEvery;
        if (dialog_ == nullptr && now >= kShowAfter) {
            show_dialog();
        }
        Running& r = running();
        const bool was = r.handling_events;
        r.handling_events = true;
        if (dialog_ != nullptr) {
            dialog_->setValue(static_cast<int>(std::clamp(done, 0.0, 1.0) * kSteps));
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        } else {
            // The user's input waits in the queue; it is handled after the computation.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        r.handling_events = was;
        return !stop_;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::Close) {
            // A window closed while the computation runs (by the window manager) closes when it
            // has ended; the window it draws on stops it.
            auto* w = qobject_cast<QWidget*>(watched);
            if (w == nullptr || !w->isWindow() || reaches_allowed_window(w)) {
                return false;
            }
            if (window_ != nullptr && w == window_->window()) {
                stop_ = true;
                closing_window_ = true;
            }
            event->ignore();
            const QPointer<QWidget> window(w);
            later(w, "close", [window] {
                if (window) {
                    window->close();
                }
            });
            return true;
        }
        // The user's input reaches only the progress window (and a message box) while it shows;
        // before, it waits in the queue (see go_on). Escape in any window stops the computation,
        // as the window's button does, wherever the keyboard is.
        if (dialog_ == nullptr || !is_user_input(t)) {
            return false;
        }
        if (t == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            QApplication::activeModalWidget() == nullptr) {
            stop_ = true;
        }
        return !reaches_allowed_window(watched);
    }

  private:
    static constexpr int kSteps = 1000;

    void show_dialog() {
        const QString label = QCoreApplication::translate("Computation", label_);
        dialog_ = new QProgressDialog(label, QCoreApplication::translate("Computation", kStop), 0,
                                      kSteps, window_);
        dialog_->setWindowTitle(label);
        // Not modal (see computation.h): the event filter keeps the input from other windows.
        dialog_->setWindowModality(Qt::NonModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        QObject::connect(dialog_, &QProgressDialog::canceled, this, [this] { stop_ = true; });
        describe(dialog_);
        dialog_->show();
        // The keyboard goes to the window that can stop the computation (where no window
        // manager gives it).
        dialog_->activateWindow();
    }

    // Accessible names and descriptions of the window, its bar and its button.
    static void describe(QProgressDialog* dialog) {
        dialog->setAccessibleName(QCoreApplication::translate("Computation", "Ход расчёта"));
        dialog->setAccessibleDescription(QCoreApplication::translate(
            "Computation", "Расчёт идёт; кнопка «Остановить» прерывает его"));
        for (QProgressBar* bar : dialog->findChildren<QProgressBar*>()) {
            bar->setAccessibleName(QCoreApplication::translate("Computation", "Выполнено"));
            bar->setAccessibleDescription(
                QCoreApplication::translate("Computation", "Доля расчёта, выполненная до сих пор"));
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            button->setAccessibleDescription(QCoreApplication::translate(
                "Computation", "Прерывает расчёт; нарисованное до сих пор остаётся"));
        }
    }

    // Input may reach the progress window and a message box the computation shows.
    bool reaches_allowed_window(QObject* watched) const {
        QWidget* target = nullptr;
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            target = w->window();
        } else if (auto* win = qobject_cast<QWindow*>(watched)) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowHandle() == win) {
                    target = top;
                    break;
                }
            }
        } else {
            return true; // not a window: the application itself
        }
        return target != nullptr &&
               (target == dialog_ || target == QApplication::activeModalWidget());
    }

    QPointer<QWidget> window_;
    const char* label_;
    QElapsedTimer clock_;
    qint64 next_events_ = kEventsEvery;
    QProgressDialog* dialog_ = nullptr;
    bool stop_ = false;
    bool closing_window_ = false;
};

Computation::Computation(QWidget* window, const char* label) {
    Running& r = running();
    if (r.depth++ == 0) {
        shown_ = std::make_unique<Shown>(window, label);
        r.outermost = shown_.get();
    }
}

Computation::~Computation() {
    Running& r = running();
    shown_.reset();
    if (--r.depth == 0) {
        r.outermost = nullptr;
        // The redraws that waited for the computation, in the order they were asked for.
        auto later = std::move(r.later);
        r.later.clear();
        for (Running::Later& l : later) {
            if (l.owner) {
                l.action();
            }
        }
    }
}

Progress& Computation::progress() {
    // A nested computation shares the progress of the outermost one.
    return *running().outermost;
}

bool Computation::closing_window() const {
    const Running& r = running();
    return r.outermost != nullptr && static_cast<const Shown*>(r.outermost)->closing_window();
}

bool Computation::handling_events() {
    return running().handling_events;
}

void Computation::later(QObject* owner, const char* what, std::function<void()> action) {
    for (const Running::Later& l : running().later) {
        if (l.owner == owner && std::string_view(l.what) == what) {
            return;
        }
    }
    running().later.push_back({owner, what, std::move(action)});
}
