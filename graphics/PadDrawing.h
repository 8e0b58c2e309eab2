#pragma once
// The drawing pad's pictures on any Raster: the world grid, the point markers
// with their numbers, and the directed lines with a grey mark over their last
// stretch that shows which way they go.
//
// The point and line functions draw in whatever pen mode the raster is in, so
// the same calls paint the scene (copy) and the rubber-band feedback
// (invert, where a second drawing restores the raster). DrawPadPoints and
// DrawPadLines paint the scene and set copy mode themselves.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "graphics/PadGraph.h"
#include "graphics/PadMapping.h"
#include "graphics/PadView.h"
#include "graphics/Raster.h"

namespace orvane {

enum PadPointType : std::int32_t { kPadSquare = 0, kPadTriangle = 1, kPadDot = 2 };

struct PadPointStyle {
    std::int32_t Size = 4;           // marker size, pixels
    std::int32_t Type = kPadSquare;  // other values draw a square
    Rgb Colour = colours::kBlue;     // marker outline
    std::int32_t LabelSize = 8;      // points
    Rgb LabelColour = colours::kBlue;
    bool ShowNumbers = true;
};

struct PadLineStyle {
    Rgb Colour = colours::kBlack;
    std::int32_t Width = 2;  // pixels
    bool MarkOn = true;
    std::int32_t MarkSize = 2;  // row of DirectionMarkFactors; outside rows are pinned to the table
};

inline constexpr Rgb kPadMarkColour = colours::kGrey;
inline constexpr double kPadMinMarkPixels = 8;
inline constexpr std::string_view kPadLabelFace = "arial";

// Grid labels: 7 point text in dark grey, kept this far from the edges and
// from each other (pixels).
inline constexpr Rgb kPadGridLabelColour {64, 64, 64};
inline constexpr std::int32_t kPadGridLabelSize = 7;
inline constexpr std::int32_t kPadGridLabelInset = 3;
inline constexpr std::int32_t kPadGridLabelHalfHeight = 6;
inline constexpr std::int32_t kPadGridLabelBand = 14;      // bottom strip holding the bottom edge's labels
inline constexpr std::int32_t kPadGridLabelLeftBand = 48;  // left strip holding the left edge's labels
inline constexpr double kPadGridLabelSpacingX = 72;
inline constexpr double kPadGridLabelSpacingY = 24;

// Grid lines at the multiples of GridSize (anchored at world 0, wherever the
// view is), vertical ones on the columns 0 to SurfaceWidth, horizontal ones
// on the rows SurfaceBottom up to 0. A column or row gets at most one line,
// so a grid denser than the pixels paints every pixel once instead of many
// lines each. A grid size that cannot advance draws the line through world 0
// of each family only.
void DrawPadGrid(Raster& raster, const PadMapping& mapping, Rgb colour, std::int32_t penWidth);
// The world position of the grid lines along the left edge (beside the rows)
// and the bottom edge (right of the columns), in display units
// (displayPerWorld per world unit: 1000 shows kilometres as metres). Lines
// closer than the label spacing are labelled every 2nd, 5th, 10th, ... one.
void DrawPadGridLabels(Raster& raster, const PadMapping& mapping, double displayPerWorld);

// Marker centred on pixel p, filled white; the number (when shown and above
// 0) with its top-left corner at (p.x + Size, p.y - Size).
void DrawPadPoint(Raster& raster, const PadPointStyle& style, std::int32_t number, PadPixel p);
// Every live, visible point on or near the surface, in copy mode. A number
// that would overlap one written before is left out, and a point on the
// pixel of the point drawn just before is not drawn again.
void DrawPadPoints(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadPointStyle& style);

// A line from world P1 to world P2; with withMark (and MarkOn) its last
// DirectionMarkFactors[MarkSize] * GridSize world units are drawn grey, but
// never less than kPadMinMarkPixels (legible at any scale) nor more than half
// the line (zoomed in, a grid-sized mark would grey whole lines or reach back
// past their start), except that a line shorter than 2 * kPadMinMarkPixels
// still gets a mark that long, which on a line under kPadMinMarkPixels starts
// before P1. A line whose ends coincide or fall on one pixel has none.
void DrawPadLine(Raster& raster, const PadMapping& mapping, const PadLineStyle& style, bool withMark, double x1,
                 double y1, double x2, double y2);
// Every live, visible line with its mark, in copy mode; not those wholly
// beyond one edge of the surface, nor a line within the one pixel where the
// line drawn before it ended (on a dense coast, most of them).
void DrawPadLines(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadLineStyle& style);

// --- the background: a picture or a GIS layer traced over ---------------------------

// What the user traces over, in world units. It is no part of the drawing:
// nothing of it is ever stored as a boundary.
struct PadBackground {
    std::shared_ptr<const RgbaImage> Picture;  // null: no picture
    // World position of picture position (column, row), counted from the
    // picture's top-left corner:
    //   x = [0] + column * [1] + row * [2],  y = [3] + column * [4] + row * [5].
    std::array<double, 6> PictureToWorld {0, 1, 0, 0, 0, 1};
    std::vector<std::vector<PadXY>> Lines;  // a reference layer
    double Opacity = 0.5;                   // 0 (invisible) to 1
    bool Empty() const { return !Picture && Lines.empty(); }
};

// Lines of a reference layer at full opacity; fainter ones are faded toward white.
inline constexpr Rgb kPadLayerColour {0, 90, 160};

// The world box the background covers; Empty when there is none.
PadBox PadBackgroundBox(const PadBackground& background);

// The picture through the mapping, then the layer's lines (1 pixel wide,
// faded by the opacity), in copy mode; what lies wholly off the surface is
// skipped. Drawn after the clear and before the grid and the drawing.
void DrawPadBackground(Raster& raster, const PadMapping& mapping, const PadBackground& background);

// Two control points, picture position (column, row) to world (x, y):
//   {column1, row1, x1, y1, column2, row2, x2, y2}.
// The picture-to-world map through both by a shift, a rotation and one
// scale (picture rows run down, world y up), as PadBackground holds it.
// Nothing when the picture positions or the world positions coincide, or a
// value is not a finite number.
std::optional<std::array<double, 6>> PictureToWorldFromControlPoints(const std::array<double, 8>& points);

}  // namespace orvane
