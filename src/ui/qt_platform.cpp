#include "ui/qt_platform.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
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
    if (sink_) {
        sink_->stop();
    }
    delete own_viewer_;
}

bool QtPlatform::open_document(const std::string& path) {
    const QFileInfo fi(QString::fromStdString(path));
    if (!fi.exists()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fi.absoluteFilePath()));
}

bool QtPlatform::show_text_file(const std::string& path) {
    const QFileInfo fi(QString::fromStdString(path));
    if (!fi.isFile()) {
        return false;
    }
    const QString file = fi.absoluteFilePath();
    for (const QString& viewer : text_viewers) {
        const QString program = QStandardPaths::findExecutable(viewer);
        if (!program.isEmpty() && QProcess::startDetached(program, {file})) {
            return true;
        }
    }
    if (use_desktop_handler && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        return true;
    }
    return show_own_viewer(file);
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
