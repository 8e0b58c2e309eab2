#pragma once
// Points as GIS layers: any point layer OGR reads comes in as a PointTable
// (its attributes as text, its positions in the project's coordinates), and
// a table with its results goes out as GeoJSON (.geojson, .json) or
// GeoPackage (.gpkg), chosen by the extension.
//
// Positions: a layer in a coordinate system is transformed into the
// project's system (the project must have one); a layer without a system is
// taken as the project's coordinates. Written points are in the project's
// system when it has one (converted from the project's unit to the
// system's), else in the project's coordinates without a system.

#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/SitePoints.h"

namespace orvane {

struct PointLayerRead : Outcome {
    PointTable table;
    std::vector<std::string> notes;
};

// The first layer with points (or the one named by layer). crs: the
// project's ("EPSG:N", WKT or ""); coordUnits its CoordUnits code.
PointLayerRead ReadPointLayer(const std::string& source, const std::string& layer, const std::string& crs,
                              int coordUnits);

// "GeoJSON" or "GPKG" for a file name the points can be written to, "" else.
std::string PointLayerFormatOf(const std::string& path);

// One layer "points" with the table's attributes (text), the result columns
// (in_water as a boolean, numbers as reals, empty values as null) and the
// points. Written beside path and renamed over it only when whole.
Outcome WritePointLayer(const std::string& path, const PointTable& table, const std::vector<SiteResult>& results,
                        const std::string& crs, int coordUnits);

}  // namespace orvane
