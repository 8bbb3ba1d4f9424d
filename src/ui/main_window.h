#pragma once
// The main window: the field picture on the left, the column of inputs, the compute button, the
// profile check boxes and the pointer readout on the right, and the menus. A face over the
// session (session/session.h): its handlers read a control, call the session and show what it
// returns.
//
// Its rooms: the controls and their making (main_window_controls.h/.cpp), the start-up and the
// exit (main_window.cpp), the layout (main_window_layout.cpp), what the controls do
// (main_window_handlers.cpp), the menus (main_window_menus.cpp), the views and the live redraw
// (main_window_views.cpp), saving, copying and printing the picture (main_window_export.cpp) and
// the access by screen readers and the keyboard (main_window_access.cpp).
#include <QMainWindow>
#include <array>
#include <memory>

#include "base/dialogs.h"
#include "base/platform.h"
#include "model/field_params.h"
#include "profiles/profile_family.h"
#include "session/session.h"
#include "ui/authors_window.h"
#include "ui/file_chooser.h"
#include "ui/language.h"
#include "ui/main_window_controls.h"
#include "ui/picture_print.h"
#include "ui/profile_window.h"

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence; the window is shown by the caller. The session keeps `params`.
    MainWindow(FieldParams& params, Dialogs& dialogs, Platform& platform,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The size of the inner area (below the menu bar) the window opens with.
    static constexpr int kInnerWidth = 754;
    static constexpr int kInnerHeight = 552;
    // The size of the picture in the window as it opens: the inner height less two gaps.
    static constexpr int kOpeningPictureSize = kInnerHeight - 2 * 4;
    // The window's title before the first computation.
    static constexpr const char* kTitle = QT_TRANSLATE_NOOP(
        "MainWindow", "Несимметричные электростатические поля 2-х точечных зарядов");

    MainWindowControls ui;

    // What the window keeps between the user's actions, and the layout measures the profile
    // windows share.
    const Session& session() const { return *session_; }
    const LayoutMeasures& layout_measures() const { return layout_; }
    // False while the window starts up, true afterwards.
    bool is_ready() const { return ready_; }

    // The profile windows, made hidden at start-up.
    ProfileWindow& profile(ProfileId id) { return *profiles_[to_index(id)]; }
    // The Authors window, made the first time it is asked for (null until then).
    AuthorsWindow* authors_window() const { return authors_window_; }
    // Where files to save are chosen, here and in the profile windows: Qt's file dialog unless
    // another chooser is set (tests answer from a script).
    void set_file_chooser(FileChooser& chooser);

    // Lays the window out from its inner height and redraws the picture as after a change of
    // its size (the empty frame with the charges, or live the whole picture, when that is quick).
    void relayout_and_redraw();
    // Places every control from the inner height.
    void lay_out();
    // The inputs' start-up values, written into the inputs (whose handlers pass them on).
    void fill_inputs();

    // The inputs: a scroll bar moved, a number typed, a family chosen, the compute button.
    void on_q1_changed();
    void on_q2_changed();
    void on_size_changed();
    void on_level_count_edited();
    void on_line_count_edited();
    void on_y_fixed_edited();
    void on_chosen_potential_edited();
    void on_x_fixed_edited();
    void on_families_chosen();
    void compute();

    // The characteristic lines (a click on a heading), the chosen equipotential, the pointer
    // readout and the point log.
    void explain_zero_potential();
    void explain_zero_field();
    void explain_field_direction();
    void draw_chosen_equipotential();
    void show_readout(float x, float y);
    void log_point();
    void on_log_clicked();

    // «Вид»: the three views and the live redraw, from their items.
    void on_views_chosen();
    void on_live_toggled(bool on);

    // The menu items.
    void open_spravka();
    void open_gauss();
    void open_instruction();
    void open_uprav();
    void show_authors();
    void show_about();
    void show_registration();
    void save_field_picture();
    void copy_field_picture();
    void print_field_picture();
    void preview_field_picture();
    // «Язык / Language»: the interface in that language at once, and in the next runs.
    void choose_language(Language language);
    // The printer of this window and of the profile windows, with the settings last chosen.
    PicturePrinter& picture_printer() { return printer_; }

  signals:
    // The user confirmed the exit: every window is closed and the program is to end.
    void exit_confirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connect_controls();
    // Every text of the window in the interface's language: the controls' captions, tool tips
    // and accessible names, the menus, the caption and the level step's tip.
    void retranslate();
    void set_title();
    void set_level_step_tip();
    void connect_menus();
    // The picture takes the focus by a click and copies itself on Ctrl+C; the profile windows
    // share the file chooser.
    void set_up_export();
    // A scroll bar moved: its label, then the picture and the shown profiles as the session
    // says.
    void on_bar_moved(const BarMoved& moved, QLabel* label);
    // Lays the window out and lets the session draw the picture again as `how` says; then shows
    // what the picture shows.
    void redraw_picture(PictureRedraw how);
    // Redraws the given profile windows, in that order, as one computation.
    void redraw_profiles(const ProfileRedraw& redraw);
    // A click drawing over the picture, as one computation; then what the picture shows.
    void draw_over(void (Session::*click)(Progress&));
    // Closes every other window and the point log after a confirmed exit.
    void close_other_windows();
    // This window's outer position and size in twips.
    TwipRect frame_twips() const;

    // The controls' accessible names and descriptions, the order of the keyboard focus and the
    // frames that show it.
    void set_up_access();
    void name_controls();
    // The accessible names that say a value: of the scroll bars, their labels and the readout.
    void describe_values();
    // The picture's accessible description: the charges, the region and what it shows.
    void describe_picture();
    // The picture's title: the charges and the region.
    QString picture_title() const;
    // The readout's labels from the session.
    void show_readout_values();

    std::unique_ptr<Session> session_;
    LayoutMeasures layout_;
    bool ready_ = false;
    Dialogs& dialogs_;
    Platform& platform_;
    std::array<std::unique_ptr<ProfileWindow>, kProfileCount> profiles_;
    AuthorsWindow* authors_window_ = nullptr;
    // The user was told that the language chosen could not be remembered.
    bool told_language_not_kept_ = false;
    QtFileChooser own_chooser_;
    FileChooser* chooser_ = &own_chooser_;
    PicturePrinter printer_;
};
