#pragma once
// The computation run written as plain loops: every direction scans every
// segment (RadialFetch), every direction spectrum builds its own grid, and
// every time-series component is summed. The engine's shortcuts (the fetch
// scanner's culling, the shared spectrum grid, skipped zero components) must
// reproduce these results bit for bit; the tests check that on random
// regions and the benchmark measures what the shortcuts gain.

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/Spectrum.h"
#include "core/WaveFormulas.h"

namespace orvane::reference {

inline Sector PlainSector(const ProjectRecord& rec)
{
    Sector sector;
    sector.count = SectorDirectionCount(rec.SectorAngle);
    sector.windRad = F32(static_cast<double>(rec.WindDirection) * kDegToRad);
    sector.speedFtS = WindSpeedFeet(rec);
    sector.depthFt = DepthFeet(rec);
    for (int i = 1; i <= sector.count; ++i) {
        SectorDirection& dir = sector.directions[static_cast<std::size_t>(i - 1)];
        dir.deg = F32(static_cast<double>(rec.WindDirection) - static_cast<double>(rec.SectorAngle) / 2.0 +
                      static_cast<double>(sector.stepDeg) / 2.0 + (i - 1) * static_cast<double>(sector.stepDeg));
        dir.rad = F32(static_cast<double>(dir.deg) * kDegToRad);
        dir.fetch = RadialFetch(rec, rec.PointX, rec.PointY, dir.rad);
        dir.fetchFt = RadialFetchFeet(rec, rec.PointX, rec.PointY, dir.rad);
    }
    return sector;
}

inline void PlainSeymour(const Sector& sector, int n, int type, int method, bool metric, WaveResults& results)
{
    const double tw = sector.windRad;
    const float delta = F32(static_cast<double>(sector.stepDeg) * kDegToRad);
    const float half = F32(sector.count * static_cast<double>(sector.stepDeg) / 2.0 * kDegToRad);
    const float K = F32(2.0 / (2.0 * static_cast<double>(half) + std::sin(2.0 * half)));
    const float weightFactor = F32(static_cast<double>(K) * delta);
    const WaveEstimate effective = EffectiveFetchWave(sector, method);
    const float Te = effective.period;
    ClearSpectrum(results.Freq, results.Density);
    if (!(Te > 0.01)) {
        const bool undefined = std::isnan(Te) || std::isnan(effective.heightFt);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        results.HeightM = results.HeightFt = undefined ? nan : 0.0f;
        results.Period = undefined ? nan : 1.0f;
        return;
    }
    WaveSpectrum(n, type, results.Freq, results.Density, metric ? effective.heightM : effective.heightFt, Te, Te);
    std::fill(results.Density, results.Density + n + 1, 0.0f);
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        const HeightPeriod wave = SignificantWave(method, dir.fetchFt, sector.speedFtS, sector.depthFt);
        const float heightSel = metric ? F32(wave.H / kFeetPerMetre) : wave.H;
        if (wave.T > 0.001) {
            SpectrumArray L {};
            WaveSpectrum(n, type, L.f, L.S, heightSel, wave.T, Te);
            for (int k = 1; k <= n; ++k)
                results.Density[k] = F32(results.Density[k] +
                                         Square(std::cos(static_cast<double>(dir.rad) - tw)) * L.S[k] * weightFactor);
        }
    }
    const SpectralWave sum = SpectralHeightPeriod(results.Freq, results.Density, n);
    results.HeightFt = metric ? F32(sum.Hs * kFeetPerMetre) : sum.Hs;
    results.HeightM = F32(results.HeightFt / kFeetPerMetre);
    results.Period = sum.Tp;
}

inline void PlainTimeSeries(const WaveResults& in, float (&elevation)[1001], RandomGenerator& random)
{
    const int n = in.FreqCount, m = in.SampleCount;
    for (int j = 1; j <= m; ++j)
        elevation[j] = 0.0f;
    for (int k = 2; k <= n - 1; ++k) {
        const float a = F32(std::sqrt(kPi * in.Density[k] * (static_cast<double>(in.Freq[k + 1]) - in.Freq[k - 1])));
        const float phi = F32(2.0 * kPi * random.Next());
        for (int j = 1; j <= m; ++j)
            elevation[j] = F32(elevation[j] +
                               a * std::cos(2.0 * kPi * in.Freq[k] * (j - 1) * static_cast<double>(in.TimeStep) + phi));
    }
}

inline void PlainComputeWaves(const ProjectRecord& rec, WaveResults& results, RandomGenerator& random)
{
    results.FreqCount = 64;
    results.SampleCount = 1000;
    results.TimeStep = 0.25f;
    const bool metric = rec.CoordUnits > 1;
    switch (rec.DirectionalMethod) {
    case 0: RunEffectiveFetch(PlainSector(rec), 64, rec.SpectrumType, rec.SignificantMethod, metric, results); break;
    case 1: RunSaville(PlainSector(rec), 64, rec.SpectrumType, rec.SignificantMethod, metric, results); break;
    case 2: PlainSeymour(PlainSector(rec), 64, rec.SpectrumType, rec.SignificantMethod, metric, results); break;
    default:
        results.HeightM = results.HeightFt = results.Period = std::numeric_limits<float>::quiet_NaN();
        ClearSpectrum(results.Freq, results.Density);
        break;
    }
    PlainTimeSeries(results, results.Elevation, random);
}

}  // namespace orvane::reference
