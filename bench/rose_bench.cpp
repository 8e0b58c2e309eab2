// The wave rose on the largest project the program allows: five boundaries
// of 999 nodes, a 180-degree sector, Seymour's method with JONSWAP spectra,
// at 2 degrees (180 wind directions) and 10 degrees (36), timed by the wall
// clock since the rose spreads its waves over the cores. The fetch-only
// figures scan the same distinct rays the rose scans, so their share of the
// rose's time can be read off. Also 10,000 scenario cases on the sample Bay.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "WorstCase.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/FetchScanner.h"
#include "core/ProjectFile.h"
#include "core/Scenario.h"
#include "core/WaveRose.h"

namespace {

using namespace orvane;

// Wall-clock time: the rose shares its waves among the processor cores.
void Configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true)->UseRealTime();
}

void BM_WaveRose(benchmark::State& state)
{
    const int step = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(WaveRose(bench::WorstCase(), step));
    state.counters["rays"] = WaveRose(bench::WorstCase(), step).raysMeasured;
}
BENCHMARK(BM_WaveRose)->Arg(2)->Arg(10)->Apply(Configure);

// The rose's fetch work alone: the scanner, and every distinct ray once.
void BM_WaveRoseFetchOnly(benchmark::State& state)
{
    const int step = static_cast<int>(state.range(0));
    const ProjectRecord& rec = bench::WorstCase();
    std::vector<float> rays;
    ProjectRecord wind = rec;
    for (int d = 0; d < 360; d += step) {
        wind.WindDirection = static_cast<float>(d);
        const Sector sector = MakeSectorDirections(wind);
        for (int i = 0; i < sector.count; ++i)
            rays.push_back(sector.directions[static_cast<std::size_t>(i)].rad);
        rays.push_back(F32(d * kDegToRad));
    }
    std::sort(rays.begin(), rays.end());
    rays.erase(std::unique(rays.begin(), rays.end()), rays.end());
    for (auto _ : state) {
        const FetchScanner scanner(rec);
        float sum = 0.0f;
        for (float theta : rays)
            sum += scanner.Fetch(rec.PointX, rec.PointY, theta);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rays"] = static_cast<double>(rays.size());
}
BENCHMARK(BM_WaveRoseFetchOnly)->Arg(2)->Arg(10)->Apply(Configure);

// 10,000 cases on the sample Bay (Seymour's method, a 120-degree sector):
// directions every degree, speeds of 10 to 59 in the project's unit, every
// third case with a 90-degree sector and every fourth with a depth of 12.
void BM_ScenariosBay10000(benchmark::State& state)
{
    ProjectRecord bay {};
    if (!LoadProject(bay, std::string(ORVANE_SAMPLES_DIR) + "/Bay.WDT")) {
        state.SkipWithError("cannot read Bay.WDT");
        return;
    }
    std::vector<ScenarioCase> cases(10000);
    for (int i = 0; i < 10000; ++i) {
        ScenarioCase& c = cases[static_cast<std::size_t>(i)];
        c.windDirection = static_cast<float>(i % 360);
        c.windVelocity = static_cast<float>(10 + i % 50);
        if (i % 3 == 0)
            c.sectorAngle = 90.0f;
        if (i % 4 == 0)
            c.depth = 12.0f;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ScenarioRun(bay, cases));
}
BENCHMARK(BM_ScenariosBay10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
