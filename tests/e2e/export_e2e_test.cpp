// The real program under Xvfb: the picture saved from the window and rendered by the command
// line is the picture on the screen; the command line's checks and its profile data.
#include <QFile>
#include <QTemporaryDir>
#include <iostream>

#include "e2e/e2e_support.h"
#include "support/coulomb.h"
#include "support/files.h"
#include "support/pixels.h"
#include "support/svg_raster.h"

namespace {

using ExportEndToEnd = e2e::ProgramTest;

const QRgb kBackground = qRgb(255, 255, 255);

int differing_pixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
        }
    }
    return n;
}

// A saved PNG is the picture pixel for pixel; a saved SVG, drawn by Qt's SVG renderer, shows
// at least 99 % of its coloured pixels within one pixel.
void expect_same_picture(const QImage& screen, const QString& png, const QString& svg) {
    const QImage saved = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.size(), screen.size());
    EXPECT_EQ(differing_pixels(saved, screen), 0) << png.toStdString();
    const double share = share_within_one_pixel(
        screen, rasterise_svg(read_all(svg), screen.size(), kBackground), kBackground);
    std::cout << svg.toStdString() << ": " << 100 * share << " % of the coloured pixels\n";
    EXPECT_GE(share, 0.99);
}

// Ctrl+S, the path typed into the save dialog, Return.
void save_as(const e2e::MainWindowOnScreen& s, const QString& path) {
    s.rest();
    // Without a window manager the keyboard goes where it is sent: to the main window.
    e2e::xdotool({QStringLiteral("windowfocus"), s.id});
    e2e::key(QStringLiteral("ctrl+s"));
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("Сохранить рисунок"), 5000).isEmpty())
        << "no save dialog";
    e2e::key(QStringLiteral("ctrl+a"));
    e2e::type_text(path);
    e2e::key(QStringLiteral("Return"));
    ASSERT_TRUE(e2e::wait_gone(QStringLiteral("Сохранить рисунок"))) << "the dialog stayed";
    // The file appears whole (it is written aside and renamed).
    ASSERT_TRUE(e2e::wait_until([&] { return QFile::exists(path); })) << path.toStdString();
}

TEST_F(ExportEndToEnd, SavedPictureIsThePictureOnTheScreen) {
    const e2e::MainWindowOnScreen& s = main;
    s.calculate();
    // The zero-field heading draws its point and level and explains them in a box.
    e2e::click_at(s.at(e2e::MainWindowOnScreen::kColumn + 32, 52 + 11));
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("нулевой напряжённостью")).isEmpty());
    e2e::key(QStringLiteral("Return"));
    ASSERT_TRUE(e2e::wait_gone(QStringLiteral("нулевой напряжённостью")));

    const QString dir = program.working_directory();
    save_as(s, dir + QStringLiteral("/saved.png"));
    save_as(s, dir + QStringLiteral("/saved.svg"));
    s.rest();
    expect_same_picture(s.picture_shown(), dir + QStringLiteral("/saved.png"),
                        dir + QStringLiteral("/saved.svg"));
    EXPECT_TRUE(program.running());
}

// Without a display: the default picture is the window's after "расчёт"; a charge out of its
// range ends with code 2 and one line naming it; the potential along y = 0.1 follows Coulomb's
// law.
TEST_F(ExportEndToEnd, CommandLineWithoutADisplay) {
    main.calculate();
    main.rest();
    const QImage screen = main.picture_shown();

    QTemporaryDir dir;
    const e2e::Finished pictures =
        e2e::run_program({"--export", "x.png", "--export", "x.svg"}, dir.path());
    EXPECT_EQ(pictures.code, 0) << pictures.err.toStdString();
    EXPECT_TRUE(pictures.err.isEmpty()) << pictures.err.toStdString();
    expect_same_picture(screen, dir.filePath("x.png"), dir.filePath("x.svg"));

    const e2e::Finished wrong = e2e::run_program({"--q1", "5", "--export", "y.png"}, dir.path());
    EXPECT_EQ(wrong.code, 2);
    EXPECT_EQ(wrong.err.count(QLatin1Char('\n')), 1) << wrong.err.toStdString();
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("--q1")) &&
                wrong.err.contains(QStringLiteral("от -1 до 1")))
        << wrong.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("y.png")));

    const e2e::Finished data = e2e::run_program(
        {"--profile", "fi-x", "--yfix", "0.1", "--export-csv", "fi.csv"}, dir.path());
    ASSERT_EQ(data.code, 0) << data.err.toStdString();
    const FieldParams m;
    const QList<QByteArray> lines = read_all(dir.filePath("fi.csv")).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("# fi(x) при Y_fix = 0.1 м"));
    EXPECT_EQ(lines[1], "x_m,fi_V");
    const QList<QByteArray> rows = lines.mid(2, lines.size() - 3); // the text ends in a newline
    ASSERT_EQ(rows.size(), m.profile_steps + 1);
    for (const QByteArray& row : rows) {
        const QList<QByteArray> cells = row.split(',');
        ASSERT_EQ(cells.size(), 2) << row.toStdString();
        const double x = cells[0].toDouble();
        const double v = cells[1].toDouble();
        const double exact = coulomb::potential(m, x, 0.1);
        EXPECT_NEAR(v, exact, std::abs(exact) * 1.2e-7) << row.toStdString();
    }
}

} // namespace
