// The menus of the main window, the information boxes, the Authors window and the search for
// the help documents, on the offscreen platform with a recording desktop.
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/files.h"
#include "support/main_window.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/qt_dialogs.h"

namespace {

using Window = ShownMainWindow;

struct Item {
    const char* name;
    const char* caption;       // nullptr for a separator
    const char* shortcut = ""; // the program's own items have shortcuts
};

void expect_menu(QMenu* menu, const std::vector<Item>& items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* a = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(items[i].name);
        EXPECT_EQ(a->objectName(), QString::fromLatin1(items[i].name));
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(items[i].shortcut)));
        if (items[i].caption == nullptr) {
            EXPECT_TRUE(a->isSeparator());
            EXPECT_TRUE(a->icon().isNull());
        } else {
            EXPECT_FALSE(a->isSeparator());
            EXPECT_EQ(a->text(), QString::fromUtf8(items[i].caption));
            ASSERT_FALSE(a->icon().isNull());
            EXPECT_FALSE(a->icon().pixmap(32, 32).isNull());
        }
    }
}

// The number of pixels of an icon drawn at 32 by 32 that are not transparent.
int painted_pixels(const QIcon& icon) {
    const QImage img = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += qAlpha(img.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return n;
}

TEST(Menus, TreeHasEveryItemInItsPlaceWithIconsOnItemsOnly) {
    Window w;
    const QList<QAction*> bar = w.window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    // Alt with the underlined letter opens each menu.
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Файл"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Вид"));
    EXPECT_EQ(bar[2]->text(), QStringLiteral("&Помощь"));
    EXPECT_EQ(bar[0]->menu(), w.ui.file_menu);
    EXPECT_EQ(bar[1]->menu(), w.ui.view_menu);
    EXPECT_EQ(bar[2]->menu(), w.ui.help_menu);

    // «Вид»: items with check marks, all off at start-up, without icons.
    const std::vector<std::pair<QAction*, const char*>> views = {
        {w.ui.potential_map_action, "Карта потенциала"},
        {w.ui.arrows_action, "Стрелки поля"},
        {w.ui.flux_lines_action, "Линии поля равного потока"},
        {w.ui.exact_equipotentials_action, "Точные эквипотенциали"},
        {w.ui.charge_marks_action, "Заряды и направления"},
        {nullptr, nullptr},
        {w.ui.live_action, "Пересчитывать сразу"},
        {nullptr, nullptr}};
    const QList<QAction*> view_items = w.ui.view_menu->actions();
    // Then the languages, each named in its own, Russian chosen.
    ASSERT_EQ(view_items.size(), static_cast<qsizetype>(views.size()) + 1);
    EXPECT_EQ(view_items.back()->menu(), w.ui.language_menu);
    EXPECT_EQ(w.ui.language_menu->title(), QStringLiteral("Язык / Language"));
    ASSERT_EQ(w.ui.language_menu->actions(),
              (QList<QAction*>{w.ui.russian_action, w.ui.english_action}));
    EXPECT_EQ(w.ui.russian_action->text(), QStringLiteral("Русский"));
    EXPECT_EQ(w.ui.english_action->text(), QStringLiteral("English"));
    EXPECT_TRUE(w.ui.russian_action->isChecked());
    EXPECT_FALSE(w.ui.english_action->isChecked());
    EXPECT_TRUE(w.ui.english_action->actionGroup()->isExclusive());
    for (std::size_t i = 0; i < views.size(); ++i) {
        QAction* a = view_items[static_cast<qsizetype>(i)];
        if (views[i].first == nullptr) {
            EXPECT_TRUE(a->isSeparator());
            continue;
        }
        EXPECT_EQ(a, views[i].first);
        EXPECT_EQ(a->text(), QString::fromUtf8(views[i].second));
        EXPECT_TRUE(a->isCheckable());
        EXPECT_FALSE(a->isChecked());
        EXPECT_TRUE(a->icon().isNull());
    }

    expect_menu(w.ui.file_menu, {{"spravka_action", "Справка"},
                                 {"file_separator_1", nullptr},
                                 {"gauss_action", "Гаусс"},
                                 {"file_separator_2", nullptr},
                                 {"save_picture_action", "Сохранить рисунок…", "Ctrl+S"},
                                 {"copy_picture_action", "Копировать рисунок", "Ctrl+C"},
                                 {"print_action", "Печать…", "Ctrl+P"},
                                 {"print_preview_action", "Предварительный просмотр…"},
                                 {"file_separator_3", nullptr},
                                 {"exit_action", "&Выход"}});
    expect_menu(w.ui.help_menu, {{"instruction_action", "Инструкция"},
                                 {"uprav_action", "Управление"},
                                 {"help_separator_1", nullptr},
                                 {"authors_action", "Автор"},
                                 {"about_action", "О программе"},
                                 {"registration_action", "Регистрация"}});
    EXPECT_EQ(w.ui.file_menu->actions()[9], w.ui.exit_action);
    // Ctrl+C copies the picture only while the picture has the focus.
    EXPECT_EQ(w.ui.copy_picture_action->shortcutContext(), Qt::WidgetShortcut);
    EXPECT_TRUE(w.ui.picture->actions().contains(w.ui.copy_picture_action));
    EXPECT_EQ(w.ui.help_menu->actions()[5], w.ui.registration_action);

    // Menus show their icons at 32 pixels.
    for (QMenu* menu : {w.ui.file_menu, w.ui.help_menu}) {
        EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 32);
    }

    // Twelve different pictures, each covering a fair part of its square.
    const std::vector<QAction*> items = {
        w.ui.spravka_action,      w.ui.gauss_action,       w.ui.save_picture_action,
        w.ui.copy_picture_action, w.ui.print_action,       w.ui.print_preview_action,
        w.ui.exit_action,         w.ui.instruction_action, w.ui.uprav_action,
        w.ui.authors_action,      w.ui.about_action,       w.ui.registration_action};
    std::vector<QImage> images;
    for (QAction* a : items) {
        SCOPED_TRACE(a->objectName().toStdString());
        EXPECT_GT(painted_pixels(a->icon()), 32 * 32 / 8);
        images.push_back(a->icon().pixmap(32, 32).toImage());
    }
    for (size_t i = 0; i < images.size(); ++i) {
        for (size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_NE(images[i], images[j]) << i << " " << j;
        }
    }
}

// Edge case: the first two pieces are joined by a lone carriage return, the others by CR LF,
// and every piece shows as a line of its own.
TEST(Menus, AboutBoxIsMadeOfItsPiecesInOrder) {
    Window w;
    w.ui.about_action->trigger();
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].title, "О ПРОГРАММЕ");
    EXPECT_FALSE(w.dialogs.shown[0].question);
    const std::string text = w.dialogs.shown[0].text;

    const std::string head = std::string("Программа строго рассчитывает структуру") + "\r" +
                             " линий напряжённости и эквипотенциальных линий" + "\r\n" +
                             "двух точечных зарядов (маленьких шариков) произвольной величины." +
                             "\r\n" + "   " + "\r\n" + "История версий:" + "\r\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    const std::string tail = "\r\n  ";
    ASSERT_GE(text.size(), head.size() + tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

    // The version history: this project's first release.
    const std::string history = text.substr(head.size(), text.size() - head.size() - 4);
    EXPECT_EQ(history.rfind("1.0.0", 0), 0u);
    EXPECT_NE(history.find("2026"), std::string::npos);
    EXPECT_EQ(history.find('\r'), history.find("\r\n"));

    const QStringList lines = dialog_text(text).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("Программа строго рассчитывает структуру"));
    EXPECT_EQ(lines[1], QStringLiteral(" линий напряжённости и эквипотенциальных линий"));
    EXPECT_EQ(lines[3], QStringLiteral("   "));
    EXPECT_EQ(lines.back(), QStringLiteral("  "));
}

TEST(Menus, RegistrationBoxTellsVersionAndLicence) {
    Window w;
    w.ui.registration_action->trigger();
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].title, "РЕГИСТРАЦИЯ");
    const std::string& text = w.dialogs.shown[0].text;
    EXPECT_NE(text.find("1.0.0"), std::string::npos);
    EXPECT_NE(text.find("MIT"), std::string::npos);
    // Lines end in CR LF only.
    for (size_t p = text.find('\r'); p != std::string::npos; p = text.find('\r', p + 1)) {
        EXPECT_EQ(text[p + 1], '\n');
    }
}

// Edge case: the Authors window is centred on the main window wherever that has been moved,
// and choosing the item again (after Escape closed it) shows it re-centred.
TEST(Menus, AuthorsWindowIsCentredOnTheMovedMainWindow) {
    Window w;
    EXPECT_EQ(w.window.authors_window(), nullptr);
    for (const QPoint at : {QPoint(300, 200), QPoint(40, 60)}) {
        w.window.move(at);
        QApplication::processEvents();
        w.ui.authors_action->trigger();
        ASSERT_NE(w.window.authors_window(), nullptr);
        AuthorsWindow* authors = w.window.authors_window();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(authors));
        EXPECT_FALSE(authors->isModal());
        EXPECT_EQ(authors->windowTitle(), QStringLiteral("Авторы"));
        const QRect main = w.window.frameGeometry();
        const QRect own = authors->frameGeometry();
        EXPECT_NEAR(own.center().x(), main.center().x(), 1);
        EXPECT_NEAR(own.center().y(), main.center().y(), 1);
        EXPECT_EQ(authors->size(), QSize(AuthorsWindow::kInnerWidth, AuthorsWindow::kInnerHeight));

        const QStringList lines = authors->credits->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 6);
        for (const QString& l : lines) {
            EXPECT_FALSE(l.trimmed().isEmpty());
        }
        ASSERT_FALSE(authors->emblem->pixmap().isNull());
        const QImage img = authors->emblem->pixmap().toImage();
        EXPECT_NE(img.pixel(75, 80), img.pixel(10, 10)); // something is drawn in it
        // Escape closes it, as it closes a small information window.
        QTest::keyClick(authors, Qt::Key_Escape);
        EXPECT_FALSE(authors->isVisible());
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// Edge case: the documents are missing and the desktop can start nothing: each item says so in
// a warning that names the document's full path and what is missing; the program goes on.
TEST(Menus, DocumentsThatCannotBeShownAreTold) {
    InTempDir dir;
    ASSERT_TRUE(dir.entered());
    {
        Window w;
        w.platform.succeed = false;
        w.ui.spravka_action->trigger();
        w.ui.gauss_action->trigger();
        w.ui.uprav_action->trigger();
        w.ui.instruction_action->trigger();
        QApplication::processEvents();

        ASSERT_EQ(w.platform.documents.size(), 3u);
        ASSERT_EQ(w.platform.text_files.size(), 1u);
        const QString here = dir.canonical();
        const char* names[] = {"spravka.pdf", "gauss.pdf", "uprav.pdf", "instruction.txt"};
        ASSERT_EQ(w.dialogs.shown.size(), 4u);
        for (int n = 0; n < 4; ++n) {
            const std::string path = (here + "/" + names[n]).toStdString();
            EXPECT_EQ(n < 3 ? w.platform.documents[n] : w.platform.text_files[0], path);
            const auto& shown = w.dialogs.shown[n];
            EXPECT_EQ(shown.title, "ПРЕДУПРЕЖДЕНИЕ");
            EXPECT_NE(shown.text.find(path), std::string::npos) << shown.text;
            EXPECT_NE(shown.text.find(w.platform.missing), std::string::npos) << shown.text;
        }
        EXPECT_TRUE(w.window.isVisible());
    }
}

TEST(Menus, DocumentsAreFoundHereFirstThenInTheDataDirectory) {
    QTemporaryDir root;
    const QDir r(root.path());
    ASSERT_TRUE(r.mkpath("cwd") && r.mkpath("prefix/bin") && r.mkpath("prefix/share/chargefield"));
    const auto touch = [](const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    };
    const QString cwd = r.filePath("cwd");
    const QString bin = r.filePath("prefix/bin");
    const QString data = QDir(r.filePath("prefix/share/chargefield")).canonicalPath();

    // Nowhere: the name in the current directory.
    EXPECT_EQ(help_file_path("gauss.pdf", cwd, bin), QDir(cwd).absoluteFilePath("gauss.pdf"));
    // Beside the program, as in the build tree.
    touch(QDir(bin).filePath("gauss.pdf"));
    EXPECT_EQ(help_file_path("gauss.pdf", cwd, bin), QDir(bin).absoluteFilePath("gauss.pdf"));
    // The installed data directory comes before the program's own directory.
    touch(data + "/gauss.pdf");
    EXPECT_EQ(QFileInfo(help_file_path("gauss.pdf", cwd, bin)).canonicalFilePath(),
              data + "/gauss.pdf");
    // The current directory comes first.
    touch(QDir(cwd).filePath("gauss.pdf"));
    EXPECT_EQ(help_file_path("gauss.pdf", cwd, bin), QDir(cwd).absoluteFilePath("gauss.pdf"));
}

// Edge case: the exit item asks the same question as the close box; No keeps everything.
TEST(Menus, ExitItemAsksLikeTheCloseBox) {
    Window w;
    QSignalSpy exits(&w.window, &MainWindow::exit_confirmed);
    w.ui.authors_action->trigger();
    ASSERT_NE(w.window.authors_window(), nullptr);

    w.dialogs.answers = {false, false};
    w.ui.exit_action->trigger();
    w.window.close();
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    for (const auto& s : w.dialogs.shown) {
        EXPECT_TRUE(s.question);
        EXPECT_EQ(s.text, "Вы абсолютно уверены?");
        EXPECT_EQ(s.title, "На Выход");
    }
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_TRUE(w.window.authors_window()->isVisible());
    EXPECT_EQ(exits.count(), 0);

    // Yes closes the Authors window with the main one.
    w.dialogs.answers = {true};
    w.ui.exit_action->trigger();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_FALSE(w.window.authors_window()->isVisible());
}

} // namespace
