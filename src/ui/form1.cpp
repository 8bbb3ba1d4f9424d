#include "ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTime>

#include "analysis/field_direction_lines.h"
#include "analysis/readout.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "model/inputs.h"
#include "model/numbers.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "ui/computation.h"
#include "ui/fonts.h"
#include "ui/menus.h"

namespace {

constexpr int kGapY = 4;
const QColor kPaleYellow(255, 255, 192);
const QColor kPaleCyan(192, 255, 255);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Times New Roman at a size in points, given in pixels at 96 dots per inch so that the text
// keeps its intended size whatever the screen reports.
void fill_background(QWidget* w, const QColor& c, QPalette::ColorRole role) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

template <class W> W* make(QWidget* parent, const QString& text, const QString& tip) {
    auto* w = new W(text, parent);
    if (!tip.isEmpty()) {
        w->setToolTip(tip);
    }
    w->setFont(times_font(12));
    return w;
}

QLineEdit* make_text(QWidget* parent, const QString& tip) {
    auto* t = new QLineEdit(parent);
    t->setToolTip(tip);
    t->setFont(times_font(12));
    t->setFrame(true);
    fill_background(t, kPaleYellow, QPalette::Base);
    t->setTextMargins(0, 0, 0, 0);
    return t;
}

// Shows a number whole in its label: where the text is wider than the label at its usual font,
// the font is made smaller until it fits; the label keeps its place and size.
void show_whole(QLabel* l, const QString& text, const QFont& usual) {
    QFont f = usual;
    const auto fits = [l, &text](const QFont& font) {
        const QFontMetrics fm(font);
        // A framed label without an indent of its own indents its text by half an x.
        const int indent = l->indent() >= 0
                               ? l->indent()
                               : (l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 : 0);
        return fm.horizontalAdvance(text) + indent + 2 * l->margin() <= l->contentsRect().width();
    };
    while (!fits(f) && f.pixelSize() > 6) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    l->setFont(f);
    l->setText(text);
}

void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
                   static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
}

} // namespace

Form1::Form1(FieldParams& model, Dialogs& dialogs, Platform& platform, QWidget* parent)
    : QMainWindow(parent), m(model), dialogs_(dialogs), platform_(platform) {
    Q_INIT_RESOURCE(resources);
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    m.decimal_separator = QLocale().decimalPoint().toStdString();

    create_controls();
    create_menus();
    for (const ProfileKind& kind : kProfiles) {
        profiles_[to_index(kind.id)] =
            std::make_unique<ProfileWindow>(m, field_picture, layout, dialogs_, kind.id);
    }
    connect_inputs();
    connect_analysis();
    setup_export();
    platform_.document_failed = [this](const std::string& path, const std::string& missing) {
        dialogs_.message(document_failure_text(path, missing), kWarningTitle);
    };

    // Start-up: place the window, then fill the model and the inputs while nothing redraws.
    resize(kInnerWidth, kInnerHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const QSize frame = frameGeometry().size();
        move(avail.left() + static_cast<int>((avail.width() - frame.width()) * 0.1),
             avail.top() + static_cast<int>((avail.height() - frame.height()) * 0.02));
    }
    ready = false;
    init_params();
    field_picture.frame = draw_frame(m, *Picture1);
    // zapusk_3, zapusk_4, zapusk_Exx, zapusk_Eyx, zapusk_Exy, zapusk_Eyy
    for (const ProfileKind& kind : kProfiles) {
        profile(kind.id).zapusk(frame_twips());
    }
    ready = true;
}

Form1::~Form1() {
    platform_.document_failed = nullptr;
}

TwipRect Form1::frame_twips() const {
    const QRect f = frameGeometry();
    return {f.x() * kTwipsPerPixel, f.y() * kTwipsPerPixel, f.width() * kTwipsPerPixel,
            f.height() * kTwipsPerPixel};
}

void Form1::create_controls() {
    inner_ = new QWidget(this);
    setCentralWidget(inner_);
    inner_->installEventFilter(this);

    Picture1 = new QtPictureBox(inner_);
    Picture1->setFont(times_font(11.25));
    Picture1->set_colours(palette().color(QPalette::Base), palette().color(QPalette::Text));

    Label1 = make<ClickLabel>(inner_, QStringLiteral("Q1, нКл"), QStringLiteral("заряд слева"));
    Label2 = make<ClickLabel>(inner_, QStringLiteral("Q2, нКл"), QStringLiteral("заряд справа"));
    Label3 = make<ClickLabel>(inner_, QStringLiteral("размер, м"),
                              QStringLiteral("размер изучаемой области"));
    Label3->setFont(times_font(11.25));
    for (QLabel* l : {static_cast<QLabel*>(Label1), static_cast<QLabel*>(Label2),
                      static_cast<QLabel*>(Label3)}) {
        l->setAlignment(Qt::AlignCenter);
    }
    VScroll1 = new PositionScrollBar(Qt::Vertical, 20, -20, inner_);
    VScroll2 = new PositionScrollBar(Qt::Vertical, 20, -20, inner_);
    VScroll3 = new PositionScrollBar(Qt::Vertical, 14, 2, inner_);
    Label4 = make<QLabel>(inner_, QString(), QStringLiteral("величина заряда"));
    Label5 = make<QLabel>(inner_, QString(), QStringLiteral("величина заряда"));
    Label6 = make<QLabel>(inner_, QString(), QStringLiteral("половина ширины (высоты) области "));
    for (QLabel* l : {Label4, Label5, Label6}) {
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
        l->setAlignment(Qt::AlignCenter);
        fill_background(l, kPaleYellow, QPalette::Window);
    }

    List1 = new QListWidget(inner_);
    List1->setToolTip(QStringLiteral("выбор графика и количества линий"));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setUniformItemSizes(true);
    fill_background(List1, Qt::white, QPalette::Base);

    Label7 = make<QLabel>(inner_, QStringLiteral("число линий потенциала"),
                          QString::fromUtf8(kLevelStepUnknown));
    Label7->setWordWrap(true);
    Text1 = make_text(inner_, QString());
    Label8 = make<QLabel>(inner_, QStringLiteral("число линий напряжённости"), QString());
    Label8->setWordWrap(true);
    Text2 = make_text(inner_, QString());
    {
        QPalette p = Text2->palette();
        p.setColor(QPalette::Text, Qt::black);
        Text2->setPalette(p);
    }
    CmdOK = make<QPushButton>(inner_, QStringLiteral("расчёт"), QStringLiteral("Расчет полей"));

    Check_3 = make<QCheckBox>(inner_, QStringLiteral("fi(x,Yfix)"),
                              QStringLiteral("Показать график fi(x,Y)"));
    Check_4 = make<QCheckBox>(inner_, QStringLiteral("fi(Xfix,y)"),
                              QStringLiteral("показать график fi(X,y)"));
    Check_3->setFont(times_font(11.25));
    Check_4->setFont(times_font(11.25));
    Text3 = make_text(inner_, QStringLiteral("для ввода Y фиксированного"));
    Text5 = make_text(inner_, QStringLiteral("для ввода X фиксированного"));
    Check_1 = make<QCheckBox>(inner_, QStringLiteral("Ex(x,Yfix)"),
                              QStringLiteral("Показать график Ех(x,Y)"));
    Check_5 = make<QCheckBox>(inner_, QStringLiteral("Ex(Xfix,y)"),
                              QStringLiteral("Показать график Ех(X,y)"));
    Check_2 = make<QCheckBox>(inner_, QStringLiteral("Ey(x,Yfix)"),
                              QStringLiteral("Показать график Еy(x,Y)"));
    Check_6 = make<QCheckBox>(inner_, QStringLiteral("Ey(Xfix,y)"),
                              QStringLiteral("Показать график Еy(X,y)"));

    Label9 =
        make<QLabel>(inner_, QStringLiteral("x(м) ="), QStringLiteral("горизонтальная координата"));
    Label10 =
        make<QLabel>(inner_, QStringLiteral(" для х"), QStringLiteral("горизонтальная координата"));
    Command1 = new QPushButton(QStringLiteral("φ"), inner_);
    {
        QFont f = times_font(11.25);
        f.setBold(true);
        Command1->setFont(f);
    }
    Command1->setToolTip(QStringLiteral("расчёт линии потенциала, заданного пользователем"));
    Label11 =
        make<QLabel>(inner_, QStringLiteral("y(м) ="), QStringLiteral("вертикальная координата"));
    Label12 =
        make<QLabel>(inner_, QStringLiteral("для у"), QStringLiteral("вертикальная координата"));
    Text4 = make_text(inner_, QStringLiteral("Для ввода желаемого потенциала"));
    Label15 = make<QLabel>(inner_, QStringLiteral("fi(B) ="),
                           QStringLiteral("потенциал в выбранной точке"));
    Label16 = make<QLabel>(inner_, QStringLiteral("для fi"),
                           QStringLiteral("потенциал в выбранной точке"));
    Label14 =
        make<QLabel>(inner_, QStringLiteral("Eх(В/м)="), QStringLiteral("Ex  в выбранной точке"));
    Label17 =
        make<QLabel>(inner_, QStringLiteral("для Ех"), QStringLiteral("Ex в выбранной точке"));
    Label18 =
        make<QLabel>(inner_, QStringLiteral("Eу(В/м)="), QStringLiteral("Eу  в выбранной точке"));
    Label19 =
        make<QLabel>(inner_, QStringLiteral("для Еу"), QStringLiteral("Eу в выбранной точке"));
    for (QLabel* l : {Label10, Label12, Label16, Label17}) {
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
        fill_background(l, kPaleCyan, QPalette::Window);
    }
    fill_background(Label19, kPaleCyan, QPalette::Window);
    Check_p =
        make<QCheckBox>(inner_, QStringLiteral("файл"), QStringLiteral("для вывода данных в файл"));
    // A narrow gap after the box leaves the captions room in their columns.
    for (QCheckBox* c : {Check_3, Check_4, Check_1, Check_5, Check_2, Check_6, Check_p}) {
        c->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    }
    Label20 = new QLabel(QStringLiteral("для отладки"), inner_);
    fill_background(Label20, kPaleCyan, QPalette::Window);
}

void Form1::create_menus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("Файл"));
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Помощь"));
    fill_menus();
}

void Form1::connect_inputs() {
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(VScroll2, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
    connect(VScroll3, &QScrollBar::valueChanged, this, [this] { VScroll3_Change(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(Text4, &QLineEdit::textChanged, this, [this] { Text4_Change(); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { Text5_Change(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    const std::pair<QCheckBox*, ProfileId> boxes[] = {
        {Check_3, ProfileId::PhiAlongX}, {Check_4, ProfileId::PhiAlongY},
        {Check_1, ProfileId::ExAlongX},  {Check_2, ProfileId::EyAlongX},
        {Check_5, ProfileId::ExAlongY},  {Check_6, ProfileId::EyAlongY}};
    for (const auto& entry : boxes) {
        // Named copies: Clang 14 cannot capture structured bindings.
        QCheckBox* const box = entry.first;
        const ProfileId id = entry.second;
        connect(box, &QCheckBox::toggled, this, [this, box, id] { Check_Click(box, id); });
        // Closing a profile window by its own close box clears its box.
        connect(&profile(id), &ProfileWindow::closedByUser, box, [box] { box->setChecked(false); });
    }
}

void Form1::init_params() {
    // The start-up values, kept with the locale's separator.
    const std::string sep = m.decimal_separator;
    m = FieldParams{};
    m.decimal_separator = sep;
    VScroll1->setPosition(to_int16_even(m.q1 / 0.05));
    VScroll2->setPosition(to_int16_even(m.q2 / 0.05));
    VScroll3->setPosition(to_int16_even(m.half_width / 0.5));
    Text1->setText(QString::number(m.level_intervals));
    Text2->setText(QString::number(m.lines_per_charge));
    const auto pointed = [this](double v) {
        return qs(format_fixed(v, 2, m.decimal_separator))
            .replace(QLatin1Char(','), QLatin1Char('.'));
    };
    Text3->setText(pointed(m.y_fixed));
    Text5->setText(pointed(m.x_fixed));
    Text4->setText(pointed(m.chosen_potential));
    List1->addItem(QStringLiteral("линии потенциала"));
    List1->addItem(QStringLiteral("линии напряжённости"));
    List1->addItem(QStringLiteral("все линии"));
    List1->setCurrentRow(2);
}

void Form1::layout_main() {
    layout.gap_x = 4;
    layout.gap_y = kGapY;
    layout.column_width = 65;
    layout.row_height = 22;
    const float H = static_cast<float>(inner_->height());
    const float gx = static_cast<float>(layout.gap_x);
    const float gy = static_cast<float>(layout.gap_y);
    const float wc = static_cast<float>(layout.column_width);
    const float hr = static_cast<float>(layout.row_height);

    const float pic = H - 2 * gy;
    place(Picture1, gx, gy, pic, pic);
    const float X0 = pic + 2 * gx;
    place(Label1, X0, gy, wc, hr);
    place(VScroll1, X0 + wc, gy, wc / 3, 2 * hr);
    place(Label4, X0, hr + gy, wc, hr);
    place(Label2, X0, 2 * hr + 2 * gy, wc, hr);
    place(VScroll2, X0 + wc, 2 * hr + 2 * gy, wc / 3, 2 * hr);
    place(Label5, X0, 2 * hr + 2 * gy + hr, wc, hr);
    place(Label3, X0, 4 * hr + 3 * gy, wc, hr);
    place(VScroll3, X0 + wc, 4 * hr + 3 * gy, wc / 3, 2 * hr);
    place(Label6, X0, 4 * hr + 3 * gy + hr, wc, hr);
    place(List1, X0, 6 * hr + 4 * gy, 2 * wc, 2.5f * hr);
    const float t7 = 8 * hr + 6 * gy;
    place(Label7, X0, t7, 1.5f * wc, 1.5f * hr);
    place(Text1, X0 + 1.5f * wc, t7, 0.5f * wc, hr);
    const float t8 = 9 * hr + 10 * gy;
    place(Label8, X0, t8, 1.5f * wc, 1.5f * hr);
    place(Text2, X0 + 1.5f * wc, t8, 0.5f * wc, hr);
    place(CmdOK, X0 + 0.5f * wc, 11 * hr + 9 * gy, wc, hr);
    const float wc3 = 1.35f * wc;
    const float t3 = 12 * hr + 10 * gy;
    place(Check_3, X0, t3, wc3, hr);
    const float tt3 = t3 + hr + 0.5f * gy;
    place(Text3, X0, tt3, 0.75f * wc, hr);
    const float x4 = X0 + wc3 + 2 * gx;
    place(Check_4, x4, t3, wc3, hr);
    // As high as Text3, so that its number can be read.
    place(Text5, x4, tt3, 0.75f * wc, hr);
    const float t1 = tt3 + hr + gy;
    place(Check_1, X0, t1, wc3, hr);
    const float t2 = t1 + hr + gy;
    place(Check_2, X0, t2, wc3, hr);
    place(Check_5, x4, t1, wc3, hr);
    place(Check_6, x4, t2, wc3, hr);

    const float t9 = 19 * hr + 3 * gy;
    place(Label9, X0, t9, 0.7f * wc, hr);
    Label9->setText(QStringLiteral("x(м) ="));
    place(Label10, X0 + 0.7f * wc, t9, 0.8f * wc, hr);
    const float t11 = t9 + hr + 0.5f * gy;
    place(Label11, X0, t11, 0.7f * wc, hr);
    Label11->setText(QStringLiteral("y(м) ="));
    place(Label12, X0 + 0.7f * wc, t11, 0.8f * wc, hr);
    const float t15 = t11 + hr + 0.5f * gy;
    place(Label15, X0, t15, wc, hr);
    Label15->setText(QStringLiteral("fi(B) ="));
    place(Label16, X0 + wc, t15, 0.75f * wc, hr);
    const float t14 = t15 + hr + 0.5f * gy;
    place(Label14, X0, t14, wc, hr);
    Label14->setText(QStringLiteral("Eх(В/м)="));
    place(Label17, X0 + wc, t14, 0.75f * wc, hr);
    const float t18 = t14 + hr + 0.5f * gy;
    place(Label18, X0, t18, wc, hr);
    Label18->setText(QStringLiteral("Eу(В/м)="));
    place(Label19, X0 + wc, t18, 0.75f * wc, hr);
    const float x_cmd = X0 + 2 * 0.7f * wc + 7 * gy;
    place(Command1, x_cmd, t9, 0.7f * wc, hr);
    place(Text4, x_cmd, t9 + hr, 0.7f * wc, hr);
    place(Check_p, X0 + wc + 0.75f * wc + gy, t14, 0.7f * wc3, hr);
    place(Label20, X0, pic - hr + gy, 2 * wc, hr);
    Label20->setVisible(false);
}

void Form1::Form_Resize() {
    if (!ready) {
        return;
    }
    if (Computation::handling_events()) {
        // Resized while a computation runs: the frame is redrawn once it has ended, as it would
        // be had the computation held the window until then.
        Computation::later(this, "redraw", [this] { Form_Resize(); });
        return;
    }
    // A minimised or very low window has no room for a picture: wait for a usable size.
    if (isMinimized() || inner_->height() <= 2 * kGapY) {
        return;
    }
    layout_main();
    Picture1->clear();
    field_picture.frame = draw_frame(m, *Picture1);
    field_picture.charges = draw_charges(m, *Picture1);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inner_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::scroll_changed(PositionScrollBar* bar, double factor, double& value, QLabel* label) {
    value = bar->position() * factor;
    label->setText(qs(format_fixed(value, 2, m.decimal_separator)));
    const Computation c(this);
    Form_Resize();
    redraw_profiles({ProfileId::PhiAlongX, ProfileId::PhiAlongY, ProfileId::ExAlongX,
                     ProfileId::EyAlongX, ProfileId::ExAlongY, ProfileId::EyAlongY});
}

void Form1::redraw_profiles(std::initializer_list<ProfileId> ids, ProfileWindow::Warning warning) {
    Computation c(this);
    double k = 0;
    const double n = static_cast<double>(ids.size());
    for (ProfileId id : ids) {
        ProgressPart part(c.progress(), k / n, (k + 1) / n);
        profile(id).Form_Resize(part, warning);
        if (c.stopped()) {
            return;
        }
        k += 1;
    }
}

void Form1::Check_Click(QCheckBox* box, ProfileId id) {
    ProfileWindow& w = profile(id);
    if (box->isChecked()) {
        w.show();
        w.Form_Resize();
    } else {
        w.hide();
    }
}

void Form1::VScroll1_Change() {
    scroll_changed(VScroll1, 0.05, m.q1, Label4);
}
void Form1::VScroll2_Change() {
    scroll_changed(VScroll2, 0.05, m.q2, Label5);
}
void Form1::VScroll3_Change() {
    scroll_changed(VScroll3, 0.5, m.half_width, Label6);
}

void Form1::Text1_Change() {
    m.level_intervals = read_level_intervals(Text1->text().toStdString());
}

void Form1::Text2_Change() {
    m.lines_per_charge = read_lines_per_charge(Text2->text().toStdString());
}

void Form1::Text3_Change() {
    m.y_fixed = read_y_fixed(Text3->text().toStdString());
    // The user is typing: a warning goes into the picture, so that no box takes the next key.
    redraw_profiles({ProfileId::PhiAlongX, ProfileId::ExAlongX, ProfileId::EyAlongX},
                    ProfileWindow::Warning::InPicture);
}

void Form1::Text5_Change() {
    m.x_fixed = read_x_fixed(Text5->text().toStdString());
    redraw_profiles({ProfileId::PhiAlongY, ProfileId::ExAlongY, ProfileId::EyAlongY},
                    ProfileWindow::Warning::InPicture);
}

void Form1::Text4_Change() {
    m.chosen_potential = read_chosen_potential(Text4->text().toStdString());
}

void Form1::List1_Click() {
    const QListWidgetItem* item = List1->currentItem();
    const QString text = item ? item->text() : QString();
    bool levels = true;
    bool field = true;
    if (text == QStringLiteral("линии потенциала")) {
        m.families = LineFamilies::Equipotentials;
        field = false;
    } else if (text == QStringLiteral("линии напряжённости")) {
        m.families = LineFamilies::FieldLines;
        levels = false;
    } else {
        m.families = LineFamilies::Both;
    }
    Label7->setVisible(levels);
    Text1->setVisible(levels);
    Label8->setVisible(field);
    Text2->setVisible(field);
}

void Form1::beep2(double t) {
    end_tone(platform_, t);
}

void Form1::CmdOK_Click() {
    const QTime start = QTime::currentTime();
    setWindowTitle(QString::fromUtf8(kComputingTitle));
    Computation c(this);
    if (const auto tip =
            compute_picture(m, field_picture, *Picture1, dialogs_, platform_, c.progress())) {
        Label7->setToolTip(qs(*tip));
    }
    const QTime end = QTime::currentTime();
    const int seconds = elapsed_seconds(start.minute(), start.second(), end.minute(), end.second());
    setWindowTitle(qs(caption_with_time(windowTitle().toStdString(), seconds, c.stopped())));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!dialogs_.ask_yes_no("Вы абсолютно уверены?", "На Выход")) {
        event->ignore();
        return;
    }
    event->accept();
    unload_all();
    emit exitConfirmed();
}

void Form1::unload_all() {
    if (form2) {
        form2->close();
    }
    for (auto& w : profiles_) {
        w->close();
    }
    if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), kWarningTitle);
    }
}

void Form1::connect_analysis() {
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label2, &ClickLabel::clicked, this, [this] { Label2_Click(); });
    connect(Label3, &ClickLabel::clicked, this, [this] { Label3_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Picture1, &QtPictureBox::mouseMoved, this,
            [this](float x, float y) { Picture1_MouseMove(x, y); });
    connect(Picture1, &QtPictureBox::doubleClicked, this, [this] { Picture1_DblClick(); });
    connect(Check_p, &QCheckBox::clicked, this, [this] { Check_p_Click(); });
}

void Form1::Label1_Click() {
    Computation c(this);
    show_zero_potential_line(m, field_picture, results, *Picture1, dialogs_, c.progress());
}

void Form1::Label2_Click() {
    Computation c(this);
    show_zero_field_point(m, field_picture, results, *Picture1, dialogs_, c.progress());
}

void Form1::Label3_Click() {
    Computation c(this);
    show_field_direction_lines(m, field_picture, results, *Picture1, dialogs_, c.progress());
}

void Form1::naprjag_1() {
    draw_horizontal_field_line(m, field_picture, results, *Picture1);
}

float Form1::naprjag_2(double x) {
    return vertical_field_line_y(m, field_picture.charges, x);
}

void Form1::Command1_Click() {
    Computation c(this);
    draw_chosen_equipotential(m, field_picture.frame, *Picture1, c.progress());
}

void Form1::Picture1_MouseMove(float x, float y) {
    const Readout r = readout_at(m, x, y);
    const QFont usual = times_font(12);
    show_whole(Label10, qs(r.x), usual);
    show_whole(Label12, qs(r.y), usual);
    show_whole(Label16, qs(r.fi), usual);
    show_whole(Label17, qs(r.Ex), usual);
    show_whole(Label19, qs(r.Ey), usual);
    readout_shown_ = true;
}

void Form1::Picture1_DblClick() {
    if (!Check_p->isChecked()) {
        dialogs_.message(kLogOffText, kHintTitle);
        return;
    }
    if (!readout_shown_) {
        // A double click before any pointer move: read out the point under the pointer first,
        // so that the line holds numbers and not the labels' design captions.
        const QPointF u = Picture1->to_user(Picture1->mapFromGlobal(QCursor::pos()).toPointF());
        Picture1_MouseMove(static_cast<float>(u.x()), static_cast<float>(u.y()));
    }
    if (!point_log_.append(Label10->text().toStdString(), Label12->text().toStdString(),
                           Label16->text().toStdString(), Label17->text().toStdString(),
                           Label19->text().toStdString())) {
        Check_p->setChecked(false);
        dialogs_.message(point_log_.problem(), kWarningTitle);
    }
}

void Form1::Check_p_Click() {
    if (Check_p->isChecked()) {
        dialogs_.message(log_hint_text(), kHintTitle);
        if (!point_log_.start(m)) {
            Check_p->setChecked(false);
            dialogs_.message(point_log_.problem(), kWarningTitle);
        }
    } else if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), kWarningTitle);
    }
}
