#pragma once
// Saving and copying what a window shows: the picture as PNG, SVG or PDF, a table as CSV. The file
// is chosen through a FileChooser and every failure is told through the dialogs, in the
// interface's language.
#include <QString>
#include <string>

#include "base/dialogs.h"
#include "ui/file_chooser.h"
#include "ui/qt_picture_box.h"

class QWidget;

// The kinds of picture file, in the order the save dialog lists them: PNG as on the screen,
// PNG at 1, 2 and 4 device pixels per pixel (for print), SVG, PDF.
QStringList picture_filters();

// Asks for a file and saves the picture of `box` in the kind chosen; the extension of a typed
// name (.png, .svg or .pdf) takes precedence over the kind, and a name without one gets the kind's.
// A picture too large to be kept whole in the box's display list is offered as PNG as on the
// screen instead. A file that cannot be written is told before the question whether to replace
// it. The file is made in the background (ui/background_work.h) while a computation
// (ui/computation.h) waits for it with its own progress window («Сохранение…») after half a
// second: the windows answer throughout, and a stop leaves no file. A request to close the window
// stops the save too; the box that then tells the file was not saved shows when the window stays.
// `title` names the picture inside the file.
void save_picture(QWidget* parent, QtPictureBox& box, FileChooser& chooser, Dialogs& dialogs,
                  const QString& caption, const QString& suggested_name, const QString& title);

// Asks for a file and writes a CSV table to it, with the same checks.
void save_csv(QWidget* parent, FileChooser& chooser, Dialogs& dialogs, const QString& caption,
              const QString& suggested_name, const std::string& table);

// Puts the picture of `box` on the clipboard as an image.
void copy_picture(QtPictureBox& box);

// The texts of the boxes the saving shows.
inline constexpr const char* kReplaceTitle = QT_TRANSLATE_NOOP("SaveActions", "Сохранение");
QString replace_question(const QString& path);
QString save_failed_text(const QString& path, const QString& reason);
// A save stopped by a request to close its window that was then not closed.
QString not_saved_on_close_text(const QString& path);
// `format`: the vector format asked for (or the PNG of another scale), as the question names it.
QString too_large_question(std::size_t primitives, const QString& format = QStringLiteral("SVG"));
