#pragma once
// What the program asks of the desktop: documents, a text viewer, a tone. Every call reports
// failure to its caller instead of throwing.
#include <string>

class Platform {
  public:
    virtual ~Platform() = default;
    // Opens a document with the desktop's associated application.
    virtual bool open_document(const std::string& path) = 0;
    // Starts a text viewer on a file.
    virtual bool show_text_file(const std::string& path) = 0;
    // Sounds a tone of `hz` for `ms` milliseconds and returns when it has ended (or at once
    // where there is no audio device).
    virtual bool tone(int hz, int ms) = 0;
};
