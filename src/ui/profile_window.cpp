#include "ui/profile_window.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <cmath>

#include "model/numbers.h"
#include "ui/computation.h"
#include "ui/fonts.h"
#include "ui/keyboard_focus.h"
#include "ui/language.h"
#include "ui/qt_dialogs.h"
#include "ui/screen_area.h"

namespace {

// A length in whole pixels, rounded.
int px(double v) {
    return static_cast<int>(std::lround(v));
}

void place(QWidget* w, const PixelRect& r) {
    w->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

// A text of the profile table in the interface's language; empty for none.
QString text_of(const SourceText& text) {
    return text.text == nullptr || *text.text == '\0'
               ? QString()
               : QString::fromStdString(interface_text(text));
}

// Tells a warning in the picture instead of a box: the title and the lines of the text, from
// the picture's top left corner.
class PictureNotice : public Dialogs {
  public:
    explicit PictureNotice(PictureBox& pic) : pic_(pic) {}
    void message(const std::string& text, const std::string& title) override {
        pic_.set_scale(0, 0, 1, 1);
        pic_.current_x = 0.02f;
        pic_.current_y = 0.02f;
        pic_.text(title);
        for (const QString& line : dialog_text(text).split(QLatin1Char('\n'))) {
            pic_.current_x = 0.02f;
            pic_.text(line.toStdString());
        }
    }
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }

  private:
    PictureBox& pic_;
};

} // namespace

ProfileWindow::ProfileWindow(const FieldParams& params, const FieldPicture& field_picture,
                             const LayoutMeasures& layout, Dialogs& dialogs, ProfileId id)
    : QWidget(nullptr, Qt::Window), params_(params), field_picture_(field_picture), layout_(layout),
      dialogs_(dialogs), kind_(profile_kind(id)) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    setFont(times_font(12));

    picture = new QtPictureBox(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setFont(times_font(11.25));
    picture->set_colours(Qt::white, palette().color(QPalette::Text));

    // The vertical bar stands at 19 at its top end; the horizontal one at 19 at its right end.
    scale_bar = kind_.vertical ? new PositionScrollBar(Qt::Horizontal, -19, 19, this)
                               : new PositionScrollBar(Qt::Vertical, 19, -19, this);
    scale_bar->setObjectName(QStringLiteral("scale_bar"));
    connect(scale_bar, &QScrollBar::valueChanged, this, &ProfileWindow::on_scale_changed);

    scale_label = new QLabel(tr("для масштаба"), this);
    scale_label->setObjectName(QStringLiteral("scale_label"));
    scale_label->setFont(times_font(12));
    {
        QPalette p = scale_label->palette();
        p.setColor(QPalette::Window, QColor(192, 255, 255));
        scale_label->setPalette(p);
        scale_label->setAutoFillBackground(true);
    }
    if (kind_.label_border) {
        scale_label->setFrameStyle(QFrame::Box | QFrame::Plain);
        scale_label->setLineWidth(1);
    }
    create_export_actions();
    retranslate();
    set_up_access();
}

void ProfileWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void ProfileWindow::retranslate() {
    setWindowTitle(text_of(kind_.caption));
    picture->setToolTip(text_of(kind_.picture_tip));
    scale_label->setToolTip(text_of(kind_.label_tip));
    retranslate_export_actions();
    picture->setAccessibleName(tr("График: %1").arg(windowTitle()));
    scale_bar->setAccessibleDescription(
        tr("Растягивает или сжимает ось значений графика; клавиши со стрелками меняют масштаб на "
           "шаг"));
    const QString label_tip = text_of(kind_.label_tip);
    scale_label->setAccessibleDescription(label_tip.isEmpty() ? tr("Масштаб оси значений")
                                                              : label_tip);
    describe_scale();
    if (!picture->accessibleDescription().isEmpty()) {
        picture->setAccessibleDescription(graph_title());
    }
}

void ProfileWindow::set_up_access() {
    // The keyboard reaches the scale bar, then the graph, whose context menu (the menu key)
    // saves and prints it; a click gives the focus to the graph alone, as before.
    picture->setFocusPolicy(Qt::StrongFocus);
    scale_bar->setFocusPolicy(Qt::TabFocus);
    setTabOrder(scale_bar, picture);
    show_keyboard_focus(picture);
    show_keyboard_focus(scale_bar);
    describe_scale();
}

void ProfileWindow::describe_scale() {
    const QString name = tr("Масштаб оси значений: %1").arg(scale_label->text());
    scale_bar->setAccessibleName(name);
    scale_label->setAccessibleName(name);
}

void ProfileWindow::place_beside_main(const TwipRect& main_window, const QRect& screen_area) {
    const TwipRect r = profile_placement(kind_, main_window.width, main_window.height,
                                         main_window.left, main_window.top);
    // The placement is the outer frame; the frame of a window not yet shown is its inner area.
    const QRect placed = moved_inside({px(r.left / kTwipsPerPixel), px(r.top / kTwipsPerPixel),
                                       px(r.width / kTwipsPerPixel), px(r.height / kTwipsPerPixel)},
                                      screen_area);
    screen_area_ = screen_area;
    keep_inside(placed);
    scale_bar->setPosition(to_int32_even(scale_));
    scale_label->setText(
        QString::fromStdString(format_fixed(scale_, 1, params_.decimal_separator)));
    describe_scale();
    ready_ = true;
}

bool ProfileWindow::lay_out() {
    const ProfileLayout l =
        profile_layout(layout_, kind_, static_cast<float>(width()), static_cast<float>(height()));
    if (!l.usable) {
        return false;
    }
    place(scale_bar, l.bar);
    place(scale_label, l.label);
    place(picture, l.picture);
    laid_out_ = size();
    return true;
}

void ProfileWindow::redraw(Warning warning) {
    if (Computation::handling_events()) {
        // Resized while a computation runs: redrawn once it has ended.
        Computation::later(this, "redraw", [this, warning] { redraw(warning); });
        return;
    }
    Computation c(this);
    redraw(c.progress(), warning);
}

void ProfileWindow::redraw(Progress& progress, Warning warning) {
    if (!ready_ || !isVisible()) {
        return;
    }
    // A window smaller than its margins keeps its last picture until it has room again.
    if (!lay_out()) {
        return;
    }
    picture->clear();
    PictureNotice notice(*picture);
    draw_profile(params_, field_picture_.frame, kind_, scale_, samples_, *picture,
                 warning == Warning::Box ? dialogs_ : notice, progress);
    picture->setAccessibleDescription(graph_title());
}

void ProfileWindow::keep_inside(const QRect& frame) {
    const QRect inside = moved_inside(frame, screen_area_);
    resize(size() - frameGeometry().size() + inside.size());
    move(inside.topLeft());
}

void ProfileWindow::set_shown(bool shown) {
    if (shown) {
        show();
        // Its frame is known now, and may reach past where the window was placed.
        if (!screen_area_.contains(frameGeometry())) {
            keep_inside(frameGeometry());
        }
        redraw();
    } else {
        hide();
    }
}

void ProfileWindow::on_scale_changed() {
    if (!ready_) {
        return;
    }
    scale_ = profile_factor(scale_bar->position());
    scale_label->setText(
        QString::fromStdString(format_fixed(scale_, 2, params_.decimal_separator)));
    describe_scale();
    redraw();
}

void ProfileWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A hidden window gets its size delivered when it is shown, and whoever shows it draws it:
    // only a visible window that really changed its size redraws here.
    if (isVisible() && event->size() != laid_out_) {
        redraw();
    }
}

void ProfileWindow::closeEvent(QCloseEvent* event) {
    // The window stays, hidden, with its scale factor and its profile.
    event->accept();
    emit closed_by_user();
}
