// Saving and copying the field picture of the main window.
#include "ui/form1.h"
#include "ui/picture_export.h"
#include "ui/save_actions.h"

void Form1::setup_export() {
    Picture1->setFocusPolicy(Qt::ClickFocus);
    // Ctrl+C copies the picture only while it has the focus: elsewhere it copies text.
    mnuFileCopyPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuFileCopyPicture->setShortcutContext(Qt::WidgetShortcut);
    Picture1->addAction(mnuFileCopyPicture);
    set_file_chooser(*chooser_);
}

void Form1::set_file_chooser(FileChooser& chooser) {
    chooser_ = &chooser;
    for (auto& w : profiles_) {
        w->set_file_chooser(chooser);
    }
}

void Form1::mnuFileSavePicture_Click() {
    save_picture(this, *Picture1, *chooser_, dialogs_, QStringLiteral("Сохранить рисунок"),
                 QStringLiteral("chargefield.png"), field_picture_title(m, field_picture.frame));
}

void Form1::mnuFileCopyPicture_Click() {
    copy_picture(*Picture1);
}
