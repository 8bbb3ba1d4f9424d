#pragma once
// Files written whole or not at all, named by the bytes of their names as the file system takes
// them (a name need not be valid UTF-8, and is written under exactly those bytes).
//
// A file is written to a temporary file beside it, in the folder of the file a link names, and
// takes its name only when it is complete, keeping the permissions of the file it replaces; so a
// failed write leaves nothing under the name, and several files can be written first and put in
// place together. A device or a pipe (/dev/null, a named pipe), which cannot be replaced, is
// written directly. Every failure is told as a reason in the language of the translator given
// (Russian without one).
#include <string>
#include <string_view>

#include "base/translator.h"

// Why a file cannot be written under `path`, or an empty text when nothing is seen against it:
// no name, a folder under the name, a file protected from writing, a folder that does not exist
// or may not be written. Looks only: creates nothing. (What it cannot see, such as a full disk
// or a file system that refuses new files, shows when the file is opened.)
std::string output_problem(const std::string& path, const Translator* translator = nullptr);

// output_problem, and then, for a file rather than a device, what only trying shows (a file
// system that refuses new files, a folder of the system's): the temporary file made and removed.
std::string output_problem_tried(const std::string& path, const Translator* translator = nullptr);

// What `path` names on the file system, so that two names of one file compare equal: the path
// of an existing file with its links resolved, otherwise its folder's path so resolved and the
// name.
std::string output_identity(const std::string& path);

// Why a system call failed, from its error number.
std::string reason_of_error(int err, const Translator* translator = nullptr);

class PendingFile {
  public:
    explicit PendingFile(std::string path, const Translator* translator = nullptr);
    // Removes the temporary file of a file not put in place.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Creates the temporary file (or opens the device). Each call below opens the file first
    // if it is not open; each returns false on failure, when problem() tells why, and the file
    // is then cancelled.
    bool open();
    bool write(std::string_view data);
    // Writes what is written to the disk and closes the file: only put_in_place() is left.
    bool finish();
    // Gives the finished file its name.
    bool put_in_place();
    // Forgets what was written: the temporary file goes.
    void cancel();

    const std::string& path() const { return path_; }
    const std::string& problem() const { return problem_; }

  private:
    bool fail(const std::string& why);
    bool fail_errno(int err) { return fail(reason_of_error(err, translator_)); }

    std::string path_;   // as given
    std::string target_; // the file written: the path, a link resolved
    std::string temp_;   // the temporary file beside it; empty for a device
    const Translator* translator_;
    int fd_ = -1;
    bool opened_ = false, finished_ = false, placed_ = false;
    std::string problem_;
};

// Makes SIGINT, SIGTERM and SIGHUP end the program with the status a shell reports for them (128
// and the signal's number: 130, 143, 129), after removing the temporary file of every PendingFile
// not put in place; the files named are never touched. The signals are taken by a thread of
// their own, outside any signal handler, which reads the temporary files' names under a lock. To
// be called first thing in main(), before any other thread starts: the threads started later
// inherit the signals blocked.
void end_on_signals_removing_pending_files();

// While one lives, a signal that ends the program waits: the files put in place meanwhile are all
// put in place.
class EndingSignalsHeld {
  public:
    EndingSignalsHeld();
    ~EndingSignalsHeld();
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;
};

// Writes `data` under `path` whole or not at all; on failure returns false and sets `reason`.
bool write_whole_file(const std::string& path, std::string_view data, std::string* reason,
                      const Translator* translator = nullptr);
