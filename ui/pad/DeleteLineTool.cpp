#include "ui/DrawPad05F.h"
#include "ui/pad/PadTools.h"

namespace orvane {

void DeleteLineTool::Press(Qt::MouseButton, int X, int Y)
{
    const std::int32_t j = pad_.NearestLine(X, Y);
    if (j >= 0)
        pad_.Edit(QStringLiteral("Delete line"), [j](PadGraph& graph) { graph.DeleteLine(j); });
    pad_.Redraw();
}

}  // namespace orvane
