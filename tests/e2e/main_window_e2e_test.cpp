// The real program under Xvfb: the main window opens with the empty frame; the size arrow and
// the calculate button draw the field picture.
#include <iostream>

#include "e2e/e2e_support.h"
#include "support/pixels.h"

namespace {

using EndToEnd = e2e::ProgramTest;

TEST_F(EndToEnd, OpensWithTheEmptyFrame) {
    const QRect win = main.win;
    EXPECT_GE(win.height(), 552);
    const QImage shot = e2e::screenshot();
    // The grid is light green; no field line (200, 0, 0) is drawn before the first command.
    EXPECT_GT(count_colour(shot, win, qRgb(128, 255, 128)), 10000);
    EXPECT_EQ(count_colour(shot, win, qRgb(200, 0, 0)), 0);
}

// The size arrow takes L down to 1 m, then «расчёт» draws: the charge discs at (-0.5, 0) and
// (0.5, 0), the grid, blue dots and dark-red lines, mirror-symmetric about the x axis.
TEST_F(EndToEnd, SizeArrowAndCalculateDrawTheField) {
    const int X0 = e2e::MainWindowOnScreen::kColumn;

    // The picture's x axis (colour 12, two pixels wide) lies across its middle row.
    const QImage first = e2e::screenshot();
    const QRect picture = main.picture();
    const int mid = picture.top() + 272;
    int axis_row = -1, best = 0;
    for (int y = picture.top(); y <= picture.bottom(); ++y) {
        const int n = count_colour(first, QRect(picture.left(), y, 544, 1), qRgb(12, 0, 0));
        if (n > best) {
            best = n;
            axis_row = y;
        }
    }
    ASSERT_GT(best, 400) << "no x axis found in the picture";
    ASSERT_LE(std::abs(axis_row - mid), 1) << "the picture is not where the layout puts it";

    // Six clicks on the bottom arrow of the size scroll bar (at X0 + 65, top 100, 22 x 44): L
    // goes from 4 down to 1 m.
    for (int n = 0; n < 6; ++n) {
        e2e::click_at(main.at(X0 + 65 + 11, 100 + 44 - 4));
    }
    // «расчёт»: at X0 + 32.5, top 278, 65 x 22. The caption tells the time once the picture is
    // drawn; then the screen shows it.
    const QImage before = e2e::still_screenshot();
    e2e::click_at(main.at(X0 + 32 + 32, 278 + 11));
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("Время расчета")).isEmpty()) << "no time told";
    e2e::wait_change(before);
    const QImage shot = e2e::screenshot();

    EXPECT_GT(count_colour(shot, picture, qRgb(128, 255, 128)), 5000);
    EXPECT_GT(count_colour(shot, picture, qRgb(0, 0, 200)), 500);
    EXPECT_GT(count_colour(shot, picture, qRgb(200, 0, 0)), 500);
    // At L = 1 a metre is 272 pixels: the red disc of radius 0.02 m (5 pixels) at x = -0.5 and
    // the blue one of 0.005 m at x = +0.5.
    const QPoint left(picture.left() + 136, mid);
    const QPoint right(picture.left() + 408, mid);
    EXPECT_GE(count_colour(shot, QRect(left - QPoint(4, 4), QSize(9, 9)), qRgb(255, 0, 0)), 30);
    EXPECT_GE(count_colour(shot, QRect(right - QPoint(2, 2), QSize(5, 5)), qRgb(0, 0, 255)), 1);
    EXPECT_EQ(count_colour(shot, QRect(left - QPoint(12, 12), QSize(25, 25)), qRgb(0, 0, 255)), 0);

    // Mirror symmetry about the x axis: every dot and line pixel above the axis has one of its
    // colour at the mirrored row, give or take a pixel.
    const int top_row = picture.top();
    const int sum = 2 * mid; // row y mirrors to sum - y
    for (const QRgb colour : {qRgb(0, 0, 200), qRgb(200, 0, 0)}) {
        int total = 0, missing = 0;
        for (int y = top_row; y < mid - 2; ++y) {
            for (int x = picture.left(); x <= picture.right(); ++x) {
                if ((shot.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) {
                    continue;
                }
                ++total;
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy) {
                    for (int dx = -1; dx <= 1 && !found; ++dx) {
                        const QPoint m(x + dx, sum - y + dy);
                        found = picture.contains(m) &&
                                (shot.pixel(m) & 0xFFFFFF) == (colour & 0xFFFFFF);
                    }
                }
                missing += !found;
            }
        }
        std::cout << "mirror check, colour " << std::hex << colour << std::dec << ": " << missing
                  << " of " << total << " pixels without a mirror\n";
        EXPECT_GT(total, 200);
        EXPECT_LT(missing, total / 20)
            << "of " << total << " pixels of colour " << std::hex << colour;
    }
}

// Escape while «Расчёт…» shows stops the computation as «Остановить» does, with no window manager
// to give the keyboard to a window: pressed in the progress window, which takes the keyboard as
// it shows, and in the main window, given the keyboard back.
TEST_F(EndToEnd, EscapeStopsTheComputationInEveryWindow) {
    const int X0 = e2e::MainWindowOnScreen::kColumn;
    e2e::click_at(main.at(X0 + 113, 238 + 11));
    e2e::key(QStringLiteral("ctrl+a"));
    e2e::type_text(QStringLiteral("20000"));
    for (const bool in_main_window : {false, true}) {
        SCOPED_TRACE(in_main_window ? "in the main window" : "in the progress window");
        e2e::click_at(main.at(X0 + 32 + 32, 278 + 11));
        const QString progress = e2e::wait_window(QStringLiteral("Расчёт…"));
        ASSERT_FALSE(progress.isEmpty()) << "no progress window";
        if (in_main_window) {
            e2e::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
        } else {
            EXPECT_TRUE(e2e::wait_until(
                [&] { return e2e::xdotool({QStringLiteral("getwindowfocus")}) == progress; }));
        }
        e2e::key(QStringLiteral("Escape"));
        EXPECT_TRUE(e2e::wait_gone(QStringLiteral("Расчёт…"))) << "the computation runs on";
        EXPECT_FALSE(e2e::wait_window(QStringLiteral("Расчёт остановлен"), 5000).isEmpty());
    }
    EXPECT_TRUE(program.running());
}

// The close box of the window manager clicked while "Расчёт…" shows: the computation stops and
// the exit question comes at once; No keeps the program with what was drawn.
TEST_F(EndToEnd, CloseBoxDuringComputationAsksAtOnce) {
    const int X0 = e2e::MainWindowOnScreen::kColumn;
    // The line count (at X0 + 97.5, top 238, 32.5 x 22), then «расчёт».
    e2e::click_at(main.at(X0 + 113, 238 + 11));
    e2e::key(QStringLiteral("ctrl+a"));
    e2e::type_text(QStringLiteral("20000"));
    e2e::click_at(main.at(X0 + 32 + 32, 278 + 11));
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("Расчёт…")).isEmpty()) << "no progress window";
    e2e::request_close(main.id);
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("На Выход"), 5000).isEmpty()) << "no question";
    EXPECT_TRUE(e2e::wait_gone(QStringLiteral("Расчёт…")));
    e2e::key(QStringLiteral("Escape"));
    EXPECT_TRUE(e2e::wait_gone(QStringLiteral("На Выход")));
    EXPECT_FALSE(e2e::wait_window(QStringLiteral("Расчёт остановлен")).isEmpty());
    EXPECT_TRUE(program.running());
}

} // namespace
