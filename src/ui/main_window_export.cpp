// Saving, copying and printing the field picture of the main window.
#include "ui/main_window.h"
#include "ui/picture_export.h"
#include "ui/picture_print.h"
#include "ui/save_actions.h"

void MainWindow::set_up_export() {
    ui.picture->setFocusPolicy(Qt::ClickFocus);
    // Ctrl+C copies the picture only while it has the focus: elsewhere it copies text.
    ui.copy_picture_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    ui.copy_picture_action->setShortcutContext(Qt::WidgetShortcut);
    ui.picture->addAction(ui.copy_picture_action);
    set_file_chooser(*chooser_);
    for (auto& w : profiles_) {
        w->set_printer(printer_);
    }
}

void MainWindow::set_file_chooser(FileChooser& chooser) {
    chooser_ = &chooser;
    for (auto& w : profiles_) {
        w->set_file_chooser(chooser);
    }
}

void MainWindow::save_field_picture() {
    save_picture(this, *ui.picture, *chooser_, dialogs_, tr("Сохранить рисунок"),
                 QStringLiteral("chargefield.png"), picture_title());
}

QString MainWindow::picture_title() const {
    return field_picture_title(session_->params(), session_->field_picture().frame);
}

void MainWindow::copy_field_picture() {
    copy_picture(*ui.picture);
}

void MainWindow::print_field_picture() {
    printer_.print(this, printed_picture(*ui.picture, picture_title()), dialogs_);
}

void MainWindow::preview_field_picture() {
    printer_.preview(this, printed_picture(*ui.picture, picture_title()), dialogs_);
}
