#include "ui/qt_platform.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>
#include <numbers>

QtPlatform::QtPlatform(QObject* parent) : QObject(parent) {}

QtPlatform::~QtPlatform() {
    // A launcher still running waits for its viewer: it is ended quietly and the viewer stays
    // open; no window is left to tell of anything.
    for (QProcess* p : findChildren<QProcess*>()) {
        p->disconnect(this);
        p->kill();
        p->waitForFinished(1000);
    }
    if (sink_) {
        sink_->stop();
    }
    delete own_viewer_;
}

void QtPlatform::fail(const QString& path, const QString& missing) {
    if (document_failed) {
        document_failed(path.toStdString(), missing.toStdString());
    }
}

namespace {

// What the user is told when the document launcher (xdg-open) ends with `exit_code` for a file
// of `type` (PDF): 2, 3 and 4 are its codes for a missing file, no application for the type and
// an application that failed.
QString launcher_problem(const QString& launcher, int exit_code, const QString& type) {
    switch (exit_code) {
    case 2:
        return QCoreApplication::translate("Platform", "Файл не найден.");
    case 3:
        return QCoreApplication::translate("Platform",
                                           "Не найдена программа для просмотра файлов %1.")
            .arg(type);
    case 4:
        return QCoreApplication::translate(
                   "Platform", "Программа для просмотра файлов %1 не смогла его открыть.")
            .arg(type);
    default:
        return QCoreApplication::translate("Platform",
                                           "Программа %1 завершилась с ошибкой (код %2).")
            .arg(launcher)
            .arg(exit_code);
    }
}

} // namespace

bool QtPlatform::open_document(const std::string& path) {
    const QFileInfo fi(QString::fromStdString(path));
    const QString file = fi.absoluteFilePath();
    if (!fi.isFile()) {
        fail(file, QCoreApplication::translate("Platform", "Файл не найден."));
        return false;
    }
    const QString launcher = QStandardPaths::findExecutable(document_launcher);
    if (launcher.isEmpty()) {
        // Without the launcher the desktop may still offer something (a web browser).
        if (use_desktop_handler && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
            return true;
        }
        fail(file, QCoreApplication::translate(
                       "Platform", "Не найдена программа %1, которая открывает документы "
                                   "(пакет xdg-utils).")
                       .arg(document_launcher));
        return false;
    }
    // The launcher is watched to its end: only its exit code tells that no application for the
    // document was found. Where it waits for the viewer, it ends when the viewer is closed.
    auto* p = new QProcess(this);
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->setStandardInputFile(QProcess::nullDevice());
    const QString name = QFileInfo(launcher).fileName();
    const QString type = fi.suffix().toUpper();
    connect(p, &QProcess::finished, this,
            [this, p, file, name, type](int code, QProcess::ExitStatus status) {
                p->deleteLater();
                if (status == QProcess::NormalExit && code != 0) {
                    fail(file, launcher_problem(name, code, type));
                }
            });
    connect(p, &QProcess::errorOccurred, this, [this, p, file, name](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            p->deleteLater();
            fail(file,
                 QCoreApplication::translate("Platform", "Программа %1 не запускается.").arg(name));
        }
    });
    p->start(launcher, {file});
    return true;
}

bool QtPlatform::show_text_file(const std::string& path) {
    const QFileInfo fi(QString::fromStdString(path));
    const QString file = fi.absoluteFilePath();
    if (!fi.isFile()) {
        fail(file, QCoreApplication::translate("Platform", "Файл не найден."));
        return false;
    }
    for (const QString& viewer : text_viewers) {
        const QString program = QStandardPaths::findExecutable(viewer);
        if (!program.isEmpty() && QProcess::startDetached(program, {file})) {
            return true;
        }
    }
    if (use_desktop_handler && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        return true;
    }
    if (!show_own_viewer(file)) {
        fail(file, QCoreApplication::translate("Platform", "Файл не читается."));
        return false;
    }
    return true;
}

bool QtPlatform::show_own_viewer(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString text = QString::fromUtf8(f.readAll());
    if (!own_viewer_) {
        own_viewer_ = new QPlainTextEdit;
        own_viewer_->setReadOnly(true);
        own_viewer_->setAttribute(Qt::WA_DeleteOnClose, false);
        own_viewer_->resize(640, 480);
    }
    own_viewer_->setWindowTitle(QFileInfo(path).fileName());
    own_viewer_->setPlainText(text);
    own_viewer_->show();
    own_viewer_->raise();
    own_viewer_->activateWindow();
    return true;
}

bool QtPlatform::tone(int hz, int ms) {
    if (hz <= 0 || ms <= 0) {
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return false;
    }
    const int n = format.sampleRate() * ms / 1000;
    samples_.resize(static_cast<qsizetype>(n) * 2);
    auto* out = reinterpret_cast<qint16*>(samples_.data());
    for (int s = 0; s < n; ++s) {
        const double t = static_cast<double>(s) / format.sampleRate();
        out[s] = static_cast<qint16>(12000 * std::sin(2 * std::numbers::pi * hz * t));
    }
    if (sink_) {
        sink_->stop();
    }
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
    return sink_->error() == QAudio::NoError;
}
