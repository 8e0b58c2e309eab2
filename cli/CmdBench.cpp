// orvane-cli bench FILE.WDT: how long one computation run of a real region
// takes, without building the benchmarks.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "cli/Cli.h"
#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/Format.h"

namespace orvane::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Runs job repeatedly for about `budget` (at least 5 times) and returns the
// median duration of one run in microseconds.
template <class Job> double MedianMicroseconds(Clock::duration budget, Job job)
{
    std::vector<double> samples;
    const Clock::time_point stop = Clock::now() + budget;
    while (samples.size() < 5 || (Clock::now() < stop && samples.size() < 1000000)) {
        const Clock::time_point start = Clock::now();
        job();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

int RunBench(const Args& args)
{
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("bench", args, 1, rec); code != kExitOk)
        return code;
    ClampMethodCodes(rec);

    RandomGenerator random(1u);
    WaveResults results {};
    volatile float sink = 0.0f;  // keeps the work from being optimised away
    const double compute = MedianMicroseconds(std::chrono::seconds(1), [&] {
        ComputeWaves(rec, results, random);
        sink = results.Elevation[1];
    });
    const double scan = MedianMicroseconds(std::chrono::milliseconds(500), [&] {
        const Sector sector = MakeSector(rec);
        sink = sector.count > 0 ? sector.directions[0].fetch : 0.0f;
    });
    std::fputs(Format("ComputeWaves median_us=%.1f\nFetchScan median_us=%.1f\n", compute, scan).c_str(), stdout);
    return kExitOk;
}

const bool registered =
    RegisterCommand({"bench", "FILE.WDT",
                     "Time the computation run on the file for about a second: median microseconds of one run and of "
                     "one sector fetch scan.",
                     50, RunBench});

}  // namespace
}  // namespace orvane::cli
