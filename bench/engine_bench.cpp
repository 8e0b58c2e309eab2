// The wave engine on the largest project the program allows: five boundaries
// of 999 nodes, a 180-degree sector (90 directions), Seymour's method with
// JONSWAP spectra. Each engine figure has its plain-loop counterpart (the
// reference the tests hold the engine to, bit for bit), so the gain of every
// shortcut can be read off directly. Medians of repeated runs are reported.

#include <benchmark/benchmark.h>

#include <cmath>

#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/Spectrum.h"
#include "tests/core/EngineReference.h"

namespace {

using namespace orvane;

// A ring of 998 distinct nodes plus the closing repeat of the first (999
// positions), its radius wavering like a real shore line.
void SetRing(ProjectRecord& rec, int b, double cx, double cy, double radius, double phase)
{
    const int positions = kMaxGridNode;
    rec.NodeCount[b] = positions;
    for (int k = 1; k < positions; ++k) {
        const double a = 2.0 * kPi * (k - 1) / (positions - 1);
        const double r = radius * (1.0 + 0.08 * std::sin(7 * a + phase) + 0.03 * std::sin(31 * a));
        rec.NodeNumber[b][k] = k;
        rec.NodeX[b][k] = static_cast<float>(cx + r * std::cos(a));
        rec.NodeY[b][k] = static_cast<float>(cy + r * std::sin(a));
    }
    rec.NodeNumber[b][positions] = positions;
    rec.NodeX[b][positions] = rec.NodeX[b][1];
    rec.NodeY[b][positions] = rec.NodeY[b][1];
    rec.NodeX[b][0] = rec.NodeX[b][positions];
    rec.NodeY[b][0] = rec.NodeY[b][positions];
}

const ProjectRecord& WorstCase()
{
    static const ProjectRecord rec = [] {
        ProjectRecord r{};
        SetProjectDefaults(r);
        r.CoordUnits = 3;  // Km
        r.BoundaryCount = 5;
        SetRing(r, 1, 0.0, 0.0, 12.0, 0.0);
        SetRing(r, 2, 5.0, 3.0, 1.2, 1.0);
        SetRing(r, 3, -4.0, 5.0, 0.9, 2.0);
        SetRing(r, 4, 1.5, 7.0, 1.0, 3.0);
        SetRing(r, 5, -6.0, -5.0, 1.5, 4.0);
        r.PointX = 0.3f;
        r.PointY = -0.2f;
        r.WindDirection = 45.0f;
        r.SectorAngle = 180.0f;
        r.WindVelocity = 60.0f;
        r.VelocityUnits = 1;
        r.Depth = 10.0f;
        r.DirectionalMethod = 2;  // Seymour
        r.SpectrumType = 1;       // JONSWAP
        r.SignificantMethod = 0;
        return r;
    }();
    return rec;
}

void Configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

void BM_ComputeWaves(benchmark::State& state)
{
    WaveResults results{};
    RandomGenerator random(1u);
    for (auto _ : state) {
        ComputeWaves(WorstCase(), results, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeWaves)->Apply(Configure);

void BM_ComputeWavesPlain(benchmark::State& state)
{
    WaveResults results{};
    RandomGenerator random(1u);
    for (auto _ : state) {
        reference::PlainComputeWaves(WorstCase(), results, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeWavesPlain)->Apply(Configure);

// The 90 fetches of the sector (MakeSector builds the scanner each time).
void BM_SectorFetch(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeSector(WorstCase()));
}
BENCHMARK(BM_SectorFetch)->Apply(Configure);

void BM_SectorFetchPlain(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::PlainSector(WorstCase()));
}
BENCHMARK(BM_SectorFetchPlain)->Apply(Configure);

// Preparing the scanner: every segment's slope, intercept and chunk box.
void BM_FetchScannerBuild(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FetchScanner(WorstCase()));
}
BENCHMARK(BM_FetchScannerBuild)->Apply(Configure);

// One ray, plain scan of all 4,990 segments.
void BM_RadialFetch(benchmark::State& state)
{
    const ProjectRecord& rec = WorstCase();
    const float theta = F32(40.0 * kDegToRad);
    for (auto _ : state)
        benchmark::DoNotOptimize(RadialFetch(rec, rec.PointX, rec.PointY, theta));
}
BENCHMARK(BM_RadialFetch)->Apply(Configure);

// One ray through a prepared scanner.
void BM_FetchScannerRay(benchmark::State& state)
{
    const ProjectRecord& rec = WorstCase();
    const FetchScanner scanner(rec);
    const float theta = F32(40.0 * kDegToRad);
    for (auto _ : state)
        benchmark::DoNotOptimize(scanner.Fetch(rec.PointX, rec.PointY, theta));
}
BENCHMARK(BM_FetchScannerRay)->Apply(Configure);

void BM_Seymour(benchmark::State& state)
{
    const Sector sector = MakeSector(WorstCase());
    WaveResults results{};
    for (auto _ : state) {
        SeymourWave(sector, 64, 1, 0, true, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_Seymour)->Apply(Configure);

void BM_SeymourPlain(benchmark::State& state)
{
    const Sector sector = MakeSector(WorstCase());
    WaveResults results{};
    for (auto _ : state) {
        reference::PlainSeymour(sector, 64, 1, 0, true, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_SeymourPlain)->Apply(Configure);

// 62 components x 1000 samples of the worst case's spectrum.
void BM_TimeSeries(benchmark::State& state)
{
    WaveResults results{};
    RandomGenerator random(1u);
    ComputeWaves(WorstCase(), results, random);
    for (auto _ : state) {
        WaveTimeSeries(results.Freq, results.Density, 64, 1000, 0.25f, results.Elevation, random);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_TimeSeries)->Apply(Configure);

}  // namespace

BENCHMARK_MAIN();
