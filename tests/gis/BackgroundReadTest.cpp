// The drawing pad's backgrounds through GDAL: a GeoTIFF keeps its place and
// colours, a large one is read reduced, a reprojected one lands where PROJ
// says, band layouts become RGBA, layers give their lines, and network or
// missing sources are refused.

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "gis/GdalSupport.h"
#include "gis/GisBackground.h"
#include "tests/TestSupport.h"
#include "tests/gis/BackgroundTestData.h"
#include "tests/gis/GisTestData.h"

namespace orvane {
namespace {

using test::LakeRaster;

std::array<std::uint8_t, 4> PixelOf(const BackgroundRaster& r, int column, int row)
{
    const std::size_t at = 4 * (static_cast<std::size_t>(row) * r.width + column);
    return {r.rgba[at], r.rgba[at + 1], r.rgba[at + 2], r.rgba[at + 3]};
}

// The colour of the returned picture at world (x, y).
std::array<std::uint8_t, 4> ColourAt(const BackgroundRaster& r, double x, double y)
{
    const auto& g = r.geoTransform;  // north up here: no rotation terms
    const int column = static_cast<int>(std::floor((x - g[0]) / g[1]));
    const int row = static_cast<int>(std::floor((y - g[3]) / g[5]));
    EXPECT_TRUE(column >= 0 && column < r.width && row >= 0 && row < r.height) << column << "," << row;
    return PixelOf(r, std::clamp(column, 0, r.width - 1), std::clamp(row, 0, r.height - 1));
}

class BackgroundRead : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = test::WorkFolder("background");
        ASSERT_TRUE(test::WriteLakeRaster(folder + "/lake.tif"));
    }
    static std::string folder;
};
std::string BackgroundRead::folder;

constexpr std::array<std::uint8_t, 4> kLake {30, 60, 220, 255};
constexpr std::array<std::uint8_t, 4> kLand {60, 170, 60, 255};

TEST_F(BackgroundRead, GeoTiffKeepsItsPlaceAndColours)
{
    const BackgroundRaster r = ReadBackgroundRaster(folder + "/lake.tif", "", 1'000'000);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.width, LakeRaster::kWidth);
    EXPECT_EQ(r.height, LakeRaster::kHeight);
    EXPECT_TRUE(r.georeferenced);
    EXPECT_EQ(r.geoTransform, (std::array<double, 6> {542000, 10, 0, 4396000, 0, -10}));
    EXPECT_EQ(r.metresPerUnit, 1.0);
    EXPECT_NE(r.crs.find("EPSG:32633"), std::string::npos) << r.crs;
    EXPECT_EQ(ColourAt(r, LakeRaster::Centre().x, LakeRaster::Centre().y), kLake);
    EXPECT_EQ(PixelOf(r, 0, 0), kLand);
}

TEST_F(BackgroundRead, LargePictureIsReadReducedOverTheSameGround)
{
    const long long most = 100 * 67;  // a third of the pixels each way, nearly
    const BackgroundRaster r = ReadBackgroundRaster(folder + "/lake.tif", "", most);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_LE(static_cast<long long>(r.width) * r.height, most);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.sourceWidth, LakeRaster::kWidth);
    EXPECT_EQ(r.rgba.size(), static_cast<std::size_t>(r.width) * r.height * 4);
    EXPECT_DOUBLE_EQ(r.geoTransform[1] * r.width, 3000);
    EXPECT_DOUBLE_EQ(r.geoTransform[5] * r.height, -2000);
    EXPECT_EQ(ColourAt(r, LakeRaster::Centre().x, LakeRaster::Centre().y), kLake);
}

TEST_F(BackgroundRead, ReprojectedToTheTargetSystem)
{
    const BackgroundRaster r = ReadBackgroundRaster(folder + "/lake.tif", "EPSG:32634", 1'000'000);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NE(r.crs.find("EPSG:32634"), std::string::npos) << r.crs;
    OGRSpatialReference from;
    OGRSpatialReference to;
    ASSERT_TRUE(SrsFromEpsg(32633, from) && SrsFromEpsg(32634, to));
    const std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(&from, &to));
    ASSERT_TRUE(ct);
    // The lake's middle and a point of land near a corner land where PROJ puts them.
    for (const auto& [x, y, colour] : {std::tuple {LakeRaster::Centre().x, LakeRaster::Centre().y, kLake},
                                       std::tuple {542100.0, 4395900.0, kLand}}) {
        double px = x;
        double py = y;
        ASSERT_TRUE(ct->Transform(1, &px, &py));
        EXPECT_EQ(ColourAt(r, px, py), colour) << x << " " << y;
    }
    // Zone 33 turns a few degrees in zone 34: the picture's corners are outside the source.
    EXPECT_EQ(PixelOf(r, 0, 0)[3], 0);
}

TEST_F(BackgroundRead, BandLayoutsBecomeRgba)
{
    GDALColorTable palette;
    const GDALColorEntry red {200, 10, 10, 255};
    const GDALColorEntry blue {0, 0, 250, 255};
    palette.SetColorEntry(0, &blue);
    palette.SetColorEntry(1, &red);
    const double noData = -9999;
    const struct {
        const char* name;
        std::vector<std::vector<float>> bands;
        GDALDataType type;
        const GDALColorTable* palette;
        const double* noData;
        std::array<std::uint8_t, 4> first;
        std::array<std::uint8_t, 4> last;
    } cases[] = {
        {"palette", {{1, 1, 0}}, GDT_Byte, &palette, nullptr, {200, 10, 10, 255}, {0, 0, 250, 255}},
        {"depths stretched, nodata clear",
         {{-20, -5, -9999}},
         GDT_Float32,
         nullptr,
         &noData,
         {0, 0, 0, 255},
         {255, 255, 255, 0}},
        {"grey bytes", {{7, 8, 250}}, GDT_Byte, nullptr, nullptr, {7, 7, 7, 255}, {250, 250, 250, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder + "/bands.tif";
        ASSERT_TRUE(test::WritePicture(path, "GTiff", 3, 1, c.bands, c.type, nullptr, 0, c.palette, c.noData));
        const BackgroundRaster r = ReadBackgroundRaster(path, "", 100);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_FALSE(r.georeferenced);
        EXPECT_EQ(PixelOf(r, 0, 0), c.first);
        EXPECT_EQ(PixelOf(r, 2, 0), c.last);
    }
}

TEST_F(BackgroundRead, LayerLinesInTheTargetSystem)
{
    const std::string path = folder + "/shore.gpkg";
    const std::unique_ptr<OGRPolygon> lake =
        test::MakePolygon({{{542000, 4394000}, {545000, 4394000}, {545000, 4396000}, {542000, 4394000}},
                           {{543000, 4394500}, {543500, 4394500}, {543500, 4395000}, {543000, 4394500}}});
    OGRPoint buoy(543000, 4395000);
    ASSERT_TRUE(test::WriteGisFile(path, "GPKG", 32633, {lake.get()}));
    BackgroundLayer own = ReadBackgroundLayer(path, "");
    ASSERT_TRUE(own.ok) << own.message;
    ASSERT_EQ(own.lines.size(), 2u);  // the shore and the island's
    EXPECT_EQ(own.lines[0].size(), 4u);
    EXPECT_EQ(own.lines[1][1].x, 543500);
    EXPECT_EQ(own.metresPerUnit, 1.0);

    const BackgroundLayer moved = ReadBackgroundLayer(path, "EPSG:32634");
    ASSERT_TRUE(moved.ok) << moved.message;
    OGRSpatialReference from;
    OGRSpatialReference to;
    ASSERT_TRUE(SrsFromEpsg(32633, from) && SrsFromEpsg(32634, to));
    double x = 542000;
    double y = 4394000;
    ASSERT_TRUE(std::unique_ptr<OGRCoordinateTransformation>(OGRCreateCoordinateTransformation(&from, &to))
                    ->Transform(1, &x, &y));
    EXPECT_NEAR(moved.lines[0][0].x, x, 1e-6);
    EXPECT_NEAR(moved.lines[0][0].y, y, 1e-6);

    ASSERT_TRUE(test::WriteGisFile(folder + "/buoys.gpkg", "GPKG", 32633, {&buoy}));
    EXPECT_NE(ReadBackgroundLayer(folder + "/buoys.gpkg", "").message.find("no line or polygon"), std::string::npos);
}

TEST_F(BackgroundRead, SourcesThatAreNotReadSayWhy)
{
    test::WriteBytes(folder + "/notes.tif", "not a picture");
    const struct {
        std::string path;
        std::string target;
        const char* why;
    } cases[] = {
        {"/vsicurl/https://example.com/lake.tif", "", "network sources are not read"},
        {"https://example.com/lake.tif", "", "network sources are not read"},
        {folder + "/gone.tif", "", "there is no such file"},
        {folder + "/notes.tif", "", "cannot read picture"},
        {folder + "/lake.tif", "EPSG:999999", "is not known"},
        {folder + "/lake.tif", "/etc/passwd", "is not known"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const BackgroundRaster r = ReadBackgroundRaster(c.path, c.target, 1000);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
        EXPECT_TRUE(r.rgba.empty());
    }
    EXPECT_NE(ReadBackgroundLayer("/vsicurl/https://example.com/shore.gpkg", "").message.find("network"),
              std::string::npos);
}

}  // namespace
}  // namespace orvane
