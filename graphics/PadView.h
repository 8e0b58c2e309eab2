#pragma once
// Moving the drawing pad's view: the world box of a drawing, fitting a box
// into a part of the surface (choosing the largest map scale row at which it
// fits), panning by pixels and zooming about a pixel. All of it changes only
// the mapping's origin and scale ratio; the stored scale, grid and snap rows
// are the caller's business.

#include "graphics/PadGraph.h"
#include "graphics/PadMapping.h"

namespace orvane {

// A world rectangle; Empty when it holds nothing.
struct PadBox {
    double Left = 0;
    double Bottom = 0;
    double Right = 0;
    double Top = 0;
    bool Empty = true;
    friend bool operator==(const PadBox&, const PadBox&) = default;
};

// Pixels of the surface: columns Left to Left + Width - 1, rows Top to Top + Height - 1.
struct PadRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// Free zoom stays between 1 cm = 1 m and 1 cm = 10,000 km (world mm per screen mm).
inline constexpr double kPadMinScaleRatio = 100;
inline constexpr double kPadMaxScaleRatio = 1e9;

// The live points' box, Empty without any.
PadBox LivePointBox(const PadGraph& graph);
// The world box the pixels of area show.
PadBox WorldBoxOf(const PadMapping& mapping, const PadRect& area);
// The smallest box holding both.
PadBox Union(const PadBox& a, const PadBox& b);

struct PadFit {
    int Row = -1;      // row of PadScales, -1 for a free ratio
    double Ratio = 0;  // world mm per screen mm
    double OriginX = 0;
    double OriginY = 0;
};

// The view that shows box whole inside area with the box's centre at the
// area's centre, at the largest map scale row at which it fits. When no row
// fits, or the finest row would leave the box under half the area both ways
// (a harbour of a few hundred metres), the ratio is free: the box then fills
// the area. A box of one point is shown at the finest row.
// keepRow, a row chosen before (-1 for none), is kept when the box fits at
// it, unless it is the finest row and the box small there.
PadFit FitView(const PadMapping& mapping, const PadBox& box, const PadRect& area, int keepRow = -1);

// Moves the origin so that world (x, y) lies at pixel (X, Y).
void PlaceWorldAt(PadMapping& mapping, double x, double y, double X, double Y);
// Moves the picture by (dx, dy) pixels: right and down for positive values.
void PanBy(PadMapping& mapping, double dx, double dy);
// Sets the ratio (pinned to the free zoom limits) keeping the world point
// under pixel (X, Y) where it is.
void ZoomAbout(PadMapping& mapping, double ratio, double X, double Y);

}  // namespace orvane
