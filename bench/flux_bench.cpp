// The exact field lines of equal flux, the potential map and the field arrows for the default
// charges on the opening window's 515 x 515 picture: computed alone, and computed and painted
// into a 32-bit image as the program's picture is (thin lines, no antialiasing). Compare with
// BM_lines_E and BM_CmdOK_nE2000 in one run:
//   chargefield_bench
//   --benchmark_filter='BM_lines_E|BM_CmdOK_nE2000|BM_flux|BM_potential|BM_arrows'
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench_scene.h"
#include "picture/field_arrows.h"
#include "picture/flux_lines.h"
#include "base/parallel.h"
#include "picture/potential_map.h"

namespace {

constexpr int kPixels = 515;
constexpr double kHalfWidth = 4;
const ChargePair kDefaults{0.4, -0.1, 0.5, 9};

FluxLineSettings settings(int n) {
    return {n, kHalfWidth, 2 * kHalfWidth / kPixels, 0.05};
}

// A white picture with a painter in user coordinates, y upward.
struct Picture {
    QImage image{kPixels, kPixels, QImage::Format_RGB32};
    void clear() { image.fill(Qt::white); }
    static QPointF at(double x, double y) {
        return {(x + kHalfWidth) / (2 * kHalfWidth) * kPixels,
                (kHalfWidth - y) / (2 * kHalfWidth) * kPixels};
    }
};

void paint_lines(Picture& pic, const FluxLines& lines) {
    QPainter p(&pic.image);
    p.setPen(QColor(200, 0, 0));
    QPolygonF poly;
    for (const FluxLine& line : lines.lines) {
        for (const double mirror : {1.0, -1.0}) {
            poly.clear();
            for (const FluxPoint& q : line.points) {
                poly << Picture::at(q.x, mirror * q.y);
            }
            p.drawPolyline(poly);
        }
    }
}

// The argument pairs are (n, threads); 0 threads means every core.
void BM_flux_lines(benchmark::State& state) {
    set_worker_limit(static_cast<unsigned>(state.range(1)));
    const FluxLineSettings s = settings(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(flux_lines(kDefaults, s));
    }
    set_worker_limit(0);
}
BENCHMARK(BM_flux_lines)
    ->Unit(benchmark::kMillisecond)
    ->Args({6, 0})
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

void BM_flux_lines_painted(benchmark::State& state) {
    set_worker_limit(static_cast<unsigned>(state.range(1)));
    const FluxLineSettings s = settings(static_cast<int>(state.range(0)));
    Picture pic;
    for (auto _ : state) {
        state.PauseTiming();
        pic.clear();
        state.ResumeTiming();
        paint_lines(pic, flux_lines(kDefaults, s));
        benchmark::DoNotOptimize(pic.image.constBits());
    }
    set_worker_limit(0);
}
BENCHMARK(BM_flux_lines_painted)
    ->Unit(benchmark::kMillisecond)
    ->Args({6, 0})
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

// The argument is the number of threads; 0 means every core.
void BM_potential_map(benchmark::State& state) {
    set_worker_limit(static_cast<unsigned>(state.range(0)));
    const PixelGrid grid = square_grid(kHalfWidth, kPixels, kPixels);
    Picture pic;
    auto* bits = reinterpret_cast<std::uint32_t*>(pic.image.bits());
    const auto stride = static_cast<std::size_t>(pic.image.bytesPerLine() / 4);
    for (auto _ : state) {
        fill_potential_map(kDefaults, potential_scale(kDefaults), grid, bits, stride);
        benchmark::DoNotOptimize(pic.image.constBits());
    }
    set_worker_limit(0);
}
BENCHMARK(BM_potential_map)
    ->Unit(benchmark::kMillisecond)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

void BM_arrows(benchmark::State& state) {
    const PixelGrid grid = square_grid(kHalfWidth, kPixels, kPixels);
    for (auto _ : state) {
        benchmark::DoNotOptimize(field_arrows(kDefaults, grid));
    }
}
BENCHMARK(BM_arrows)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

void BM_arrows_painted(benchmark::State& state) {
    const PixelGrid grid = square_grid(kHalfWidth, kPixels, kPixels);
    Picture pic;
    for (auto _ : state) {
        state.PauseTiming();
        pic.clear();
        state.ResumeTiming();
        const FieldArrows arrows = field_arrows(kDefaults, grid);
        QPainter p(&pic.image);
        for (const FieldArrow& a : arrows.arrows) {
            const int g = arrow_grey(a.shade);
            p.setPen(QColor(g, g, g));
            const QPointF tip = Picture::at(a.tip_x, a.tip_y);
            const QPointF shaft[] = {Picture::at(a.tail_x, a.tail_y), tip};
            const QPointF head[] = {Picture::at(a.left_x, a.left_y), tip,
                                    Picture::at(a.right_x, a.right_y)};
            p.drawPolyline(shaft, 2);
            p.drawPolyline(head, 3);
        }
        p.end();
        benchmark::DoNotOptimize(pic.image.constBits());
    }
}
BENCHMARK(BM_arrows_painted)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Apply(counted);

} // namespace
