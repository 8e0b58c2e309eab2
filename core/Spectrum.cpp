#include "core/Spectrum.h"

#include <algorithm>
#include <cmath>

#include "core/EngineMath.h"

namespace orvane {

namespace {

int ClampPoints(int n) { return std::clamp(n, 0, kSpectrumPoints); }

// Trapezoid area of S over f times pi, summed in increasing order as float32.
float SpectralArea(const FreqArray& f, const FreqArray& S, int n)
{
    float area = 0.0f;
    for (int i = 2; i <= n; ++i)
        area = F32(area + (static_cast<double>(S[i]) + S[i - 1]) * (static_cast<double>(f[i]) - f[i - 1]) * kPi);
    return area;
}

}  // namespace

SpectrumGrid MakeSpectrumGrid(int n, float tgridS)
{
    SpectrumGrid grid;
    grid.n = ClampPoints(n);
    const float df = F32((3.0 / tgridS) / grid.n);
    for (int i = 1; i <= grid.n; ++i) {
        const float fi = F32(i * static_cast<double>(df));
        grid.f[i] = fi;
        grid.f4[i] = Power(fi, 4.0);
        grid.f5[i] = Power(fi, 5.0);
    }
    return grid;
}

void WaveSpectrum(const SpectrumGrid& grid, int type, FreqArray& f, FreqArray& S, float hs, float tpS)
{
    const int n = grid.n;
    const float fp = F32(1.0 / tpS);
    const double B = F32(1.25 * Power(fp, 4.0));
    for (int i = 1; i <= n; ++i) {
        const float fi = grid.f[i];
        f[i] = fi;
        float Si = F32((B / grid.f5[i]) * std::exp(-B / grid.f4[i]));
        if (type == 1 && Si != 0.0f) {  // JONSWAP peak enhancement; a zero shape stays zero
            const float sigma = fi > fp ? F32(0.09) : F32(0.07);
            const float r = F32(-0.5 * Square((static_cast<double>(fi) - fp) / (static_cast<double>(sigma) * fp)));
            // Away from the peak the factor 3.3^exp(r) is 1 + 1.19 exp(r),
            // below 1 + 2.5e-9 for r < -20: less than a twelfth of the
            // smallest half step of a float32, so Si * factor rounds back to
            // Si. Skipping the two exponentials there changes no bit (NaN r
            // still takes the formula) and halves the cost of a JONSWAP
            // spectrum, most of whose points lie far from its peak.
            if (!(r < -20.0f))
                Si = F32(Si * Power(3.3, std::exp(static_cast<double>(r))));
        }
        S[i] = Si;
    }
    const float area = SpectralArea(f, S, n);
    // No energy on this grid at all (the peak lies far above it): nothing to
    // scale, and hs^2 / 0 would turn the zeros into NaN. The same holds for
    // an area so small (a few float32 steps above 0, as a short fetch's
    // spectrum has on the common grid of Seymour's method) that the scale
    // overflows a float32: infinity times the zeros would be NaN too.
    double scale = area == 0.0f ? 0.0 : F32(static_cast<double>(hs) * hs / (8.0 * area));
    if (std::isinf(scale) && std::isfinite(hs))
        scale = 0.0;
    for (int i = 1; i <= n; ++i)
        S[i] = F32(scale * S[i]);
}

void WaveSpectrum(int n, int type, FreqArray& f, FreqArray& S, float hs, float tpS, float tgridS)
{
    WaveSpectrum(MakeSpectrumGrid(n, tgridS), type, f, S, hs, tpS);
}

SpectralWave SpectralHeightPeriod(const FreqArray& f, const FreqArray& S, int n)
{
    n = ClampPoints(n);
    float area = 0.0f;
    float sMax = 0.0f;
    int peak = 1;
    for (int i = 2; i <= n; ++i) {
        area = F32(area + (static_cast<double>(S[i]) + S[i - 1]) * (static_cast<double>(f[i]) - f[i - 1]) * kPi);
        if (S[i] > sMax) {
            sMax = S[i];
            peak = i;
        }
    }
    if (std::fabs(area) <= 0.001f)
        return {0.0f, 1.0f};
    return {F32(2.832 * std::sqrt(static_cast<double>(area))), F32(1.0 / f[peak])};
}

void ClearSpectrum(FreqArray& f, FreqArray& S)
{
    std::fill(std::begin(f), std::end(f), 0.0f);
    std::fill(std::begin(S), std::end(S), 0.0f);
}

void WaveTimeSeries(const FreqArray& f, const FreqArray& S, int n, int m, float dtS, float (&elevation)[1001],
                    RandomGenerator& random)
{
    n = ClampPoints(n);
    m = std::clamp(m, 0, kElevationSamples);
    std::fill(elevation + 1, elevation + 1 + m, 0.0f);
    if (n < 3)
        return;
    const double dt = dtS;
    for (int k = 2; k <= n - 1; ++k) {
        const float a = F32(std::sqrt(kPi * S[k] * (static_cast<double>(f[k + 1]) - f[k - 1])));
        const float phi = F32(2.0 * kPi * random.Next());  // drawn for every component, used or not
        const double w = 2.0 * kPi * f[k];                 // rad/s
        // A zero amplitude adds +-0 to every sample, which changes no float,
        // as long as the cosine's argument stays finite.
        if (a == 0.0f && std::isfinite(w * (m - 1) * dt + phi))
            continue;
        for (int j = 1; j <= m; ++j)
            elevation[j] = F32(elevation[j] + a * std::cos(w * (j - 1) * dt + phi));
    }
}

}  // namespace orvane
