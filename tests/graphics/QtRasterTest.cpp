// The Qt raster on real pixels: colours land where the primitives say,
// inverted figures undo themselves, and wild coordinates are harmless.

#include "graphics/QtRaster.h"

#include <QImage>
#include <memory>

#include <gtest/gtest.h>

#include "core/ProjectRecord.h"
#include "graphics/RegionPlot.h"

namespace orvane {
namespace {

Rgb PixelAt(const QtRaster& raster, int x, int y)
{
    const QRgb c = raster.Image().pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
            static_cast<std::uint8_t>(qBlue(c))};
}

int CountPixels(const QImage& image, Rgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(colour.r, colour.g, colour.b) ? 1 : 0;
    return count;
}

TEST(QtRaster, StartsWhiteAndClampsItsSize)
{
    QtRaster raster(40, 30);
    EXPECT_EQ(raster.Width(), 40);
    EXPECT_EQ(raster.Height(), 30);
    EXPECT_EQ(CountPixels(raster.Image(), colours::kWhite), 40 * 30);
    EXPECT_EQ(raster.Image().format(), QImage::Format_RGB32);

    QtRaster tiny(0, -5);
    EXPECT_EQ(tiny.Width(), 1);
    EXPECT_EQ(tiny.Height(), 1);
    QtRaster wide(1 << 20, 1);
    EXPECT_EQ(wide.Width(), kMaxRasterSide);
}

TEST(QtRaster, PolygonFillOutlineAndNoFill)
{
    QtRaster raster(100, 100);
    raster.SetFill(colours::kSkyBlue);
    raster.SetPenColour(colours::kBlack);
    raster.SetPenWidth(2);
    const PixelPoint square[] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}};
    raster.Polygon(square);
    EXPECT_EQ(PixelAt(raster, 35, 35), colours::kSkyBlue);
    EXPECT_EQ(PixelAt(raster, 10, 35), colours::kBlack);
    EXPECT_EQ(PixelAt(raster, 80, 80), colours::kWhite);

    raster.SetNoFill();
    raster.SetPenColour(colours::kRed);
    const PixelPoint inner[] = {{20, 20}, {50, 20}, {50, 50}, {20, 50}};
    raster.Polygon(inner);
    EXPECT_EQ(PixelAt(raster, 35, 35), colours::kSkyBlue);  // no fill: the inside shows through
    EXPECT_EQ(PixelAt(raster, 35, 20), colours::kRed);

    raster.Clear();
    EXPECT_EQ(CountPixels(raster.Image(), colours::kWhite), 100 * 100);
}

TEST(QtRaster, LineEllipseAndTextLandWhereAsked)
{
    QtRaster raster(120, 80);
    raster.SetPenColour(colours::kBlue);
    raster.SetPenWidth(1);
    raster.Line({5, 70}, {100, 70});
    EXPECT_EQ(PixelAt(raster, 50, 70), colours::kBlue);
    EXPECT_EQ(PixelAt(raster, 50, 69), colours::kWhite);

    raster.SetNoFill();
    raster.SetPenColour(colours::kBlack);
    raster.Ellipse(20, 20, 30, 30);
    EXPECT_EQ(PixelAt(raster, 25, 20), colours::kBlack);  // top of the circle
    EXPECT_EQ(PixelAt(raster, 25, 25), colours::kWhite);  // hollow

    // Text on a transparent background over a coloured area.
    raster.SetFill(colours::kSkyBlue);
    raster.SetPenColour(colours::kSkyBlue);
    const PixelPoint area[] = {{60, 0}, {119, 0}, {119, 40}, {60, 40}};
    raster.Polygon(area);
    raster.SetFontFace("Courier New");
    raster.SetFontSize(8);
    raster.SetFontColour(colours::kBlack);
    raster.Text({62, 2}, "grid 10 km");
    const QImage image = raster.Image();
    int dark = 0;
    int blue = 0;
    for (int y = 2; y < 16; ++y) {
        for (int x = 62; x < 119; ++x) {
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            blue += image.pixel(x, y) == qRgb(166, 202, 240) ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 40);
    EXPECT_GT(blue, 300);
    // Nothing above the top-left corner: the text hangs below it.
    for (int x = 60; x < 120; ++x)
        EXPECT_EQ(image.pixel(x, 0), qRgb(166, 202, 240)) << x;
}

TEST(QtRaster, DrawingResumesAfterTakingTheImage)
{
    QtRaster raster(20, 20);
    raster.SetPenColour(colours::kRed);
    raster.Line({0, 5}, {19, 5});
    const QImage first = raster.Image();
    raster.Line({0, 10}, {19, 10});
    EXPECT_EQ(first.pixel(10, 10), qRgb(255, 255, 255));  // an earlier copy is not changed
    EXPECT_EQ(PixelAt(raster, 10, 10), colours::kRed);
    EXPECT_EQ(PixelAt(raster, 10, 5), colours::kRed);
}

// A busy background, so that inverting is tested on many colours at once.
std::unique_ptr<QtRaster> BusyPicture()
{
    auto raster = std::make_unique<QtRaster>(200, 160);
    auto rec = std::make_unique<ProjectRecord>();
    SetProjectDefaults(*rec);
    const float xs[] = {0, 100, 120, 40, 0};
    const float ys[] = {0, 10, 90, 100, 0};
    rec->NodeCount[1] = 5;
    for (int k = 1; k <= 5; ++k) {
        rec->NodeNumber[1][k] = k;
        rec->NodeX[1][k] = xs[k - 1];
        rec->NodeY[1][k] = ys[k - 1];
    }
    rec->NodeX[1][0] = 0;
    rec->NodeY[1][0] = 0;
    rec->PointX = 50;
    rec->PointY = 40;
    DrawRegionPlot(*rec, *raster, true);
    return raster;
}

TEST(QtRaster, InvertedFiguresUndoThemselves)
{
    auto raster = BusyPicture();
    const QImage before = raster->Image().copy();

    auto drawFigures = [&raster] {
        raster->SetPenMode(PenMode::Invert);
        raster->SetPenColour(colours::kRed);
        raster->SetPenWidth(3);
        raster->Line({-50, 10}, {250, 150});
        raster->SetFill(colours::kGrey);
        const PixelPoint triangle[] = {{20, 20}, {150, 40}, {60, 140}};
        raster->Polygon(triangle);
        raster->SetNoFill();
        raster->SetPenWidth(1);
        raster->Ellipse(80, 60, 120, 100);
        raster->SetFontColour(colours::kBlue);
        raster->SetFontSize(14);
        raster->Text({30, 60}, "Rubber band \xB0");
    };
    drawFigures();
    const QImage once = raster->Image().copy();
    EXPECT_NE(once, before);
    drawFigures();
    EXPECT_EQ(raster->Image(), before);
    // Alpha must stay opaque throughout an RGB32 image.
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x)
            ASSERT_EQ(qAlpha(once.pixel(x, y)), 255);
}

TEST(QtRaster, InvertedPenShowsItsColourOnWhite)
{
    QtRaster raster(50, 50);
    raster.SetPenMode(PenMode::Invert);
    raster.SetPenColour(colours::kRed);
    raster.Line({0, 25}, {49, 25});
    EXPECT_EQ(PixelAt(raster, 25, 25), colours::kRed);
    raster.SetPenMode(PenMode::Copy);
    raster.SetPenColour(colours::kBlue);
    raster.Line({25, 0}, {25, 49});
    EXPECT_EQ(PixelAt(raster, 25, 25), colours::kBlue);
}

TEST(QtRaster, FarCoordinatesAreClipped)
{
    QtRaster raster(64, 64);
    raster.SetPenColour(colours::kBlack);
    raster.SetPenWidth(2);
    raster.Line({-kPixelLimit, -kPixelLimit}, {kPixelLimit, kPixelLimit});
    EXPECT_EQ(PixelAt(raster, 32, 32), colours::kBlack);
    raster.SetFill(colours::kGrey);
    const PixelPoint huge[] = {{-kPixelLimit, -kPixelLimit}, {kPixelLimit, -kPixelLimit}, {0, kPixelLimit}};
    raster.Polygon(huge);
    EXPECT_EQ(PixelAt(raster, 10, 50), colours::kGrey);
    raster.Ellipse(-kPixelLimit, -kPixelLimit, kPixelLimit, kPixelLimit);
    raster.Text({kPixelLimit, -kPixelLimit}, "far");
    SUCCEED();
}

TEST(QtRaster, RegionPlotColours)
{
    const auto raster = BusyPicture();
    const QImage image = raster->Image();
    EXPECT_GT(CountPixels(image, colours::kSkyBlue), 5000);
    EXPECT_GT(CountPixels(image, colours::kSilver), 200);
    EXPECT_GT(CountPixels(image, colours::kRed), 50);
    EXPECT_GT(CountPixels(image, colours::kBlue), 50);
}

TEST(QtRaster, PicturesLandOnTheirPixelsWithTheirOpacity)
{
    // Two pixels, red then blue, ten times larger, starting at surface pixel (10, 5).
    RgbaImage picture {2, 1, {255, 0, 0, 255, 0, 0, 255, 255}};
    QtRaster raster(40, 20);
    raster.DrawImage(picture, {10, 0, 0, 10, 10, 5}, 1.0);
    EXPECT_EQ(PixelAt(raster, 9, 10), colours::kWhite);
    EXPECT_EQ(PixelAt(raster, 12, 6), colours::kRed);
    EXPECT_EQ(PixelAt(raster, 27, 14), colours::kBlue);
    EXPECT_EQ(PixelAt(raster, 31, 10), colours::kWhite);
    EXPECT_EQ(PixelAt(raster, 20, 16), colours::kWhite);

    QtRaster faint(40, 20);
    faint.DrawImage(picture, {10, 0, 0, 10, 10, 5}, 0.5);
    const Rgb half = PixelAt(faint, 12, 10);
    EXPECT_EQ(half.r, 255);
    EXPECT_NEAR(half.g, 128, 1);
    // A transparent pixel and a picture that cannot be placed leave the surface alone.
    picture.Pixels[3] = 0;
    QtRaster clear(40, 20);
    clear.DrawImage(picture, {10, 0, 0, 10, 10, 5}, 1.0);
    clear.DrawImage(picture, {0, 0, 0, 0, 10, 5}, 1.0);
    EXPECT_EQ(CountPixels(clear.Image(), colours::kWhite), 40 * 20 - 100);
}

}  // namespace
}  // namespace orvane
