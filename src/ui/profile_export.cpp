// Saving and printing a profile window's graph and saving its data, from the graph's context
// menu.
#include <QAction>
#include <optional>

#include "model/numbers.h"
#include "profiles/profile_csv.h"
#include "ui/profile_window.h"
#include "ui/save_actions.h"

namespace {

QString num(const FieldParams& params, double v) {
    return QString::fromStdString(format_shortest(v, params.decimal_separator));
}

// chargefield_fi-x.png and the like.
QString file_name(ProfileId id, const char* ext) {
    const std::string_view n = profile_short_name(id);
    return QStringLiteral("chargefield_%1.%2")
        .arg(QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())),
             QString::fromLatin1(ext));
}

} // namespace

void ProfileWindow::create_export_actions() {
    save_graph_action = new QAction(this);
    save_data_action = new QAction(this);
    copy_graph_action = new QAction(this);
    connect(save_graph_action, &QAction::triggered, this, &ProfileWindow::save_graph);
    connect(save_data_action, &QAction::triggered, this, &ProfileWindow::save_data);
    connect(copy_graph_action, &QAction::triggered, this, [this] { copy_picture(*picture); });
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    print_action = new QAction(this);
    print_preview_action = new QAction(this);
    connect(print_action, &QAction::triggered, this, &ProfileWindow::print_graph);
    connect(print_preview_action, &QAction::triggered, this, &ProfileWindow::preview_graph);
    picture->addActions({save_graph_action, save_data_action, copy_graph_action, separator,
                         print_action, print_preview_action});
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ProfileWindow::retranslate_export_actions() {
    save_graph_action->setText(tr("Сохранить график…"));
    save_data_action->setText(tr("Сохранить данные (CSV)…"));
    copy_graph_action->setText(tr("Копировать график"));
    print_action->setText(tr("Печать…"));
    print_preview_action->setText(tr("Предварительный просмотр…"));
}

QString ProfileWindow::graph_title() const {
    const FieldParams& p = session_.params();
    const QString fixed = kind_.vertical ? tr("X_fix = %1 м").arg(num(p, p.x_fixed))
                                         : tr("Y_fix = %1 м").arg(num(p, p.y_fixed));
    return tr("%1; %2; q1 = %3 нКл, q2 = %4 нКл")
        .arg(windowTitle(), fixed, num(p, p.q1), num(p, p.q2));
}

void ProfileWindow::save_graph() {
    static QtFileChooser own;
    save_picture(this, *picture, chooser_ ? *chooser_ : own, dialogs_, tr("Сохранить график"),
                 file_name(kind_.id, "png"), graph_title());
}

// Without the main window's printer (a window on its own), a printer for this print alone.
void ProfileWindow::print_graph() {
    std::optional<PicturePrinter> own;
    PicturePrinter& printer = printer_ ? *printer_ : own.emplace();
    printer.print(this, printed_picture(*picture, graph_title()), dialogs_);
}

void ProfileWindow::preview_graph() {
    std::optional<PicturePrinter> own;
    PicturePrinter& printer = printer_ ? *printer_ : own.emplace();
    printer.preview(this, printed_picture(*picture, graph_title()), dialogs_);
}

void ProfileWindow::save_data() {
    static QtFileChooser own;
    save_csv(this, chooser_ ? *chooser_ : own, dialogs_, tr("Сохранить данные графика"),
             file_name(kind_.id, "csv"), session_.profile_table(kind_.id));
}
