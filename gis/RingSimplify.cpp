#include "gis/RingSimplify.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include <ogr_geometry.h>

#include "gis/GdalSupport.h"

namespace orvane {

namespace {

std::unique_ptr<OGRPolygon> ToPolygon(const std::vector<Ring>& rings)
{
    auto polygon = std::make_unique<OGRPolygon>();
    for (const Ring& ring : rings) {
        auto linear = std::make_unique<OGRLinearRing>();
        linear->setNumPoints(static_cast<int>(ring.size()), FALSE);
        for (std::size_t i = 0; i < ring.size(); ++i)
            linear->setPoint(static_cast<int>(i), ring[i].x, ring[i].y);
        polygon->addRingDirectly(linear.release());
    }
    return polygon;
}

// The rings of a simplified polygon, cleaned as the project stores them;
// nothing when the result is not one polygon with every ring still there.
std::optional<std::vector<Ring>> Simplify(const std::vector<Ring>& rings, double tolerance)
{
    const std::unique_ptr<OGRGeometry> result(ToPolygon(rings)->SimplifyPreserveTopology(tolerance));
    if (!result || wkbFlatten(result->getGeometryType()) != wkbPolygon)
        return std::nullopt;
    const OGRPolygon* polygon = result->toPolygon();
    if (static_cast<std::size_t>(polygon->getNumInteriorRings()) + 1 != rings.size())
        return std::nullopt;
    std::vector<Ring> out;
    for (int r = 0; r <= polygon->getNumInteriorRings(); ++r) {
        const OGRLinearRing* linear = r == 0 ? polygon->getExteriorRing() : polygon->getInteriorRing(r - 1);
        std::vector<XY> nodes;
        for (int i = 0; i < linear->getNumPoints(); ++i)
            nodes.push_back({linear->getX(i), linear->getY(i)});
        out.push_back(CleanRing(nodes));
        if (out.back().empty())
            return std::nullopt;
    }
    return out;
}

bool Fits(const std::vector<Ring>& rings, std::size_t maxNodes)
{
    return std::all_of(rings.begin(), rings.end(), [&](const Ring& r) { return r.size() <= maxNodes; });
}

struct Fitted {
    double tolerance;
    std::vector<Ring> rings;
};

// Rings of more nodes than this many times the limit are searched on a copy
// simplified first with a far smaller tolerance: the search then costs little
// whatever the ring's size.
constexpr std::size_t kCopyAbove = 8;
constexpr std::size_t kCopyNodes = 4;  // the copy keeps about this many times the limit
constexpr std::size_t kThinAbove = 64;
constexpr std::size_t kThinNodes = 32;

double Distance(const XY& p, const XY& a, const XY& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// For each node, the largest tolerance at which plain Douglas-Peucker still
// keeps it: the splits of its recursion taken down to single segments once,
// each node keeping the smaller of its own distance and its parent split's.
// The first and last node are always kept (infinity).
std::vector<double> KeepTolerances(const Ring& ring)
{
    const std::size_t n = ring.size();
    std::vector<double> keep(n, std::numeric_limits<double>::infinity());
    struct Span {
        std::size_t a, b;
        double limit;
    };
    std::vector<Span> stack {{0, n - 1, std::numeric_limits<double>::infinity()}};
    while (!stack.empty()) {
        const Span span = stack.back();
        stack.pop_back();
        if (span.b - span.a < 2)
            continue;
        std::size_t farthest = span.a + 1;
        double distance = -1.0;
        for (std::size_t k = span.a + 1; k < span.b; ++k) {
            const double d = Distance(ring[k], ring[span.a], ring[span.b]);
            if (d > distance) {
                distance = d;
                farthest = k;
            }
        }
        keep[farthest] = std::min(distance, span.limit);
        stack.push_back({span.a, farthest, keep[farthest]});
        stack.push_back({farthest, span.b, keep[farthest]});
    }
    return keep;
}

// The tolerance below which plain Douglas-Peucker keeps more than `nodes`
// nodes of the ring. The topology-preserving simplification splits where
// Douglas-Peucker splits and more, so below it that one cannot fit either.
// The tolerance below which plain Douglas-Peucker keeps more than `nodes`
// nodes, from the nodes' keep tolerances.
double LeastTolerance(std::vector<double> keep, std::size_t nodes)
{
    if (nodes >= keep.size())
        return 0.0;
    std::nth_element(keep.begin(), keep.begin() + static_cast<std::ptrdiff_t>(nodes), keep.end(),
                     std::greater<double>());
    return keep[nodes];
}

// The nodes plain Douglas-Peucker keeps at a tolerance, in their order.
Ring KeptNodes(const Ring& ring, const std::vector<double>& keep, double tolerance)
{
    Ring kept;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (keep[i] > tolerance)
            kept.push_back(ring[i]);
    }
    return kept;
}

// Bisection on the tolerance, to 1e-7 of its value: the node count falls as
// the tolerance grows, and at the size of the whole region every ring is
// down to a handful of nodes. Large rings are searched on a copy (see
// kCopyAbove); the bisection starts at the tolerance below which no
// simplification of that copy fits. The topology-preserving simplification
// of a ring of a million nodes holds hundreds of megabytes, so a very large
// ring is first thinned by plain Douglas-Peucker to kThinNodes times the
// limit (a tolerance far below the final one), as long as the thinned rings
// still cross nowhere.
std::optional<Fitted> SmallestFittingTolerance(const std::vector<Ring>& rings, std::size_t maxNodes,
                                               const SimplifyProgress& progress, bool& cancelled)
{
    double minX = rings.front().front().x, maxX = minX;
    double minY = rings.front().front().y, maxY = minY;
    double copyTolerance = std::numeric_limits<double>::infinity();
    std::vector<Ring> thinned;
    for (std::size_t r = 0; r < rings.size(); ++r) {
        const Ring& ring = rings[r];
        for (const XY& p : ring) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        if (ring.size() <= kCopyAbove * maxNodes)
            continue;
        const std::vector<double> keep = KeepTolerances(ring);
        copyTolerance = std::min(copyTolerance, LeastTolerance(keep, kCopyNodes * maxNodes));
        if (ring.size() > kThinAbove * maxNodes) {
            if (thinned.empty())
                thinned = rings;
            thinned[r] = KeptNodes(ring, keep, LeastTolerance(keep, kThinNodes * maxNodes));
        }
    }
    const std::vector<Ring>& start = !thinned.empty() && ToPolygon(thinned)->IsValid() ? thinned : rings;
    std::vector<Ring> work = start;
    if (std::isfinite(copyTolerance) && copyTolerance > 0.0) {
        if (std::optional<std::vector<Ring>> copy = Simplify(start, copyTolerance))
            work = std::move(*copy);
    }
    if (progress && !progress(0.2)) {
        cancelled = true;
        return std::nullopt;
    }
    double lo = 0.0;
    for (const Ring& ring : work)
        lo = std::max(lo, LeastTolerance(KeepTolerances(ring), maxNodes));
    const double diagonal = std::hypot(maxX - minX, maxY - minY);
    // The smallest of lo * 2^k that fits, else the whole region's size.
    double hi = lo > 0.0 ? std::min(lo, diagonal) : diagonal;
    std::optional<std::vector<Ring>> best = Simplify(work, hi);
    while (!(best && Fits(*best, maxNodes)) && hi < diagonal) {
        lo = hi;
        hi = std::min(2.0 * hi, diagonal);
        best = Simplify(work, hi);
    }
    if (!best || !Fits(*best, maxNodes))
        return std::nullopt;
    // From a bracket within a factor of two, 1e-7 takes 24 halvings.
    for (int i = 0; i < 200 && hi - lo > 1e-7 * hi; ++i) {
        if (progress && !progress(0.2 + 0.8 * std::min(1.0, i / 24.0))) {
            cancelled = true;
            return std::nullopt;
        }
        const double mid = lo + (hi - lo) / 2.0;
        std::optional<std::vector<Ring>> trial = Simplify(work, mid);
        if (trial && Fits(*trial, maxNodes)) {
            hi = mid;
            best = std::move(trial);
        } else {
            lo = mid;
        }
    }
    return Fitted {hi, std::move(*best)};
}

}  // namespace

FittedRings FitRingsToNodeLimit(const std::vector<Ring>& rings, std::size_t maxNodes, const SimplifyProgress& progress)
{
    GdalErrorCapture quiet;  // validity checks report what they find as warnings
    FittedRings fitted;
    fitted.rings = rings;
    if (Fits(rings, maxNodes) || rings.empty()) {
        fitted.ok = true;
        return fitted;
    }
    // Each ring's share of the progress: its part of the nodes to simplify.
    std::size_t total = 0;
    for (const Ring& ring : rings)
        total += ring.size() > maxNodes ? ring.size() : 0;
    std::size_t done = 0;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        if (rings[i].size() <= maxNodes)
            continue;
        const double share = static_cast<double>(rings[i].size()) / static_cast<double>(total);
        const double before = static_cast<double>(done) / static_cast<double>(total);
        const SimplifyProgress part = [&](double f) { return !progress || progress(0.8 * (before + share * f)); };
        const std::optional<Fitted> alone = SmallestFittingTolerance({rings[i]}, maxNodes, part, fitted.cancelled);
        if (!alone)
            return fitted;
        done += rings[i].size();
        fitted.rings[i] = alone->rings.front();
        fitted.changes.push_back(
            {i, rings[i].size(), fitted.rings[i].size(), alone->tolerance, MaxDeviation(rings[i], fitted.rings[i])});
    }
    fitted.ok = true;
    // Each ring is simple on its own; together they must still not cross.
    if (rings.size() > 1 && ToPolygon(rings)->IsValid() && !ToPolygon(fitted.rings)->IsValid()) {
        const SimplifyProgress part = [&](double f) { return !progress || progress(0.8 + 0.2 * f); };
        const std::optional<Fitted> together = SmallestFittingTolerance(rings, maxNodes, part, fitted.cancelled);
        if (!together) {
            fitted.ok = false;
            return fitted;
        }
        fitted.rings = together->rings;
        fitted.jointly = true;
        fitted.changes.clear();
        for (std::size_t i = 0; i < rings.size(); ++i) {
            if (fitted.rings[i].size() != rings[i].size())
                fitted.changes.push_back({i, rings[i].size(), fitted.rings[i].size(), together->tolerance,
                                          MaxDeviation(rings[i], fitted.rings[i])});
        }
    }
    const auto shellBefore = ToPolygon({rings[0]});
    const auto shellAfter = ToPolygon({fitted.rings[0]});
    for (std::size_t i = 1; i < rings.size(); ++i) {
        if (shellBefore->Contains(ToPolygon({rings[i]}).get()) &&
            !shellAfter->Contains(ToPolygon({fitted.rings[i]}).get()))
            fitted.strayIslands.push_back(i);
    }
    return fitted;
}

}  // namespace orvane
