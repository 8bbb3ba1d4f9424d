#include "ui/main_window_controls.h"

#include <QMainWindow>
#include <QMenuBar>

#include "ui/fonts.h"

// The controls are made in the order of the keyboard focus chain (the order of making), which
// is the order a person reads the column in.

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kPaleCyan(192, 255, 255);

void fill_background(QWidget* w, const QColor& c, QPalette::ColorRole role) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void name(QObject* o, const char* object_name) {
    o->setObjectName(QLatin1String(object_name));
}

// A label, check box or button in the column's font, with its tool tip (if any).
template <class W>
W* make(QWidget* parent, const char* object_name, const QString& text, const QString& tip) {
    auto* w = new W(text, parent);
    name(w, object_name);
    if (!tip.isEmpty()) {
        w->setToolTip(tip);
    }
    w->setFont(times_font(12));
    return w;
}

// A framed value label on a pale background.
void frame_value(QLabel* l, const QColor& background) {
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setLineWidth(1);
    fill_background(l, background, QPalette::Window);
}

// A one-line edit for a number, on pale yellow.
QLineEdit* make_edit(QWidget* parent, const char* object_name, const QString& tip) {
    auto* t = new QLineEdit(parent);
    name(t, object_name);
    t->setToolTip(tip);
    t->setFont(times_font(12));
    t->setFrame(true);
    fill_background(t, kPaleYellow, QPalette::Base);
    t->setTextMargins(0, 0, 0, 0);
    return t;
}

PositionScrollBar* make_bar(QWidget* parent, const char* object_name, int top, int bottom) {
    auto* bar = new PositionScrollBar(Qt::Vertical, top, bottom, parent);
    name(bar, object_name);
    return bar;
}

} // namespace

void MainWindowControls::create(QMainWindow* window, const QString& level_step_tip) {
    inner = new QWidget(window);
    name(inner, "inner");
    window->setCentralWidget(inner);

    picture = new QtPictureBox(inner);
    name(picture, "picture");
    picture->setFont(times_font(11.25));
    const QPalette& palette = window->palette();
    picture->set_colours(palette.color(QPalette::Base), palette.color(QPalette::Text));

    create_charge_and_size();
    create_families(level_step_tip);
    create_profile_boxes();
    create_readout_and_log();
    create_menus(window->menuBar());
}

void MainWindowControls::create_charge_and_size() {
    q1_heading = make<ClickLabel>(inner, "q1_heading", QStringLiteral("Q1, нКл"),
                                  QStringLiteral("заряд слева"));
    q2_heading = make<ClickLabel>(inner, "q2_heading", QStringLiteral("Q2, нКл"),
                                  QStringLiteral("заряд справа"));
    size_heading = make<ClickLabel>(inner, "size_heading", QStringLiteral("размер, м"),
                                    QStringLiteral("размер изучаемой области"));
    size_heading->setFont(times_font(11.25));
    for (QLabel* l : {q1_heading, q2_heading, size_heading}) {
        l->setAlignment(Qt::AlignCenter);
    }
    // The charges from -1 to 1 nC in steps of 0.05, the half-width from 1 to 7 m in steps of
    // 0.5; the largest at the top.
    q1_bar = make_bar(inner, "q1_bar", 20, -20);
    q2_bar = make_bar(inner, "q2_bar", 20, -20);
    size_bar = make_bar(inner, "size_bar", 14, 2);
    q1_value = make<QLabel>(inner, "q1_value", QString(), QStringLiteral("величина заряда"));
    q2_value = make<QLabel>(inner, "q2_value", QString(), QStringLiteral("величина заряда"));
    size_value = make<QLabel>(inner, "size_value", QString(),
                              QStringLiteral("половина ширины (высоты) области "));
    for (QLabel* l : {q1_value, q2_value, size_value}) {
        frame_value(l, kPaleYellow);
        l->setAlignment(Qt::AlignCenter);
    }
}

void MainWindowControls::create_families(const QString& level_step_tip) {
    families_list = new QListWidget(inner);
    name(families_list, "families_list");
    families_list->setToolTip(QStringLiteral("выбор графика и количества линий"));
    families_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    families_list->setUniformItemSizes(true);
    fill_background(families_list, Qt::white, QPalette::Base);

    level_count_heading = make<QLabel>(inner, "level_count_heading",
                                       QStringLiteral("число линий потенциала"), level_step_tip);
    level_count_heading->setWordWrap(true);
    level_count_edit = make_edit(inner, "level_count_edit", QString());
    line_count_heading = make<QLabel>(inner, "line_count_heading",
                                      QStringLiteral("число линий напряжённости"), QString());
    line_count_heading->setWordWrap(true);
    line_count_edit = make_edit(inner, "line_count_edit", QString());
    {
        QPalette p = line_count_edit->palette();
        p.setColor(QPalette::Text, Qt::black);
        line_count_edit->setPalette(p);
    }
    compute_button = make<QPushButton>(inner, "compute_button", QStringLiteral("расчёт"),
                                       QStringLiteral("Расчет полей"));
}

void MainWindowControls::create_profile_boxes() {
    phi_along_x_check = make<QCheckBox>(inner, "phi_along_x_check", QStringLiteral("fi(x,Yfix)"),
                                        QStringLiteral("Показать график fi(x,Y)"));
    phi_along_y_check = make<QCheckBox>(inner, "phi_along_y_check", QStringLiteral("fi(Xfix,y)"),
                                        QStringLiteral("показать график fi(X,y)"));
    phi_along_x_check->setFont(times_font(11.25));
    phi_along_y_check->setFont(times_font(11.25));
    y_fixed_edit = make_edit(inner, "y_fixed_edit", QStringLiteral("для ввода Y фиксированного"));
    x_fixed_edit = make_edit(inner, "x_fixed_edit", QStringLiteral("для ввода X фиксированного"));
    ex_along_x_check = make<QCheckBox>(inner, "ex_along_x_check", QStringLiteral("Ex(x,Yfix)"),
                                       QStringLiteral("Показать график Ех(x,Y)"));
    ex_along_y_check = make<QCheckBox>(inner, "ex_along_y_check", QStringLiteral("Ex(Xfix,y)"),
                                       QStringLiteral("Показать график Ех(X,y)"));
    ey_along_x_check = make<QCheckBox>(inner, "ey_along_x_check", QStringLiteral("Ey(x,Yfix)"),
                                       QStringLiteral("Показать график Еy(x,Y)"));
    ey_along_y_check = make<QCheckBox>(inner, "ey_along_y_check", QStringLiteral("Ey(Xfix,y)"),
                                       QStringLiteral("Показать график Еy(X,y)"));
}

QCheckBox* MainWindowControls::profile_check(ProfileId id) const {
    switch (id) {
    case ProfileId::PhiAlongX:
        return phi_along_x_check;
    case ProfileId::PhiAlongY:
        return phi_along_y_check;
    case ProfileId::ExAlongX:
        return ex_along_x_check;
    case ProfileId::EyAlongX:
        return ey_along_x_check;
    case ProfileId::ExAlongY:
        return ex_along_y_check;
    case ProfileId::EyAlongY:
        return ey_along_y_check;
    }
    return nullptr;
}

void MainWindowControls::create_readout_and_log() {
    readout_x_heading = make<QLabel>(inner, "readout_x_heading", QStringLiteral("x(м) ="),
                                     QStringLiteral("горизонтальная координата"));
    readout_x_value = make<QLabel>(inner, "readout_x_value", QStringLiteral(" для х"),
                                   QStringLiteral("горизонтальная координата"));
    chosen_potential_button = new QPushButton(QStringLiteral("φ"), inner);
    name(chosen_potential_button, "chosen_potential_button");
    {
        QFont f = times_font(11.25);
        f.setBold(true);
        chosen_potential_button->setFont(f);
    }
    chosen_potential_button->setToolTip(
        QStringLiteral("расчёт линии потенциала, заданного пользователем"));
    readout_y_heading = make<QLabel>(inner, "readout_y_heading", QStringLiteral("y(м) ="),
                                     QStringLiteral("вертикальная координата"));
    readout_y_value = make<QLabel>(inner, "readout_y_value", QStringLiteral("для у"),
                                   QStringLiteral("вертикальная координата"));
    chosen_potential_edit =
        make_edit(inner, "chosen_potential_edit", QStringLiteral("Для ввода желаемого потенциала"));
    readout_phi_heading = make<QLabel>(inner, "readout_phi_heading", QStringLiteral("fi(B) ="),
                                       QStringLiteral("потенциал в выбранной точке"));
    readout_phi_value = make<QLabel>(inner, "readout_phi_value", QStringLiteral("для fi"),
                                     QStringLiteral("потенциал в выбранной точке"));
    readout_ex_heading = make<QLabel>(inner, "readout_ex_heading", QStringLiteral("Eх(В/м)="),
                                      QStringLiteral("Ex  в выбранной точке"));
    readout_ex_value = make<QLabel>(inner, "readout_ex_value", QStringLiteral("для Ех"),
                                    QStringLiteral("Ex в выбранной точке"));
    readout_ey_heading = make<QLabel>(inner, "readout_ey_heading", QStringLiteral("Eу(В/м)="),
                                      QStringLiteral("Eу  в выбранной точке"));
    readout_ey_value = make<QLabel>(inner, "readout_ey_value", QStringLiteral("для Еу"),
                                    QStringLiteral("Eу в выбранной точке"));
    for (QLabel* l : {readout_x_value, readout_y_value, readout_phi_value, readout_ex_value}) {
        frame_value(l, kPaleCyan);
    }
    // The last value has no frame.
    fill_background(readout_ey_value, kPaleCyan, QPalette::Window);

    log_check = make<QCheckBox>(inner, "log_check", QStringLiteral("файл"),
                                QStringLiteral("для вывода данных в файл"));
    // A narrow gap after the box leaves the captions room in their columns.
    for (QCheckBox* c : {phi_along_x_check, phi_along_y_check, ex_along_x_check, ex_along_y_check,
                         ey_along_x_check, ey_along_y_check, log_check}) {
        c->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    }
}
