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
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

bool Same(const XY& a, const XY& b) { return a.x == b.x && a.y == b.y; }

// For each node of `original`, its distance to the segment of `simplified`
// that replaced it, when the nodes of `simplified` are nodes of `original`
// in the same order (as a simplification keeps them, from any start);
// nothing otherwise. Each is at least the node's distance to the ring.
std::vector<double> SpanDistances(const Ring& original, const Ring& simplified)
{
    const std::size_t n = original.size() - 1;  // distinct nodes; the last closes the ring
    const std::size_t m = simplified.size() - 1;
    std::size_t start = 0;
    while (start < n && !Same(original[start], simplified[0]))
        ++start;
    if (start == n)
        return {};
    std::vector<double> span(n);
    std::size_t j = 0;  // the segment simplified[j] - simplified[j + 1]
    for (std::size_t step = 0; step < n; ++step) {
        const XY& p = original[(start + step) % n];
        if (step > 0 && j + 1 < m && Same(p, simplified[j + 1]))
            ++j;
        span[(start + step) % n] = SegmentDistance(p, simplified[j], simplified[j + 1]);
    }
    return j + 1 == m ? span : std::vector<double> {};
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
    const auto nearest = [&simplified](const XY& p, double enough) {
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i + 1 < simplified.size() && best > enough; ++i)
            best = std::min(best, SegmentDistance(p, simplified[i], simplified[i + 1]));
        return best;
    };
    // The distance to its own segment bounds each node's distance from
    // above: nodes are measured exactly in the order of that bound, until it
    // falls to the largest distance found. Usually a handful of nodes are.
    const std::vector<double> span =
        original.size() > 1 && simplified.size() > 1 ? SpanDistances(original, simplified) : std::vector<double> {};
    double worst = 0.0;
    if (span.empty()) {
        for (const XY& p : original)
            worst = std::max(worst, nearest(p, worst));
        return worst;
    }
    std::vector<std::size_t> order(span.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&span](std::size_t a, std::size_t b) { return span[a] > span[b]; });
    for (std::size_t i : order) {
        if (span[i] <= worst)
            break;
        worst = std::max(worst, nearest(original[i], worst));
    }
    return worst;
}

}  // namespace orvane
