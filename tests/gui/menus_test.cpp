// The menus of the main window, the information boxes, the Authors window and the search for
// the help documents, on the offscreen platform with a recording desktop.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/main_window.h"
#include "support/recording_dialogs.h"
#include "ui/form1.h"
#include "ui/menus.h"
#include "ui/qt_dialogs.h"

namespace {

using Window = MainWindow;

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
    const QList<QAction*> bar = w.form.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("Файл"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Помощь"));
    EXPECT_EQ(bar[0]->menu(), w.form.mnuFile);
    EXPECT_EQ(bar[1]->menu(), w.form.mnuHelp);

    expect_menu(w.form.mnuFile, {{"mnuFilespravka", "Справка"},
                                 {"mnuHelpSep1", nullptr},
                                 {"mnuFileGauss", "Гаусс"},
                                 {"mnuHelpSep2", nullptr},
                                 {"mnuFileSavePicture", "Сохранить рисунок…", "Ctrl+S"},
                                 {"mnuFileCopyPicture", "Копировать рисунок", "Ctrl+C"},
                                 {"mnuFileSep3", nullptr},
                                 {"mnuFileExit", "&Выход"}});
    expect_menu(w.form.mnuHelp, {{"mnuHelpInstruction", "Инструкция"},
                                 {"mnuHelpUprav", "Управление"},
                                 {"mnuHelpSep3", nullptr},
                                 {"mnuHelpAvtors", "Автор"},
                                 {"mnuHelpAbout", "О программе"},
                                 {"mnuHelpAbout2", "Регистрация"}});
    EXPECT_EQ(w.form.mnuFile->actions()[7], w.form.mnuFileExit);
    // Ctrl+C copies the picture only while the picture has the focus.
    EXPECT_EQ(w.form.mnuFileCopyPicture->shortcutContext(), Qt::WidgetShortcut);
    EXPECT_TRUE(w.form.Picture1->actions().contains(w.form.mnuFileCopyPicture));
    EXPECT_EQ(w.form.mnuHelp->actions()[5], w.form.mnuHelpAbout2);

    // Menus show their icons at 32 pixels.
    for (QMenu* menu : {w.form.mnuFile, w.form.mnuHelp}) {
        EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 32);
    }

    // Ten different pictures, each covering a fair part of its square.
    const std::vector<QAction*> items = {w.form.mnuFilespravka,     w.form.mnuFileGauss,
                                         w.form.mnuFileSavePicture, w.form.mnuFileCopyPicture,
                                         w.form.mnuFileExit,        w.form.mnuHelpInstruction,
                                         w.form.mnuHelpUprav,       w.form.mnuHelpAvtors,
                                         w.form.mnuHelpAbout,       w.form.mnuHelpAbout2};
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
    w.form.mnuHelpAbout->trigger();
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
    w.form.mnuHelpAbout2->trigger();
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
// and choosing the item again re-centres it.
TEST(Menus, AuthorsWindowIsCentredOnTheMovedMainWindow) {
    Window w;
    EXPECT_EQ(w.form.form2, nullptr);
    for (const QPoint at : {QPoint(300, 200), QPoint(40, 60)}) {
        w.form.move(at);
        QApplication::processEvents();
        w.form.mnuHelpAvtors->trigger();
        ASSERT_NE(w.form.form2, nullptr);
        Form2* f2 = w.form.form2;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f2));
        EXPECT_FALSE(f2->isModal());
        EXPECT_EQ(f2->windowTitle(), QStringLiteral("Авторы"));
        const QRect main = w.form.frameGeometry();
        const QRect own = f2->frameGeometry();
        EXPECT_NEAR(own.center().x(), main.center().x(), 1);
        EXPECT_NEAR(own.center().y(), main.center().y(), 1);
        EXPECT_EQ(f2->size(), QSize(Form2::kInnerWidth, Form2::kInnerHeight));

        const QStringList lines = f2->Label1->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 6);
        for (const QString& l : lines) {
            EXPECT_FALSE(l.trimmed().isEmpty());
        }
        ASSERT_FALSE(f2->Image1->pixmap().isNull());
        const QImage img = f2->Image1->pixmap().toImage();
        EXPECT_NE(img.pixel(75, 80), img.pixel(10, 10)); // something is drawn in it
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// Edge case: the documents are missing and the desktop can start nothing: each item says so in
// a warning that names the document's full path and what is missing; the program goes on.
TEST(Menus, DocumentsThatCannotBeShownAreTold) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    {
        Window w;
        w.platform.succeed = false;
        w.form.mnuFilespravka->trigger();
        w.form.mnuFileGauss->trigger();
        w.form.mnuHelpUprav->trigger();
        w.form.mnuHelpInstruction->trigger();
        QApplication::processEvents();

        ASSERT_EQ(w.platform.documents.size(), 3u);
        ASSERT_EQ(w.platform.text_files.size(), 1u);
        const QString here = QDir(dir.path()).canonicalPath();
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
        EXPECT_TRUE(w.form.isVisible());
    }
    QDir::setCurrent(old);
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
    QSignalSpy exits(&w.form, &Form1::exitConfirmed);
    w.form.mnuHelpAvtors->trigger();
    ASSERT_NE(w.form.form2, nullptr);

    w.dialogs.answers = {false, false};
    w.form.mnuFileExit->trigger();
    w.form.close();
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    for (const auto& s : w.dialogs.shown) {
        EXPECT_TRUE(s.question);
        EXPECT_EQ(s.text, "Вы абсолютно уверены?");
        EXPECT_EQ(s.title, "На Выход");
    }
    EXPECT_TRUE(w.form.isVisible());
    EXPECT_TRUE(w.form.form2->isVisible());
    EXPECT_EQ(exits.count(), 0);

    // Yes closes the Authors window with the main one.
    w.dialogs.answers = {true};
    w.form.mnuFileExit->trigger();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_FALSE(w.form.form2->isVisible());
}

} // namespace
