// A change of a charge with all six profile windows shown: the main window's frame and the six
// profiles are redrawn and painted into their pictures, offscreen.
#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "bench_scene.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"

namespace {

void BM_scroll_with_six_profiles(benchmark::State& state) {
    FieldParams m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    MainWindow window(m, dialogs, platform);
    window.show();
    const MainWindowControls& ui = window.ui;
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
}
BENCHMARK(BM_scroll_with_six_profiles)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

} // namespace
