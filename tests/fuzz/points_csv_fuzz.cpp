// Any text as a points file: no crash; every point either has a finite
// position or says why not; lon/lat within range; the waves of its points on
// a small lake are finite, and the CSV written from them parses back to the
// same number of points.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ProjectRecord.h"
#include "core/SitePoints.h"

namespace {

const orvane::ProjectRecord& Lake()
{
    static const orvane::ProjectRecord rec = [] {
        orvane::ProjectRecord r {};
        orvane::SetProjectDefaults(r);
        r.CoordUnits = 2;
        r.BoundaryCount = 1;
        const float xs[] = {0, 1000, 1000, 0, 0}, ys[] = {0, 0, 800, 800, 0};
        r.NodeCount[1] = 5;
        for (int k = 1; k <= 5; ++k) {
            r.NodeNumber[1][k] = k;
            r.NodeX[1][k] = xs[k - 1];
            r.NodeY[1][k] = ys[k - 1];
        }
        r.NodeX[1][0] = 0;
        r.NodeY[1][0] = 0;
        return r;
    }();
    return rec;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const orvane::PointTable table = orvane::ParsePointsCsv(text);
    if (!table.error.empty())
        return 0;
    for (const orvane::SitePoint& p : table.points) {
        if (p.hasPosition == !p.error.empty())
            std::abort();
        if (p.hasPosition && !(std::isfinite(p.x) && std::isfinite(p.y)))
            std::abort();
        if (p.lonLat && (std::fabs(p.x) > 180.0 || std::fabs(p.y) > 90.0))
            std::abort();
        if (p.cells.size() != table.columns.size())
            std::abort();
    }
    if (table.points.size() > 64)
        return 0;  // the waves of a few points say as much
    const auto results = orvane::RunSitePoints(Lake(), {}, table, true);
    for (const orvane::SiteResult& r : results) {
        if (r.inWater && !(std::isfinite(r.hs) && std::isfinite(r.ts) && r.hs >= 0.0f))
            std::abort();
    }
    const orvane::PointTable again = orvane::ParsePointsCsv(orvane::SitePointsCsv(table, results));
    if (!again.error.empty() || again.points.size() != table.points.size())
        std::abort();
    return 0;
}
