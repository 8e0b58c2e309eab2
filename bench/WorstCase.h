#pragma once
// The largest project the program allows, for the benchmarks: five
// boundaries of 999 nodes, a 180-degree sector (90 directions), Seymour's
// method with JONSWAP spectra.

#include <cmath>

#include "core/EngineMath.h"
#include "core/ProjectRecord.h"

namespace orvane::bench {

// A ring of 998 distinct nodes plus the closing repeat of the first (999
// positions), its radius wavering like a real shore line.
inline void SetRing(ProjectRecord& rec, int b, double cx, double cy, double radius, double phase)
{
    const int positions = kMaxGridNode;
    rec.NodeCount[b] = positions;
    for (int k = 1; k < positions; ++k) {
        const double a = 2.0 * kPi * (k - 1) / (positions - 1);
        const double r = radius * (1.0 + 0.08 * std::sin(7 * a + phase) + 0.03 * std::sin(31 * a));
        rec.NodeNumber[b][k] = k;
        rec.NodeX[b][k] = static_cast<float>(cx + r * std::cos(a));
        rec.NodeY[b][k] = static_cast<float>(cy + r * std::sin(a));
    }
    rec.NodeNumber[b][positions] = positions;
    rec.NodeX[b][positions] = rec.NodeX[b][1];
    rec.NodeY[b][positions] = rec.NodeY[b][1];
    rec.NodeX[b][0] = rec.NodeX[b][positions];
    rec.NodeY[b][0] = rec.NodeY[b][positions];
}

inline const ProjectRecord& WorstCase()
{
    static const ProjectRecord rec = [] {
        ProjectRecord r {};
        SetProjectDefaults(r);
        r.CoordUnits = 3;  // Km
        r.BoundaryCount = 5;
        SetRing(r, 1, 0.0, 0.0, 12.0, 0.0);
        SetRing(r, 2, 5.0, 3.0, 1.2, 1.0);
        SetRing(r, 3, -4.0, 5.0, 0.9, 2.0);
        SetRing(r, 4, 1.5, 7.0, 1.0, 3.0);
        SetRing(r, 5, -6.0, -5.0, 1.5, 4.0);
        r.PointX = 0.3f;
        r.PointY = -0.2f;
        r.WindDirection = 45.0f;
        r.SectorAngle = 180.0f;
        r.WindVelocity = 60.0f;
        r.VelocityUnits = 1;
        r.Depth = 10.0f;
        r.DirectionalMethod = 2;  // Seymour
        r.SpectrumType = 1;       // JONSWAP
        r.SignificantMethod = 0;
        return r;
    }();
    return rec;
}

}  // namespace orvane::bench
