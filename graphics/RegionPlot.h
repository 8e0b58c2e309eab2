#pragma once
// The region picture: outer boundary, islands, scale grid, computation point
// and wind sector, drawn from the project record alone onto any Raster.
//
// World units are the project's coordinate unit; the world y axis points up,
// the raster's down. Every pixel coordinate is an integer obtained by
// rounding halves to even (std::nearbyint in the default rounding mode) from
// double-precision arithmetic on the stored float32 values:
//   px = OffsetX + round((x - MinX) * ScaleX)
//   py = OffsetY + round((MaxY - y) * ScaleY)
//
// Damaged input never crashes or hangs the drawing: non-finite values and
// results beyond +-kPixelLimit are pinned to the limit (NaN to 0), and a grid
// with more than kMaxGridLines lines per direction is cut there.

#include <cstdint>
#include <span>
#include <string>

#include "core/ProjectRecord.h"
#include "graphics/Raster.h"

namespace orvane {

// Largest pixel coordinate magnitude handed to a raster. Far beyond any
// surface, but small enough that sums of two stay inside int and the
// toolkit's rasteriser clips instead of overflowing.
inline constexpr int kPixelLimit = 1 << 22;

// Grid lines per direction at most. Only an x range below 10 units with a y
// range in the hundreds of thousands reaches it; the lines then lie closer
// than a pixel apart anyway.
inline constexpr int kMaxGridLines = 100000;

struct PlotScale {
    float MinX = 0;  // world units, over entries 0..N of the outer boundary
    float MaxX = 0;
    float MinY = 0;
    float MaxY = 0;
    float SpanX = 0;   // max(MaxX - MinX, MaxY - MinY)
    float SpanY = 0;   // same value as SpanX
    float ScaleX = 1;  // pixels per world unit
    float ScaleY = 1;
    std::int32_t OffsetX = 0;  // pixels from the left edge to MinX
    std::int32_t OffsetY = 0;  // pixels from the top edge to MaxY
};

// Entries 0..N of one boundary: entry 0 repeats node N (the closing copy),
// entries 1..N are the nodes in order. All three spans have N + 1 elements.
struct BoundaryEntries {
    std::span<const std::int32_t> number;
    std::span<const float> x;
    std::span<const float> y;
    int N() const { return static_cast<int>(x.size()) - 1; }
};

// Boundary b (1..5) of the record with its clamped node count; an empty view
// (N = -1) for a boundary number outside 1..5.
BoundaryEntries BoundaryOf(const ProjectRecord& rec, int boundary);

// Rounds halves to even and pins the result to +-kPixelLimit (NaN to 0).
int RoundPixel(double value);

PixelPoint WorldToPixel(const PlotScale& scale, double x, double y);

// Extents and scale of the outer boundary for this surface; clears the surface.
// A region whose extent is 0.0001 units or less is drawn at 1 pixel per unit.
PlotScale ComputePlotScale(Raster& raster, const BoundaryEntries& outer);

// One boundary as a polygon filled in fillColour with a black outline, and
// optionally the node numbers (gap nodes, numbered 0, get none).
void DrawBoundary(Raster& raster, const BoundaryEntries& boundary, const PlotScale& scale, bool showNumbers,
                  Rgb fillColour);

// Circle of radius sizePixels / 2 (at least 1) and a cross twice that long.
void DrawPointMarker(Raster& raster, double x, double y, const PlotScale& scale, int sizePixels, Rgb penColour,
                     int penWidth);

// Computation point, wind direction line (red) and sector edges (blue), each
// one bounding-box diagonal long. Angles in degrees, counter-clockwise from +x.
void DrawPointAndSector(Raster& raster, const PlotScale& scale, float pointX, float pointY, float windDirection,
                        float sectorAngle);

// Grid step in world units for the outer boundary's ranges: dx decides alone
// whether it is 1; from ranges of 100000 units on, steps of 1, 2 or 5 times a
// power of ten leave 9 to 20 lines. 0 (no grid) only for NaN or infinite ranges.
double GridStep(double dx, double dy);

// Scale grid: vertical lines from the raster's left edge, horizontal lines at
// the world rows of whole multiples of the step from MinY up, and the label
// "grid <step> <unit>" (unit as Windows-1252 text) at the lower right.
void DrawScaleGrid(Raster& raster, const PlotScale& scale, Rgb gridColour, const std::string& unitName);

// Stores the extents of a drawing (PlotMaxX .. PlotSpanY): the caller that
// commits a drawing - the main window, the report's construction - does this
// with the scale the drawing returned, so the x and y spin steps follow the
// last picture. Drawing itself never writes the record.
void StorePlotExtents(ProjectRecord& rec, const PlotScale& scale);

// The main window's region plot: boundaries, grid (silver), point and sector.
PlotScale DrawRegionPlot(const ProjectRecord& rec, Raster& raster, bool showNodeNumbers);

// The same picture in two layers, for a window that keeps the first:
// DrawRegionPlotBase draws the boundaries and the grid, reading only
// BoundaryCount, CoordUnits and the node arrays; DrawPointAndSector with the
// scale it returned then draws the rest, on this raster or on a copy of its
// pixels, and needs no state from the base (pen, fill and width are its own).
PlotScale DrawRegionPlotBase(const ProjectRecord& rec, Raster& raster, bool showNodeNumbers);

// The results report's picture: boundaries without numbers, point and sector,
// then the grid (grey).
PlotScale DrawRegionPicture(const ProjectRecord& rec, Raster& raster);

}  // namespace orvane
