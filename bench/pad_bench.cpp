// Drawing pad redraw times on its 1396 x 996 raster: what every delete, move
// release, undo and scale change costs. The grid alone at its densest row
// pair, and the full scene (white, grid, points with numbers, lines with
// marks) with five rings of 1000 nodes, the most a project holds.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "graphics/PadDrawing.h"
#include "graphics/QtRaster.h"

namespace {

using namespace orvane;

PadMapping Mapping(int scaleRow, int gridRow)
{
    PadMapping m;
    m.ScaleRatio = PadScales[static_cast<std::size_t>(scaleRow)].Ratio;
    m.GridSize = PadGridSizes[static_cast<std::size_t>(gridRow)].Size;
    return m;
}

// Five rings of `nodes` points each, 60 km across, side by side (km).
PadGraph Rings(int nodes)
{
    PadGraph g;
    for (int c = 0; c < kPadChainCount; ++c)
        for (int k = 0; k < nodes; ++k) {
            const double a = 2 * std::numbers::pi * k / nodes;
            g.Chains[static_cast<std::size_t>(c)].push_back(
                {static_cast<float>(40 + 70 * c + 30 * std::cos(a)), static_cast<float>(120 + 30 * std::sin(a))});
        }
    g.LoadChains();
    return g;
}

void BM_Grid(benchmark::State& state)
{
    const PadMapping m = Mapping(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QtRaster raster(1396, 996);
    for (auto _ : state) {
        raster.Clear();
        DrawPadGrid(raster, m, colours::kGrey, 1);
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
// Default rows ("1cm:10Km", "10km"), then 1 km cells at 1 cm to 1000 km.
BENCHMARK(BM_Grid)->Args({2, 2})->Args({7, 0})->Unit(benchmark::kMicrosecond);

void BM_FullRedraw(benchmark::State& state)
{
    const PadMapping m = Mapping(2, 2);
    const PadGraph g = Rings(static_cast<int>(state.range(0)));
    QtRaster raster(1396, 996);
    for (auto _ : state) {
        raster.Clear();
        DrawPadGrid(raster, m, colours::kGrey, 1);
        DrawPadPoints(raster, g, m, PadPointStyle{});
        DrawPadLines(raster, g, m, PadLineStyle{});
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
