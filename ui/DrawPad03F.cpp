#include "ui/DrawPad03F.h"

#include "graphics/QtRaster.h"

namespace orvane {

TDrawPad03::TDrawPad03(QWidget* parent) : TDrawPad02(parent) { }

void TDrawPad03::ResetDefaults()
{
    TDrawPad02::ResetDefaults();
    LineColour = colours::kBlack;
    LineWidth = 2;
    MarkOn = true;
    MarkSize = 2;
}

void TDrawPad03::Redraw()
{
    TDrawPad02::Redraw();
    DrawAllLines();
}

PadLineStyle TDrawPad03::LineStyle() const { return {LineColour, LineWidth, MarkOn, MarkSize}; }

void TDrawPad03::DrawPadLine(bool withMark, double x1, double y1, double x2, double y2)
{
    orvane::DrawPadLine(Canvas(), Mapping, LineStyle(), withMark, x1, y1, x2, y2);
    DrawSurface->update();
}

void TDrawPad03::DrawAllLines()
{
    DrawPadLines(Canvas(), Graph, Mapping, LineStyle());
    DrawSurface->update();
}

std::int32_t TDrawPad03::NearestLine(int X, int Y) const
{
    const PadXY w = Mapping.PixelToWorld(X, Y);
    return Graph.NearestLine(w.X, w.Y, Mapping.GridSize);
}

bool TDrawPad03::ConnectPoints(std::int32_t a, std::int32_t b)
{
    Canvas().SetPenMode(PenMode::Copy);
    if (Graph.AddLine(0, a, b) <= 0)
        return false;
    const PadPoint& from = Graph.Points[static_cast<std::size_t>(a)];
    const PadPoint& to = Graph.Points[static_cast<std::size_t>(b)];
    DrawPadLine(true, from.X, from.Y, to.X, to.Y);
    return true;
}

}  // namespace orvane
