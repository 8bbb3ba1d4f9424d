// Saving and copying the pictures, the profile data and the command line, on the offscreen
// platform with a file chooser that answers from a script.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "app/command_line.h"
#include "picture/charge_pair.h"
#include "picture/frame.h"
#include "picture/potential_map.h"
#include "profiles/profile_csv.h"
#include "support/files.h"
#include "support/main_window.h"
#include "support/pixels.h"
#include "support/svg_raster.h"
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

enum Kind { Screen, X1, X2, X4, Svg };

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
            if (s.title == kWarningTitle) {
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

    w.dialogs.answers = {false, true};
    w.save("big.svg", Svg);
    w.save("big.svg", Svg);
    w.save("small", Screen); // needs no list: no question
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_TRUE(w.dialogs.shown[1].question);
    EXPECT_EQ(w.dialogs.shown[1].text,
              too_large_question(DisplayList::kDefaultMaxOps).toStdString());
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::Files), QStringList({"big.png", "small.png"}));
    EXPECT_EQ(png(w.path("big.png")), screen);
}

// A folder that cannot be written (for root, who may write anywhere else, /sys), and a full
// disk: a box names the file and the reason, and nothing is left under the name.
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
    struct Case {
        QString path;
        int kind;
        const char* reason;
    };
    const Case cases[] = {
        {folder + "/picture.png", Screen, nullptr},
        {folder + "/picture.svg", Svg, nullptr},
        {QStringLiteral("/dev/full"), X2, "на диске нет места"},
        {w.path("no such folder/picture.png"), Screen, "такой папки нет"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        w.dialogs.shown.clear();
        w.save(c.path, c.kind);
        ASSERT_EQ(w.warnings().size(), 1u);
        const std::string text = w.warnings()[0];
        EXPECT_NE(text.find("Не удалось сохранить файл"), std::string::npos) << text;
        EXPECT_NE(text.find(c.path.toStdString()), std::string::npos) << text;
        if (c.reason) {
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        }
        EXPECT_FALSE(QFileInfo(c.path).isFile());
    }
    QFile::setPermissions(locked.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QDir(locked.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
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
    EXPECT_EQ(texts, QStringList({QStringLiteral("Сохранить график…"),
                                  QStringLiteral("Сохранить данные (CSV)…"),
                                  QStringLiteral("Копировать график")}));

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
}

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(const QStringList& args) {
    std::ostringstream out, err;
    const int code = run_command_line(QStringList{"chargefield"} + args, out, err);
    return {code, out.str(), err.str()};
}

// The command line draws at the size of the picture in a newly opened window (the end-to-end
// test compares its pictures with the window's); a charge is read to its step; warnings go to
// the error stream and the file is still written.
TEST(CommandLine, DrawsAndWarnsLikeTheWindow) {
    QTemporaryDir dir;
    const QString png_path = dir.filePath("x.png");
    ASSERT_EQ(run({"--export", png_path}).code, 0);
    Window w;
    EXPECT_EQ(w.ui.picture->size(), QImage(png_path).size());
    EXPECT_EQ(QImage(png_path).size(),
              QSize(MainWindow::kOpeningPictureSize, MainWindow::kOpeningPictureSize));

    const CliRun rounded = run({"--q1", "0.42", "--pixels", "200", "--export", png_path});
    EXPECT_EQ(rounded.code, 0);
    EXPECT_EQ(QImage(png_path).size(), QSize(200, 200));
    EXPECT_TRUE(QImage(png_path).text("Title").contains("q1 = 0.4 нКл"));

    const CliRun none = run({"--q1", "0", "--q2", "0", "--export", png_path});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.err, "chargefield: ПРЕДУПРЕЖДЕНИЕ: Зарядов нет? Поля нет-1!\n");
    EXPECT_EQ(run({"--version"}).out, "chargefield 1.0.0\n");
    EXPECT_NE(run({"--help"}).out.find("--export-csv <файл>"), std::string::npos);
}

// --potential-map, --arrows and --flux-lines draw what the window draws with the three views
// ticked and «расчёт».
TEST(CommandLine, ViewsAsTheWindowDrawsThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("views.png");
    ASSERT_EQ(run({"--potential-map", "--arrows", "--flux-lines", "--export", path}).code, 0);
    Window w;
    for (QAction* a : {w.ui.potential_map_action, w.ui.arrows_action, w.ui.flux_lines_action}) {
        a->setChecked(true);
    }
    w.ui.compute_button->click();
    const QImage window = w.picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(png(path), window);
    EXPECT_GT(count_colour(window, qRgb(140, 0, 170)), 100); // the separatrix
    EXPECT_NE(run({"--help"}).out.find("--flux-lines"), std::string::npos);
}

// Every faulty input ends the run with code 2 and one line naming the option, before anything
// is written.
TEST(CommandLine, FaultyInputsEndWithOneLineAndCode2) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.png");
    const QString csv = dir.filePath("out.csv");
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--q1", "5", "--export", out}, "--q1 5: вне диапазона от -1 до 1 нКл (шаг 0.05)"},
        {{"--q2", "-1.03", "--export", out}, "--q2 -1.03: вне диапазона от -1 до 1 нКл"},
        {{"--size", "7.5", "--export", out}, "--size 7.5: вне диапазона от 1 до 7 м (шаг 0.5)"},
        {{"--q1", "0,4", "--export", out}, "--q1 0,4: нужно число с точкой"},
        {{"--n-fi", "nan", "--export", out}, "--n-fi nan: нужно число"},
        {{"--n-e", "40000", "--export", out}, "--n-e 40000: вне диапазона"},
        {{"--lines", "dots", "--export", out}, "--lines dots: нужно potential, field или all"},
        {{"--pixels", "10", "--export", out}, "--pixels 10: нужно целое число от 16 до 8192"},
        {{"--export", dir.filePath("out.jpg")}, ".jpg: имя файла должно кончаться на .png"},
        {{"--profile", "fi-z", "--export-csv", csv}, "--profile fi-z: нужно fi-x"},
        {{"--export-csv", csv}, "--export-csv: укажите график параметром --profile"},
        {{"--profile", "fi-x"}, "--profile: укажите файл параметром --export-csv"},
        {{"--q1", "0.5"}, "укажите, что сохранить"},
        {{"--bogus", "--export", out}, "неизвестный параметр --bogus"},
        {{"--export", out, "extra"}, "лишний аргумент extra"},
        {{"--export", dir.filePath("missing/out.png")}, "не удалось сохранить: такой папки нет"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, kUsageError);
        EXPECT_EQ(r.err.rfind("chargefield: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    // Only arguments of its own start the command line: the window keeps Qt's options.
    const auto cli = [](std::initializer_list<const char*> args) {
        return is_command_line(static_cast<int>(args.size()), std::data(args));
    };
    EXPECT_FALSE(cli({"chargefield"}));
    EXPECT_FALSE(cli({"chargefield", "-style", "fusion"}));
    EXPECT_TRUE(cli({"chargefield", "--export", "x.png"}));
    EXPECT_TRUE(cli({"chargefield", "-v"}));
}

} // namespace
