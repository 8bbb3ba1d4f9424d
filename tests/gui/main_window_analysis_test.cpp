// The main window as an instrument: the characteristic-line clicks, the chosen equipotential,
// the pointer readout and the point log, on the offscreen platform; that the controls reach the
// session and show what it returns (what each action does is tested without the window, in
// core/session_test.cpp).
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "analysis/point_log.h"
#include "analysis/readout.h"
#include "model/numbers.h"
#include "model/point_field.h"
#include "support/files.h"
#include "support/log_header.h"
#include "support/main_window.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"

namespace {

struct Window : ShownMainWindow {
    int pixels(QRgb colour) { return count_colour(picture(), colour); }
    // The pixel of the picture nearest a point in metres, and that pixel's own coordinates.
    QPoint pixel_of(double x, double y) const { return ui.picture->to_pixels(x, y).toPoint(); }
    QPointF user_of(QPoint p) const { return ui.picture->to_user(QPointF(p)); }
    void move_to(QPoint p) { QTest::mouseMove(ui.picture, p); }
    void double_click(QPoint p) {
        move_to(p);
        QTest::mouseDClick(ui.picture, Qt::LeftButton, Qt::NoModifier, p);
    }
    const RecordingDialogs::Shown& last() const { return dialogs.shown.back(); }
};

// How many of this process's open files are the given one.
int open_descriptors_of(const QString& path) {
    const std::filesystem::path target = std::filesystem::weakly_canonical(path.toStdString());
    int n = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        std::error_code ec2;
        n += std::filesystem::read_symlink(e.path(), ec2) == target;
    }
    return n;
}

const QByteArray kDefaultHeader = kDefaultLogHeader;

// Each heading click draws its lines on the picture and explains them.
TEST(MainWindowAnalysis, HeadingClicksDrawAndExplain) {
    Window w;
    QTest::mouseClick(w.ui.q1_heading, Qt::LeftButton);
    EXPECT_GT(w.pixels(qRgb(255, 0, 255)), 100);
    ASSERT_FALSE(w.dialogs.shown.empty());
    EXPECT_EQ(w.last().title, "Линия нулевого потенциала");

    QTest::mouseClick(w.ui.q2_heading, Qt::LeftButton);
    EXPECT_GT(w.pixels(qRgb(120, 120, 0)), 100);
    EXPECT_GT(w.pixels(qRgb(120, 0, 0)), 4);
    EXPECT_EQ(w.last().title, "Точка с нулевой напряжённостью");

    QTest::mouseClick(w.ui.size_heading, Qt::LeftButton);
    EXPECT_GT(w.pixels(qRgb(153, 0, 0)), 100);
    EXPECT_EQ(w.last().title, "Характерные линии");
    EXPECT_EQ(w.dialogs.shown.size(), 3u);
    // The picture's description names what the clicks drew over the frame.
    EXPECT_TRUE(w.ui.picture->accessibleDescription().endsWith(
        QStringLiteral("Нарисовано: координатная сетка с осями, заряды, линия нулевого "
                       "потенциала, точка нулевой напряжённости и линия потенциала через неё, "
                       "линии горизонтального и вертикального поля.")))
        << w.ui.picture->accessibleDescription().toStdString();
    // A click leaves the keyboard focus where it was.
    EXPECT_EQ(w.window.focusWidget(), w.ui.families_list);
}

// The headings are buttons for the keyboard and for screen readers: each takes the focus by
// Tab, shows it in a frame of its own around it (its own pixels unchanged) and draws and explains
// on Space, Return or Enter, and on the press action of its accessible interface.
TEST(MainWindowAnalysis, HeadingsArePressedFromTheKeyboard) {
    Window w;
    QApplication::setActiveWindow(&w.window);
    struct Row {
        ClickLabel* heading;
        Qt::Key key;
        const char* title;
    };
    const Row rows[] = {{w.ui.q1_heading, Qt::Key_Space, "Линия нулевого потенциала"},
                        {w.ui.q2_heading, Qt::Key_Return, "Точка с нулевой напряжённостью"},
                        {w.ui.size_heading, Qt::Key_Enter, "Характерные линии"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.title);
        const QImage plain = r.heading->grab().toImage();
        const QImage around = w.window.grab(r.heading->geometry().adjusted(-4, -4, 4, 4)).toImage();
        w.ui.picture->setFocus(Qt::MouseFocusReason);
        while (w.window.focusWidget() != r.heading) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_NE(w.window.focusWidget(), w.ui.picture) << "Tab does not reach the heading";
        }
        EXPECT_EQ(r.heading->grab().toImage(), plain);
        EXPECT_NE(w.window.grab(r.heading->geometry().adjusted(-4, -4, 4, 4)).toImage(), around);

        w.dialogs.shown.clear();
        QTest::keyClick(r.heading, r.key);
        ASSERT_EQ(w.dialogs.shown.size(), 1u);
        EXPECT_EQ(w.last().title, r.title);

        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(r.heading);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_TRUE(face->text(QAccessible::Name).startsWith(r.heading->text()));
        ASSERT_NE(face->actionInterface(), nullptr);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(w.dialogs.shown.size(), 2u);
        EXPECT_EQ(w.last().title, r.title);
    }
}

// The chosen potential's button draws blue dots without a message.
TEST(MainWindowAnalysis, ChosenEquipotential) {
    Window w;
    const int before = w.pixels(qRgb(0, 0, 255)); // the negative charge's disc
    w.ui.chosen_potential_edit->setText(QStringLiteral("2"));
    QTest::mouseClick(w.ui.chosen_potential_button, Qt::LeftButton);
    EXPECT_GT(w.pixels(qRgb(0, 0, 255)), before + 100);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// A pointer move sets the five labels from the point functions at the pointer.
TEST(MainWindowAnalysis, PointerReadout) {
    Window w;
    const QPoint p = w.pixel_of(1, 1);
    w.move_to(p);
    const QPointF u = w.user_of(p);
    const Readout r = readout_at(w.m, static_cast<float>(u.x()), static_cast<float>(u.y()));
    EXPECT_EQ(w.ui.readout_x_value->text().toStdString(), r.x);
    EXPECT_EQ(w.ui.readout_y_value->text().toStdString(), r.y);
    EXPECT_EQ(w.ui.readout_phi_value->text().toStdString(), r.fi);
    EXPECT_EQ(w.ui.readout_ex_value->text().toStdString(), r.Ex);
    EXPECT_EQ(w.ui.readout_ey_value->text().toStdString(), r.Ey);
    EXPECT_NEAR(w.ui.readout_x_value->text().toDouble(), 1, 0.02);
    // fi(1, 1) = 9*(0.4/sqrt(3.25) - 0.1/sqrt(1.25)) = 1.192 V for the defaults.
    EXPECT_NEAR(w.ui.readout_phi_value->text().toDouble(), 1.192, 0.02);
    // Screen readers hear the value with what it is and its unit.
    EXPECT_EQ(w.ui.readout_ex_value->accessibleName(),
              QStringLiteral("Ex под указателем: %1 В/м").arg(w.ui.readout_ex_value->text()));

    // Next to the left charge the field runs to five digits before the point, negative on its
    // left (Ex = -9*0.4/0.015^2 = -16000 V/m): every number shows whole, sign and last digit.
    w.window.show_readout(-0.515f, 0.0005f);
    EXPECT_LT(w.ui.readout_ex_value->text().toDouble(), -15000);
    for (QLabel* l : {w.ui.readout_x_value, w.ui.readout_y_value, w.ui.readout_phi_value,
                      w.ui.readout_ex_value, w.ui.readout_ey_value}) {
        SCOPED_TRACE(l->text().toStdString());
        const QImage shown = l->grab().toImage();
        EXPECT_GT(text_shown(shown, l->text(), l->font(), l->contentsRect().topLeft(), 12), 0.97);
    }
}

// A locale with a decimal comma: the labels use it.
TEST(MainWindowAnalysis, PointerReadoutWithADecimalComma) {
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    {
        Window w;
        w.window.show_readout(-0.25f, 2.0f);
        EXPECT_EQ(w.ui.readout_x_value->text(), QStringLiteral("-0,250"));
        EXPECT_EQ(w.ui.readout_y_value->text(), QStringLiteral("2,000"));
    }
    QLocale::setDefault(old);
}

// On, three double clicks at known points, off: the header and the three readouts under the
// pointer, on disk as soon as each double click has been handled; the file closed.
TEST(MainWindowAnalysis, LogSession) {
    InTempDir tmp;
    Window w;
    w.ui.log_check->click();
    ASSERT_TRUE(w.ui.log_check->isChecked());
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.last().title, "Подсказка");
    EXPECT_EQ(w.last().text, log_hint_text());
    EXPECT_EQ(read_all(tmp.path("kerant.txt")), kDefaultHeader);

    QByteArray expected = kDefaultHeader;
    for (const auto& [x, y] : {std::pair{1.0, 1.0}, std::pair{-2.0, -0.5}, std::pair{0.3, 3.0}}) {
        const QPoint p = w.pixel_of(x, y);
        w.double_click(p);
        const QPointF u = w.user_of(p);
        const Readout r = readout_at(w.m, static_cast<float>(u.x()), static_cast<float>(u.y()));
        expected += QByteArray::fromStdString(log_line(r.x, r.y, r.fi, r.Ex, r.Ey));
        // On disk as soon as the double click has been handled.
        EXPECT_EQ(read_all(tmp.path("kerant.txt")), expected);
    }
    w.ui.log_check->click();
    EXPECT_FALSE(w.ui.log_check->isChecked());
    EXPECT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(open_descriptors_of(tmp.path("kerant.txt")), 0);
    EXPECT_EQ(read_all(tmp.path("kerant.txt")), expected);
}

// A double click before any pointer move still logs five numbers.
TEST(MainWindowAnalysis, DoubleClickBeforeAnyMove) {
    InTempDir tmp;
    Window w;
    w.ui.log_check->click();
    w.window.log_point();
    w.ui.log_check->click();
    const QByteArray file = read_all(tmp.path("kerant.txt"));
    const QByteArray line = file.mid(kDefaultHeader.size()).trimmed();
    const QList<QByteArray> f = line.simplified().split(' ');
    ASSERT_EQ(f.size(), 5) << line.toStdString();
    for (const QByteArray& v : f) {
        bool ok = false;
        v.toDouble(&ok);
        EXPECT_TRUE(ok) << v.toStdString();
    }
}

// The file cannot be created (its name taken by a folder): a warning, the box unticked, the
// program going on; a double click asks to switch the log on.
TEST(MainWindowAnalysis, UnwritableLog) {
    InTempDir tmp;
    ASSERT_TRUE(QDir(tmp.path(".")).mkdir(QStringLiteral("kerant.txt")));
    Window w;
    w.ui.log_check->click();
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_EQ(w.last().title, "ПРЕДУПРЕЖДЕНИЕ");
    EXPECT_FALSE(w.ui.log_check->isChecked());
    w.double_click(w.pixel_of(1, 1));
    EXPECT_EQ(w.last().text, "Сначала включите чекбокс вывода в файл");
    EXPECT_FALSE(w.ui.log_check->isChecked());
    EXPECT_TRUE(w.window.isVisible());
}

// A confirmed exit closes the log, leaving it complete.
TEST(MainWindowAnalysis, ConfirmedExitClosesTheLog) {
    InTempDir tmp;
    Window w;
    w.ui.log_check->click();
    w.double_click(w.pixel_of(-1, 2));
    const QByteArray logged = read_all(tmp.path("kerant.txt"));
    EXPECT_EQ(open_descriptors_of(tmp.path("kerant.txt")), 1);
    w.dialogs.answers.push_back(true);
    bool exited = false;
    QObject::connect(&w.window, &MainWindow::exit_confirmed, [&exited] { exited = true; });
    w.window.close();
    EXPECT_TRUE(exited);
    EXPECT_EQ(open_descriptors_of(tmp.path("kerant.txt")), 0);
    EXPECT_EQ(read_all(tmp.path("kerant.txt")), logged);
    EXPECT_GT(logged.size(), kDefaultHeader.size());
}

} // namespace
