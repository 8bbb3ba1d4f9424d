#pragma once
// What the program asks of the desktop: documents, a text viewer, a tone. Every call reports
// failure to its caller instead of throwing.
#include <functional>
#include <string>

class Platform {
  public:
    // The full path of a document that cannot be shown and what is missing, in Russian.
    using DocumentFailure =
        std::function<void(const std::string& path, const std::string& missing)>;

    virtual ~Platform() = default;
    // Opens a document with the desktop's associated application. False when it cannot even
    // be handed on; every failure, also one the desktop finds later (no application for the
    // document), goes to `document_failed`.
    virtual bool open_document(const std::string& path) = 0;
    // Starts a text viewer on a file; a failure goes to `document_failed` as well.
    virtual bool show_text_file(const std::string& path) = 0;
    // Sounds a tone of `hz` for `ms` milliseconds and returns when it has ended (or at once
    // where there is no audio device).
    virtual bool tone(int hz, int ms) = 0;

    // Told of every document that cannot be shown; nothing is told while it is empty.
    DocumentFailure document_failed;
};
