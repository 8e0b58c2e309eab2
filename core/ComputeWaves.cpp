#include "core/ComputeWaves.h"

#include <cmath>
#include <limits>

#include "core/Directional.h"
#include "core/Format.h"
#include "core/Spectrum.h"

namespace orvane {

void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, WaveResults& results)
{
    const bool metric = IsMetric(rec);
    const int n = kSpectrumPoints;
    switch (rec.DirectionalMethod) {
    case 0:
        RunEffectiveFetch(sector, n, rec.SpectrumType, rec.SignificantMethod, metric, results);
        break;
    case 1:
        RunSaville(sector, n, rec.SpectrumType, rec.SignificantMethod, metric, results);
        break;
    case 2:
        SeymourWave(sector, n, rec.SpectrumType, rec.SignificantMethod, metric, results);
        break;
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
    results.FreqCount = kSpectrumPoints;
    results.SampleCount = kElevationSamples;
    results.TimeStep = kTimeStepS;
    // An unknown method measures no fetch.
    const bool known = rec.DirectionalMethod >= 0 && rec.DirectionalMethod <= 2;
    ComputeSectorWaves(rec, known ? MakeSector(rec) : Sector{}, results);
    WaveTimeSeries(results.Freq, results.Density, results.FreqCount, results.SampleCount, results.TimeStep,
                   results.Elevation, random);
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
