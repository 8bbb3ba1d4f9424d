// Test entry for the widget tests: one QApplication for the whole run.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The program's one setting, the language, is kept in a folder of this run alone, never in
    // the user's own configuration; the programs the tests start inherit it.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
