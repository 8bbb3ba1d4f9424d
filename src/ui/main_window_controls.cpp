#include "ui/main_window_controls.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>

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

// The font a control shows its text in where the text fits (see show_whole).
constexpr const char* kUsualFont = "usual_font";
// The text, the size and the font a label's text was last fitted for (see fit_captions).
constexpr const char* kFittedFor = "fitted_for";

void set_usual_font(QWidget* w, const QFont& font) {
    w->setFont(font);
    w->setProperty(kUsualFont, font);
}

// A label, check box or button in the column's font; its texts come with retranslate().
template <class W> W* make(QWidget* parent, const char* object_name) {
    auto* w = new W(QString(), parent);
    name(w, object_name);
    set_usual_font(w, times_font(12));
    return w;
}

// A framed value label on a pale background.
void frame_value(QLabel* l, const QColor& background) {
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setLineWidth(1);
    fill_background(l, background, QPalette::Window);
}

// A one-line edit for a number, on pale yellow.
QLineEdit* make_edit(QWidget* parent, const char* object_name) {
    auto* t = new QLineEdit(parent);
    name(t, object_name);
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

void show_whole(QLabel* l, const QString& text) {
    QFont f = l->property(kUsualFont).value<QFont>();
    const auto fits = [l, &text](const QFont& font) {
        const QFontMetrics fm(font);
        // A framed label without an indent of its own indents its text by half an x.
        const int indent = l->indent() >= 0
                               ? l->indent()
                               : (l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 : 0);
        const QRect room = l->contentsRect().adjusted(l->margin() + indent, l->margin(),
                                                      -l->margin() - indent, -l->margin());
        const QRect used = fm.boundingRect(
            QRect(0, 0, room.width(), room.height()),
            static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), text);
        return used.width() <= room.width() && (!l->wordWrap() || used.height() <= room.height());
    };
    while (!fits(f) && f.pixelSize() > 6) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    l->setFont(f);
    l->setText(text);
}

void MainWindowControls::fit_captions() {
    for (QLabel* l : inner->findChildren<QLabel*>()) {
        if (!l->property(kUsualFont).isValid()) {
            continue;
        }
        // Measured again only when its text, its size or its font has changed since it was last
        // fitted: the window is laid out on every redraw, and measuring every caption each time
        // would cost a scroll-bar step a twentieth of its time.
        const QSize size = l->contentsRect().size();
        const QVariant fitted = l->property(kFittedFor);
        if (fitted.isValid() && fitted.toList() == QVariantList{l->text(), size, l->font()}) {
            continue;
        }
        show_whole(l, l->text());
        l->setProperty(kFittedFor, QVariantList{l->text(), size, l->font()});
    }
}

int MainWindowControls::families_width() const {
    const QFontMetrics fm(families_list->font());
    int widest = 0;
    for (int i = 0; i < families_list->count(); ++i) {
        widest = std::max(widest, fm.horizontalAdvance(families_list->item(i)->text()));
    }
    // The item view's margins around a text, its frame and a scroll bar beside the items.
    const QStyle* style = families_list->style();
    return widest +
           2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, families_list) + 1) +
           2 * families_list->frameWidth() +
           style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, families_list);
}

void MainWindowControls::create(QMainWindow* window) {
    inner = new QWidget(window);
    name(inner, "inner");
    window->setCentralWidget(inner);

    picture = new QtPictureBox(inner);
    name(picture, "picture");
    picture->setFont(times_font(11.25));
    const QPalette& palette = window->palette();
    picture->set_colours(palette.color(QPalette::Base), palette.color(QPalette::Text));

    create_charge_and_size();
    create_families();
    create_profile_boxes();
    create_readout_and_log();
    create_menus(window->menuBar());
    retranslate();
}

void MainWindowControls::retranslate() {
    struct Row {
        QWidget* control;
        const char* text; // nullptr: none of its own (an edit, a value)
        const char* tip;  // nullptr: none
    };
    // The captions and tool tips as they were drawn up, some with their odd letters (a Cyrillic
    // "х" in " для х") and blanks kept.
    const Row rows[] = {
        {q1_heading, QT_TRANSLATE_NOOP("MainWindow", "Q1, нКл"),
         QT_TRANSLATE_NOOP("MainWindow", "заряд слева")},
        {q2_heading, QT_TRANSLATE_NOOP("MainWindow", "Q2, нКл"),
         QT_TRANSLATE_NOOP("MainWindow", "заряд справа")},
        {size_heading, QT_TRANSLATE_NOOP("MainWindow", "размер, м"),
         QT_TRANSLATE_NOOP("MainWindow", "размер изучаемой области")},
        {q1_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "величина заряда")},
        {q2_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "величина заряда")},
        {size_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "половина ширины (высоты) области ")},
        {families_list, nullptr,
         QT_TRANSLATE_NOOP("MainWindow", "выбор графика и количества линий")},
        {level_count_heading, QT_TRANSLATE_NOOP("MainWindow", "число линий потенциала"), nullptr},
        {line_count_heading, QT_TRANSLATE_NOOP("MainWindow", "число линий напряжённости"), nullptr},
        {compute_button, QT_TRANSLATE_NOOP("MainWindow", "расчёт"),
         QT_TRANSLATE_NOOP("MainWindow", "Расчет полей")},
        {phi_along_x_check, "fi(x,Yfix)",
         QT_TRANSLATE_NOOP("MainWindow", "Показать график fi(x,Y)")},
        {phi_along_y_check, "fi(Xfix,y)",
         QT_TRANSLATE_NOOP("MainWindow", "показать график fi(X,y)")},
        {y_fixed_edit, nullptr, QT_TRANSLATE_NOOP("MainWindow", "для ввода Y фиксированного")},
        {x_fixed_edit, nullptr, QT_TRANSLATE_NOOP("MainWindow", "для ввода X фиксированного")},
        {ex_along_x_check, "Ex(x,Yfix)",
         QT_TRANSLATE_NOOP("MainWindow", "Показать график Ех(x,Y)")},
        {ex_along_y_check, "Ex(Xfix,y)",
         QT_TRANSLATE_NOOP("MainWindow", "Показать график Ех(X,y)")},
        {ey_along_x_check, "Ey(x,Yfix)",
         QT_TRANSLATE_NOOP("MainWindow", "Показать график Еy(x,Y)")},
        {ey_along_y_check, "Ey(Xfix,y)",
         QT_TRANSLATE_NOOP("MainWindow", "Показать график Еy(X,y)")},
        {readout_x_heading, QT_TRANSLATE_NOOP("MainWindow", "x(м) ="),
         QT_TRANSLATE_NOOP("MainWindow", "горизонтальная координата")},
        {readout_x_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "горизонтальная координата")},
        {chosen_potential_button, "φ",
         QT_TRANSLATE_NOOP("MainWindow", "расчёт линии потенциала, заданного пользователем")},
        {readout_y_heading, QT_TRANSLATE_NOOP("MainWindow", "y(м) ="),
         QT_TRANSLATE_NOOP("MainWindow", "вертикальная координата")},
        {readout_y_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "вертикальная координата")},
        {chosen_potential_edit, nullptr,
         QT_TRANSLATE_NOOP("MainWindow", "Для ввода желаемого потенциала")},
        {readout_phi_heading, QT_TRANSLATE_NOOP("MainWindow", "fi(B) ="),
         QT_TRANSLATE_NOOP("MainWindow", "потенциал в выбранной точке")},
        {readout_phi_value, nullptr,
         QT_TRANSLATE_NOOP("MainWindow", "потенциал в выбранной точке")},
        {readout_ex_heading, QT_TRANSLATE_NOOP("MainWindow", "Eх(В/м)="),
         QT_TRANSLATE_NOOP("MainWindow", "Ex  в выбранной точке")},
        {readout_ex_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Ex в выбранной точке")},
        {readout_ey_heading, QT_TRANSLATE_NOOP("MainWindow", "Eу(В/м)="),
         QT_TRANSLATE_NOOP("MainWindow", "Eу  в выбранной точке")},
        {readout_ey_value, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Eу в выбранной точке")},
        {log_check, QT_TRANSLATE_NOOP("MainWindow", "файл"),
         QT_TRANSLATE_NOOP("MainWindow", "для вывода данных в файл")},
    };
    const auto say = [](const char* text) {
        return QCoreApplication::translate("MainWindow", text);
    };
    for (const Row& r : rows) {
        if (r.text != nullptr) {
            const QString text = say(r.text);
            if (auto* l = qobject_cast<QLabel*>(r.control)) {
                l->setText(text);
            } else if (auto* b = qobject_cast<QAbstractButton*>(r.control)) {
                b->setText(text);
            }
        }
        if (r.tip != nullptr) {
            r.control->setToolTip(say(r.tip));
        }
    }
    // The family list's items, in the order of LineFamilies.
    const char* const families[] = {QT_TRANSLATE_NOOP("MainWindow", "линии потенциала"),
                                    QT_TRANSLATE_NOOP("MainWindow", "линии напряжённости"),
                                    QT_TRANSLATE_NOOP("MainWindow", "все линии")};
    for (int i = 0; i < 3; ++i) {
        if (QListWidgetItem* item = families_list->item(i)) {
            item->setText(say(families[i]));
        } else {
            families_list->addItem(say(families[i]));
        }
    }
    retranslate_menus();
}

void MainWindowControls::show_readout_captions() {
    const std::pair<QLabel*, const char*> captions[] = {
        {readout_x_value, QT_TRANSLATE_NOOP("MainWindow", " для х")},
        {readout_y_value, QT_TRANSLATE_NOOP("MainWindow", "для у")},
        {readout_phi_value, QT_TRANSLATE_NOOP("MainWindow", "для fi")},
        {readout_ex_value, QT_TRANSLATE_NOOP("MainWindow", "для Ех")},
        {readout_ey_value, QT_TRANSLATE_NOOP("MainWindow", "для Еу")},
    };
    for (const auto& [label, caption] : captions) {
        label->setText(QCoreApplication::translate("MainWindow", caption));
    }
}

void MainWindowControls::create_charge_and_size() {
    q1_heading = make<ClickLabel>(inner, "q1_heading");
    q2_heading = make<ClickLabel>(inner, "q2_heading");
    size_heading = make<ClickLabel>(inner, "size_heading");
    set_usual_font(size_heading, times_font(11.25));
    for (QLabel* l : {q1_heading, q2_heading, size_heading}) {
        l->setAlignment(Qt::AlignCenter);
    }
    // The charges from -1 to 1 nC in steps of 0.05, the half-width from 1 to 7 m in steps of
    // 0.5; the largest at the top.
    q1_bar = make_bar(inner, "q1_bar", 20, -20);
    q2_bar = make_bar(inner, "q2_bar", 20, -20);
    size_bar = make_bar(inner, "size_bar", 14, 2);
    q1_value = make<QLabel>(inner, "q1_value");
    q2_value = make<QLabel>(inner, "q2_value");
    size_value = make<QLabel>(inner, "size_value");
    for (QLabel* l : {q1_value, q2_value, size_value}) {
        frame_value(l, kPaleYellow);
        l->setAlignment(Qt::AlignCenter);
    }
}

void MainWindowControls::create_families() {
    families_list = new QListWidget(inner);
    name(families_list, "families_list");
    families_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    families_list->setUniformItemSizes(true);
    fill_background(families_list, Qt::white, QPalette::Base);

    level_count_heading = make<QLabel>(inner, "level_count_heading");
    level_count_heading->setWordWrap(true);
    level_count_edit = make_edit(inner, "level_count_edit");
    line_count_heading = make<QLabel>(inner, "line_count_heading");
    line_count_heading->setWordWrap(true);
    line_count_edit = make_edit(inner, "line_count_edit");
    {
        QPalette p = line_count_edit->palette();
        p.setColor(QPalette::Text, Qt::black);
        line_count_edit->setPalette(p);
    }
    compute_button = make<QPushButton>(inner, "compute_button");
}

void MainWindowControls::create_profile_boxes() {
    phi_along_x_check = make<QCheckBox>(inner, "phi_along_x_check");
    phi_along_y_check = make<QCheckBox>(inner, "phi_along_y_check");
    phi_along_x_check->setFont(times_font(11.25));
    phi_along_y_check->setFont(times_font(11.25));
    y_fixed_edit = make_edit(inner, "y_fixed_edit");
    x_fixed_edit = make_edit(inner, "x_fixed_edit");
    ex_along_x_check = make<QCheckBox>(inner, "ex_along_x_check");
    ex_along_y_check = make<QCheckBox>(inner, "ex_along_y_check");
    ey_along_x_check = make<QCheckBox>(inner, "ey_along_x_check");
    ey_along_y_check = make<QCheckBox>(inner, "ey_along_y_check");
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
    readout_x_heading = make<QLabel>(inner, "readout_x_heading");
    readout_x_value = make<QLabel>(inner, "readout_x_value");
    chosen_potential_button = new QPushButton(inner);
    name(chosen_potential_button, "chosen_potential_button");
    {
        QFont f = times_font(11.25);
        f.setBold(true);
        chosen_potential_button->setFont(f);
    }
    readout_y_heading = make<QLabel>(inner, "readout_y_heading");
    readout_y_value = make<QLabel>(inner, "readout_y_value");
    chosen_potential_edit = make_edit(inner, "chosen_potential_edit");
    readout_phi_heading = make<QLabel>(inner, "readout_phi_heading");
    readout_phi_value = make<QLabel>(inner, "readout_phi_value");
    readout_ex_heading = make<QLabel>(inner, "readout_ex_heading");
    readout_ex_value = make<QLabel>(inner, "readout_ex_value");
    readout_ey_heading = make<QLabel>(inner, "readout_ey_heading");
    readout_ey_value = make<QLabel>(inner, "readout_ey_value");
    show_readout_captions();
    for (QLabel* l : {readout_x_value, readout_y_value, readout_phi_value, readout_ex_value}) {
        frame_value(l, kPaleCyan);
    }
    // The last value has no frame.
    fill_background(readout_ey_value, kPaleCyan, QPalette::Window);

    log_check = make<QCheckBox>(inner, "log_check");
    // A narrow gap after the box leaves the captions room in their columns.
    for (QCheckBox* c : {phi_along_x_check, phi_along_y_check, ex_along_x_check, ex_along_y_check,
                         ey_along_x_check, ey_along_y_check, log_check}) {
        c->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    }
}
