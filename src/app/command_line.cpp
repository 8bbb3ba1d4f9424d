#include "app/command_line.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <memory>

#include "app/command_line_args.h"
#include "base/file_output.h"
#include "base/silent.h"
#include "session/session.h"
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
    explicit Run(Request& r)
        : warnings(r.params.translator), r_(r), tr_(r.params.translator),
          session_(r.params, pic_, warnings, platform_) {
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
    // The picture as the main window's, drawn by a session as the window's for the same clicks.
    QtPictureBox pic_;
    Session session_;
};

void Run::draw_pictures() {
    if (r_.pictures.empty()) {
        return;
    }
    // The main window's font and colours, at the size it opens with.
    pic_.setFont(picture_font());
    const QPalette palette = QApplication::palette();
    pic_.set_colours(palette.color(QPalette::Base), palette.color(QPalette::Text));
    pic_.resize(r_.pixels, r_.pixels);

    session_.press_compute();
    if (r_.zero_potential) {
        session_.click_q1_heading();
    }
    if (r_.zero_field) {
        session_.click_q2_heading();
    }
    if (r_.field_direction) {
        session_.click_size_heading();
    }
    for (const float phi : r_.phi) {
        session_.choose_potential(phi);
        session_.press_chosen_potential_button();
    }
    const DisplayList& list = pic_.display_list();
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
    const QString title = field_picture_title(session_.params(), session_.field_picture().frame);
    for (const Output& o : r_.pictures) {
        if (o.kind == OutputKind::Svg) {
            file_of(o).write(
                bytes_of(render_svg(list, pic_.size(), pic_.font(), pic_.background(), title)));
        } else if (o.kind == OutputKind::Pdf) {
            file_of(o).write(
                bytes_of(render_pdf(list, pic_.size(), pic_.font(), pic_.background(), title)));
        } else {
            QImage image = pic_.image();
            image.setText(QStringLiteral("Title"), title);
            file_of(o).write(bytes_of(encode_png(image)));
        }
    }
}

std::string Run::profile_table() {
    if (!r_.profile) {
        return {};
    }
    // Over the region of the main picture, the profile as its window draws it, so that its
    // warnings are told.
    QtPictureBox graph;
    graph.resize(r_.pixels, r_.pixels / 3);
    session_.draw_profile(*r_.profile, graph);
    std::string table = session_.profile_table(*r_.profile);
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
