// Drawing the default field picture on the program's picture box, 515 x 515 pixels, offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench_scene.h"
#include "picture/compute.h"
#include "picture/equipotentials.h"
#include "picture/field_lines.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "ui/qt_picture_box.h"

namespace {

void BM_lines_fi(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        lines_fi(s.m, s.pic);
    }
}
BENCHMARK(BM_lines_fi)->Unit(benchmark::kMillisecond);

void BM_lines_E(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        lines_E(s.m, s.pic);
    }
}
BENCHMARK(BM_lines_E)->Unit(benchmark::kMillisecond);

// The whole computation command with the defaults: clear, frame, charges, both families.
void BM_default_CmdOK(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        compute_picture(s.m, s.pic, s.dialogs, s.platform);
        benchmark::DoNotOptimize(s.pic.image().constBits());
    }
}
BENCHMARK(BM_default_CmdOK)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
