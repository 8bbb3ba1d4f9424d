#pragma once
// Dialogs that record what they were asked and answer from a script, never blocking.
#include <deque>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "base/platform.h"

class RecordingDialogs : public Dialogs {
  public:
    struct Shown {
        std::string text, title;
        bool question = false;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers; // for ask_yes_no, in order; No when the script runs out

    void message(const std::string& text, const std::string& title) override {
        shown.push_back({text, title, false});
    }
    bool ask_yes_no(const std::string& text, const std::string& title) override {
        shown.push_back({text, title, true});
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A desktop that opens nothing and records what it was asked to do.
class RecordingPlatform : public Platform {
  public:
    std::vector<std::string> documents, text_files;
    std::vector<std::pair<int, int>> tones;
    bool succeed = true;
    // What a failing desktop reports as missing.
    std::string missing = "Не найдена программа для просмотра.";

    bool open_document(const std::string& path) override {
        documents.push_back(path);
        return report(path);
    }
    bool show_text_file(const std::string& path) override {
        text_files.push_back(path);
        return report(path);
    }
    bool tone(int hz, int ms) override {
        tones.emplace_back(hz, ms);
        return succeed;
    }

  private:
    bool report(const std::string& path) {
        if (!succeed && document_failed) {
            document_failed(path, missing);
        }
        return succeed;
    }
};
