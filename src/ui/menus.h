#pragma once
// The texts of the information boxes and the search for the help documents.
#include <QString>
#include <string>

#include "ui/language.h"

// The About box: what the program computes and the version history. Lines end in CR LF, except
// the first, which ends in a lone carriage return.
std::string about_text();
// The Registration box: what the program is, its version and its licence, lines ending in CR LF.
std::string registration_text();
// The six lines of the Authors window, separated by CR LF.
std::string authors_text();

// The warning for a help document that cannot be shown: its full path and what is missing.
std::string document_failure_text(const std::string& path, const std::string& missing);

// The data directory of an installed program, relative to the directory of its executable.
QString data_dir_from_bin();

// Where a help document is: the current directory first, then the program's data directory
// (the installed share directory) and the program's own directory (the build tree, where the
// documents are built beside the program). When the file is nowhere, its name in the current
// directory is returned, so that the desktop reports it as missing.
QString help_file_path(const QString& name, const QString& current_dir, const QString& app_dir);
// A help document's name in a language: the English documents lie in en/ beside the Russian.
QString help_document(const QString& name, Language language);
// help_file_path for the running program, of the document in the interface's language.
QString help_file_path(const QString& name);
