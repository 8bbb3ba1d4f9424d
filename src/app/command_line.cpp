#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QPalette>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string_view>

#include "analysis/field_direction_lines.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "model/numbers.h"
#include "picture/compute.h"
#include "picture/frame.h"
#include "profiles/profile_csv.h"
#include "profiles/profile_draw.h"
#include "ui/main_window.h"
#include "ui/picture_export.h"
#include "ui/qt_picture_box.h"

#ifndef CHARGEFIELD_VERSION
#define CHARGEFIELD_VERSION "1.0.0"
#endif

namespace {

constexpr int kMinPixels = 16;
constexpr int kMaxPixels = 8192;

// A failure of the command line: its one line of text.
struct Failure {
    QString text;
};

std::string utf8(const QString& s) {
    return s.toStdString();
}

// A line of a message box as one line of text.
QString one_line(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s.simplified();
}

// Warnings to the error stream; explanations and questions are left out.
class StreamDialogs : public Dialogs {
  public:
    explicit StreamDialogs(std::ostream& err) : err_(err) {}
    void message(const std::string& text, const std::string& title) override {
        if (title == kWarningTitle) {
            err_ << "chargefield: " << title << ": " << utf8(one_line(text)) << '\n';
        }
    }
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }

  private:
    std::ostream& err_;
};

// No documents, no viewer, no tone.
class SilentPlatform : public Platform {
  public:
    bool open_document(const std::string&) override { return false; }
    bool show_text_file(const std::string&) override { return false; }
    bool tone(int, int) override { return true; }
};

struct Option {
    const char* name;
    const char* value; // nullptr for a switch
    const char* help;
};

// Options of the command line, in the order the help lists them.
constexpr Option kOptions[] = {
    {"q1", "нКл", "заряд слева, в точке x = -0.5 м: от -1 до 1 с шагом 0.05 (0.4)"},
    {"q2", "нКл", "заряд справа, в точке x = 0.5 м: от -1 до 1 с шагом 0.05 (-0.1)"},
    {"size", "м", "половина ширины и высоты области: от 1 до 7 с шагом 0.5 (4)"},
    {"lines", "вид", "какие линии рисовать: potential, field или all (all)"},
    {"n-fi", "число", "число линий потенциала (11)"},
    {"n-e", "число", "число линий напряжённости (6)"},
    {"zero-potential", nullptr, "нарисовать линию нулевого потенциала"},
    {"zero-field", nullptr, "отметить точку нулевой напряжённости и её эквипотенциаль"},
    {"field-direction", nullptr, "нарисовать линии вертикального и горизонтального поля"},
    {"phi", "В", "нарисовать эквипотенциаль этого потенциала (можно несколько раз)"},
    {"potential-map", nullptr, "показать карту потенциала с её шкалой"},
    {"arrows", nullptr, "показать стрелки поля"},
    {"flux-lines", nullptr, "линии поля равного потока вместо линий напряжённости"},
    {"pixels", "N", "размер рисунка в пикселях (544, как в только что открытом окне)"},
    {"export", "файл", "сохранить рисунок в файл .png или .svg (можно несколько раз)"},
    {"profile", "вид", "график для --export-csv: fi-x, fi-y, ex-x, ey-x, ex-y или ey-y"},
    {"yfix", "м", "Y фиксированное для fi-x, ex-x, ey-x (0.1)"},
    {"xfix", "м", "X фиксированное для fi-y, ex-y, ey-y (0.75)"},
    {"export-csv", "файл", "сохранить данные графика --profile в файл CSV"},
};

QString dashed(const QString& name) {
    return QStringLiteral("--") + name;
}

// A number as written on the command line: a decimal point, an optional exponent.
double number(const QString& name, const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) {
        throw Failure{
            QStringLiteral("%1 %2: нужно число с точкой, например 0.5").arg(dashed(name), text)};
    }
    return v;
}

std::optional<double> number_of(const QCommandLineParser& p, const char* name) {
    const QString n = QString::fromLatin1(name);
    if (!p.isSet(n)) {
        return std::nullopt;
    }
    return number(n, p.value(n));
}

// A value read as its scroll bar reads it: the nearest position of `step`, within the bar's
// positions lo..hi.
double on_scroll_bar(const QCommandLineParser& p, const char* name, double value, double step,
                     int lo, int hi, const char* unit) {
    const int position = to_int16_even(value / step);
    if (position < lo || position > hi) {
        throw Failure{
            QStringLiteral("%1 %2: вне диапазона от %3 до %4 %5 (шаг %6)")
                .arg(dashed(QString::fromLatin1(name)), p.value(QString::fromLatin1(name)),
                     QString::fromStdString(format_shortest(lo * step, ".")),
                     QString::fromStdString(format_shortest(hi * step, ".")),
                     QString::fromUtf8(unit), QString::fromStdString(format_shortest(step, ".")))};
    }
    return position * step;
}

enum class Format { Png, Svg };

Format picture_format(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return Format::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return Format::Svg;
    }
    throw Failure{
        QStringLiteral("--export %1: имя файла должно кончаться на .png или .svg").arg(path)};
}

// What the command line asks for, read and checked before anything is drawn or written.
struct Request {
    FieldParams m;
    int pixels = MainWindow::kOpeningPictureSize;
    bool zero_potential = false, zero_field = false, field_direction = false;
    std::vector<float> phi;
    std::vector<QString> pictures;
    std::optional<ProfileId> profile;
    QString csv;
};

Request read_request(const QCommandLineParser& p) {
    Request r;
    FieldParams& m = r.m;
    m.decimal_separator = QLocale().decimalPoint().toStdString();

    if (const auto v = number_of(p, "q1")) {
        m.q1 = on_scroll_bar(p, "q1", *v, 0.05, -20, 20, "нКл");
    }
    if (const auto v = number_of(p, "q2")) {
        m.q2 = on_scroll_bar(p, "q2", *v, 0.05, -20, 20, "нКл");
    }
    if (const auto v = number_of(p, "size")) {
        m.half_width = on_scroll_bar(p, "size", *v, 0.5, 2, 14, "м");
    }
    if (p.isSet(QStringLiteral("lines"))) {
        const QString kind = p.value(QStringLiteral("lines"));
        if (kind == QLatin1String("potential")) {
            m.families = LineFamilies::Equipotentials;
        } else if (kind == QLatin1String("field")) {
            m.families = LineFamilies::FieldLines;
        } else if (kind == QLatin1String("all")) {
            m.families = LineFamilies::Both;
        } else {
            throw Failure{QStringLiteral("--lines %1: нужно potential, field или all").arg(kind)};
        }
    }
    // The counts as their text boxes read them.
    if (const auto v = number_of(p, "n-fi")) {
        m.level_intervals = *v;
    }
    if (const auto v = number_of(p, "n-e")) {
        // Beyond the 16-bit range the text box would clamp; the command line says so instead.
        if (*v < -32768.5 || *v >= 32767.5) {
            throw Failure{QStringLiteral("--n-e %1: вне диапазона от -32768 до 32767")
                              .arg(p.value(QStringLiteral("n-e")))};
        }
        m.lines_per_charge = to_int16_even(*v);
    }
    for (const QString& text : p.values(QStringLiteral("phi"))) {
        const double v = round_decimals(number(QStringLiteral("phi"), text), 2);
        if (std::abs(v) > FLT_MAX) {
            throw Failure{QStringLiteral("--phi %1: слишком большое число").arg(text)};
        }
        r.phi.push_back(static_cast<float>(v));
    }
    if (const auto v = number_of(p, "yfix")) {
        m.y_fixed = *v;
    }
    if (const auto v = number_of(p, "xfix")) {
        m.x_fixed = *v;
    }
    if (const auto v = number_of(p, "pixels")) {
        if (*v != std::floor(*v) || *v < kMinPixels || *v > kMaxPixels) {
            throw Failure{QStringLiteral("--pixels %1: нужно целое число от %2 до %3")
                              .arg(p.value(QStringLiteral("pixels")))
                              .arg(kMinPixels)
                              .arg(kMaxPixels)};
        }
        r.pixels = static_cast<int>(*v);
    }
    r.zero_potential = p.isSet(QStringLiteral("zero-potential"));
    r.zero_field = p.isSet(QStringLiteral("zero-field"));
    r.field_direction = p.isSet(QStringLiteral("field-direction"));
    m.views.potential_map = p.isSet(QStringLiteral("potential-map"));
    m.views.arrows = p.isSet(QStringLiteral("arrows"));
    m.views.flux_lines = p.isSet(QStringLiteral("flux-lines"));

    for (const QString& path : p.values(QStringLiteral("export"))) {
        picture_format(path);
        r.pictures.push_back(path);
    }
    if (p.isSet(QStringLiteral("profile"))) {
        const QString name = p.value(QStringLiteral("profile"));
        r.profile = profile_from_short_name(utf8(name));
        if (!r.profile) {
            throw Failure{
                QStringLiteral("--profile %1: нужно fi-x, fi-y, ex-x, ey-x, ex-y или ey-y")
                    .arg(name)};
        }
    }
    if (p.isSet(QStringLiteral("export-csv"))) {
        r.csv = p.value(QStringLiteral("export-csv"));
        if (!r.profile) {
            throw Failure{QStringLiteral("--export-csv: укажите график параметром --profile")};
        }
    } else if (r.profile) {
        throw Failure{QStringLiteral("--profile: укажите файл параметром --export-csv")};
    }
    if (r.pictures.empty() && r.csv.isEmpty()) {
        throw Failure{QStringLiteral("укажите, что сохранить: --export или --export-csv "
                                     "(список параметров: --help)")};
    }
    return r;
}

void write_or_fail(const QString& path, const QByteArray& data, const char* option) {
    QString reason;
    if (!write_file(path, data, &reason)) {
        throw Failure{QStringLiteral("--%1 %2: не удалось сохранить: %3")
                          .arg(QString::fromLatin1(option), path, reason)};
    }
}

void run(Request& r, std::ostream& err) {
    FieldParams& m = r.m;
    // The command line's own picture values, characteristic results and profile samples.
    FieldPicture picture;
    CharacteristicResults results;
    StreamDialogs dialogs(err);
    SilentPlatform platform;
    // The picture as the main window's: its font and colours, at the size it opens with.
    QtPictureBox pic;
    pic.setFont(picture_font());
    const QPalette palette = QApplication::palette();
    pic.set_colours(palette.color(QPalette::Base), palette.color(QPalette::Text));
    pic.resize(r.pixels, r.pixels);

    if (!r.pictures.empty()) {
        compute_picture(m, picture, pic, dialogs, platform);
        if (r.zero_potential) {
            show_zero_potential_line(m, picture, results, pic, dialogs);
        }
        if (r.zero_field) {
            show_zero_field_point(m, picture, results, pic, dialogs);
        }
        if (r.field_direction) {
            show_field_direction_lines(m, picture, results, pic, dialogs);
        }
        for (const float phi : r.phi) {
            m.chosen_potential = phi;
            draw_chosen_equipotential(m, picture.frame, pic);
        }
        const QString title = field_picture_title(m, picture.frame);
        for (const QString& path : r.pictures) {
            if (picture_format(path) == Format::Svg) {
                write_or_fail(
                    path,
                    render_svg(pic.display_list(), pic.size(), pic.font(), pic.background(), title),
                    "export");
            } else {
                QImage image = pic.image();
                image.setText(QStringLiteral("Title"), title);
                write_or_fail(path, encode_png(image), "export");
            }
        }
    }
    if (r.profile) {
        // The region of the main picture, then the profile as its window draws it, so that its
        // warnings are told.
        const Frame frame = frame_for(m);
        QtPictureBox graph;
        graph.resize(r.pixels, r.pixels / 3);
        ProfileSamples samples;
        draw_profile(m, frame, profile_kind(*r.profile), 1, samples, graph, dialogs);
        const std::string table = profile_csv(m, frame, profile_kind(*r.profile));
        write_or_fail(r.csv, QByteArray::fromStdString(table), "export-csv");
    }
}

QString help_text(QCommandLineParser& p) {
    // Qt's headings, and the program by its name rather than its path.
    QString text = p.helpText();
    text = text.mid(text.indexOf(QLatin1Char('\n')));
    text.prepend(QStringLiteral("Запуск: chargefield [параметры]"));
    text.replace(QStringLiteral("Options:"), QStringLiteral("Параметры:"));
    return text;
}

} // namespace

bool is_command_line(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a.substr(0, 2) == "--" || a == "-h" || a == "-?" || a == "-v") {
            return true;
        }
    }
    return false;
}

int run_command_line(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Поле двух точечных зарядов: рисунок линий потенциала и напряжённости "
                       "(PNG, SVG) и данные графиков (CSV) без окна программы."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
        QStringLiteral("показать эту справку"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("показать версию программы"));
    p.addOption(help);
    p.addOption(version);
    for (const Option& o : kOptions) {
        const QString name = QString::fromLatin1(o.name);
        const QString description = QString::fromUtf8(o.help);
        p.addOption(o.value ? QCommandLineOption(name, description, QString::fromUtf8(o.value))
                            : QCommandLineOption(name, description));
    }
    try {
        if (!p.parse(arguments)) {
            if (!p.unknownOptionNames().isEmpty()) {
                const QString name = p.unknownOptionNames().constFirst();
                throw Failure{
                    QStringLiteral("неизвестный параметр %1%2 (список параметров: --help)")
                        .arg(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), name)};
            }
            throw Failure{p.errorText()};
        }
        if (p.isSet(help)) {
            out << utf8(help_text(p));
            return 0;
        }
        if (p.isSet(version)) {
            out << "chargefield " << CHARGEFIELD_VERSION << '\n';
            return 0;
        }
        if (!p.positionalArguments().isEmpty()) {
            throw Failure{QStringLiteral("лишний аргумент %1 (список параметров: --help)")
                              .arg(p.positionalArguments().constFirst())};
        }
        Request r = read_request(p);
        run(r, err);
    } catch (const Failure& f) {
        err << "chargefield: " << utf8(f.text) << '\n';
        return kUsageError;
    }
    return 0;
}
