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

// The real program, started in a fresh working directory and ended with the test.
class Program {
  public:
    Program() {
        process_.setWorkingDirectory(dir_.path());
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(QStringLiteral(CHARGEFIELD_BINARY), {});
        process_.waitForStarted(10000);
        main_ = wait_window(QStringLiteral("Несимметричные"));
        QTest::qWait(500);
    }
    ~Program() {
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

} // namespace e2e
