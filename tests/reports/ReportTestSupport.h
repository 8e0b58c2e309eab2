#pragma once
// Projects and results the report tests share.

#include <initializer_list>
#include <utility>

#include "core/ProjectRecord.h"

namespace orvane::test {

// Boundary b as a closed ring through the given points (entry 0 repeats the last).
inline void SetRing(ProjectRecord& rec, int b, std::initializer_list<std::pair<float, float>> points)
{
    int k = 0;
    for (const auto& [x, y] : points) {
        ++k;
        rec.NodeNumber[b][k] = k;
        rec.NodeX[b][k] = x;
        rec.NodeY[b][k] = y;
    }
    rec.NodeCount[b] = k;
    rec.NodeNumber[b][0] = k;
    rec.NodeX[b][0] = rec.NodeX[b][k];
    rec.NodeY[b][0] = rec.NodeY[b][k];
}

// A 100 x 100 square lake in metres, the point in its middle.
inline ProjectRecord SquareProject()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = 2;
    rec.BoundaryCount = 1;
    SetRing(rec, 1, {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
    rec.PointX = 50;
    rec.PointY = 50;
    return rec;
}

// Results with Hs 2.00 m (6.5616 ft), Ts 8 s and a spectrum f = k / 100 Hz,
// S = k / 1000.
inline WaveResults SampleResults()
{
    WaveResults r {};
    r.HeightM = 2.0f;
    r.HeightFt = 6.5616f;
    r.Period = 8.0f;
    r.TimeStep = 0.25f;
    r.FreqCount = 64;
    r.SampleCount = 1000;
    for (int k = 1; k <= 64; ++k) {
        r.Freq[k] = static_cast<float>(k) / 100.0f;
        r.Density[k] = static_cast<float>(k) / 1000.0f;
    }
    for (int j = 1; j <= 1000; ++j)
        r.Elevation[j] = (j % 2 == 0) ? 0.7f : -0.4f;
    return r;
}

}  // namespace orvane::test
