// The desktop adapter with missing documents and without any text viewer.
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "ui/qt_platform.h"

namespace {

// Edge case: a document or a text file that does not exist opens nothing and is told of.
TEST(QtPlatform, MissingFilesOpenNothing) {
    QtPlatform p;
    std::vector<std::pair<std::string, std::string>> told;
    p.document_failed = [&](const std::string& path, const std::string& missing) {
        told.emplace_back(path, missing);
    };
    EXPECT_FALSE(p.open_document("/nonexistent/chargefield/spravka.pdf"));
    EXPECT_FALSE(p.show_text_file("/nonexistent/chargefield/instruction.txt"));
    EXPECT_EQ(p.own_viewer(), nullptr);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].first, "/nonexistent/chargefield/spravka.pdf");
    EXPECT_EQ(told[1].first, "/nonexistent/chargefield/instruction.txt");
    EXPECT_EQ(told[0].second, "Файл не найден.");
}

// A document that exists but cannot be shown: without the launcher (xdg-open) it is told at
// once; when the launcher finds no application for a PDF (its exit code 3), when it has ended.
TEST(QtPlatform, DocumentWithoutLauncherOrViewerIsTold) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("gauss.pdf");
    const QString launcher = dir.filePath("launcher");
    for (const auto& [path, text] :
         {std::pair{pdf, "%PDF-1.4\n"}, {launcher, "#!/bin/sh\nexit 3\n"}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QFile::setPermissions(launcher, QFile::ReadOwner | QFile::ExeOwner);
    QtPlatform p;
    std::vector<std::string> told;
    p.document_failed = [&](const std::string& path, const std::string& missing) {
        EXPECT_EQ(path, pdf.toStdString());
        told.push_back(missing);
    };
    p.use_desktop_handler = false;
    p.document_launcher = QStringLiteral("chargefield-no-such-launcher");
    EXPECT_FALSE(p.open_document(pdf.toStdString()));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("chargefield-no-such-launcher"), std::string::npos) << told[0];
    EXPECT_NE(told[0].find("xdg-utils"), std::string::npos) << told[0];

    p.document_launcher = launcher;
    EXPECT_TRUE(p.open_document(pdf.toStdString()));
    for (int waited = 0; told.size() < 2 && waited < 5000; waited += 20) {
        QTest::qWait(20);
    }
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], "Не найдена программа для просмотра файлов PDF.");
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
