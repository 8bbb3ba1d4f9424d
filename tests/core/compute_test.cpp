// The computation command: what it draws for each choice of families, the tone, the warning for
// two zero charges, and the elapsed time in the caption.
#include <gtest/gtest.h>

#include <string>

#include "model/module1.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

namespace {

struct Scene {
    Module1 m;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Scene() {
        set_model_defaults(m);
        m.line_kind = 3;
    }
    void run() { compute_picture(m, pic, dialogs, platform); }
    std::size_t dots() const { return pic.of(DrawCall::PSet, kEquipotentialColour).size(); }
    std::size_t segments() const { return pic.of(DrawCall::Line, kFieldLineColour).size(); }
};

// The picture starts with a clear and the frame; then the marks of the charges, the dots and
// the lines, in that order; the tone 880 Hz for 120 ms comes once, after the drawing.
TEST(Compute, DefaultsDrawEverythingInOrder) {
    Scene s;
    s.run();
    ASSERT_GE(s.pic.calls.size(), 2u);
    EXPECT_EQ(s.pic.calls[0].kind, DrawCall::Cls);
    EXPECT_EQ(s.pic.calls[1].kind, DrawCall::Scale);
    std::size_t last_circle = 0, first_dot = 0, last_dot = 0, first_line = 0;
    for (std::size_t j = 0; j < s.pic.calls.size(); ++j) {
        const DrawCall& d = s.pic.calls[j];
        if (d.kind == DrawCall::Circle) {
            last_circle = j;
        } else if (d.kind == DrawCall::PSet && d.colour == kEquipotentialColour && d.has_colour) {
            first_dot = first_dot ? first_dot : j;
            last_dot = j;
        } else if (d.kind == DrawCall::Line && d.colour == kFieldLineColour) {
            first_line = first_line ? first_line : j;
        }
    }
    EXPECT_EQ(s.pic.of(DrawCall::Circle).size(), 2u);
    EXPECT_LT(last_circle, first_dot);
    EXPECT_LT(last_dot, first_line);
    ASSERT_EQ(s.platform.tones.size(), 1u);
    EXPECT_EQ(s.platform.tones[0], std::make_pair(880, 120));
    EXPECT_TRUE(s.dialogs.shown.empty());
    EXPECT_EQ(s.pic.non_finite, 0);
}

// line_kind 1: equipotentials only; 2: field lines only; 3 and any other value: both.
TEST(Compute, LineKindChoosesTheFamilies) {
    struct Case {
        int kind;
        bool dots, lines;
    };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true},
                         Case{0, true, true}, Case{7, true, true}}) {
        SCOPED_TRACE(c.kind);
        Scene s;
        s.m.line_kind = static_cast<std::int16_t>(c.kind);
        s.run();
        EXPECT_EQ(s.dots() > 0, c.dots);
        EXPECT_EQ(s.segments() > 0, c.lines);
        EXPECT_EQ(s.platform.tones.size(), 1u);
    }
}

// Zero or negative counts leave out their family only; the rest is drawn and the tone sounds.
TEST(Compute, ZeroAndNegativeCounts) {
    for (double n : {0.0, -4.0}) {
        Scene fi;
        fi.m.n_fi = n;
        fi.run();
        EXPECT_EQ(fi.dots(), 0u);
        EXPECT_GT(fi.segments(), 0u);
        EXPECT_EQ(fi.platform.tones.size(), 1u);

        Scene e;
        e.m.n_E = static_cast<std::int16_t>(n);
        e.run();
        EXPECT_GT(e.dots(), 0u);
        EXPECT_EQ(e.segments(), 0u);
        EXPECT_EQ(e.platform.tones.size(), 1u);
    }
}

// Both charges zero: one warning "Зарядов нет?" CR "Поля нет-1!" titled "ПРЕДУПРЕЖДЕНИЕ",
// only the frame (no marks, no lines), no tone.
TEST(Compute, BothChargesZeroWarns) {
    Scene s;
    s.m.q1 = 0;
    s.m.q2 = 0;
    s.run();
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].text, "Зарядов нет?\rПоля нет-1!");
    EXPECT_EQ(s.dialogs.shown[0].title, "ПРЕДУПРЕЖДЕНИЕ");
    EXPECT_FALSE(s.dialogs.shown[0].question);
    EXPECT_TRUE(s.platform.tones.empty());
    EXPECT_TRUE(s.pic.of(DrawCall::Circle).empty());
    EXPECT_EQ(s.dots(), 0u);
    EXPECT_EQ(s.segments(), 0u);
    EXPECT_EQ(s.pic.of(DrawCall::Line, kGridColour).size(), 64u);
    // A second press warns again.
    s.run();
    EXPECT_EQ(s.dialogs.shown.size(), 2u);
}

// The tone: 880 Hz for t*12 ms, to a whole millisecond with halves to even.
TEST(Compute, Beep) {
    RecordingPlatform p;
    beep2(p, 10);
    beep2(p, 0.125);
    beep2(p, 2.5 / 12);
    ASSERT_EQ(p.tones.size(), 3u);
    EXPECT_EQ(p.tones[0], std::make_pair(880, 120));
    EXPECT_EQ(p.tones[1], std::make_pair(880, 2));
    EXPECT_EQ(p.tones[2], std::make_pair(880, 2));
}

// Whole seconds from the minute and second of the clock, across the hour.
TEST(Compute, ElapsedSeconds) {
    struct Case {
        int m0, s0, m1, s1, want;
    };
    for (const Case c : {Case{59, 58, 0, 3, 5}, Case{12, 10, 12, 10, 0}, Case{12, 50, 13, 5, 15},
                         Case{0, 0, 59, 59, 3599}, Case{5, 30, 7, 0, 90}}) {
        EXPECT_EQ(elapsed_seconds(c.m0, c.s0, c.m1, c.s1), c.want)
            << c.m0 << ":" << c.s0 << " " << c.m1 << ":" << c.s1;
    }
}

// The caption: the title with its period, a second period, " Время расчета", the number with a
// leading blank (none for a negative number) and " c" with a Latin c.
TEST(Compute, CaptionWithTime) {
    EXPECT_EQ(caption_with_time(kComputingTitle, 0),
              "Несимметричные электростатические поля 2-х точечных зарядов.. Время расчета 0 c");
    EXPECT_EQ(caption_with_time("T", 5), "T. Время расчета 5 c");
    EXPECT_EQ(caption_with_time("T", 125), "T. Время расчета 125 c");
    EXPECT_EQ(caption_with_time("T", -2), "T. Время расчета-2 c");
}

} // namespace
