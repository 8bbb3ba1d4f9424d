// The real program under Xvfb: the menus, the Authors window and the exit through the menu.
#include "e2e/e2e_support.h"

namespace {

// The bounding box of the pixels that differ between two screenshots.
QRect changed_area(const QImage& before, const QImage& after) {
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

// Opens the "Помощь" menu with a click on its title in the menu bar.
void open_help_menu(const QRect& win) {
    e2e::click_at(win.topLeft() + QPoint(80, 10));
    QTest::qWait(300);
}

TEST(MenusEndToEnd, HelpMenuShowsLargeIconsAndOpensTheAuthorsWindowCentred) {
    e2e::Program program;
    ASSERT_FALSE(program.main_window().isEmpty());
    const QRect win = e2e::geometry(program.main_window());
    e2e::move_to(win.topLeft() + QPoint(400, 300));
    const QImage before = e2e::screenshot();
    open_help_menu(win);
    const QRect menu = changed_area(before, e2e::screenshot());
    // Five items of at least 32 pixels each, and a separator.
    RecordProperty("help_menu_height", menu.height());
    EXPECT_GE(menu.height(), 5 * 32 + 4)
        << menu.x() << "," << menu.y() << " " << menu.width() << "x" << menu.height();

    // Инструкция, Управление, (separator), Автор.
    e2e::key(QStringLiteral("Down"));
    e2e::key(QStringLiteral("Down"));
    e2e::key(QStringLiteral("Down"));
    e2e::key(QStringLiteral("Return"));
    const QString authors = e2e::wait_window(QStringLiteral("Авторы"), 5000);
    ASSERT_FALSE(authors.isEmpty()) << "the Authors window did not appear";
    const QRect own = e2e::geometry(authors);
    EXPECT_NEAR(own.center().x(), win.center().x(), 12);
    EXPECT_NEAR(own.center().y(), win.center().y(), 12);
    EXPECT_TRUE(program.running());
}

TEST(MenusEndToEnd, ExitItemAsksAndYesEndsTheProgram) {
    e2e::Program program;
    ASSERT_FALSE(program.main_window().isEmpty());
    const QRect win = e2e::geometry(program.main_window());
    const auto choose_exit = [&] {
        e2e::click_at(win.topLeft() + QPoint(20, 10));
        QTest::qWait(300);
        // Справка, Гаусс, Сохранить рисунок…, Копировать рисунок, Выход: separators are
        // skipped.
        for (int i = 0; i < 5; ++i) {
            e2e::key(QStringLiteral("Down"));
        }
        e2e::key(QStringLiteral("Return"));
        return e2e::wait_window(QStringLiteral("На Выход"), 5000);
    };
    ASSERT_FALSE(choose_exit().isEmpty()) << "no exit question";
    e2e::key(QStringLiteral("Escape")); // No
    QTest::qWait(500);
    EXPECT_TRUE(program.running());
    EXPECT_TRUE(e2e::find_windows(QStringLiteral("На Выход")).isEmpty());

    ASSERT_FALSE(choose_exit().isEmpty()) << "no exit question the second time";
    e2e::key(QStringLiteral("Return")); // Yes, the default button
    for (int waited = 0; program.running() && waited < 10000; waited += 100) {
        QTest::qWait(100);
    }
    ASSERT_FALSE(program.running()) << "the program did not end";
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
}

} // namespace
