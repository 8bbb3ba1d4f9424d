#pragma once
// The main window with recording dialogs (or Qt's own boxes) and a recording desktop, shown on
// the offscreen platform.
#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/pixels.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"

template <class Boxes> struct MainWindowWith {
    FieldParams m;
    Boxes dialogs;
    RecordingPlatform platform;
    MainWindow window{m, dialogs, platform};
    MainWindowControls& ui = window.ui;
    MainWindowWith() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QImage picture() { return ui.picture->image(); }
};

using ShownMainWindow = MainWindowWith<RecordingDialogs>;
