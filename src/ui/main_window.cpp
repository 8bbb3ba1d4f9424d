// The main window's start-up, its connections and its exit.
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>

#include "model/numbers.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/frame.h"
#include "ui/menus.h"
#include "ui/screen_area.h"

MainWindow::MainWindow(FieldParams& params, Dialogs& dialogs, Platform& platform, QWidget* parent)
    : QMainWindow(parent), params_(params), dialogs_(dialogs), platform_(platform) {
    Q_INIT_RESOURCE(resources);
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    params_.decimal_separator = QLocale().decimalPoint().toStdString();
    params_.translator = &interface_translator();

    ui.create(this);
    set_title();
    set_level_step_tip();
    ui.inner->installEventFilter(this);
    for (const ProfileKind& kind : kProfiles) {
        profiles_[to_index(kind.id)] =
            std::make_unique<ProfileWindow>(params_, field_picture_, layout_, dialogs_, kind.id);
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
    field_picture_.frame = draw_frame(params_, *ui.picture);
    for (const ProfileKind& kind : kProfiles) {
        profile(kind.id).place_beside_main(frame_twips(), avail);
    }
    note_frame(false);
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
    // The start-up values, kept with the locale's separator, the language and the views chosen.
    const std::string separator = params_.decimal_separator;
    const Translator* translator = params_.translator;
    const ViewOptions views = params_.views;
    params_ = FieldParams{};
    params_.decimal_separator = separator;
    params_.translator = translator;
    params_.views = views;
    ui.q1_bar->setPosition(to_int16_even(params_.q1 / 0.05));
    ui.q2_bar->setPosition(to_int16_even(params_.q2 / 0.05));
    ui.size_bar->setPosition(to_int16_even(params_.half_width / 0.5));
    ui.level_count_edit->setText(QString::number(params_.level_intervals));
    ui.line_count_edit->setText(QString::number(params_.lines_per_charge));
    // The edits show a decimal point whatever the locale; they read a comma too.
    const auto pointed = [this](double v) {
        return QString::fromStdString(format_fixed(v, 2, params_.decimal_separator))
            .replace(QLatin1Char(','), QLatin1Char('.'));
    };
    ui.y_fixed_edit->setText(pointed(params_.y_fixed));
    ui.x_fixed_edit->setText(pointed(params_.x_fixed));
    ui.chosen_potential_edit->setText(pointed(params_.chosen_potential));
    ui.families_list->setCurrentRow(2);
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
    if (!readout_shown_) {
        ui.show_readout_captions();
    }
    // The captions of the other language fitted (see lay_out), and the pictures' texts drawn
    // in it at once, with everything that was drawn on them.
    if (ready_ && isVisible()) {
        relayout_and_redraw(lines_shown_ ? Keep::Everything : Keep::DrawnOver);
        redraw_profiles({ProfileId::PhiAlongX, ProfileId::PhiAlongY, ProfileId::ExAlongX,
                         ProfileId::EyAlongX, ProfileId::ExAlongY, ProfileId::EyAlongY},
                        ProfileWindow::Warning::InPicture);
    }
    name_controls();
    describe_values();
    describe_picture();
}

void MainWindow::set_title() {
    const std::string title = translated(params_.translator, kComputingTitle);
    setWindowTitle(computed_time_ ? QString::fromStdString(caption_with_time(
                                        title, computed_time_->seconds, computed_time_->stopped,
                                        params_.translator))
                                  : tr(kTitle));
}

void MainWindow::set_level_step_tip() {
    std::optional<std::string> tip;
    if (level_step_of_) {
        FieldParams p = level_step_of_->first;
        p.translator = params_.translator;
        tip = level_step_tip(p, level_step_of_->second);
    }
    ui.level_count_heading->setToolTip(
        QString::fromStdString(tip.value_or(translated(params_.translator, kLevelStepUnknown))));
}

void MainWindow::close_other_windows() {
    if (authors_window_) {
        authors_window_->close();
    }
    for (auto& w : profiles_) {
        w->close();
    }
    if (!point_log_.stop()) {
        dialogs_.message(point_log_.problem(), translated(params_.translator, kWarningTitle));
    }
}
