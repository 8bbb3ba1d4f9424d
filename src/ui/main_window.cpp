// The main window's start-up, its connections and its exit.
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>

#include "ui/computation.h"
#include "ui/menus.h"
#include "ui/screen_area.h"

MainWindow::MainWindow(FieldParams& params, Dialogs& dialogs, Platform& platform, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), platform_(platform) {
    Q_INIT_RESOURCE(resources);
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    // The numbers in the locale's notation, the texts in the interface's language.
    params.decimal_separator = QLocale().decimalPoint().toStdString();
    params.translator = &interface_translator();

    ui.create(this);
    session_ = std::make_unique<Session>(params, *ui.picture, dialogs_, platform_);
    set_title();
    set_level_step_tip();
    ui.inner->installEventFilter(this);
    for (const ProfileKind& kind : kProfiles) {
        profiles_[to_index(kind.id)] =
            std::make_unique<ProfileWindow>(*session_, layout_, dialogs_, kind.id);
    }
    connect_controls();
    connect_menus();
    set_up_export();
    platform_.document_failed = [this](const std::string& path, const std::string& missing) {
        dialogs_.message(document_failure_text(path, missing), interface_text(kWarningTitle));
    };

    // Start-up: place the window (on the screen's available area, however small), then fill
    // the model and the inputs while nothing redraws.
    resize(kInnerWidth, kInnerHeight + menuBar()->sizeHint().height());
    const QRect avail = screen()->availableGeometry();
    const QSize frame = frameGeometry().size();
    const QRect placed =
        moved_inside({avail.left() + static_cast<int>((avail.width() - frame.width()) * 0.1),
                      avail.top() + static_cast<int>((avail.height() - frame.height()) * 0.02),
                      frame.width(), frame.height()},
                     avail);
    resize(size() - frame + placed.size());
    move(placed.topLeft());
    ready_ = false;
    fill_inputs();
    session_->draw_start_frame();
    for (const ProfileKind& kind : kProfiles) {
        profile(kind.id).place_beside_main(frame_twips(), avail);
    }
    set_up_access();
    ready_ = true;
}

MainWindow::~MainWindow() {
    platform_.document_failed = nullptr;
}

TwipRect MainWindow::frame_twips() const {
    const QRect f = frameGeometry();
    return {f.x() * kTwipsPerPixel, f.y() * kTwipsPerPixel, f.width() * kTwipsPerPixel,
            f.height() * kTwipsPerPixel};
}

void MainWindow::connect_controls() {
    connect(ui.q1_bar, &QScrollBar::valueChanged, this, &MainWindow::on_q1_changed);
    connect(ui.q2_bar, &QScrollBar::valueChanged, this, &MainWindow::on_q2_changed);
    connect(ui.size_bar, &QScrollBar::valueChanged, this, &MainWindow::on_size_changed);
    connect(ui.level_count_edit, &QLineEdit::textChanged, this, &MainWindow::on_level_count_edited);
    connect(ui.line_count_edit, &QLineEdit::textChanged, this, &MainWindow::on_line_count_edited);
    connect(ui.y_fixed_edit, &QLineEdit::textChanged, this, &MainWindow::on_y_fixed_edited);
    connect(ui.chosen_potential_edit, &QLineEdit::textChanged, this,
            &MainWindow::on_chosen_potential_edited);
    connect(ui.x_fixed_edit, &QLineEdit::textChanged, this, &MainWindow::on_x_fixed_edited);
    connect(ui.families_list, &QListWidget::currentRowChanged, this,
            &MainWindow::on_families_chosen);
    connect(ui.compute_button, &QPushButton::clicked, this, &MainWindow::compute);

    for (const ProfileKind& kind : kProfiles) {
        QCheckBox* box = ui.profile_check(kind.id);
        ProfileWindow* window = &profile(kind.id);
        connect(box, &QCheckBox::toggled, window, &ProfileWindow::set_shown);
        // Closing a profile window by its own close box clears its box.
        connect(window, &ProfileWindow::closed_by_user, box, [box] { box->setChecked(false); });
    }

    connect(ui.q1_heading, &ClickLabel::clicked, this, &MainWindow::explain_zero_potential);
    connect(ui.q2_heading, &ClickLabel::clicked, this, &MainWindow::explain_zero_field);
    connect(ui.size_heading, &ClickLabel::clicked, this, &MainWindow::explain_field_direction);
    connect(ui.chosen_potential_button, &QPushButton::clicked, this,
            &MainWindow::draw_chosen_equipotential);
    connect(ui.picture, &QtPictureBox::mouseMoved, this, &MainWindow::show_readout);
    connect(ui.picture, &QtPictureBox::doubleClicked, this, &MainWindow::log_point);
    connect(ui.log_check, &QCheckBox::clicked, this, &MainWindow::on_log_clicked);
}

void MainWindow::fill_inputs() {
    const StartInputs start = session_->reset_inputs();
    ui.q1_bar->setPosition(start.q1_position);
    ui.q2_bar->setPosition(start.q2_position);
    ui.size_bar->setPosition(start.size_position);
    const std::pair<QLineEdit*, const std::string&> edits[] = {
        {ui.level_count_edit, start.level_count},
        {ui.line_count_edit, start.line_count},
        {ui.y_fixed_edit, start.y_fixed},
        {ui.x_fixed_edit, start.x_fixed},
        {ui.chosen_potential_edit, start.chosen_potential}};
    for (const auto& [edit, text] : edits) {
        edit->setText(QString::fromStdString(text));
    }
    ui.families_list->setCurrentRow(start.families_row);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!dialogs_.ask_yes_no(tr("Вы абсолютно уверены?").toStdString(),
                             tr("На Выход").toStdString())) {
        event->ignore();
        return;
    }
    event->accept();
    close_other_windows();
    emit exit_confirmed();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    ui.retranslate();
    set_title();
    set_level_step_tip();
    if (!session_->readout()) {
        ui.show_readout_captions();
    }
    // The captions of the other language fitted (see lay_out), and the pictures' texts drawn
    // in it at once, with everything that was drawn on them.
    if (ready_ && isVisible()) {
        const LanguageSwitched redraw = session_->switch_language();
        const Computation c(this);
        redraw_picture(redraw.picture);
        redraw_profiles(redraw.profiles);
    }
    name_controls();
    describe_values();
    describe_picture();
}

void MainWindow::set_title() {
    const std::optional<std::string> caption = session_->caption();
    setWindowTitle(caption ? QString::fromStdString(*caption) : tr(kTitle));
}

void MainWindow::set_level_step_tip() {
    ui.level_count_heading->setToolTip(QString::fromStdString(session_->level_step_tip()));
}

void MainWindow::close_other_windows() {
    if (authors_window_) {
        authors_window_->close();
    }
    for (auto& w : profiles_) {
        w->close();
    }
    session_->quit();
}
