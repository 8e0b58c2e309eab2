// Region plot drawing times: the sample projects on the main window's raster,
// the densest grid the table allows (an x range below 10 units), and the
// recording-free cost of the geometry alone.

#include <QGuiApplication>
#include <memory>

#include <benchmark/benchmark.h>

#include "core/ProjectFile.h"
#include "graphics/QtRaster.h"
#include "graphics/RegionPlot.h"

namespace {

using namespace orvane;

// Counts primitives only: the cost of the plot's own arithmetic.
class NullRaster final : public Raster {
public:
    int Width() const override { return 433; }
    int Height() const override { return 365; }
    void Clear() override { ++count; }
    void Polygon(std::span<const PixelPoint>) override { ++count; }
    void Line(PixelPoint, PixelPoint) override { ++count; }
    void Ellipse(int, int, int, int) override { ++count; }
    void Text(PixelPoint, std::string_view) override { ++count; }
    long count = 0;
};

std::unique_ptr<ProjectRecord> Sample(const char* name)
{
    auto rec = std::make_unique<ProjectRecord>();
    SetProjectDefaults(*rec);
    LoadProject(*rec, std::string(ORVANE_SAMPLES_DIR) + "/" + name);
    return rec;
}

// A square of 999 nodes 5 units wide and `height` units tall.
std::unique_ptr<ProjectRecord> Narrow(float height)
{
    auto rec = std::make_unique<ProjectRecord>();
    SetProjectDefaults(*rec);
    rec->NodeCount[1] = 999;
    for (int k = 1; k <= 999; ++k) {
        rec->NodeNumber[1][k] = k;
        rec->NodeX[1][k] = (k % 2) * 5.0f;
        rec->NodeY[1][k] = height * static_cast<float>(k) / 999.0f;
    }
    return rec;
}

void BM_QtSample(benchmark::State& state, const char* name, bool numbers)
{
    auto rec = Sample(name);
    QtRaster raster(433, 365);
    for (auto _ : state) {
        DrawRegionPlot(*rec, raster, numbers);
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
BENCHMARK_CAPTURE(BM_QtSample, bay, "Bay.WDT", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtSample, harbour_numbers, "Harbour.WDT", true)->Unit(benchmark::kMicrosecond);

void BM_QtNarrow(benchmark::State& state)
{
    auto rec = Narrow(static_cast<float>(state.range(0)));
    QtRaster raster(433, 365);
    for (auto _ : state) {
        DrawRegionPlot(*rec, raster, false);
        benchmark::DoNotOptimize(raster.Image().constBits());
    }
}
// 5000: the step-1 grid of 5002 lines; 1e9: cut to the line limit.
BENCHMARK(BM_QtNarrow)->Arg(5000)->Arg(1000000000)->Unit(benchmark::kMillisecond);

void BM_GeometryOnly(benchmark::State& state)
{
    auto rec = Narrow(static_cast<float>(state.range(0)));
    NullRaster raster;
    for (auto _ : state)
        DrawRegionPlot(*rec, raster, true);
    benchmark::DoNotOptimize(raster.count);
}
BENCHMARK(BM_GeometryOnly)->Arg(5000)->Arg(1000000000)->Unit(benchmark::kMicrosecond);

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
