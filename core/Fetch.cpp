#include "core/Fetch.h"

#include <cmath>
#include <limits>

#include "core/EngineMath.h"

namespace orvane {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Feet per coordinate unit, by CoordUnits code.
double LengthFactor(int coordUnits)
{
    switch (coordUnits) {
    case 0: return 1.0;            // ft
    case 1: return 5280.0;         // Miles
    case 2: return kFeetPerMetre;  // m
    case 3: return 3280.8;         // Km
    default: return kNaN;
    }
}

// ft/s per velocity unit, by VelocityUnits code.
double SpeedFactor(int velocityUnits)
{
    switch (velocityUnits) {
    case 0: return kFeetPerMetre;  // m/sec
    case 1: return 0.911;          // Km/hr
    case 2: return 1.0;            // ft/sec
    case 3: return 1.46666667;     // m.p.h.
    default: return kNaN;
    }
}

}  // namespace

float LengthToFeet(const ProjectRecord& rec, float length)
{
    return F32(static_cast<double>(length) * LengthFactor(rec.CoordUnits));
}

float WindSpeedFeet(const ProjectRecord& rec)
{
    const float speed = F32(static_cast<double>(rec.WindVelocity) * SpeedFactor(rec.VelocityUnits));
    return speed < 1.0f ? 1.0f : speed;
}

float DepthFeet(const ProjectRecord& rec)
{
    double factor = kNaN;
    if (rec.CoordUnits == 2 || rec.CoordUnits == 3)
        factor = kFeetPerMetre;
    else if (rec.CoordUnits == 0 || rec.CoordUnits == 1)
        factor = 1.0;
    const float depth = F32(static_cast<double>(rec.Depth) * factor);
    return depth < 10.0f ? 10.0f : depth;
}

float NudgeOffAxes(float thetaRad)
{
    float theta = thetaRad;
    for (int i = -10; i <= 10; ++i) {
        if (std::fabs(static_cast<double>(theta) - (i / 2.0) * kPi) < 0.01)
            theta = F32(static_cast<double>(theta) + 0.006283185307179587);  // 2*pi/1000
    }
    return theta;
}

float RadialFetch(const ProjectRecord& rec, float x0, float y0, float thetaRad)
{
    const float theta = NudgeOffAxes(thetaRad);
    const double X0 = x0;
    const double Y0 = y0;
    const float m = F32(std::tan(static_cast<double>(theta)));  // ray slope
    const float q = F32(Y0 - X0 * m);                           // ray intercept
    const float c = F32(std::cos(static_cast<double>(theta)));  // sign: which way is ahead

    float nearest[kMaxBoundaries + 1] = {};
    const int boundaries = UsedBoundaryCount(rec);
    for (int b = 1; b <= boundaries; ++b) {
        const int count = UsedNodeCount(rec, b);
        const float* nodeX = rec.NodeX[b];
        const float* nodeY = rec.NodeY[b];
        float best = 0.0f;
        int hits = 0;
        for (int j = 1; j <= count - 1; ++j) {
            // The polygon closes from position count-1 back to position 1.
            const int k = j + 1 <= count - 1 ? j + 1 : 1;
            const double xj = nodeX[j], yj = nodeY[j];
            const double xk = nodeX[k], yk = nodeY[k];
            const float dx = F32(xj - xk);
            const float dy = F32(yj - yk);
            float d;
            if (std::fabs(static_cast<double>(dx)) > 0.001) {
                const float ms = F32(static_cast<double>(dy) / dx);
                const float qs = F32((yk * xj - yj * xk) / dx);
                if (std::fabs(static_cast<double>(m) - ms) < 1e-7)
                    continue;  // parallel
                const float xi = F32((static_cast<double>(qs) - q) / (static_cast<double>(m) - ms));
                if ((xi - xj) * (xi - xk) <= 0.0) {
                    if (static_cast<double>(c) * (xi - X0) <= 0.0)
                        continue;  // behind the point, or at it
                    const float h = F32((xi - X0) * m);
                    d = F32(std::sqrt(static_cast<double>(h) * h + (xi - X0) * (xi - X0)));
                } else if (!SideCrossingDistance(m, q, c, X0, Y0, xj, yj, xk, yk, d)) {
                    continue;  // beyond the segment's ends
                }
            } else if (std::fabs(static_cast<double>(dy)) > 0.001) {
                const float yi = F32((xj - X0) * m + Y0);
                if ((yi - yj) * (yi - yk) <= 0.0) {
                    if (static_cast<double>(c) * (xj - X0) <= 0.0)
                        continue;
                    d = F32(std::sqrt((xj - X0) * (xj - X0) + (yi - Y0) * (yi - Y0)));
                } else if (!SideCrossingDistance(m, q, c, X0, Y0, xj, yj, xk, yk, d)) {
                    continue;
                }
            } else {
                continue;  // degenerate: a gap node or a repeated node
            }
            if (std::isnan(d))
                continue;  // non-finite coordinates: no distance to take
            if (hits == 0 || d < best)
                best = d;
            ++hits;
        }
        nearest[b] = best;
    }
    // The smallest positive per-boundary distance; 0 when none is positive.
    float s = 0.0f;
    for (int b = 1; b <= boundaries; ++b)
        if (nearest[b] > s)
            s = nearest[b];
    for (int b = 1; b <= boundaries; ++b)
        if (0.0f < nearest[b] && nearest[b] < s)
            s = nearest[b];
    return s;
}

float RadialFetchFeet(const ProjectRecord& rec, float x0, float y0, float thetaRad)
{
    return LengthToFeet(rec, RadialFetch(rec, x0, y0, thetaRad));
}

float WindDirectionFetch(const ProjectRecord& rec)
{
    const float theta = F32(static_cast<double>(rec.WindDirection) * kDegToRad);
    return RadialFetch(rec, rec.PointX, rec.PointY, theta);
}

}  // namespace orvane
