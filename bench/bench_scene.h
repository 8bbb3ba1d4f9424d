#pragma once
// The scenes of the benchmarks (support/scene.h): the default two-charge system with its frame
// on the program's picture box, 515 x 515 pixels as in the opening main window, or on a picture
// box that draws nothing.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "base/parallel.h"
#include "support/scene.h"
#include "ui/qt_picture_box.h"

// CHARGEFIELD_BENCH_ITERATIONS=n runs a benchmark exactly n times, as instruction counts under
// callgrind want (bench/compare.sh): the difference of two counts is the cost of the iterations.
inline void counted(benchmark::internal::Benchmark* b) {
    if (const char* n = std::getenv("CHARGEFIELD_BENCH_ITERATIONS")) {
        b->Iterations(std::atoi(n));
    }
}

// How most benchmarks are timed: in milliseconds, by the processor time of the whole process
// (every thread) and by the clock, and counted as above.
inline void in_milliseconds(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
    counted(b);
}

// The benchmark's argument, where there is one, is the number of threads the computation may
// use (0: as many as the machine has cores).
inline void use_threads(const benchmark::State& state) {
    set_worker_limit(state.range(0) > 0 ? static_cast<unsigned>(state.range(0)) : 0);
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

// The program's picture box at the size of the opening main window's picture.
class OpeningPictureBox : public QtPictureBox {
  public:
    OpeningPictureBox() { resize(515, 515); }
};

// Everything drawn so far is in the picture's pixels (nothing to do for a box without pixels).
inline void painted(QtPictureBox& pic) {
    benchmark::DoNotOptimize(pic.image().constBits());
}
inline void painted(PictureBox&) {}

// A scene whose frame is in the picture's pixels before the clock starts.
template <class Box> struct BenchScene : SceneOn<Box> {
    BenchScene() { painted(this->pic); }
    // A cleared picture with the frame and the charges, painted.
    void frame() {
        SceneOn<Box>::frame();
        painted(this->pic);
    }
};

using QtScene = BenchScene<OpeningPictureBox>;

// Times `draw` on a picture holding only its frame, painted before the clock stops; the frame
// is drawn afresh outside the clock every time.
template <class Scene, class Draw>
void time_on_fresh_frame(benchmark::State& state, Scene& s, Draw draw) {
    for (auto _ : state) {
        state.PauseTiming();
        s.frame();
        state.ResumeTiming();
        draw();
        painted(s.pic);
    }
}
