#include "core/SpectralMoments.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/EngineMath.h"

namespace orvane {

SpectralMoments ComputeSpectralMoments(const FreqArray& f, const FreqArray& S, int n)
{
    n = std::clamp(n, 0, kSpectrumPoints);
    double m[3] = {0.0, 0.0, 0.0};
    for (int i = 2; i <= n; ++i) {
        const double f0 = f[i - 1], f1 = f[i];
        const double e0 = kPi * S[i - 1], e1 = kPi * S[i];
        const double df = f1 - f0;
        m[0] += 0.5 * (e0 + e1) * df;
        m[1] += 0.5 * (e0 * f0 + e1 * f1) * df;
        m[2] += 0.5 * (e0 * f0 * f0 + e1 * f1 * f1) * df;
    }
    int peak = 0;
    for (int i = 1; i <= n; ++i) {
        if (S[i] > 0.0f && (peak == 0 || S[i] > S[peak]))
            peak = i;
    }

    const double nan = std::numeric_limits<double>::quiet_NaN();
    SpectralMoments out;
    out.m0 = F32(m[0]);
    out.m1 = F32(m[1]);
    out.m2 = F32(m[2]);
    const bool energy = m[0] > 0.0;  // false for NaN too
    out.Hm0 = F32(energy ? 4.0 * std::sqrt(m[0]) : std::isnan(m[0]) ? nan : 0.0);
    out.Tm01 = F32(energy ? m[0] / m[1] : nan);
    out.Tm02 = F32(energy ? std::sqrt(m[0] / m[2]) : nan);
    out.Tp = F32(peak > 0 ? 1.0 / f[peak] : nan);
    return out;
}

}  // namespace orvane
