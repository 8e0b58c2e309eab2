#include "ui/DrawPad01F.h"

#include <QLabel>

#include "core/Format.h"
#include "graphics/PadDrawing.h"
#include "graphics/QtRaster.h"

namespace orvane {

TDrawPad01::TDrawPad01(QWidget* parent) : TDrawPad00(parent)
{
    // The handlers are virtual, so the connections reach the most derived layer.
    connect(DrawSurface, &TPadSurface::MouseDown, this,
            [this](Qt::MouseButton button, int X, int Y) { DrawSurfaceMouseDown(button, X, Y); });
    connect(DrawSurface, &TPadSurface::MouseMove, this, [this](int X, int Y) { DrawSurfaceMouseMove(X, Y); });
    connect(DrawSurface, &TPadSurface::MouseUp, this,
            [this](Qt::MouseButton button, int X, int Y) { DrawSurfaceMouseUp(button, X, Y); });
}

void TDrawPad01::ResetDefaults()
{
    TDrawPad00::ResetDefaults();
    SetGridSize(2);
    GridPenWidth = 1;
    GridColour = colours::kGrey;
    SetSnap(0);
}

void TDrawPad01::Redraw()
{
    TDrawPad00::Redraw();
    DrawGrid();
}

void TDrawPad01::SetGridSize(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadGridSizes.size()))
        return;
    GridIndex = row;
    Mapping.GridSize = PadGridSizes[static_cast<std::size_t>(row)].Size;
}

void TDrawPad01::SetSnap(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadSnaps.size()))
        return;
    SnapIndex = row;
    Mapping.SnapFraction = PadSnaps[static_cast<std::size_t>(row)].Fraction;
}

void TDrawPad01::DrawSurfaceMouseDown(Qt::MouseButton, int, int) {}

void TDrawPad01::DrawSurfaceMouseMove(int X, int Y) { ShowCursorPosition(X, Y); }

void TDrawPad01::DrawSurfaceMouseUp(Qt::MouseButton, int, int) {}

void TDrawPad01::DrawGrid()
{
    Canvas().SetPenMode(PenMode::Copy);
    DrawPadGrid(Canvas(), Mapping, GridColour, GridPenWidth);
    DrawSurface->update();
}

void TDrawPad01::ShowCursorPosition(int X, int Y)
{
    const PadXY w = Mapping.PixelToWorld(X, Y);
    const bool known = UnitsIndex >= 0 && UnitsIndex < static_cast<std::int32_t>(PadUnits.size());
    const std::string_view label = known ? PadUnits[static_cast<std::size_t>(UnitsIndex)].Label : std::string_view();
    LabelCoord->setText(QString::fromStdString(Format("x=%.3f, y=%.3f [%s]", w.X, w.Y, label)));
    LabelCoord->adjustSize();
}

}  // namespace orvane
