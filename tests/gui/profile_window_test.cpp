// The six profile windows of the main window on the offscreen platform: opening and closing by
// the check boxes, redraws on the inputs, the scale bar and the close box.
#include <QScreen>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include "profiles/profile_draw.h"
#include "support/main_window.h"
#include "support/pixels.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"
#include "ui/screen_area.h"

namespace {

struct Window : ShownMainWindow {
    struct Box {
        QCheckBox* box;
        ProfileId id;
    };
    std::vector<Box> boxes() {
        return {{ui.phi_along_x_check, ProfileId::PhiAlongX},
                {ui.phi_along_y_check, ProfileId::PhiAlongY},
                {ui.ex_along_x_check, ProfileId::ExAlongX},
                {ui.ey_along_x_check, ProfileId::EyAlongX},
                {ui.ex_along_y_check, ProfileId::ExAlongY},
                {ui.ey_along_y_check, ProfileId::EyAlongY}};
    }
    const ProfileSamples& s(ProfileId id) { return window.profile(id).samples(); }
    std::vector<std::string> warnings() const {
        std::vector<std::string> out;
        for (const auto& d : dialogs.shown) {
            out.push_back(d.text);
        }
        return out;
    }
};

// Ticking each box shows its window beside the main window, drawn for the current inputs with a
// blue curve; clearing it hides the window.
TEST(ProfileWindows, BoxesShowAndHideDrawnWindows) {
    Window w;
    const QRect main = w.window.frameGeometry();
    const QRect screen = w.window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(main));
    for (const auto& [box, id] : w.boxes()) {
        SCOPED_TRACE(to_index(id));
        ProfileWindow& p = w.window.profile(id);
        EXPECT_FALSE(p.isVisible());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        ASSERT_TRUE(box->isChecked());
        EXPECT_TRUE(p.isVisible());
        EXPECT_EQ(p.windowTitle().toStdString(), profile_kind(id).caption.text);
        // An ordinary window with a minimise button, not a tool window kept above the main
        // window, whose lower part it overlaps.
        EXPECT_TRUE(p.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_EQ(w.s(id).positions.size(), 501u);
        EXPECT_GT(count_colour(p.picture->image(), qRgb(0, 0, 255)), 300);
        const TwipRect r =
            profile_placement(profile_kind(id), main.width() * 15.0, main.height() * 15.0,
                              main.x() * 15.0, main.y() * 15.0);
        // Start-up places the windows before any frame decoration is known, so the frames
        // shown later may differ by their border width; a window reaching past the screen's
        // available area is moved inside it.
        const QRect placed = moved_inside(
            QRectF(r.left / 15, r.top / 15, r.width / 15, r.height / 15).toRect(), screen);
        EXPECT_TRUE(screen.contains(p.frameGeometry()));
        EXPECT_NEAR(p.frameGeometry().x(), placed.x(), 6);
        EXPECT_NEAR(p.frameGeometry().y(), placed.y(), 6);
        EXPECT_NEAR(p.frameGeometry().width(), r.width / 15, 6);
        EXPECT_NEAR(p.frameGeometry().height(), r.height / 15, 6);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_FALSE(p.isVisible());
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// A window that fits where it is placed stays there; one reaching past an edge of the screen's
// available area moves inside it, keeping its size; one larger than the area is made as large as
// the area. On a 1280 x 900 screen the third window along y = Y_fix was placed at y = 736, 190
// pixels high.
TEST(ProfileWindows, KeptInsideTheScreen) {
    struct Row {
        const char* name;
        QRect window, area, expected;
    };
    const QRect screen(0, 0, 1280, 900);
    const QRect below_panel(0, 30, 1280, 870);
    const Row rows[] = {
        {"fits", {100, 100, 600, 190}, screen, {100, 100, 600, 190}},
        {"past the bottom", {40, 736, 600, 190}, screen, {40, 710, 600, 190}},
        {"past the right", {1000, 50, 400, 300}, screen, {880, 50, 400, 300}},
        {"left of the screen", {-30, 600, 600, 190}, screen, {0, 600, 600, 190}},
        {"under the panel", {10, 5, 400, 300}, below_panel, {10, 30, 400, 300}},
        {"taller than the area", {10, 5, 400, 1000}, below_panel, {10, 30, 400, 870}},
        {"larger than the screen", {-5, 20, 1400, 1000}, screen, screen},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(moved_inside(r.window, r.area), r.expected) << r.name;
    }
}

// A change of a charge redraws the shown windows after the main picture: with both charges
// zero each warns, in the order PhiAlongX, PhiAlongY, ExAlongX, EyAlongX, ExAlongY, EyAlongY. A
// hidden window draws nothing and warns of nothing; it is drawn, and warns, when it is shown.
TEST(ProfileWindows, ChargeChangeRedrawsTheShownWindows) {
    Window w;
    for (const auto& [box, id] : w.boxes()) {
        box->setChecked(true);
    }
    const float before = w.s(ProfileId::PhiAlongY).max_value;
    w.ui.q1_bar->setPosition(12); // q1 = 0.6
    EXPECT_GT(w.s(ProfileId::PhiAlongY).max_value, before);
    EXPECT_TRUE(w.dialogs.shown.empty());

    w.ui.q1_bar->setPosition(0);
    w.ui.q2_bar->setPosition(0);
    const std::vector<std::string> expected = {
        "Зарядов нет?\rПоля нет-3!",           "Зарядов нет? Совсем?\rПоля нет!",
        "Зарядов нет?\rПоля нет-Exx!",         "При y=0\rEy=0!",
        "Зарядов нет? Совсем?\rПоля нет-Exy!", "Зарядов нет? Совсем?\rПоля нет-Eyy!"};
    EXPECT_EQ(w.warnings(), expected);
    // The shown window stays blank.
    EXPECT_EQ(
        count_colour(w.window.profile(ProfileId::PhiAlongY).picture->image(), qRgb(0, 0, 255)), 0);

    w.ui.phi_along_y_check->setChecked(false);
    w.dialogs.shown.clear();
    w.ui.size_bar->setPosition(6); // L = 3: five warnings, none from the hidden PhiAlongY
    const std::vector<std::string> shown = w.warnings();
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), expected[1]), 0);
    w.dialogs.shown.clear();
    w.ui.phi_along_y_check->setChecked(true);
    EXPECT_EQ(w.warnings(), std::vector<std::string>{expected[1]});
}

// Typing 0.5 into the Y_fix edit sets Y_fix to 0, 0 and 0.5 keystroke by keystroke and redraws the
// three windows on y = Y_fix each time, without a box (EyAlongX tells of Ey = 0 in its picture);
// the windows on x = X_fix are untouched.
TEST(ProfileWindows, YFixedEditRedrawsTheHorizontalLineOnly) {
    Window w;
    for (const auto& [box, id] : w.boxes()) {
        box->setChecked(true);
    }
    QtPictureBox* fi_x = w.window.profile(ProfileId::PhiAlongY).picture;
    const QImage fi_x_before = fi_x->image();
    w.ui.y_fixed_edit->selectAll();
    QTest::keyClicks(w.ui.y_fixed_edit, QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(w.m.y_fixed, 0.5);
    EXPECT_TRUE(w.warnings().empty());
    EXPECT_FLOAT_EQ(w.s(ProfileId::PhiAlongX).values[1], potential_at(w.m, -3.984, 0.5));
    EXPECT_EQ(fi_x->image(), fi_x_before);

    w.ui.x_fixed_edit->setText(QStringLiteral("0"));
    EXPECT_FLOAT_EQ(w.s(ProfileId::PhiAlongY).values[1], potential_at(w.m, 0, -3.984));
    EXPECT_NE(fi_x->image(), fi_x_before);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// The scale bar: factor 1 and label 1.0 at start; the first move to 2 (the top arrow) gives 1.1
// and 1.10 and widens the value axis; 0 gives 1.00; the ends give 0.05 and 1.95.
TEST(ProfileWindows, ScaleBarSetsTheFactor) {
    Window w;
    ProfileWindow& p = w.window.profile(ProfileId::PhiAlongX);
    EXPECT_EQ(p.scale_bar->position(), 1);
    EXPECT_EQ(p.scale_label->text(), QStringLiteral("1.0"));
    EXPECT_EQ(p.scale(), 1);
    w.ui.phi_along_x_check->setChecked(true);
    const double top_before = p.picture->to_user(QPointF(0, 0)).y();
    QTest::mouseClick(p.scale_bar, Qt::LeftButton, {}, QPoint(p.scale_bar->width() / 2, 4));
    EXPECT_EQ(p.scale_bar->position(), 2);
    EXPECT_DOUBLE_EQ(p.scale(), 1.1);
    EXPECT_EQ(p.scale_label->text(), QStringLiteral("1.10"));
    const ProfileSamples& s = w.s(ProfileId::PhiAlongX);
    EXPECT_DOUBLE_EQ(s.axis_high, 1.1 * (s.max_value * 1.01));
    EXPECT_NEAR(p.picture->to_user(QPointF(0, 0)).y(), 1.1 * top_before, 1e-3);
    p.scale_bar->setPosition(0);
    EXPECT_EQ(p.scale_label->text(), QStringLiteral("1.00"));
    p.scale_bar->triggerAction(QAbstractSlider::SliderToMinimum); // thumb at the top
    EXPECT_NEAR(p.scale(), 1.95, 1e-12);
    EXPECT_EQ(p.scale_label->text(), QStringLiteral("1.95"));
    p.scale_bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_NEAR(p.scale(), 0.05, 1e-12);

    // Across the top on the windows on x = X_fix: left end 0.05, the right arrow raises it.
    ProfileWindow& q = w.window.profile(ProfileId::ExAlongY);
    EXPECT_EQ(q.scale_bar->orientation(), Qt::Horizontal);
    q.scale_bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_NEAR(q.scale(), 0.05, 1e-12);
    EXPECT_EQ(q.scale_label->text(), QStringLiteral("0.05"));
    w.ui.ex_along_y_check->setChecked(true);
    QTest::mouseClick(q.scale_bar, Qt::LeftButton, {},
                      QPoint(q.scale_bar->width() - 4, q.scale_bar->height() / 2));
    EXPECT_NEAR(q.scale(), 0.1, 1e-12);
}

// The close box hides the window and clears its box; ticking the box shows it again with its
// scale factor kept. A window too small for its margins is not redrawn.
TEST(ProfileWindows, CloseBoxHidesAndClearsTheBox) {
    Window w;
    ProfileWindow& p = w.window.profile(ProfileId::EyAlongY);
    w.ui.ey_along_y_check->setChecked(true);
    p.scale_bar->setPosition(2);
    p.close();
    EXPECT_FALSE(p.isVisible());
    EXPECT_FALSE(w.ui.ey_along_y_check->isChecked());
    w.ui.ey_along_y_check->setChecked(true);
    EXPECT_TRUE(p.isVisible());
    EXPECT_DOUBLE_EQ(p.scale(), 1.1);
    EXPECT_EQ(p.scale_label->text(), QStringLiteral("1.10"));
    const QSize picture = p.picture->size();
    p.resize(20, 20);
    QTest::qWait(20);
    EXPECT_EQ(p.picture->size(), picture);
}

} // namespace
