// Wave maps: the sample Bay at 100 m cells with the effective-fetch method,
// and the largest region the program allows (five boundaries of 999 nodes,
// a 180-degree sector, Seymour's method) on a 200 x 200 grid, timed by the
// wall clock since the map shares its rows among the cores. In the same run,
// the rays of a sample of the worst case's cells scanned by the shared
// scanner and by the plain ray-by-segment loop, and their ratio.

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "WorstCase.h"
#include "core/Directional.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/MapGrid.h"
#include "core/ProjectFile.h"
#include "core/Region.h"

namespace {

using namespace orvane;

void Configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true)->UseRealTime()->Iterations(1);
}

void BM_MapBay100m(benchmark::State& state)
{
    ProjectRecord bay {};
    if (!LoadProject(bay, std::string(ORVANE_SAMPLES_DIR) + "/Bay.WDT")) {
        state.SkipWithError("cannot read Bay.WDT");
        return;
    }
    bay.DirectionalMethod = kEffectiveFetch;
    MapOptions options;
    options.cell = 0.1;  // km
    MapGridResult map;
    for (auto _ : state)
        benchmark::DoNotOptimize(map = ComputeMap(bay, options));
    state.counters["cells"] = static_cast<double>(map.grid.values.size());
}
BENCHMARK(BM_MapBay100m)->Apply(Configure);

// The cell that gives the worst case 200 x 200 cells.
MapOptions WorstCaseOptions()
{
    // The region is about square: a cell of a 200th of its width.
    MapOptions options;
    options.cell = 1.0;
    const MapGridResult unit = MapGridLayout(bench::WorstCase(), options);
    options.cell = std::min(unit.grid.columns, unit.grid.totalRows) / 200.0;
    return options;
}

void BM_MapWorstCase200(benchmark::State& state)
{
    const MapOptions options = WorstCaseOptions();
    MapGridResult map;
    for (auto _ : state)
        benchmark::DoNotOptimize(map = ComputeMap(bench::WorstCase(), options));
    state.counters["columns"] = map.grid.columns;
    state.counters["rows"] = map.grid.rows;
}
BENCHMARK(BM_MapWorstCase200)->Apply(Configure);

// Every 25th wet cell of the worst case's map, with its 90 sector rays.
struct Rays {
    std::vector<float> x, y, theta;
};
const Rays& SampleRays()
{
    static const Rays rays = [] {
        Rays r;
        const ProjectRecord& rec = bench::WorstCase();
        const MapOptions options = WorstCaseOptions();
        const MapGrid grid = MapGridLayout(rec, options).grid;
        const Sector sector = MakeSectorDirections(rec);
        int cell = 0;
        for (int row = 0; row < grid.rows; ++row) {
            for (int c = 0; c < grid.columns; ++c) {
                const float x = static_cast<float>(grid.CentreX(c)), y = static_cast<float>(grid.CentreY(row));
                if (!PointInWater(rec, x, y) || cell++ % 25 != 0)
                    continue;
                for (int i = 0; i < sector.count; ++i) {
                    r.x.push_back(x);
                    r.y.push_back(y);
                    r.theta.push_back(sector.directions[static_cast<std::size_t>(i)].rad);
                }
            }
        }
        return r;
    }();
    return rays;
}

template <class Fetch> double Seconds(Fetch fetch)
{
    const Rays& r = SampleRays();
    const auto start = std::chrono::steady_clock::now();
    float sum = 0.0f;
    for (std::size_t i = 0; i < r.x.size(); ++i)
        sum += fetch(r.x[i], r.y[i], r.theta[i]);
    benchmark::DoNotOptimize(sum);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One core: the shared scanner against the plain scan of every segment.
void BM_RaysScannerAgainstPlainLoop(benchmark::State& state)
{
    const ProjectRecord& rec = bench::WorstCase();
    const FetchScanner scanner(rec);
    double scanned = 0.0, plain = 0.0;
    for (auto _ : state) {
        scanned = Seconds([&](float x, float y, float t) { return scanner.Fetch(x, y, t); });
        plain = Seconds([&](float x, float y, float t) { return RadialFetch(rec, x, y, t); });
        state.SetIterationTime(scanned);
    }
    state.counters["rays"] = static_cast<double>(SampleRays().x.size());
    state.counters["scanner_us_per_ray"] = 1e6 * scanned / static_cast<double>(SampleRays().x.size());
    state.counters["plain_us_per_ray"] = 1e6 * plain / static_cast<double>(SampleRays().x.size());
    state.counters["plain_over_scanner"] = plain / scanned;
}
BENCHMARK(BM_RaysScannerAgainstPlainLoop)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
