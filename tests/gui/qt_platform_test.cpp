// The desktop adapter with missing documents and without any text viewer.
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/qt_platform.h"

namespace {

// Edge case: a document or a text file that does not exist opens nothing.
TEST(QtPlatform, MissingFilesOpenNothing) {
    QtPlatform p;
    EXPECT_FALSE(p.open_document("/nonexistent/chargefield/spravka.pdf"));
    EXPECT_FALSE(p.show_text_file("/nonexistent/chargefield/instruction.txt"));
    EXPECT_EQ(p.own_viewer(), nullptr);
}

// Edge case: no viewer can be started: the program shows the text itself, read-only.
TEST(QtPlatform, WithoutViewerTheTextShowsInAReadOnlyWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("instruction.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Инструкция\nвторая строка\n");
    }
    QtPlatform p;
    p.text_viewers = {QStringLiteral("chargefield-no-such-viewer")};
    p.use_desktop_handler = false;
    ASSERT_TRUE(p.show_text_file(path.toStdString()));
    ASSERT_NE(p.own_viewer(), nullptr);
    EXPECT_TRUE(p.own_viewer()->isVisible());
    EXPECT_TRUE(p.own_viewer()->isReadOnly());
    EXPECT_EQ(p.own_viewer()->toPlainText(), QStringLiteral("Инструкция\nвторая строка\n"));
    // Asked again, the same window shows the text again.
    QPlainTextEdit* first = p.own_viewer();
    ASSERT_TRUE(p.show_text_file(path.toStdString()));
    EXPECT_EQ(p.own_viewer(), first);
}

} // namespace
