// chargefield: the electrostatic field of two point charges.
#include <QApplication>
#include <iostream>

#include "model/field_params.h"
#include "ui/command_line.h"
#include "ui/form1.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

namespace {

// Qt's own notes would mix with the command line's one-line messages: only its errors pass.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "chargefield: " << text.toStdString() << '\n';
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (is_command_line(argc, argv)) {
        // The command line draws and writes without a window: it needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quiet_messages);
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("chargefield"));
        return run_command_line(QApplication::arguments(), std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chargefield"));
    QApplication::setDesktopFileName(QStringLiteral("chargefield"));
    // The interface is Russian on every machine: Qt's own texts too, where they are installed.
    install_russian_translations(app);

    FieldParams model;
    QtDialogs dialogs;
    QtPlatform platform;
    Form1 form(model, dialogs, platform);
    dialogs.set_parent(&form);
    QObject::connect(&form, &Form1::exitConfirmed, &app, &QApplication::quit, Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);
    form.show();
    return QApplication::exec();
}
