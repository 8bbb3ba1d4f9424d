#pragma once
// The main window with recording dialogs and desktop, shown on the offscreen platform.
#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/pixels.h"
#include "support/recording_dialogs.h"
#include "ui/form1.h"

struct MainWindow {
    FieldParams m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Form1 form{m, dialogs, platform};
    MainWindow() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QImage picture() { return form.Picture1->image(); }
};
