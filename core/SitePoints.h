#pragma once
// Waves at many points of one project: each point computed as a computation
// run at that point would be (ComputeWaves' heights and period), with the
// project's wind and methods, or, when asked, per point from attribute
// columns "bearing" or "direction", "speed", "sector" and "depth" where a
// point gives them (the window's commit limits then apply, as for scenario
// cases).
// Points outside the water are kept, with no waves.
//
// The points come as a table: the attribute columns of a CSV file (read
// here) or of a GIS layer (read by the GIS module), and per point a position
// in the project's coordinates, or in longitude/latitude still to be moved
// into them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/BearingReference.h"
#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"

namespace orvane {

struct SitePoint {
    int row = 0;  // CSV: the line the row starts on (the header is 1); a GIS layer: the feature, from 1
    std::vector<std::string> cells;  // one per PointTable::columns, as written
    bool hasPosition = false;
    bool lonLat = false;  // x, y are still longitude and latitude, degrees
    double x = 0.0;       // coordinate units of the project (or longitude)
    double y = 0.0;       // (or latitude)
    std::string error;    // why the point cannot be computed
};

struct PointTable {
    std::vector<std::string> columns;  // attribute names as written
    std::vector<SitePoint> points;
    char separator = ',';  // of a CSV file, kept when the results are written as CSV
    std::string error;     // the table as a whole cannot be used; points are then empty
};

// A CSV points file: a header naming "x" and "y" (coordinate units) or "lon"
// and "lat" ("longitude", "latitude"; degrees), in any order and letter
// case, with any other columns. A row whose position is empty or no number
// is kept with its error.
PointTable ParsePointsCsv(std::string_view text);

struct SiteResult {
    bool computed = false;  // false for a point with an error: no values
    bool inWater = false;
    float centralFetch = 0.0f;    // along the wind, coordinate units
    float effectiveFetch = 0.0f;  // coordinate units
    float hs = 0.0f;              // m for a project in m or Km, ft otherwise
    float ts = 0.0f;              // s
    std::string limited;          // GrowthLimitName of what limited the waves
    std::string note;             // values the limits changed, or the point's error
};

// The bearing reference at a point (coordinate units): true bearings where
// the project knows its coordinate system.
using BearingsAt = std::function<BearingReference(double x, double y)>;

// Every point of the table with the project's settings and the growth
// options; with useFields the per-point attributes as above ("bearing" read
// in the north bearingsAt gives at the point, grid north without it).
// Points are shared among the processor's cores; the region's scanner is
// built once.
std::vector<SiteResult> RunSitePoints(const ProjectRecord& rec, const GrowthOptions& growth, const PointTable& table,
                                      bool useFields, const BearingsAt& bearingsAt = {});

// The columns the results add, in order, after the table's own.
inline constexpr const char* kSiteResultColumns[] = {"in_water", "central_fetch", "effective_fetch", "hs", "ts",
                                                     "limited",  "note"};

// One row of results as text, in the order of kSiteResultColumns: "true" or
// "false", numbers with nine significant digits (each reads back as the
// float32 computed), empty cells for a point without waves.
std::vector<std::string> SiteResultCells(const SiteResult& result);

// The table with its results as CSV (the input's separator, "\n" line
// ends): the input's columns, x and y of the project (when the input gave
// longitude/latitude, so the point can be found in the project), then the
// result columns.
std::string SitePointsCsv(const PointTable& table, const std::vector<SiteResult>& results);

}  // namespace orvane
