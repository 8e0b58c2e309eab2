// GIS export: the round trip through every format, the fetch rays against the
// engine's fetch, and refusals that leave old files alone.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/Directional.h"
#include "core/ProjectFile.h"
#include "gis/GisExport.h"
#include "gis/ShorelineImport.h"
#include "tests/gis/GisTestData.h"

namespace orvane {
namespace {

// A harbour in UTM 33N: a shore of 12 nodes, two islands; in metres, or in
// kilometres (CoordUnits 3) with the same numbers divided by 1000.
ProjectRecord Harbour(int coordUnits = 2)
{
    const double per = coordUnits == 3 ? 1000.0 : 1.0;
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    rec.CoordUnits = coordUnits;
    const std::vector<Ring> rings = {test::Blob(512345.25 / per, 4634567.5 / per, 3000.0 / per, 12),
                                     test::Blob(511800.0 / per, 4634200.0 / per, 300.0 / per, 6, 1.0, 0.0),
                                     test::Blob(513000.0 / per, 4635000.0 / per, 200.0 / per, 5, 1.0, 0.0)};
    Shoreline sh;
    sh.coordUnits = coordUnits;
    for (const Ring& ring : rings)
        sh.rings.push_back(CleanRing(ring));
    StoreShoreline(sh, rec);
    rec.PointX = static_cast<float>(512300.0 / per);
    rec.PointY = static_cast<float>(4634900.0 / per);
    return rec;
}

TEST(GisExport, ImportGivesTheRegionBack)
{
    const std::string dir = test::WorkFolder("roundtrip");
    const struct {
        const char* name;
        int coordUnits;
        int epsg;
    } cases[] = {{"m.geojson", 2, 32633}, {"m.gpkg", 2, 32633}, {"m.kml", 2, 32633}, {"m.shp", 2, 32633},
                 // No system: the units attribute keeps kilometres kilometres.
                 {"km.geojson", 3, 0},    {"km.gpkg", 3, 0},    {"km.shp", 3, 0}};
    for (const auto& c : cases) {
        const ProjectRecord original = Harbour(c.coordUnits);
        const std::string path = dir + "/" + c.name;
        const GisExportResult out = ExportGis(original, path, {false, c.epsg});
        ASSERT_EQ(out.error, "") << c.name;
        ProjectRecord back = original;
        ClearBoundaries(back);
        const ShorelineImportResult in = ImportShoreline(back, path, {});
        ASSERT_EQ(in.error, "") << c.name;
        EXPECT_EQ(in.epsg, c.epsg) << c.name;
        EXPECT_EQ(back.CoordUnits, c.coordUnits) << c.name;
        ASSERT_EQ(back.BoundaryCount, original.BoundaryCount) << c.name;
        for (int b = 1; b <= original.BoundaryCount; ++b) {
            ASSERT_EQ(back.NodeCount[b], original.NodeCount[b]) << c.name << " boundary " << b;
            for (int k = 0; k <= original.NodeCount[b]; ++k) {
                // KML goes through longitude/latitude and back: one float32 step.
                const float ulp = std::nextafter(original.NodeY[b][k], INFINITY) - original.NodeY[b][k];
                EXPECT_NEAR(back.NodeX[b][k], original.NodeX[b][k], ulp) << c.name << " " << b << ":" << k;
                EXPECT_NEAR(back.NodeY[b][k], original.NodeY[b][k], ulp) << c.name << " " << b << ":" << k;
            }
        }
    }
}

TEST(GisExport, RaysAreTheEngineFetches)
{
    ProjectRecord bay{};
    ASSERT_TRUE(LoadProject(bay, ORVANE_SAMPLES_DIR "/Bay.WDT"));
    const std::string dir = test::WorkFolder("rays");
    const std::string path = dir + "/bay.geojson";
    const GisExportResult out = ExportGis(bay, path, {true, 0});
    ASSERT_EQ(out.error, "");
    ASSERT_EQ(out.files.size(), 1u);

    const Sector sector = MakeSector(bay);
    GDALDatasetUniquePtr dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayer(0);
    int rays = 0;
    for (OGRFeatureUniquePtr f(layer->GetNextFeature()); f; f.reset(layer->GetNextFeature())) {
        if (std::string(f->GetFieldAsString("kind")) != "ray")
            continue;
        const SectorDirection& d = sector.directions[static_cast<std::size_t>(rays++)];
        const double length = f->GetGeometryRef()->toLineString()->get_Length();
        EXPECT_NEAR(length, d.fetch, 1e-5 * d.fetch) << d.deg;
        EXPECT_EQ(static_cast<float>(f->GetFieldAsDouble("fetch")), d.fetch);
        EXPECT_EQ(static_cast<float>(f->GetFieldAsDouble("direction_deg")), d.deg);
        EXPECT_STREQ(f->GetFieldAsString("units"), "km");
    }
    EXPECT_EQ(rays, sector.count) << "every direction of the sample meets a shore";
}

TEST(GisExport, RefusalsLeaveOldFilesAlone)
{
    const std::string dir = test::WorkFolder("export-refusals");
    const ProjectRecord rec = Harbour();
    ProjectRecord noShore = rec;
    noShore.NodeCount[1] = 2;
    const struct {
        const char* name;
        const ProjectRecord* rec;
        GisExportOptions options;
        const char* expect;
        bool usage;  // the arguments are wrong, not the project
    } cases[] = {
        {"old.kml", &rec, {false, 0}, "KML holds longitude/latitude", true},
        {"old.gpkg", &rec, {false, 4326}, "not a projected", true},
        {"old.gpkg", &rec, {false, 999999}, "unknown coordinate system", true},
        {"old.txt", &rec, {false, 0}, "unknown GIS format", true},
        {"old.geojson", &noShore, {false, 0}, "no outer boundary", false},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/" + c.name;
        std::ofstream(path) << "previous contents";
        const GisExportResult out = ExportGis(*c.rec, path, c.options);
        EXPECT_NE(out.error.find(c.expect), std::string::npos) << out.error;
        EXPECT_EQ(out.badArguments, c.usage) << c.name;
        std::stringstream kept;
        kept << std::ifstream(path).rdbuf();
        EXPECT_EQ(kept.str(), "previous contents") << c.name;
    }
    EXPECT_EQ(ParseEpsg(" epsg:32633 "), 32633);
    EXPECT_EQ(ParseEpsg("EPSG:"), 0);
    EXPECT_EQ(ParseEpsg("32633"), 0);
    // A successful export leaves no temporary folder behind.
    ASSERT_EQ(ExportGis(rec, dir + "/new.shp", {true, 32633}).error, "");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        entries += entry.path().filename().string().rfind(".new", 0) == 0 ? 100 : 1;
    EXPECT_EQ(entries, 4 + 3 * 5) << "four old files and .shp .shx .dbf .prj .cpg of three layers";
}

}  // namespace
}  // namespace orvane
