#include "gis/Ring.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

bool SameAsFloat(const XY& a, const XY& b)
{
    return static_cast<float>(a.x) == static_cast<float>(b.x) && static_cast<float>(a.y) == static_cast<float>(b.y);
}

// Distance from p to the segment a-b.
double SegmentDistance(const XY& p, const XY& a, const XY& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

double SignedArea(const Ring& ring)
{
    // Relative to the first node, so large map coordinates lose no digits.
    if (ring.size() < 3)
        return 0.0;
    const XY o = ring.front();
    double twice = 0.0;
    for (std::size_t i = 1; i + 1 < ring.size(); ++i)
        twice += (ring[i].x - o.x) * (ring[i + 1].y - o.y) - (ring[i + 1].x - o.x) * (ring[i].y - o.y);
    return twice / 2.0;
}

Ring CleanRing(const std::vector<XY>& nodes)
{
    Ring ring;
    for (const XY& p : nodes) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return {};
        if (ring.empty() || !SameAsFloat(ring.back(), p))
            ring.push_back(p);
    }
    // Drop the closing copies (a ring may repeat its first node more than
    // once); it is closed again below with exactly one.
    while (ring.size() > 1 && SameAsFloat(ring.back(), ring.front()))
        ring.pop_back();
    if (ring.size() < 3)
        return {};
    ring.push_back(ring.front());
    if (SignedArea(ring) < 0.0)
        std::reverse(ring.begin(), ring.end());
    return ring;
}

double MaxDeviation(const Ring& original, const Ring& simplified)
{
    if (simplified.size() < 2)
        return std::numeric_limits<double>::infinity();
    double worst = 0.0;
    for (const XY& p : original) {
        double nearest = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i + 1 < simplified.size() && nearest > worst; ++i)
            nearest = std::min(nearest, SegmentDistance(p, simplified[i], simplified[i + 1]));
        worst = std::max(worst, nearest);
    }
    return worst;
}

}  // namespace orvane
