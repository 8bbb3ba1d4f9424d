#include "app/command_line.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <memory>

#include "analysis/field_direction_lines.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "app/command_line_args.h"
#include "base/file_output.h"
#include "base/silent.h"
#include "picture/compute.h"
#include "picture/frame.h"
#include "profiles/profile_csv.h"
#include "profiles/profile_draw.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/picture_export.h"
#include "ui/picture_print.h"
#include "ui/qt_picture_box.h"

#ifndef CHARGEFIELD_VERSION
#define CHARGEFIELD_VERSION "1.0.0"
#endif

static_assert(kDefaultPixels == MainWindow::kOpeningPictureSize);

namespace {

// A failure of the run: its one line.
struct Failure {
    std::string text;
};

// A line of a message box as one line of text.
std::string one_line(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s.simplified().toStdString();
}

// Warnings kept to be told once the run has succeeded; explanations and questions are left
// out.
class KeptWarnings : public Dialogs {
  public:
    explicit KeptWarnings(const Translator* translator) : translator_(translator) {}
    std::vector<std::string> lines;
    void message(const std::string& text, const std::string& title) override {
        if (title == translated(translator_, kWarningTitle)) {
            lines.push_back(title + ": " + one_line(text));
        }
    }
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }

  private:
    const Translator* translator_;
};

std::string named(const Output& o) {
    return std::string(o.option()) + " " + echo(o.path);
}

std::string_view bytes_of(const QByteArray& data) {
    return {data.constData(), static_cast<std::size_t>(data.size())};
}

// "--export x.png: не удалось сохранить: " and why.
Failure not_saved(const Output& o, const std::string& why, const Translator* tr) {
    return Failure{
        translated(tr, CF_TEXT("CommandLine", "%1: не удалось сохранить: %2"), {named(o), why})};
}

// The outputs to files, each written aside until all are done.
struct PendingOutput {
    const Output* output;
    std::unique_ptr<PendingFile> file;
    const Translator* translator;
    void write(std::string_view data) {
        if (!file->write(data)) {
            throw not_saved(*output, file->problem(), translator);
        }
    }
};

class Run {
  public:
    // What only trying shows, before the work: each temporary file made and removed again, so
    // that none is left behind should the run be ended meanwhile.
    explicit Run(Request& r) : warnings(r.params.translator), r_(r), tr_(r.params.translator) {
        for (const Output* o : outputs()) {
            if (o->to_stdout) {
                continue;
            }
            if (const std::string why = output_problem_tried(o->path, tr_); !why.empty()) {
                throw not_saved(*o, why, tr_);
            }
        }
    }

    void draw_pictures();
    std::string profile_table();

    // Every file finished, then the table to the standard output, then every file in place.
    void finish(const std::string& table, std::ostream& out) {
        for (PendingOutput& f : files_) {
            if (!f.file->finish()) {
                throw not_saved(*f.output, f.file->problem(), tr_);
            }
        }
        if (r_.csv && r_.csv->to_stdout) {
            out << table;
            out.flush();
            if (!out) {
                throw Failure{translated(
                    tr_,
                    CF_TEXT("CommandLine",
                            "--export-csv -: не удалось вывести таблицу на стандартный вывод"))};
            }
        }
        // All take their names, even when the run is interrupted meanwhile.
        const EndingSignalsHeld held;
        for (PendingOutput& f : files_) {
            if (!f.file->put_in_place()) {
                throw not_saved(*f.output, f.file->problem(), tr_);
            }
        }
    }

    KeptWarnings warnings;

  private:
    std::vector<const Output*> outputs() const {
        std::vector<const Output*> all;
        for (const Output& o : r_.pictures) {
            all.push_back(&o);
        }
        if (r_.csv) {
            all.push_back(&*r_.csv);
        }
        return all;
    }
    // The output's file, written aside.
    PendingOutput& file_of(const Output& o) {
        files_.push_back({&o, std::make_unique<PendingFile>(o.path, tr_), tr_});
        return files_.back();
    }

    Request& r_;
    const Translator* tr_;
    std::vector<PendingOutput> files_;
    SilentPlatform platform_;
};

void Run::draw_pictures() {
    if (r_.pictures.empty()) {
        return;
    }
    FieldParams& m = r_.params;
    // The command line's own picture values and characteristic results.
    FieldPicture picture;
    CharacteristicResults results;
    // The picture as the main window's: its font and colours, at the size it opens with.
    QtPictureBox pic;
    pic.setFont(picture_font());
    const QPalette palette = QApplication::palette();
    pic.set_colours(palette.color(QPalette::Base), palette.color(QPalette::Text));
    pic.resize(r_.pixels, r_.pixels);

    compute_picture(m, picture, pic, warnings, platform_);
    if (r_.zero_potential) {
        show_zero_potential_line(m, picture, results, pic, warnings);
    }
    if (r_.zero_field) {
        show_zero_field_point(m, picture, results, pic, warnings);
    }
    if (r_.field_direction) {
        show_field_direction_lines(m, picture, results, pic, warnings);
    }
    for (const float phi : r_.phi) {
        m.chosen_potential = phi;
        draw_chosen_equipotential(m, picture.frame, pic);
    }
    const DisplayList& list = pic.display_list();
    for (const Output& o : r_.pictures) {
        // The document is the whole picture or nothing; the image is painted whole anyway.
        if ((o.kind == OutputKind::Svg || o.kind == OutputKind::Pdf) && !list.complete()) {
            throw Failure{translated(tr_,
                                     CF_TEXT("CommandLine",
                                             "%1: рисунок слишком велик для %2 (в нём больше %3 "
                                             "элементов): сохраните его в PNG, который пишется "
                                             "целиком, или уменьшите число линий"),
                                     {named(o), o.kind == OutputKind::Svg ? "SVG" : "PDF",
                                      std::to_string(DisplayList::kDefaultMaxOps)})};
        }
    }
    const QString title = field_picture_title(m, picture.frame);
    for (const Output& o : r_.pictures) {
        if (o.kind == OutputKind::Svg) {
            file_of(o).write(
                bytes_of(render_svg(list, pic.size(), pic.font(), pic.background(), title)));
        } else if (o.kind == OutputKind::Pdf) {
            file_of(o).write(
                bytes_of(render_pdf(list, pic.size(), pic.font(), pic.background(), title)));
        } else {
            QImage image = pic.image();
            image.setText(QStringLiteral("Title"), title);
            file_of(o).write(bytes_of(encode_png(image)));
        }
    }
}

std::string Run::profile_table() {
    if (!r_.profile) {
        return {};
    }
    // The region of the main picture, then the profile as its window draws it, so that its
    // warnings are told.
    FieldParams& m = r_.params;
    const Frame frame = frame_for(m);
    QtPictureBox graph;
    graph.resize(r_.pixels, r_.pixels / 3);
    ProfileSamples samples;
    draw_profile(m, frame, profile_kind(*r_.profile), 1, samples, graph, warnings);
    std::string table = profile_csv(m, frame, profile_kind(*r_.profile));
    if (!r_.csv->to_stdout) {
        file_of(*r_.csv).write(table);
    }
    return table;
}

} // namespace

int run_command_line(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    const std::vector<std::string> args(arguments.begin() + (arguments.empty() ? 0 : 1),
                                        arguments.end());
    // Russian unless --language says otherwise: the window's remembered choice is not the
    // command line's, so that a script gets the same output on every machine.
    const std::optional<std::string> language = language_argument(args);
    apply_language(language ? *language_from_code(*language) : Language::Russian);
    const Translator* tr = &interface_translator();
    ParsedCommandLine parsed = parse_command_line(args, tr);
    try {
        if (!parsed.error.empty()) {
            throw Failure{parsed.error};
        }
        if (parsed.action != ParsedCommandLine::Action::Run) {
            const bool help = parsed.action == ParsedCommandLine::Action::Help;
            out << (help ? help_text(tr) : "chargefield " CHARGEFIELD_VERSION "\n");
            out.flush();
            if (!out) {
                throw Failure{translated(
                    tr, CF_TEXT("CommandLine", "%1: не удалось вывести текст на стандартный вывод"),
                    {help ? "--help" : "--version"})};
            }
            return 0;
        }
        Request& r = parsed.request;
        r.params.decimal_separator = QLocale().decimalPoint().toStdString();
        if (const std::string problem = check_outputs(r); !problem.empty()) {
            throw Failure{problem};
        }
        Run run(r);
        run.draw_pictures();
        run.finish(run.profile_table(), out);
        for (const std::string& line : run.warnings.lines) {
            err << "chargefield: " << line << '\n';
        }
    } catch (const Failure& f) {
        err << "chargefield: " << f.text << '\n';
        return kUsageError;
    }
    return 0;
}
