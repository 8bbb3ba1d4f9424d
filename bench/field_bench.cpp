// The field picture on the program's picture box, 515 x 515 pixels, offscreen, every primitive
// painted into the picture's pixels before the clock stops; and the same computations on a box
// that draws nothing.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench_scene.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"
#include "ui/qt_picture_box.h"

namespace {

void BM_draw_equipotentials(benchmark::State& state) {
    QtScene s;
    time_on_fresh_frame(state, s, [&] { draw_equipotentials(s.params, s.picture, s.pic); });
}
BENCHMARK(BM_draw_equipotentials)->Apply(in_milliseconds);

void BM_draw_field_lines(benchmark::State& state) {
    QtScene s;
    time_on_fresh_frame(state, s, [&] { draw_field_lines(s.params, s.picture.charges, s.pic); });
}
BENCHMARK(BM_draw_field_lines)->Apply(in_milliseconds);

// The whole computation command: clear, frame, charges, both families, with the counts given.
template <class Box> void compute_with_counts(benchmark::State& state, double levels, int lines) {
    use_threads(state);
    BenchScene<Box> s;
    s.params.level_intervals = levels;
    s.params.lines_per_charge = static_cast<std::int16_t>(lines);
    for (auto _ : state) {
        s.compute();
        painted(s.pic);
    }
}

void BM_default_compute(benchmark::State& state) {
    compute_with_counts<OpeningPictureBox>(state, 11, 6);
}
BENCHMARK(BM_default_compute)->Apply(in_milliseconds)->Arg(0)->Arg(1);

void BM_default_compute_null(benchmark::State& state) {
    compute_with_counts<NullPictureBox>(state, 11, 6);
}
BENCHMARK(BM_default_compute_null)->Apply(in_milliseconds)->Arg(0)->Arg(1);

// The default computation on the program's picture box, recorded in its display list but not
// painted: what keeping the list costs (where the box keeps one).
void BM_default_compute_recorded(benchmark::State& state) {
    QtScene s;
    for (auto _ : state) {
        s.compute();
    }
}
BENCHMARK(BM_default_compute_recorded)->Apply(in_milliseconds);

// Dense field lines: painting is to cost no more than a quarter of the computation.
void BM_compute_nE2000(benchmark::State& state) {
    compute_with_counts<OpeningPictureBox>(state, 11, 2000);
}
BENCHMARK(BM_compute_nE2000)->Apply(in_milliseconds)->Arg(0)->Arg(1);

void BM_compute_nE2000_null(benchmark::State& state) {
    compute_with_counts<NullPictureBox>(state, 11, 2000);
}
BENCHMARK(BM_compute_nE2000_null)->Apply(in_milliseconds)->Arg(0)->Arg(1);

// A thousand of each, on one core and on all of them.
void BM_compute_n1000(benchmark::State& state) {
    compute_with_counts<OpeningPictureBox>(state, 1000, 1000);
}
BENCHMARK(BM_compute_n1000)->Apply(in_milliseconds)->Arg(0)->Arg(1);

// The largest count of field lines, on all cores: tens of millions of segments, more than the
// display list keeps. Run alone (--benchmark_filter=nE32767): an iteration takes seconds.
void BM_compute_nE32767(benchmark::State& state) {
    compute_with_counts<OpeningPictureBox>(state, 11, 32767);
}
BENCHMARK(BM_compute_nE32767)
    ->Unit(benchmark::kMillisecond)
    ->Arg(0)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_compute_nE32767_null(benchmark::State& state) {
    compute_with_counts<NullPictureBox>(state, 11, 32767);
}
BENCHMARK(BM_compute_nE32767_null)
    ->Unit(benchmark::kMillisecond)
    ->Arg(0)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
