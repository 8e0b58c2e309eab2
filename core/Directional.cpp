#include "core/Directional.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/Rounding.h"
#include "core/WaveFormulas.h"

namespace orvane {

int SectorDirectionCount(float sectorDeg)
{
    const double half = static_cast<double>(sectorDeg) / 2.0;
    if (!(half > 0.0))
        return 0;  // NaN or no sector
    if (half >= kMaxSectorDirections)
        return kMaxSectorDirections;
    return RoundEven(half);
}

Sector MakeSectorDirections(const ProjectRecord& rec)
{
    Sector sector;
    sector.count = SectorDirectionCount(rec.SectorAngle);
    sector.windRad = F32(static_cast<double>(rec.WindDirection) * kDegToRad);
    sector.speedFtS = WindSpeedFeet(rec);
    sector.depthFt = DepthFeet(rec);
    const double step = sector.stepDeg;
    for (int i = 1; i <= sector.count; ++i) {
        SectorDirection& dir = sector.directions[static_cast<std::size_t>(i - 1)];
        dir.deg = F32(static_cast<double>(rec.WindDirection) - static_cast<double>(rec.SectorAngle) / 2.0 + step / 2.0 +
                      (i - 1) * step);
        dir.rad = F32(static_cast<double>(dir.deg) * kDegToRad);
    }
    return sector;
}

Sector MakeSector(const ProjectRecord& rec, const FetchScanner& scanner)
{
    Sector sector = MakeSectorDirections(rec);
    for (int i = 0; i < sector.count; ++i) {
        SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        dir.fetch = scanner.Fetch(rec.PointX, rec.PointY, dir.rad);
        dir.fetchFt = LengthToFeet(rec, dir.fetch);
    }
    return sector;
}

Sector MakeSector(const ProjectRecord& rec) { return MakeSector(rec, FetchScanner(rec)); }

namespace {

float WeightedMeanFetch(const Sector& sector, float SectorDirection::*fetch)
{
    const double tw = sector.windRad;
    double weightedFetch = 0.0;
    double weights = 0.0;
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        const double w = std::fabs(std::cos(tw - dir.rad));
        weightedFetch += w * (dir.*fetch);
        weights += w;
    }
    return weights == 0.0 ? 0.0f : F32(weightedFetch / weights);
}

}  // namespace

float EffectiveFetchFeet(const Sector& sector) { return WeightedMeanFetch(sector, &SectorDirection::fetchFt); }

float EffectiveFetch(const Sector& sector) { return WeightedMeanFetch(sector, &SectorDirection::fetch); }

WaveEstimate EffectiveFetchWave(const Sector& sector, int method)
{
    return EffectiveFetchWave(sector, WaveLaw {method});
}

WaveEstimate EffectiveFetchWave(const Sector& sector, const WaveLaw& law)
{
    const HeightPeriod wave = law(EffectiveFetchFeet(sector), sector.speedFtS, sector.depthFt);
    return {F32(wave.H / kFeetPerMetre), wave.H, wave.T};
}

WaveEstimate SavilleWave(const Sector& sector, int method) { return SavilleWave(sector, WaveLaw {method}); }

WaveEstimate SavilleWave(const Sector& sector, const WaveLaw& law)
{
    const double tw = sector.windRad;
    double energy = 0.0;        // S1: sum of e_i
    double energyPeriod = 0.0;  // S2: sum of T_i e_i
    double spread = 0.0;        // S3: sum of cos^2
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        const HeightPeriod wave = law(dir.fetchFt, sector.speedFtS, sector.depthFt);
        const float e = F32(Square(std::cos(static_cast<double>(dir.rad) - tw) * wave.H));
        energy += e;
        energyPeriod += static_cast<double>(wave.T) * e;
        spread += Square(std::cos(tw - dir.rad));
    }
    if (energy == 0.0)
        return {0.0f, 0.0f, 0.0f};  // no direction has waves: 0/0 would be the period
    const float heightFt = F32(std::sqrt(energy / spread));
    return {F32(heightFt / kFeetPerMetre), heightFt, F32(energyPeriod / energy)};
}

namespace {

void StoreAndShowSpectrum(const WaveEstimate& wave, int n, int spectrumType, bool metric, WaveResults& results)
{
    results.HeightM = wave.heightM;
    results.HeightFt = wave.heightFt;
    results.Period = wave.period;
    const float heightSel = metric ? results.HeightM : results.HeightFt;
    if (static_cast<double>(results.Period) > 0.01)
        WaveSpectrum(n, spectrumType, results.Freq, results.Density, heightSel, results.Period, results.Period);
    else
        ClearSpectrum(results.Freq, results.Density);
}

}  // namespace

void RunEffectiveFetch(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results)
{
    RunEffectiveFetch(sector, n, spectrumType, WaveLaw {method}, metric, results);
}

void RunSaville(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results)
{
    RunSaville(sector, n, spectrumType, WaveLaw {method}, metric, results);
}

void RunEffectiveFetch(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric,
                       WaveResults& results)
{
    StoreAndShowSpectrum(EffectiveFetchWave(sector, law), n, spectrumType, metric, results);
}

void RunSaville(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric, WaveResults& results)
{
    StoreAndShowSpectrum(SavilleWave(sector, law), n, spectrumType, metric, results);
}

float SeymourSpreadingConstant(int directionCount, float stepDeg)
{
    // The integral of cos^2 over [-h, h] is (2h + sin 2h) / 2; its inverse
    // makes the weights K * delta * cos^2 of the directions add up to 1
    // (to within the midpoint rule), so a uniform fetch gives the height of
    // a single direction.
    const float half = F32(directionCount * static_cast<double>(stepDeg) / 2.0 * kDegToRad);
    return F32(2.0 / (2.0 * static_cast<double>(half) + std::sin(2.0 * half)));
}

void SeymourWave(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results)
{
    SeymourWave(sector, n, spectrumType, WaveLaw {method}, metric, results);
}

void SeymourWave(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric, WaveResults& results)
{
    n = std::clamp(n, 0, kSpectrumPoints);
    const double tw = sector.windRad;
    const float delta = F32(static_cast<double>(sector.stepDeg) * kDegToRad);
    const float K = SeymourSpreadingConstant(sector.count, sector.stepDeg);
    const double weightFactor = F32(static_cast<double>(K) * delta);

    const WaveEstimate effective = EffectiveFetchWave(sector, law);
    const float Te = effective.period;
    ClearSpectrum(results.Freq, results.Density);
    if (!(static_cast<double>(Te) > 0.01)) {
        // No common grid: nothing to sum, the result of an empty spectrum.
        const bool undefined = std::isnan(Te) || std::isnan(effective.heightFt);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        results.HeightM = results.HeightFt = undefined ? nan : 0.0f;
        results.Period = undefined ? nan : 1.0f;
        return;
    }
    // The grid of Te, shared by the display spectrum and every direction spectrum.
    const SpectrumGrid grid = MakeSpectrumGrid(n, Te);
    for (int k = 1; k <= n; ++k)
        results.Freq[k] = grid.f[k];

    SpectrumArray direction {};
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        const HeightPeriod wave = law(dir.fetchFt, sector.speedFtS, sector.depthFt);
        const float heightSel = metric ? F32(wave.H / kFeetPerMetre) : wave.H;
        if (!(static_cast<double>(wave.T) > 0.001))
            continue;  // no waves from this direction
        WaveSpectrum(grid, spectrumType, direction.f, direction.S, heightSel, wave.T);
        const double spreading = Square(std::cos(static_cast<double>(dir.rad) - tw));
        for (int k = 1; k <= n; ++k)
            results.Density[k] = F32(results.Density[k] + spreading * direction.S[k] * weightFactor);
    }
    const SpectralWave sum = SpectralHeightPeriod(results.Freq, results.Density, n);
    results.HeightFt = metric ? F32(static_cast<double>(sum.Hs) * kFeetPerMetre) : sum.Hs;
    results.HeightM = F32(results.HeightFt / kFeetPerMetre);
    results.Period = sum.Tp;
}

}  // namespace orvane
