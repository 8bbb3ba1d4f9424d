#include "ui/picture_print.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "ui/language.h"
#include "ui/picture_export.h"
#include "ui/qt_picture_box.h"

namespace {

// The context of this file's texts for translation.
struct PicturePrint {
    Q_DECLARE_TR_FUNCTIONS(PicturePrint)
};

// The caption's font: the program's serif at 11 points of the page.
QFont caption_font() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(11);
    return f;
}

} // namespace

QByteArray render_pdf(const DisplayList& list, QSize size, const QFont& font, QColor background,
                      const QString& title, Progress& progress) {
    // Painting fills the page's content, about a tenth of the time; the writer compresses it into
    // the document when the painter ends, which is reported as the document grows: the content
    // compresses to about nine bytes a point of a line (on pictures of ten thousand to six
    // million points).
    constexpr double kPaintingShare = 0.1;
    constexpr double kBytesPerPoint = 9;
    ProgressPart painting(progress, 0, kPaintingShare);
    ProgressPart finishing(progress, kPaintingShare, 1);
    QByteArray bytes;
    ReportingBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // 96 dots per inch: one pixel of the picture is one unit of the page, as in the SVG.
        pdf.setResolution(96);
        const QSizeF points = QSizeF(size.expandedTo(QSize(1, 1))) * 72.0 / 96.0;
        // A page wider than high is a landscape page of the transposed size.
        const bool wide = points.width() > points.height();
        pdf.setPageLayout(QPageLayout(QPageSize(wide ? points.transposed() : points,
                                                QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF()));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("chargefield"));
        QPainter p(&pdf);
        if (!paint_vectors(p, list, size, font, background, painting)) {
            return {};
        }
        buffer.report_to(finishing, kBytesPerPoint * static_cast<double>(list.ops().size() +
                                                                         list.points().size()));
        p.end();
    }
    if (progress.stopped()) {
        return {};
    }
    return bytes;
}

PrintedPicture printed_picture(QtPictureBox& box, const QString& title) {
    PrintedPicture picture{box.display_list(),
                           box.size(),
                           box.font(),
                           box.background(),
                           print_caption(title, QDate::currentDate()),
                           {}};
    if (!picture.list.complete()) {
        picture.image = box.image();
    }
    return picture;
}

QString print_caption(const QString& title, QDate date) {
    //: The format of the date in QDate::toString.
    const QString format = PicturePrint::tr("dd.MM.yyyy");
    return PicturePrint::tr("%1\nНапечатано %2").arg(title, date.toString(format));
}

QRectF paint_page(QPainter& p, QRectF page, const PrintedPicture& picture) {
    const QFont font = caption_font();
    const QFontMetricsF metrics(font, p.device());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF text =
        metrics.boundingRect(QRectF(0, 0, page.width(), page.height()), flags, picture.caption);
    const qreal gap = metrics.height();
    const qreal w = picture.size.width();
    const qreal h = picture.size.height();
    const qreal room = page.height() - text.height() - gap;
    QRectF at(page.topLeft(), QSizeF(0, 0));
    if (w > 0 && h > 0 && room > 0) {
        const qreal scale = std::min(page.width() / w, room / h);
        at = QRectF(page.left() + (page.width() - w * scale) / 2, page.top(), w * scale, h * scale);
        p.save();
        p.translate(at.topLeft());
        p.scale(scale, scale);
        // Lines beyond the picture's edge are cut there, as on the screen.
        p.setClipRect(QRectF(0, 0, w, h));
        if (picture.list.complete() || picture.image.isNull()) {
            paint_vectors(p, picture.list, picture.size, picture.font, picture.background);
        } else {
            p.drawImage(QRectF(0, 0, w, h), picture.image);
        }
        p.restore();
    }
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(page.left(), at.bottom() + gap, page.width(), text.height()), flags,
               picture.caption);
    return at;
}

bool print_page(QPrinter& printer, const PrintedPicture& picture) {
    QPainter p;
    if (!p.begin(&printer)) {
        return false;
    }
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    paint_page(p, QRectF(QPointF(0, 0), QSizeF(paper.size())), picture);
    return p.end() && printer.printerState() != QPrinter::Error;
}

QString print_failed_text(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return PicturePrint::tr("Не удалось напечатать рисунок в файл\r\n%1.")
            .arg(printer.outputFileName());
    }
    return PicturePrint::tr("Не удалось напечатать рисунок на принтере «%1».")
        .arg(printer.printerName());
}

PicturePrinter::PicturePrinter() = default;

PicturePrinter::~PicturePrinter() = default;

QPrinter& PicturePrinter::printer() {
    // Made when first asked for: finding the printers can take a while, which the start of the
    // program should not wait for.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QStringLiteral("chargefield"));
    }
    return *printer_;
}

void PicturePrinter::print(QWidget* parent, const PrintedPicture& picture, Dialogs& dialogs) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(PicturePrint::tr("Печать"));
    // One page: no range of pages to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!print_page(printer(), picture)) {
        dialogs.message(print_failed_text(printer()).toStdString(), interface_text(kWarningTitle));
    }
}

void PicturePrinter::preview(QWidget* parent, const PrintedPicture& picture, Dialogs& dialogs) {
    QPrintPreviewDialog dialog(&printer(), parent);
    dialog.setWindowTitle(PicturePrint::tr("Предварительный просмотр"));
    // The preview paints the page on its own device; printing from it, on the printer chosen.
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* printer) { failed = !print_page(*printer, picture) || failed; });
    dialog.exec();
    if (failed) {
        dialogs.message(print_failed_text(printer()).toStdString(), interface_text(kWarningTitle));
    }
}
