#pragma once
// Pictures on paper and in PDF documents: a picture box's display list as a one-page PDF of true
// vectors, and a printed page with the picture scaled to it and a caption under it, printed
// through Qt's print dialog or looked at first in Qt's print preview.
#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

#include "base/dialogs.h"
#include "base/display_list.h"
#include "base/progress.h"

class QPainter;
class QPrinter;
class QWidget;
class QtPictureBox;

// The picture as a PDF document of one page `size` pixels at 96 dots per inch, titled `title`:
// the vectors render_svg writes, the texts as text in the embedded Liberation Serif, no image.
// Reports its progress; gives nothing once stopped.
QByteArray render_pdf(const DisplayList& list, QSize size, const QFont& font, QColor background,
                      const QString& title, Progress& progress = no_progress());

// What a printed page shows: a picture box's drawing and the caption under it.
struct PrintedPicture {
    const DisplayList& list;
    QSize size; // of the picture box, in pixels
    QFont font; // of the picture box
    QColor background;
    QString caption;
    // The box's image, printed instead of the list when the list is too long to hold the whole
    // picture (see DisplayList::complete).
    QImage image;
};
// A picture box's drawing, captioned with `title` and today's date.
PrintedPicture printed_picture(QtPictureBox& box, const QString& title);

// The caption of a printed picture: its title (the charges and the region, or the graph's line
// and the charges) and the date it was printed.
QString print_caption(const QString& title, QDate date);

// Paints the page within `page` (the painter's units): the picture as large as the page's width
// and the height the caption leaves allow, centred at the top, and the caption centred under it.
// Returns where the picture went.
QRectF paint_page(QPainter& painter, QRectF page, const PrintedPicture& picture);

// Prints through Qt's dialogs. The printer and its settings, as the user last chose them, stay
// for the next print.
class PicturePrinter {
  public:
    PicturePrinter();
    ~PicturePrinter();
    PicturePrinter(const PicturePrinter&) = delete;
    PicturePrinter& operator=(const PicturePrinter&) = delete;

    // Asks for the printer in Qt's print dialog and prints the page; a printer or a file that
    // cannot be printed to is told through `dialogs`.
    void print(QWidget* parent, const PrintedPicture& picture, Dialogs& dialogs);
    // Shows the page in Qt's print preview until it is closed; it prints from there.
    void preview(QWidget* parent, const PrintedPicture& picture, Dialogs& dialogs);

    // The printer the dialogs start from.
    QPrinter& printer();

  private:
    std::unique_ptr<QPrinter> printer_;
};

// The page printed on `printer`; false when the printer or its file could not be opened.
bool print_page(QPrinter& printer, const PrintedPicture& picture);

// The box telling that printing failed, naming the printer or the file.
QString print_failed_text(const QPrinter& printer);
