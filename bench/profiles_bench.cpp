// A change of a charge with all six profile windows shown: the main window's frame and the six
// profiles are redrawn, offscreen.
#include <QCheckBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "support/recording_dialogs.h"
#include "ui/form1.h"

namespace {

void BM_scroll_with_six_profiles(benchmark::State& state) {
    Module1 m;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    Form1 form(m, dialogs, platform);
    form.show();
    for (QCheckBox* box :
         {form.Check_3, form.Check_4, form.Check_1, form.Check_2, form.Check_5, form.Check_6}) {
        box->setChecked(true);
    }
    int step = 0;
    for (auto _ : state) {
        // q1 between 0.40 and 0.45: one scroll-bar step each time.
        form.VScroll1->setPosition(8 + (step++ & 1));
        benchmark::DoNotOptimize(m.prof[to_index(ProfileId::Form_Eyy)].v_max);
    }
}
BENCHMARK(BM_scroll_with_six_profiles)->Unit(benchmark::kMillisecond);

} // namespace
