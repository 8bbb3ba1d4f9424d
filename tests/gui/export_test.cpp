// Saving and copying the pictures and the profile data, on the offscreen
// platform with a file chooser that answers from a script.
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <deque>

#include "picture/charge_pair.h"
#include "picture/frame.h"
#include "picture/potential_map.h"
#include "profiles/profile_csv.h"
#include "support/files.h"
#include "support/main_window.h"
#include "support/pixels.h"
#include "support/svg_raster.h"
#include "ui/computation.h"
#include "ui/language.h"
#include "ui/picture_export.h"
#include "ui/picture_print.h"
#include "ui/save_actions.h"

namespace {

// Answers the save dialogs in order: a path (relative to the test's folder unless absolute)
// and the index of the file type chosen.
class ScriptedChooser : public FileChooser {
  public:
    struct Answer {
        QString path;
        int filter = 0;
    };
    std::deque<Answer> answers;
    QStringList captions;

    QString save_file_name(QWidget*, const QString& caption, const QString&, const QStringList&,
                           int& filter) override {
        captions << caption;
        if (answers.empty()) {
            return {};
        }
        const Answer a = answers.front();
        answers.pop_front();
        filter = a.filter;
        return a.path;
    }
};

enum Kind { Screen, X1, X2, X4, Svg, Pdf };

struct Window : ShownMainWindow {
    QTemporaryDir dir;
    ScriptedChooser chooser;
    Window() { window.set_file_chooser(chooser); }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Chooses `name` of `kind` in the save dialog of the picture.
    void save(const QString& name, int kind) {
        chooser.answers.push_back({name.startsWith('/') ? name : path(name), kind});
        ui.save_picture_action->trigger();
    }
    QRgb background() const { return ui.picture->background().rgb(); }
    std::vector<std::string> warnings() const {
        std::vector<std::string> out;
        for (const auto& s : dialogs.shown) {
            if (s.title == interface_text(kWarningTitle)) {
                out.push_back(s.text);
            }
        }
        return out;
    }
};

QImage png(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// After "расчёт" and the zero-field heading: PNG as on the screen is the picture pixel for pixel,
// at 2x each pixel is four, and the SVG is vectors that draw the same picture.
TEST(SavePicture, PngAndSvgShowThePictureOnTheScreen) {
    Window w;
    w.ui.compute_button->click();
    QTest::mouseClick(w.ui.q2_heading, Qt::LeftButton);
    w.dialogs.shown.clear();
    const QImage screen = w.picture().convertToFormat(QImage::Format_RGB32);

    w.save("screen", Screen); // no extension: the kind's
    w.save("print", X2);
    w.save("vectors", Svg);
    w.save("typed.svg", Screen); // the typed extension wins
    EXPECT_EQ(w.chooser.captions.front(), QStringLiteral("Сохранить рисунок"));
    EXPECT_TRUE(w.dialogs.shown.empty());

    EXPECT_EQ(png(w.path("screen.png")), screen);
    EXPECT_TRUE(QImage(w.path("screen.png")).text("Title").contains("q1 = 0.4 нКл"));
    const QImage twice = png(w.path("print.png"));
    ASSERT_EQ(twice.size(), screen.size() * 2);
    const int dots = count_colour(screen, qRgb(0, 0, 200));
    EXPECT_NEAR(count_colour(twice, qRgb(0, 0, 200)), 4 * dots, 0.05 * 4 * dots);

    for (const char* name : {"vectors.svg", "typed.svg"}) {
        SCOPED_TRACE(name);
        const QByteArray svg = read_all(w.path(name));
        EXPECT_TRUE(svg.contains("<title>Поле двух точечных зарядов: q1 = 0.4 нКл (x = -0.5 м), "
                                 "q2 = -0.1 нКл (x = 0.5 м); область x, y от -4 до 4 м</title>"));
        EXPECT_TRUE(svg.contains("font-family=\"Liberation Serif\""));
        EXPECT_TRUE(svg.contains("<path") && svg.contains(">E=0</text>"));
        EXPECT_FALSE(svg.contains("<image"));
        const QImage drawn = rasterise_svg(svg, screen.size(), w.background());
        EXPECT_GE(share_within_one_pixel(screen, drawn, w.background()), 0.99);
    }

    // An existing file is replaced only after a Yes.
    const QByteArray before = read_all(w.path("screen.png"));
    w.ui.compute_button->click();
    w.dialogs.answers = {false};
    w.save("screen.png", X4);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_TRUE(w.dialogs.shown[0].question);
    EXPECT_EQ(w.dialogs.shown[0].text, replace_question(w.path("screen.png")).toStdString());
    EXPECT_EQ(read_all(w.path("screen.png")), before);
    w.dialogs.answers = {true};
    w.save("screen.png", X4);
    EXPECT_EQ(png(w.path("screen.png")).size(), screen.size() * 4);
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::Files).size(), 4); // no temporary files left
}

// What a program of poppler-utils writes for a PDF file.
QString poppler(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().data();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of `pdfimages -list` after its two lines of heading: the images in the file.
int images_in(const QString& pdf) {
    return static_cast<int>(
               poppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size()) -
           2;
}

// The page of a PDF drawn at 96 dots per inch, as the picture's pixels are.
QImage pdf_page(const QString& pdf, const QString& dir) {
    poppler("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir + "/page"});
    return QImage(dir + "/page.png").convertToFormat(QImage::Format_RGB32);
}

// PDF: one page the size of the picture, titled like the SVG, its drawing paths and its texts
// text (the axis labels read back from it), no image; drawn, it is the picture on the screen.
TEST(SavePicture, PdfIsVectorsWithItsTextsAsText) {
    Window w;
    w.ui.compute_button->click();
    QTest::mouseClick(w.ui.q2_heading, Qt::LeftButton);
    w.dialogs.shown.clear();
    const QImage screen = w.picture().convertToFormat(QImage::Format_RGB32);
    w.save("vectors", Pdf);
    w.save("typed.pdf", X4); // the typed extension wins
    EXPECT_TRUE(w.dialogs.shown.empty());
    for (const char* name : {"vectors.pdf", "typed.pdf"}) {
        SCOPED_TRACE(name);
        const QString path = w.path(name);
        const QString info = poppler("pdfinfo", {path});
        EXPECT_TRUE(info.contains(QRegularExpression("Page size: +408 x 408 pts")))
            << info.toStdString();
        EXPECT_TRUE(info.contains("q1 = 0.4 нКл (x = -0.5 м), q2 = -0.1 нКл"))
            << info.toStdString();
        const QString text = poppler("pdftotext", {"-raw", "-enc", "UTF-8", path, "-"});
        for (const char* label : {"X, м", "Y, м", "-4.0", "3.5", "E=0"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(label))) << label;
        }
        EXPECT_EQ(images_in(path), 0);
        EXPECT_GE(share_within_one_pixel(screen, pdf_page(path, w.dir.path()), w.background()),
                  0.99);
    }
}

// With the potential map on, a PNG at twice the size is coloured at its own pixels: between the
// grid lines near a charge, where the potential changes fast, it holds the map filled for a grid
// of twice the pixels, not the screen's map enlarged. An SVG holds the map as an image under
// vectors that draw the picture on the screen.
TEST(SavePicture, TheMapIsColouredAtTheExportsOwnPixels) {
    Window w;
    w.ui.potential_map_action->setChecked(true);
    w.save("print", X2);
    const QImage twice = png(w.path("print.png"));
    const ChargePair c = charge_pair(w.m);
    const PotentialScale scale = potential_scale(c, kChargeRadius);
    const int n = w.ui.picture->width();
    ASSERT_EQ(twice.size(), QSize(2 * n, 2 * n));
    std::vector<std::uint32_t> fine(4 * n * n), coarse(n * n);
    fill_potential_map(c, scale, square_grid(w.m.half_width, 2 * n, 2 * n), fine.data(), 2 * n);
    fill_potential_map(c, scale, square_grid(w.m.half_width, n, n), coarse.data(), n);
    // The cell of the grid above the axis right of the left charge, less a margin and the tick
    // mark at x = -0.4.
    const QPointF from = w.ui.picture->to_pixels(-0.38, 0.21) * 2;
    const QPointF to = w.ui.picture->to_pixels(-0.27, 0.04) * 2;
    int differ = 0, enlarged_differ = 0;
    for (int j = static_cast<int>(from.y()); j < static_cast<int>(to.y()); ++j) {
        for (int i = static_cast<int>(from.x()); i < static_cast<int>(to.x()); ++i) {
            const QRgb got = twice.pixel(i, j) | 0xff000000u;
            differ += got != fine[static_cast<std::size_t>(j * 2 * n + i)];
            enlarged_differ += got != coarse[static_cast<std::size_t>(j / 2 * n + i / 2)];
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(enlarged_differ, 20);

    w.save("vectors", Svg);
    const QByteArray svg = read_all(w.path("vectors.svg"));
    EXPECT_TRUE(svg.contains("<image"));
    const QImage screen = w.picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(share_within_one_pixel(screen, rasterise_svg(svg, screen.size(), w.background()),
                                     w.background()),
              0.95);
}

// A picture larger than its display list keeps whole: SVG and other scales are refused with an
// offer of PNG as on the screen, which a Yes saves under the name made .png.
TEST(SavePicture, TooLargeAPictureIsOfferedAsPngAsOnTheScreen) {
    Window w;
    w.ui.compute_button->click();
    QtPictureBox& box = *w.ui.picture;
    const QImage screen = w.picture().convertToFormat(QImage::Format_RGB32);
    for (std::size_t i = 0; i <= DisplayList::kDefaultMaxOps; ++i) {
        box.set_scale(-4, 4, 4, -4); // records without drawing anything
    }
    EXPECT_EQ(w.picture().convertToFormat(QImage::Format_RGB32), screen);
    ASSERT_FALSE(box.display_list().complete());

    w.dialogs.answers = {false, true, false};
    w.save("big.svg", Svg);
    w.save("big.svg", Svg);
    w.save("small", Screen); // needs no list: no question
    w.save("big.pdf", Pdf);
    ASSERT_EQ(w.dialogs.shown.size(), 3u);
    EXPECT_TRUE(w.dialogs.shown[1].question);
    EXPECT_EQ(w.dialogs.shown[1].text,
              too_large_question(DisplayList::kDefaultMaxOps).toStdString());
    EXPECT_NE(w.dialogs.shown[2].text.find("сохранить его в PDF"), std::string::npos);
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::Files), QStringList({"big.png", "small.png"}));
    EXPECT_EQ(png(w.path("big.png")), screen);
}

// A folder that cannot be written (for root, who may write anywhere else, /sys), a file that
// cannot be replaced and a full disk: a box names the file and the reason, before any question
// whether to replace the file, and nothing is left or changed under the name.
TEST(SavePicture, FailedSaveLeavesNothingAndTells) {
    Window w;
    w.ui.compute_button->click();
    QTemporaryDir locked;
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString folder = locked.path();
    if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        folder = QStringLiteral("/sys");
    }
    QTemporaryDir open_folder;
    QString protected_file = open_folder.filePath("protected.png");
    const char* protected_reason = "файл защищён от записи";
    if (QFile f(protected_file); f.open(QIODevice::WriteOnly)) {
        f.write("the user's");
    }
    QFile::setPermissions(protected_file, QFileDevice::ReadOwner);
    if (folder == QLatin1String("/sys")) {
        QDirIterator files(QStringLiteral("/sys/kernel"), QDir::Files);
        protected_file = files.next();
        protected_reason = nullptr;
    }
    struct Case {
        QString path;
        int kind;
        const char* reason;
    };
    const Case cases[] = {
        {protected_file, Screen, protected_reason},
        {folder + "/picture.png", Screen, nullptr},
        {folder + "/picture.svg", Svg, nullptr},
        {QStringLiteral("/dev/full"), X2, "на диске нет места"},
        {w.path("no such folder/picture.png"), Screen, "такой папки нет"},
    };
    // In English the box and its reason are English.
    for (const Language language : {Language::Russian, Language::English}) {
        apply_language(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.path.toStdString());
            const bool existed = QFileInfo(c.path).isFile();
            const QByteArray before = existed ? read_all(c.path) : QByteArray();
            w.dialogs.shown.clear();
            w.save(c.path, c.kind);
            ASSERT_EQ(w.dialogs.shown.size(), 1u); // no question
            ASSERT_EQ(w.warnings().size(), 1u);
            const std::string text = w.warnings()[0];
            EXPECT_NE(text.find(c.path.toStdString()), std::string::npos) << text;
            if (language == Language::English) {
                EXPECT_FALSE(QString::fromStdString(text).contains(
                    QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))))
                    << text;
            } else {
                EXPECT_NE(text.find("Не удалось сохранить файл"), std::string::npos) << text;
                EXPECT_TRUE(c.reason == nullptr || text.find(c.reason) != std::string::npos)
                    << text;
            }
            EXPECT_EQ(QFileInfo(c.path).isFile(), existed);
            if (existed) {
                EXPECT_EQ(read_all(c.path), before);
            }
        }
    }
    apply_language(Language::Russian);
    QFile::setPermissions(locked.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QDir(locked.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

// A random walk of `segments` segments over the picture: a long save.
void draw_walk(QtPictureBox& box, int segments) {
    float x = 0, y = 0;
    std::uint32_t seed = 1;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
    };
    for (int i = 0; i < segments; ++i) {
        const float x2 = std::clamp(x + 0.05f * next(), -3.9f, 3.9f);
        const float y2 = std::clamp(y + 0.05f * next(), -3.9f, 3.9f);
        box.line(x, y, x2, y2, rgb(200, 0, 0));
        x = x2;
        y = y2;
    }
}

// A save that takes long shows its progress window; the window answers throughout, also while
// the PDF writer finishes its document, whose "Остановить" is taken at once and leaves no file;
// a request to close the window stops the save, and when the window then stays, a box says the
// file was not saved.
TEST(SavePicture, LongSaveAnswersAndStopLeavesNoFile) {
    Window w;
    draw_walk(*w.ui.picture, 2'000'000);
    ASSERT_TRUE(w.ui.picture->display_list().complete());
    enum class Then { Nothing, Stop, StopWhileFinishing, CloseAnsweringNo };
    const struct {
        const char* name;
        const char* file;
        Then then;
    } rows[] = {
        {"SVG stopped", "large.svg", Then::Stop},
        {"PDF saved whole", "large.pdf", Then::Nothing},
        {"PDF stopped while its writer finishes", "large.pdf", Then::StopWhileFinishing},
        {"SVG whose window is closed, then kept", "large.svg", Then::CloseAnsweringNo},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(w.path(r.file));
        w.dialogs.shown.clear();
        w.dialogs.answers = {false};
        QString title;
        bool acted = false;
        // The interface thread's event loop gets control every 10 ms when it is free to.
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
            for (QProgressDialog* d : w.window.findChildren<QProgressDialog*>()) {
                if (!d->isVisible() || acted) {
                    continue;
                }
                title = d->windowTitle();
                // The writer's finishing is the last nine tenths of a PDF's bar.
                if (r.then == Then::Stop ||
                    (r.then == Then::StopWhileFinishing && d->value() > d->maximum() / 5)) {
                    acted = true;
                    for (QPushButton* b : d->findChildren<QPushButton*>()) {
                        QTest::mouseClick(b, Qt::LeftButton);
                    }
                } else if (r.then == Then::CloseAnsweringNo) {
                    acted = true;
                    w.window.close();
                }
            }
        });
        clock.start();
        poll.start();
        w.save(r.file, Screen);
        poll.stop();
        longest = std::max(longest, clock.elapsed() - last);
        // The work left behind by a stop ends on its own.
        QThreadPool::globalInstance()->waitForDone();
        EXPECT_EQ(title, QString::fromUtf8(Computation::kSaving));
        EXPECT_LT(longest, 500);
        EXPECT_TRUE(w.window.isVisible());
        const QStringList left =
            QDir(w.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (r.then == Then::Nothing) {
            EXPECT_EQ(left, QStringList({r.file}));
            EXPECT_TRUE(w.dialogs.shown.empty());
            EXPECT_TRUE(poppler("pdfinfo", {w.path(r.file)}).contains("Pages:"));
            continue;
        }
        EXPECT_TRUE(acted);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
        if (r.then == Then::CloseAnsweringNo) {
            ASSERT_EQ(w.dialogs.shown.size(), 2u);
            EXPECT_EQ(w.dialogs.shown[0].text, "Вы абсолютно уверены?");
            EXPECT_EQ(w.dialogs.shown[1].text,
                      not_saved_on_close_text(w.path(r.file)).toStdString());
        } else {
            EXPECT_TRUE(w.dialogs.shown.empty());
        }
    }
}

// Ctrl+C copies the picture while the picture has the focus, which a click gives it; in a text
// box Ctrl+C copies its text.
TEST(CopyPicture, CtrlCOnThePictureCopiesTheImage) {
    Window w;
    w.ui.compute_button->click();
    QApplication::setActiveWindow(&w.window);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();

    w.ui.y_fixed_edit->setFocus();
    w.ui.y_fixed_edit->selectAll();
    QTest::keyClick(w.ui.y_fixed_edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("0.10"));
    EXPECT_TRUE(clipboard->image().isNull());

    QTest::mouseClick(w.ui.picture, Qt::LeftButton, {}, QPoint(100, 100));
    ASSERT_TRUE(w.ui.picture->hasFocus());
    QTest::keyClick(w.ui.picture, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32),
              w.picture().convertToFormat(QImage::Format_RGB32));
}

// The graph's context menu: the graph as SVG titled with its line and charges, the data as the
// profile's table, and a full disk told in a box.
TEST(ProfileExport, ContextMenuSavesTheGraphAndTheData) {
    Window w;
    w.ui.phi_along_x_check->setChecked(true);
    ProfileWindow& p = w.window.profile(ProfileId::PhiAlongX);
    EXPECT_EQ(p.picture->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList texts;
    for (const QAction* a : p.picture->actions()) {
        texts << a->text();
    }
    EXPECT_EQ(
        texts,
        QStringList({QStringLiteral("Сохранить график…"), QStringLiteral("Сохранить данные (CSV)…"),
                     QStringLiteral("Копировать график"), QString(), QStringLiteral("Печать…"),
                     QStringLiteral("Предварительный просмотр…")}));

    w.chooser.answers = {{w.path("graph"), Svg}, {w.path("fi"), 0}, {"/dev/full", 0}};
    p.save_graph_action->trigger();
    p.save_data_action->trigger();
    p.save_data_action->trigger();
    const QByteArray svg = read_all(w.path("graph.svg"));
    EXPECT_TRUE(svg.contains("Y_fix = 0.1 м; q1 = 0.4 нКл, q2 = -0.1 нКл</title>"));
    const QImage graph = p.picture->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(share_within_one_pixel(graph, rasterise_svg(svg, graph.size(), Qt::white),
                                     qRgb(255, 255, 255)),
              0.99);
    const QByteArray csv = read_all(w.path("fi.csv"));
    EXPECT_EQ(csv.toStdString(), profile_csv(w.m, w.window.field_picture().frame, p.kind()));
    EXPECT_EQ(csv.count('\n'), 2 + 501);
    ASSERT_EQ(w.warnings().size(), 1u);
    EXPECT_NE(w.warnings()[0].find("/dev/full"), std::string::npos);

    // A graph wider than high: a landscape page of its size, a pixel three quarters of a point.
    w.chooser.answers = {{w.path("graph"), Pdf}};
    p.save_graph_action->trigger();
    const QRegularExpressionMatch page = QRegularExpression("Page size: +([0-9.]+) x ([0-9.]+)")
                                             .match(poppler("pdfinfo", {w.path("graph.pdf")}));
    EXPECT_NEAR(page.captured(1).toDouble(), 0.75 * p.picture->width(), 0.5);
    EXPECT_NEAR(page.captured(2).toDouble(), 0.75 * p.picture->height(), 0.5);
    EXPECT_GT(p.picture->width(), 2 * p.picture->height());
}

// Closes the next modal dialog once it shows, accepting or rejecting it, and keeps its class.
struct NextDialog {
    QString shown;
    explicit NextDialog(bool accept) {
        QTimer::singleShot(0, [this, accept] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (d == nullptr) {
                return;
            }
            shown = QString::fromLatin1(d->metaObject()->className());
            EXPECT_TRUE(d->isVisible());
            accept ? d->accept() : d->reject();
        });
    }
};

// «Печать…» through Qt's print dialog to a PDF file: the picture's page with its texts as text,
// no image, and the caption naming the charges, the region and the date; the profile's «Печать…»
// the same for its graph. A file that cannot be written is told; the print preview opens over
// the window and closes.
TEST(Print, PrintsThePictureWithItsCaption) {
    Window w;
    w.ui.compute_button->click();
    QPrinter& printer = w.window.picture_printer().printer();
    const struct {
        QAction* action;
        const char* name;
        const char* caption; // the start of the caption
    } rows[] = {
        {w.ui.print_action, "picture.pdf", "Поле двух точечных зарядов: q1 = 0.4 нКл"},
        {w.window.profile(ProfileId::PhiAlongX).print_action, "graph.pdf",
         "Потенциал fi(x, Y) при фиксированном Y; Y_fix = 0.1 м"},
    };
    w.ui.phi_along_x_check->setChecked(true);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        printer.setOutputFileName(w.path(r.name));
        const NextDialog dialog(true);
        r.action->trigger();
        EXPECT_EQ(dialog.shown, QStringLiteral("QPrintDialog"));
        const QString text = poppler("pdftotext", {"-raw", "-enc", "UTF-8", w.path(r.name), "-"});
        EXPECT_TRUE(text.contains(QString::fromUtf8(r.caption))) << text.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression("Напечатано \\d\\d\\.\\d\\d\\.\\d{4}")));
        EXPECT_EQ(images_in(w.path(r.name)), 0);
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
    printer.setOutputFileName(w.path("no such folder/page.pdf"));
    {
        const NextDialog dialog(true);
        w.ui.print_action->trigger();
    }
    ASSERT_EQ(w.warnings().size(), 1u);
    EXPECT_EQ(w.warnings()[0], print_failed_text(printer).toStdString());
    EXPECT_NE(w.warnings()[0].find("no such folder/page.pdf"), std::string::npos);

    w.dialogs.shown.clear();
    const NextDialog preview(false);
    w.ui.print_preview_action->trigger();
    EXPECT_EQ(preview.shown, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// The x-ppi column of `pdfimages -list`: the resolution of each image on its page.
std::vector<double> image_resolutions(const QString& pdf) {
    std::vector<double> ppi;
    const QStringList lines = poppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        ppi.push_back(lines[i].split(' ', Qt::SkipEmptyParts).value(12).toDouble());
    }
    return ppi;
}

// With the potential map on, the printed page holds the map coloured at a resolution a printer
// can use, 150 to 300 pixels to the inch, however fine the printer's own dots (the page is
// painted at 1200 to the inch); and so does the print preview, which paints the same page.
TEST(Print, TheMapIsColouredAtAResolutionAPrinterUses) {
    Window w;
    w.ui.potential_map_action->setChecked(true);
    QPrinter& printer = w.window.picture_printer().printer();
    ASSERT_GE(printer.resolution(), 1200);
    printer.setOutputFileName(w.path("map.pdf"));
    {
        const NextDialog dialog(true);
        w.ui.print_action->trigger();
    }
    const std::vector<double> ppi = image_resolutions(w.path("map.pdf"));
    ASSERT_FALSE(ppi.empty());
    EXPECT_GE(*std::max_element(ppi.begin(), ppi.end()), 150);
    EXPECT_LE(*std::max_element(ppi.begin(), ppi.end()), 300);

    const NextDialog preview(false);
    w.ui.print_preview_action->trigger();
    EXPECT_EQ(preview.shown, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// The page: the picture as wide as the page, or as high as the caption below it leaves room
// for, centred at the top with its proportions; and the caption's date.
TEST(Print, PictureFillsThePageAboveItsCaption) {
    const DisplayList empty;
    const QRgb background = qRgb(255, 255, 192);
    const struct {
        const char* name;
        QSize page, picture;
        bool as_wide_as_the_page;
    } rows[] = {
        {"square picture, upright page", {600, 800}, {544, 544}, true},
        {"square picture, page on its side", {800, 600}, {544, 544}, false},
        {"wide graph, upright page", {600, 800}, {700, 300}, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QImage page(r.page, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        const QRectF at =
            paint_page(p, QRectF(QPointF(0, 0), QSizeF(r.page)),
                       {empty, r.picture, picture_font(), QColor(background), "Подпись\nдата", {}});
        p.end();
        EXPECT_EQ(at.top(), 0);
        EXPECT_NEAR(at.center().x(), r.page.width() / 2.0, 0.5);
        EXPECT_NEAR(at.width() / at.height(), double(r.picture.width()) / r.picture.height(), 1e-9);
        if (r.as_wide_as_the_page) {
            EXPECT_DOUBLE_EQ(at.width(), r.page.width());
        } else {
            EXPECT_LT(at.width(), r.page.width());
            EXPECT_GT(at.height(), 0.8 * r.page.height());
        }
        const QRect inside = at.toAlignedRect().adjusted(1, 1, -1, -1);
        EXPECT_EQ(count_colour(page, background, inside), inside.width() * inside.height());
    }
    EXPECT_EQ(print_caption("Поле", QDate(2026, 3, 8)),
              QStringLiteral("Поле\nНапечатано 08.03.2026"));
}

} // namespace
