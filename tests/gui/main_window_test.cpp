// The main window on the offscreen platform: start-up state, layout, inputs, the command; that
// the controls reach the session and show what it returns (what each action does is tested
// without the window, in core/session_test.cpp).
#include <QAccessible>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest/QTest>
#include <cfloat>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <vector>

#include "picture/charge_pair.h"
#include "picture/compute.h"
#include "picture/field_lines.h"
#include "picture/field_views.h"
#include "picture/potential_map.h"
#include "support/coulomb.h"
#include "support/main_window.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"
#include "ui/computation.h"
#include "ui/main_window.h"
#include "ui/picture_render.h"

namespace {

using Window = ShownMainWindow;

const QRgb kBlueDots = qRgb(0, 0, 200);
const QRgb kRedLines = qRgb(200, 0, 0);

// Start-up: the model defaults, the inputs showing them, the list with its third item chosen,
// and a picture with the frame and the two charges but no lines.
TEST(MainWindow, StartsWithTheDefaults) {
    Window w;
    EXPECT_TRUE(w.window.is_ready());
    EXPECT_DOUBLE_EQ(w.m.q1, 0.4);
    EXPECT_DOUBLE_EQ(w.m.q2, -0.1);
    EXPECT_DOUBLE_EQ(w.m.half_distance, 0.5);
    EXPECT_EQ(w.m.coulomb_k, 9);
    EXPECT_DOUBLE_EQ(w.m.half_width, 4);
    EXPECT_DOUBLE_EQ(w.m.level_intervals, 11);
    EXPECT_EQ(w.m.lines_per_charge, 6);
    EXPECT_DOUBLE_EQ(w.m.y_fixed, 0.1);
    EXPECT_DOUBLE_EQ(w.m.x_fixed, 0.75);
    EXPECT_EQ(w.m.chosen_potential, 0.95f);
    EXPECT_EQ(w.m.families, LineFamilies::Both);
    EXPECT_EQ(w.window.windowTitle(), QString::fromUtf8(MainWindow::kTitle));

    EXPECT_EQ(w.ui.q1_bar->position(), 8);
    EXPECT_EQ(w.ui.q2_bar->position(), -2);
    EXPECT_EQ(w.ui.size_bar->position(), 8);
    EXPECT_EQ(w.ui.q1_value->text(), QStringLiteral("0.40"));
    EXPECT_EQ(w.ui.q2_value->text(), QStringLiteral("-0.10"));
    EXPECT_EQ(w.ui.size_value->text(), QStringLiteral("4.00"));
    EXPECT_EQ(w.ui.level_count_edit->text(), QStringLiteral("11"));
    EXPECT_EQ(w.ui.line_count_edit->text(), QStringLiteral("6"));
    EXPECT_EQ(w.ui.y_fixed_edit->text(), QStringLiteral("0.10"));
    EXPECT_EQ(w.ui.x_fixed_edit->text(), QStringLiteral("0.75"));
    EXPECT_EQ(w.ui.chosen_potential_edit->text(), QStringLiteral("0.95"));

    ASSERT_EQ(w.ui.families_list->count(), 3);
    EXPECT_EQ(w.ui.families_list->item(0)->text(), QStringLiteral("линии потенциала"));
    EXPECT_EQ(w.ui.families_list->item(1)->text(), QStringLiteral("линии напряжённости"));
    EXPECT_EQ(w.ui.families_list->item(2)->text(), QStringLiteral("все линии"));
    EXPECT_EQ(w.ui.families_list->currentRow(), 2);
    for (QWidget* c : {static_cast<QWidget*>(w.ui.level_count_heading),
                       static_cast<QWidget*>(w.ui.level_count_edit),
                       static_cast<QWidget*>(w.ui.line_count_heading),
                       static_cast<QWidget*>(w.ui.line_count_edit)}) {
        EXPECT_TRUE(c->isVisible());
    }

    const QImage img = w.picture();
    EXPECT_GT(count_colour(img, qRgb(128, 255, 128)), 1000);
    EXPECT_GT(count_colour(img, qRgb(255, 0, 0)), 0);
    EXPECT_GT(count_colour(img, qRgb(0, 0, 255)), 0);
    EXPECT_EQ(count_colour(img, kBlueDots), 0);
    EXPECT_EQ(count_colour(img, kRedLines), 0);
    // The leftmost x label, -4.0, shows whole, with its minus, at the left edge.
    const QPoint left_label = w.ui.picture->to_pixels(-4, -0.04).toPoint();
    EXPECT_GT(text_shown(img, QStringLiteral("-4.0"), w.ui.picture->font(), left_label, 3), 0.97);
}

// Texts and tool-tips as the window shows them, letter for letter (Cyrillic look-alikes too).
TEST(MainWindow, TextsAndToolTips) {
    Window w;
    const MainWindowControls& f = w.ui;
    struct Row {
        QWidget* control;
        const char* text; // nullptr: not checked
        const char* tip;
    };
    const auto text_of = [](QWidget* c) -> QString {
        if (auto* l = qobject_cast<QLabel*>(c)) {
            return l->text();
        }
        if (auto* b = qobject_cast<QAbstractButton*>(c)) {
            return b->text();
        }
        return {};
    };
    const Row rows[] = {
        {f.q1_heading, "Q1, нКл", "заряд слева"},
        {f.q1_value, "0.40", "величина заряда"},
        {f.q2_heading, "Q2, нКл", "заряд справа"},
        {f.q2_value, "-0.10", "величина заряда"},
        {f.size_heading, "размер, м", "размер изучаемой области"},
        {f.size_value, "4.00", "половина ширины (высоты) области "},
        {f.families_list, nullptr, "выбор графика и количества линий"},
        {f.level_count_heading, "число линий потенциала", "через ? (при расчёте) вольт"},
        {f.line_count_heading, "число линий напряжённости", ""},
        {f.compute_button, "расчёт", "Расчет полей"},
        {f.phi_along_x_check, "fi(x,Yfix)", "Показать график fi(x,Y)"},
        {f.phi_along_y_check, "fi(Xfix,y)", "показать график fi(X,y)"},
        {f.y_fixed_edit, nullptr, "для ввода Y фиксированного"},
        {f.x_fixed_edit, nullptr, "для ввода X фиксированного"},
        {f.ex_along_x_check, "Ex(x,Yfix)", "Показать график Ех(x,Y)"},
        {f.ex_along_y_check, "Ex(Xfix,y)", "Показать график Ех(X,y)"},
        {f.ey_along_x_check, "Ey(x,Yfix)", "Показать график Еy(x,Y)"},
        {f.ey_along_y_check, "Ey(Xfix,y)", "Показать график Еy(X,y)"},
        {f.readout_x_heading, "x(м) =", "горизонтальная координата"},
        {f.readout_x_value, " для х", "горизонтальная координата"},
        {f.chosen_potential_button, nullptr, "расчёт линии потенциала, заданного пользователем"},
        {f.readout_y_heading, "y(м) =", "вертикальная координата"},
        {f.readout_y_value, "для у", "вертикальная координата"},
        {f.chosen_potential_edit, nullptr, "Для ввода желаемого потенциала"},
        {f.readout_phi_heading, "fi(B) =", "потенциал в выбранной точке"},
        {f.readout_phi_value, "для fi", "потенциал в выбранной точке"},
        {f.readout_ex_heading, "Eх(В/м)=", "Ex  в выбранной точке"},
        {f.readout_ex_value, "для Ех", "Ex в выбранной точке"},
        {f.readout_ey_heading, "Eу(В/м)=", "Eу  в выбранной точке"},
        {f.readout_ey_value, "для Еу", "Eу в выбранной точке"},
        {f.log_check, "файл", "для вывода данных в файл"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.control->objectName().isEmpty() ? QString::fromUtf8(r.tip).toStdString()
                                                       : r.control->objectName().toStdString());
        if (r.text) {
            EXPECT_EQ(text_of(r.control).toStdString(), r.text);
        }
        EXPECT_EQ(r.control->toolTip().toStdString(), r.tip);
    }
    EXPECT_EQ(f.level_count_edit->toolTip(), QString());
    EXPECT_EQ(f.line_count_edit->toolTip(), QString());
    const QMenuBar* bar = w.window.menuBar();
    ASSERT_GE(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&Файл"));
    EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("&Вид"));
    EXPECT_EQ(bar->actions()[2]->text(), QStringLiteral("&Помощь"));
}

// Where the locale writes a comma, the value labels show it, and so do the scroll bars' names
// and the steps their descriptions tell; the text boxes still a point.
TEST(MainWindow, ValueLabelsFollowTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    {
        Window w;
        EXPECT_EQ(w.ui.q1_bar->accessibleName(), QStringLiteral("Заряд Q1 слева: 0,40 нКл"));
        EXPECT_TRUE(w.ui.q1_bar->accessibleDescription().contains("с шагом 0,05;"));
        EXPECT_TRUE(w.ui.size_bar->accessibleDescription().contains("с шагом 0,5;"));
        EXPECT_EQ(w.ui.q1_value->text(), QStringLiteral("0,40"));
        EXPECT_EQ(w.ui.q2_value->text(), QStringLiteral("-0,10"));
        EXPECT_EQ(w.ui.size_value->text(), QStringLiteral("4,00"));
        EXPECT_EQ(w.ui.y_fixed_edit->text(), QStringLiteral("0.10"));
        EXPECT_EQ(w.ui.x_fixed_edit->text(), QStringLiteral("0.75"));
        EXPECT_EQ(w.ui.chosen_potential_edit->text(), QStringLiteral("0.95"));
        EXPECT_DOUBLE_EQ(w.m.y_fixed, 0.1);
        w.ui.compute_button->click();
        EXPECT_EQ(w.ui.level_count_heading->toolTip(), QStringLiteral("через  7,75 B"));
    }
    QLocale::setDefault(before);
}

// The layout for the opening inner height of 552 pixels: the picture 544 square at (4, 4), the
// column at X0 = 552 in rows of 22 pixels. The X_fix edit is as high as the Y_fix edit so that its
// number shows.
TEST(MainWindow, LayoutAtTheOpeningHeight) {
    Window w;
    const MainWindowControls& f = w.ui;
    ASSERT_EQ(w.window.centralWidget()->height(), 552);
    EXPECT_EQ(w.window.layout_measures().gap_x, 4);
    EXPECT_EQ(w.window.layout_measures().gap_y, 4);
    EXPECT_EQ(w.window.layout_measures().column_width, 65);
    EXPECT_EQ(w.window.layout_measures().row_height, 22);
    struct Row {
        QWidget* c;
        double left, top, width, height;
    };
    const double X0 = 552, x4 = X0 + 87.75 + 8, xc = X0 + 91 + 28;
    const Row rows[] = {
        {f.picture, 4, 4, 544, 544},
        {f.q1_heading, X0, 4, 65, 22},
        {f.q1_bar, X0 + 65, 4, 21.67, 44},
        {f.q1_value, X0, 26, 65, 22},
        {f.q2_heading, X0, 52, 65, 22},
        {f.q2_bar, X0 + 65, 52, 21.67, 44},
        {f.q2_value, X0, 74, 65, 22},
        {f.size_heading, X0, 100, 65, 22},
        {f.size_bar, X0 + 65, 100, 21.67, 44},
        {f.size_value, X0, 122, 65, 22},
        {f.level_count_heading, X0, 200, 97.5, 33},
        {f.level_count_edit, X0 + 97.5, 200, 32.5, 22},
        {f.line_count_heading, X0, 238, 97.5, 33},
        {f.line_count_edit, X0 + 97.5, 238, 32.5, 22},
        {f.compute_button, X0 + 32.5, 278, 65, 22},
        {f.phi_along_x_check, X0, 304, 87.75, 22},
        {f.y_fixed_edit, X0, 328, 48.75, 22},
        {f.phi_along_y_check, x4, 304, 87.75, 22},
        {f.x_fixed_edit, x4, 328, 48.75, 22},
        {f.ex_along_x_check, X0, 354, 87.75, 22},
        {f.ey_along_x_check, X0, 380, 87.75, 22},
        {f.ex_along_y_check, x4, 354, 87.75, 22},
        {f.ey_along_y_check, x4, 380, 87.75, 22},
        {f.readout_x_heading, X0, 430, 45.5, 22},
        {f.readout_x_value, X0 + 45.5, 430, 52, 22},
        {f.readout_y_heading, X0, 454, 45.5, 22},
        {f.readout_y_value, X0 + 45.5, 454, 52, 22},
        {f.readout_phi_heading, X0, 478, 65, 22},
        {f.readout_phi_value, X0 + 65, 478, 48.75, 22},
        {f.readout_ex_heading, X0, 502, 65, 22},
        {f.readout_ex_value, X0 + 65, 502, 48.75, 22},
        {f.readout_ey_heading, X0, 526, 65, 22},
        {f.readout_ey_value, X0 + 65, 526, 48.75, 22},
        {f.chosen_potential_button, xc, 430, 45.5, 22},
        {f.chosen_potential_edit, xc, 452, 45.5, 22},
        {f.log_check, X0 + 65 + 48.75 + 4, 502, 61.425, 22},
    };
    for (std::size_t n = 0; n < std::size(rows); ++n) {
        const Row& r = rows[n];
        const QRect g = r.c->geometry();
        SCOPED_TRACE(testing::Message() << "row " << n << ": " << g.x() << "," << g.y() << " "
                                        << g.width() << "x" << g.height());
        EXPECT_NEAR(g.x(), r.left, 1.0);
        EXPECT_NEAR(g.y(), r.top, 1.0);
        EXPECT_NEAR(g.width(), r.width, 1.0);
        EXPECT_NEAR(g.height(), r.height, 1.0);
    }
    EXPECT_EQ(f.picture->geometry(), QRect(4, 4, 544, 544));
    EXPECT_EQ(f.x_fixed_edit->height(), f.y_fixed_edit->height());
    // The list two columns wide at least, or as wide as its items need within the column.
    EXPECT_EQ(f.families_list->geometry().topLeft(), QPoint(X0, 148));
    EXPECT_EQ(f.families_list->height(), 55);
    EXPECT_GE(f.families_list->width(), 130);
    EXPECT_LE(f.families_list->geometry().right(), x4 + 87.75);
}

// A taller window makes the picture larger and moves the column; a window too low for a picture
// (even minimised to nothing) does not fail and recovers when it grows again.
TEST(MainWindow, ResizingAndAWindowTooLow) {
    Window w;
    w.window.resize(900, 700);
    QTest::qWait(50);
    const int inner = w.window.centralWidget()->height();
    EXPECT_EQ(w.ui.picture->height(), inner - 8);
    EXPECT_EQ(w.ui.q1_heading->x(), inner);
    EXPECT_EQ(w.ui.compute_button->y(), 278);
    for (int h : {40, 10, 5, 1}) {
        w.window.resize(300, h);
        QTest::qWait(20);
    }
    w.ui.compute_button->click(); // drawing on whatever picture is left must not fail either
    w.window.resize(MainWindow::kInnerWidth, 600);
    QTest::qWait(50);
    EXPECT_EQ(w.ui.picture->height(), w.window.centralWidget()->height() - 8);
    EXPECT_GT(count_colour(w.picture(), qRgb(128, 255, 128)), 1000);
}

// «расчёт»: the picture gets the blue dots and the dark-red lines, the tone sounds, the level step
// goes to the tool-tip and the caption tells the seconds the computation took.
TEST(MainWindow, ComputeDrawsAndTimes) {
    Window w;
    const QImage before = w.picture();
    w.ui.compute_button->click();
    const QImage after = w.picture();
    EXPECT_NE(before, after);
    EXPECT_GT(count_colour(after, kBlueDots), 100);
    EXPECT_GT(count_colour(after, kRedLines), 100);
    ASSERT_EQ(w.platform.tones.size(), 1u);
    EXPECT_EQ(w.platform.tones[0], std::make_pair(880, 120));
    EXPECT_EQ(w.ui.level_count_heading->toolTip(), QStringLiteral("через  7.75 B"));
    const QString title = w.window.windowTitle();
    const QString head =
        QString::fromUtf8(kComputingTitle.text) + QStringLiteral(". Время расчета ");
    EXPECT_TRUE(title.startsWith(head)) << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral(" c"))) << title.toStdString();
    bool ok = false;
    const int seconds = title.mid(head.size()).chopped(2).toInt(&ok);
    EXPECT_TRUE(ok) << title.toStdString();
    EXPECT_GE(seconds, 0);
    EXPECT_LT(seconds, 60);

    // The picture box's list of what it drew, replayed on a blank image, gives the same pixels:
    // the exports render this list.
    QtPictureBox& box = *w.ui.picture;
    ASSERT_TRUE(box.display_list().complete());
    QImage replay(after.size(), after.format());
    replay.setDevicePixelRatio(after.devicePixelRatio());
    replay.fill(box.background());
    QPainter p(&replay);
    paint_display_list(p, QSizeF(box.size()), box.font(), box.display_list());
    p.end();
    EXPECT_EQ(replay, after);
}

// The name a screen reader tells for a widget, or its description.
QString accessible_text(QWidget* w, QAccessible::Text which) {
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(which) : QString();
}

// Tab runs through every input of the window in reading order, the picture first, then the
// column row by row and left to right, and Shift+Tab back; every control that takes the focus,
// and every label, has a name and a description for screen readers, in the main window, the
// profile windows and the Authors window. The window opens with the focus on the list.
TEST(MainWindow, KeyboardAndScreenReadersReachEveryControl) {
    Window w;
    QApplication::setActiveWindow(&w.window);
    EXPECT_EQ(QApplication::focusWidget(), w.ui.families_list);
    const MainWindowControls& f = w.ui;
    // The controls by their object names.
    const QStringList reading =
        QStringLiteral("picture q1_heading q1_bar q2_heading q2_bar size_heading size_bar "
                       "families_list level_count_edit line_count_edit compute_button "
                       "phi_along_x_check phi_along_y_check y_fixed_edit x_fixed_edit "
                       "ex_along_x_check ex_along_y_check ey_along_x_check ey_along_y_check "
                       "chosen_potential_button chosen_potential_edit log_check")
            .split(' ');
    f.log_check->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype n = 0; n < reading.size(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, reading);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), f.chosen_potential_edit);
    for (QWidget* c : f.inner->findChildren<QWidget*>()) {
        if (c->isVisible() && (c->focusPolicy() & Qt::TabFocus) != 0) {
            EXPECT_TRUE(reading.contains(c->objectName()))
                << "Tab misses " << c->objectName().toStdString();
        }
    }

    for (QCheckBox* check : {f.phi_along_x_check, f.phi_along_y_check, f.ex_along_x_check,
                             f.ey_along_x_check, f.ex_along_y_check, f.ey_along_y_check}) {
        check->setChecked(true);
    }
    f.authors_action->trigger();
    std::vector<QWidget*> windows = {&w.window, w.window.authors_window()};
    for (const ProfileKind& kind : kProfiles) {
        windows.push_back(&w.window.profile(kind.id));
    }
    int controls = 0;
    for (QWidget* window : windows) {
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (!c->isVisible() || (c->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel*>(c))) {
                continue;
            }
            SCOPED_TRACE(window->windowTitle().toStdString() + ": " +
                         c->objectName().toStdString());
            EXPECT_FALSE(accessible_text(c, QAccessible::Name).trimmed().isEmpty());
            EXPECT_FALSE(accessible_text(c, QAccessible::Description).trimmed().isEmpty());
            ++controls;
        }
    }
    // The 22 inputs and 15 labels of the main window, the Authors window's two labels, a
    // profile window's graph, scale bar and label.
    EXPECT_GE(controls, 22 + 15 + 2 + 6 * 3);
    // The profile's scale bar says its factor; the graph its line.
    ProfileWindow& profile = w.window.profile(ProfileId::PhiAlongX);
    EXPECT_EQ(profile.scale_bar->accessibleName(), QStringLiteral("Масштаб оси значений: 1.0"));
    EXPECT_EQ(profile.picture->accessibleDescription(), profile.graph_title());
    // Tab in a profile window: the scale bar, then the graph.
    QApplication::setActiveWindow(&profile);
    profile.scale_bar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(profile.scale_bar, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), profile.picture);
}

// The list chooses the families and shows only the count input they need.
TEST(MainWindow, ListChoosesTheFamilies) {
    struct Case {
        int row, kind;
        bool levels, field;
    };
    Window w;
    for (const Case c :
         {Case{0, 1, true, false}, Case{1, 2, false, true}, Case{2, 3, true, true}}) {
        SCOPED_TRACE(c.row);
        w.ui.families_list->setCurrentRow(c.row);
        EXPECT_EQ(w.m.families, static_cast<LineFamilies>(c.kind));
        EXPECT_EQ(w.ui.level_count_heading->isVisible(), c.levels);
        EXPECT_EQ(w.ui.level_count_edit->isVisible(), c.levels);
        EXPECT_EQ(w.ui.line_count_heading->isVisible(), c.field);
        EXPECT_EQ(w.ui.line_count_edit->isVisible(), c.field);
    }
}

// A scroll-bar step changes its value, its label and its name, and redraws the frame and the
// charges only: the lines of the last computation are gone.
TEST(MainWindow, ScrollBarStepRedrawsTheFrameOnly) {
    Window w;
    w.ui.compute_button->click();
    // One step towards the top end.
    w.ui.q1_bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_DOUBLE_EQ(w.m.q1, 0.45);
    EXPECT_EQ(w.ui.q1_value->text(), QStringLiteral("0.45"));
    // The bar says the new value to screen readers; the picture's description
    // tells the new charge and no lines.
    EXPECT_EQ(w.ui.q1_bar->accessibleName(), QStringLiteral("Заряд Q1 слева: 0.45 нКл"));
    // Its step in the same notation.
    EXPECT_EQ(w.ui.q1_bar->accessibleDescription(),
              QStringLiteral("Заряд слева: от −1 до 1 нКл с шагом 0.05; клавиши со стрелками "
                             "меняют его на шаг"));
    EXPECT_EQ(
        w.ui.picture->accessibleDescription(),
        QStringLiteral("Поле двух точечных зарядов: q1 = 0.45 нКл (x = -0.5 м), q2 = -0.1 нКл "
                       "(x = 0.5 м); область x, y от -4 до 4 м. Нарисовано: координатная "
                       "сетка с осями, заряды."));
    QImage img = w.picture();
    EXPECT_EQ(count_colour(img, kBlueDots) + count_colour(img, kRedLines), 0);
    EXPECT_GT(count_colour(img, qRgb(255, 0, 0)), 0);
    EXPECT_GT(count_colour(img, qRgb(128, 255, 128)), 1000);

    w.ui.size_bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_DOUBLE_EQ(w.m.half_width, 3.5);
    EXPECT_EQ(w.ui.size_value->text(), QStringLiteral("3.50"));
    w.ui.q2_bar->setPosition(-20);
    EXPECT_EQ(w.ui.q2_value->text(), QStringLiteral("-1.00"));
    EXPECT_EQ(w.ui.q2_bar->accessibleName(), QStringLiteral("Заряд Q2 справа: -1.00 нКл"));
}

// A part of a bar (thumb, trough) where its style puts it.
QRect part(QScrollBar* b, QStyle::SubControl which) {
    QStyleOptionSlider opt;
    opt.initFrom(b);
    opt.orientation = b->orientation();
    opt.minimum = b->minimum();
    opt.maximum = b->maximum();
    opt.sliderPosition = b->sliderPosition();
    opt.sliderValue = b->value();
    opt.singleStep = b->singleStep();
    opt.pageStep = b->pageStep();
    return b->style()->subControlRect(QStyle::CC_ScrollBar, &opt, which, b);
}

// The thumb at the top end means +1.00 nC (and 7 m); the top arrow and the up key raise the
// value, the bottom arrow lowers it (the bottom arrow of the size takes L down to 1 m).
TEST(MainWindow, ScrollBarDirections) {
    Window w;
    PositionScrollBar* bar = w.ui.q1_bar;
    bar->setPosition(20);
    const int top_at_max = part(bar, QStyle::SC_ScrollBarSlider).top();
    bar->setPosition(-20);
    const int top_at_min = part(bar, QStyle::SC_ScrollBarSlider).top();
    EXPECT_LT(top_at_max, top_at_min) << "the largest position sits at the top";
    bar->setPosition(0);
    EXPECT_EQ(w.ui.q1_value->text(), QStringLiteral("0.00"));

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));
    EXPECT_EQ(bar->position(), 1) << "the top arrow raises the value";
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(bar->position(), -1) << "the bottom arrow lowers it";
    QTest::keyClick(bar, Qt::Key_Up);
    EXPECT_EQ(bar->position(), 0) << "the up key raises it";
    bar->setPosition(20);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));
    EXPECT_EQ(bar->position(), 20) << "the top end holds";
    EXPECT_DOUBLE_EQ(w.m.q1, 1.0);

    // The thumb of every bar is small, in the 44-pixel bars of the main window too: it shows
    // where the value stands, and dragging it moves the value in steps, not end to end.
    w.ui.phi_along_x_check->setChecked(true);
    for (PositionScrollBar* b : {w.ui.q1_bar, w.ui.q2_bar, w.ui.size_bar,
                                 w.window.profile(ProfileId::PhiAlongX).scale_bar}) {
        const QRect thumb = part(b, QStyle::SC_ScrollBarSlider);
        const QRect trough = part(b, QStyle::SC_ScrollBarGroove);
        EXPECT_LE(thumb.height(), trough.height() / 2);
        EXPECT_GE(thumb.height(), 6);
    }
    const auto drag = [bar](int up) {
        const QPoint thumb = part(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(bar, thumb - QPoint(0, up));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb - QPoint(0, up));
    };
    bar->setPosition(8);
    drag(0);
    EXPECT_EQ(bar->position(), 8) << "taking the thumb and letting it go changes nothing";
    drag(12);
    EXPECT_GT(bar->position(), 9);
    EXPECT_LT(bar->position(), 16) << "a drag of 12 pixels moves a few steps, not to the end";
    drag(-12);
    EXPECT_EQ(bar->position(), 8);
    EXPECT_DOUBLE_EQ(w.m.q1, 0.4);

    QScrollBar* size = w.ui.size_bar;
    for (int n = 0; n < 20; ++n) {
        QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(size->width() / 2, size->height() - 3));
    }
    EXPECT_DOUBLE_EQ(w.m.half_width, 1);
    EXPECT_EQ(w.ui.size_value->text(), QStringLiteral("1.00"));
}

// The text boxes: each keystroke hands the text to the session, which reads it as a number (a
// point or a comma, as the program's own labels write it under a Russian locale). Nothing
// redraws.
TEST(MainWindow, TextInputs) {
    Window w;
    w.ui.compute_button->click();
    const QImage drawn = w.picture();
    const MainWindowControls& f = w.ui;
    struct Case {
        QLineEdit* box;
        const char* text;
        double want;
    };
    const Case cases[] = {
        {f.y_fixed_edit, "0,5", 0.5},
        {f.chosen_potential_edit, "-1,255", -1.26f},
        {f.x_fixed_edit, "1e-1", 0.1},
        {f.line_count_edit, "3.5", 4},
        {f.chosen_potential_edit, "1e999", FLT_MAX},
        {f.level_count_edit, "2.5", 2.5},
    };
    for (const Case& c : cases) {
        c.box->setText(QString::fromUtf8(c.text));
        const double got = c.box == f.level_count_edit  ? w.m.level_intervals
                           : c.box == f.line_count_edit ? w.m.lines_per_charge
                           : c.box == f.y_fixed_edit    ? w.m.y_fixed
                           : c.box == f.x_fixed_edit    ? w.m.x_fixed
                                                        : w.m.chosen_potential;
        EXPECT_DOUBLE_EQ(got, c.want) << c.text;
    }
    EXPECT_EQ(w.picture(), drawn);
}

// Closing asks "Вы абсолютно уверены?" titled "На Выход"; No keeps everything, Yes ends.
TEST(MainWindow, ExitConfirmation) {
    Window w;
    w.ui.compute_button->click();
    const QImage drawn = w.picture();
    QSignalSpy exits(&w.window, &MainWindow::exit_confirmed);
    w.dialogs.answers = {false};
    EXPECT_FALSE(w.window.close());
    EXPECT_TRUE(w.window.isVisible());
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, "Вы абсолютно уверены?");
    EXPECT_EQ(w.dialogs.shown[0].title, "На Выход");
    EXPECT_TRUE(w.dialogs.shown[0].question);
    EXPECT_EQ(exits.count(), 0);
    EXPECT_EQ(w.picture(), drawn);
    EXPECT_DOUBLE_EQ(w.m.q1, 0.4);
    EXPECT_EQ(w.ui.y_fixed_edit->text(), QStringLiteral("0.10"));

    w.dialogs.answers = {true};
    EXPECT_TRUE(w.window.close());
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(w.dialogs.shown.size(), 2u);
}

// The box's list of what it drew, painted afresh by the painter alone, without the shortcuts.
QImage painted_by_painter(QtPictureBox& box) {
    const QImage shown = box.image();
    QImage img(shown.size(), shown.format());
    img.setDevicePixelRatio(shown.devicePixelRatio());
    img.fill(box.background());
    QPainter p(&img);
    PictureRenderer r(p, QSizeF(box.size()), box.font());
    r.set_raster_shortcuts(false);
    r.paint(box.display_list(), 0, box.display_list().size());
    return img;
}

// The shortcuts of the picture boxes (lines, dots, circles and the map drawn by src/raster
// straight into the pixels, texts laid out once) give the painter's pixels exactly: the main
// picture for several charges, sizes and counts, with the characteristic lines over it, the six
// profiles, and lines of every width the shortcuts take in and around a small picture.
TEST(MainWindow, FastPaintingGivesThePaintersPixels) {
    const RasterKinds kinds = PictureRenderer::raster_kinds();
    ASSERT_TRUE(kinds.thin_lines);
    ASSERT_TRUE(kinds.wide_lines);
    ASSERT_TRUE(kinds.circles);
    struct Case {
        int q1, q2, size;                     // the bars' positions
        const char *level_count, *line_count; // the counts' texts
    };
    Window w;
    for (const Case c :
         {Case{8, -2, 8, "11", "6"}, Case{-6, 18, 2, "40", "60"}, Case{12, 12, 14, "11", "30"},
          Case{8, 0, 4, "5", "20"}, Case{20, -1, 8, "11", "300"}}) {
        SCOPED_TRACE(testing::Message()
                     << c.q1 << " " << c.q2 << " " << c.size << " " << c.line_count);
        w.ui.q1_bar->setPosition(c.q1);
        w.ui.q2_bar->setPosition(c.q2);
        w.ui.size_bar->setPosition(c.size);
        w.ui.level_count_edit->setText(QString::fromLatin1(c.level_count));
        w.ui.line_count_edit->setText(QString::fromLatin1(c.line_count));
        w.ui.compute_button->click();
        w.window.explain_zero_potential();
        w.window.explain_zero_field();
        w.window.explain_field_direction();
        w.window.draw_chosen_equipotential();
        QtPictureBox& box = *w.ui.picture;
        ASSERT_TRUE(box.display_list().complete());
        EXPECT_EQ(box.image(), painted_by_painter(box));
    }
    for (QCheckBox* check : {w.ui.phi_along_x_check, w.ui.phi_along_y_check, w.ui.ex_along_x_check,
                             w.ui.ey_along_x_check, w.ui.ex_along_y_check, w.ui.ey_along_y_check}) {
        check->setChecked(true);
    }
    for (const ProfileKind& kind : kProfiles) {
        SCOPED_TRACE(kind.caption.text);
        QtPictureBox& box = *w.window.profile(kind.id).picture;
        EXPECT_GT(box.display_list().size(), 100u);
        EXPECT_EQ(box.image(), painted_by_painter(box));
    }

    // Lines one to three pixels wide, short and long, level, upright and slanted, inside the
    // picture, across its edges, just beyond them and far beyond one edge; dots and circles
    // (smaller than a pixel to larger than the picture, filled and not) over them.
    QtPictureBox box;
    box.resize(61, 47);
    box.set_scale(0, 0, 61, 47);
    std::uint32_t seed = 7;
    const auto next = [&seed](double lo, double hi) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(lo + (hi - lo) * ((seed >> 8) / double(1 << 24)));
    };
    for (int i = 0; i < 4000; ++i) {
        box.pen_width = 1 + i % 3;
        const float reach = i % 5 == 0 ? 80 : i % 5 == 1 ? 0.3f : 6;
        const float x = next(-12, 73), y = next(-12, 59);
        const float x2 = i % 7 == 0 ? x : x + next(-reach, reach);
        const float y2 = i % 11 == 0 ? y : y + next(-reach, reach);
        box.line(x, y, x2, y2, rgb(i % 256, 100, 200 - i % 200));
        if (i % 50 == 0) {
            box.dot(x, y, rgb(0, 0, 200));
        }
        if (i % 40 == 0) {
            box.filled = i % 80 == 0;
            box.fill_colour = rgb(0, 150, i % 256);
            box.circle(x, y, next(0.3, 40), rgb(150, 0, i % 256));
            box.filled = false;
        }
    }
    // A line reaching beyond a million pixels is left to the painter: drawn in its place in the
    // order, before a text and a dot.
    box.pen_width = 1;
    box.line(5.5f, 45.5f, 3e6f, 45.5f, rgb(0, 120, 0));
    box.current_x = 2;
    box.current_y = 20;
    box.text("E=0");
    box.dot(30, 30, rgb(0, 0, 200));
    EXPECT_EQ(box.image(), painted_by_painter(box));

    // A wandering curve and its mirror image traced together, in and out of the picture, in
    // steps of none to three pixels: kept as runs, they give the pixels of their segments
    // painted one by one.
    QtPictureBox runs, single;
    for (QtPictureBox* b : {&runs, &single}) {
        b->resize(61, 47);
        b->set_scale(-3, 2, 3, -2);
    }
    float x = -3.2f, y = 0.5f, angle = 0;
    for (int i = 0; i < 4000; ++i) {
        angle += next(-0.6f, 0.6f);
        const float step = i % 3 == 0 ? next(0, 0.3f) : next(0, 0.02f);
        const float x2 = std::clamp(x + step * std::cos(angle), -3.4f, 3.4f);
        const float y2 = std::clamp(y + step * std::sin(angle), -2.4f, 2.4f);
        for (QtPictureBox* b : {&runs, &single}) {
            b->line(x, y, x2, y2, rgb(200, 0, 0));
            single.image(); // painted: the next segment starts afresh
            b->line(x, -y, x2, -y2, rgb(200, 0, 0));
            single.image();
        }
        x = x2;
        y = y2;
    }
    EXPECT_LT(runs.display_list().size(), 10u);
    EXPECT_EQ(runs.image(), single.image());
}

QProgressDialog* progress_window(MainWindow& window) {
    for (QProgressDialog* d : window.findChildren<QProgressDialog*>()) {
        if (d->isVisible()) {
            return d;
        }
    }
    return nullptr;
}

// Pixels of one grey (antialiased text is grey too, arrows are).
int grey_pixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            n += qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 0 && qRed(c) < 255;
        }
    }
    return n;
}

// Each item of «Вид» ticked shows its view: the map gives pixels between the grid lines the
// colour of the potential at their centres (to a colour step), the arrows add grey strokes, the
// lines of equal flux (after «расчёт») the separatrix; the legend's values stand in the picture;
// the exact equipotentials and the charges' signs are named in the picture's description.
// Unticked, the picture is as before, pixel for pixel. Computed lines stay through the change.
TEST(MainWindow, ViewsShowInThePictureAndLeaveNoTrace) {
    Window w;
    const auto map_shown = [&w](const QImage& img) {
        const ChargePair c = charge_pair(w.m);
        const PotentialScale scale = potential_scale(c, kChargeRadius);
        // Points between the grid lines, off the labels, near a charge and far from both.
        for (const auto& [x, y] : {std::pair{-3.125, -3.125},
                                   {-0.625, 0.375},
                                   {0.625, 0.125},
                                   {1.375, -1.125},
                                   {2.625, 1.875},
                                   {-1.875, -2.375}}) {
            const QPointF px = w.ui.picture->to_pixels(x, y);
            const int i = static_cast<int>(px.x()), j = static_cast<int>(px.y());
            const QPointF centre = w.ui.picture->to_user(QPointF(i + 0.5, j + 0.5));
            const double v = coulomb::potential(w.m, centre.x(), centre.y());
            const QRgb want = potential_colour(scale.position(v));
            const QRgb got = img.pixel(i, j);
            EXPECT_NEAR(qRed(got), qRed(want), 2) << x << " " << y;
            EXPECT_NEAR(qGreen(got), qGreen(want), 2) << x << " " << y;
            EXPECT_NEAR(qBlue(got), qBlue(want), 2) << x << " " << y;
        }
        // The legend's top value in the top-right corner.
        const QRect corner(img.width() - 80, 0, 80, 60);
        EXPECT_GT(text_shown(img.copy(corner), QStringLiteral("100"), w.ui.picture->font(),
                             QPoint(40, 22), 20),
                  0.9);
    };
    const int plain_grey = grey_pixels(w.picture());
    const struct {
        const char* name;
        QAction* action;
        bool compute;
        std::function<void(const QImage&)> shown;
    } rows[] = {
        {"map", w.ui.potential_map_action, false, map_shown},
        {"arrows", w.ui.arrows_action, false,
         [&](const QImage& img) { EXPECT_GT(grey_pixels(img), plain_grey + 2000); }},
        {"flux lines", w.ui.flux_lines_action, true,
         [](const QImage& img) { EXPECT_GT(count_colour(img, qRgb(140, 0, 170)), 100); }},
        {"exact equipotentials", w.ui.exact_equipotentials_action, true,
         [&w](const QImage&) {
             EXPECT_TRUE(w.ui.picture->accessibleDescription().contains(
                 QStringLiteral("точные эквипотенциали с подписями уровней")));
             EXPECT_EQ(w.ui.level_count_heading->toolTip(),
                       QStringLiteral("уровни подписаны на линиях"));
         }},
        {"charges' signs", w.ui.charge_marks_action, false,
         [&w](const QImage& img) {
             // The left charge a red disc of 7 pixels, not one of 0.02 m.
             EXPECT_GT(count_colour(img, qRgb(255, 0, 0)), 100);
             EXPECT_TRUE(w.ui.picture->accessibleDescription().contains(
                 QStringLiteral("заряды со знаками")));
         }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto picture = [&] {
            if (r.compute) {
                w.ui.compute_button->click();
            }
            return w.picture();
        };
        const QImage before = picture();
        r.action->setChecked(true);
        const QImage with = picture();
        EXPECT_NE(with, before);
        r.shown(with);
        r.action->setChecked(false);
        EXPECT_EQ(picture(), before);
    }
    EXPECT_FALSE(w.m.views.potential_map || w.m.views.arrows || w.m.views.flux_lines ||
                 w.m.views.exact_equipotentials || w.m.views.charge_marks);

    // Ticked over computed lines, a view redraws them and what was drawn over them, and the
    // picture's description names it.
    w.ui.compute_button->click();
    w.window.explain_zero_field();
    w.ui.arrows_action->setChecked(true);
    const QImage img = w.picture();
    EXPECT_GT(count_colour(img, kRedLines), 100);
    EXPECT_GT(count_colour(img, qRgb(120, 120, 0)), 100);
    EXPECT_TRUE(w.ui.picture->accessibleDescription().endsWith(
        QStringLiteral("Нарисовано: координатная сетка с осями, стрелки поля, заряды, линии "
                       "потенциала, линии напряжённости, точка нулевой напряжённости и линия "
                       "потенциала через неё.")))
        << w.ui.picture->accessibleDescription().toStdString();
    w.ui.arrows_action->setChecked(false);
}

// With «Пересчитывать сразу» on, a scroll bar dragged (at each step it passes while held) and a
// count typed each give the picture of the same change followed by «расчёт» and the zero-field
// point drawn again, but leave the caption and the tone, and tell nothing; a count that would
// take over half a second clears the lines as without it, without a progress window.
TEST(MainWindow, LiveRedrawIsTheComputationWithoutCaptionOrTone) {
    Window live, plain;
    live.ui.live_action->setChecked(true);
    EXPECT_GT(count_colour(live.picture(), kRedLines), 100); // drawn at once
    live.window.explain_zero_field();
    plain.window.explain_zero_field();
    const auto title = live.window.windowTitle();
    PositionScrollBar* q2 = live.ui.q2_bar;
    const auto thumb = [q2] { return part(q2, QStyle::SC_ScrollBarSlider).center(); };
    const struct {
        const char* name;
        std::function<void()> change;
    } steps[] = {
        {"q2 dragged",
         [&] {
             const QPoint from = thumb();
             QTest::mousePress(q2, Qt::LeftButton, {}, from);
             QTest::mouseMove(q2, from - QPoint(0, 12));
             EXPECT_GT(q2->position(), -2); // moved up from -0.1 nC while held
         }},
        {"q2 let go", [&] { QTest::mouseRelease(q2, Qt::LeftButton, {}, thumb()); }},
        {"lines typed", [&] { live.ui.line_count_edit->setText(QStringLiteral("9")); }},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        s.change();
        plain.ui.q2_bar->setPosition(q2->position());
        plain.ui.line_count_edit->setText(live.ui.line_count_edit->text());
        plain.ui.compute_button->click();
        plain.window.explain_zero_field();
        EXPECT_EQ(live.picture(), plain.picture());
    }
    EXPECT_EQ(live.window.windowTitle(), title);
    EXPECT_TRUE(live.platform.tones.empty());
    EXPECT_EQ(live.dialogs.shown.size(), 1u); // the first explanation only

    live.ui.line_count_edit->setText(QStringLiteral("20000"));
    EXPECT_EQ(count_colour(live.picture(), kRedLines), 0);
    EXPECT_EQ(progress_window(live.window), nullptr);
}

// A computation still running after half a second shows the progress window; "Остановить"
// ends it at once with what was drawn so far, and the caption says it was stopped. The
// default computation is over long before and shows none. The waits are bounded generously.
// Meanwhile the main window takes no input.
TEST(MainWindow, LongComputationShowsProgressAndStops) {
    Window w;
    bool seen = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] { seen = seen || progress_window(w.window); });
    watch.start();
    w.ui.compute_button->click();
    watch.stop();
    EXPECT_FALSE(seen);

    w.ui.line_count_edit->setText(QStringLiteral("20000"));
    QElapsedTimer clock;
    qint64 shown_at = -1, stopped_at = -1, last_tick = -1, longest_gap = 0;
    int first_value = -1, last_value = -1;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest_gap = std::max(longest_gap, last_tick < 0 ? 0 : now - last_tick);
        last_tick = now;
        QProgressDialog* d = progress_window(w.window);
        if (d == nullptr || stopped_at >= 0) {
            return;
        }
        if (shown_at < 0) {
            shown_at = now;
            first_value = d->value();
            EXPECT_EQ(d->labelText(), QString::fromUtf8(Computation::kLabel));
            QTest::keyClicks(w.ui.level_count_edit, QStringLiteral("5"));
            EXPECT_EQ(w.ui.level_count_edit->text(), QStringLiteral("11"));
            // The window, its bar and its button are named for screen readers.
            EXPECT_FALSE(accessible_text(d, QAccessible::Name).isEmpty());
            for (QWidget* c : d->findChildren<QWidget*>()) {
                if (c->focusPolicy() != Qt::NoFocus || qobject_cast<QProgressBar*>(c)) {
                    EXPECT_FALSE(accessible_text(c, QAccessible::Name).isEmpty());
                    EXPECT_FALSE(accessible_text(c, QAccessible::Description).isEmpty());
                }
            }
        }
        last_value = d->value();
        if (now - shown_at < 300) {
            return; // let the bar move a little
        }
        for (QPushButton* b : d->findChildren<QPushButton*>()) {
            if (b->text() == QString::fromUtf8(Computation::kStop)) {
                stopped_at = clock.elapsed();
                QTest::mouseClick(b, Qt::LeftButton);
            }
        }
    });
    poll.start();
    clock.start();
    w.ui.compute_button->click();
    const qint64 ended_at = clock.elapsed();
    poll.stop();
    std::cout << "progress window after " << shown_at << " ms, stopped " << ended_at - stopped_at
              << " ms after the click, events handled at least every " << longest_gap << " ms\n";

    ASSERT_GE(shown_at, 0) << "no progress window";
    EXPECT_LE(shown_at, 1000);
    ASSERT_GE(stopped_at, 0) << "no stop button";
    EXPECT_LE(ended_at - stopped_at, 500);
    EXPECT_GT(last_value, first_value); // the bar moved
    EXPECT_EQ(progress_window(w.window), nullptr);
    // Part of the lines: some drawn, the last start angles not reached. The line from the left
    // charge of the first start angle from 3 rad on runs out to the left edge a little above the
    // axis, pixels away there from the lines of the angles below 2.99: none of its points
    // between x = -3.9 and -2 is red.
    const QImage part = w.picture();
    EXPECT_GT(count_colour(part, kRedLines), 100);
    const std::vector<double> angles = start_angles(w.m.lines_per_charge);
    const auto late = std::find_if(angles.begin(), angles.end(), [](double t) { return t >= 3; });
    ASSERT_NE(late, angles.end());
    RecordingPictureBox probe;
    FieldLineTracer(w.m, w.window.session().field_picture().charges).lines_at_angle(probe, *late);
    int probed = 0;
    for (const DrawCall& c : probe.of(DrawCall::Line, kFieldLineColour)) {
        for (int k = 0; k <= 20; ++k) {
            const double x = c.x1 + k / 20.0 * (c.x2 - c.x1);
            const double y = c.y1 + k / 20.0 * (c.y2 - c.y1);
            if (x > -3.9 && x < -2 && y > 0.05) {
                const QPointF px = w.ui.picture->to_pixels(x, y);
                ASSERT_NE(part.pixel(static_cast<int>(px.x()), static_cast<int>(px.y())) & 0xFFFFFF,
                          kRedLines & 0xFFFFFF)
                    << "(" << x << ", " << y << ")";
                ++probed;
            }
        }
    }
    EXPECT_GT(probed, 50);
    EXPECT_TRUE(w.window.windowTitle().endsWith(QString::fromUtf8(kStoppedNote.text)))
        << w.window.windowTitle().toStdString();
    EXPECT_TRUE(w.platform.tones.size() == 1u); // the default computation's only
}

// A close request while "Расчёт…" shows, sent as the window manager's is (to the window, which
// no modal window may block, or the window system would drop it), stops the computation and
// asks the exit question at once; No keeps the window with what was drawn.
TEST(MainWindow, CloseDuringComputationStopsItAndAsks) {
    Window w;
    w.ui.line_count_edit->setText(QStringLiteral("20000"));
    QElapsedTimer clock;
    qint64 closed_at = -1;
    bool blocked = true;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (closed_at < 0 && progress_window(w.window) != nullptr) {
            blocked = QGuiApplication::modalWindow() != nullptr;
            closed_at = clock.elapsed();
            QCloseEvent close;
            QCoreApplication::sendEvent(w.window.windowHandle(), &close);
            EXPECT_TRUE(w.dialogs.shown.empty());
        }
    });
    poll.start();
    clock.start();
    w.ui.compute_button->click();
    const qint64 ended_at = clock.elapsed();
    poll.stop();

    ASSERT_GE(closed_at, 0) << "no progress window";
    EXPECT_FALSE(blocked);
    EXPECT_LE(ended_at - closed_at, 500);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_TRUE(w.dialogs.shown[0].question);
    EXPECT_EQ(w.dialogs.shown[0].text, "Вы абсолютно уверены?");
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_TRUE(w.window.windowTitle().endsWith(QString::fromUtf8(kStoppedNote.text)));
}

} // namespace
