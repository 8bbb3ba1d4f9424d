#pragma once
// The program's command line: the field picture drawn as the calculate button draws it, and a
// profile's data, written to files without a window, a tone or a message box.
//
//   chargefield --q1 0.4 --q2 -0.1 --size 4 --lines all --n-fi 11 --n-e 6 --export picture.svg
//   chargefield --profile fi-x --yfix 0.1 --export-csv fi.csv
//
// One command is one job: every output is checked before the work starts, written to a
// temporary file beside it, and all take their names only when all were written. A run that
// fails writes one line to the error stream and ends with exit code 2, and no file it names is
// created or changed. The warnings the window would show go to the error stream after a run
// that succeeded, one line each. The program interrupted by SIGINT, SIGTERM or SIGHUP removes its
// temporary files and ends with status 130, 143 or 129 (see main.cpp).
#include <ostream>
#include <string>
#include <vector>

// Runs the command line on the program's arguments as it was given them (the first is the
// program's name) and returns the exit code: 0 when done, 2 on an error. Needs a QApplication.
// The table of --export-csv - goes to `out`.
int run_command_line(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err);

inline constexpr int kUsageError = 2;
