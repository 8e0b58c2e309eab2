// The project's coordinate system through PROJ, maps as GeoTIFF and points as
// GIS layers: true north against PROJ's own convergence, tiles that GDAL's
// mosaic joins into the whole map bit for bit, and a points layer that comes
// back with its positions and results.

#include <cmath>
#include <cstring>
#include <vector>

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <gtest/gtest.h>
#include <proj.h>

#include "core/MapGrid.h"
#include "core/Region.h"
#include "gis/CrsSupport.h"
#include "gis/MapRaster.h"
#include "gis/PointLayer.h"
#include "gis/ShorelineImport.h"
#include "tests/gis/GisTestData.h"

namespace orvane {
namespace {

// PROJ's meridian convergence at lon/lat for a projected system, degrees.
double ProjConvergence(const char* crs, double lon, double lat)
{
    PJ_CONTEXT* context = proj_context_create();
    PJ* projection = proj_create(context, crs);
    const PJ_FACTORS f = proj_factors(projection, proj_coord(proj_torad(lon), proj_torad(lat), 0, 0));
    proj_destroy(projection);
    proj_context_destroy(context);
    return proj_todeg(f.meridian_convergence);
}

TEST(ProjectCrs, TrueBearingsDifferFromGridBearingsByTheConvergence)
{
    struct Case {
        const char* crs;
        int coordUnits;
        double lon, lat;
    };
    // East and west of zone 33's central meridian (15 E), north and south,
    // with coordinates in m and in km.
    for (const Case& c : {Case {"EPSG:32633", 2, 17.5, 57.0}, Case {"EPSG:32633", 3, 12.2, 44.0},
                          Case {"EPSG:32733", 2, 16.0, -33.0}}) {
        const ProjectedPoint p = LonLatToProject(c.crs, c.coordUnits, c.lon, c.lat);
        ASSERT_TRUE(p.ok) << p.message;
        const GridConvergence g = GridConvergenceAt(c.crs, c.coordUnits, p.x, p.y);
        ASSERT_TRUE(g.ok) << g.message;
        const double proj = ProjConvergence(c.crs, c.lon, c.lat);
        EXPECT_GT(std::fabs(proj), 0.5) << c.lon;
        EXPECT_NEAR(g.degrees, proj, 1e-6) << c.crs << " " << c.lon << " " << c.lat;
        const BearingReference ref = TrueBearings(g.degrees);
        EXPECT_NEAR(std::remainder(BearingOfDirection(45.0, ref) - CompassBearing(45.0), 360.0), proj, 1e-6);
    }
    EXPECT_FALSE(GridConvergenceAt("EPSG:4326", 2, 1, 2).ok);  // not projected
    EXPECT_FALSE(DescribeCrs("EPSG:999999").ok);
    EXPECT_TRUE(DescribeCrs("EPSG:32634").projected);
}

TEST(MapRaster, TilesJoinedByGdalAreTheWholeMap)
{
    const std::string dir = test::WorkFolder("map-tiles");
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = 2;
    Shoreline sh;
    sh.coordUnits = 2;
    sh.rings.push_back(CleanRing(test::Blob(512345.25, 4634567.5, 3000.0, 40)));
    sh.rings.push_back(CleanRing(test::Blob(512000.0, 4634200.0, 400.0, 9, 1.0, 0.0)));
    StoreShoreline(sh, rec);
    const MapRasterInfo info {"EPSG:32633", 2, "hs", "m"};

    MapOptions options;
    options.cell = 150.0;
    const MapGridResult whole = ComputeMap(rec, options);
    ASSERT_TRUE(whole.ok) << whole.error;
    ASSERT_TRUE(WriteMapGeoTiff(dir + "/whole.tif", whole.grid, info));
    std::vector<std::string> tiles;
    for (int i = 1; i <= 3; ++i) {
        options.tileIndex = i;
        options.tileCount = 3;
        const MapGridResult tile = ComputeMap(rec, options);
        ASSERT_TRUE(tile.ok) << tile.error;
        tiles.push_back(dir + "/tile" + std::to_string(i) + ".tif");
        ASSERT_TRUE(WriteMapGeoTiff(tiles.back(), tile.grid, info));
    }

    GDALAllRegister();
    std::vector<const char*> names;
    for (const std::string& t : tiles)
        names.push_back(t.c_str());
    int usageError = 0;
    GDALDatasetH mosaic = GDALBuildVRT((dir + "/all.vrt").c_str(), static_cast<int>(names.size()), nullptr,
                                       names.data(), nullptr, &usageError);
    ASSERT_NE(mosaic, nullptr);
    const GDALDatasetUniquePtr single(GDALDataset::Open((dir + "/whole.tif").c_str(), GDAL_OF_RASTER));
    auto* joined = GDALDataset::FromHandle(mosaic);
    ASSERT_EQ(joined->GetRasterXSize(), single->GetRasterXSize());
    ASSERT_EQ(joined->GetRasterYSize(), single->GetRasterYSize());
    double a[6], b[6];
    joined->GetGeoTransform(a);
    single->GetGeoTransform(b);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(a[k], b[k]) << k;
    const int n = single->GetRasterXSize() * single->GetRasterYSize();
    std::vector<float> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    ASSERT_EQ(joined->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, joined->GetRasterXSize(), joined->GetRasterYSize(),
                                                 x.data(), joined->GetRasterXSize(), joined->GetRasterYSize(),
                                                 GDT_Float32, 0, 0, nullptr),
              CE_None);
    ASSERT_EQ(single->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, single->GetRasterXSize(), single->GetRasterYSize(),
                                                 y.data(), single->GetRasterXSize(), single->GetRasterYSize(),
                                                 GDT_Float32, 0, 0, nullptr),
              CE_None);
    GDALClose(mosaic);
    EXPECT_EQ(std::memcmp(x.data(), y.data(), x.size() * sizeof(float)), 0);
    EXPECT_NE(std::count(y.begin(), y.end(), static_cast<float>(kMapNoData)), 0);  // the corners are dry
    EXPECT_EQ(std::string(single->GetSpatialRef()->GetAuthorityCode(nullptr)), "32633");
}

TEST(PointLayer, WrittenPointsReadBackWithTheirResults)
{
    const std::string dir = test::WorkFolder("points-layer");
    PointTable table = ParsePointsCsv("name,x,y\nharbour,512.3,4634.9\nbad,1,\n");
    std::vector<SiteResult> results(2);
    results[0].computed = results[0].inWater = true;
    results[0].hs = 1.25f;
    results[0].limited = "fetch";
    for (const char* name : {"p.gpkg", "p.geojson"}) {
        const std::string path = dir + "/" + name;
        // Kilometres in the project, metres in the file's system.
        ASSERT_TRUE(WritePointLayer(path, table, results, "EPSG:32633", 3)) << name;
        const PointLayerRead back = ReadPointLayer(path, "", "EPSG:32633", 3);
        ASSERT_TRUE(back.ok) << back.message;
        ASSERT_EQ(back.table.points.size(), 2u) << name;
        const SitePoint& p = back.table.points[0];
        EXPECT_NEAR(p.x, 512.3, 1e-9);
        EXPECT_NEAR(p.y, 4634.9, 1e-9);
        EXPECT_EQ(back.table.columns.front(), "name");
        auto cell = [&](const char* column) {
            const auto it = std::find(back.table.columns.begin(), back.table.columns.end(), column);
            return p.cells[static_cast<std::size_t>(it - back.table.columns.begin())];
        };
        EXPECT_EQ(cell("hs"), "1.25");
        EXPECT_EQ(cell("limited"), "fetch");
        EXPECT_FALSE(back.table.points[1].hasPosition);  // the row without a position has no geometry
        // A layer in a system needs the project's to be placed.
        EXPECT_FALSE(ReadPointLayer(path, "", "", 3).ok);
    }
}

}  // namespace
}  // namespace orvane
