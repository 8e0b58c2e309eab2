#include "graphics/QtRaster.h"
#include "ui/DrawPad05F.h"
#include "ui/pad/PadTools.h"

namespace orvane {

void SetPointsTool::Press(Qt::MouseButton, int X, int Y)
{
    pad_.SnapCursor(X, Y);
    if (pad_.DrawSurface->Modifiers() & Qt::ShiftModifier) {
        pad_.TypeNewPoint(X, Y);
        return;
    }
    const PadXY w = pad_.Mapping.PixelToWorld(X, Y);
    std::int32_t number = 0;
    pad_.Edit(QStringLiteral("Set point"), [&](PadGraph& graph) { number = graph.AddPoint(0, w.X, w.Y); });
    // Shown at once, without a redraw, in copy mode like the rest of the
    // scene: a second point on the same spot must not erase the first one's
    // marker.
    pad_.Canvas().SetPenMode(PenMode::Copy);
    pad_.DrawPadPoint(number, pad_.Mapping.WorldToPixel(w.X, w.Y));
}

}  // namespace orvane
