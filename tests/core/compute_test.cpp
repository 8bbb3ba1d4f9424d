// The computation command: what it draws for each choice of families, the tone, the warning for
// two zero charges, the elapsed time in the caption; the same picture and values on several
// threads; a computation told to stop.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/parallel.h"
#include "model/field_params.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

namespace {

struct Scene {
    FieldParams m;
    FieldPicture picture;
    std::optional<std::string> tip;
    RecordingPictureBox pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Scene() { m.families = LineFamilies::Both; }
    void run() { tip = compute_picture(m, picture, pic, dialogs, platform); }
    std::size_t dots() const { return pic.of(DrawCall::Dot, kEquipotentialColour).size(); }
    std::size_t segments() const { return pic.of(DrawCall::Line, kFieldLineColour).size(); }
};

// The picture starts with a clear and the frame; then the marks of the charges, the dots and
// the lines, in that order; the tone 880 Hz for 120 ms comes once, after the drawing.
TEST(Compute, DefaultsDrawEverythingInOrder) {
    Scene s;
    s.run();
    ASSERT_GE(s.pic.calls.size(), 2u);
    EXPECT_EQ(s.pic.calls[0].kind, DrawCall::Clear);
    EXPECT_EQ(s.pic.calls[1].kind, DrawCall::Scale);
    std::size_t last_circle = 0, first_dot = 0, last_dot = 0, first_line = 0;
    for (std::size_t j = 0; j < s.pic.calls.size(); ++j) {
        const DrawCall& d = s.pic.calls[j];
        if (d.kind == DrawCall::Circle) {
            last_circle = j;
        } else if (d.kind == DrawCall::Dot && d.colour == kEquipotentialColour && d.has_colour) {
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
    EXPECT_EQ(s.pic.rejected(), 0u);
}

// Families 1: equipotentials only; 2: field lines only; 3 and any other value: both.
TEST(Compute, LineKindChoosesTheFamilies) {
    struct Case {
        int kind;
        bool dots, lines;
    };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true},
                         Case{0, true, true}, Case{7, true, true}}) {
        SCOPED_TRACE(c.kind);
        Scene s;
        s.m.families = static_cast<LineFamilies>(c.kind);
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
        fi.m.level_intervals = n;
        fi.run();
        EXPECT_EQ(fi.dots(), 0u);
        EXPECT_GT(fi.segments(), 0u);
        EXPECT_EQ(fi.platform.tones.size(), 1u);

        Scene e;
        e.m.lines_per_charge = static_cast<std::int16_t>(n);
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
    end_tone(p, 10);
    end_tone(p, 0.125);
    end_tone(p, 2.5 / 12);
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
    EXPECT_EQ(caption_with_time("T", 3, true), "T. Время расчета 3 c. Расчёт остановлен");
}

// The bits of every value a computation leaves for later drawings and clicks, and the level
// step it tells.
std::vector<std::uint64_t> picture_values(const Scene& s) {
    std::vector<std::uint64_t> v;
    const Frame& f = s.picture.frame;
    const ChargeMarks& c = s.picture.charges;
    for (double d : {f.x_min, f.x_max, f.y_min, f.grid_step, f.grid_steps, c.charge_radius,
                     c.charge_ratio, c.sqrt_charge_ratio}) {
        v.push_back(std::bit_cast<std::uint64_t>(d));
    }
    for (float x : {f.y_max, f.grid_step_single}) {
        v.push_back(std::bit_cast<std::uint32_t>(x));
    }
    for (char ch : s.tip.value_or("")) {
        v.push_back(static_cast<unsigned char>(ch));
    }
    return v;
}

bool same_calls(const std::vector<DrawCall>& a, const std::vector<DrawCall>& b) {
    const auto bits = [](float f) { return std::bit_cast<std::uint32_t>(f); };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t j = 0; j < a.size(); ++j) {
        const DrawCall &p = a[j], &q = b[j];
        if (p.kind != q.kind || bits(p.x1) != bits(q.x1) || bits(p.y1) != bits(q.y1) ||
            bits(p.x2) != bits(q.x2) || bits(p.y2) != bits(q.y2) || p.colour != q.colour ||
            p.width != q.width || p.text != q.text) {
            return false;
        }
    }
    return true;
}

// Big enough counts to be split between threads: every sign combination gives the same
// primitives in the same order, to the bit, and leaves the same values as on one thread.
TEST(Compute, SeveralThreadsDrawAndLeaveTheSame) {
    struct Case {
        double q1, q2, levels;
        int lines;
    };
    for (const Case c : {Case{0.4, -0.1, 300, 40}, Case{-0.3, 0.9, 11, 40}, Case{0.6, 0.6, 257, 33},
                         Case{0.5, 0, 11, 40}, Case{0, -0.2, 11, 40}, Case{0.7, -0.7, 11, 40}}) {
        SCOPED_TRACE(testing::Message() << c.q1 << " " << c.q2);
        Scene one, two;
        for (Scene* s : {&one, &two}) {
            s->m.q1 = c.q1;
            s->m.q2 = c.q2;
            s->m.level_intervals = c.levels;
            s->m.lines_per_charge = static_cast<std::int16_t>(c.lines);
            set_worker_limit(s == &one ? 1 : 2);
            s->run();
        }
        set_worker_limit(0);
        EXPECT_GT(one.segments(), 0u);
        EXPECT_TRUE(same_calls(one.pic.calls, two.pic.calls));
        EXPECT_TRUE(one.tip.has_value());
        EXPECT_EQ(picture_values(one), picture_values(two));
    }
}

// Stops when told to after a number of reports, and checks that the shares reported grow from 0
// to at most 1.
class StopAfter : public Progress {
  public:
    explicit StopAfter(int reports) : left_(reports) {}
    double last = 0;
    bool growing = true;

  protected:
    bool go_on(double done) override {
        growing = growing && done >= last && done <= 1;
        last = done;
        return --left_ > 0;
    }

  private:
    int left_;
};

// A computation told to stop ends there, on one thread or two: the lines drawn so far stay,
// the rest are not drawn and no tone sounds. Never stopped, it reports its way from 0 to 1.
TEST(Compute, StoppedComputationKeepsWhatItDrew) {
    Scene full;
    full.m.lines_per_charge = 60;
    full.run();
    for (unsigned threads : {1u, 2u}) {
        SCOPED_TRACE(threads);
        set_worker_limit(threads);
        Scene s;
        s.m.lines_per_charge = 60;
        StopAfter stop(8);
        compute_picture(s.m, s.picture, s.pic, s.dialogs, s.platform, stop);
        EXPECT_TRUE(stop.stopped());
        EXPECT_TRUE(stop.growing);
        EXPECT_GT(s.dots(), 0u);
        EXPECT_LT(s.segments(), full.segments());
        EXPECT_TRUE(s.platform.tones.empty());
        // What was drawn is the start of the full picture.
        s.pic.calls.resize(std::min(s.pic.calls.size(), full.pic.calls.size()));
        EXPECT_TRUE(same_calls(s.pic.calls,
                               std::vector<DrawCall>(full.pic.calls.begin(),
                                                     full.pic.calls.begin() + s.pic.calls.size())));

        Scene go;
        go.m.lines_per_charge = 60;
        StopAfter never(1 << 30);
        compute_picture(go.m, go.picture, go.pic, go.dialogs, go.platform, never);
        EXPECT_FALSE(never.stopped());
        EXPECT_TRUE(never.growing);
        EXPECT_GT(never.last, 0.9);
        EXPECT_EQ(go.segments(), full.segments());
    }
    set_worker_limit(0);
}

} // namespace
