#pragma once
// The desktop as the program uses it: documents, a text viewer, the end-of-drawing tone.
#include <QObject>
#include <memory>

#include "picture/platform.h"

class QAudioSink;
class QBuffer;

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
  public:
    explicit QtPlatform(QObject* parent = nullptr);
    ~QtPlatform() override;
    bool open_document(const std::string& path) override;
    bool show_text_file(const std::string& path) override;
    // Plays a sine tone through the default audio output. The tone plays on while the program
    // goes on; where there is no audio output nothing sounds and false is returned.
    bool tone(int hz, int ms) override;

  private:
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
};
