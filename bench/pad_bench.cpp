// Drawing pad redraw times on its 1396 x 996 raster: what every delete, move
// release, undo, scale change and every step of a pan costs. The grid alone
// at its densest row pair, the full scene (white, grid, points with numbers,
// lines with marks) with five rings of 1000 nodes, and the redraw after a pan
// of the largest project the program allows, opened fitted as the region
// window opens it. Target for the pan: under 16 ms, a frame at 60 Hz.

#include <QGuiApplication>
#include <cmath>
#include <numbers>

#include <benchmark/benchmark.h>

#include "WorstCase.h"
#include "graphics/PadDrawing.h"
#include "graphics/PadView.h"
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
        DrawPadPoints(raster, g, m, PadPointStyle {});
        DrawPadLines(raster, g, m, PadLineStyle {});
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond);

// The worst case (five boundaries of 999 positions, km) on the pad as the
// region window holds it: each ring without its closing repeat, fitted into
// a 1000 x 700 view; every iteration pans by a few pixels and redraws the
// whole scene with the window's default appearance.
void BM_RedrawAfterPan(benchmark::State& state)
{
    const ProjectRecord& rec = bench::WorstCase();
    PadGraph g;
    for (int b = 1; b <= rec.BoundaryCount; ++b)
        for (int k = 1; k < rec.NodeCount[b]; ++k)
            g.Chains[static_cast<std::size_t>(b - 1)].push_back({rec.NodeX[b][k], rec.NodeY[b][k]});
    g.LoadChains();
    PadMapping m = Mapping(2, 2);
    const PadRect view {0, 296, 1000, 700};
    const PadFit fit = FitView(m, LivePointBox(g), view);
    m.ScaleRatio = fit.Ratio;
    m.OriginX = fit.OriginX;
    m.OriginY = fit.OriginY;
    PadPointStyle points;
    points.Size = 4;
    PadLineStyle lines;
    lines.MarkSize = 1;
    QtRaster raster(1396, 996);
    int step = 0;
    for (auto _ : state) {
        const int way = (step++ % 2 == 0) ? 1 : -1;
        PanBy(m, 7 * way, -5 * way);
        raster.Clear();
        DrawPadGrid(raster, m, colours::kGrey, 1);
        DrawPadGridLabels(raster, m, 1.0);
        DrawPadPoints(raster, g, m, points);
        DrawPadLines(raster, g, m, lines);
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
BENCHMARK(BM_RedrawAfterPan)->Unit(benchmark::kMillisecond);

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
