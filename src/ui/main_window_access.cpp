// The main window for screen readers and the keyboard: every control's accessible name and
// description, the names that say the current values, the picture's description of what it
// shows, the order of the keyboard focus and the frames that show it.
//
// A name says what a control is (and, for the controls with a visible caption, starts with the
// caption); a description says what it does or shows. Controls whose value has no text of its
// own to read (the scroll bars) or whose text is a bare number (the value labels) carry the
// value with its unit in their name, renewed as it changes.
#include "model/numbers.h"
#include "ui/keyboard_focus.h"
#include "ui/main_window.h"
#include "ui/picture_export.h"

namespace {

void set_name(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
}

} // namespace

void MainWindow::set_up_access() {
    name_controls();

    // The keyboard reaches the picture (which copies itself on Ctrl+C), the headings that draw
    // the characteristic lines and the scroll bars, in the order a person reads the window:
    // the picture, then the column row by row, left to right. The mouse gives the focus as it
    // did: to the picture, not to a heading or a bar.
    ui.picture->setFocusPolicy(Qt::StrongFocus);
    for (QWidget* w : {ui.q1_bar, ui.q2_bar, ui.size_bar}) {
        w->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* const order[] = {ui.picture,
                              ui.q1_heading,
                              ui.q1_bar,
                              ui.q2_heading,
                              ui.q2_bar,
                              ui.size_heading,
                              ui.size_bar,
                              ui.families_list,
                              ui.level_count_edit,
                              ui.line_count_edit,
                              ui.compute_button,
                              ui.phi_along_x_check,
                              ui.phi_along_y_check,
                              ui.y_fixed_edit,
                              ui.x_fixed_edit,
                              ui.ex_along_x_check,
                              ui.ex_along_y_check,
                              ui.ey_along_x_check,
                              ui.ey_along_y_check,
                              ui.chosen_potential_button,
                              ui.chosen_potential_edit,
                              ui.log_check};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    // These draw no focus of their own.
    QWidget* const unmarked[] = {ui.picture, ui.q1_heading, ui.q2_heading, ui.size_heading,
                                 ui.q1_bar,  ui.q2_bar,     ui.size_bar};
    for (QWidget* w : unmarked) {
        show_keyboard_focus(w);
    }
    // The window opens with the focus on the list, as it always has.
    ui.families_list->setFocus();

    describe_values();
    describe_picture();
}

void MainWindow::name_controls() {
    struct Row {
        QWidget* control;
        const char* name; // nullptr: the control's own text, or a name that says its value
        const char* description;
    };
    const Row rows[] = {
        {ui.picture, QT_TR_NOOP("Рисунок поля"), nullptr},
        {ui.q1_heading, QT_TR_NOOP("Q1, нКл: линия нулевого потенциала"),
         QT_TR_NOOP("Рисует линию нулевого потенциала и показывает её объяснение")},
        {ui.q2_heading, QT_TR_NOOP("Q2, нКл: точка нулевой напряжённости"),
         QT_TR_NOOP("Рисует точку, где напряжённость равна нулю, и линию потенциала через неё, и "
                    "показывает их объяснение")},
        {ui.size_heading, QT_TR_NOOP("размер, м: линии горизонтального и вертикального поля"),
         QT_TR_NOOP("Рисует линии, на которых поле направлено горизонтально и вертикально, и "
                    "показывает их объяснение")},
        {ui.q1_value, nullptr, QT_TR_NOOP("Величина заряда слева")},
        {ui.q2_value, nullptr, QT_TR_NOOP("Величина заряда справа")},
        {ui.size_value, nullptr, QT_TR_NOOP("Половина ширины и высоты области")},
        {ui.families_list, QT_TR_NOOP("Какие линии рисовать"),
         QT_TR_NOOP("Линии, которые рисует кнопка «расчёт»: линии потенциала, линии "
                    "напряжённости или все линии")},
        {ui.level_count_heading, nullptr, QT_TR_NOOP("Подпись к числу линий потенциала")},
        {ui.level_count_edit, QT_TR_NOOP("Число линий потенциала"),
         QT_TR_NOOP("Сколько линий потенциала рисует «расчёт»")},
        {ui.line_count_heading, nullptr, QT_TR_NOOP("Подпись к числу линий напряжённости")},
        {ui.line_count_edit, QT_TR_NOOP("Число линий напряжённости"),
         QT_TR_NOOP("Сколько линий напряжённости выходит из каждого заряда при «расчёте»")},
        {ui.compute_button, QT_TR_NOOP("расчёт"),
         QT_TR_NOOP("Рисует выбранные линии заново; время расчёта пишется в заголовке окна")},
        {ui.phi_along_x_check, QT_TR_NOOP("fi(x,Yfix): график потенциала вдоль прямой y = Yfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.phi_along_y_check, QT_TR_NOOP("fi(Xfix,y): график потенциала вдоль прямой x = Xfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.y_fixed_edit, QT_TR_NOOP("Yfix, м"),
         QT_TR_NOOP("Координата y прямой, вдоль которой строятся графики fi(x,Yfix), Ex(x,Yfix) "
                    "и Ey(x,Yfix)")},
        {ui.x_fixed_edit, QT_TR_NOOP("Xfix, м"),
         QT_TR_NOOP("Координата x прямой, вдоль которой строятся графики fi(Xfix,y), Ex(Xfix,y) "
                    "и Ey(Xfix,y)")},
        {ui.ex_along_x_check, QT_TR_NOOP("Ex(x,Yfix): график Ex вдоль прямой y = Yfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.ex_along_y_check, QT_TR_NOOP("Ex(Xfix,y): график Ex вдоль прямой x = Xfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.ey_along_x_check, QT_TR_NOOP("Ey(x,Yfix): график Ey вдоль прямой y = Yfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.ey_along_y_check, QT_TR_NOOP("Ey(Xfix,y): график Ey вдоль прямой x = Xfix"),
         QT_TR_NOOP("Показывает или прячет окно графика")},
        {ui.readout_x_heading, nullptr, QT_TR_NOOP("Подпись к координате x точки под указателем")},
        {ui.readout_x_value, nullptr,
         QT_TR_NOOP("Координата x точки рисунка под указателем мыши, м")},
        {ui.readout_y_heading, nullptr, QT_TR_NOOP("Подпись к координате y точки под указателем")},
        {ui.readout_y_value, nullptr,
         QT_TR_NOOP("Координата y точки рисунка под указателем мыши, м")},
        {ui.readout_phi_heading, nullptr, QT_TR_NOOP("Подпись к потенциалу под указателем")},
        {ui.readout_phi_value, nullptr, QT_TR_NOOP("Потенциал в точке под указателем мыши, В")},
        {ui.readout_ex_heading, nullptr, QT_TR_NOOP("Подпись к Ex под указателем")},
        {ui.readout_ex_value, nullptr,
         QT_TR_NOOP("Проекция напряжённости на ось x в точке под указателем мыши, В/м")},
        {ui.readout_ey_heading, nullptr, QT_TR_NOOP("Подпись к Ey под указателем")},
        {ui.readout_ey_value, nullptr,
         QT_TR_NOOP("Проекция напряжённости на ось y в точке под указателем мыши, В/м")},
        {ui.chosen_potential_button, QT_TR_NOOP("φ: линия заданного потенциала"),
         QT_TR_NOOP("Рисует линию потенциала, введённого в поле под кнопкой")},
        {ui.chosen_potential_edit, QT_TR_NOOP("Заданный потенциал, В"),
         QT_TR_NOOP("Потенциал линии, которую рисует кнопка «φ»")},
        {ui.log_check, QT_TR_NOOP("файл: запись точек в kerant.txt"),
         QT_TR_NOOP("Пока отмечено, двойной щелчок по рисунку дописывает точку под указателем в "
                    "файл kerant.txt")},
    };
    for (const Row& r : rows) {
        if (r.name != nullptr) {
            r.control->setAccessibleName(tr(r.name));
        }
        if (r.description != nullptr) {
            r.control->setAccessibleDescription(tr(r.description));
        }
    }
    // The scroll bars' steps, written as their values are (see describe_values).
    const struct {
        QWidget* bar;
        const char* description;
        double step;
    } bars[] = {
        {ui.q1_bar,
         QT_TR_NOOP("Заряд слева: от −1 до 1 нКл с шагом %1; клавиши со стрелками меняют его на "
                    "шаг"),
         0.05},
        {ui.q2_bar,
         QT_TR_NOOP("Заряд справа: от −1 до 1 нКл с шагом %1; клавиши со стрелками меняют его на "
                    "шаг"),
         0.05},
        {ui.size_bar,
         QT_TR_NOOP("Половина ширины и высоты области: от 1 до 7 м с шагом %1; клавиши со "
                    "стрелками меняют её на шаг"),
         0.5},
    };
    for (const auto& b : bars) {
        b.bar->setAccessibleDescription(
            tr(b.description)
                .arg(QString::fromStdString(format_shortest(b.step, params_.decimal_separator))));
    }
}

void MainWindow::describe_values() {
    const QString q1 = ui.q1_value->text();
    const QString q2 = ui.q2_value->text();
    const QString size = ui.size_value->text();
    set_name(ui.q1_bar, tr("Заряд Q1 слева: %1 нКл").arg(q1));
    set_name(ui.q2_bar, tr("Заряд Q2 справа: %1 нКл").arg(q2));
    set_name(ui.size_bar, tr("Половина ширины области: %1 м").arg(size));
    set_name(ui.q1_value, tr("Заряд Q1: %1 нКл").arg(q1));
    set_name(ui.q2_value, tr("Заряд Q2: %1 нКл").arg(q2));
    set_name(ui.size_value, tr("Половина ширины области: %1 м").arg(size));

    // Until the pointer has been over the picture the readout shows captions, not values.
    struct Readout {
        QLabel* value;
        const char* quantity;
        const char* unit;
    };
    const Readout readouts[] = {
        {ui.readout_x_value, QT_TR_NOOP("x под указателем"), QT_TR_NOOP("м")},
        {ui.readout_y_value, QT_TR_NOOP("y под указателем"), QT_TR_NOOP("м")},
        {ui.readout_phi_value, QT_TR_NOOP("Потенциал под указателем"), QT_TR_NOOP("В")},
        {ui.readout_ex_value, QT_TR_NOOP("Ex под указателем"), QT_TR_NOOP("В/м")},
        {ui.readout_ey_value, QT_TR_NOOP("Ey под указателем"), QT_TR_NOOP("В/м")},
    };
    for (const Readout& r : readouts) {
        set_name(r.value,
                 readout_shown_
                     ? tr("%1: %2 %3").arg(tr(r.quantity), r.value->text().trimmed(), tr(r.unit))
                     : tr(r.quantity));
    }
}

void MainWindow::describe_picture() {
    QStringList drawn;
    for (const DrawnNote& note : drawn_) {
        drawn << (note.number.isEmpty() ? tr(note.text) : tr(note.text).arg(note.number));
    }
    ui.picture->setAccessibleDescription(
        tr("%1. Нарисовано: %2.")
            .arg(field_picture_title(params_, field_picture_.frame), drawn.join(tr(", "))));
}

void MainWindow::note_frame(bool with_charges) {
    drawn_ = {{QT_TR_NOOP("координатная сетка с осями"), {}}};
    if (params_.views.potential_map) {
        drawn_.push_back({QT_TR_NOOP("карта потенциала"), {}});
    }
    if (params_.views.arrows) {
        drawn_.push_back({QT_TR_NOOP("стрелки поля"), {}});
    }
    if (with_charges) {
        drawn_.push_back(params_.views.charge_marks ? DrawnNote{QT_TR_NOOP("заряды со знаками"), {}}
                                                    : DrawnNote{QT_TR_NOOP("заряды"), {}});
    }
    describe_picture();
}

void MainWindow::note_computed(bool stopped) {
    const bool charges = params_.q1 != 0 || params_.q2 != 0;
    note_frame(charges);
    if (charges && params_.families != LineFamilies::FieldLines) {
        drawn_.push_back(
            params_.views.exact_equipotentials
                ? DrawnNote{QT_TR_NOOP("точные эквипотенциали с подписями уровней"), {}}
                : DrawnNote{QT_TR_NOOP("линии потенциала"), {}});
    }
    if (charges && params_.families != LineFamilies::Equipotentials) {
        drawn_.push_back(params_.views.flux_lines
                             ? DrawnNote{QT_TR_NOOP("линии напряжённости равного потока"), {}}
                             : DrawnNote{QT_TR_NOOP("линии напряжённости"), {}});
        if (params_.views.charge_marks) {
            drawn_.push_back({QT_TR_NOOP("стрелки направления поля на линиях"), {}});
        }
    }
    if (stopped) {
        drawn_.push_back({QT_TR_NOOP("не всё: расчёт остановлен"), {}});
    }
    describe_picture();
}

void MainWindow::note_drawn(std::size_t primitives_before, const DrawnNote& what) {
    if (ui.picture->display_list().primitives() != primitives_before) {
        drawn_.push_back(what);
        describe_picture();
    }
}

MainWindow::DrawnNote MainWindow::note_of(const DrawnOver& drawn) const {
    switch (drawn.kind) {
    case DrawnOver::ZeroPotential:
        return {QT_TR_NOOP("линия нулевого потенциала"), {}};
    case DrawnOver::ZeroField:
        return {QT_TR_NOOP("точка нулевой напряжённости и линия потенциала через неё"), {}};
    case DrawnOver::FieldDirection:
        return {QT_TR_NOOP("линии горизонтального и вертикального поля"), {}};
    case DrawnOver::ChosenEquipotential:
        break;
    }
    return {QT_TR_NOOP("линия потенциала %1 В"),
            QString::fromStdString(format_fixed(drawn.potential, 2, params_.decimal_separator))};
}
