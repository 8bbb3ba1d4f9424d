#include "ui/qt_platform.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <cmath>
#include <numbers>

QtPlatform::QtPlatform(QObject* parent) : QObject(parent) {}

QtPlatform::~QtPlatform() {
    if (sink_) {
        sink_->stop();
    }
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
    if (!fi.exists()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fi.absoluteFilePath()));
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
