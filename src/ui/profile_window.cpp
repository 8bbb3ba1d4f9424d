#include "ui/profile_window.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <cmath>

#include "model/numbers.h"
#include "ui/computation.h"
#include "ui/fonts.h"
#include "ui/qt_dialogs.h"

namespace {

// Times New Roman at a size in points, given in pixels at 96 dots per inch.
int px(double v) {
    return static_cast<int>(std::lround(v));
}

void place(QWidget* w, const PixelRect& r) {
    w->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

QString text_of(const char* s) {
    return QString::fromUtf8(s);
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

ProfileWindow::ProfileWindow(const FieldParams& model, const FieldPicture& picture,
                             const LayoutMeasures& layout, Dialogs& dialogs, ProfileId id)
    : QWidget(nullptr, Qt::Window), m(model), picture_(picture), layout_(layout), dialogs_(dialogs),
      kind_(profile_kind(id)) {
    setWindowTitle(text_of(kind_.caption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    setFont(times_font(12));

    Picture1 = new QtPictureBox(this);
    Picture1->setFont(times_font(11.25));
    Picture1->set_colours(Qt::white, palette().color(QPalette::Text));
    Picture1->setToolTip(text_of(kind_.picture_tip));

    // The vertical bar stands at 19 at its top end; the horizontal one at 19 at its right end.
    Scroll1 = kind_.vertical ? new PositionScrollBar(Qt::Horizontal, -19, 19, this)
                             : new PositionScrollBar(Qt::Vertical, 19, -19, this);
    connect(Scroll1, &QScrollBar::valueChanged, this, [this] { Scroll1_Change(); });

    Label1 = new QLabel(QStringLiteral("для масштаба"), this);
    Label1->setFont(times_font(12));
    Label1->setToolTip(text_of(kind_.label_tip));
    {
        QPalette p = Label1->palette();
        p.setColor(QPalette::Window, QColor(192, 255, 255));
        Label1->setPalette(p);
        Label1->setAutoFillBackground(true);
    }
    if (kind_.label_border) {
        Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
        Label1->setLineWidth(1);
    }
    create_export_actions();
}

void ProfileWindow::zapusk(const TwipRect& main_window) {
    const TwipRect r = profile_placement(kind_, main_window.width, main_window.height,
                                         main_window.left, main_window.top);
    // The placement is the outer frame; the frame of a window not yet shown is its inner area.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(px(r.width / kTwipsPerPixel) - frame.width(),
           px(r.height / kTwipsPerPixel) - frame.height());
    move(px(r.left / kTwipsPerPixel), px(r.top / kTwipsPerPixel));
    Scroll1->setPosition(to_int32_even(scale_));
    Label1->setText(QString::fromStdString(format_fixed(scale_, 1, m.decimal_separator)));
    ready_ = true;
}

bool ProfileWindow::ekran() {
    const ProfileLayout l =
        profile_layout(layout_, kind_, static_cast<float>(width()), static_cast<float>(height()));
    if (!l.usable) {
        return false;
    }
    place(Scroll1, l.bar);
    place(Label1, l.label);
    place(Picture1, l.picture);
    laid_out_ = size();
    return true;
}

void ProfileWindow::Form_Resize(Warning warning) {
    if (Computation::handling_events()) {
        // Resized while a computation runs: redrawn once it has ended.
        Computation::later(this, "redraw", [this, warning] { Form_Resize(warning); });
        return;
    }
    Computation c(this);
    Form_Resize(c.progress(), warning);
}

void ProfileWindow::Form_Resize(Progress& progress, Warning warning) {
    if (!ready_ || !isVisible()) {
        return;
    }
    // A window smaller than its margins keeps its last picture until it has room again.
    if (!ekran()) {
        return;
    }
    Picture1->clear();
    PictureNotice notice(*Picture1);
    draw_profile(m, picture_.frame, kind_, scale_, samples_, *Picture1,
                 warning == Warning::Box ? dialogs_ : notice, progress);
}

void ProfileWindow::Scroll1_Change() {
    if (!ready_) {
        return;
    }
    scale_ = profile_factor(Scroll1->position());
    Label1->setText(QString::fromStdString(format_fixed(scale_, 2, m.decimal_separator)));
    Form_Resize();
}

void ProfileWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A hidden window gets its size delivered when it is shown, and whoever shows it draws it:
    // only a visible window that really changed its size redraws here.
    if (isVisible() && event->size() != laid_out_) {
        Form_Resize();
    }
}

void ProfileWindow::closeEvent(QCloseEvent* event) {
    // The window stays, hidden, with its scale factor and its profile.
    event->accept();
    emit closedByUser();
}
