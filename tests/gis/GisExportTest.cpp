// GIS export: the round trip through every format, the attributes and fetch
// rays against the engine's fetch, and failures (a full disk, a rename that
// fails) that leave the old files as they were. Read-only targets and links:
// tests/cli/gis_export_protection.cmake.

#include "gis/GisExport.h"

#include <charconv>
#include <csignal>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "core/Directional.h"
#include "core/Format.h"
#include "core/ProjectFile.h"
#include "gis/ShorelineImport.h"
#include "tests/gis/GisTestData.h"

namespace orvane {
namespace {

// A harbour in UTM 33N: a shore of 12 nodes, two islands; in metres, or in
// kilometres (CoordUnits 3) with the same numbers divided by 1000.
ProjectRecord Harbour(int coordUnits = 2)
{
    const double per = coordUnits == 3 ? 1000.0 : 1.0;
    ProjectRecord rec {};
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
    } cases[] = {{"m.geojson", 2, 32633},
                 {"m.gpkg", 2, 32633},
                 {"m.kml", 2, 32633},
                 {"m.shp", 2, 32633},
                 // No system: the units attribute keeps kilometres kilometres.
                 {"km.geojson", 3, 0},
                 {"km.gpkg", 3, 0},
                 {"km.shp", 3, 0}};
    for (const auto& c : cases) {
        const ProjectRecord original = Harbour(c.coordUnits);
        const std::string path = dir + "/" + c.name;
        const GisExportResult out = ExportGis(original, path, {false, c.epsg, {}, {}});
        ASSERT_EQ(out.message, "") << c.name;
        ProjectRecord back = original;
        ClearBoundaries(back);
        const ShorelineImportResult in = ImportShoreline(back, path, {});
        ASSERT_EQ(in.message, "") << c.name;
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

// Every feature's attributes as "kind units name=value ...", sorted; a
// Shapefile's cut field names are found by their first 10 characters.
std::vector<std::string> Attributes(const std::string& path)
{
    std::vector<std::string> lines;
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset)
        return {"cannot open " + path};
    for (OGRLayer* layer : dataset->GetLayers()) {
        for (const auto& f : *layer) {
            std::string line = std::string(f->GetFieldAsString("kind")) + " " + f->GetFieldAsString("units");
            for (const std::string name : {"wind_deg", "sector_deg", "direction_deg", "fetch"}) {
                int index = f->GetFieldIndex(name.c_str());
                if (index < 0)
                    index = f->GetFieldIndex(name.substr(0, 10).c_str());
                if (index >= 0 && f->IsFieldSetAndNotNull(index))
                    line += Format(" %s=%.10g", name, f->GetFieldAsDouble(index));
            }
            lines.push_back(line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(GisExport, EveryFormatGivesTheEngineFetchesUnderTheirNames)
{
    ProjectRecord bay {};
    ASSERT_TRUE(LoadProject(bay, ORVANE_SAMPLES_DIR "/Bay.WDT"));
    const std::string dir = test::WorkFolder("rays");
    const Sector sector = MakeSector(bay);
    // Bay is in kilometres; given as UTM its lengths are written in metres.
    std::vector<std::string> expected {
        Format("point m wind_deg=%.10g sector_deg=%.10g", bay.WindDirection, bay.SectorAngle), "region m"};
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& d = sector.directions[static_cast<std::size_t>(i)];
        // The fetch as the number its float32 stands for (9376.525, not 9376.5244...).
        char shortest[32];
        const auto end = std::to_chars(shortest, shortest + sizeof shortest, d.fetch).ptr;
        expected.push_back(
            Format("ray m direction_deg=%.10g fetch=%.10g", d.deg, 1000.0 * std::stod(std::string(shortest, end))));
    }
    std::sort(expected.begin(), expected.end());
    for (const char* name : {"bay.geojson", "bay.gpkg", "bay.kml", "bay.shp"}) {
        const std::string path = dir + "/" + name;
        ASSERT_EQ(ExportGis(bay, path, {true, 32633, {}, {}}).message, "") << name;
        if (std::string(name) == "bay.shp") {
            std::vector<std::string> all;
            for (const char* layer : {"/bay.shp", "/bay_point.shp", "/bay_rays.shp"}) {
                const std::vector<std::string> part = Attributes(dir + layer);
                all.insert(all.end(), part.begin(), part.end());
            }
            std::sort(all.begin(), all.end());
            EXPECT_EQ(all, expected) << name;
        } else {
            EXPECT_EQ(Attributes(path), expected) << name;
        }
    }

    // Each ray is as long as its fetch.
    const std::string path = dir + "/bay-km.geojson";
    ASSERT_EQ(ExportGis(bay, path, {true, 0, {}, {}}).message, "");
    GDALDatasetUniquePtr dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayer(0);
    int rays = 0;
    for (OGRFeatureUniquePtr f(layer->GetNextFeature()); f; f.reset(layer->GetNextFeature())) {
        if (std::string(f->GetFieldAsString("kind")) != "ray")
            continue;
        const SectorDirection& d = sector.directions[static_cast<std::size_t>(rays++)];
        EXPECT_NEAR(f->GetGeometryRef()->toLineString()->get_Length(), d.fetch, 1e-5 * d.fetch) << d.deg;
        EXPECT_EQ(static_cast<float>(f->GetFieldAsDouble("fetch")), d.fetch);
    }
    EXPECT_EQ(rays, sector.count) << "every direction of the sample meets a shore";
}

// name -> bytes of every file in a folder, hidden ones included.
std::map<std::string, std::string> Snapshot(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::stringstream bytes;
        if (entry.is_regular_file())
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().filename().string()] = entry.is_regular_file() ? bytes.str() : "(folder)";
    }
    return files;
}

// A full disk as the program meets it: every write past a few hundred bytes
// fails (the file size limit, its signal ignored).
class SmallFileLimit {
public:
    SmallFileLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 200;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit saved_ {};
    void (*handler_)(int) = nullptr;
};

TEST(GisExport, AFailedWriteKeepsTheOldFiles)
{
    const ProjectRecord rec = Harbour();
    for (const char* name : {"old.geojson", "old.gpkg", "old.kml", "old.shp"}) {
        const std::string dir = test::WorkFolder("full");
        ProjectRecord earlier = rec;
        earlier.PointX += 10.0f;
        ASSERT_EQ(ExportGis(earlier, dir + "/" + name, {true, 32633, {}, {}}).message, "") << name;
        const auto before = Snapshot(dir);
        GisExportResult out;
        {
            const SmallFileLimit full;
            out = ExportGis(rec, dir + "/" + name, {true, 32633, {}, {}});
        }
        EXPECT_NE(out.message.find("cannot write ["), std::string::npos) << name << ": " << out.message;
        EXPECT_NE(out.message.find("file too large"), std::string::npos) << name << ": " << out.message;
        EXPECT_TRUE(out.files.empty());
        EXPECT_EQ(Snapshot(dir), before) << name << ": the old files, and nothing else";
    }
}

TEST(GisExport, AShapefileSetIsWholeAgainWhenARenameFails)
{
    const std::string dir = test::WorkFolder("set");
    const ProjectRecord rec = Harbour();
    ProjectRecord earlier = rec;
    earlier.PointX += 10.0f;
    // The old set has no rays: the new rays files must go again too.
    ASSERT_EQ(ExportGis(earlier, dir + "/set.shp", {false, 32633, {}, {}}).message, "");
    const auto before = Snapshot(dir);
    const std::size_t files = 15;  // .shp .shx .dbf .prj .cpg of three layers
    for (std::size_t k = 0; k < files; ++k) {
        GisExportOptions options {true, 32633, {}, {}};
        options.beforeEachMove = [k](std::size_t move) { return move != k; };
        const GisExportResult out = ExportGis(rec, dir + "/set.shp", options);
        EXPECT_NE(out.message.find("cannot write ["), std::string::npos) << k;
        EXPECT_EQ(Snapshot(dir), before) << "failed at rename " << k;
    }
    GisExportOptions options {true, 32633, {}, {}};
    std::size_t moves = 0;
    options.beforeEachMove = [&moves](std::size_t) { return ++moves > 0; };
    ASSERT_EQ(ExportGis(rec, dir + "/set.shp", options).message, "");
    EXPECT_EQ(moves, files);
    const auto after = Snapshot(dir);
    EXPECT_EQ(after.size(), files);
    EXPECT_NE(after.at("set_point.shp"), before.at("set_point.shp"));
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
        {"old.kml", &rec, {false, 0, {}, {}}, "KML holds longitude/latitude", true},
        {"old.gpkg", &rec, {false, 4326, {}, {}}, "not a projected", true},
        {"old.gpkg", &rec, {false, 999999, {}, {}}, "unknown coordinate system", true},
        {"old.txt", &rec, {false, 0, {}, {}}, "unknown GIS format", true},
        {"old.geojson", &noShore, {false, 0, {}, {}}, "no outer boundary", false},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/" + c.name;
        std::ofstream(path) << "previous contents";
        const GisExportResult out = ExportGis(*c.rec, path, c.options);
        EXPECT_NE(out.message.find(c.expect), std::string::npos) << out.message;
        EXPECT_EQ(out.badArguments, c.usage) << c.name;
        std::stringstream kept;
        kept << std::ifstream(path).rdbuf();
        EXPECT_EQ(kept.str(), "previous contents") << c.name;
    }
    EXPECT_EQ(ParseEpsg(" epsg:32633 "), 32633);
    EXPECT_EQ(ParseEpsg("EPSG:"), 0);
    EXPECT_EQ(ParseEpsg("32633"), 0);
    // A successful export leaves no temporary folder behind.
    ASSERT_EQ(ExportGis(rec, dir + "/new.shp", {true, 32633, {}, {}}).message, "");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        entries += entry.path().filename().string().rfind(".new", 0) == 0 ? 100 : 1;
    EXPECT_EQ(entries, 4 + 3 * 5) << "four old files and .shp .shx .dbf .prj .cpg of three layers";
}

}  // namespace
}  // namespace orvane
