#include "graphics/QtRaster.h"
#include "ui/DrawPad05F.h"
#include "ui/pad/PadTools.h"

namespace orvane {

void MovePointTool::Press(Qt::MouseButton button, int X, int Y)
{
    pad_.Picked = pad_.PickPoint(X, Y);
    pad_.Dragging = pad_.Picked.Index >= 0;
    if (!pad_.Dragging)
        return;
    before_ = pad_.Graph.State();
    button_ = button;
    pad_.Graph.Points[static_cast<std::size_t>(pad_.Picked.Index)].Visible = false;
    pad_.TouchingLines = pad_.Graph.LinesOfPoint(pad_.Picked.Index);
    for (const std::int32_t j : pad_.TouchingLines)
        pad_.Graph.Lines[static_cast<std::size_t>(j)].Visible = false;
    pad_.Redraw();  // the scene without the point and its lines
    pad_.SavedPointColour = pad_.PointColour;
    pad_.PointColour = colours::kRed;
    figureShown_ = false;
    ToggleFigure();
}

void MovePointTool::Move(int X, int Y)
{
    if (!pad_.Dragging)
        return;
    ToggleFigure();  // erased at the old position
    const PadXY w = pad_.SurfaceWorld(X, Y);
    pad_.Picked.X = w.X;
    pad_.Picked.Y = w.Y;
    pad_.Graph.MovePoint(pad_.Picked.Index, w.X, w.Y);
    ToggleFigure();
}

void MovePointTool::Release(Qt::MouseButton button, int X, int Y)
{
    if (!pad_.Dragging || (button != button_ && button != Qt::NoButton))
        return;
    pad_.Dragging = false;
    figureShown_ = false;
    pad_.PointColour = pad_.SavedPointColour;
    const PadXY w = pad_.SurfaceWorld(X, Y);
    pad_.Graph.MovePoint(pad_.Picked.Index, w.X, w.Y);
    pad_.Graph.Points[static_cast<std::size_t>(pad_.Picked.Index)].Visible = true;
    for (const std::int32_t j : pad_.TouchingLines)
        pad_.Graph.Lines[static_cast<std::size_t>(j)].Visible = true;
    pad_.Redraw();
    pad_.Commit(QStringLiteral("Move point"), before_);
}

void MovePointTool::Cancel()
{
    if (!pad_.Dragging)
        return;
    pad_.Dragging = false;
    figureShown_ = false;
    pad_.PointColour = pad_.SavedPointColour;
    pad_.Graph.Restore(before_);
    pad_.Redraw();
}

void MovePointTool::ToggleFigure()
{
    if (figureShown_ && figureClears_ != pad_.SurfaceClears()) {
        figureShown_ = false;  // already wiped by a clear
        return;
    }
    const PadGraph& graph = pad_.Graph;
    const auto valid = [&graph](std::int32_t i) {
        return i >= 0 && i < static_cast<std::int32_t>(graph.Points.size());
    };
    pad_.Canvas().SetPenMode(PenMode::Invert);
    pad_.DrawPadPoint(0, pad_.Mapping.WorldToPixel(pad_.Picked.X, pad_.Picked.Y));
    for (const std::int32_t j : pad_.TouchingLines) {
        const PadLine& line = graph.Lines[static_cast<std::size_t>(j)];
        if (!line.Live || !valid(line.From) || !valid(line.To))
            continue;
        const PadPoint& a = graph.Points[static_cast<std::size_t>(line.From)];
        const PadPoint& b = graph.Points[static_cast<std::size_t>(line.To)];
        pad_.DrawPadLine(true, a.X, a.Y, b.X, b.Y);
    }
    pad_.Canvas().SetPenMode(PenMode::Copy);
    figureShown_ = !figureShown_;
    figureClears_ = pad_.SurfaceClears();
}

}  // namespace orvane
