#pragma once
// The point log: a plain-text file in Windows-1251 with CR LF line ends, five header lines and
// one line per logged point, for processing the probed values elsewhere.
//
// Every write is flushed to the operating system at once and checked, so that every line the
// user logged is in the file when the double click has been handled, and a failure is reported
// instead of being lost.
#include "base/dialogs.h"
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/field_params.h"

inline constexpr const char* kLogName = "kerant.txt";
inline constexpr SourceText kHintTitle = CF_TEXT("PointLog", "Подсказка");
// Shown before the log is created.
std::string log_hint_text(const Translator* translator = nullptr);
// Shown for a double click while logging is off.
inline constexpr SourceText kLogOffText =
    CF_TEXT("PointLog", "Сначала включите чекбокс вывода в файл");

// The five header lines (UTF-8, each ended by CR LF) for the current charges, in the language of
// params.translator (whose header must keep to the letters of Windows-1251).
std::string log_header(const FieldParams& params);
// One data line (UTF-8, ended by CR LF): the five texts set in columns 14 characters wide under
// the header's captions, with at least one blank between neighbours however long they are.
std::string log_line(const std::string& x, const std::string& y, const std::string& fi,
                     const std::string& Ex, const std::string& Ey);

// A file open for writing.
class LogFile {
  public:
    virtual ~LogFile() = default;
    // Writes the bytes and flushes them to the operating system. On failure returns false,
    // leaves the file as it was before the call and gives the reason through error().
    virtual bool write(std::string_view bytes) = 0;
    // Closes the file; false when that failed.
    virtual bool close() = 0;
    virtual std::string error() const = 0;
};

// A file created anew (truncated) for writing, or the reason why it could not be.
struct LogOpen {
    std::unique_ptr<LogFile> file;
    std::string error;
};
// Opens `path`; the reasons of failures are told in the language of `translator`.
using LogOpener = std::function<LogOpen(const std::string& path, const Translator* translator)>;

// Opens a file of the file system for unbuffered writes; a write that fails part-way (a full
// disk) is cut off again, so that the file ends with the last complete write.
LogOpen open_disk_file(const std::string& path, const Translator* translator = nullptr);

// The log's two states: off (no file) and on (the file open, the header written).
class PointLog {
  public:
    explicit PointLog(LogOpener opener = open_disk_file);
    ~PointLog();
    PointLog(const PointLog&) = delete;
    PointLog& operator=(const PointLog&) = delete;

    // Creates kLogName in the current directory anew and writes the header. On failure the log
    // stays off and problem() holds the text for a warning. The warnings of this and the later
    // calls are in the language of params.translator.
    bool start(const FieldParams& params);
    // Appends one data line. On failure the file is closed, the log is off and problem() holds
    // the text for a warning; the lines written before stay in the file.
    bool append(const std::string& x, const std::string& y, const std::string& fi,
                const std::string& Ex, const std::string& Ey);
    // Closes the file (nothing when off). False, with problem() set, when closing failed.
    bool stop();

    bool is_on() const { return file_ != nullptr; }
    const std::string& problem() const { return problem_; }

  private:
    std::string where() const;
    void fail(const SourceText& what, const std::string& reason, const SourceText& outcome);

    LogOpener opener_;
    const Translator* translator_ = nullptr;
    std::unique_ptr<LogFile> file_;
    std::string problem_;
};
