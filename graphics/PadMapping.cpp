#include "graphics/PadMapping.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Halves to even (std::nearbyint in the default rounding mode), pinned to the
// pixel limit; NaN gives 0.
std::int32_t RoundToPixel(double value)
{
    if (std::isnan(value))
        return 0;
    const double limit = kPadPixelLimit;
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(value), -limit, limit));
}

}  // namespace

// Out of line on purpose: GCC 12 at -O2 vectorizes two neighbouring
// (double)(float)x conversions and drops the rounding, which a call keeps.
double Float32(double value) { return static_cast<float>(value); }

PadPixel PadMapping::WorldToPixel(double x, double y) const
{
    return {RoundToPixel(PixelsPerUnitX() * (x - OriginX)),
            SurfaceBottom - RoundToPixel(PixelsPerUnitY() * (y - OriginY))};
}

PadXY PadMapping::PixelToWorld(std::int32_t X, std::int32_t Y) const
{
    // A pixel is far coarser than float32 at any view the pad shows, and the
    // record holds float32: a position taken from the mouse is one.
    PadXY w {Float32(OriginX + X / PixelsPerUnitX()),
             Float32(OriginY + (static_cast<double>(SurfaceBottom) - Y) / PixelsPerUnitY())};
    if (Snapping()) {
        w.X = SnapValue(w.X);
        w.Y = SnapValue(w.Y);
    }
    return w;
}

double PadMapping::SnapValue(double v) const
{
    const double distance = SnapDistance();
    if (!(distance > 0))
        return v;
    // Adding 0 turns a -0 (from -0.4, say) into 0, which reads "0.000" rather than "-0.000".
    return Float32(distance * std::nearbyint(v / distance)) + 0.0;
}

}  // namespace orvane
