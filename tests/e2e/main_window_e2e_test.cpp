// The real program under Xvfb: the main window opens with the empty frame.
#include "e2e/e2e_support.h"

namespace {

int count_colour(const QImage& img, const QRect& area, QRgb colour) {
    int n = 0;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        }
    }
    return n;
}

TEST(EndToEnd, OpensWithTheEmptyFrame) {
    e2e::Program program;
    ASSERT_FALSE(program.main_window().isEmpty()) << "the main window did not appear";
    const QRect win = e2e::geometry(program.main_window());
    EXPECT_GE(win.height(), 552);
    const QImage shot = e2e::screenshot();
    // The grid is light green; no field line (200, 0, 0) is drawn before the first command.
    EXPECT_GT(count_colour(shot, win, qRgb(128, 255, 128)), 10000);
    EXPECT_EQ(count_colour(shot, win, qRgb(200, 0, 0)), 0);
}

} // namespace
