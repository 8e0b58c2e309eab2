#include "graphics/RegionPlot.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/Format.h"
#include "core/Units.h"

namespace orvane {

BoundaryEntries BoundaryOf(const ProjectRecord& rec, int boundary)
{
    if (boundary < 1 || boundary > kMaxBoundaries)
        return {};
    // UsedNodeCount is at most 1000, so entries 0..N lie inside the 1001-element rows.
    const auto count = static_cast<std::size_t>(UsedNodeCount(rec, boundary)) + 1;
    return {std::span<const std::int32_t>(rec.NodeNumber[boundary], count),
            std::span<const float>(rec.NodeX[boundary], count), std::span<const float>(rec.NodeY[boundary], count)};
}

int RoundPixel(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // halves to even in the default rounding mode
    return static_cast<int>(std::clamp(rounded, -static_cast<double>(kPixelLimit), static_cast<double>(kPixelLimit)));
}

PixelPoint WorldToPixel(const PlotScale& scale, double x, double y)
{
    // The offsets are added after rounding; in double the sum of two integers
    // is exact, so rounding the sum once is the same as rounding the product.
    return {RoundPixel(scale.OffsetX + std::nearbyint((x - scale.MinX) * scale.ScaleX)),
            RoundPixel(scale.OffsetY + std::nearbyint((scale.MaxY - y) * scale.ScaleY))};
}

PlotScale ComputePlotScale(Raster& raster, const BoundaryEntries& outer)
{
    PlotScale s;
    if (outer.N() >= 0) {
        s.MinX = s.MaxX = outer.x[0];
        s.MinY = s.MaxY = outer.y[0];
        for (int i = 1; i <= outer.N(); ++i) {
            // Strict comparisons: a NaN entry never replaces an extent.
            if (outer.x[i] < s.MinX)
                s.MinX = outer.x[i];
            if (outer.x[i] > s.MaxX)
                s.MaxX = outer.x[i];
            if (outer.y[i] < s.MinY)
                s.MinY = outer.y[i];
            if (outer.y[i] > s.MaxY)
                s.MaxY = outer.y[i];
        }
    }
    const double dx = static_cast<double>(s.MaxX) - s.MinX;
    const double dy = static_cast<double>(s.MaxY) - s.MinY;
    const double e = std::max(dx, dy);
    s.SpanX = s.SpanY = static_cast<float>(e);

    raster.Clear();
    const double w = raster.Width();
    const double h = raster.Height();
    if (std::fabs(e) > 0.0001) {
        s.ScaleX = static_cast<float>(w / (1.1 * e));
        s.ScaleY = static_cast<float>(h / (1.1 * e));
    } else {
        s.ScaleX = s.ScaleY = 1.0f;
    }
    s.OffsetX = RoundPixel(0.02 * s.ScaleX * e);
    s.OffsetY = RoundPixel(0.08 * s.ScaleY * e);
    return s;
}

void DrawBoundary(Raster& raster, const BoundaryEntries& boundary, const PlotScale& scale, bool showNumbers,
                  Rgb fillColour)
{
    const int n = boundary.N();
    std::vector<PixelPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(n + 1, 0)));
    for (int i = 0; i <= n; ++i)
        pixels.push_back(WorldToPixel(scale, boundary.x[i], boundary.y[i]));

    raster.SetFill(fillColour);
    raster.SetPenColour(colours::kBlack);
    raster.SetPenWidth(2);
    // Entry N is no vertex: entry 0 already repeats it and closes the ring.
    if (n >= 1)
        raster.Polygon(std::span<const PixelPoint>(pixels.data(), static_cast<std::size_t>(n)));

    if (showNumbers && n >= 1) {
        // Node numbers are always in the grid label's face, also on a fresh
        // surface that has not drawn a label yet.
        raster.SetNoFill();
        raster.SetFontFace("Courier New");
        raster.SetFontSize(8);
        raster.SetFontColour(colours::kBlack);
        for (int i = 0; i <= n; ++i) {
            if (boundary.number[i] > 0)
                raster.Text(pixels[static_cast<std::size_t>(i)], Format("%d", boundary.number[i]));
        }
    }
    raster.SetNoFill();
    raster.SetFillColour(colours::kWhite);
    raster.SetPenColour(colours::kBlack);
}

void DrawPointMarker(Raster& raster, double x, double y, const PlotScale& scale, int sizePixels, Rgb penColour,
                     int penWidth)
{
    const PixelPoint p = WorldToPixel(scale, x, y);
    const int r = std::clamp(sizePixels / 2, 1, kPixelLimit);
    // p and r are within +-kPixelLimit, so p +- 2r cannot overflow before the pin.
    const auto at = [](int centre, int delta) { return RoundPixel(static_cast<double>(centre) + delta); };
    raster.SetPenColour(penColour);
    raster.SetPenWidth(penWidth);
    raster.SetNoFill();
    raster.Ellipse(at(p.x, -r), at(p.y, -r), at(p.x, r), at(p.y, r));
    raster.Line({at(p.x, -2 * r), p.y}, {at(p.x, 2 * r), p.y});
    raster.Line({p.x, at(p.y, -2 * r)}, {p.x, at(p.y, 2 * r)});
}

void DrawPointAndSector(Raster& raster, const PlotScale& scale, float pointX, float pointY, float windDirection,
                        float sectorAngle)
{
    DrawPointMarker(raster, pointX, pointY, scale, 10, colours::kBlack, 1);

    // The true ranges, not the spans: the lines are one bounding-box diagonal long.
    const double rangeX = static_cast<double>(scale.MaxX) - scale.MinX;
    const double rangeY = static_cast<double>(scale.MaxY) - scale.MinY;
    const double length = std::sqrt(rangeX * rangeX + rangeY * rangeY);
    const double toRadians = std::numbers::pi / 180.0;
    const double halfSector = static_cast<double>(sectorAngle) / 2.0;
    const double angles[3] = {windDirection * toRadians, (windDirection + halfSector) * toRadians,
                              (windDirection - halfSector) * toRadians};
    PixelPoint ends[3];
    for (int k = 0; k < 3; ++k) {
        // End points are held as float32 world coordinates before mapping.
        const float ex = static_cast<float>(pointX + length * std::cos(angles[k]));
        const float ey = static_cast<float>(pointY + length * std::sin(angles[k]));
        ends[k] = WorldToPixel(scale, ex, ey);
    }
    const PixelPoint p = WorldToPixel(scale, pointX, pointY);

    raster.SetPenColour(colours::kRed);
    raster.SetPenWidth(2);
    raster.Line(p, ends[0]);
    raster.SetPenColour(colours::kBlue);
    raster.SetPenWidth(1);
    raster.Line(p, ends[1]);
    raster.Line(p, ends[2]);

    raster.SetNoFill();
    raster.SetFillColour(colours::kWhite);
    raster.SetPenColour(colours::kBlack);
}

double GridStep(double dx, double dy)
{
    // The first row looks at the x range alone; a region narrower than 10
    // units gets a step of 1 however tall it is.
    if (dx < 10)
        return 1;
    const double e = std::max(dx, dy);
    if (e < 50)
        return 5;
    if (e < 500)  // both the "below 100" and the "below 500" row give 10
        return 10;
    if (e < 1000)
        return 100;
    if (e < 10000)
        return 1000;
    if (e < 100000)
        return 10000;
    // Larger regions (UTM coordinates in metres, say) go on in steps of 1, 2
    // and 5 times a power of ten: the smallest that leaves at most 18 steps
    // across. The grid draws one line per step plus two (DrawScaleGrid), so
    // 9 to 20 lines show and the label is never 0.
    if (!std::isfinite(e))
        return 0;  // damaged extents: no grid
    constexpr double kMostSteps = 18;
    for (double decade = 10000;; decade *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (e <= kMostSteps * factor * decade)
                return factor * decade;
        }
    }
}

void DrawScaleGrid(Raster& raster, const PlotScale& scale, Rgb gridColour, const std::string& unitName)
{
    const double dx = static_cast<double>(scale.MaxX) - scale.MinX;
    const double dy = static_cast<double>(scale.MaxY) - scale.MinY;
    const double step = GridStep(dx, dy);
    int nx = 0;
    int ny = 0;
    if (step > 0.1) {
        nx = std::min(RoundPixel(dx / step) + 1, kMaxGridLines);
        ny = std::min(RoundPixel(dy / step) + 1, kMaxGridLines);
    }

    raster.SetPenColour(gridColour);
    raster.SetPenWidth(1);
    // Vertical lines start at the raster's left edge, not at MinX, and reach
    // down to the row of world y = 0.
    const int bottom = RoundPixel(scale.OffsetY + std::nearbyint(static_cast<double>(scale.ScaleY) * scale.MaxY));
    for (int i = 0; i <= nx; ++i) {
        const int x = RoundPixel(i * static_cast<double>(scale.ScaleX) * step);
        raster.Line({x, 0}, {x, bottom});
    }
    // Horizontal lines lie at the world rows y = k * step, from the left
    // edge: ny + 1 of them from the first such row at or above MinY, so a
    // region far from y = 0 (a UTM northing) gets its lines as well. For a
    // region whose y starts at 0 they are the rows of y = 0, step, ... ny * step.
    const int right = RoundPixel(nx * static_cast<double>(scale.ScaleX) * step);
    const double firstRow = step > 0.1 ? std::ceil(scale.MinY / step) : 0.0;
    for (int j = 0; j <= ny; ++j) {
        const double worldY = (firstRow + j) * step;
        const int y = RoundPixel(scale.OffsetY + std::nearbyint((scale.MaxY - worldY) * scale.ScaleY));
        raster.Line({0, y}, {right, y});
    }

    raster.SetNoFill();
    raster.SetFontFace("Courier New");
    raster.SetFontSize(8);
    raster.SetFontStyle(kFontRegular);
    raster.SetFontColour(colours::kBlack);
    raster.Text({RoundPixel(0.7 * raster.Width()), RoundPixel(0.9 * raster.Height())},
                Format("grid %.0f ", step) + unitName);
}

void StorePlotExtents(ProjectRecord& rec, const PlotScale& scale)
{
    rec.PlotMaxX = scale.MaxX;
    rec.PlotMaxY = scale.MaxY;
    rec.PlotMinX = scale.MinX;
    rec.PlotMinY = scale.MinY;
    rec.PlotSpanX = scale.SpanX;
    rec.PlotSpanY = scale.SpanY;
}

namespace {

// Outer boundary in sky blue, islands in grey, all placed with the outer boundary's scale.
PlotScale DrawBoundaries(const ProjectRecord& rec, Raster& raster, bool showNumbers)
{
    const PlotScale scale = ComputePlotScale(raster, BoundaryOf(rec, 1));
    DrawBoundary(raster, BoundaryOf(rec, 1), scale, showNumbers, colours::kSkyBlue);
    for (int b = 2; b <= UsedBoundaryCount(rec); ++b)
        DrawBoundary(raster, BoundaryOf(rec, b), scale, showNumbers, colours::kGrey);
    return scale;
}

}  // namespace

PlotScale DrawRegionPlotBase(const ProjectRecord& rec, Raster& raster, bool showNodeNumbers)
{
    const PlotScale scale = DrawBoundaries(rec, raster, showNodeNumbers);
    DrawScaleGrid(raster, scale, colours::kSilver, CoordUnitName(rec.CoordUnits));
    return scale;
}

PlotScale DrawRegionPlot(const ProjectRecord& rec, Raster& raster, bool showNodeNumbers)
{
    const PlotScale scale = DrawRegionPlotBase(rec, raster, showNodeNumbers);
    DrawPointAndSector(raster, scale, rec.PointX, rec.PointY, rec.WindDirection, rec.SectorAngle);
    return scale;
}

PlotScale DrawRegionPicture(const ProjectRecord& rec, Raster& raster)
{
    const PlotScale scale = DrawBoundaries(rec, raster, false);
    DrawPointAndSector(raster, scale, rec.PointX, rec.PointY, rec.WindDirection, rec.SectorAngle);
    DrawScaleGrid(raster, scale, colours::kGrey, CoordUnitName(rec.CoordUnits));
    return scale;
}

}  // namespace orvane
