#include "core/WaveFormulas.h"

#include <cmath>
#include <limits>

#include "core/EngineMath.h"

namespace orvane {

Dimensionless SmbDeep(float X)
{
    const double x = X;
    return {F32(0.283 * Tanh(0.0125 * Power(x, 0.42))), F32(7.54 * Tanh(0.077 * Power(x, 0.25)))};
}

Dimensionless SmbDepth(float X, float D)
{
    const double x = X;
    const double A = Tanh(0.53 * Power(D, 0.75));
    const double B = Tanh(0.833 * Power(D, 0.375));
    return {F32(0.283 * A * Tanh(0.0125 * Power(x, 0.42) / A)), F32(7.54 * B * Tanh(0.077 * Power(x, 0.25) / B))};
}

Dimensionless WilsonWave(float X)
{
    const double x = X;
    const double h = 1.0 + 0.004 * Power(x, 0.5);
    const double t = 1.0 + 0.008 * Power(x, 0.333);
    return {F32(0.3 * (1.0 - 1.0 / Square(h))), F32(8.6 * (1.0 - 1.0 / Power(t, 5.0)))};
}

HeightPeriod SignificantWave(int method, float fetchFt, float speedFtS, float depthFt)
{
    const float U = static_cast<double>(speedFtS) < 0.01 ? F32(0.01) : speedFtS;
    const double u = U;
    const double fetch = std::fabs(static_cast<double>(fetchFt));
    const double depth = std::fabs(static_cast<double>(depthFt));
    const float X = F32(kGravityFtS2 * fetch / (u * u));
    const float D = F32(kGravityFtS2 * depth / (u * u));
    Dimensionless w {};
    switch (method) {
    case 0: w = SmbDeep(X); break;
    case 1: w = SmbDepth(X, D); break;
    case 2: w = WilsonWave(X); break;
    default: {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        return {nan, nan};
    }
    }
    return {F32(u * u * w.H / kGravityFtS2), F32(w.T * u / kGravityFtS2)};
}

}  // namespace orvane
