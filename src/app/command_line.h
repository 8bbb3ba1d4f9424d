#pragma once
// The program's command line: the field picture drawn as the calculate button draws it, and a
// profile's data, written to files without a window, a tone or a message box.
//
//   chargefield --q1 0.4 --q2 -0.1 --size 4 --lines all --n-fi 11 --n-e 6 --export picture.svg
//   chargefield --profile fi-x --yfix 0.1 --export-csv fi.csv
//
// Warnings the window would show go to the error stream, one line each. Inputs outside their
// ranges, unknown options and files that cannot be written end the run with one line on the
// error stream and exit code 2, before anything is written under the name that failed.
#include <QStringList>
#include <ostream>

// True when the arguments are for the command line rather than for the window: any argument
// that starts with "--", or -h, -? or -v. Decided before the application object exists, so
// that the command line can do without a display.
bool is_command_line(int argc, const char* const* argv);

// Runs the command line on the program's arguments (the first is the program's name, Qt's own
// options already removed) and returns the exit code: 0 when done, 2 on an error. Needs a
// QApplication.
int run_command_line(const QStringList& arguments, std::ostream& out, std::ostream& err);

inline constexpr int kUsageError = 2;
