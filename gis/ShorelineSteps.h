#pragma once
// The first phases of ReadShoreline (ShorelineImport.cpp): open the source,
// gather its polygons, settle their coordinate system and bring them to the
// unit the project will hold. Each phase adds what it did to the shoreline's
// notes and warnings; one that fails marks the shoreline failed (its message
// says why) and returns nothing or false, and the import stops there. GDAL
// types appear here, so only the GDAL half of gis/ includes this header.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "gis/GdalSupport.h"
#include "gis/ShorelineImport.h"

namespace orvane {

using PolygonList = std::vector<std::unique_ptr<OGRPolygon>>;

// An open source and the layers to read from it (every layer, or the one
// named by ShorelineOptions::layer); the layers belong to the dataset.
struct ShorelineSource {
    GDALDatasetUniquePtr dataset;
    std::vector<OGRLayer*> layers;
};

// The polygons read and what is known of their coordinates. Phases hand this
// on and change it in place: the polygons are transformed or scaled, and a
// missing system may be filled in.
struct SourcePolygons {
    PolygonList polygons;
    std::unique_ptr<OGRSpatialReference> srs;  // null: no coordinate system known
    int unitsAttribute = -1;  // CoordUnits code named by the "units" field of an exported region, -1 when none
};

// Reports progress (0 to 1) to the caller; true when the caller asked to
// stop, and the shoreline then says it was cancelled.
bool Cancelled(const ShorelineOptions& options, double done, Shoreline& sh);

// "1 polygon", "3 polygons".
std::string Plural(std::size_t n, const char* one, const char* many);

// The source checks (no network path, no device), the dataset, its layers
// and a finite point. Nothing when any of them fails.
std::optional<ShorelineSource> OpenSource(const std::string& source, const ShorelineOptions& options,
                                          const GdalErrorCapture& capture, Shoreline& sh);

// Every polygon of the layers, in the coordinate system of the first layer
// that has any (later layers are transformed to it), each coordinate one that
// the project can store. Reports progress from 0.02 to 0.3. Nothing when no
// polygon was found, a layer cannot be transformed, or the import was
// cancelled.
std::optional<SourcePolygons> ReadPolygons(const ShorelineSource& opened, const std::string& source,
                                           const ShorelineOptions& options, const GdalErrorCapture& capture,
                                           Shoreline& sh);

// A source without a coordinate system: its "units" attribute names the unit,
// else numbers within longitude/latitude range are taken as WGS 84 degrees,
// else as metres. Sets the shoreline's units for the cases that stay lengths.
void SettleCoordinateSystem(SourcePolygons& read, Shoreline& sh);

// Degrees become metres in the UTM zone of the data's centroid; a projected
// system in metres or feet is kept, one in another unit is scaled to metres.
// The point of the options goes along and is stored in the shoreline once
// every coordinate is one the project can store; false when any step fails.
bool ConvertToProjectUnit(SourcePolygons& read, const std::string& source, const ShorelineOptions& options,
                          const GdalErrorCapture& capture, Shoreline& sh);

}  // namespace orvane
