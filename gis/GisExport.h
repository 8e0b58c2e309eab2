#pragma once
// The project's region, computation point and fetch rays as a GIS file:
// GeoJSON (.geojson, .json), GeoPackage (.gpkg), KML (.kml) or Shapefile
// (.shp), chosen by the extension.
//
// Features: the region as one polygon (outer boundary with the islands as
// holes, each boundary as the fetch scan sees it: positions 1..NodeCount-1,
// closed), the point, and optionally one line string per sector direction
// from the point to where its ray meets a boundary. Every feature has "kind"
// ("region", "point", "ray") and "units" (the unit of its lengths); rays
// carry "direction_deg" (counter-clockwise from +x, as the project) and
// "fetch" (their length). GeoJSON holds them all in one layer, GeoPackage
// and KML in the layers "region", "point" and "rays", a Shapefile in three
// files: OUT.shp, OUT_point.shp and OUT_rays.shp.
//
// Given the project's coordinate system (an EPSG code or the companion
// file's text, of a projected system), the file carries it and the coordinates are
// converted from the project's unit to that system's; KML, always in
// longitude/latitude, needs one. Without one, coordinates are written in the
// project's unit and "units" names it, so an import gives them back unchanged.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/ProjectRecord.h"

namespace orvane {

struct GisExportOptions {
    bool rays = false;
    int epsg = 0;  // coordinate system of the project's coordinates; 0 for none
    // Runs before rename k (from 0) of a Shapefile set's files; false makes
    // that rename fail. For tests of the recovery; empty otherwise.
    std::function<bool(std::size_t)> beforeEachMove;
    // The same as the companion file keeps it ("EPSG:N" or WKT), used when
    // epsg is 0: the project's own system; "" for none.
    std::string crs;
};

// Not ok: nothing was written, and the message says why.
struct GisExportResult : Outcome {
    bool badArguments = false;       // the failure lies in the file name or the options
    std::vector<std::string> files;  // the files written
    std::vector<std::string> notes;
};

// "EPSG:32633" (any case, blanks around it allowed) gives 32633; anything
// else 0.
int ParseEpsg(const std::string& text);

// The GDAL driver for a file name's extension (any case): "GeoJSON", "GPKG",
// "KML", "ESRI Shapefile"; "" for any other.
std::string GisFormatOf(const std::string& path);

// GDAL writes the files in memory; each is then written to disk with every
// write, the flush and the close checked, beside its target, and renamed
// over it, so an export that fails (a full disk, a read-only target) leaves
// the old files as they were. Links are followed and their targets replaced
// in their own folders; a read-only target is refused. A Shapefile set is
// written whole into one temporary folder first and its files renamed one by
// one; when a rename fails the old set is put back (the renames are not one
// atomic step: a program killed between two leaves the set mixed, the old
// files in the hidden temporary folder beside it).
GisExportResult ExportGis(const ProjectRecord& rec, const std::string& path, const GisExportOptions& options);

}  // namespace orvane
