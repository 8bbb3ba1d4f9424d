#pragma once
// The main window: the field picture on the left, the column of inputs, the compute button, the
// profile check boxes and the pointer readout on the right, and the two menus.
//
// Its rooms: the controls and their making (main_window_controls.h/.cpp), the start-up and the
// exit (main_window.cpp), the layout (main_window_layout.cpp), what the controls do
// (main_window_handlers.cpp), the menus (main_window_menus.cpp), the views and the live redraw
// (main_window_views.cpp), saving, copying and printing the picture (main_window_export.cpp) and
// the access by screen readers and the keyboard (main_window_access.cpp).
#include <QMainWindow>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/characteristic_results.h"
#include "analysis/point_log.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_family.h"
#include "ui/authors_window.h"
#include "ui/file_chooser.h"
#include "ui/language.h"
#include "ui/main_window_controls.h"
#include "ui/picture_print.h"
#include "ui/profile_window.h"

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence; the window is shown by the caller.
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

    // The field picture as last drawn, what the characteristic lines found, and the layout
    // measures the profile windows share.
    const FieldPicture& field_picture() const { return field_picture_; }
    const CharacteristicResults& results() const { return results_; }
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

    // Lays the window out from its inner height and redraws the empty frame with the charges
    // (with the live redraw on, the whole picture, when that is quick).
    void relayout_and_redraw();
    // Places every control from the inner height.
    void lay_out();
    // The inputs' start-up values, written into the inputs (whose handlers copy them back).
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

    // «Вид»: the views from their items into the inputs, then the picture redrawn: the
    // whole of it, characteristic lines included, when it shows computed lines (they are not
    // lost), otherwise as after a change of a scroll bar; the live redraw on or off (on, the
    // picture is redrawn at once).
    void on_views_chosen();
    void on_live_toggled(bool on);
    // Whether every change of an input redraws the whole picture.
    bool is_live() const { return live_; }
    // The share of a second a live redraw of the lines with the current counts is expected to
    // take, from the last one measured; over half a second it is not started live.
    double expected_live_seconds() const;
    static constexpr double kLiveLimit = 0.5;
    // Live, and quick enough to redraw the whole picture at once.
    bool redraws_live() const { return live_ && expected_live_seconds() <= kLiveLimit; }

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
    // A scroll bar moved: its value into the model and its label, then the frame and every shown
    // profile redrawn.
    void on_bar_changed(PositionScrollBar* bar, double factor, double& value, QLabel* label);
    // After a change of a count or of the families: with the live redraw on, the picture redrawn
    // as after a change of a scroll bar; otherwise nothing.
    void redraw_if_live();
    // The whole picture as the compute button draws it, with the characteristic lines and chosen
    // equipotentials drawn over it since, without the caption, the tone or a message box.
    void redraw_whole_picture(Progress& progress);
    // The characteristic lines and chosen equipotentials drawn over the picture since it was
    // last cleared, drawn again for the current inputs, without a message box.
    void draw_over_again(Progress& progress);
    // What a redraw keeps: the empty frame alone (after a change of an input), the lines drawn
    // over it too (the same inputs in another language), or the whole picture with the lines
    // of the last computation.
    enum class Keep { Frame, DrawnOver, Everything };
    // Lays the window out and redraws the picture, keeping `keep`.
    void relayout_and_redraw(Keep keep);
    // Redraws the given profile windows that are shown, in that order, as one computation.
    void redraw_profiles(std::initializer_list<ProfileId> ids,
                         ProfileWindow::Warning warning = ProfileWindow::Warning::Box);
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
    // What the picture shows, for its description: the frame alone or with the charges after it
    // was cleared; the frame, the charges and the lines of a computation; `what` added over it
    // by a handler when the picture holds more primitives than it held before.
    void note_frame(bool with_charges);
    void note_computed(bool stopped);
    // What the picture shows: a text to translate, with a number for its %1 (or none).
    struct DrawnNote {
        const char* text;
        QString number;
    };
    void note_drawn(std::size_t primitives_before, const DrawnNote& what);

    FieldParams& params_;
    FieldPicture field_picture_;
    CharacteristicResults results_;
    LayoutMeasures layout_;
    bool ready_ = false;
    Dialogs& dialogs_;
    Platform& platform_;
    std::array<std::unique_ptr<ProfileWindow>, kProfileCount> profiles_;
    AuthorsWindow* authors_window_ = nullptr;
    PointLog point_log_;
    bool readout_shown_ = false;   // the readout labels show a point of the picture
    std::vector<DrawnNote> drawn_; // what the picture shows
    // The seconds of the last computation and whether it was stopped, for the caption; none
    // before the first.
    struct ComputedTime {
        int seconds;
        bool stopped;
    };
    std::optional<ComputedTime> computed_time_;
    // The inputs and charges of the last computation that counted a level step, for its tip.
    std::optional<std::pair<FieldParams, ChargeMarks>> level_step_of_;
    // What the user drew over the picture since it was last cleared, in order: a live redraw
    // draws it again for the new inputs.
    struct DrawnOver {
        enum Kind { ZeroPotential, ZeroField, FieldDirection, ChosenEquipotential } kind;
        float potential = 0; // of a chosen equipotential
    };
    std::vector<DrawnOver> drawn_over_;
    // What a line drawn over the picture is called in its description.
    DrawnNote note_of(const DrawnOver& drawn) const;
    bool live_ = false;
    // The user was told that the language chosen could not be remembered.
    bool told_language_not_kept_ = false;
    // The picture shows the lines of a computation (cleared with them).
    bool lines_shown_ = false;
    // Seconds per unit of drawing work (field_work in main_window_views.cpp), as last measured,
    // with the prescribed field lines and with the lines of equal flux.
    double live_rate_[2] = {2e-4, 2e-4};
    QtFileChooser own_chooser_;
    FileChooser* chooser_ = &own_chooser_;
    PicturePrinter printer_;
};
