#pragma once
// Driving the real program in a real X server: start it, find its windows, click and type with
// xdotool, and take screenshots of the screen.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "support/pixels.h"

namespace e2e {

// Runs a command and returns its standard output, trimmed.
inline QString run(const QString& program, const QStringList& args, int timeout_ms = 10000) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(timeout_ms);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList& args) {
    return run(QStringLiteral("xdotool"), args);
}

// Ids of the visible windows whose title contains `name`, oldest first.
inline QStringList find_windows(const QString& name) {
    const QString out = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), name});
    return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
}

// Waits until a visible window whose title contains `name` exists; returns its id.
inline QString wait_window(const QString& name, int timeout_ms = 15000) {
    for (int waited = 0; waited < timeout_ms; waited += 100) {
        const QStringList ids = find_windows(name);
        if (!ids.isEmpty()) {
            return ids.front();
        }
        QTest::qWait(100);
    }
    return {};
}

// The window's inner area on the screen: position and size.
inline QRect geometry(const QString& id) {
    const QString out =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const auto kv = line.split(QLatin1Char('='));
        if (kv.size() != 2) {
            continue;
        }
        const int v = kv[1].toInt();
        if (kv[0] == QLatin1String("X"))
            x = v;
        if (kv[0] == QLatin1String("Y"))
            y = v;
        if (kv[0] == QLatin1String("WIDTH"))
            w = v;
        if (kv[0] == QLatin1String("HEIGHT"))
            h = v;
    }
    return {x, y, w, h};
}

// A click (or a double click with count 2) at a point of the screen.
inline void click_at(QPoint p, int count = 1) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    QTest::qWait(100);
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
             QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
    QTest::qWait(200);
}

inline void move_to(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    QTest::qWait(200);
}

inline void key(const QString& keysym) {
    xdotool({QStringLiteral("key"), keysym});
    QTest::qWait(200);
}

// Types text into the window that has the keyboard focus.
inline void type_text(const QString& text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    QTest::qWait(200);
}

// What the window manager sends when its close box is clicked: the WM_DELETE_WINDOW message of
// the window's protocols.
inline void request_close(const QString& id) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr) << "not on X11";
    xcb_connection_t* c = x11->connection();
    const auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(r);
        return a;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id.toUInt();
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

// Waits until no visible window whose title contains `name` is left.
inline bool wait_gone(const QString& name, int timeout_ms = 5000) {
    for (int waited = 0; waited < timeout_ms; waited += 100) {
        if (find_windows(name).isEmpty()) {
            return true;
        }
        QTest::qWait(100);
    }
    return false;
}

// The program run on the command line in `dir`, without a display, to its end.
struct Finished {
    int code = -1;
    QString out, err;
};
inline Finished run_program(const QStringList& args, const QString& dir) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral(CHARGEFIELD_BINARY), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The whole screen as it is now.
inline QImage screenshot() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// Polls until `done` holds or the time is up; returns whether it holds. The program answers
// at its own pace (slower by far under the sanitizers): wait for what a person would wait for,
// never for a fixed time.
template <class Condition> bool wait_until(Condition done, int timeout_ms = 15000) {
    for (int waited = 0; waited < timeout_ms; waited += 100) {
        if (done()) {
            return true;
        }
        QTest::qWait(100);
    }
    return done();
}

// The first screenshot for which `shows` holds (the last one taken when the time is up).
template <class Condition> QImage wait_screen(Condition shows, int timeout_ms = 15000) {
    QImage shot;
    wait_until([&] { return shows(shot = screenshot()); }, timeout_ms);
    return shot;
}

// The bounding box of the pixels that differ between two screenshots.
inline QRect changed_area(const QImage& before, const QImage& after) {
    QRect box;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// A screenshot of a screen that has held still for a moment (hover effects and redraws done).
inline QImage still_screenshot(int timeout_ms = 15000) {
    QImage last = screenshot();
    wait_until(
        [&] {
            QImage now = screenshot();
            const bool still = now == last;
            last = std::move(now);
            return still;
        },
        timeout_ms);
    return last;
}

// Waits until the screen differs from `before` and then holds still for a moment (a menu has
// opened, a redraw has ended); returns what changed.
inline QRect wait_change(const QImage& before, int timeout_ms = 15000) {
    QImage last = before;
    wait_until(
        [&] {
            QImage now = screenshot();
            const bool settled = now != before && now == last;
            last = std::move(now);
            return settled;
        },
        timeout_ms);
    return changed_area(before, last);
}

// The real program, started in a fresh working directory and ended with the test.
class Program {
  public:
    Program() {
        process_.setWorkingDirectory(dir_.path());
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(QStringLiteral(CHARGEFIELD_BINARY), {});
        process_.waitForStarted(10000);
        main_ = wait_window(QStringLiteral("Несимметричные"));
        // Shown means drawn: the picture's light-green grid is on the screen.
        if (!main_.isEmpty()) {
            const QRect win = geometry(main_);
            wait_screen(
                [&](const QImage& s) { return count_colour(s, win, qRgb(128, 255, 128)) > 10000; });
        }
    }
    // A program that ended by itself must have ended well: a sanitizer's report ends it with a
    // failure code, which fails the test here.
    ~Program() {
        if (process_.state() == QProcess::NotRunning) {
            EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process_.exitCode(), 0);
        }
        process_.kill();
        process_.waitForFinished(5000);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QString main_window() const { return main_; }
    QString working_directory() const { return dir_.path(); }
    bool running() const { return process_.state() == QProcess::Running; }
    QProcess& process() { return process_; }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    QString main_;
};

// The main window on the screen as it opens. Without a window manager its geometry is the
// window's own: the menu bar on top of the inner area, which opens 552 pixels high; the picture
// is the 544-pixel square at (4, 4) of the inner area, and the column of controls starts at
// x = 552 in rows of 22 pixels.
struct MainWindowOnScreen {
    static constexpr int kInnerHeight = 552;
    static constexpr int kColumn = 552;

    QString id;
    QRect win;    // the whole window
    QPoint inner; // the top left corner of the inner area

    MainWindowOnScreen() = default;
    explicit MainWindowOnScreen(const QString& window) : id(window), win(geometry(window)) {
        inner = win.topLeft() + QPoint(0, win.height() - kInnerHeight);
    }
    // A point of the inner area.
    QPoint at(int x, int y) const { return inner + QPoint(x, y); }
    QRect picture() const { return {at(4, 4), QSize(544, 544)}; }
    // The picture once the screen holds still.
    QImage picture_shown() const { return still_screenshot().copy(picture()); }
    // «расчёт», the wait for the time in the caption, and for the drawing on the screen.
    void calculate() const {
        const QImage before = still_screenshot();
        click_at(at(kColumn + 64, 278 + 11));
        wait_window(QStringLiteral("Время расчета"));
        wait_change(before);
    }
    // A point of the window where no control is, so that no tool-tip covers the picture.
    void rest() const { move_to(at(kColumn + 150, 278 + 11)); }
};

// A test with the real program started and its main window on the screen.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(program.main_window().isEmpty()) << "the main window did not appear";
        main = MainWindowOnScreen(program.main_window());
    }

    Program program;
    MainWindowOnScreen main;
};

} // namespace e2e
