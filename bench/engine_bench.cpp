// The wave engine on the largest project the program allows: five boundaries
// of 999 nodes, a 180-degree sector (90 directions), Seymour's method with
// JONSWAP spectra. Each engine figure has its plain-loop counterpart (the
// reference the tests hold the engine to, bit for bit), so the gain of every
// shortcut can be read off directly. Medians of repeated runs are reported.

#include <cmath>

#include <benchmark/benchmark.h>

#include "WorstCase.h"
#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/Spectrum.h"
#include "tests/core/EngineReference.h"

namespace {

using namespace orvane;

void Configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

void BM_ComputeWaves(benchmark::State& state)
{
    WaveResults results {};
    RandomGenerator random(1u);
    for (auto _ : state) {
        ComputeWaves(bench::WorstCase(), results, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeWaves)->Apply(Configure);

void BM_ComputeWavesPlain(benchmark::State& state)
{
    WaveResults results {};
    RandomGenerator random(1u);
    for (auto _ : state) {
        reference::PlainComputeWaves(bench::WorstCase(), results, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeWavesPlain)->Apply(Configure);

// The 90 fetches of the sector (MakeSector builds the scanner each time).
void BM_SectorFetch(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeSector(bench::WorstCase()));
}
BENCHMARK(BM_SectorFetch)->Apply(Configure);

void BM_SectorFetchPlain(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::PlainSector(bench::WorstCase()));
}
BENCHMARK(BM_SectorFetchPlain)->Apply(Configure);

// Preparing the scanner: every segment's slope, intercept and chunk box.
void BM_FetchScannerBuild(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FetchScanner(bench::WorstCase()));
}
BENCHMARK(BM_FetchScannerBuild)->Apply(Configure);

// One ray, plain scan of all 4,990 segments.
void BM_RadialFetch(benchmark::State& state)
{
    const ProjectRecord& rec = bench::WorstCase();
    const float theta = F32(40.0 * kDegToRad);
    for (auto _ : state)
        benchmark::DoNotOptimize(RadialFetch(rec, rec.PointX, rec.PointY, theta));
}
BENCHMARK(BM_RadialFetch)->Apply(Configure);

// One ray through a prepared scanner.
void BM_FetchScannerRay(benchmark::State& state)
{
    const ProjectRecord& rec = bench::WorstCase();
    const FetchScanner scanner(rec);
    const float theta = F32(40.0 * kDegToRad);
    for (auto _ : state)
        benchmark::DoNotOptimize(scanner.Fetch(rec.PointX, rec.PointY, theta));
}
BENCHMARK(BM_FetchScannerRay)->Apply(Configure);

void BM_Seymour(benchmark::State& state)
{
    const Sector sector = MakeSector(bench::WorstCase());
    WaveResults results {};
    for (auto _ : state) {
        SeymourWave(sector, 64, 1, 0, true, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_Seymour)->Apply(Configure);

void BM_SeymourPlain(benchmark::State& state)
{
    const Sector sector = MakeSector(bench::WorstCase());
    WaveResults results {};
    for (auto _ : state) {
        reference::PlainSeymour(sector, 64, 1, 0, true, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_SeymourPlain)->Apply(Configure);

// 62 components x 1000 samples of the worst case's spectrum.
void BM_TimeSeries(benchmark::State& state)
{
    WaveResults results {};
    RandomGenerator random(1u);
    ComputeWaves(bench::WorstCase(), results, random);
    for (auto _ : state) {
        WaveTimeSeries(results.Freq, results.Density, 64, 1000, 0.25f, results.Elevation, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_TimeSeries)->Apply(Configure);

}  // namespace

BENCHMARK_MAIN();
