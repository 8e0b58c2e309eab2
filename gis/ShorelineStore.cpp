// A shoreline that was read, stored in the project record: its rings as the
// boundaries, the point and the depth in the rings' unit.

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "core/Format.h"
#include "core/Region.h"
#include "core/Units.h"
#include "gis/GdalSupport.h"
#include "gis/ShorelineImport.h"

namespace orvane {

void StoreShoreline(Shoreline& sh, ProjectRecord& rec)
{
    const int oldUnits = rec.CoordUnits;
    const double toNew = MetresPerCoordUnit(oldUnits) / MetresPerCoordUnit(sh.coordUnits);
    if (sh.point) {
        rec.PointX = static_cast<float>(sh.point->x);
        rec.PointY = static_cast<float>(sh.point->y);
    } else if (oldUnits != sh.coordUnits && std::isfinite(toNew)) {
        rec.PointX = static_cast<float>(rec.PointX * toNew);
        rec.PointY = static_cast<float>(rec.PointY * toNew);
        sh.notes.push_back("the point was converted from " + CoordUnitName(oldUnits) + " to " +
                           CoordUnitName(sh.coordUnits));
    }
    // Depth is in metres in a metric project and in feet otherwise.
    const bool wasMetric = IsMetric(rec);
    rec.CoordUnits = sh.coordUnits;
    if (std::isfinite(toNew) && wasMetric != IsMetric(rec)) {
        rec.Depth = static_cast<float>(wasMetric ? rec.Depth / 0.3048 : rec.Depth * 0.3048);
        sh.notes.push_back(Format("the depth was converted to %.3f %s", rec.Depth, DepthUnitName(rec.CoordUnits)));
    }
    ClearBoundaries(rec);
    rec.BoundaryCount = static_cast<std::int32_t>(sh.rings.size());
    for (std::size_t r = 0; r < sh.rings.size(); ++r) {
        const int b = static_cast<int>(r) + 1;
        const Ring& ring = sh.rings[r];
        const int n = static_cast<int>(ring.size());
        for (int k = 1; k <= n; ++k) {
            rec.NodeNumber[b][k] = k;
            rec.NodeX[b][k] = static_cast<float>(ring[static_cast<std::size_t>(k - 1)].x);
            rec.NodeY[b][k] = static_cast<float>(ring[static_cast<std::size_t>(k - 1)].y);
        }
        rec.NodeCount[b] = n;
        rec.NodeX[b][0] = rec.NodeX[b][n];
        rec.NodeY[b][0] = rec.NodeY[b][n];
    }
    if (!PointInWater(rec))
        sh.warnings.push_back("point is not in the water region");
}

ShorelineImportResult ImportShoreline(ProjectRecord& rec, const std::string& source, const ShorelineOptions& options)
{
    Shoreline sh = ReadShoreline(source, rec, options);
    ShorelineImportResult result;
    static_cast<Outcome&>(result) = sh;
    result.cancelled = sh.cancelled;
    if (sh.ok)
        StoreShoreline(sh, rec);
    result.epsg = sh.epsg;
    result.crs = sh.crs;
    result.notes = std::move(sh.notes);
    result.warnings = std::move(sh.warnings);
    return result;
}

}  // namespace orvane
