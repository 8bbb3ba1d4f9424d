// The views on the program's picture box at the opening window's size (544 x 544), each
// computed and painted into the picture's pixels before the clock stops, beside the default
// computation at the same size and the prescribed lines they replace:
//   chargefield_bench --benchmark_filter='window|views|scroll_with'
// The exact equipotentials against the scan's dots, at the default count and at 40:
//   chargefield_bench --benchmark_filter='equipotentials'
#include <benchmark/benchmark.h>

#include "base/parallel.h"
#include "bench_scene.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/field_views.h"
#include "ui/main_window.h"

namespace {

// The program's picture box at the size of the opening window's picture.
class WindowPictureBox : public QtPictureBox {
  public:
    WindowPictureBox() { resize(MainWindow::kOpeningPictureSize, MainWindow::kOpeningPictureSize); }
};
using WindowScene = BenchScene<WindowPictureBox>;

// Today's default computation (every view off) at the window's size: the yardstick.
void BM_default_compute_window(benchmark::State& state) {
    WindowScene s;
    for (auto _ : state) {
        s.compute();
        painted(s.pic);
    }
}
BENCHMARK(BM_default_compute_window)->Apply(in_milliseconds);

// The potential map over the frame's scale, every pixel coloured.
void BM_views_potential_map(benchmark::State& state) {
    use_threads(state);
    WindowScene s;
    time_on_fresh_frame(state, s, [&] { draw_potential_map(s.params, s.pic); });
    set_worker_limit(0);
}
BENCHMARK(BM_views_potential_map)->Apply(in_milliseconds)->Arg(0)->Arg(1);

void BM_views_arrows(benchmark::State& state) {
    WindowScene s;
    time_on_fresh_frame(state, s, [&] { draw_field_arrows(s.params, s.pic); });
}
BENCHMARK(BM_views_arrows)->Apply(in_milliseconds);

// The field lines alone, prescribed or of equal flux; the argument is the count per charge.
template <bool Flux> void field_lines(benchmark::State& state) {
    WindowScene s;
    s.params.lines_per_charge = static_cast<std::int16_t>(state.range(0));
    s.params.views.flux_lines = Flux;
    time_on_fresh_frame(state, s,
                        [&] { draw_field_line_family(s.params, s.picture.charges, s.pic); });
}
void BM_views_prescribed_lines(benchmark::State& state) {
    field_lines<false>(state);
}
void BM_views_flux_lines(benchmark::State& state) {
    field_lines<true>(state);
}
BENCHMARK(BM_views_prescribed_lines)->Apply(in_milliseconds)->Arg(6)->Arg(2000);
BENCHMARK(BM_views_flux_lines)->Apply(in_milliseconds)->Arg(6)->Arg(2000);

// The equipotentials alone, scanned or exact and labelled; the argument is the count of level
// intervals (11 by default).
template <bool Exact> void equipotentials(benchmark::State& state) {
    WindowScene s;
    s.params.level_intervals = static_cast<double>(state.range(0));
    s.params.views.exact_equipotentials = Exact;
    time_on_fresh_frame(state, s, [&] {
        if (Exact) {
            draw_exact_equipotentials(s.params, s.picture, s.pic);
        } else {
            draw_equipotentials(s.params, s.picture, s.pic);
        }
    });
}
void BM_views_scanned_equipotentials(benchmark::State& state) {
    equipotentials<false>(state);
}
void BM_views_exact_equipotentials(benchmark::State& state) {
    equipotentials<true>(state);
}
BENCHMARK(BM_views_scanned_equipotentials)->Apply(in_milliseconds)->Arg(11)->Arg(40);
BENCHMARK(BM_views_exact_equipotentials)->Apply(in_milliseconds)->Arg(11)->Arg(40);

} // namespace
