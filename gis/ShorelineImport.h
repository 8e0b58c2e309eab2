#pragma once
// Shorelines from GIS files (any vector source GDAL/OGR reads: GeoJSON,
// Shapefile, GeoPackage, KML, ...) into the project's boundaries.
//
// Polygons, multipolygons and closed line strings are read from every layer
// (or one named layer). Coordinates: a projected system in metres or feet is
// kept; longitude/latitude is transformed to the WGS 84 UTM zone of the
// data's centroid, in metres. The outer boundary is the polygon that
// contains the point, else the largest; its holes and the polygons inside it
// are the islands, the four largest kept (in the source's order). Rings
// over 999 nodes are simplified to fit. What was done goes into notes, what
// was left out or changed into warnings: plain text (UTF-8) for the
// command-line tool and the window alike.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/ProjectRecord.h"
#include "gis/Ring.h"

namespace orvane {

struct ShorelineOptions {
    std::string layer;        // one layer by name; empty: every layer
    std::optional<XY> point;  // the computation point in the source's coordinates (lon, lat for degrees)
    // Called now and then with the part of the work done (0 to 1), from the
    // thread that reads; false cancels the import (nothing is stored).
    std::function<bool(double)> progress;
};

// Not ok: why nothing can be imported.
struct Shoreline : Outcome {
    bool cancelled = false;   // the progress callback asked to stop (the message says so)
    int coordUnits = 2;       // CoordUnits code of the rings: 0 ft, 1 Miles, 2 m, 3 Km
    int epsg = 0;             // EPSG code of the rings' coordinate system, 0 when it has none
    std::string crs;          // the rings' coordinate system as a project keeps it: "EPSG:N", WKT, or ""
    std::vector<Ring> rings;  // [0] outer boundary, then up to four islands; closed, each within 999 nodes
    std::optional<XY> point;  // ShorelineOptions::point in the rings' coordinates
    std::vector<std::string> notes;
    std::vector<std::string> warnings;
};

// Reads and fits the shoreline; rec is only read (its point chooses the outer
// boundary when no point is given, converted to the new units).
Shoreline ReadShoreline(const std::string& source, const ProjectRecord& rec, const ShorelineOptions& options);

// Puts a successful shoreline into the record: units, boundaries (node
// numbers 1 upward, the closing copy last and at position 0), the point when
// one was given, else the present point converted to the new units, and the
// depth converted when the units change between metric and feet. Adds the
// notes and warnings of storing it ("point is not in the water region").
void StoreShoreline(Shoreline& shoreline, ProjectRecord& rec);

struct ShorelineImportResult : Outcome {
    bool cancelled = false;
    int epsg = 0;
    std::string crs;  // as Shoreline::crs: what the project's companion file keeps
    std::vector<std::string> notes;
    std::vector<std::string> warnings;
};

// ReadShoreline then StoreShoreline; on an error rec is left exactly as it was.
ShorelineImportResult ImportShoreline(ProjectRecord& rec, const std::string& source, const ShorelineOptions& options);

// "X,Y": two numbers with "." as decimal separator, blanks allowed around
// each. false leaves point unchanged.
bool ParsePoint(const std::string& text, XY& point);

// The names of a source's layers, for a choice of layer; empty when the
// source cannot be read.
std::vector<std::string> LayerNames(const std::string& source);

}  // namespace orvane
