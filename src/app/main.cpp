// chargefield: the electrostatic field of two point charges.
#include <QApplication>
#include <QThreadPool>
#include <csignal>
#include <iostream>

#include "app/command_line.h"
#include "app/command_line_args.h"
#include "base/file_output.h"
#include "model/field_params.h"
#include "ui/language.h"
#include "ui/main_window.h"
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
    const std::vector<std::string> arguments(argv, argv + argc);
    if (!opens_window({arguments.begin() + 1, arguments.end()})) {
        // The command line draws and writes without a window: it needs no display. Qt is given
        // none of its arguments, which are the command line's alone; a closed standard output
        // is told as a failure rather than ending the program mid-way; interrupted, it leaves no
        // temporary file.
        end_on_signals_removing_pending_files();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quiet_messages);
        std::signal(SIGPIPE, SIG_IGN);
        int qt_argc = 1;
        char* qt_argv[] = {argv[0], nullptr};
        QApplication app(qt_argc, qt_argv);
        QApplication::setApplicationName(QStringLiteral("chargefield"));
        return run_command_line(arguments, std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chargefield"));
    QApplication::setDesktopFileName(QStringLiteral("chargefield"));
    // The interface is Russian on every machine (Qt's own texts too, where they are installed),
    // unless English was chosen in the menu, or for this run alone by --language.
    const std::optional<std::string> asked =
        language_argument({arguments.begin() + 1, arguments.end()});
    apply_language(asked ? *language_from_code(*asked) : remembered_language());

    FieldParams model;
    QtDialogs dialogs;
    QtPlatform platform;
    MainWindow window(model, dialogs, platform);
    dialogs.set_parent(&window);
    QObject::connect(&window, &MainWindow::exit_confirmed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);
    window.show();
    const int code = QApplication::exec();
    // A save stopped meanwhile may still be ending its work in the background (see
    // ui/background_work.h), which draws with the application's fonts: it ends first.
    QThreadPool::globalInstance()->waitForDone();
    return code;
}
