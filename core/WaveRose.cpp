#include "core/WaveRose.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "core/ComputeWaves.h"
#include "core/CoreShare.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/Format.h"
#include "core/Region.h"

namespace orvane {

namespace {

// Fetches by the exact float32 angle of the ray. Rays are keyed by their bits
// rather than by the direction they point: a ray at -89 degrees and one at
// 271 degrees round to different floats and may differ in their last bit, and
// each must equal the fetch ComputeWaves measures for its own sector.
class RayCache {
public:
    explicit RayCache(const ProjectRecord& rec) : rec_(rec), scanner_(rec) { }

    float Fetch(float thetaRad)
    {
        std::uint32_t key;
        std::memcpy(&key, &thetaRad, sizeof key);
        const auto [it, inserted] = fetches_.try_emplace(key, 0.0f);
        if (inserted)
            it->second = scanner_.Fetch(rec_.PointX, rec_.PointY, thetaRad);
        return it->second;
    }
    int Size() const { return static_cast<int>(fetches_.size()); }

private:
    const ProjectRecord& rec_;
    FetchScanner scanner_;
    std::unordered_map<std::uint32_t, float> fetches_;
};

// Six significant digits; an empty cell for a value that is no number.
std::string CsvNumber(double v) { return std::isfinite(v) ? Format("%.6g", v) : std::string(); }

}  // namespace

bool ValidRoseStep(int stepDeg) { return stepDeg >= 1 && stepDeg <= 90 && 360 % stepDeg == 0; }

WaveRoseResult WaveRose(const ProjectRecord& rec, int stepDeg, const GrowthOptions& growth)
{
    WaveRoseResult rose;
    if (!ValidRoseStep(stepDeg))
        return rose;
    rose.stepDeg = stepDeg;
    rose.growth = growth;
    const std::size_t count = static_cast<std::size_t>(360 / stepDeg);
    rose.rows.resize(count);

    // First every sector with its fetches, each distinct ray scanned once.
    std::vector<Sector> sectors(count);
    RayCache rays(rec);
    ProjectRecord wind = rec;  // the project with only the wind direction changed
    for (std::size_t k = 0; k < count; ++k) {
        const int d = static_cast<int>(k) * stepDeg;
        wind.WindDirection = static_cast<float>(d);
        Sector& sector = sectors[k];
        sector = MakeSectorDirections(wind);
        for (int i = 0; i < sector.count; ++i) {
            SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
            dir.fetch = rays.Fetch(dir.rad);
            dir.fetchFt = LengthToFeet(wind, dir.fetch);
        }
        RoseRow& row = rose.rows[k];
        row.windDirectionDeg = d;
        row.bearingDeg = CompassBearing(d);
        // The angle WindDirectionFetch measures along.
        row.centralFetch = rays.Fetch(F32(static_cast<double>(wind.WindDirection) * kDegToRad));
        row.effectiveFetch = EffectiveFetch(sector);
    }
    rose.raysMeasured = rays.Size();

    // Then the waves of each wind direction: independent of one another (the
    // engine keeps no state), so they are shared among the processor cores.
    // Nearly all of a rose's time goes here, in Seymour's direction spectra.
    auto waves = [&](std::size_t first, std::size_t stride) {
        ProjectRecord turned = rec;
        WaveResults results {};
        for (std::size_t k = first; k < count; k += stride) {
            turned.WindDirection = static_cast<float>(rose.rows[k].windDirectionDeg);
            ComputeSectorWaves(turned, sectors[k], growth, results);
            rose.rows[k].heightM = results.HeightM;
            rose.rows[k].heightFt = results.HeightFt;
            rose.rows[k].period = results.Period;
        }
    };
    ShareAmongCores(count, 24, waves);
    return rose;
}

bool SameRoseInputs(const ProjectRecord& a, const ProjectRecord& b)
{
    auto inputs = [](ProjectRecord rec) {
        std::memset(rec.Title, 0, sizeof rec.Title);
        std::memset(rec.Padding, 0, sizeof rec.Padding);
        rec.RegionScaleIndex = rec.RegionGridIndex = rec.RegionSnapIndex = 0;
        rec.RegionWindowWidth = rec.RegionWindowHeight = 0;
        rec.PlotMaxX = rec.PlotMaxY = rec.PlotMinX = rec.PlotMinY = rec.PlotSpanX = rec.PlotSpanY = 0.0f;
        rec.WindDirection = 0.0f;
        return rec;
    };
    const ProjectRecord x = inputs(a), y = inputs(b);
    return std::memcmp(&x, &y, sizeof x) == 0;
}

std::string WaveRoseCsv(const WaveRoseResult& rose)
{
    std::string out = "wind_direction_deg,bearing_deg,central_fetch,effective_fetch,hs_m,hs_ft,ts_s\n";
    for (const RoseRow& row : rose.rows) {
        out += Format("%d,", row.windDirectionDeg) + CsvNumber(row.bearingDeg) + "," + CsvNumber(row.centralFetch) +
               "," + CsvNumber(row.effectiveFetch) + "," + CsvNumber(row.heightM) + "," + CsvNumber(row.heightFt) +
               "," + CsvNumber(row.period) + "\n";
    }
    return out;
}

}  // namespace orvane
