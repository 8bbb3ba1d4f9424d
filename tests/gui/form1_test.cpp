// The main window on the offscreen platform: start-up state, layout, inputs, the command.
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/recording_dialogs.h"
#include "ui/form1.h"

namespace {

struct Window {
    Module1 m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Form1 form{m, dialogs, platform};
    Window() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

TEST(Form1, StartsWithTheDefaults) {
    Window w;
    EXPECT_EQ(w.m.ready, 1);
    EXPECT_DOUBLE_EQ(w.m.q1, 0.4);
    EXPECT_EQ(w.form.Text3->text(), QStringLiteral("0.10"));
    EXPECT_EQ(w.m.line_kind, 3);
}

} // namespace
