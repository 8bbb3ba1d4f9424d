#pragma once
// Pictures and data that leave the program: a picture box's display list as a PNG image at any
// scale or as an SVG document of true vectors, and files written so that a failed write leaves
// nothing under the chosen name.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "base/display_list.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

class QPainter;

// A buffer for a file being made that, once told to, reports its growth as a share of the growth
// expected (at most 0.99: the expected size is a guess), and fails every write once the work is
// to stop, which ends an encoder's work early.
class ReportingBuffer : public QBuffer {
  public:
    explicit ReportingBuffer(QByteArray* bytes) : QBuffer(bytes) {}
    // From now on, reports to `progress` the bytes written since, of `growth` expected.
    void report_to(Progress& progress, double growth);

  protected:
    qint64 writeData(const char* data, qint64 len) override;

  private:
    Progress* progress_ = nullptr;
    qint64 from_ = 0;
    double growth_ = 1;
};

// The font of the field picture and of the profile graphs: Times New Roman 11.25 pt at 96 dots
// per inch (15 pixels), drawn with its metric twin Liberation Serif where it is missing.
QFont picture_font();

// The picture painted from `list` on a background, `size` logical pixels at `scale` device
// pixels each (the image's device pixel ratio). At the screen's device pixel ratio this is the
// image the picture box shows. Reports its progress as it paints; stopped, the image holds what
// was painted so far.
QImage render_png(const DisplayList& list, QSize size, const QFont& font, QColor background,
                  qreal scale, Progress& progress = no_progress());
// The image as a PNG file; reports its progress, and gives nothing once stopped.
QByteArray encode_png(const QImage& image, Progress& progress = no_progress());

// The picture as an SVG document `size` pixels at 96 dots per inch, titled `title`: the
// background, then every primitive in drawing order. Lines of one colour and width that follow
// each other become paths of a few thousand points each, dots of one colour paths of squares;
// strokes of an odd width lie on pixel centres, as the screen draws them, so that the document
// shows crisp lines at its own size; texts are in Liberation Serif, Times New Roman's metric
// twin. Reports its progress; gives nothing once stopped.
QByteArray render_svg(const DisplayList& list, QSize size, const QFont& font, QColor background,
                      const QString& title, Progress& progress = no_progress());

// The picture as true vectors on any painter, `size` pixels in the painter's units: the
// background, then every primitive as render_svg writes it (the SVG and PDF documents and the
// printed page). Reports its progress; false once stopped, the picture then incomplete.
bool paint_vectors(QPainter& painter, const DisplayList& list, QSize size, const QFont& font,
                   QColor background, Progress& progress = no_progress());

// The title of a saved field picture: the charges and the region.
QString field_picture_title(const FieldParams& params, const Frame& frame);

// Writes `data` to a temporary file beside `path` and renames it to `path` once it is complete,
// so that a failed write leaves nothing under that name (a device such as /dev/null, which
// cannot be replaced, is written directly; see base/file_output.h). On failure returns false and
// sets `reason` to why, in the interface's language.
bool write_file(const QString& path, const QByteArray& data, QString* reason);
