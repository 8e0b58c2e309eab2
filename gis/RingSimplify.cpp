#include "gis/RingSimplify.h"

#include <algorithm>
#include <cmath>
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

// Bisection on the tolerance, to 1e-7 of its value: the node count falls as
// the tolerance grows, and at the size of the whole region every ring is
// down to a handful of nodes.
std::optional<Fitted> SmallestFittingTolerance(const std::vector<Ring>& rings, std::size_t maxNodes)
{
    double minX = rings.front().front().x, maxX = minX;
    double minY = rings.front().front().y, maxY = minY;
    for (const Ring& ring : rings) {
        for (const XY& p : ring) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    double lo = 0.0;
    double hi = std::hypot(maxX - minX, maxY - minY);
    std::optional<std::vector<Ring>> best = Simplify(rings, hi);
    if (!best || !Fits(*best, maxNodes))
        return std::nullopt;
    for (int i = 0; i < 200 && hi - lo > 1e-7 * hi; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        std::optional<std::vector<Ring>> trial = Simplify(rings, mid);
        if (trial && Fits(*trial, maxNodes)) {
            hi = mid;
            best = std::move(trial);
        } else {
            lo = mid;
        }
    }
    return Fitted{hi, std::move(*best)};
}

}  // namespace

FittedRings FitRingsToNodeLimit(const std::vector<Ring>& rings, std::size_t maxNodes)
{
    GdalErrorCapture quiet;  // validity checks report what they find as warnings
    FittedRings fitted;
    fitted.rings = rings;
    if (Fits(rings, maxNodes) || rings.empty()) {
        fitted.ok = true;
        return fitted;
    }
    for (std::size_t i = 0; i < rings.size(); ++i) {
        if (rings[i].size() <= maxNodes)
            continue;
        const std::optional<Fitted> alone = SmallestFittingTolerance({rings[i]}, maxNodes);
        if (!alone)
            return fitted;
        fitted.rings[i] = alone->rings.front();
        fitted.changes.push_back(
            {i, rings[i].size(), fitted.rings[i].size(), alone->tolerance, MaxDeviation(rings[i], fitted.rings[i])});
    }
    fitted.ok = true;
    // Each ring is simple on its own; together they must still not cross.
    if (rings.size() > 1 && ToPolygon(rings)->IsValid() && !ToPolygon(fitted.rings)->IsValid()) {
        const std::optional<Fitted> together = SmallestFittingTolerance(rings, maxNodes);
        if (!together)
            return fitted;
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
