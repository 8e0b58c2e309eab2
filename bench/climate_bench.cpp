// The wave climate of 50 years of hourly winds (438,000 rows) on the largest
// region the program allows: reading the record, the hindcast (the fetches
// of the 360 degrees included) and the statistics with every fit (17
// sectors, least squares, GPD and GEV with their bootstrap intervals).
// Targets on a 2-core machine: reading under 300 ms, the hindcast under
// 200 ms, the statistics and fits under 300 ms; memory under 100 MB
// (PeakMB: the process's peak resident size so far).

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include "WorstCase.h"
#include "core/ClimateAnalysis.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/ProjectCompanion.h"
#include "core/WindRecord.h"

namespace orvane {
namespace {

constexpr int kRows = 438'000;

double PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A wind that wanders like a real one: speed mean-reverting around 6 m/s
// with gusty noise, the direction drifting; seeded, so every run reads the
// same file.
const std::string& WindFile()
{
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / Format("orvane-climate-bench-%d.csv", static_cast<int>(getpid())))
                .string();
        std::mt19937_64 random(3);
        std::normal_distribution<double> noise(0.0, 1.0);
        std::string text = "time,speed,bearing\n";
        text.reserve(static_cast<std::size_t>(kRows) * 28);
        double speed = 5.0, bearing = 240.0;
        for (int i = 0; i < kRows; ++i) {
            speed = std::max(0.0, speed + 0.15 * (6.0 - speed) + 1.2 * noise(random));
            bearing = std::fmod(bearing + 12.0 * noise(random) + 360.0, 360.0);
            text += TimestampText(3600LL * i) + Format(",%.1f,%.0f\n", speed, bearing);
        }
        if (!WriteFileAtomically(file, text.data(), text.size()))
            std::abort();
        return file;
    }();
    return path;
}

const WindRecord& Record()
{
    static const WindRecord record = ReadWindRecord(WindFile());
    return record;
}

const Hindcast& TheHindcast()
{
    static const Hindcast hindcast = [] {
        const ProjectRecord& rec = bench::WorstCase();
        return RunHindcast(MakeHindcastInput(rec, {}, {}), Record().rows, MeasureDegreeFetches(rec));
    }();
    return hindcast;
}

void BM_ReadRecord(benchmark::State& state)
{
    WindFile();
    for (auto _ : state) {
        const WindRecord r = ReadWindRecord(WindFile());
        if (r.rows.size() != static_cast<std::size_t>(kRows))
            state.SkipWithError("rows lost");
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.counters["PeakMB"] = PeakMegabytes();
}
BENCHMARK(BM_ReadRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Hindcast(benchmark::State& state)
{
    const ProjectRecord& rec = bench::WorstCase();
    const HindcastInput input = MakeHindcastInput(rec, {}, {});
    const std::vector<WindRow>& rows = Record().rows;
    for (auto _ : state) {
        const Hindcast h = RunHindcast(input, rows, MeasureDegreeFetches(rec));
        benchmark::DoNotOptimize(h.rows.data());
    }
    state.counters["PeakMB"] = PeakMegabytes();
}
BENCHMARK(BM_Hindcast)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StatisticsAndFits(benchmark::State& state)
{
    const Hindcast& hindcast = TheHindcast();
    for (auto _ : state) {
        const ClimateResult r = AnalyseClimate(hindcast, {}, 0.0, 1);
        benchmark::DoNotOptimize(r.extremes.data());
    }
    state.counters["PeakMB"] = PeakMegabytes();
}
BENCHMARK(BM_StatisticsAndFits)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orvane

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(orvane::WindFile());
    return 0;
}
