#pragma once
// The desktop as the program uses it: documents, a text viewer, the end-of-drawing tone.
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "base/platform.h"

class QAudioSink;
class QBuffer;

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
  public:
    explicit QtPlatform(QObject* parent = nullptr);
    ~QtPlatform() override;
    // Hands the document to `document_launcher` and watches it: a missing file, a missing
    // launcher and the launcher's report that no application shows the document all go to
    // `document_failed`. Without the launcher, the desktop's own handler is tried first.
    bool open_document(const std::string& path) override;
    // Starts the first text viewer of `text_viewers` that can be found; failing that, the
    // desktop's handler for text files; failing that, shows the file in a read-only window of
    // the program's own. False only when the file does not exist or cannot be read.
    bool show_text_file(const std::string& path) override;
    // Plays a sine tone through the default audio output. The tone plays on while the program
    // goes on; where there is no audio output nothing sounds and false is returned.
    bool tone(int hz, int ms) override;

    // Text viewers tried in order, by program name.
    QStringList text_viewers{QStringLiteral("notepad")};
    // The program that opens a document with the application the desktop associates with it.
    QString document_launcher = QStringLiteral("xdg-open");
    // Whether the desktop's handler is tried when no text viewer (or no launcher) is found.
    bool use_desktop_handler = true;
    // The program's own viewer window, once it has been needed.
    QPlainTextEdit* own_viewer() const { return own_viewer_; }

  private:
    bool show_own_viewer(const QString& path);
    void fail(const QString& path, const QString& missing);

    QPointer<QPlainTextEdit> own_viewer_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
};
