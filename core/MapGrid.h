#pragma once
// A map of the waves over the water region: one value per cell of a regular
// grid over the outer boundary's bounding box, each computed at the cell's
// centre exactly as a computation run at that point would be (ComputeWaves'
// heights and period, bit for bit), nodata outside the water.
//
// The grid is plain data: origin, cell size and rows of float32, row 0 at
// the top (largest y), as raster files store them. Its edges lie on
// multiples of the cell size, so maps of one region at one cell size share
// their cell centres, and a band of rows (a tile) has the same origin and
// cell as the whole map: tiles computed apart join without seams.

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"

namespace orvane {

enum class MapQuantity {
    Hs,              // significant height, m for a project in m or Km, ft otherwise
    Ts,              // significant period, s
    Fetch,           // fetch along the wind direction, coordinate units
    EffectiveFetch,  // |cos|-weighted mean fetch of the sector, coordinate units
};

// "hs", "ts", "fetch", "effective-fetch".
std::string MapQuantityName(MapQuantity quantity);
std::optional<MapQuantity> MapQuantityFromName(const std::string& name);
// The unit of a quantity's values in rec: "m", "ft", "s", "km", ...
std::string MapQuantityUnit(MapQuantity quantity, const ProjectRecord& rec);

struct MapGrid {
    double originX = 0.0;  // left edge of column 0, coordinate units
    double originY = 0.0;  // top edge of row 0 (of this band), coordinate units
    double cell = 0.0;     // side of a square cell, coordinate units
    int columns = 0;
    int rows = 0;               // rows of this grid (a tile's band)
    int firstRow = 0;           // row 0 is row firstRow of the whole map
    int totalRows = 0;          // rows of the whole map
    double mapTopY = 0.0;       // top edge of the whole map; centres are reckoned from it, so a
                                // tile's cells are the whole map's to the last bit
    std::vector<float> values;  // rows x columns, row by row from the top; NaN = no value (dry, nodata)

    float At(int row, int column) const { return values[static_cast<std::size_t>(row) * columns + column]; }
    double CentreX(int column) const { return originX + (column + 0.5) * cell; }
    double CentreY(int row) const { return mapTopY - (firstRow + row + 0.5) * cell; }
};

struct MapOptions {
    double cell = 0.0;  // coordinate units; > 0
    MapQuantity quantity = MapQuantity::Hs;
    // The largest value over every wind direction (0, 10, ..., 350 degrees,
    // as the rose takes them) at the project's speed and sector; Ts, for
    // the direction of the largest Hs.
    bool allDirections = false;
    int tileIndex = 1;  // band tileIndex (1-based) of tileCount bands of rows
    int tileCount = 1;
    GrowthOptions growth;
};

// Wind directions of an exposure map, degrees counter-clockwise from +x.
inline constexpr int kMapAllDirectionsStepDeg = 10;
// The largest grid computed: beyond this the cell is too small for the region.
inline constexpr long long kMapMaxCells = 25'000'000;

// Shared with the thread that computes: how far it got, and a request to
// stop (the map then comes back cancelled).
struct MapProgress {
    std::atomic<int> rowsDone {0};
    std::atomic<bool> cancel {false};
};

struct MapGridResult {
    bool ok = false;
    bool cancelled = false;
    std::string error;  // why no map (no region, a cell too small, a bad tile)
    MapGrid grid;
};

// The grid of rec's outer boundary at options.cell, band tileIndex of
// tileCount, without values (values empty). Fails when there is no outer
// boundary, the cell is not a positive number, the grid would exceed
// kMapMaxCells, or the tile is not 1 <= I <= N <= rows.
MapGridResult MapGridLayout(const ProjectRecord& rec, const MapOptions& options);

// A round cell size (1, 2 or 5 times a power of ten, coordinate units)
// giving about `cells` cells along the longer side of the outer boundary's
// bounding box; 0 when there is no outer boundary with an area.
double MapRoundCell(const ProjectRecord& rec, int cells);

// The map: MapGridLayout, then every cell whose centre (as a float32 point,
// as the record stores it) is in the water computed with the project's
// wind, sector, depth, methods and growth options. The region's scanner is
// built once and shared by the processor's cores, which take rows in turn.
MapGridResult ComputeMap(const ProjectRecord& rec, const MapOptions& options, MapProgress* progress = nullptr);

// The smallest and largest value of a grid (NaN cells left out); both NaN
// when there is none.
struct MapRange {
    float low, high;
};
MapRange MapValueRange(const MapGrid& grid);

}  // namespace orvane
