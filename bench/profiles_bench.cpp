// A change of a charge with all six profile windows shown: the main window's picture (its frame,
// or live the whole picture) and the six profiles are redrawn and painted, offscreen.
#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "bench_scene.h"
#include "support/recording_dialogs.h"
#include "ui/main_window.h"

namespace {

// A scroll-bar step of q1 each iteration, the main picture and the six profiles painted. Live,
// with the map and the arrows on, the whole picture is computed again at the default counts;
// otherwise the frame only.
void scroll_with_six_profiles(benchmark::State& state, bool live) {
    FieldParams m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    MainWindow window(m, dialogs, platform);
    window.show();
    const MainWindowControls& ui = window.ui;
    if (live) {
        for (QAction* a : {ui.potential_map_action, ui.arrows_action, ui.live_action}) {
            a->setChecked(true);
        }
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
    if (live && (platform.tones.size() != 0 || ui.picture->display_list().size() < 1000)) {
        state.SkipWithError("not a live redraw");
    }
}

void BM_scroll_with_six_profiles(benchmark::State& state) {
    scroll_with_six_profiles(state, false);
}
BENCHMARK(BM_scroll_with_six_profiles)->Apply(in_milliseconds);

void BM_live_scroll_with_six_profiles(benchmark::State& state) {
    scroll_with_six_profiles(state, true);
}
BENCHMARK(BM_live_scroll_with_six_profiles)->Apply(in_milliseconds);

} // namespace
