#pragma once
// A wave map as a GeoTIFF: one float32 band, nodata -9999 outside the water,
// DEFLATE-compressed, the grid's origin and cell as its geotransform, and
// the project's coordinate system when it has one (coordinates converted
// from the project's unit to the system's). A tile of a map carries its own
// band's origin and the map's cell, so GDAL's tools join tiles by position.

#include <string>

#include "core/MapGrid.h"
#include "core/Outcome.h"

namespace orvane {

inline constexpr double kMapNoData = -9999.0;

struct MapRasterInfo {
    std::string crs;       // "EPSG:N", WKT, or "" for none
    int coordUnits = 2;    // the project's CoordUnits code: the unit of the grid's origin and cell
    std::string quantity;  // written into the file's metadata ("hs", ...)
    std::string unit;      // of the values ("m", "s", ...)
};

// Written beside path and renamed over it only when whole (a failed write
// keeps the old file); a read-only target is refused.
Outcome WriteMapGeoTiff(const std::string& path, const MapGrid& grid, const MapRasterInfo& info);

}  // namespace orvane
