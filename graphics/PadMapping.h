#pragma once
// World to pixel mapping of the drawing pad at true map scale, with the
// optional snapping of positions to a fraction of the grid, and the tables
// behind the pad's unit, scale, grid and snap lists.
//
// (OriginX, OriginY) is the world point at the bottom-left pixel of the
// surface, y grows upward:
//   pixel x = round(PixelsPerUnitX * (x - OriginX))
//   pixel y = SurfaceBottom - round(PixelsPerUnitY * (y - OriginY))
// Rounding is to the nearest integer with halves to even, so a position and
// its pixel convert the same way everywhere. The origin starts at world
// (0, 0); panning moves it, so any coordinates (UTM metres, negative ones)
// can be brought into view.

#include <array>
#include <cstdint>
#include <string_view>

#include "graphics/PadGraph.h"

namespace orvane {

struct PadPixel {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const PadPixel&, const PadPixel&) = default;
};

struct PadUnitRow {
    std::string_view Name;  // as listed
    double MmPerUnit;
    std::string_view Label;  // in the cursor readout
};

struct PadScaleRow {
    std::string_view Caption;
    double Ratio;  // world millimetres per screen millimetre
};

struct PadGridRow {
    std::string_view Caption;
    float Size;  // world units
};

struct PadSnapRow {
    std::string_view Caption;
    float Fraction;  // of the grid size; 0 is no snapping
};

// The "miles" row is 1858 m, nearer a nautical than a statute mile (1609.344
// m). It is kept as the pad has always had it; the region window itself
// always works in kilometres.
inline constexpr std::array<PadUnitRow, 4> PadUnits {{
    {"meters", 1000.0, "m"},
    {"Km", 1000000.0, "Km"},
    {"ft", 304.8, "ft"},
    {"miles", 1858000.0, "miles"},
}};

// Each ratio is what its caption says: 1 cm on the screen for N km is
// N * 1e6 mm / 10 mm. Rows are stored by index with the project, so rows are
// never reordered.
inline constexpr std::array<PadScaleRow, 8> PadScales {{
    {"1cm=1Km", 100000.0},
    {"1cm=5Km", 500000.0},
    {"1cm:10Km", 1000000.0},
    {"1cm:25Km", 2500000.0},
    {"1cm:50Km", 5000000.0},
    {"1cm=100kM", 10000000.0},
    {"1cm=500kM", 50000000.0},
    {"1cm=1000kM", 100000000.0},
}};

inline constexpr std::array<PadGridRow, 5> PadGridSizes {{
    {"1km", 1.0f},
    {"5km", 5.0f},
    {"10km", 10.0f},
    {"25km", 25.0f},
    {"50km", 50.0f},
}};

// Each fraction is what its caption says.
inline constexpr std::array<PadSnapRow, 7> PadSnaps {{
    {"NO snap", 0.0f},
    {"1/100", 0.01f},
    {"1/50", 0.02f},
    {"1/25", 0.04f},
    {"1/10", 0.1f},
    {"1/5", 0.2f},
    {"1/1", 1.0f},
}};

// Length of a line's direction mark as a fraction of the grid size, by row.
inline constexpr std::array<double, 4> DirectionMarkFactors {0.0, 0.1, 0.2, 0.4};

// Pixel density standing in where the display reports no physical size.
inline constexpr double kFallbackDotsPerInch = 96.0;
inline constexpr double kMmPerInch = 25.4;

// Pixel coordinates handed to a raster stay within +-kPadPixelLimit, so sums
// of two fit an int and far-off points are clipped rather than overflowing.
inline constexpr std::int32_t kPadPixelLimit = 1 << 22;

// value rounded to the nearest float32, as a double.
double Float32(double value);

struct PadMapping {
    double UnitsFactor = PadUnits[1].MmPerUnit;  // millimetres per world unit
    double ScaleRatio = PadScales[2].Ratio;      // world millimetres per screen millimetre
    float PixelsPerMmX = static_cast<float>(kFallbackDotsPerInch / kMmPerInch);
    float PixelsPerMmY = static_cast<float>(kFallbackDotsPerInch / kMmPerInch);
    std::int32_t SurfaceWidth = 1396;       // pixels
    std::int32_t SurfaceBottom = 995;       // pixel row of world y = 0
    float GridSize = PadGridSizes[2].Size;  // world units
    float SnapFraction = 0;                 // of GridSize
    double OriginX = 0;                     // world units at pixel column 0
    double OriginY = 0;                     // world units at pixel row SurfaceBottom

    double PixelsPerUnitX() const { return UnitsFactor * PixelsPerMmX / ScaleRatio; }
    double PixelsPerUnitY() const { return UnitsFactor * PixelsPerMmY / ScaleRatio; }

    PadPixel WorldToPixel(double x, double y) const;
    // The world position of a pixel, on the snap lattice when snapping is on;
    // float32 values, as the record stores them.
    PadXY PixelToWorld(std::int32_t X, std::int32_t Y) const;

    // World units between neighbouring snap positions; 0.00001 or less is no snapping.
    float SnapDistance() const { return SnapFraction * GridSize; }
    bool Snapping() const { return SnapDistance() > 0.00001f; }
    // The nearest multiple of the snap distance, halves to even, sign kept,
    // as a float32 value. The lattice is anchored at world 0, wherever the
    // view is.
    double SnapValue(double v) const;
};

}  // namespace orvane
