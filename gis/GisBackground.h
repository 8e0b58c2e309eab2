#pragma once
// What the drawing pad traces over: a picture (a GeoTIFF, any raster GDAL
// reads, or a plain PNG/JPEG) and a GIS vector layer drawn as a faint
// reference. Both are plain data here; the pad places and draws them.
//
// Coordinates: with a target coordinate system (an EPSG code such as
// "EPSG:32633", or WKT) and a source that names its own, the source is
// reprojected to the target; otherwise the source's own coordinates are
// returned as they are. Network sources are refused, as every GIS read is.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "gis/Ring.h"

namespace orvane {

// A picture read at most maxPixels pixels large (GDAL's overviews or a
// reduced read: a large raster is never read whole).
struct BackgroundRaster : Outcome {
    int width = 0;  // pixels of rgba
    int height = 0;
    std::vector<std::uint8_t> rgba;  // width * height * 4 bytes: red, green, blue, alpha; rows from the top
    int sourceWidth = 0;             // pixels of the file
    int sourceHeight = 0;
    // Only when georeferenced: the world position of the returned pixels in
    // GDAL's convention, (column, row) counted from the top-left corner of
    // the top-left pixel:
    //   x = gt[0] + column * gt[1] + row * gt[2],  y = gt[3] + column * gt[4] + row * gt[5].
    bool georeferenced = false;
    std::array<double, 6> geoTransform {0, 1, 0, 0, 0, 1};
    double metresPerUnit = 0;        // of the coordinates; 0 when unknown (no system, or degrees)
    std::string crs;                 // the coordinates' system as a label, "" when none
    std::vector<std::string> notes;  // what was done, for the user
};

// Every line of a layer: line strings and the rings of polygons (closed: the
// last node repeats the first), from every layer of the source.
struct BackgroundLayer : Outcome {
    std::vector<std::vector<XY>> lines;
    double metresPerUnit = 0;
    std::string crs;
    std::vector<std::string> notes;
};

// More nodes than this in a layer is refused: the pad redraws every one.
inline constexpr std::size_t kMaxBackgroundLayerNodes = 2'000'000;

BackgroundRaster ReadBackgroundRaster(const std::string& path, const std::string& targetCrs, long long maxPixels);
BackgroundLayer ReadBackgroundLayer(const std::string& path, const std::string& targetCrs);

}  // namespace orvane
