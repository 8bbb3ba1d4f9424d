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
    Module1 m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    MainWindow window(m, dialogs, platform);
    window.show();
    const MainWindowControls& ui = window.ui;
    const std::pair<QCheckBox*, ProfileId> boxes[] = {
        {ui.phi_along_x_check, ProfileId::Form3},   {ui.phi_along_y_check, ProfileId::Form4},
        {ui.ex_along_x_check, ProfileId::Form_Exx}, {ui.ey_along_x_check, ProfileId::Form_Eyx},
        {ui.ex_along_y_check, ProfileId::Form_Exy}, {ui.ey_along_y_check, ProfileId::Form_Eyy}};
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
