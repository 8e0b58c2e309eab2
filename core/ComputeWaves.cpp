#include "core/ComputeWaves.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/Spectrum.h"

namespace orvane {

void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, WaveResults& results)
{
    ComputeSectorWaves(rec, sector, GrowthOptions {}, results);
}

void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, const GrowthOptions& growth,
                        WaveResults& results)
{
    const bool metric = IsMetric(rec);
    const int n = kSpectrumPoints;
    const WaveLaw law = MakeWaveLaw(rec.SignificantMethod, growth);
    switch (rec.DirectionalMethod) {
    case 0: RunEffectiveFetch(sector, n, rec.SpectrumType, law, metric, results); break;
    case 1: RunSaville(sector, n, rec.SpectrumType, law, metric, results); break;
    case 2: SeymourWave(sector, n, rec.SpectrumType, law, metric, results); break;
    default: {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        results.HeightM = results.HeightFt = results.Period = nan;
        ClearSpectrum(results.Freq, results.Density);
        break;
    }
    }
}

void ComputeWaves(const ProjectRecord& rec, WaveResults& results, RandomGenerator& random)
{
    ComputeWaves(rec, GrowthOptions {}, results, random);
}

void ComputeWaves(const ProjectRecord& rec, const GrowthOptions& growth, WaveResults& results, RandomGenerator& random)
{
    results.FreqCount = kSpectrumPoints;
    results.SampleCount = kElevationSamples;
    results.TimeStep = kTimeStepS;
    // An unknown method measures no fetch.
    const bool known = rec.DirectionalMethod >= 0 && rec.DirectionalMethod <= 2;
    ComputeSectorWaves(rec, known ? MakeSector(rec) : Sector {}, growth, results);
    WaveTimeSeries(results.Freq, results.Density, results.FreqCount, results.SampleCount, results.TimeStep,
                   results.Elevation, random);
}

GrowthSummary SummariseGrowth(const ProjectRecord& rec, const Sector& sector, const GrowthOptions& growth)
{
    GrowthSummary summary;
    summary.options = growth;
    summary.law = MakeWaveLaw(rec.SignificantMethod, growth).Effective();
    if (rec.DirectionalMethod == 0) {
        summary.governingFetch = EffectiveFetch(sector);
    } else {
        for (int i = 0; i < sector.count; ++i)
            summary.governingFetch =
                std::max(summary.governingFetch, sector.directions[static_cast<std::size_t>(i)].fetch);
    }
    GrowthInput in;
    in.u10Ms = sector.speedFtS / kFeetPerMetre;
    in.fetchM = LengthToFeet(rec, summary.governingFetch) / kFeetPerMetre;
    in.depthM = sector.depthFt / kFeetPerMetre;
    if (growth.durationH)
        in.durationS = *growth.durationH * 3600.0;
    summary.result = Grow(summary.law, in);
    return summary;
}

std::string GrowthLimitText(const GrowthSummary& summary)
{
    switch (summary.result.limited) {
    case GrowthLimit::Fetch: return "fetch-limited";
    case GrowthLimit::FullyDeveloped: return "fully developed";
    case GrowthLimit::Depth: return "depth-limited";
    case GrowthLimit::Duration:
        return Format("duration-limited: %.1f h needs %.1f h for this fetch", summary.options.durationH.value_or(0.0),
                      summary.result.minimumDurationS / 3600.0);
    }
    return {};
}

std::vector<std::string> GrowthTextLines(const GrowthSummary& summary)
{
    if (summary.options.IsDefault())
        return {};
    std::string law = "Growth law: " + GrowthLawTitle(summary.law);
    if (summary.options.durationH)
        law += Format(", %.1f h", *summary.options.durationH);
    return {" ", law, GrowthLimitText(summary)};
}

std::vector<std::string> ResultsTextLines(const ProjectRecord& rec, const WaveResults& results)
{
    std::vector<std::string> lines;
    lines.reserve(9);
    lines.emplace_back("Wave spectrum");
    lines.emplace_back(" ");
    const double frequency = 1.0 / static_cast<double>(results.Period);
    if (results.Period > 0.0f && std::isfinite(frequency))
        lines.push_back(Format("fs =%5.3f Hz", frequency));
    else
        lines.emplace_back("fs =  n/a Hz");
    lines.push_back(Format("Ts =%5.2f sec", results.Period));
    lines.emplace_back(" ");
    if (IsMetric(rec)) {
        const double h = results.HeightM;
        lines.push_back(Format("Hs =%5.2f m", h));
        lines.push_back(Format("H1/3 =%5.2f m", h));
        lines.push_back(Format("H1/10=%5.2f m", 1.272 * h));
        lines.push_back(Format("Hmax=%5.2f m", 1.6 * h));
    } else {
        const double h = results.HeightFt;
        lines.push_back(Format("Hs   =%5.2f ft", h));
        lines.push_back(Format("H1/3 =%5.2f ft", h));
        lines.push_back(Format("H1/10=%5.2f ft", 1.272 * h));
        lines.push_back(Format("Hmax=%5.2f ft", 1.6 * h));
    }
    return lines;
}

}  // namespace orvane
