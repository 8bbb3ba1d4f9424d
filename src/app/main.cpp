// chargefield: the electrostatic field of two point charges.
#include <QApplication>

#include "model/module1.h"
#include "ui/form1.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chargefield"));
    QApplication::setDesktopFileName(QStringLiteral("chargefield"));

    Module1 model;
    QtDialogs dialogs;
    QtPlatform platform;
    Form1 form(model, dialogs, platform);
    dialogs.set_parent(&form);
    QObject::connect(&form, &Form1::exitConfirmed, &app, &QApplication::quit, Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);
    form.show();
    return QApplication::exec();
}
