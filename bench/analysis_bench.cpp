// The characteristic lines, the chosen equipotential and the probes with the default charges,
// drawn on the program's picture box, 515 x 515 pixels, offscreen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "analysis/field_direction_lines.h"
#include "analysis/point_log.h"
#include "analysis/readout.h"
#include "analysis/user_equipotential.h"
#include "analysis/zero_field.h"
#include "analysis/zero_potential.h"
#include "bench_scene.h"

namespace {

void BM_show_zero_potential_line(benchmark::State& state) {
    QtScene s;
    for (auto _ : state) {
        show_zero_potential_line(s.params, s.picture, s.results, s.pic, s.dialogs);
        s.dialogs.shown.clear();
    }
}
BENCHMARK(BM_show_zero_potential_line)->Unit(benchmark::kMillisecond);

// 401 x 101 potentials and the markers.
void BM_show_zero_field_point(benchmark::State& state) {
    QtScene s;
    for (auto _ : state) {
        show_zero_field_point(s.params, s.picture, s.results, s.pic, s.dialogs);
        s.dialogs.shown.clear();
    }
}
BENCHMARK(BM_show_zero_field_point)->Unit(benchmark::kMillisecond);

void BM_show_field_direction_lines(benchmark::State& state) {
    QtScene s;
    for (auto _ : state) {
        show_field_direction_lines(s.params, s.picture, s.results, s.pic, s.dialogs);
        s.dialogs.shown.clear();
    }
}
BENCHMARK(BM_show_field_direction_lines)->Unit(benchmark::kMillisecond);

void BM_draw_chosen_equipotential(benchmark::State& state) {
    QtScene s;
    for (auto _ : state) {
        draw_chosen_equipotential(s.params, s.picture.frame, s.pic);
    }
}
BENCHMARK(BM_draw_chosen_equipotential)->Unit(benchmark::kMillisecond);

// One pointer move: three point functions and five formatted numbers.
void BM_readout(benchmark::State& state) {
    QtScene s;
    float x = -3.9f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readout_at(s.params, x, 0.7f));
        x = x > 3.9f ? -3.9f : x + 0.013f;
    }
}
BENCHMARK(BM_readout);

// One double click with logging on: a line encoded, written and flushed to a real file.
void BM_log_append(benchmark::State& state) {
    QtScene s;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    PointLog log;
    if (!log.start(s.params)) {
        state.SkipWithError("cannot create the log");
    }
    for (auto _ : state) {
        log.append("1.234", "-0.567", "12.345", "-1234.567", "0.001");
    }
    log.stop();
    std::remove(kLogName);
    std::filesystem::current_path(old);
}
BENCHMARK(BM_log_append)->Unit(benchmark::kMicrosecond);

} // namespace
