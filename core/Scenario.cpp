#include "core/Scenario.h"

#include <cmath>

#include "core/CommitRules.h"
#include "core/ComputeWaves.h"
#include "core/CoreShare.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/Region.h"

namespace orvane {

namespace {

// "name 200 -> 180" when the limits changed the value; NaN counts as changed.
void NoteChange(std::string& note, const char* name, float before, float after)
{
    if (before == after)
        return;
    if (!note.empty())
        note += "; ";
    note += Format("%s %g -> %g", name, static_cast<double>(before), static_cast<double>(after));
}

}  // namespace

ScenarioRunner::ScenarioRunner(const ProjectRecord& rec, const GrowthOptions& growth)
    : rec_(rec), growth_(growth), scanner_(rec)
{
}

ScenarioResult ScenarioRunner::Run(const ScenarioCase& scenario) const
{
    ProjectRecord rec = rec_;
    rec.WindDirection = scenario.windDirection;
    rec.WindVelocity = scenario.windVelocity;
    rec.SectorAngle = scenario.sectorAngle.value_or(rec.SectorAngle);
    rec.Depth = scenario.depth.value_or(rec.Depth);
    rec.PointX = scenario.pointX.value_or(rec.PointX);
    rec.PointY = scenario.pointY.value_or(rec.PointY);
    const ProjectRecord asGiven = rec;
    ClampInputs(rec);
    ClampMethodCodes(rec);

    ScenarioResult out;
    NoteChange(out.note, "sector", asGiven.SectorAngle, rec.SectorAngle);
    NoteChange(out.note, "speed", asGiven.WindVelocity, rec.WindVelocity);
    NoteChange(out.note, "depth", asGiven.Depth, rec.Depth);
    out.windDirection = rec.WindDirection;
    out.windVelocity = rec.WindVelocity;
    out.sectorAngle = rec.SectorAngle;
    out.depth = rec.Depth;
    out.pointX = rec.PointX;
    out.pointY = rec.PointY;

    const Sector sector = MakeSector(rec, scanner_);
    WaveResults results {};
    ComputeSectorWaves(rec, sector, growth_, results);
    out.centralFetch = scanner_.Fetch(rec.PointX, rec.PointY, F32(static_cast<double>(rec.WindDirection) * kDegToRad));
    out.effectiveFetch = EffectiveFetch(sector);
    out.heightM = results.HeightM;
    out.heightFt = results.HeightFt;
    out.period = results.Period;
    out.pointInWater = PointInWater(rec);
    return out;
}

std::vector<ScenarioResult> ScenarioRun(const ProjectRecord& rec, const std::vector<ScenarioCase>& cases,
                                        const GrowthOptions& growth)
{
    const ScenarioRunner runner(rec, growth);
    std::vector<ScenarioResult> results(cases.size());
    ShareAmongCores(cases.size(), 64, [&](std::size_t first, std::size_t stride) {
        for (std::size_t k = first; k < cases.size(); k += stride)
            results[k] = runner.Run(cases[k]);
    });
    return results;
}

}  // namespace orvane
