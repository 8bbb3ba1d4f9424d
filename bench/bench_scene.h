#pragma once
// The default two-charge system with its empty frame on the program's picture box, 515 x 515
// pixels unless told otherwise (the opening main window's picture is 544 x 544), and a picture
// box that draws nothing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <type_traits>

#include "model/field_params.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "ui/qt_picture_box.h"

// CHARGEFIELD_BENCH_ITERATIONS=n runs a benchmark exactly n times, as instruction counts under
// callgrind want (bench/compare.sh): the difference of two counts is the cost of the iterations.
inline void counted(benchmark::internal::Benchmark* b) {
    if (const char* n = std::getenv("CHARGEFIELD_BENCH_ITERATIONS")) {
        b->Iterations(std::atoi(n));
    }
}

// Takes every primitive and draws nothing: the time of the computation alone.
class NullPictureBox : public PictureBox {
  protected:
    void on_scale(float, float, float, float) override {}
    void on_clear() override {}
    void on_line(float, float, float, float, Colour) override {}
    void on_dot(float, float, Colour, bool) override {}
    void on_circle(float, float, float, Colour) override {}
    void on_text(std::string_view) override {}
};

template <class Box> struct SceneOn {
    FieldParams m;
    FieldPicture picture;
    Box pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform; // records the tone instead of sounding it
    explicit SceneOn(int pixels = 515) {
        m.families = LineFamilies::Both;
        if constexpr (std::is_same_v<Box, QtPictureBox>) {
            pic.resize(pixels, pixels);
        }
        frame();
    }
    // A cleared picture with the frame and the charges, painted.
    void frame() {
        pic.clear();
        picture.frame = draw_frame(m, pic);
        picture.charges = draw_charges(m, pic);
        painted();
    }
    // Everything drawn so far is in the picture's pixels.
    void painted() {
        if constexpr (std::is_same_v<Box, QtPictureBox>) {
            benchmark::DoNotOptimize(pic.image().constBits());
        }
    }
};

using Scene = SceneOn<QtPictureBox>;
