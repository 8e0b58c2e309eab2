#include "ui/DrawPad02F.h"

#include "graphics/QtRaster.h"

namespace orvane {

TDrawPad02::TDrawPad02(QWidget* parent) : TDrawPad01(parent) { }

void TDrawPad02::ResetDefaults()
{
    TDrawPad01::ResetDefaults();
    PointSize = 4;
    PointType = kPadSquare;
    PointColour = colours::kBlue;
    LabelSize = 8;
    LabelColour = colours::kBlue;
    ShowNumbers = true;
}

void TDrawPad02::Redraw()
{
    TDrawPad01::Redraw();
    DrawAllPoints();
}

PadPointStyle TDrawPad02::PointStyle() const
{
    return {PointSize, PointType, PointColour, LabelSize, LabelColour, ShowNumbers};
}

void TDrawPad02::DrawPadPoint(std::int32_t number, PadPixel p)
{
    orvane::DrawPadPoint(Canvas(), PointStyle(), number, p);
    DrawSurface->update();
}

void TDrawPad02::DrawAllPoints()
{
    DrawPadPoints(Canvas(), Graph, Mapping, PointStyle());
    DrawSurface->update();
}

PadPoint TDrawPad02::NearestPoint(double x, double y) const
{
    const std::int32_t i = Graph.NearestPoint(x, y, Mapping.GridSize);
    if (i < 0) {
        PadPoint none;
        none.Index = none.Number = -1;
        return none;
    }
    PadPoint found = Graph.Points[static_cast<std::size_t>(i)];
    found.Index = i;
    return found;
}

PadPoint TDrawPad02::PickPoint(int X, int Y)
{
    const PadXY w = Mapping.PixelToWorld(X, Y);
    const PadPoint found = NearestPoint(w.X, w.Y);
    if (found.Index >= 0) {
        const PadPixel onPoint = Mapping.WorldToPixel(found.X, found.Y);
        MoveCursorBy(onPoint.X - X, onPoint.Y - Y);
    }
    return found;
}

}  // namespace orvane
