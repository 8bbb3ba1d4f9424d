#pragma once
// The default two-charge system with its empty frame on the program's picture box,
// 515 x 515 pixels as in the opening main window.
#include "model/module1.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "ui/qt_picture_box.h"

struct Scene {
    Module1 m;
    QtPictureBox pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform; // records the tone instead of sounding it
    Scene() {
        set_model_defaults(m);
        m.line_kind = 3;
        pic.resize(515, 515);
        pic.Cls();
        axes_main(m, pic);
        draw_charges(m, pic);
    }
};
