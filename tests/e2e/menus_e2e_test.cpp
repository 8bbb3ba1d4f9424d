// The real program under Xvfb: the menus, the Authors window and the exit through the menu.
#include "e2e/e2e_support.h"

namespace {

using MenusEndToEnd = e2e::ProgramTest;

// Opens a menu with a click on its title in the menu bar; returns the area it covers once open.
QRect open_menu(QPoint title) {
    const QImage before = e2e::still_screenshot();
    e2e::click_at(title);
    return e2e::wait_change(before);
}

TEST_F(MenusEndToEnd, HelpMenuShowsLargeIconsAndOpensTheAuthorsWindowCentred) {
    const QRect win = main.win;
    e2e::move_to(win.topLeft() + QPoint(400, 300));
    // «Помощь», right of «Файл» and «Вид».
    const QRect menu = open_menu(win.topLeft() + QPoint(123, 10));
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

TEST_F(MenusEndToEnd, ExitItemAsksAndYesEndsTheProgram) {
    const QRect win = main.win;
    const auto choose_exit = [&] {
        open_menu(win.topLeft() + QPoint(20, 10));
        // Справка, Гаусс, Сохранить рисунок…, Копировать рисунок, Печать…, Предварительный
        // просмотр…, Выход: separators are skipped.
        for (int i = 0; i < 7; ++i) {
            e2e::key(QStringLiteral("Down"));
        }
        e2e::key(QStringLiteral("Return"));
        return e2e::wait_window(QStringLiteral("На Выход"), 5000);
    };
    ASSERT_FALSE(choose_exit().isEmpty()) << "no exit question";
    e2e::key(QStringLiteral("Escape")); // No
    EXPECT_TRUE(
        e2e::wait_until([] { return e2e::find_windows(QStringLiteral("На Выход")).isEmpty(); }));
    EXPECT_TRUE(program.running());

    ASSERT_FALSE(choose_exit().isEmpty()) << "no exit question the second time";
    e2e::key(QStringLiteral("Return")); // Yes, the default button
    ASSERT_TRUE(e2e::wait_until([&] { return !program.running(); })) << "the program did not end";
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
}

} // namespace
