// The computation command: what it draws for each choice of families, the tone, the warning for
// two zero charges, the elapsed time in the caption; the same picture and values on several
// threads; a computation told to stop.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/bit_cast.h"
#include "base/parallel.h"
#include "model/field_params.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"
#include "support/scene.h"

namespace {

// What a computation drew of each family: the blue dots and the dark-red segments.
std::size_t dots(const Scene& s) {
    return s.pic.of(DrawCall::Dot, kEquipotentialColour).size();
}
std::size_t segments(const Scene& s) {
    return s.pic.of(DrawCall::Line, kFieldLineColour).size();
}

// The picture starts with a clear and the frame; then the marks of the charges, the dots and
// the lines, in that order; the tone 880 Hz for 120 ms comes once, after the drawing.
TEST(Compute, DefaultsDrawEverythingInOrder) {
    Scene s;
    s.compute();
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

// Families 1: equipotentials only; 2: field lines only; 3 and any other value: both. Zero or
// negative counts leave out their family only; the rest is drawn and the tone sounds.
TEST(Compute, FamiliesAndCountsChooseWhatIsDrawn) {
    struct Row {
        const char* name;
        int families;
        double levels;
        int lines;
        bool dots, segments;
    };
    const Row rows[] = {
        {"equipotentials only", 1, 11, 6, true, false},
        {"field lines only", 2, 11, 6, false, true},
        {"both", 3, 11, 6, true, true},
        {"families 0 means both", 0, 11, 6, true, true},
        {"families 7 means both", 7, 11, 6, true, true},
        {"no level intervals", 3, 0, 6, false, true},
        {"negative level intervals", 3, -4, 6, false, true},
        {"no lines per charge", 3, 11, 0, true, false},
        {"negative lines per charge", 3, 11, -4, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Scene s({.level_intervals = r.levels,
                 .lines_per_charge = static_cast<std::int16_t>(r.lines),
                 .families = static_cast<LineFamilies>(r.families)});
        s.compute();
        EXPECT_EQ(dots(s) > 0, r.dots);
        EXPECT_EQ(segments(s) > 0, r.segments);
        EXPECT_EQ(s.platform.tones.size(), 1u);
    }
}

// Both charges zero: one warning "Зарядов нет?" CR "Поля нет-1!" titled "ПРЕДУПРЕЖДЕНИЕ",
// only the frame (no marks, no lines), no tone.
TEST(Compute, BothChargesZeroWarns) {
    Scene s({.q1 = 0, .q2 = 0});
    s.compute();
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].text, "Зарядов нет?\rПоля нет-1!");
    EXPECT_EQ(s.dialogs.shown[0].title, "ПРЕДУПРЕЖДЕНИЕ");
    EXPECT_FALSE(s.dialogs.shown[0].question);
    EXPECT_TRUE(s.platform.tones.empty());
    EXPECT_TRUE(s.pic.of(DrawCall::Circle).empty());
    EXPECT_EQ(dots(s), 0u);
    EXPECT_EQ(segments(s), 0u);
    EXPECT_EQ(s.pic.of(DrawCall::Line, kGridColour).size(), 64u);
    // A second press warns again.
    s.compute();
    EXPECT_EQ(s.dialogs.shown.size(), 2u);
}

// The tone: 880 Hz for t*12 ms, to a whole millisecond with halves to even.
TEST(Compute, Beep) {
    struct Row {
        const char* name;
        double seconds;
        int ms;
    };
    const Row rows[] = {
        {"whole", 10, 120}, {"half up to even", 0.125, 2}, {"half down to even", 2.5 / 12, 2}};
    for (const Row& r : rows) {
        RecordingPlatform p;
        end_tone(p, r.seconds);
        ASSERT_EQ(p.tones.size(), 1u) << r.name;
        EXPECT_EQ(p.tones[0], std::make_pair(880, r.ms)) << r.name;
    }
}

// Whole seconds from the minute and second of the clock.
TEST(Compute, ElapsedSeconds) {
    struct Row {
        const char* name;
        int m0, s0, m1, s1, want;
    };
    const Row rows[] = {
        {"across the hour", 59, 58, 0, 3, 5},     {"no time", 12, 10, 12, 10, 0},
        {"across a minute", 12, 50, 13, 5, 15},   {"the longest run", 0, 0, 59, 59, 3599},
        {"minutes and seconds", 5, 30, 7, 0, 90},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(elapsed_seconds(r.m0, r.s0, r.m1, r.s1), r.want) << r.name;
    }
}

// The caption: the title with its period, a second period, " Время расчета", the number with a
// leading blank (none for a negative number) and " c" with a Latin c.
TEST(Compute, CaptionWithTime) {
    EXPECT_EQ(caption_with_time(kComputingTitle.text, 0),
              "Несимметричные электростатические поля 2-х точечных зарядов.. Время расчета 0 c");
    EXPECT_EQ(caption_with_time("T", 5), "T. Время расчета 5 c");
    EXPECT_EQ(caption_with_time("T", 125), "T. Время расчета 125 c");
    EXPECT_EQ(caption_with_time("T", -2), "T. Время расчета-2 c");
    EXPECT_EQ(caption_with_time("T", 3, true), "T. Время расчета 3 c. Расчёт остановлен");
}

// The bits of every value a computation leaves for later drawings and clicks.
std::vector<std::uint64_t> picture_values(const Scene& s) {
    std::vector<std::uint64_t> v;
    const Frame& f = s.picture.frame;
    const ChargeMarks& c = s.picture.charges;
    for (double d : {f.x_min, f.x_max, f.y_min, f.grid_step, f.grid_steps, c.charge_radius,
                     c.charge_ratio, c.sqrt_charge_ratio}) {
        v.push_back(portable::bit_cast<std::uint64_t>(d));
    }
    for (float x : {f.y_max, f.grid_step_single}) {
        v.push_back(portable::bit_cast<std::uint32_t>(x));
    }
    return v;
}

bool same_calls(const std::vector<DrawCall>& a, const std::vector<DrawCall>& b) {
    const auto bits = [](float f) { return portable::bit_cast<std::uint32_t>(f); };
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
    if (!kThreadsAvailable) {
        GTEST_SKIP() << "this build starts no threads: every computation runs on the calling one";
    }
    struct Row {
        const char* name;
        double q1, q2, levels;
        int lines;
    };
    const Row rows[] = {
        {"defaults, dense levels", 0.4, -0.1, 300, 40},
        {"weaker left charge", -0.3, 0.9, 11, 40},
        {"equal like charges, odd counts", 0.6, 0.6, 257, 33},
        {"right charge zero", 0.5, 0, 11, 40},
        {"left charge zero", 0, -0.2, 11, 40},
        {"equal and opposite", 0.7, -0.7, 11, 40},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FieldParams params{.q1 = r.q1,
                                 .q2 = r.q2,
                                 .level_intervals = r.levels,
                                 .lines_per_charge = static_cast<std::int16_t>(r.lines)};
        Scene one(params), two(params);
        set_worker_limit(1);
        const auto tip = one.compute();
        set_worker_limit(2);
        EXPECT_EQ(two.compute(), tip);
        set_worker_limit(0);
        EXPECT_GT(segments(one), 0u);
        EXPECT_TRUE(same_calls(one.pic.calls, two.pic.calls));
        EXPECT_TRUE(tip.has_value());
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
    const FieldParams params{.lines_per_charge = 60};
    Scene full(params);
    full.compute();
    for (unsigned threads : {1u, 2u}) {
        SCOPED_TRACE(threads);
        set_worker_limit(threads);
        Scene s(params);
        StopAfter stop(8);
        s.compute(stop);
        EXPECT_TRUE(stop.stopped());
        EXPECT_TRUE(stop.growing);
        EXPECT_GT(dots(s), 0u);
        EXPECT_LT(segments(s), segments(full));
        EXPECT_TRUE(s.platform.tones.empty());
        // What was drawn is the start of the full picture.
        s.pic.calls.resize(std::min(s.pic.calls.size(), full.pic.calls.size()));
        EXPECT_TRUE(same_calls(s.pic.calls,
                               std::vector<DrawCall>(full.pic.calls.begin(),
                                                     full.pic.calls.begin() + s.pic.calls.size())));

        Scene go(params);
        StopAfter never(1 << 30);
        go.compute(never);
        EXPECT_FALSE(never.stopped());
        EXPECT_TRUE(never.growing);
        EXPECT_GT(never.last, 0.9);
        EXPECT_EQ(segments(go), segments(full));
    }
    set_worker_limit(0);
}

} // namespace
