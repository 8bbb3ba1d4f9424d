// The real program under Xvfb: ticking the six profile boxes opens the six profile windows
// beside the main window, each with its blue curve; typing a fixed coordinate keeps every key.
#include <QClipboard>

#include "e2e/e2e_support.h"
#include "support/pixels.h"

namespace {

struct Expected {
    const char* title; // a pattern that finds the window by its title
    double w, h, l, t; // placement: fractions of the main window's width and height
    double box_x;      // the box's column: 0 the left one, 1 the right one
    double box_top;    // the box's row top in the column of the main window
};

using EndToEnd = e2e::ProgramTest;

TEST_F(EndToEnd, SixProfileWindowsBesideTheMainWindow) {
    const QRect win = main.win;
    const double X0 = e2e::MainWindowOnScreen::kColumn;
    const double right_column = X0 + 1.35 * 65 + 2 * 4;
    // Titles end in the fixed coordinate's letter; the search ignores case.
    const Expected windows[] = {
        {"fi.*Y$", 0.81, 1.0 / 3, -0.05, 5.0 / 6, 0, 304},
        {"fi.*X$", 0.3, 1, 1, 0, 1, 304},
        {"Ex.*Y$", 0.81, 1.0 / 3, -0.05, 19.0 / 18, 0, 354},
        {"Ey.*Y$", 0.81, 1.0 / 3, -0.05, 23.0 / 18, 0, 380},
        {"Ex.*X$", 0.3, 1, 19.0 / 18, 0, 1, 354},
        {"Ey.*X$", 0.3, 1, 22.0 / 18, 0, 1, 380},
    };
    for (const Expected& e : windows) {
        const double x = (e.box_x == 0 ? X0 : right_column) + 8;
        e2e::click_at(main.at(static_cast<int>(x), static_cast<int>(e.box_top) + 11));
    }
    for (const Expected& e : windows) {
        SCOPED_TRACE(e.title);
        const QString id = e2e::wait_window(QString::fromUtf8(e.title), 5000);
        ASSERT_FALSE(id.isEmpty()) << "window did not appear";
        const QRect g = e2e::geometry(id);
        EXPECT_NEAR(g.x(), win.x() + e.l * win.width(), 3);
        EXPECT_NEAR(g.y(), win.y() + e.t * win.height(), 3);
        EXPECT_NEAR(g.width(), e.w * win.width(), 3);
        EXPECT_NEAR(g.height(), e.h * win.height(), 3);
        // The windows overlap: bring each to the top before looking at its picture.
        e2e::xdotool({QStringLiteral("windowraise"), id});
        const QImage shot = e2e::wait_screen([&](const QImage& s) {
            return count_colour(s, g, qRgb(0, 0, 255)) > 300 &&
                   count_colour(s, g, qRgb(128, 255, 128)) > 1000;
        });
        EXPECT_GT(count_colour(shot, g, qRgb(0, 0, 255)), 300);
        EXPECT_GT(count_colour(shot, g, qRgb(128, 255, 128)), 1000); // the grid
    }
    EXPECT_TRUE(program.running());
}

} // namespace

namespace {

// The text of the focused text box, as a person would copy it: select all, copy, read the
// clipboard.
QString copied_text() {
    QGuiApplication::clipboard()->setText(QString());
    e2e::key(QStringLiteral("ctrl+a"));
    e2e::key(QStringLiteral("ctrl+c"));
    QString text;
    e2e::wait_until([&] { return !(text = QGuiApplication::clipboard()->text()).isEmpty(); });
    return text;
}

// A new user types 0.3 into Yfix: at the 0, Ey(x, Yfix) has nothing to draw. With the six
// profile windows hidden, and again with Ey(x, Yfix) shown, every key arrives in the box and no
// message box opens; the shown window then draws its curve.
TEST_F(EndToEnd, TypingIntoYfixKeepsEveryKey) {
    const int X0 = e2e::MainWindowOnScreen::kColumn;
    const QPoint yfix = main.at(X0 + 24, 328 + 11);  // the Y_fix edit
    const QPoint ey_box = main.at(X0 + 8, 380 + 11); // the Ey(x,Yfix) box

    const auto type_into_yfix = [&] {
        e2e::click_at(yfix);
        e2e::key(QStringLiteral("ctrl+a"));
        e2e::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("150"),
                      QStringLiteral("0.3")});
        // The copy comes after the typed keys: once it holds them, every key was handled.
        EXPECT_EQ(copied_text(), QStringLiteral("0.3"));
        EXPECT_TRUE(e2e::find_windows(QStringLiteral("ПРЕДУПРЕЖДЕНИЕ")).isEmpty())
            << "a message box opened while typing";
    };
    type_into_yfix();

    e2e::click_at(ey_box);
    const QString ey = e2e::wait_window(QStringLiteral("Ey.*Y$"), 5000);
    ASSERT_FALSE(ey.isEmpty()) << "Ey(x, Yfix) did not appear";
    type_into_yfix();
    e2e::xdotool({QStringLiteral("windowraise"), ey});
    const QRect g = e2e::geometry(ey);
    const QImage shot = e2e::wait_screen(
        [&](const QImage& s) { return count_colour(s, g, qRgb(0, 0, 255)) > 300; });
    EXPECT_GT(count_colour(shot, g, qRgb(0, 0, 255)), 300);
    EXPECT_TRUE(program.running());
}

} // namespace
