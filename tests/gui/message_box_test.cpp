// The main window with real modal message boxes, driven as a person drives it: a box that
// opens while the user clicks or types neither repeats the click nor swallows the keys, and its
// buttons speak Russian whatever the locale (these tests run under LC_ALL=C).
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/main_window.h"
#include "support/pixels.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

namespace {

// The main window with Qt's own modal boxes, active, as on the screen.
struct BoxedWindow : MainWindowWith<QtDialogs> {
    BoxedWindow() {
        dialogs.set_parent(&window);
        activate();
    }
    void activate() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

// Watches for modal message boxes while the test acts: records each box's text and sorted
// button texts, and answers it (`answer`, or as Escape does) once it has stood `hold_ms`.
class BoxWatcher {
  public:
    std::vector<std::pair<QString, QStringList>> seen;
    int hold_ms = 50;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;

    BoxWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box != current_) {
            current_ = box;
            since_.start();
            QStringList buttons;
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text();
            }
            buttons.sort();
            seen.emplace_back(box->text(), buttons);
        }
        if (box && since_.elapsed() >= hold_ms) {
            current_ = nullptr;
            QAbstractButton* b = box->button(answer);
            b ? b->click() : box->reject();
        }
    }
    QTimer timer_;
    QPointer<QMessageBox> current_;
    QElapsedTimer since_;
};

// Types the keys one every 40 ms into whichever window has the focus, as a person types: a box
// that opens in between gets the keys that follow it.
void type_keys(const char* keys) {
    const int n = static_cast<int>(std::strlen(keys));
    auto typed = std::make_shared<int>(0);
    for (int k = 0; k < n; ++k) {
        QTimer::singleShot(40 * (k + 1), [key = keys[k], typed] {
            if (QWindow* target = QGuiApplication::focusWindow()) {
                QTest::keyClick(target, key);
            }
            ++*typed;
        });
    }
    for (int waited = 0; *typed < n && waited < 10000; waited += 20) {
        QTest::qWait(20);
    }
    QTest::qWait(100);
}

// With Q1 = 0, one click on Q2's lower arrow takes Q2 from 0.05 to 0, and the shown potential
// window warns that there is no field. The box takes the mouse release, as on the screen, and
// holds longer than the wait before an arrow repeats: still one step, and the wheel then moves
// the value one step and no more.
TEST(MessageBoxes, OneArrowClickIsOneStepWhenABoxOpens) {
    BoxedWindow w;
    w.ui.phi_along_x_check->setChecked(true);
    w.activate();
    w.ui.q1_bar->setPosition(0);
    PositionScrollBar* bar = w.ui.q2_bar;
    bar->setPosition(1);
    BoxWatcher boxes;
    boxes.hold_ms = 800;
    const QPoint arrow(bar->width() / 2, bar->height() - 3);
    QTest::mousePress(bar, Qt::LeftButton, {}, arrow);
    QTest::qWait(300);
    EXPECT_EQ(bar->position(), 0);
    EXPECT_EQ(w.m.q2, 0);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].first, QStringLiteral("Зарядов нет?\nПоля нет-3!"));

    QWheelEvent up(QPointF(arrow), bar->mapToGlobal(QPointF(arrow)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &up);
    QTest::qWait(300);
    EXPECT_EQ(bar->position(), 1);
    EXPECT_DOUBLE_EQ(w.m.q2, 0.05);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow); // the test's own mouse is let go
}

// Every key of 0.3 typed into Yfix and into Xfix arrives, though at the 0 a profile window has
// nothing to draw (Ey on y = 0; fi and Ey on x = 0 for equal and opposite charges). Hidden, the
// windows draw nothing and say nothing; shown, Ey(x, Yfix) tells it in its own picture, without
// a box, and draws the curve when the 3 arrives.
TEST(MessageBoxes, EveryTypedKeyArrives) {
    BoxedWindow w;
    w.ui.q2_bar->setPosition(-8); // q2 = -0.4 = -q1
    BoxWatcher boxes;
    boxes.hold_ms = 300;
    for (QLineEdit* box : {w.ui.y_fixed_edit, w.ui.x_fixed_edit}) {
        box->setFocus();
        box->selectAll();
        type_keys("0.3");
        EXPECT_EQ(box->text(), QStringLiteral("0.3"));
    }
    EXPECT_DOUBLE_EQ(w.m.y_fixed, 0.3);
    EXPECT_DOUBLE_EQ(w.m.x_fixed, 0.3);

    w.ui.ey_along_x_check->setChecked(true);
    w.activate();
    QtPictureBox* picture = w.window.profile(ProfileId::EyAlongX).picture;
    w.ui.y_fixed_edit->setFocus();
    w.ui.y_fixed_edit->selectAll();
    type_keys("0");
    QImage img = picture->image();
    EXPECT_EQ(count_colour(img, qRgb(0, 0, 255)), 0);
    EXPECT_GT(text_shown(img, QStringLiteral("Ey=0!"), picture->font(), QPoint(0, 0), 60), 0.97);
    type_keys(".3");
    EXPECT_EQ(w.ui.y_fixed_edit->text(), QStringLiteral("0.3"));
    img = picture->image();
    EXPECT_GT(count_colour(img, qRgb(0, 0, 255)), 300);
    for (const auto& [text, buttons] : boxes.seen) {
        ADD_FAILURE() << "a box: " << text.toStdString();
    }
}

// The exit question has «Да» and «Нет»; a message has «ОК».
TEST(MessageBoxes, ButtonsSpeakRussian) {
    BoxedWindow w;
    BoxWatcher boxes;
    boxes.answer = QMessageBox::No;
    EXPECT_FALSE(w.window.close());
    EXPECT_TRUE(w.window.isVisible());
    w.ui.about_action->trigger();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].first, QStringLiteral("Вы абсолютно уверены?"));
    EXPECT_EQ(boxes.seen[0].second, QStringList({QStringLiteral("Да"), QStringLiteral("Нет")}));
    EXPECT_EQ(boxes.seen[1].second, QStringList({QStringLiteral("ОК")}));
}

} // namespace
