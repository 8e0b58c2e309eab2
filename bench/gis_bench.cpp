// Shoreline import of large rings: a lake shore of 1,000,000 nodes read from a
// GeoPackage and fitted into the project's 999 nodes (the whole import, as
// `import-shoreline` runs it), the fitting alone, and a 100,000-node shore
// that crosses itself. Peak memory of the process is reported as the
// counter "peak_MB" (the largest resident size so far, so read it from the
// first benchmark run alone: --benchmark_filter=...).

#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>
#include <sys/resource.h>

#include "core/ProjectRecord.h"
#include "gis/RingSimplify.h"
#include "gis/ShorelineImport.h"

namespace {

using namespace orvane;

// A star-shaped shore (the radius a function of the angle, so it never
// crosses itself) with bays of every size and a rough edge: in metres,
// around a UTM position.
Ring Shore(int nodes, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> phase(0.0, 2.0 * M_PI);
    std::normal_distribution<double> rough(0.0, 1.0);
    std::vector<std::pair<double, double>> waves;  // (frequency, phase)
    for (int f = 2; f < 4000; f = f * 3 / 2 + 1)
        waves.emplace_back(f, phase(random));
    Ring ring;
    ring.reserve(static_cast<std::size_t>(nodes) + 1);
    const double radius = 20000.0;
    for (int i = 0; i < nodes; ++i) {
        const double t = 2.0 * M_PI * i / nodes;
        double r = radius;
        for (const auto& [f, p] : waves)
            r += radius * 0.12 / std::sqrt(f) * std::sin(f * t + p);
        r += 2.0 * rough(random);
        ring.push_back({500000.0 + r * std::cos(t), 4600000.0 + r * std::sin(t)});
    }
    ring.push_back(ring.front());
    return ring;
}

std::string WriteShore(const Ring& ring, const std::string& name)
{
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove(path);
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GPKG");
    GDALDatasetUniquePtr dataset(driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    OGRSpatialReference utm;
    utm.importFromEPSG(32633);
    OGRLayer* layer = dataset->CreateLayer("shore", &utm, wkbPolygon);
    auto linear = new OGRLinearRing;
    linear->setNumPoints(static_cast<int>(ring.size()), FALSE);
    for (std::size_t i = 0; i < ring.size(); ++i)
        linear->setPoint(static_cast<int>(i), ring[i].x, ring[i].y);
    OGRPolygon polygon;
    polygon.addRingDirectly(linear);
    OGRFeatureUniquePtr feature(OGRFeature::CreateFeature(layer->GetLayerDefn()));
    feature->SetGeometry(&polygon);
    if (layer->CreateFeature(feature.get()) != OGRERR_NONE)
        return {};
    return path;
}

double PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ImportMillionNodeShore(benchmark::State& state)
{
    static const std::string path = WriteShore(Shore(1'000'000, 1), "orvane-bench-shore-1m.gpkg");
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    for (auto _ : state) {
        const Shoreline sh = ReadShoreline(path, rec, {});
        if (!sh.message.empty() || sh.rings.empty() || sh.rings[0].size() > 999)
            state.SkipWithError(sh.message.c_str());
        benchmark::DoNotOptimize(sh.rings.data());
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ImportMillionNodeShore)->Unit(benchmark::kSecond)->Iterations(1);

void BM_FitMillionNodeRing(benchmark::State& state)
{
    const Ring ring = CleanRing(Shore(1'000'000, 2));
    for (auto _ : state) {
        const FittedRings fitted = FitRingsToNodeLimit({ring}, 999);
        if (!fitted.ok)
            state.SkipWithError("no fit");
        benchmark::DoNotOptimize(fitted.rings.data());
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_FitMillionNodeRing)->Unit(benchmark::kSecond)->Iterations(1);

// Two far nodes swapped: the shore crosses itself twice.
void BM_FitSelfCrossingRing(benchmark::State& state)
{
    Ring ring = CleanRing(Shore(100'000, 3));
    std::swap(ring[10'000], ring[60'000]);
    for (auto _ : state)
        benchmark::DoNotOptimize(FitRingsToNodeLimit({ring}, 999).rings.data());
}
BENCHMARK(BM_FitSelfCrossingRing)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
