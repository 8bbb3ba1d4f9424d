// Renders an HTML document into an A4 PDF with Qt's rich-text engine.
// Usage: html2pdf input.html output.pdf [name=image.png ...]
// Each name=path pair makes <img src="name"> in the HTML show the image at path.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: html2pdf input.html output.pdf [name=image ...]\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "html2pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(in.readAll());

    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11);
    doc.setDefaultFont(font);
    for (int i = 3; i < argc; ++i) {
        const QString pair = QString::fromLocal8Bit(argv[i]);
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            std::fprintf(stderr, "html2pdf: bad image argument %s\n", argv[i]);
            return 2;
        }
        const QImage image(pair.mid(eq + 1));
        if (image.isNull()) {
            std::fprintf(stderr, "html2pdf: cannot read image %s\n", argv[i]);
            return 1;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(pair.left(eq)), image);
    }
    doc.setHtml(html);

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("chargefield"));
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    doc.print(&writer);
    return QFileInfo(QString::fromLocal8Bit(argv[2])).size() > 0 ? 0 : 1;
}
