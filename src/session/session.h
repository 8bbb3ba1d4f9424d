#pragma once
// What the main window keeps between a user's actions, and what each action does: the inputs,
// the field picture as last drawn and what was drawn over it since, what the characteristic
// lines found, the live redraw, the six profiles with their samples, the pointer readout and the
// point log.
//
// A face (the desktop window, the command line) reads its controls, calls the operation named
// after what the user did and shows what it returns: texts for its labels, which pictures to
// draw again, and the session's state through the queries at the end. The session draws on the
// face's picture boxes and speaks through its dialogs and desktop; a face owns only what its
// platform does differently (widgets, fonts and texts, layout, files, the event loop).
//
// Where an operation changes what a picture is to show, it says how (PictureRedraw,
// ProfileRedraw) and the face, once it has laid itself out, asks the session to draw it
// (redraw_picture, draw_profile).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/characteristic_results.h"
#include "analysis/point_log.h"
#include "analysis/readout.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/platform.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_draw.h"
#include "profiles/profile_family.h"
#include "session/drawn_over.h"
#include "session/live_redraw.h"
#include "session/session_clock.h"

// How the field picture is to be drawn again after an action.
enum class PictureRedraw {
    None,  // not at all
    Frame, // cleared to the frame and the charges: the lines and what was drawn over them go
    FrameAndDrawnOver, // the frame and the charges with what was drawn over them since, for the
                       // same inputs (in another language)
    Whole, // as «расчёт» draws it, with what was drawn over it since, but without the caption,
           // the tone or a message
};

// How a profile's redraw tells that there is nothing to draw: in a message box, or printed in
// the graph itself, which takes no keyboard focus (for redraws while the user types).
enum class ProfileWarning { Box, InPicture };

// The profiles an action asks to be drawn again: those of them that are shown, in this order.
struct ProfileRedraw {
    std::vector<ProfileId> ids;
    ProfileWarning warning = ProfileWarning::Box;
};

// A scroll bar of the charges or of the region moved.
struct BarMoved {
    std::string value_text; // its value label
    PictureRedraw picture;
    ProfileRedraw profiles;
};

// A line of the families' list chosen.
struct FamiliesChosen {
    bool level_count_shown; // the equipotentials' count is needed
    bool line_count_shown;  // the field lines' count is needed
    PictureRedraw picture;
};

// What the inputs show at start-up.
struct StartInputs {
    int q1_position, q2_position, size_position; // the scroll bars
    std::string level_count, line_count;         // the counts' texts
    std::string y_fixed, x_fixed, chosen_potential;
    int families_row; // the line of the families' list
};

// The interface's language changed.
struct LanguageSwitched {
    PictureRedraw picture;
    ProfileRedraw profiles;
};

// A double click on the picture.
struct PointLogged {
    bool readout_changed; // the readout was taken there first (no pointer move came before)
    bool log_on;          // the log is on afterwards (a failed write switches it off)
};

// A profile's scale bar and its label.
struct ScaleBar {
    int position;
    std::string label;
};

class Session {
  public:
    // Draws the field picture on `picture`, asks and tells through `dialogs`, sounds the end
    // tone through `platform`. The record `params` is the session's from now on: only its
    // operations change it. Until a picture is drawn, the picture as last drawn has the frame of
    // `params` (what a profile's data is taken over) and no charges.
    Session(FieldParams& params, PictureBox& picture, Dialogs& dialogs, Platform& platform,
            SessionClock& clock = system_clock());

    // Start-up: the inputs set to their start-up values (the decimal separator, the language
    // and the views stay as they are), and what the controls are to show for them.
    StartInputs reset_inputs();
    // Start-up: the frame of the first picture, without the charges (the picture is not
    // cleared).
    void draw_start_frame();

    // The scroll bars: q1 and q2 are 0.05 nC a step, the half-width 0.5 m. The picture is
    // cleared to its frame (live, drawn whole when that is quick) and every shown profile
    // redrawn.
    BarMoved move_q1_bar(int position);
    BarMoved move_q2_bar(int position);
    BarMoved move_size_bar(int position);
    // The text boxes, read at every keystroke. A count redraws the picture only with the live
    // redraw on; a fixed coordinate redraws the shown profiles along its line, their warnings in
    // the graph; the chosen potential is only kept.
    PictureRedraw type_level_count(std::string_view text);
    PictureRedraw type_line_count(std::string_view text);
    ProfileRedraw type_y_fixed(std::string_view text);
    ProfileRedraw type_x_fixed(std::string_view text);
    void type_chosen_potential(std::string_view text);
    // The chosen potential given as a number (the command line).
    void choose_potential(float volts);
    // The families' list: line 0 the equipotentials, 1 the field lines, any other both.
    FamiliesChosen choose_families(int row);

    // «расчёт»: the picture cleared and drawn with the chosen families, the end tone, the
    // level step and the seconds taken kept for the face (level_step_tip, caption).
    void press_compute(Progress& progress = no_progress());
    // The headings: the line of zero potential (q1), the point of zero field with its
    // equipotential (q2), the lines of vertical and horizontal field (the region's size); each
    // drawn over the picture and explained in a message box. The button «φ»: the equipotential
    // of the chosen potential, without a message.
    void click_q1_heading(Progress& progress = no_progress());
    void click_q2_heading(Progress& progress = no_progress());
    void click_size_heading(Progress& progress = no_progress());
    void press_chosen_potential_button(Progress& progress = no_progress());
    // «Вид»: the views of every later picture; the picture is drawn whole when it shows
    // computed lines (they are not lost) or the live redraw is quick, else cleared to its frame.
    PictureRedraw toggle_view(const ViewOptions& views);
    // «Пересчитывать сразу»: on, the picture is drawn again at once (as after a scroll bar).
    PictureRedraw toggle_live(bool on);
    // The picture's size changed: as after a scroll bar.
    PictureRedraw resize_picture() const;
    // The interface's language changed: the pictures' texts follow at once, everything drawn on
    // them kept (the computed lines, or the frame with what was drawn over it), and every shown
    // profile is drawn again, its warnings in the graph.
    LanguageSwitched switch_language() const;
    // Draws the picture again as `how` says.
    void redraw_picture(PictureRedraw how, Progress& progress = no_progress());

    // The pointer over the picture at (x, y) [m]: the readout there.
    const Readout& move_pointer(float x, float y);
    // A double click on the picture, the pointer at (x, y): the readout as a line of the log
    // (with the log off, a hint to switch it on).
    PointLogged double_click_picture(float x, float y);
    // The log's box ticked (the file started afresh, after a hint) or cleared (the file
    // closed); whether the log is on afterwards.
    bool click_log_box(bool ticked);
    // The user confirmed the exit: the log is closed.
    void quit();

    // A profile's box ticked or cleared: the profile to draw when shown.
    ProfileRedraw tick_profile_box(ProfileId id, bool ticked);
    // A profile's scale bar as it starts; and moved: the new scale factor's label.
    ScaleBar start_scale_bar(ProfileId id) const;
    std::string move_scale_bar(ProfileId id, int position);
    // Draws the profile on the cleared `graph` over the frame of the picture as last drawn,
    // keeping its samples; tells nothing to draw as `warning` says.
    void draw_profile(ProfileId id, PictureBox& graph, ProfileWarning warning = ProfileWarning::Box,
                      Progress& progress = no_progress());
    // The profile's samples as a CSV table.
    std::string profile_table(ProfileId id) const;

    // What the faces show.
    const FieldParams& params() const { return params_; }
    const FieldPicture& field_picture() const { return field_picture_; }
    const CharacteristicResults& results() const { return results_; }
    // The caption after «расчёт» (with its seconds, and whether it was stopped); none before.
    std::optional<std::string> caption() const;
    // The level step of the last picture that counted one, for the tip of the level count.
    std::string level_step_tip() const;
    // What the picture shows, thing by thing, in the interface's language.
    std::vector<std::string> picture_notes() const;
    // The readout of the last pointer move; none before the first.
    const std::optional<Readout>& readout() const { return readout_; }
    bool log_on() const { return point_log_.is_on(); }
    const LiveRedraw& live() const { return live_; }
    bool profile_shown(ProfileId id) const { return profiles_[to_index(id)].shown; }
    double profile_scale(ProfileId id) const { return profiles_[to_index(id)].scale; }
    const ProfileSamples& profile_samples(ProfileId id) const {
        return profiles_[to_index(id)].samples;
    }

  private:
    BarMoved bar_moved(double value);
    // After an input changed: the whole picture when live and quick, else the frame.
    PictureRedraw redraw_after_change() const;
    // The shown profiles among `ids`, and all the shown ones (in the family's order).
    ProfileRedraw shown_of(std::initializer_list<ProfileId> ids, ProfileWarning warning) const;
    ProfileRedraw every_shown_profile(ProfileWarning warning) const;
    void redraw_whole_picture(Progress& progress);
    // What was drawn over the picture since it was last cleared, drawn again for the inputs of
    // the moment, without a message.
    void draw_over_again(Progress& progress);
    // A click drawing over the picture: drawn, remembered, noted.
    void draw_over_by_click(const DrawnOver& drawn, Progress& progress);
    // The notes of what the picture shows: the frame alone or with the charges after it was
    // cleared; the frame, the charges and the lines of a computation; something drawn over it,
    // when the picture took primitives for it.
    void note_frame(bool with_charges);
    void note_computed(bool stopped);
    void note_drawn(std::size_t taken_before, const DrawnOver& drawn);

    FieldParams& params_;
    PictureBox& picture_;
    Dialogs& dialogs_;
    Platform& platform_;
    SessionClock& clock_;

    FieldPicture field_picture_;
    CharacteristicResults results_;
    // What the user drew over the picture since it was last cleared, in order.
    std::vector<DrawnOver> drawn_over_;
    // The picture shows the lines of a computation (cleared with them).
    bool lines_shown_ = false;
    std::vector<PictureNote> notes_;
    LiveRedraw live_;
    // The seconds of the last «расчёт» and whether it was stopped; none before the first.
    struct ComputedTime {
        int seconds;
        bool stopped;
    };
    std::optional<ComputedTime> computed_time_;
    // The inputs and charges of the last picture that counted a level step.
    std::optional<std::pair<FieldParams, ChargeMarks>> level_step_of_;

    std::optional<Readout> readout_;
    PointLog point_log_;

    struct Profile {
        bool shown = false;
        double scale = 1; // of the value axis
        ProfileSamples samples;
    };
    std::array<Profile, kProfileCount> profiles_;
};
