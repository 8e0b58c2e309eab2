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

PadPixel PadMapping::WorldToPixel(double x, double y) const
{
    return {RoundToPixel(PixelsPerUnitX() * x), SurfaceBottom - RoundToPixel(PixelsPerUnitY() * y)};
}

PadXY PadMapping::PixelToWorld(std::int32_t X, std::int32_t Y) const
{
    PadXY w{static_cast<float>(X / PixelsPerUnitX()),
            static_cast<float>((static_cast<double>(SurfaceBottom) - Y) / PixelsPerUnitY())};
    if (Snapping()) {
        w.X = SnapValue(w.X);
        w.Y = SnapValue(w.Y);
    }
    return w;
}

float PadMapping::SnapValue(float v) const
{
    const float distance = SnapDistance();
    if (!(distance > 0))
        return v;
    // Adding 0 turns a -0 (from -0.4, say) into 0, which reads "0.000" rather than "-0.000".
    return static_cast<float>(distance * std::nearbyint(static_cast<double>(v) / distance)) + 0.0f;
}

}  // namespace orvane
