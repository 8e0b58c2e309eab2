#pragma once
// Regions for the engine tests: small hand-made polygons and random regions
// that exercise every branch of the fetch scan (vertical and near-vertical
// segments, repeated nodes, islands, far-off coordinates).

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "core/ProjectRecord.h"
#include "tests/TestSupport.h"

namespace orvane::test {

using Polygon = std::vector<TestNode>;
using test::SetBoundary;

// A closed square (last node repeats the first), counter-clockwise.
inline Polygon Square(float x0, float y0, float side)
{
    return {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}, {x0, y0}};
}

// A project in feet with no boundaries yet.
inline ProjectRecord EmptyFeetProject()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.BoundaryCount = 0;
    rec.CoordUnits = 0;
    return rec;
}

// A star-shaped closed polygon of `nodes` positions (the last repeats the
// first) around (cx, cy) with radii in [r * (1 - wobble), r * (1 + wobble)],
// seasoned with the segment kinds the fetch scan treats specially.
inline Polygon RandomRing(std::mt19937& gen, int nodes, float cx, float cy, float r, float wobble)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Polygon ring;
    const int distinct = std::max(3, nodes - 1);
    for (int k = 0; k < distinct; ++k) {
        const double angle = 2.0 * 3.14159265358979323846 * k / distinct;
        const double radius = r * (1.0 - wobble + 2.0 * wobble * unit(gen));
        float x = static_cast<float>(cx + radius * std::cos(angle));
        float y = static_cast<float>(cy + radius * std::sin(angle));
        const double kind = unit(gen);
        if (!ring.empty() && kind < 0.05)
            x = ring.back().x;  // vertical segment
        else if (!ring.empty() && kind < 0.08)
            x = ring.back().x + 0.0015f;  // just sloped enough to count as sloped
        else if (!ring.empty() && kind < 0.10)
            x = ring.back().x + 0.0005f;  // within the vertical tolerance
        else if (!ring.empty() && kind < 0.13) {
            ring.push_back(ring.back());  // a repeated node: a zero-length segment
            continue;
        } else if (!ring.empty() && kind < 0.16)
            y = ring.back().y;  // horizontal segment
        ring.push_back({x, y});
    }
    ring.push_back(ring.front());
    return ring;
}

// A random region of one to five boundaries around the origin shifted by
// (offsetX, offsetY), with the point and wind set at random.
inline ProjectRecord RandomRegion(std::mt19937& gen, float scale, float offsetX, float offsetY, int maxNodes)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> boundaries(1, 5);
    std::uniform_int_distribution<int> nodeCount(4, maxNodes);
    ProjectRecord rec = EmptyFeetProject();
    rec.CoordUnits = static_cast<int>(unit(gen) * 4);
    SetBoundary(rec, 1, RandomRing(gen, nodeCount(gen), offsetX, offsetY, scale, 0.3f));
    const int count = boundaries(gen);
    for (int b = 2; b <= count; ++b) {
        const double angle = 6.283185307179586 * unit(gen);
        const double distance = scale * 0.5 * unit(gen);
        SetBoundary(rec, b,
                    RandomRing(gen, nodeCount(gen), static_cast<float>(offsetX + distance * std::cos(angle)),
                               static_cast<float>(offsetY + distance * std::sin(angle)),
                               static_cast<float>(scale * (0.03 + 0.1 * unit(gen))), 0.4f));
    }
    // Mostly inside the outer ring, sometimes outside it or inside an island.
    rec.PointX = static_cast<float>(offsetX + scale * (1.6 * unit(gen) - 0.8));
    rec.PointY = static_cast<float>(offsetY + scale * (1.6 * unit(gen) - 0.8));
    const double direction = unit(gen);
    rec.WindDirection = direction < 0.3 ? static_cast<float>(90 * static_cast<int>(unit(gen) * 8) - 360)
                                        : static_cast<float>(720 * unit(gen) - 360);
    rec.SectorAngle = static_cast<float>(4 + 176 * unit(gen));
    rec.WindVelocity = static_cast<float>(5 + 60 * unit(gen));
    rec.VelocityUnits = static_cast<int>(unit(gen) * 4);
    rec.Depth = static_cast<float>(5 + 50 * unit(gen));
    rec.DirectionalMethod = static_cast<int>(unit(gen) * 3);
    rec.SpectrumType = static_cast<int>(unit(gen) * 2);
    rec.SignificantMethod = static_cast<int>(unit(gen) * 3);
    return rec;
}

// Same bits (NaN payloads included): the engine's shortcuts must not change
// one bit of a result.
inline bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace orvane::test
