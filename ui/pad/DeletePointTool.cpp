#include "ui/DrawPad05F.h"
#include "ui/pad/PadTools.h"

namespace orvane {

// The click starts no drag, so releasing the button changes nothing.
void DeletePointTool::Press(Qt::MouseButton, int X, int Y)
{
    pad_.Picked = pad_.PickPoint(X, Y);
    if (pad_.Picked.Index < 0)
        return;
    pad_.TouchingLines = pad_.Graph.LinesOfPoint(pad_.Picked.Index);
    pad_.Edit(QStringLiteral("Delete point"), [this](PadGraph& graph) { graph.DeletePoint(pad_.Picked.Index); });
    pad_.Redraw();
}

}  // namespace orvane
