// Any text as a shoreline file, read through GDAL's memory files (a text
// starting with "<" as KML, anything else as GeoJSON): the import never
// fails hard, and a shoreline it accepts fits the project: one outer
// boundary and at most four islands, each closed, of 4 to 1000 entries,
// finite, not clockwise; stored in a record it keeps every count within
// its limits.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include <cpl_vsi.h>

#include "core/ProjectRecord.h"
#include "gis/ShorelineImport.h"

namespace {

void Require(bool property)
{
    if (!property)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool kml = size > 0 && data[0] == '<';
    const std::string path = kml ? "/vsimem/shoreline-fuzz.kml" : "/vsimem/shoreline-fuzz.geojson";
    // GDAL reads the caller's bytes in place; it neither frees nor keeps them.
    VSILFILE* file = VSIFileFromMemBuffer(path.c_str(), const_cast<GByte*>(data), size, FALSE);
    if (!file)
        return 0;
    VSIFCloseL(file);

    auto rec = std::make_unique<orvane::ProjectRecord>();
    orvane::SetProjectDefaults(*rec);
    orvane::Shoreline shoreline = orvane::ReadShoreline(path, *rec, {});
    if (shoreline.message.empty()) {
        Require(!shoreline.rings.empty() && shoreline.rings.size() <= orvane::kMaxBoundaries);
        for (const orvane::Ring& ring : shoreline.rings) {
            Require(ring.size() >= 4 && ring.size() <= orvane::kMaxGridNode + 1);
            Require(ring.front().x == ring.back().x && ring.front().y == ring.back().y);
            for (const orvane::XY& p : ring)
                Require(std::isfinite(p.x) && std::isfinite(p.y));
            // Counter-clockwise; a ring of nodes on one line (no area) is
            // taken as it is.
            Require(orvane::SignedArea(ring) >= 0);
        }
        orvane::StoreShoreline(shoreline, *rec);
        Require(rec->BoundaryCount == static_cast<int>(shoreline.rings.size()));
        for (int b = 1; b <= orvane::kMaxBoundaries; ++b)
            Require(rec->NodeCount[b] >= 0 && rec->NodeCount[b] <= orvane::kMaxGridNode);
    }
    VSIUnlink(path.c_str());
    return 0;
}
