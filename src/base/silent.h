#pragma once
// Dialogs that show nothing and a desktop that does nothing: for drawing that nobody is to be
// told about (a live redraw while a scroll bar moves, the command line's documents and tone, a
// picture taken for the documentation).
#include <string>

#include "base/dialogs.h"
#include "base/platform.h"

// Shows no message and answers every question with No.
class SilentDialogs : public Dialogs {
  public:
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
};

// Opens no document and no viewer (both reported as not done); the tone is silence, done.
class SilentPlatform : public Platform {
  public:
    bool open_document(const std::string&) override { return false; }
    bool show_text_file(const std::string&) override { return false; }
    bool tone(int, int) override { return true; }
};
