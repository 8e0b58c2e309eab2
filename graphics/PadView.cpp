#include "graphics/PadView.h"

#include <algorithm>
#include <cmath>

namespace orvane {

PadBox LivePointBox(const PadGraph& graph)
{
    PadBox box;
    for (const PadPoint& p : graph.Points) {
        if (!p.Live || !std::isfinite(p.X) || !std::isfinite(p.Y))
            continue;
        box = Union(box, PadBox {p.X, p.Y, p.X, p.Y, false});
    }
    return box;
}

PadBox WorldBoxOf(const PadMapping& mapping, const PadRect& area)
{
    if (area.Empty())
        return {};
    const double bottomRow = area.Top + area.Height - 1;
    const PadXY low {mapping.OriginX + area.Left / mapping.PixelsPerUnitX(),
                     mapping.OriginY + (mapping.SurfaceBottom - bottomRow) / mapping.PixelsPerUnitY()};
    const PadXY high {mapping.OriginX + (area.Left + area.Width - 1) / mapping.PixelsPerUnitX(),
                      mapping.OriginY + (mapping.SurfaceBottom - area.Top) / mapping.PixelsPerUnitY()};
    return {low.X, low.Y, high.X, high.Y, false};
}

PadBox Union(const PadBox& a, const PadBox& b)
{
    if (a.Empty)
        return b;
    if (b.Empty)
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Bottom, b.Bottom), std::max(a.Right, b.Right), std::max(a.Top, b.Top),
            false};
}

PadFit FitView(const PadMapping& mapping, const PadBox& box, const PadRect& area, int keepRow)
{
    PadFit fit;
    if (box.Empty || area.Empty())
        return fit;
    const double width = box.Right - box.Left;  // world units
    const double height = box.Top - box.Bottom;
    // Screen mm the box takes per world mm-per-screen-mm of ratio.
    const double mmX = width * mapping.UnitsFactor * mapping.PixelsPerMmX;
    const double mmY = height * mapping.UnitsFactor * mapping.PixelsPerMmY;
    const auto fits = [&](double ratio) { return mmX / ratio <= area.Width && mmY / ratio <= area.Height; };
    // The ratio at which the box fills the area the tighter way, less a pixel
    // of rounding on each side.
    const double needed = std::max(mmX / std::max(1, area.Width - 2), mmY / std::max(1, area.Height - 2));
    const double filling = std::clamp(needed, kPadMinScaleRatio, kPadMaxScaleRatio);

    double finest = PadScales[0].Ratio;
    for (int row = 0; row < static_cast<int>(PadScales.size()); ++row) {
        const double ratio = PadScales[static_cast<std::size_t>(row)].Ratio;
        finest = std::min(finest, ratio);
        if (fits(ratio) && (fit.Row < 0 || ratio < fit.Ratio)) {
            fit.Row = row;
            fit.Ratio = ratio;
        }
    }
    const bool small = fit.Ratio == finest && mmX / finest < area.Width / 2.0 && mmY / finest < area.Height / 2.0;
    if (fit.Row < 0 || (small && (width > 0 || height > 0))) {
        fit.Row = -1;
        fit.Ratio = filling;
    }
    if (keepRow >= 0 && keepRow < static_cast<int>(PadScales.size())) {
        const double kept = PadScales[static_cast<std::size_t>(keepRow)].Ratio;
        if (fits(kept) && !(fit.Row < 0 && kept == finest && small)) {
            fit.Row = keepRow;
            fit.Ratio = kept;
        }
    }

    PadMapping placed = mapping;
    placed.ScaleRatio = fit.Ratio;
    PlaceWorldAt(placed, (box.Left + box.Right) / 2, (box.Bottom + box.Top) / 2, area.Left + (area.Width - 1) / 2.0,
                 area.Top + (area.Height - 1) / 2.0);
    fit.OriginX = placed.OriginX;
    fit.OriginY = placed.OriginY;
    return fit;
}

void PlaceWorldAt(PadMapping& mapping, double x, double y, double X, double Y)
{
    mapping.OriginX = x - X / mapping.PixelsPerUnitX();
    mapping.OriginY = y - (mapping.SurfaceBottom - Y) / mapping.PixelsPerUnitY();
}

void PanBy(PadMapping& mapping, double dx, double dy)
{
    mapping.OriginX -= dx / mapping.PixelsPerUnitX();
    mapping.OriginY += dy / mapping.PixelsPerUnitY();
}

void ZoomAbout(PadMapping& mapping, double ratio, double X, double Y)
{
    if (!std::isfinite(ratio))
        return;
    const double x = mapping.OriginX + X / mapping.PixelsPerUnitX();
    const double y = mapping.OriginY + (mapping.SurfaceBottom - Y) / mapping.PixelsPerUnitY();
    mapping.ScaleRatio = std::clamp(ratio, kPadMinScaleRatio, kPadMaxScaleRatio);
    PlaceWorldAt(mapping, x, y, X, Y);
}

}  // namespace orvane
