// A change of a charge with all six profile windows shown: the main window's frame and the six
// profiles are redrawn and painted into their pictures, offscreen.
#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "bench_scene.h"
#include "support/recording_dialogs.h"
#include "ui/form1.h"

namespace {

void BM_scroll_with_six_profiles(benchmark::State& state) {
    FieldParams m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Form1 form(m, dialogs, platform);
    form.show();
    const std::pair<QCheckBox*, ProfileId> boxes[] = {
        {form.Check_3, ProfileId::PhiAlongX}, {form.Check_4, ProfileId::PhiAlongY},
        {form.Check_1, ProfileId::ExAlongX},  {form.Check_2, ProfileId::EyAlongX},
        {form.Check_5, ProfileId::ExAlongY},  {form.Check_6, ProfileId::EyAlongY}};
    for (const auto& [box, id] : boxes) {
        box->setChecked(true);
    }
    int step = 0;
    for (auto _ : state) {
        // q1 between 0.40 and 0.45: one scroll-bar step each time.
        form.VScroll1->setPosition(8 + (step++ & 1));
        benchmark::DoNotOptimize(form.Picture1->image().constBits());
        for (const auto& [box, id] : boxes) {
            benchmark::DoNotOptimize(form.profile(id).Picture1->image().constBits());
        }
    }
}
BENCHMARK(BM_scroll_with_six_profiles)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

} // namespace
