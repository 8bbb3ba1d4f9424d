// The three views on the program's picture box at the opening window's size (544 x 544), each
// computed and painted into the picture's pixels before the clock stops, beside the default
// computation at the same size and the prescribed field lines they replace:
//   chargefield_bench --benchmark_filter='window|views|scroll_with'
#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "base/parallel.h"
#include "bench_scene.h"
#include "picture/compute.h"
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

// The argument, where there is one, is the number of threads (0: every core).
void use_threads(const benchmark::State& state) {
    set_worker_limit(static_cast<unsigned>(state.range(0)));
}

// Today's default computation (every view off) at the window's size: the yardstick.
void BM_default_compute_window(benchmark::State& state) {
    WindowScene s;
    for (auto _ : state) {
        s.compute();
        painted(s.pic);
    }
}
BENCHMARK(BM_default_compute_window)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

// The potential map over the frame's scale, every pixel coloured.
void BM_views_potential_map(benchmark::State& state) {
    use_threads(state);
    WindowScene s;
    for (auto _ : state) {
        state.PauseTiming();
        s.frame();
        state.ResumeTiming();
        draw_potential_map(s.params, s.pic);
        painted(s.pic);
    }
    set_worker_limit(0);
}
BENCHMARK(BM_views_potential_map)
    ->Unit(benchmark::kMillisecond)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

void BM_views_arrows(benchmark::State& state) {
    WindowScene s;
    for (auto _ : state) {
        state.PauseTiming();
        s.frame();
        state.ResumeTiming();
        draw_field_arrows(s.params, s.pic);
        painted(s.pic);
    }
}
BENCHMARK(BM_views_arrows)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

// The field lines alone, prescribed or of equal flux; the argument is the count per charge.
template <bool Flux> void field_lines(benchmark::State& state) {
    WindowScene s;
    s.params.lines_per_charge = static_cast<std::int16_t>(state.range(0));
    s.params.views.flux_lines = Flux;
    for (auto _ : state) {
        state.PauseTiming();
        s.frame();
        state.ResumeTiming();
        draw_field_line_family(s.params, s.picture.charges, s.pic);
        painted(s.pic);
    }
}
void BM_views_prescribed_lines(benchmark::State& state) {
    field_lines<false>(state);
}
void BM_views_flux_lines(benchmark::State& state) {
    field_lines<true>(state);
}
BENCHMARK(BM_views_prescribed_lines)
    ->Unit(benchmark::kMillisecond)
    ->Arg(6)
    ->Arg(2000)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);
BENCHMARK(BM_views_flux_lines)
    ->Unit(benchmark::kMillisecond)
    ->Arg(6)
    ->Arg(2000)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

// A scroll-bar step with all six profile windows shown and the live redraw on, with the map and
// the arrows: the whole picture at the default counts, then the profiles, all painted. Beside
// BM_scroll_with_six_profiles, which redraws the frame only.
void BM_live_scroll_with_six_profiles(benchmark::State& state) {
    FieldParams m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    MainWindow window(m, dialogs, platform);
    window.show();
    const MainWindowControls& ui = window.ui;
    for (QAction* a : {ui.potential_map_action, ui.arrows_action, ui.live_action}) {
        a->setChecked(true);
    }
    const std::pair<QCheckBox*, ProfileId> boxes[] = {
        {ui.phi_along_x_check, ProfileId::PhiAlongX}, {ui.phi_along_y_check, ProfileId::PhiAlongY},
        {ui.ex_along_x_check, ProfileId::ExAlongX},   {ui.ey_along_x_check, ProfileId::EyAlongX},
        {ui.ex_along_y_check, ProfileId::ExAlongY},   {ui.ey_along_y_check, ProfileId::EyAlongY}};
    for (const auto& [box, id] : boxes) {
        box->setChecked(true);
    }
    int step = 0;
    for (auto _ : state) {
        // q1 between 0.40 and 0.45: one scroll-bar step each time.
        ui.q1_bar->setPosition(8 + (step++ & 1));
        benchmark::DoNotOptimize(ui.picture->image().constBits());
        for (const auto& [box, id] : boxes) {
            benchmark::DoNotOptimize(window.profile(id).picture->image().constBits());
        }
    }
    if (platform.tones.size() != 0 || ui.picture->display_list().size() < 1000) {
        state.SkipWithError("not a live redraw");
    }
}
BENCHMARK(BM_live_scroll_with_six_profiles)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

} // namespace
