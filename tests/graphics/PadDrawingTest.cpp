// The pad's pictures as primitives: the grid from the origin, the three
// markers with their numbers, and the grey direction mark of a line.

#include "graphics/PadDrawing.h"

#include <array>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingRaster.h"

namespace orvane {
namespace {

using test::Primitive;
using test::PrimitiveKind;
using test::RecordingRaster;

std::vector<std::vector<PixelPoint>> Shapes(const std::vector<Primitive>& primitives)
{
    std::vector<std::vector<PixelPoint>> out;
    for (const Primitive& p : primitives)
        out.push_back(p.points);
    return out;
}

// 4 pixels per km on a 100 x 50 surface: a 10 km grid every 40 pixels.
PadMapping SmallSurface()
{
    PadMapping m;
    m.PixelsPerMmX = m.PixelsPerMmY = 4;
    m.SurfaceWidth = 100;
    m.SurfaceBottom = 49;
    return m;
}

TEST(PadDrawing, GridStartsAtTheOrigin)
{
    RecordingRaster raster(100, 50);
    PadMapping m = SmallSurface();
    DrawPadGrid(raster, m, colours::kGrey, 1);
    EXPECT_EQ(Shapes(raster.Lines(colours::kGrey)), (std::vector<std::vector<PixelPoint>> {
                                                        {{0, 0}, {0, 49}},
                                                        {{40, 0}, {40, 49}},
                                                        {{80, 0}, {80, 49}},
                                                        {{0, 49}, {100, 49}},
                                                        {{0, 9}, {100, 9}},
                                                    }));

    // A grid size that cannot advance still draws the first line of each family.
    raster.primitives.clear();
    m.GridSize = 0;
    DrawPadGrid(raster, m, colours::kGrey, 1);
    EXPECT_EQ(raster.primitives.size(), 2u);

    // 1 km cells at 1 cm to 1000 km fall many to a pixel: one line per column or row.
    raster.primitives.clear();
    m.GridSize = 1;
    m.ScaleRatio = PadScales[7].Ratio;
    DrawPadGrid(raster, m, colours::kGrey, 1);
    EXPECT_EQ(raster.primitives.size(), 101u + 50u);
}

TEST(PadDrawing, GridAndLabelsAtAnOrigin)
{
    // World (-7, 1003) km at the bottom-left pixel: the lines stay on the
    // multiples of 10 km, labelled in metres.
    RecordingRaster raster(300, 50);
    PadMapping m = SmallSurface();
    m.SurfaceWidth = 300;
    m.OriginX = -7;
    m.OriginY = 1003;
    DrawPadGrid(raster, m, colours::kGrey, 1);
    std::vector<std::vector<PixelPoint>> lines;
    for (int column = 28; column <= 300; column += 40)
        lines.push_back({{column, 0}, {column, 49}});
    lines.push_back({{0, 21}, {300, 21}});
    EXPECT_EQ(Shapes(raster.Lines(colours::kGrey)), lines);

    raster.primitives.clear();
    DrawPadGridLabels(raster, m, 1000);
    std::vector<std::pair<std::string, PixelPoint>> labels;
    for (const Primitive& p : raster.Of(PrimitiveKind::Text))
        labels.emplace_back(p.text, p.points[0]);
    // Every 20 km across (10 km is closer than the spacing); the one at 0 would
    // sit in the left labels' strip.
    EXPECT_EQ(labels, (std::vector<std::pair<std::string, PixelPoint>> {
                          {"1010000", {3, 15}}, {"20000", {111, 37}}, {"40000", {191, 37}}, {"60000", {271, 37}}}));
}

TEST(PadDrawing, MarkersAndNumbers)
{
    struct Case {
        const char* name;
        std::int32_t type;
        PrimitiveKind kind;
        std::vector<PixelPoint> points;
    };
    const Case cases[] = {
        {"square", kPadSquare, PrimitiveKind::Polygon, {{48, 28}, {52, 28}, {52, 32}, {48, 32}}},
        {"triangle, apex down", kPadTriangle, PrimitiveKind::Polygon, {{50, 32}, {52, 28}, {48, 28}}},
        {"dot", kPadDot, PrimitiveKind::Ellipse, {{48, 28}, {52, 32}}},
        {"unknown type as a square", 7, PrimitiveKind::Polygon, {{48, 28}, {52, 28}, {52, 32}, {48, 32}}},
    };
    for (const Case& c : cases) {
        RecordingRaster raster(100, 50);
        PadPointStyle style;
        style.Type = c.type;
        style.Size = 5;  // half of it truncates to 2
        DrawPadPoint(raster, style, 12, {50, 30});
        ASSERT_EQ(raster.primitives.size(), 2u) << c.name;
        const Primitive& marker = raster.primitives[0];
        EXPECT_EQ(marker.kind, c.kind) << c.name;
        EXPECT_EQ(marker.points, c.points) << c.name;
        EXPECT_EQ(marker.state.penColour, colours::kBlue) << c.name;
        EXPECT_EQ(marker.state.fillColour, colours::kWhite) << c.name;
        const Primitive& label = raster.primitives[1];
        EXPECT_EQ(label.text, "12") << c.name;
        EXPECT_EQ(label.points[0], (PixelPoint {55, 25})) << c.name;
    }

    RecordingRaster raster(100, 50);
    DrawPadPoint(raster, PadPointStyle {}, 0, {50, 30});  // a dragged point: no number
    EXPECT_TRUE(raster.Of(PrimitiveKind::Text).empty());
}

TEST(PadDrawing, DirectionMark)
{
    struct Case {
        const char* name;
        float x1, y1, x2, y2;
        bool markOn;
        int markSize;
        std::vector<std::vector<PixelPoint>> grey;
    };
    // 4 pixels per km on a 10 km grid: mark row 1 is 1 km (4 pixels), row 2
    // 2 km (8 pixels), row 3 4 km (16 pixels).
    const Case cases[] = {
        {"last stretch grey", 0, 0, 10, 0, true, 2, {{{32, 49}, {40, 49}}}},
        {"a short mark is drawn 8 pixels long", 0, 0, 10, 0, true, 1, {{{32, 49}, {40, 49}}}},
        {"a long mark covers at most half its line", 0, 0, 5, 0, true, 3, {{{10, 49}, {20, 49}}}},
        {"a line under 8 pixels: the mark reaches back", 0, 5, 0, 6, true, 2, {{{0, 33}, {0, 25}}}},
        {"ends that coincide get no mark", 3, 3, 3, 3, true, 2, {}},
        {"ends on one pixel get no mark", 3, 3, 3.1f, 3, true, 2, {}},
        {"marks off", 0, 0, 10, 0, false, 2, {}},
    };
    for (const Case& c : cases) {
        RecordingRaster raster(100, 50);
        PadLineStyle style;
        style.MarkOn = c.markOn;
        style.MarkSize = c.markSize;
        DrawPadLine(raster, SmallSurface(), style, true, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(raster.Lines(colours::kBlack).size(), 1u) << c.name;
        EXPECT_EQ(Shapes(raster.Lines(kPadMarkColour)), c.grey) << c.name;
    }
}

// --- the background ---

TEST(PadDrawing, ControlPointsPlaceAPicture)
{
    using Placement = std::array<double, 8>;
    const struct {
        const char* name;
        Placement points;
        double column, row;  // a third picture position
        double x, y;         // where it lands
    } cases[] = {
        // Bottom corners of a 200 x 100 picture, 2 world units a pixel: rows run down, y up.
        {"north up", {0, 100, 1000, 2000, 200, 100, 1400, 2000}, 0, 0, 1000, 2200},
        {"flipped across", {0, 100, 1400, 2000, 200, 100, 1000, 2000}, 0, 0, 1400, 1800},
        // Columns run north: the top row lies west.
        {"turned a quarter", {0, 0, 0, 0, 10, 0, 0, 10}, 0, 10, 10, 0},
        {"fractional pixels", {0.5, 0.5, 10, 10, 1.5, 0.5, 11, 10}, 1, 1, 10.5, 9.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto g = PictureToWorldFromControlPoints(c.points);
        ASSERT_TRUE(g);
        EXPECT_NEAR((*g)[0] + c.column * (*g)[1] + c.row * (*g)[2], c.x, 1e-9);
        EXPECT_NEAR((*g)[3] + c.column * (*g)[4] + c.row * (*g)[5], c.y, 1e-9);
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Placement& bad : {Placement {5, 5, 0, 0, 5, 5, 10, 10}, Placement {0, 0, 3, 3, 10, 10, 3, 3},
                                 Placement {0, 0, 0, 0, 10, 10, nan, 10}})
        EXPECT_FALSE(PictureToWorldFromControlPoints(bad));
}

TEST(PadDrawing, BackgroundThroughTheMapping)
{
    PadMapping m = SmallSurface();  // 4 pixels per km, row 49 at y = 0
    PadBackground background;
    // 10 x 5 pixels of 1 km, top-left corner at world (0, 5).
    background.Picture = std::make_shared<RgbaImage>(RgbaImage {10, 5, std::vector<std::uint8_t>(200, 255)});
    background.PictureToWorld = {0, 1, 0, 5, 0, -1};
    background.Lines = {{{0, 0}, {0.1, 0}, {5, 0}, {5, 0.05}, {5, 5}}, {{-9, -9}, {-8, -9}}};
    background.Opacity = 0.5;
    RecordingRaster raster(100, 50);
    DrawPadBackground(raster, m, background);
    const auto pictures = raster.Of(PrimitiveKind::Image);
    ASSERT_EQ(pictures.size(), 1u);
    // Pixel centres sit on the world positions, so a picture pixel's edge lies half a pixel before.
    EXPECT_EQ(pictures[0].transform, (ImageTransform {4, 0, 0, 4, 0.5, 29.5}));
    EXPECT_EQ(pictures[0].opacity, 0.5);
    // The layer, faded half way to white; nodes within one pixel are one, a line off the surface is left out.
    EXPECT_EQ(Shapes(raster.Lines({128, 173, 208})),
              (std::vector<std::vector<PixelPoint>> {{{0, 49}, {20, 49}}, {{20, 49}, {20, 29}}}));
    EXPECT_EQ(PadBackgroundBox(background), (PadBox {-9, -9, 10, 5, false}));

    // Panned far away, or invisible: nothing.
    m.OriginX = 1000;
    RecordingRaster away(100, 50);
    DrawPadBackground(away, m, background);
    EXPECT_TRUE(away.Of(PrimitiveKind::Image).empty());
    background.Opacity = 0;
    RecordingRaster none(100, 50);
    DrawPadBackground(none, SmallSurface(), background);
    EXPECT_TRUE(none.primitives.empty());
}

}  // namespace
}  // namespace orvane
