// The region plot's primitives on a recording raster: every integer
// coordinate of the picture is fixed, so the tests pin them exactly.

#include "graphics/RegionPlot.h"

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/TestSupport.h"
#include "tests/graphics/RecordingRaster.h"

namespace orvane {
namespace {

using test::Primitive;
using test::PrimitiveKind;
using test::RecordingRaster;

using test::SetBoundary;
using Node = test::TestNode;

std::unique_ptr<ProjectRecord> NewProject()
{
    auto rec = std::make_unique<ProjectRecord>();
    SetProjectDefaults(*rec);
    return rec;
}

// The square (0, 0)..(100, 100), closed by repeating its first node.
std::unique_ptr<ProjectRecord> SquareProject(int coordUnits = 2)
{
    auto rec = NewProject();
    rec->CoordUnits = coordUnits;
    SetBoundary(*rec, 1, {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
    rec->PointX = 50;
    rec->PointY = 50;
    return rec;
}

TEST(RegionPlot, SquareScaleOffsetsAndCorners)
{
    auto rec = SquareProject();
    RecordingRaster raster(433, 365);
    const PlotScale s = ComputePlotScale(raster, BoundaryOf(*rec, 1));

    EXPECT_EQ(s.SpanX, 100.0f);
    EXPECT_EQ(s.SpanY, 100.0f);
    EXPECT_EQ(s.ScaleX, static_cast<float>(433.0 / 110.0));
    EXPECT_EQ(s.ScaleY, static_cast<float>(365.0 / 110.0));
    EXPECT_EQ(s.OffsetX, 8);
    EXPECT_EQ(s.OffsetY, 27);
    EXPECT_EQ(WorldToPixel(s, 0, 100), (PixelPoint {8, 27}));
    EXPECT_EQ(WorldToPixel(s, 100, 0), (PixelPoint {402, 359}));
    ASSERT_EQ(raster.primitives.size(), 1u);
    EXPECT_EQ(raster.primitives[0].kind, PrimitiveKind::Clear);

    // The polygon has N vertices starting at entry 0 (the closing copy); entry N is no vertex.
    DrawBoundary(raster, BoundaryOf(*rec, 1), s, false, colours::kSkyBlue);
    const auto polygons = raster.Of(PrimitiveKind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const std::vector<PixelPoint> expected {{8, 359}, {8, 359}, {402, 359}, {402, 27}, {8, 27}};
    EXPECT_EQ(polygons[0].points, expected);
    EXPECT_EQ(polygons[0].state.fillColour, colours::kSkyBlue);
    EXPECT_TRUE(polygons[0].state.fillSolid);
    EXPECT_EQ(polygons[0].state.penColour, colours::kBlack);
    EXPECT_EQ(polygons[0].state.penWidth, 2);
    // Left as the next operation expects it.
    EXPECT_FALSE(raster.State().fillSolid);
    EXPECT_EQ(raster.State().fillColour, colours::kWhite);
    EXPECT_EQ(raster.State().penColour, colours::kBlack);
}

TEST(RegionPlot, RoundsHalvesToEven)
{
    PlotScale s;
    s.ScaleX = s.ScaleY = 1;
    s.MaxY = 10;
    EXPECT_EQ(WorldToPixel(s, 0.5, 9.5), (PixelPoint {0, 0}));
    EXPECT_EQ(WorldToPixel(s, 1.5, 7.5), (PixelPoint {2, 2}));
    EXPECT_EQ(WorldToPixel(s, -2.5, 12.5), (PixelPoint {-2, -2}));
    EXPECT_EQ(RoundPixel(2.5000001), 3);
}

TEST(RegionPlot, SquareGridHasTwelveLinesEachWayAndLabel)
{
    auto rec = SquareProject(2);
    RecordingRaster raster(433, 365);
    const PlotScale s = DrawRegionPlot(*rec, raster, false);

    const auto grid = raster.Lines(colours::kSilver);
    ASSERT_EQ(grid.size(), 24u);
    const int xs[12] = {0, 39, 79, 118, 157, 197, 236, 276, 315, 354, 394, 433};
    const int ys[12] = {359, 326, 292, 259, 226, 193, 160, 127, 93, 60, 27, -6};
    for (int i = 0; i < 12; ++i) {
        // Vertical: from the top edge down to the row of world y = 0 (27 + round(331.8)).
        EXPECT_EQ(grid[i].points, (std::vector<PixelPoint> {{xs[i], 0}, {xs[i], 359}})) << i;
        // Horizontal: from the left edge to round(11 * ScaleX * 10) = 433.
        EXPECT_EQ(grid[12 + i].points, (std::vector<PixelPoint> {{0, ys[i]}, {433, ys[i]}})) << i;
        EXPECT_EQ(grid[i].state.penWidth, 1);
    }

    const auto texts = raster.Of(PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "grid 10 m");
    // round(0.7 * 433) = 303; 0.9 * 365 = 328.5 goes to the even 328.
    EXPECT_EQ(texts[0].points[0], (PixelPoint {303, 328}));
    EXPECT_EQ(texts[0].state.fontFace, "Courier New");
    EXPECT_EQ(texts[0].state.fontSizePt, 8);
    EXPECT_EQ(texts[0].state.fontStyle, kFontRegular);
    EXPECT_EQ(texts[0].state.fontColour, colours::kBlack);

    // The extents the caller stores with StorePlotExtents.
    StorePlotExtents(*rec, s);
    EXPECT_EQ(rec->PlotMinX, 0.0f);
    EXPECT_EQ(rec->PlotMinY, 0.0f);
    EXPECT_EQ(rec->PlotMaxX, 100.0f);
    EXPECT_EQ(rec->PlotMaxY, 100.0f);
    EXPECT_EQ(rec->PlotSpanX, 100.0f);
    EXPECT_EQ(rec->PlotSpanY, 100.0f);
}

struct GridStepCase {
    const char* name;
    double dx;
    double dy;
    double step;
};

TEST(RegionPlot, GridStepTable)
{
    const GridStepCase cases[] = {
        {"narrow and tall: x range alone decides", 5, 5000, 1},
        {"narrow and huge", 9.999, 1e9, 1},
        {"small square", 10, 10, 5},
        {"below 50", 49.9, 20, 5},
        {"50 gives 10, not 50", 50, 10, 10},
        {"tall region uses the larger range", 20, 60, 10},
        {"below 100", 99.9, 99.9, 10},
        {"below 500 also 10", 100, 499.9, 10},
        {"500", 500, 0, 100},
        {"below 1000", 999, 999, 100},
        {"1000", 1000, 10, 1000},
        {"below 100000", 12, 99999, 10000},
        // From 100000 on: 1, 2, 5 x 10^k, at most 18 steps across (20 lines).
        {"100000", 100000, 0, 10000},
        {"180000", 150000, 180000, 10000},
        {"just above 180000", 180001, 10, 20000},
        {"UTM region of 800 km", 8e5, 3e5, 50000},
        {"UTM region of 1000 km", 1e6, 3e5, 100000},
        {"huge", 1e30, 1e30, 1e29},
        {"nan: no grid", std::nan(""), 50, 0},
        {"infinite: no grid", std::numeric_limits<double>::infinity(), 50, 0},
    };
    for (const GridStepCase& c : cases)
        EXPECT_EQ(GridStep(c.dx, c.dy), c.step) << c.name;
}

TEST(RegionPlot, NarrowTallRegionGetsStepOne)
{
    auto rec = NewProject();
    rec->CoordUnits = 3;
    SetBoundary(*rec, 1, {{0, 0}, {5, 0}, {5, 5000}, {0, 5000}});
    RecordingRaster raster(433, 365);
    DrawRegionPlot(*rec, raster, false);
    const auto grid = raster.Lines(colours::kSilver);
    // nx = 5 + 1, ny = 5000 + 1: 7 vertical and 5002 horizontal lines.
    ASSERT_EQ(grid.size(), 7u + 5002u);
    EXPECT_EQ(grid[6].points[0].x, grid[6].points[1].x);
    EXPECT_EQ(grid[7].points[0].y, grid[7].points[1].y);
    EXPECT_EQ(raster.Of(PrimitiveKind::Text).at(0).text, "grid 1 km");
}

TEST(RegionPlot, LargeRegionGetsAGridAndANonZeroLabel)
{
    auto rec = NewProject();
    rec->CoordUnits = 0;
    SetBoundary(*rec, 1, {{0, 0}, {200000, 0}, {200000, 150000}});
    RecordingRaster raster(433, 365);
    DrawRegionPlot(*rec, raster, false);
    // Step 20000: nx = 11 and ny = round(7.5) + 1 = 9, so 12 vertical and 10
    // horizontal lines (a step of 10000 would draw 22 across).
    EXPECT_EQ(raster.Lines(colours::kSilver).size(), 12u + 10u);
    EXPECT_EQ(raster.Of(PrimitiveKind::Text).at(0).text, "grid 20000 ft");
}

// A lake at UTM northing 4,390,000: the horizontal lines lie at whole
// kilometres of its own y range, inside the picture.
TEST(RegionPlot, HorizontalLinesFollowTheRegionFarFromZero)
{
    auto rec = NewProject();
    rec->CoordUnits = 2;
    SetBoundary(*rec, 1,
                {{537000, 4390000}, {545000, 4390000}, {545000, 4398000}, {537000, 4398000}, {537000, 4390000}});
    RecordingRaster raster(433, 365);
    const PlotScale s = DrawRegionPlot(*rec, raster, false);
    const auto grid = raster.Lines(colours::kSilver);
    ASSERT_EQ(grid.size(), 10u + 10u);  // nx = ny = 9 with a step of 1000
    for (int j = 0; j < 10; ++j) {
        const Primitive& line = grid[10 + static_cast<std::size_t>(j)];
        const PixelPoint at = WorldToPixel(s, 537000, 4390000 + 1000.0 * j);
        EXPECT_EQ(line.points, (std::vector<PixelPoint> {{0, at.y}, {RoundPixel(9 * s.ScaleX * 1000.0), at.y}})) << j;
        if (j < 9) {  // the last one lies a step above the top, as for a region from y = 0
            EXPECT_GE(at.y, 0) << j;
            EXPECT_LT(at.y, 365) << j;
        }
    }
    EXPECT_EQ(raster.Of(PrimitiveKind::Text).at(0).text, "grid 1000 m");
}

TEST(RegionPlot, NodeNumbersOncePerNodeAndNoneForGaps)
{
    auto rec = NewProject();
    // Position 2 is a gap node (number 0) carrying node 3's coordinates.
    SetBoundary(*rec, 1, {{0, 0}, {30, 0, 0}, {30, 0}, {30, 30}, {0, 0}});
    rec->NodeNumber[1][0] = 0;
    RecordingRaster raster(400, 400);
    const PlotScale s = ComputePlotScale(raster, BoundaryOf(*rec, 1));
    DrawBoundary(raster, BoundaryOf(*rec, 1), s, true, colours::kSkyBlue);

    const auto texts = raster.Of(PrimitiveKind::Text);
    std::vector<std::string> labels;
    for (const Primitive& t : texts)
        labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string> {"1", "3", "4", "5"}));
    EXPECT_EQ(texts[1].points[0], WorldToPixel(s, 30, 0));
    EXPECT_EQ(texts[0].state.fontColour, colours::kBlack);
    EXPECT_EQ(texts[0].state.fontSizePt, 8);
    // The polygon still runs through the gap position (a zero-length edge).
    EXPECT_EQ(raster.Of(PrimitiveKind::Polygon).at(0).points.size(), 5u);
}

TEST(RegionPlot, NodeNumbersAreInCourierNewOnAFreshSurface)
{
    auto rec = SquareProject();
    RecordingRaster raster(433, 365);
    DrawRegionPlot(*rec, raster, true);
    const auto texts = raster.Of(PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 5u + 1u);  // nodes 1..5 (node 5 repeats node 1), then the grid label
    for (const Primitive& text : texts)
        EXPECT_EQ(text.state.fontFace, "Courier New") << text.text;
}

TEST(RegionPlot, SecondDrawingIsIdentical)
{
    auto rec = SquareProject();
    SetBoundary(*rec, 2, {{20, 20}, {40, 20}, {30, 40}});
    rec->BoundaryCount = 2;
    RecordingRaster raster(433, 365);
    const PlotScale s = DrawRegionPlot(*rec, raster, false);
    const std::vector<Primitive> first = raster.primitives;
    const float extents[6] = {s.MaxX, s.MaxY, s.MinX, s.MinY, s.SpanX, s.SpanY};

    raster.primitives.clear();
    const PlotScale t = DrawRegionPlot(*rec, raster, false);
    EXPECT_EQ(raster.primitives, first);
    const float again[6] = {t.MaxX, t.MaxY, t.MinX, t.MinY, t.SpanX, t.SpanY};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(again[i], extents[i]) << i;
}

TEST(RegionPlot, PointMarkerIsCircleAndCross)
{
    PlotScale s;
    s.MaxY = 100;
    RecordingRaster raster(200, 200);
    DrawPointMarker(raster, 50, 60, s, 10, colours::kRed, 3);
    const PixelPoint p {50, 40};
    ASSERT_EQ(raster.primitives.size(), 3u);
    EXPECT_EQ(raster.primitives[0].points, (std::vector<PixelPoint> {{45, 35}, {55, 45}}));
    EXPECT_EQ(raster.primitives[1].points, (std::vector<PixelPoint> {{p.x - 10, p.y}, {p.x + 10, p.y}}));
    EXPECT_EQ(raster.primitives[2].points, (std::vector<PixelPoint> {{p.x, p.y - 10}, {p.x, p.y + 10}}));
    for (const Primitive& prim : raster.primitives) {
        EXPECT_EQ(prim.state.penColour, colours::kRed);
        EXPECT_EQ(prim.state.penWidth, 3);
        EXPECT_FALSE(prim.state.fillSolid);
    }
    // Sizes below 2 still give a visible marker of radius 1.
    raster.primitives.clear();
    DrawPointMarker(raster, 50, 60, s, 1, colours::kBlack, 1);
    EXPECT_EQ(raster.primitives[0].points, (std::vector<PixelPoint> {{49, 39}, {51, 41}}));
}

double Cross(PixelPoint o, PixelPoint a, PixelPoint b)
{
    return static_cast<double>(a.x - o.x) * (b.y - o.y) - static_cast<double>(a.y - o.y) * (b.x - o.x);
}
double Dot(PixelPoint o, PixelPoint a, PixelPoint b)
{
    return static_cast<double>(a.x - o.x) * (b.x - o.x) + static_cast<double>(a.y - o.y) * (b.y - o.y);
}

TEST(RegionPlot, SectorEdgesAndWindLine)
{
    auto rec = SquareProject();
    rec->WindDirection = 30;
    rec->SectorAngle = 180;
    // A square raster gives equal scales, so world angles survive in pixels.
    RecordingRaster raster(440, 440);
    const PlotScale s = DrawRegionPlot(*rec, raster, false);
    const PixelPoint p = WorldToPixel(s, 50, 50);

    const auto red = raster.Lines(colours::kRed);
    const auto blue = raster.Lines(colours::kBlue);
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(red[0].state.penWidth, 2);
    EXPECT_EQ(blue[0].state.penWidth, 1);
    EXPECT_EQ(red[0].points[0], p);
    EXPECT_EQ(blue[0].points[0], p);
    EXPECT_EQ(blue[1].points[0], p);

    // One diagonal (141.42 units) long, at 30 degrees counter-clockwise from +x.
    const float ex = static_cast<float>(50 + std::sqrt(2.0) * 100 * std::cos(std::numbers::pi / 6));
    const float ey = static_cast<float>(50 + std::sqrt(2.0) * 100 * std::sin(std::numbers::pi / 6));
    EXPECT_EQ(red[0].points[1], WorldToPixel(s, ex, ey));

    // 180 degrees: both edges on one line through the point, perpendicular to the wind.
    const PixelPoint e1 = blue[0].points[1];
    const PixelPoint e2 = blue[1].points[1];
    const double len = std::hypot(e1.x - p.x, e1.y - p.y);
    EXPECT_NEAR(Cross(p, e1, e2) / (len * len), 0.0, 0.01);
    EXPECT_LT(Dot(p, e1, e2), 0.0);  // on opposite sides of the point
    EXPECT_NEAR(Dot(p, e1, red[0].points[1]) / (len * len), 0.0, 0.01);
    // e1 is the counter-clockwise edge: at 120 degrees, up and to the left (pixel y down).
    EXPECT_LT(e1.x, p.x);
    EXPECT_LT(e1.y, p.y);

    EXPECT_FALSE(raster.State().fillSolid);
    EXPECT_EQ(raster.State().penColour, colours::kBlack);
}

// The shape of a drawing: kinds and colours in order, runs of equal entries
// (the grid lines, the islands) folded into one, node labels left out.
std::vector<std::string> Outline(const std::vector<Primitive>& primitives)
{
    std::vector<std::string> out;
    for (const Primitive& p : primitives) {
        std::string entry;
        switch (p.kind) {
        case PrimitiveKind::Clear: entry = "clear"; break;
        case PrimitiveKind::Polygon: entry = p.state.fillColour == colours::kSkyBlue ? "outer" : "island"; break;
        case PrimitiveKind::Ellipse: entry = "marker"; break;
        case PrimitiveKind::Image: entry = "picture"; break;
        case PrimitiveKind::Text:
            if (p.text.rfind("grid ", 0) != 0)
                continue;
            entry = "text " + p.text;
            break;
        case PrimitiveKind::Line:
            if (p.state.penColour == colours::kSilver || p.state.penColour == colours::kGrey)
                entry = p.state.penColour == colours::kSilver ? "silver grid" : "grey grid";
            else if (p.state.penColour == colours::kBlack)
                entry = "cross";
            else
                entry = p.state.penColour == colours::kRed ? "wind" : "sector";
            break;
        }
        if (out.empty() || out.back() != entry)
            out.push_back(entry);
    }
    return out;
}

TEST(RegionPlot, PlotAndPictureDifferInOrderColourAndNumbers)
{
    auto rec = SquareProject(3);
    SetBoundary(*rec, 2, {{20, 20}, {40, 20}, {30, 40}});
    SetBoundary(*rec, 3, {{60, 60}, {80, 60}, {70, 80}});
    rec->BoundaryCount = 3;

    RecordingRaster plot(433, 365);
    DrawRegionPlot(*rec, plot, true);
    EXPECT_EQ(Outline(plot.primitives),
              (std::vector<std::string> {"clear", "outer", "island", "silver grid", "text grid 10 km", "marker",
                                         "cross", "wind", "sector"}));
    EXPECT_EQ(plot.Of(PrimitiveKind::Text).size(), 5u + 3u + 3u + 1u);

    RecordingRaster picture(433, 365);
    const PlotScale s = DrawRegionPicture(*rec, picture);
    EXPECT_EQ(Outline(picture.primitives),
              (std::vector<std::string> {"clear", "outer", "island", "marker", "cross", "wind", "sector", "grey grid",
                                         "text grid 10 km"}));
    EXPECT_EQ(s.MaxX, 100.0f);
    EXPECT_EQ(s.SpanX, 100.0f);
    // Same geometry in both: the grid lines differ only in colour.
    auto plotGrid = plot.Lines(colours::kSilver);
    auto pictureGrid = picture.Lines(colours::kGrey);
    ASSERT_EQ(plotGrid.size(), pictureGrid.size());
    for (std::size_t i = 0; i < plotGrid.size(); ++i)
        EXPECT_EQ(plotGrid[i].points, pictureGrid[i].points);
}

TEST(RegionPlot, IslandsUseTheOuterScaleEvenOutsideIt)
{
    auto rec = SquareProject();
    SetBoundary(*rec, 2, {{90, 90}, {300, 90}, {300, 300}});
    rec->BoundaryCount = 2;
    RecordingRaster raster(433, 365);
    const PlotScale s = DrawRegionPlot(*rec, raster, false);
    const auto polygons = raster.Of(PrimitiveKind::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[1].points[1], WorldToPixel(s, 90, 90));
    EXPECT_EQ(polygons[1].points[0], WorldToPixel(s, 300, 300));
    EXPECT_GT(polygons[1].points[0].x, 433);
    EXPECT_LT(polygons[1].points[0].y, 0);
    EXPECT_EQ(s.MaxX, 100.0f);  // islands never widen the extents
}

TEST(RegionPlot, SinglePointRegionAtOnePixelPerUnit)
{
    auto rec = NewProject();
    SetBoundary(*rec, 1, {{7, 3}, {7, 3}, {7.00005f, 3}});
    RecordingRaster raster(433, 365);
    const PlotScale s = ComputePlotScale(raster, BoundaryOf(*rec, 1));
    EXPECT_EQ(s.ScaleX, 1.0f);
    EXPECT_EQ(s.ScaleY, 1.0f);
    EXPECT_EQ(s.OffsetX, 0);
    EXPECT_EQ(s.OffsetY, 0);
}

TEST(RegionPlot, EmptyOuterBoundaryDrawsNoPolygonButUsesEntryZero)
{
    auto rec = NewProject();
    rec->NodeCount[1] = 0;
    rec->NodeX[1][0] = 12;
    rec->NodeY[1][0] = 34;
    rec->NodeNumber[1][0] = 9;
    RecordingRaster raster(433, 365);
    const PlotScale s = DrawRegionPlot(*rec, raster, true);
    EXPECT_EQ(s.MinX, 12.0f);
    EXPECT_EQ(s.MaxY, 34.0f);
    EXPECT_TRUE(raster.Of(PrimitiveKind::Polygon).empty());
    EXPECT_EQ(raster.Of(PrimitiveKind::Text).size(), 1u);  // the grid label only
}

// Damaged projects: nothing may crash, hang or hand the raster wild coordinates.
TEST(RegionPlot, DamagedValuesStayBounded)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float big = std::numeric_limits<float>::max();
    struct Case {
        const char* name;
        std::vector<Node> outer;
        float pointX;
        float wind;
    };
    const Case cases[] = {
        {"nan first entry", {{0, 0}, {10, 10}, {nan, nan}}, 0, 45},
        {"nan inside", {{0, 0}, {nan, 5}, {10, 10}}, nan, nan},
        {"infinite", {{0, 0}, {inf, -inf}, {10, 10}}, inf, 45},
        {"float extremes", {{-big, -big}, {big, big}, {0, 0}}, big, 1e30f},
        {"narrow and astronomically tall", {{0, 0}, {5, 0}, {5, 3e38f}}, 2, 90},
        {"tiny point far away", {{0, 0}, {1, 1}}, 1e30f, 0},
    };
    for (const Case& c : cases) {
        auto rec = NewProject();
        SetBoundary(*rec, 1, c.outer);
        SetBoundary(*rec, 2, {{1, 1}, {big, 2}, {3, nan}});
        rec->BoundaryCount = 99;      // clamped to 5
        rec->NodeCount[3] = 1 << 30;  // clamped to 1000
        rec->NodeCount[4] = -7;       // clamped to 0
        rec->PointX = c.pointX;
        rec->WindDirection = c.wind;
        RecordingRaster raster(433, 365);
        DrawRegionPlot(*rec, raster, true);
        std::size_t lines = 0;
        for (const Primitive& p : raster.primitives) {
            lines += p.kind == PrimitiveKind::Line ? 1 : 0;
            for (const PixelPoint& q : p.points) {
                ASSERT_LE(std::abs(q.x), kPixelLimit) << c.name;
                ASSERT_LE(std::abs(q.y), kPixelLimit) << c.name;
            }
        }
        EXPECT_LE(lines, 2u * (kMaxGridLines + 1) + 5u) << c.name;
        // Boundaries 1, 2 and 3 (1000 positions); 4 and 5 have no nodes.
        EXPECT_EQ(raster.Of(PrimitiveKind::Polygon).size(), 3u) << c.name;
    }
}

}  // namespace
}  // namespace orvane
