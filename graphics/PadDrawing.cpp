#include "graphics/PadDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orvane {

namespace {

PixelPoint ToPixelPoint(PadPixel p) { return {p.X, p.Y}; }

// Enough for the densest grid on the largest surface (1 km cells at 1 cm to
// 1000 km: about 37,000 columns); it stops a damaged grid size from looping.
constexpr int kMaxGridSteps = 1000000;

}  // namespace

void DrawPadGrid(Raster& raster, const PadMapping& mapping, Rgb colour, std::int32_t penWidth)
{
    raster.SetPenColour(colour);
    raster.SetPenWidth(penWidth);
    const float step = mapping.GridSize;
    const bool steps = std::isfinite(step) && step > 0;

    float x = 0;  // accumulated in float32, as the grid has always been laid
    std::int32_t lastColumn = 0;
    for (int n = 0; n < kMaxGridSteps; ++n) {
        const std::int32_t column = mapping.WorldToPixel(x, 0).X;
        if (n == 0 || column != lastColumn)
            raster.Line({column, 0}, {column, mapping.SurfaceBottom});
        lastColumn = column;
        const float next = x + step;
        if (!steps || next == x || mapping.WorldToPixel(next, 0).X > mapping.SurfaceWidth)
            break;
        x = next;
    }

    float y = 0;
    std::int32_t lastRow = 0;
    for (int n = 0; n < kMaxGridSteps; ++n) {
        const std::int32_t row = mapping.WorldToPixel(0, y).Y;
        if (n == 0 || row != lastRow)
            raster.Line({0, row}, {mapping.SurfaceWidth, row});
        lastRow = row;
        const float next = y + step;
        if (!steps || next == y || mapping.WorldToPixel(0, next).Y < 0)
            break;
        y = next;
    }
}

void DrawPadPoint(Raster& raster, const PadPointStyle& style, std::int32_t number, PadPixel p)
{
    raster.SetPenWidth(1);
    raster.SetPenColour(style.Colour);
    // White fill: in invert mode a white fill leaves the pixels as they were,
    // so a dragged marker shows only its outline.
    raster.SetFill(colours::kWhite);
    const std::int32_t h = style.Size / 2;
    if (style.Type == kPadDot) {
        raster.Ellipse(p.X - h, p.Y - h, p.X + h, p.Y + h);
    } else if (style.Type == kPadTriangle) {
        // Apex down the screen.
        const PixelPoint corners[] = {{p.X, p.Y + h}, {p.X + h, p.Y - h}, {p.X - h, p.Y - h}};
        raster.Polygon(corners);
    } else {
        const PixelPoint corners[] = {{p.X - h, p.Y - h}, {p.X + h, p.Y - h}, {p.X + h, p.Y + h}, {p.X - h, p.Y + h}};
        raster.Polygon(corners);
    }
    if (style.ShowNumbers && number > 0) {
        raster.SetNoFill();
        raster.SetFontFace(kPadLabelFace);
        raster.SetFontSize(style.LabelSize);
        raster.SetFontStyle(kFontRegular);
        raster.SetFontColour(style.LabelColour);
        raster.Text({p.X + style.Size, p.Y - style.Size}, std::to_string(number));
    }
}

void DrawPadPoints(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadPointStyle& style)
{
    raster.SetPenMode(PenMode::Copy);
    for (const PadPoint& p : graph.Points)
        if (p.Live && p.Visible)
            DrawPadPoint(raster, style, p.Number, mapping.WorldToPixel(p.X, p.Y));
}

void DrawPadLine(Raster& raster, const PadMapping& mapping, const PadLineStyle& style, bool withMark, float x1,
                 float y1, float x2, float y2)
{
    raster.SetPenWidth(style.Width);
    raster.SetPenColour(style.Colour);
    const PadPixel to = mapping.WorldToPixel(x2, y2);
    raster.Line(ToPixelPoint(mapping.WorldToPixel(x1, y1)), ToPixelPoint(to));

    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (!withMark || !style.MarkOn || !(std::fabs(dx) + std::fabs(dy) > 0.0001))
        return;
    const auto row = static_cast<std::size_t>(std::clamp(style.MarkSize, 0, static_cast<std::int32_t>(DirectionMarkFactors.size()) - 1));
    const double mark = DirectionMarkFactors[row] * mapping.GridSize;
    if (!(mark > 0))
        return;  // a zero-length grey stroke would only blot the line's end
    const double share = mark / std::sqrt(dx * dx + dy * dy);
    raster.SetPenColour(kPadMarkColour);
    raster.Line(ToPixelPoint(mapping.WorldToPixel(x2 - dx * share, y2 - dy * share)), ToPixelPoint(to));
}

void DrawPadLines(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadLineStyle& style)
{
    raster.SetPenMode(PenMode::Copy);
    const auto valid = [&](std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < graph.Points.size(); };
    for (const PadLine& l : graph.Lines) {
        if (!l.Live || !l.Visible || !valid(l.From) || !valid(l.To))
            continue;
        const PadPoint& a = graph.Points[static_cast<std::size_t>(l.From)];
        const PadPoint& b = graph.Points[static_cast<std::size_t>(l.To)];
        DrawPadLine(raster, mapping, style, true, a.X, a.Y, b.X, b.Y);
    }
}

}  // namespace orvane
