// The command line: in this process, and as the real program run without a display.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "app/command_line.h"
#include "app/command_line_args.h"
#include "support/coulomb.h"
#include "support/main_window.h"
#include "support/pixels.h"
#include "support/spawn.h"
#include "ui/language.h"
#include "ui/picture_export.h"

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(const QStringList& args) {
    std::ostringstream out, err;
    std::vector<std::string> arguments = {"chargefield"};
    for (const QString& a : args) {
        arguments.push_back(QFile::encodeName(a).toStdString());
    }
    const int code = run_command_line(arguments, out, err);
    return {code, out.str(), err.str()};
}

// The command line draws at the size of the picture in a newly opened window (the end-to-end
// test compares its pictures with the window's); warnings go to the error stream and the file
// is still written; the help's first lines name every kind of picture.
TEST(CommandLine, DrawsAndWarnsLikeTheWindow) {
    QTemporaryDir dir;
    const QString png_path = dir.filePath("x.png");
    ASSERT_EQ(run({"--export", png_path}).code, 0);
    ShownMainWindow w;
    EXPECT_EQ(w.ui.picture->size(), QImage(png_path).size());
    EXPECT_EQ(QImage(png_path).size(),
              QSize(MainWindow::kOpeningPictureSize, MainWindow::kOpeningPictureSize));

    const CliRun small = run({"--q1", "0.45", "--pixels", "200", "--export", png_path});
    EXPECT_EQ(small.code, 0);
    EXPECT_EQ(QImage(png_path).size(), QSize(200, 200));
    EXPECT_TRUE(QImage(png_path).text("Title").contains("q1 = 0.45 нКл"));

    const CliRun none = run({"--q1", "0", "--q2", "0", "--export", png_path});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.err, "chargefield: ПРЕДУПРЕЖДЕНИЕ: Зарядов нет? Поля нет-1!\n");
    EXPECT_EQ(run({"--version"}).out, "chargefield 1.0.0\n");
    const std::string help = run({"--help"}).out;
    EXPECT_NE(help.find("--export-csv <файл>"), std::string::npos);
    EXPECT_NE(help.substr(0, help.find("\n\n")).find("(PNG, SVG, PDF)"), std::string::npos);

    // The window opens without arguments or with Qt's options alone; any other argument is the
    // command line's, which refuses what it does not know.
    const auto cli = [](std::vector<std::string> args) { return !opens_window(args); };
    EXPECT_FALSE(cli({}));
    EXPECT_FALSE(cli({"-style", "fusion"}));
    EXPECT_FALSE(cli({"-platform=xcb", "-reverse"}));
    EXPECT_TRUE(cli({"--export", "x.png"}));
    EXPECT_TRUE(cli({"-v"}));
    for (const std::vector<std::string>& stray :
         {std::vector<std::string>{"-x"}, {"-q1", "0.4"}, {"-vh"}, {"word"}, {"-style"}}) {
        EXPECT_TRUE(cli(stray)) << stray[0];
    }
}

bool has_cyrillic(const std::string& s) {
    return QString::fromStdString(s).contains(
        QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

// --language en: the messages, the help and the texts of pictures and tables in English, the
// numbers as they were; Russian without it (the window's remembered choice is not the command
// line's), and a language it does not know refused in Russian. --language ru or en alone opens
// the window in that language.
TEST(CommandLine, SpeaksTheLanguageAsked) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("x.svg");
    struct Row {
        const char* name;
        QStringList args;
        int code;
        const char* out; // a part of the standard output, or of the SVG written
        const char* err; // a part of the error stream
    };
    const Row rows[] = {
        {"picture",
         {"--language", "en", "--zero-field", "--export", svg},
         0,
         "<title>Field of two point charges: q1 = 0.4 nC",
         ""},
        {"picture in Russian",
         {"--zero-field", "--export", svg},
         0,
         "<title>Поле двух точечных зарядов: q1 = 0.4 нКл",
         ""},
        // The potential at the zero-field point in volts: a Latin V, a Latin B in Russian.
        {"unit in the picture",
         {"--language", "en", "--zero-field", "--export", svg},
         0,
         ">fi= 0.9 V<",
         ""},
        {"unit in the Russian picture", {"--zero-field", "--export", svg}, 0, ">fi= 0.9 B<", ""},
        {"warning",
         {"--language=en", "--q1", "0", "--q2", "0", "--export", svg},
         0,
         "",
         "chargefield: WARNING: No charges? No field-1!\n"},
        {"out of range",
         {"--q1", "5", "--language", "en", "--export", svg},
         2,
         "",
         "--q1 5: out of the range from -1 to 1 nC (step 0.05)"},
        {"unknown option",
         {"--language", "en", "--bogus"},
         2,
         "",
         "unknown option --bogus (list of options: --help)"},
        {"help", {"--language", "en", "--help"}, 0, "--export-csv <file>", ""},
        {"table",
         {"--language", "en", "--profile", "fi-x", "--yfix", "0,25", "--export-csv", "-"},
         0,
         "# fi(x) at Y_fix = 0.25 m; q1 = 0.4 nC (x = -0.5 m), q2 = -0.1 nC (x = 0.5 m)\n",
         ""},
        {"unknown language",
         {"--language", "fr", "--export", svg},
         2,
         "",
         "--language fr: нужно ru или en"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(svg);
        const CliRun got = run(r.args);
        apply_language(Language::Russian);
        EXPECT_EQ(got.code, r.code) << got.err;
        QFile file(svg);
        const std::string written =
            file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
        EXPECT_NE((got.out + written).find(r.out), std::string::npos) << got.out << written;
        EXPECT_NE(got.err.find(r.err), std::string::npos) << got.err;
        const bool english = r.args.contains("en") || r.args.contains("--language=en");
        if (english) {
            EXPECT_FALSE(has_cyrillic(got.out + got.err + written)) << got.out << got.err;
        }
    }
    struct Window {
        std::vector<std::string> args;
        bool opens;
        std::optional<std::string> language;
    };
    const Window windows[] = {
        {{"--language", "en"}, true, "en"},
        {{"--language=ru", "-style", "fusion"}, true, "ru"},
        {{"--language", "fr"}, false, std::nullopt},
        {{"--language"}, false, std::nullopt},
        {{"--export", "--language", "--language", "en"}, false, "en"},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.args[0] + " " + (w.args.size() > 1 ? w.args[1] : ""));
        EXPECT_EQ(opens_window(w.args), w.opens);
        EXPECT_EQ(language_argument(w.args), w.language);
    }
}

using Folder = std::map<std::string, std::string>; // name (bytes) -> contents

Folder snapshot(const std::string& path) {
    Folder f;
    for (const auto& e : std::filesystem::directory_iterator(path)) {
        std::ifstream in(e.path(), std::ios::binary);
        f[e.path().filename().native()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return f;
}

// A complete output: a PNG that decodes at the picture's size; an SVG that a strict XML reader
// reads to its end, every path under a megabyte, with the grid and its labels; a whole PDF; a
// CSV with its header and a row per point.
void expect_whole(const std::string& name, const std::string& bytes) {
    SCOPED_TRACE(echo(name));
    const std::string ext = name == "-" ? "csv" : name.substr(name.size() - 3);
    if (ext == "png") {
        const QImage image = QImage::fromData(QByteArray::fromStdString(bytes), "png");
        EXPECT_EQ(image.size(), QSize(kDefaultPixels, kDefaultPixels));
    } else if (ext == "svg") {
        QXmlStreamReader xml(QByteArray::fromStdString(bytes));
        int paths = 0, labels = 0;
        qsizetype longest = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("path")) {
                ++paths;
                longest = std::max(longest, xml.attributes().value("d").size());
            } else if (xml.name() == QLatin1String("text")) {
                bool number = false;
                xml.readElementText().toDouble(&number);
                labels += number;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_LT(longest, 1'000'000);
        EXPECT_GE(paths, 30); // the grid's lines and more
        EXPECT_GE(labels, 20);
    } else if (ext == "pdf") {
        // One page of vectors: the document's frame is whole (the page with its drawing, the
        // cross-reference table and the end mark).
        EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
        EXPECT_NE(bytes.find("/Type /Page"), std::string::npos);
        EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);
    } else {
        std::istringstream in(bytes);
        std::string comment, header, row;
        std::getline(in, comment);
        std::getline(in, header);
        int rows = 0;
        while (std::getline(in, row)) {
            rows += std::count(row.begin(), row.end(), ',') == 1;
        }
        EXPECT_EQ(comment.rfind("# ", 0), 0u);
        EXPECT_TRUE(header == "x_m,fi_V" || header.rfind("y_m,E", 0) == 0) << header;
        EXPECT_EQ(rows, FieldParams{}.profile_steps + 1);
    }
}

// One command is one job. The real program without a display, in a folder holding a picture of
// its own: a failure is exit code 2, one line on the error stream and the folder as it was; a
// success is exit code 0 and the files asked for, each whole, and nothing else.
// --potential-map, --arrows and --flux-lines draw what the window draws with the three views
// ticked and «расчёт».
TEST(CommandLine, ViewsAsTheWindowDrawsThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("views.png");
    ASSERT_EQ(run({"--potential-map", "--arrows", "--flux-lines", "--exact-equipotentials",
                   "--charge-marks", "--export", path})
                  .code,
              0);
    ShownMainWindow w;
    for (QAction* a : {w.ui.potential_map_action, w.ui.arrows_action, w.ui.flux_lines_action,
                       w.ui.exact_equipotentials_action, w.ui.charge_marks_action}) {
        a->setChecked(true);
    }
    w.ui.compute_button->click();
    const QImage window = w.picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), window);
    EXPECT_GT(count_colour(window, qRgb(140, 0, 170)), 100);  // the separatrix
    EXPECT_GT(count_colour(window, qRgb(255, 255, 255)), 20); // the charges' signs
    for (const char* option : {"--flux-lines", "--exact-equipotentials", "--charge-marks"}) {
        EXPECT_NE(run({"--help"}).out.find(option), std::string::npos) << option;
    }
}

// --exact-equipotentials in SVG: the equipotentials' blue only in strokes of paths (no dot),
// each stroke a polyline of many points; every label («2 В», «−0.5 В», in English «2 V») a
// number equal to the potential at its anchor, the middle of its text's box, within a pixel
// and a half (the document's font may set the text a little differently) and the rounding of
// the zero-field point's level; no two labels' boxes, from the font's metrics, overlapping.
TEST(CommandLine, ExactEquipotentialsInSvgArePathsLabelledWithTheirPotential) {
    struct Row {
        const char* name;
        QStringList args;
        double q1, q2, L;
        const char* unit;
    };
    const Row rows[] = {
        {"defaults", {}, 0.4, -0.1, 4, " В"},
        {"like, in English", {"--q1", "0.4", "--q2", "0.4", "--language", "en"}, 0.4, 0.4, 4, " V"},
        {"large region, signs",
         {"--q1", "1", "--q2", "-0.35", "--size", "7", "--charge-marks"},
         1,
         -0.35,
         7,
         " В"},
    };
    const QFontMetricsF metrics(picture_font());
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        const QString svg = dir.filePath("x.svg");
        const CliRun got = run(r.args + QStringList{"--exact-equipotentials", "--export", svg});
        apply_language(Language::Russian);
        ASSERT_EQ(got.code, 0) << got.err;
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        const QString blue = QStringLiteral("#0000c8");
        // The stroke of the group each element is in.
        std::vector<QString> strokes;
        int subpaths = 0, points = 0, labels = 0;
        std::vector<QRectF> boxes;
        FieldParams p;
        p.q1 = r.q1;
        p.q2 = r.q2;
        const double px = 2 * r.L / kDefaultPixels;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
                strokes.pop_back();
            }
            if (token != QXmlStreamReader::StartElement) {
                continue;
            }
            const QXmlStreamAttributes at = xml.attributes();
            if (xml.name() == QLatin1String("g")) {
                strokes.push_back(at.value("stroke").toString());
            } else if (xml.name() == QLatin1String("rect")) {
                EXPECT_NE(at.value("fill"), blue);
                EXPECT_TRUE(strokes.empty() || strokes.back() != blue);
            } else if (xml.name() == QLatin1String("path") && !strokes.empty() &&
                       strokes.back() == blue) {
                const QString d = at.value("d").toString();
                subpaths += static_cast<int>(d.count(QLatin1Char('M')));
                points += static_cast<int>(d.count(QLatin1Char('M')) + d.count(QLatin1Char('L')));
            } else if (xml.name() == QLatin1String("text") && at.value("fill") == blue) {
                const double x = at.value("x").toDouble(), y = at.value("y").toDouble();
                const QString label = xml.readElementText();
                QString text = label;
                SCOPED_TRACE(text.toStdString());
                ASSERT_TRUE(text.endsWith(QString::fromUtf8(r.unit)));
                text.chop(2);
                text.replace(QChar(0x2212), QLatin1Char('-'));
                bool number = false;
                const double v = text.toDouble(&number);
                ASSERT_TRUE(number);
                // The anchor: the middle of the text's box, its baseline at y.
                const double ax = x + metrics.horizontalAdvance(label) / 2;
                const double ay = y - metrics.ascent() + metrics.height() / 2;
                const double ux = -r.L + ax * px, uy = r.L - ay * px;
                const double phi = coulomb::potential(p, ux, uy);
                const double e = coulomb::field(p, ux, uy).magnitude();
                EXPECT_LE(std::abs(phi - v), 1.5 * px * e + 0.005 * std::abs(v));
                const QRectF box(x, y - metrics.ascent(), metrics.horizontalAdvance(label),
                                 metrics.height());
                for (const QRectF& other : boxes) {
                    EXPECT_FALSE(box.intersects(other));
                }
                boxes.push_back(box);
                ++labels;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GE(labels, 3);
        EXPECT_GE(subpaths, 2 * labels);
        EXPECT_GE(points, 20 * subpaths);
    }
}

TEST(CommandLine, RunsWholeOrNotAtAll) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* error;                  // exit 2 with one line holding this; null: exit 0
        std::vector<std::string> made = {}; // exit 0: the outputs ("-": the standard output)
        std::vector<std::string> like = {}; // exit 0: a run whose outputs are the same bytes
        // Where the standard output goes instead of being read (empty: closed).
        std::optional<std::string> out_to = std::nullopt;
    };
    const Case cases[] = {
        {"charge beyond its bar",
         {"--q1", "5", "--export", "x.png"},
         "--q1 5: вне диапазона от -1 до 1 нКл (шаг 0.05)"},
        {"charge between steps beyond",
         {"--q2", "-1.03", "--export", "x.png"},
         "--q2 -1.03: вне диапазона от -1 до 1 нКл"},
        {"charge just beyond",
         {"--q1", "1.01", "--export", "x.png"},
         "--q1 1.01: вне диапазона от -1 до 1 нКл"},
        {"charge between steps",
         {"--q1", "0.33", "--export", "x.png"},
         "--q1 0.33: между делениями шкалы; ближайшие значения 0.3 и 0.35 нКл"},
        {"size beyond",
         {"--size", "7.5", "--export", "x.png"},
         "--size 7.5: вне диапазона от 1 до 7 м (шаг 0.5)"},
        {"size between steps",
         {"--size", "2,3", "--export", "x.png"},
         "--size 2,3: между делениями шкалы; ближайшие значения 2 и 2.5 м"},
        {"no field lines",
         {"--n-e", "-5", "--export", "x.png"},
         "--n-e -5: нужно целое число от 1 до 32767"},
        {"part of a field line", {"--n-e", "2.5", "--export", "x.png"}, "--n-e 2.5: нужно целое"},
        {"no equipotentials", {"--n-fi", "0", "--export", "x.png"}, "--n-fi 0: нужно целое"},
        {"two separators", {"--q1", "0,4,5", "--export", "x.png"}, "--q1 0,4,5: нужно число"},
        {"not a number", {"--n-fi", "nan", "--export", "x.png"}, "--n-fi nan: нужно число"},
        {"count beyond 16 bits",
         {"--n-e", "40000", "--export", "x.png"},
         "--n-e 40000: нужно целое число от 1 до 32767"},
        {"unknown family",
         {"--lines", "dots", "--export", "x.png"},
         "--lines dots: нужно potential, field или all"},
        {"tiny picture",
         {"--pixels", "10", "--export", "x.png"},
         "--pixels 10: нужно целое число от 16 до 8192"},
        {"other picture type", {"--export", "x.jpg"}, "x.jpg: имя файла должно кончаться на .png"},
        {"unknown profile",
         {"--profile", "fi-z", "--export-csv", "x.csv"},
         "--profile fi-z: нужно fi-x"},
        {"data without profile", {"--export-csv", "x.csv"}, "укажите график параметром --profile"},
        {"profile without file", {"--profile", "fi-x"}, "укажите файл параметром --export-csv"},
        {"nothing to save", {"--q1", "0.5"}, "укажите, что сохранить"},
        {"unknown option", {"--bogus", "--export", "x.png"}, "неизвестный параметр --bogus"},
        {"stray word", {"--export", "x.png", "extra"}, "лишний аргумент extra"},
        {"value given twice",
         {"--q1", "0.4", "--q1", "0.5", "--export", "x.png"},
         "--q1: параметр указан дважды"},
        {"missing folder", {"--export", "missing/x.png"}, "не удалось сохранить: такой папки нет"},
        {"cut picture as svg",
         {"--n-e", "6000", "--export", "x.png", "--export", "x.svg"},
         "x.svg: рисунок слишком велик для SVG"},
        {"earlier output of a failed run",
         {"--export", "old.png", "--export", "missing/y.png"},
         "--export missing/y.png: не удалось сохранить: такой папки нет"},
        {"output failing after the work",
         {"--export", "x.png", "--profile", "fi-x", "--export-csv", "/dev/full"},
         "--export-csv /dev/full: не удалось сохранить: на диске нет места"},
        {"one file named twice",
         {"--export", "x.png", "--export", "./x.png"},
         "--export ./x.png: это тот же файл, что и --export x.png"},
        {"data under a picture's name",
         {"--export", "x.png", "--export-csv", "x.png", "--profile", "ey-y"},
         "--export-csv x.png: это имя рисунка (.png)"},
        {"data as svg", {"--profile", "fi-x", "--export-csv", "x.svg"}, "это имя рисунка (.svg)"},
        {"data as pdf", {"--profile", "fi-x", "--export-csv", "x.pdf"}, "это имя рисунка (.pdf)"},
        {"cut picture as pdf",
         {"--n-e", "6000", "--export", "x.pdf"},
         "x.pdf: рисунок слишком велик для PDF"},
        {"line feed in a value",
         {"--profile", "ey-y\n", "--export-csv", "x.csv"},
         "--profile ey-y\\n: нужно fi-x"},
        {"warning before a failure",
         {"--yfix", "-1e308", "--profile", "ex-x", "--export-csv", "/dev/full"},
         "на диске нет места"},
        {"single dash", {"-x"}, "неизвестный параметр -x"},
        {"single-dash option", {"-q1", "0.4"}, "неизвестный параметр -q1"},
        {"short options together", {"-vh"}, "неизвестный параметр -vh"},
        {"help with a value", {"--help=1"}, "--help: у этого параметра нет значения"},
        {"version with a value", {"--version="}, "--version: у этого параметра нет значения"},
        {"help to a full disk",
         {"--help"},
         "--help: не удалось вывести текст на стандартный вывод",
         {},
         {},
         "/dev/full"},
        {"version to a closed output",
         {"--version"},
         "--version: не удалось вывести текст на стандартный вывод",
         {},
         {},
         ""},
        {"empty argument", {""}, "лишний аргумент \"\" (список параметров: --help)"},
        {"empty number", {"--q1", "", "--export", "x.png"}, "--q1 \"\": нужно число"},
        {"bare word", {"word"}, "лишний аргумент word"},
        {"missing value", {"--q1"}, "--q1: не указано значение"},
        {"empty data name",
         {"--profile", "fi-x", "--export-csv", ""},
         "--export-csv: не указано имя файла"},
        {"empty picture name", {"--export", ""}, "--export: не указано имя файла"},
        {"every output",
         {"--export", "x.png", "--export", "x.svg", "--export", "x.pdf", "--profile", "fi-x",
          "--export-csv", "x.csv"},
         nullptr,
         {"x.png", "x.svg", "x.pdf", "x.csv"}},
        {"large svg", {"--n-e", "500", "--export", "x.svg"}, nullptr, {"x.svg"}},
        // Under the sanitizers, a case that made LeakSanitizer's own tracer fail at the end.
        {"flux lines and the map as PDF and SVG",
         {"--q1", "0", "--q2", "-0.05", "--n-e", "2", "--flux-lines", "--potential-map", "--pixels",
          "100", "--export", "x.pdf", "--export", "x.svg"},
         nullptr,
         {"x.pdf", "x.svg"}},
        {"cut picture as png", {"--n-e", "6000", "--export", "x.png"}, nullptr, {"x.png"}},
        {"data to the standard output", {"--profile", "ey-y", "--export-csv", "-"}, nullptr, {"-"}},
        {"name not utf-8", {"--export", "\xff\xfeout.png"}, nullptr, {"\xff\xfeout.png"}},
        {"existing file replaced", {"--export", "old.png"}, nullptr, {"old.png"}},
        {"decimal commas",
         {"--q1", "0,5", "--n-e", "1,000", "--size", "1,5", "--export", "x.png"},
         nullptr,
         {"x.png"},
         {"--q1", "0.5", "--n-e", "1", "--size", "1.5", "--export", "x.png"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        // Qt cannot name a file whose name is not UTF-8: the folder is emptied here.
        const std::unique_ptr<const char, void (*)(const char*)> empty_it(
            folder.c_str(), [](const char* f) {
                for (const auto& e : std::filesystem::directory_iterator(f)) {
                    std::filesystem::remove(e.path());
                }
            });
        std::ofstream(folder + "/old.png") << "a picture of the user's";
        const Folder before = snapshot(folder);
        const Ran r = run_without_display(CHARGEFIELD_BINARY, c.args, folder, c.out_to);
        Folder after = snapshot(folder);
        if (c.error != nullptr) {
            EXPECT_EQ(r.code, kUsageError) << r.err;
            EXPECT_EQ(r.err.rfind("chargefield: ", 0), 0u) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
            EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
            EXPECT_EQ(after, before);
            continue;
        }
        EXPECT_EQ(r.code, 0) << r.err;
        for (const std::string& name : c.made) {
            expect_whole(name, name == "-" ? r.out : after[name]);
            after.erase(name);
        }
        after.erase("old.png");
        EXPECT_TRUE(after.empty()) << echo(after.begin()->first); // no temporary file left
        if (!c.like.empty()) {
            QTemporaryDir other;
            ASSERT_EQ(
                run_without_display(CHARGEFIELD_BINARY, c.like, other.path().toStdString()).code,
                0);
            for (const std::string& name : c.made) {
                EXPECT_EQ(snapshot(other.path().toStdString())[name], snapshot(folder)[name]);
            }
        }
    }
}

// Interrupted by Ctrl+C, by `timeout` or by a closed terminal while its second picture is being
// made, the real program removes the first, written aside, and ends with the status a shell
// gives that signal; the file of the user's under the name asked for stays as it was.
TEST(CommandLine, InterruptedLeavesNoTemporaryFile) {
    const struct {
        const char* name;
        int signal;
        int status;
    } rows[] = {{"Ctrl+C", SIGINT, 130}, {"timeout", SIGTERM, 143}, {"hang-up", SIGHUP, 129}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        std::ofstream(folder + "/a.png") << "a picture of the user's";
        const Folder before = snapshot(folder);
        const pid_t pid = start_without_display(CHARGEFIELD_BINARY,
                                                {"--pixels", "2048", "--potential-map", "--arrows",
                                                 "--export", "a.png", "--export", "b.png"},
                                                folder, dir.filePath("out").toStdString(),
                                                dir.filePath("err").toStdString());
        ASSERT_GT(pid, 0);
        // Until the first picture is written aside, as a.png.XXXXXX.
        const QDir listing(dir.path(), QStringLiteral("a.png.*"));
        while (listing.entryList(QDir::Files).isEmpty() && waitpid(pid, nullptr, WNOHANG) == 0) {
            QTest::qWait(5);
        }
        ASSERT_FALSE(listing.entryList(QDir::Files).isEmpty());
        kill(pid, r.signal);
        const int status = wait_status(pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == r.status) << status;
        QFile::remove(dir.filePath("out"));
        QFile::remove(dir.filePath("err"));
        EXPECT_EQ(snapshot(folder), before);
    }
}

} // namespace
