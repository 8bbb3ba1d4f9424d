// The session without a face: what each action of the user does to the inputs, the field
// picture and what was drawn over it, the live redraw, the profiles, the readout and the point
// log; on the recording picture box, with recording dialogs and a clock the test sets.
#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <functional>
#include <ios>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/field_direction_lines.h"
#include "analysis/point_log.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "model/point_field.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/field_views.h"
#include "session/session.h"
#include "support/log_header.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"
#include "support/temp_dir.h"

namespace {

// A clock the test sets: the times of day «расчёт» reads, in turn (the last one again when they
// run out), and a steady clock that moves by `tick` seconds at every reading.
class ScriptedClock : public SessionClock {
  public:
    std::vector<MinuteSecond> times = {{0, 0}};
    double tick = 0.001;

    MinuteSecond time_of_day() override {
        const MinuteSecond t = times[std::min(next_, times.size() - 1)];
        ++next_;
        return t;
    }
    double seconds() override { return now_ += tick; }

  private:
    std::size_t next_ = 0;
    double now_ = 0;
};

// A session started as the window starts it: the inputs at their start-up values, the first
// frame, then the picture laid out (the frame with the charges).
struct Started {
    FieldParams params;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    ScriptedClock clock;
    Session session{params, pic, dialogs, platform, clock};
    Started() {
        session.reset_inputs();
        session.draw_start_frame();
        session.redraw_picture(session.resize_picture());
    }
    // Calls of the picture since it was last cleared in `colour`.
    std::size_t drawn_in(Colour colour) const {
        std::size_t n = 0;
        for (const DrawCall& c : pic.since_clear()) {
            n += c.has_colour && c.colour == colour;
        }
        return n;
    }
    std::string notes() const {
        std::string all;
        for (const std::string& note : session.picture_notes()) {
            all += (all.empty() ? "" : ", ") + note;
        }
        return all;
    }
    const RecordingDialogs::Shown& last() const { return dialogs.shown.back(); }
};

// What a picture shows since it was last cleared, call by call: kind, coordinates, colour, pen
// width, text, and a circle's fill.
std::vector<std::string> drawing(const RecordingPictureBox& pic) {
    std::vector<std::string> out;
    for (const DrawCall& c : pic.since_clear()) {
        std::ostringstream s;
        s << std::hexfloat << c.kind << ' ' << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.y2
          << ' ' << c.r << ' ' << c.has_colour << ' ' << c.colour << ' ' << c.width << ' '
          << c.text;
        if (c.kind == DrawCall::Circle) {
            s << ' ' << c.filled << ' ' << c.fill_colour;
        }
        out.push_back(s.str());
    }
    return out;
}

// Start-up: the inputs back at their start-up values but for the separator, the language and
// the views; the edits show a decimal point whatever the separator.
TEST(Session, StartsWithTheDefaults) {
    FieldParams params;
    params.q1 = 1;
    params.decimal_separator = ",";
    params.views.arrows = true;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Session session(params, pic, dialogs, platform);
    const StartInputs in = session.reset_inputs();
    EXPECT_EQ(params.q1, 0.4);
    EXPECT_EQ(params.decimal_separator, ",");
    EXPECT_TRUE(params.views.arrows);
    EXPECT_EQ(in.q1_position, 8);
    EXPECT_EQ(in.y_fixed, "0.10");
    EXPECT_EQ(in.chosen_potential, "0.95");
    EXPECT_FALSE(session.caption());
    EXPECT_EQ(session.level_step_tip(), "через ? (при расчёте) вольт");
}

// The scroll bars: each step sets its value and label, clears the picture to the frame and the
// charges (the lines of «расчёт» gone) and redraws the shown profiles.
TEST(Session, ScrollBarsSetTheValueAndClearTheLines) {
    Started s;
    s.session.press_compute();
    s.session.tick_profile_box(ProfileId::ExAlongY, true);
    const struct {
        const char* name;
        BarMoved (Session::*bar)(int);
        int position;
        const double FieldParams::*value;
        double want;
        const char* label;
    } rows[] = {
        {"q1 up a step", &Session::move_q1_bar, 9, &FieldParams::q1, 0.45, "0.45"},
        {"size down a step", &Session::move_size_bar, 7, &FieldParams::half_width, 3.5, "3.50"},
        {"q2 to the bottom", &Session::move_q2_bar, -20, &FieldParams::q2, -1, "-1.00"},
        {"q2 to zero", &Session::move_q2_bar, 0, &FieldParams::q2, 0, "0.00"},
        {"q2 to the top", &Session::move_q2_bar, 20, &FieldParams::q2, 1, "1.00"},
        {"size to the top", &Session::move_size_bar, 14, &FieldParams::half_width, 7, "7.00"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const BarMoved moved = (s.session.*r.bar)(r.position);
        EXPECT_DOUBLE_EQ(s.params.*r.value, r.want);
        EXPECT_EQ(moved.value_text, r.label);
        EXPECT_EQ(moved.picture, PictureRedraw::Frame);
        EXPECT_EQ(moved.profiles.ids, std::vector<ProfileId>{ProfileId::ExAlongY});
        EXPECT_EQ(moved.profiles.warning, ProfileWarning::Box);
        s.session.redraw_picture(moved.picture);
        EXPECT_EQ(s.drawn_in(kEquipotentialColour) + s.drawn_in(kFieldLineColour), 0u);
        EXPECT_GT(s.drawn_in(kGridColour), 10u);
        EXPECT_EQ(s.notes(), "координатная сетка с осями, заряды");
    }
    EXPECT_FLOAT_EQ(s.session.field_picture().frame.y_max, 7);
    EXPECT_EQ(s.platform.tones.size(), 1u); // only the one computation sounded
}

// The text boxes: each keystroke reads the text as a number (a point or a comma); the count of
// field lines is the nearest 16-bit integer (halves to even, clamped), the chosen potential is
// rounded to two decimals and clamped to a single. Nothing redraws.
TEST(Session, TextInputs) {
    Started s;
    s.session.press_compute();
    const std::size_t drawn = s.pic.calls.size();
    enum Box { Levels, Lines, YFixed, XFixed, Potential };
    const struct {
        Box box;
        const char* text;
        double want;
    } rows[] = {
        {YFixed, "0,5", 0.5},
        {YFixed, "0.5", 0.5},
        {Potential, "0,5", 0.5f},
        {Potential, "-1,255", -1.26f},
        {XFixed, "1e-1", 0.1},
        {XFixed, "1 0", 10},
        {Lines, "2.5", 2},
        {Lines, "3.5", 4},
        {Lines, "1e999", 32767},
        {Lines, "&HFFFF", -1},
        {Potential, "0.125", 0.13f},
        {Potential, "-0.125", -0.13f},
        {Potential, "1e999", FLT_MAX},
        {Potential, "-1e999", -FLT_MAX},
        {Potential, "1e300", FLT_MAX},
        {Levels, "", 0},
        {Levels, "abc", 0},
        {Levels, "2.5", 2.5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        double got = 0;
        switch (r.box) {
        case Levels:
            EXPECT_EQ(s.session.type_level_count(r.text), PictureRedraw::None);
            got = s.params.level_intervals;
            break;
        case Lines:
            EXPECT_EQ(s.session.type_line_count(r.text), PictureRedraw::None);
            got = s.params.lines_per_charge;
            break;
        case YFixed:
            EXPECT_TRUE(s.session.type_y_fixed(r.text).ids.empty()); // no profile shown
            got = s.params.y_fixed;
            break;
        case XFixed:
            EXPECT_TRUE(s.session.type_x_fixed(r.text).ids.empty());
            got = s.params.x_fixed;
            break;
        case Potential:
            s.session.type_chosen_potential(r.text);
            got = s.params.chosen_potential;
            break;
        }
        EXPECT_DOUBLE_EQ(got, r.want);
    }
    EXPECT_EQ(s.pic.calls.size(), drawn);
}

// The list chooses the families «расчёт» draws and the counts they need.
TEST(Session, ListChoosesTheFamilies) {
    Started s;
    const struct {
        int row;
        LineFamilies families;
        bool levels, lines;
    } rows[] = {{0, LineFamilies::Equipotentials, true, false},
                {1, LineFamilies::FieldLines, false, true},
                {2, LineFamilies::Both, true, true},
                {7, LineFamilies::Both, true, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        const FamiliesChosen chosen = s.session.choose_families(r.row);
        EXPECT_EQ(s.params.families, r.families);
        EXPECT_EQ(chosen.level_count_shown, r.levels);
        EXPECT_EQ(chosen.line_count_shown, r.lines);
        EXPECT_EQ(chosen.picture, PictureRedraw::None);
        s.session.press_compute();
        EXPECT_EQ(s.drawn_in(kEquipotentialColour) > 0, r.levels);
        EXPECT_EQ(s.drawn_in(kFieldLineColour) > 0, r.lines);
    }
}

// «расчёт»: the lines, the tone, the level step for the count's tip (in the separator of the
// numbers) and the caption with the seconds from the clock's minutes and seconds; stopped, the
// caption says so and the tone stays silent.
TEST(Session, ComputeDrawsAndTimes) {
    Started s;
    s.clock.times = {{59, 58}, {0, 3}};
    s.session.press_compute();
    EXPECT_GT(s.drawn_in(kEquipotentialColour), 100u);
    EXPECT_GT(s.drawn_in(kFieldLineColour), 100u);
    EXPECT_EQ(s.platform.tones, (std::vector<std::pair<int, int>>{{880, 120}}));
    EXPECT_EQ(s.session.level_step_tip(), "через  7.75 B");
    EXPECT_EQ(s.session.caption(),
              "Несимметричные электростатические поля 2-х точечных зарядов.. Время расчета 5 c");
    EXPECT_EQ(s.notes(),
              "координатная сетка с осями, заряды, линии потенциала, линии напряжённости");

    // Stopped at once: the frame and the charges only, and no tone.
    struct StopAtOnce : Progress {
        bool go_on(double) override { return false; }
    } stop;
    s.clock.times = {{10, 0}};
    s.params.decimal_separator = ",";
    s.session.press_compute(stop);
    EXPECT_EQ(s.platform.tones.size(), 1u);
    EXPECT_EQ(s.drawn_in(kFieldLineColour), 0u);
    EXPECT_EQ(s.session.caption(), "Несимметричные электростатические поля 2-х точечных "
                                   "зарядов.. Время расчета 0 c. Расчёт остановлен");
    EXPECT_EQ(s.session.level_step_tip(), "через  7,75 B");
    EXPECT_EQ(s.notes(), "координатная сетка с осями, заряды, линии потенциала, линии "
                         "напряжённости, не всё: расчёт остановлен");
}

// Each heading click draws its lines over the picture, explains them and keeps what it found;
// the picture's notes name each. The button «φ» draws blue dots without a message.
TEST(Session, ClicksDrawOverThePictureAndExplain) {
    Started s;
    const struct {
        const char* name;
        void (Session::*click)(Progress&);
        Colour colour;
        const char* title; // nullptr: no message
        const char* note;
    } rows[] = {
        {"q1 heading", &Session::click_q1_heading, kZeroPotentialColour,
         "Линия нулевого потенциала", "линия нулевого потенциала"},
        {"q2 heading", &Session::click_q2_heading, kZeroFieldLevelColour,
         "Точка с нулевой напряжённостью",
         "точка нулевой напряжённости и линия потенциала через неё"},
        {"size heading", &Session::click_size_heading, kVerticalFieldColour, "Характерные линии",
         "линии горизонтального и вертикального поля"},
        {"φ button", &Session::press_chosen_potential_button, kUserEquipotentialColour, nullptr,
         "линия потенциала 2.00 В"},
    };
    s.session.type_chosen_potential("2");
    std::string notes = s.notes();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::size_t boxes = s.dialogs.shown.size();
        (s.session.*r.click)(no_progress());
        EXPECT_GT(s.drawn_in(r.colour), 20u);
        if (r.title) {
            ASSERT_EQ(s.dialogs.shown.size(), boxes + 1);
            EXPECT_EQ(s.last().title, r.title);
        } else {
            EXPECT_EQ(s.dialogs.shown.size(), boxes);
        }
        notes += std::string(", ") + r.note;
        EXPECT_EQ(s.notes(), notes);
    }
    EXPECT_NE(s.dialogs.shown[0].text.find("x=0.57 м"), std::string::npos);
    EXPECT_EQ(s.session.results().zero_field_potential, 0.9);
    EXPECT_TRUE(s.session.results().zero_potential_radius);

    // Like charges have no line of zero potential: explained, not drawn, not named.
    s.session.move_q2_bar(4);
    s.session.redraw_picture(PictureRedraw::Frame);
    s.session.click_q1_heading();
    EXPECT_EQ(s.drawn_in(kZeroPotentialColour), 0u);
    EXPECT_EQ(s.last().title, "Линия нулевого потенциала");
    EXPECT_EQ(s.notes(), "координатная сетка с осями, заряды");
}

// With the live redraw on, a scroll-bar step, a count typed and a family chosen each draw the
// picture of «расчёт» for the new inputs, with the zero-field point drawn again over it, but
// leave the caption and the tone and tell nothing; the picture is the one «расчёт» and the
// click draw.
TEST(Session, LiveRedrawIsTheComputationWithoutCaptionOrTone) {
    Started live, plain;
    EXPECT_EQ(live.session.toggle_live(true), PictureRedraw::Whole);
    live.session.redraw_picture(PictureRedraw::Whole);
    EXPECT_GT(live.drawn_in(kFieldLineColour), 100u);
    live.session.click_q2_heading();
    const struct {
        const char* name;
        std::function<PictureRedraw(Session&)> change;
    } steps[] = {
        {"q1 up", [](Session& s) { return s.move_q1_bar(9).picture; }},
        {"q2 up two", [](Session& s) { return s.move_q2_bar(0).picture; }},
        {"size down", [](Session& s) { return s.move_size_bar(7).picture; }},
        {"lines typed", [](Session& s) { return s.type_line_count("9"); }},
        {"levels typed", [](Session& s) { return s.type_level_count("5"); }},
        {"field lines chosen", [](Session& s) { return s.choose_families(1).picture; }},
        {"a resize", [](Session& s) { return s.resize_picture(); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const PictureRedraw how = step.change(live.session);
        ASSERT_EQ(how, PictureRedraw::Whole);
        live.session.redraw_picture(how);
        plain.session.redraw_picture(step.change(plain.session));
        plain.session.press_compute();
        plain.session.click_q2_heading();
        EXPECT_EQ(drawing(live.pic), drawing(plain.pic));
        EXPECT_EQ(live.notes(), plain.notes());
    }
    EXPECT_FALSE(live.session.caption());
    EXPECT_TRUE(live.platform.tones.empty());
    EXPECT_EQ(live.dialogs.shown.size(), 1u); // the first explanation only

    // Switched off, a change clears the lines again.
    EXPECT_EQ(live.session.toggle_live(false), PictureRedraw::None);
    EXPECT_EQ(live.session.move_q1_bar(8).picture, PictureRedraw::Frame);
}

// The live redraw's decision: a redraw expected to take over half a second, at the rate the last
// one was measured at, clears the lines instead; the lines of equal flux are timed apart.
TEST(Session, LiveRedrawOnlyWhenQuickEnough) {
    Started s;
    // Every redraw of the lines measures 0.01 s: the default picture is 1 + 12 + 6*6 = 49 units
    // of work, so 0.5 s is 2450 units (1 + 12 + 6*406 = 2449, 1 + 12 + 6*407 = 2455).
    s.clock.tick = 0.01;
    s.session.toggle_live(true);
    s.session.redraw_picture(PictureRedraw::Whole);
    EXPECT_NEAR(s.session.live().expected_seconds(s.params), 0.01, 1e-12);
    const struct {
        const char* lines;
        PictureRedraw want;
    } rows[] = {{"406", PictureRedraw::Whole},
                {"407", PictureRedraw::Frame},
                {"20000", PictureRedraw::Frame},
                {"6", PictureRedraw::Whole}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(s.session.type_line_count(r.lines), r.want);
    }

    // Measured slow with the prescribed lines; the lines of equal flux keep their own rate.
    s.clock.tick = 1;
    s.session.redraw_picture(PictureRedraw::Whole);
    EXPECT_EQ(s.session.resize_picture(), PictureRedraw::Frame);
    s.session.redraw_picture(PictureRedraw::Frame);
    EXPECT_EQ(s.session.toggle_view({false, false, true}), PictureRedraw::Whole);
    EXPECT_EQ(s.session.toggle_view({false, false, false}), PictureRedraw::Frame);
}

// A view toggled over computed lines draws them again, with what was drawn over them, without a
// box or a tone, and the notes name the view; over the frame alone it redraws the frame.
TEST(Session, ViewsKeepComputedLines) {
    Started s;
    EXPECT_EQ(s.session.toggle_view({false, true, false}), PictureRedraw::Frame);
    s.session.redraw_picture(PictureRedraw::Frame);
    EXPECT_EQ(s.notes(), "координатная сетка с осями, стрелки поля, заряды");
    s.session.press_compute();
    s.session.click_q2_heading();
    const std::size_t boxes = s.dialogs.shown.size(), tones = s.platform.tones.size();
    const PictureRedraw how = s.session.toggle_view({true, true, false});
    EXPECT_EQ(how, PictureRedraw::Whole);
    s.session.redraw_picture(how);
    EXPECT_GT(s.drawn_in(kFieldLineColour), 100u);
    EXPECT_GT(s.drawn_in(kZeroFieldLevelColour), 20u);
    EXPECT_EQ(s.pic.since_clear().at(1).kind, DrawCall::Pixels); // the map, under the rest
    EXPECT_EQ(s.dialogs.shown.size(), boxes);
    EXPECT_EQ(s.platform.tones.size(), tones);
    EXPECT_EQ(s.notes(), "координатная сетка с осями, карта потенциала, стрелки поля, заряды, "
                         "линии потенциала, линии напряжённости, точка нулевой напряжённости и "
                         "линия потенциала через неё");
}

// The language switch keeps what the picture shows: all of it when it shows computed lines,
// otherwise the frame with what was drawn over it (which a later change then clears); every
// shown profile is drawn again, warnings in its graph.
TEST(Session, LanguageSwitchKeepsThePicture) {
    Started s;
    s.session.tick_profile_box(ProfileId::EyAlongX, true);
    s.session.click_q1_heading();
    const LanguageSwitched over_frame = s.session.switch_language();
    EXPECT_EQ(over_frame.picture, PictureRedraw::FrameAndDrawnOver);
    EXPECT_EQ(over_frame.profiles.ids, std::vector<ProfileId>{ProfileId::EyAlongX});
    EXPECT_EQ(over_frame.profiles.warning, ProfileWarning::InPicture);
    for (int again = 0; again < 2; ++again) {
        s.session.redraw_picture(over_frame.picture);
        EXPECT_GT(s.drawn_in(kZeroPotentialColour), 20u);
        EXPECT_EQ(s.notes(), "координатная сетка с осями, заряды, линия нулевого потенциала");
    }
    EXPECT_EQ(s.dialogs.shown.size(), 1u); // explained once, at the click
    s.session.redraw_picture(s.session.move_q2_bar(-4).picture);
    s.session.redraw_picture(s.session.switch_language().picture);
    EXPECT_EQ(s.drawn_in(kZeroPotentialColour), 0u);

    s.session.press_compute();
    EXPECT_EQ(s.session.switch_language().picture, PictureRedraw::Whole);
}

// The profiles: a change of a charge redraws the shown ones in the family's order, with both
// charges zero each warning in a box; a hidden one warns when its box is ticked. A fixed
// coordinate typed redraws the shown ones along its line, warnings printed in the graph.
TEST(Session, ProfilesRedrawAndWarn) {
    Started s;
    for (const ProfileKind& kind : kProfiles) {
        s.session.tick_profile_box(kind.id, true);
    }
    s.session.move_q1_bar(0);
    const BarMoved moved = s.session.move_q2_bar(0);
    ASSERT_EQ(moved.profiles.ids.size(), kProfileCount);
    RecordingPictureBox graph;
    for (const ProfileId id : moved.profiles.ids) {
        s.session.draw_profile(id, graph, moved.profiles.warning);
    }
    std::vector<std::string> warnings;
    for (const auto& d : s.dialogs.shown) {
        warnings.push_back(d.text);
    }
    const std::vector<std::string> expected = {
        "Зарядов нет?\rПоля нет-3!",           "Зарядов нет? Совсем?\rПоля нет!",
        "Зарядов нет?\rПоля нет-Exx!",         "При y=0\rEy=0!",
        "Зарядов нет? Совсем?\rПоля нет-Exy!", "Зарядов нет? Совсем?\rПоля нет-Eyy!"};
    EXPECT_EQ(warnings, expected);

    s.session.tick_profile_box(ProfileId::PhiAlongY, false);
    EXPECT_EQ(s.session.move_size_bar(6).profiles.ids.size(), 5u);
    const ProfileRedraw ticked = s.session.tick_profile_box(ProfileId::PhiAlongY, true);
    EXPECT_EQ(ticked.ids, std::vector<ProfileId>{ProfileId::PhiAlongY});
    EXPECT_EQ(ticked.warning, ProfileWarning::Box);

    // Typed: the line's three profiles, the warning as the graph's own lines of text.
    s.dialogs.shown.clear();
    const ProfileRedraw typed = s.session.type_y_fixed("0.5");
    EXPECT_EQ(typed.ids, (std::vector<ProfileId>{ProfileId::PhiAlongX, ProfileId::ExAlongX,
                                                 ProfileId::EyAlongX}));
    EXPECT_EQ(typed.warning, ProfileWarning::InPicture);
    s.session.draw_profile(ProfileId::PhiAlongX, graph, typed.warning);
    EXPECT_TRUE(s.dialogs.shown.empty());
    EXPECT_EQ(graph.since_clear().front().kind, DrawCall::Scale); // cleared first
    EXPECT_EQ(graph.texts(),
              (std::vector<std::string>{"ПРЕДУПРЕЖДЕНИЕ", "Зарядов нет?", "Поля нет-3!"}));
    EXPECT_EQ(
        s.session.type_x_fixed("0").ids,
        (std::vector<ProfileId>{ProfileId::PhiAlongY, ProfileId::ExAlongY, ProfileId::EyAlongY}));

    // With charges, the samples are the point functions along the line.
    s.session.move_q1_bar(8);
    s.session.move_q2_bar(-2);
    s.session.redraw_picture(PictureRedraw::Frame);
    s.session.draw_profile(ProfileId::PhiAlongX, graph, ProfileWarning::InPicture);
    const ProfileSamples& samples = s.session.profile_samples(ProfileId::PhiAlongX);
    EXPECT_DOUBLE_EQ(samples.positions[1], -2.988); // one step of 6/500 m in from x = -3
    EXPECT_FLOAT_EQ(samples.values[1], potential_at(s.params, samples.positions[1], 0.5));
    EXPECT_EQ(s.session.profile_table(ProfileId::PhiAlongX).find("# fi(x) при Y_fix = 0.5 м"), 0u);
}

// The scale bar of a profile: factor 1 and label 1.0 at start; each step 0.05, the label with
// two decimals.
TEST(Session, ScaleBarSetsTheFactor) {
    Started s;
    const ScaleBar start = s.session.start_scale_bar(ProfileId::PhiAlongX);
    EXPECT_EQ(start.position, 1);
    EXPECT_EQ(start.label, "1.0");
    const struct {
        int position;
        double factor;
        const char* label;
    } rows[] = {{2, 1.1, "1.10"}, {0, 1, "1.00"}, {19, 1.95, "1.95"}, {-19, 0.05, "0.05"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.position);
        EXPECT_EQ(s.session.move_scale_bar(ProfileId::ExAlongY, r.position), r.label);
        EXPECT_NEAR(s.session.profile_scale(ProfileId::ExAlongY), r.factor, 1e-12);
    }
    EXPECT_EQ(s.session.profile_scale(ProfileId::PhiAlongX), 1);
}

// The readout of the last pointer move, and the point log: on, three double clicks, off gives
// the header and three lines of the readouts, exact; on again starts a new file; off, a double
// click asks to switch it on; a double click before any pointer move reads out its point first.
TEST(Session, ReadoutAndPointLog) {
    InTempDir tmp;
    Started s;
    EXPECT_EQ(s.session.double_click_picture(1, 1).log_on, false);
    EXPECT_EQ(s.last().title, "Подсказка");
    EXPECT_EQ(s.last().text, "Сначала включите чекбокс вывода в файл");
    EXPECT_FALSE(std::filesystem::exists("kerant.txt"));

    EXPECT_TRUE(s.session.click_log_box(true));
    EXPECT_EQ(s.last().text, log_hint_text());
    EXPECT_EQ(read_bytes("kerant.txt"), kDefaultLogHeader);
    const PointLogged first = s.session.double_click_picture(-2, 0.5);
    EXPECT_TRUE(first.readout_changed);
    EXPECT_TRUE(first.log_on);
    ASSERT_TRUE(s.session.readout());
    EXPECT_EQ(s.session.readout()->x, "-2.000");
    std::string expected =
        kDefaultLogHeader + log_line("-2.000", "0.500", s.session.readout()->fi,
                                     s.session.readout()->Ex, s.session.readout()->Ey);
    EXPECT_EQ(read_bytes("kerant.txt"), expected);
    for (const auto& [x, y] : {std::pair{1.0f, 1.0f}, std::pair{0.3f, 3.0f}}) {
        const Readout r = s.session.move_pointer(x, y);
        EXPECT_EQ(r.fi, readout_at(s.params, x, y).fi);
        // The readout of the pointer move, not the point of the double click.
        EXPECT_FALSE(s.session.double_click_picture(5, 5).readout_changed);
        expected += log_line(r.x, r.y, r.fi, r.Ex, r.Ey);
        EXPECT_EQ(read_bytes("kerant.txt"), expected);
    }
    EXPECT_FALSE(s.session.click_log_box(false));
    EXPECT_EQ(read_bytes("kerant.txt"), expected);
    // Read back as a spreadsheet would: five numbers a line, those of the point functions.
    std::istringstream file(read_bytes("kerant.txt"));
    std::string line;
    int lines = 0;
    for (int n = 0; std::getline(file, line); ++n) {
        ASSERT_EQ(line.back(), '\r');
        if (n < 5) {
            continue;
        }
        std::istringstream fields(line);
        double x, y, fi, ex, ey;
        ASSERT_TRUE(fields >> x >> y >> fi >> ex >> ey) << line;
        EXPECT_NEAR(fi, potential_at(s.params, x, y), 0.01);
        EXPECT_NEAR(ex, ex_at(s.params, x, y), 0.01);
        EXPECT_NEAR(ey, ey_at(s.params, x, y), 0.01);
        ++lines;
    }
    EXPECT_EQ(lines, 3);
    EXPECT_TRUE(s.session.click_log_box(true));
    EXPECT_EQ(read_bytes("kerant.txt"), kDefaultLogHeader);
    s.session.double_click_picture(0, 0);
    // A confirmed exit closes the log complete.
    s.session.quit();
    EXPECT_FALSE(s.session.log_on());
    EXPECT_GT(read_bytes("kerant.txt").size(), std::string(kDefaultLogHeader).size());
}

// The log's file cannot be created (its name taken by a folder) or its header cannot be written
// (a full disk): a warning after the hint, the log off, and a double click asks to switch it on.
TEST(Session, UnwritableLog) {
    for (const bool full_disk : {false, true}) {
        SCOPED_TRACE(full_disk ? "full disk" : "folder");
        InTempDir tmp;
        if (full_disk) {
            if (!std::filesystem::exists("/dev/full")) {
                continue;
            }
            std::filesystem::create_symlink("/dev/full", "kerant.txt");
        } else {
            std::filesystem::create_directory("kerant.txt");
        }
        Started s;
        EXPECT_FALSE(s.session.click_log_box(true));
        ASSERT_EQ(s.dialogs.shown.size(), 2u);
        EXPECT_EQ(s.dialogs.shown[0].title, "Подсказка");
        EXPECT_EQ(s.last().title, "ПРЕДУПРЕЖДЕНИЕ");
        EXPECT_NE(s.last().text.find("Не удалось"), std::string::npos);
        EXPECT_NE(s.last().text.find(full_disk ? "на диске нет места" : "папка"),
                  std::string::npos);
        s.session.double_click_picture(1, 1);
        EXPECT_EQ(s.last().text, "Сначала включите чекбокс вывода в файл");
    }
}

} // namespace
