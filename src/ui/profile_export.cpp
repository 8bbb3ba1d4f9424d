// Saving a profile window's graph and data, from the graph's context menu.
#include <QAction>

#include "model/numbers.h"
#include "profiles/profile_csv.h"
#include "ui/profile_window.h"
#include "ui/save_actions.h"

namespace {

QString num(const FieldParams& m, double v) {
    return QString::fromStdString(format_shortest(v, m.decimal_separator));
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
    actSaveGraph = new QAction(QStringLiteral("Сохранить график…"), this);
    actSaveData = new QAction(QStringLiteral("Сохранить данные (CSV)…"), this);
    actCopyGraph = new QAction(QStringLiteral("Копировать график"), this);
    connect(actSaveGraph, &QAction::triggered, this, [this] { save_graph(); });
    connect(actSaveData, &QAction::triggered, this, [this] { save_data(); });
    connect(actCopyGraph, &QAction::triggered, this, [this] { copy_picture(*Picture1); });
    Picture1->addActions({actSaveGraph, actSaveData, actCopyGraph});
    Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ProfileWindow::save_graph() {
    static QtFileChooser own;
    const QString fixed = kind_.vertical ? QStringLiteral("X_fix = %1 м").arg(num(m, m.x_fixed))
                                         : QStringLiteral("Y_fix = %1 м").arg(num(m, m.y_fixed));
    const QString title = QStringLiteral("%1; %2; q1 = %3 нКл, q2 = %4 нКл")
                              .arg(windowTitle(), fixed, num(m, m.q1), num(m, m.q2));
    save_picture(this, *Picture1, chooser_ ? *chooser_ : own, dialogs_,
                 QStringLiteral("Сохранить график"), file_name(kind_.id, "png"), title);
}

void ProfileWindow::save_data() {
    static QtFileChooser own;
    save_csv(this, chooser_ ? *chooser_ : own, dialogs_, QStringLiteral("Сохранить данные графика"),
             file_name(kind_.id, "csv"), profile_csv(m, picture_.frame, kind_));
}
