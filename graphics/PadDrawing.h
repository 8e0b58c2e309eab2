#pragma once
// The drawing pad's pictures on any Raster: the world grid, the point markers
// with their numbers, and the directed lines with a grey mark over their last
// stretch that shows which way they go.
//
// The point and line functions draw in whatever pen mode the raster is in, so
// the same calls paint the scene (copy) and the rubber-band feedback
// (invert, where a second drawing restores the raster). DrawPadPoints and
// DrawPadLines paint the scene and set copy mode themselves.

#include <cstdint>

#include "graphics/PadGraph.h"
#include "graphics/PadMapping.h"
#include "graphics/Raster.h"

namespace orvane {

enum PadPointType : std::int32_t { kPadSquare = 0, kPadTriangle = 1, kPadDot = 2 };

struct PadPointStyle {
    std::int32_t Size = 4;  // marker size, pixels
    std::int32_t Type = kPadSquare;  // other values draw a square
    Rgb Colour = colours::kBlue;  // marker outline
    std::int32_t LabelSize = 8;  // points
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
inline constexpr std::string_view kPadLabelFace = "arial";

// Grid lines every GridSize world units from the world origin, vertical ones
// up to SurfaceWidth, horizontal ones up to the top row; the first line of
// each family is always drawn. Lines that would fall on the pixel column (or
// row) of the one before are skipped: they would paint the same pixels.
void DrawPadGrid(Raster& raster, const PadMapping& mapping, Rgb colour, std::int32_t penWidth);

// Marker centred on pixel p, filled white; the number (when shown and above
// 0) with its top-left corner at (p.x + Size, p.y - Size).
void DrawPadPoint(Raster& raster, const PadPointStyle& style, std::int32_t number, PadPixel p);
// Every live, visible point, in copy mode.
void DrawPadPoints(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadPointStyle& style);

// A line from world P1 to world P2; with withMark (and MarkOn) its last
// DirectionMarkFactors[MarkSize] * GridSize world units are drawn grey. A mark
// longer than the line starts before P1; a line whose ends coincide has none.
void DrawPadLine(Raster& raster, const PadMapping& mapping, const PadLineStyle& style, bool withMark, float x1,
                 float y1, float x2, float y2);
// Every live, visible line with its mark, in copy mode.
void DrawPadLines(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadLineStyle& style);

}  // namespace orvane
