// Shoreline import: formats, coordinate systems, the choice of the outer
// boundary and the islands, the node limit, and what reaches the record.

#include "gis/ShorelineImport.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include <arpa/inet.h>
#include <cpl_conv.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Format.h"
#include "core/ProjectRecord.h"
#include "gis/RingSimplify.h"
#include "tests/gis/GisTestData.h"

namespace orvane {
namespace {

using test::Blob;
using test::MakePolygon;
using test::WriteGisFile;

bool HasText(const std::vector<std::string>& lines, const std::string& part)
{
    for (const std::string& line : lines) {
        if (line.find(part) != std::string::npos)
            return true;
    }
    return false;
}

ProjectRecord Defaults()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    return rec;
}

TEST(ShorelineImport, EveryFormatGivesTheSameRegion)
{
    const std::string dir = test::WorkFolder("formats");
    const test::Lake lake;
    const struct {
        const char* driver;
        const char* file;
    } formats[] = {
        {"GeoJSON", "lake.geojson"}, {"ESRI Shapefile", "lake.shp"}, {"GPKG", "lake.gpkg"}, {"KML", "lake.kml"}};
    std::vector<Shoreline> read;
    for (const auto& format : formats) {
        const std::string path = dir + "/" + format.file;
        ASSERT_TRUE(WriteGisFile(path, format.driver, 4326, {lake.shape.get()})) << format.file;
        read.push_back(ReadShoreline(path, Defaults(), {}));
        const Shoreline& sh = read.back();
        ASSERT_EQ(sh.message, "") << format.file;
        EXPECT_EQ(sh.epsg, 32634) << format.file;
        EXPECT_EQ(sh.coordUnits, 2);
        ASSERT_EQ(sh.rings.size(), 3u) << format.file;
        EXPECT_EQ(sh.rings[0].size(), 999u) << "the smallest tolerance that fits keeps the most nodes";
        EXPECT_TRUE(HasText(sh.warnings, "outer boundary simplified from 3001 to 999 nodes")) << format.file;
        EXPECT_TRUE(HasText(sh.warnings, "largest deviation"));
        EXPECT_TRUE(HasText(sh.notes, "EPSG:32634"));
        EXPECT_TRUE(HasText(sh.warnings, "point is not") == false) << "ReadShoreline does not judge the point";
    }
    for (std::size_t f = 1; f < read.size(); ++f) {
        for (std::size_t r = 0; r < read[0].rings.size(); ++r) {
            ASSERT_EQ(read[f].rings[r].size(), read[0].rings[r].size()) << formats[f].file << " ring " << r;
            for (std::size_t k = 0; k < read[0].rings[r].size(); ++k) {
                EXPECT_NEAR(read[f].rings[r][k].x, read[0].rings[r][k].x, 1e-3) << formats[f].file;
                EXPECT_NEAR(read[f].rings[r][k].y, read[0].rings[r][k].y, 1e-3) << formats[f].file;
            }
        }
    }
}

TEST(ShorelineImport, CoordinateSystems)
{
    const std::string dir = test::WorkFolder("systems");
    const struct {
        const char* name;
        int epsg;       // written into the file, 0 for none
        double cx, cy;  // centre of a 20-node square-ish blob, r = 1% of the larger
        int units;      // expected CoordUnits
        int expectEpsg;
        bool kept;  // coordinates unchanged
    } cases[] = {
        {"utm metres kept", 32633, 500000.0, 4600000.0, 2, 32633, true},
        {"us feet kept", 2263, 990000.0, 200000.0, 0, 2263, true},
        {"lon/lat to utm", 4326, -70.5, -33.4, 2, 32719, false},
        {"no system, degrees", 0, 151.2, -33.8, 2, 32756, false},
        {"no system, large numbers", 0, 250000.0, 250000.0, 2, 0, true},
    };
    for (const auto& c : cases) {
        const Ring ring = Blob(c.cx, c.cy, std::max(std::fabs(c.cx), std::fabs(c.cy)) * 0.0001, 20, 1.0, 0.1);
        const std::string path = dir + "/shore.gpkg";
        const auto polygon = MakePolygon({ring});
        ASSERT_TRUE(WriteGisFile(path, "GPKG", c.epsg, {polygon.get()})) << c.name;
        const Shoreline sh = ReadShoreline(path, Defaults(), {});
        ASSERT_EQ(sh.message, "") << c.name;
        EXPECT_EQ(sh.coordUnits, c.units) << c.name;
        EXPECT_EQ(sh.epsg, c.expectEpsg) << c.name;
        ASSERT_EQ(sh.rings.size(), 1u);
        EXPECT_EQ(sh.rings[0].size(), 21u) << c.name;
        EXPECT_EQ(std::fabs(sh.rings[0][0].x - ring[0].x) < 1e-6, c.kept) << c.name;
    }
}

TEST(ShorelineImport, OnlyAnExportedRegionNamesTheUnitOfItsCoordinates)
{
    // GeoJSON in degrees whose polygon carries a "units" property of its own.
    const std::string dir = test::WorkFolder("units");
    const struct {
        const char* properties;
        int epsg;  // 0: the numbers are taken as metres
    } cases[] = {{R"("units": "m", "name": "depth contour")", 32634}, {R"("kind": "region", "units": "m")", 0}};
    for (const auto& c : cases) {
        const std::string path = dir + "/shore.geojson";
        std::ofstream(path) << R"({"type": "FeatureCollection", "features": [{"type": "Feature", "properties": {)"
                            << c.properties << R"(}, "geometry": {"type": "Polygon", "coordinates": [[)"
                            << "[23.6, 37.8], [23.8, 37.8], [23.8, 37.9], [23.6, 37.9], [23.6, 37.8]]]}}]}";
        const Shoreline sh = ReadShoreline(path, Defaults(), {});
        ASSERT_EQ(sh.message, "") << c.properties;
        EXPECT_EQ(sh.epsg, c.epsg) << c.properties;
    }
}

TEST(ShorelineImport, OuterBoundaryAndIslands)
{
    const std::string dir = test::WorkFolder("choice");
    // A large lake without islands, a smaller one with six of them.
    std::vector<std::unique_ptr<OGRPolygon>> polygons;
    polygons.push_back(MakePolygon({Blob(0.0, 0.0, 5000.0, 60)}));
    polygons.push_back(MakePolygon({Blob(20000.0, 0.0, 3000.0, 60)}));
    for (int i = 0; i < 6; ++i)
        polygons.push_back(MakePolygon({Blob(19000.0 + 400.0 * i, 0.0, 20.0 + 10.0 * i, 12, 1.0, 0.0)}));
    std::vector<const OGRGeometry*> geometries;
    for (const auto& p : polygons)
        geometries.push_back(p.get());
    const std::string path = dir + "/lakes.shp";
    ASSERT_TRUE(WriteGisFile(path, "ESRI Shapefile", 32633, geometries));

    ProjectRecord rec = Defaults();
    rec.CoordUnits = 2;
    rec.PointX = 21800.0f;  // inside the smaller lake, between islands
    rec.PointY = 1000.0f;
    const Shoreline around = ReadShoreline(path, rec, {});
    ASSERT_EQ(around.message, "");
    EXPECT_TRUE(HasText(around.notes, "containing the point"));
    ASSERT_EQ(around.rings.size(), 5u) << "outer and the four largest islands";
    EXPECT_GT(around.rings[0][0].x, 15000.0);
    EXPECT_NEAR(std::fabs(SignedArea(around.rings[1])), 3.0 * 40.0 * 40.0, 1e-6) << "the kept islands in file order";
    EXPECT_TRUE(HasText(around.warnings, "2 islands left out (the project holds the four largest); their areas: "
                                         "2700.0 m\xC2\xB2, 1200.0 m\xC2\xB2"));

    rec.PointX = -99999.0f;
    const Shoreline largest = ReadShoreline(path, rec, {});
    EXPECT_TRUE(HasText(largest.notes, "the largest of 8 polygons"));
    EXPECT_EQ(largest.rings.size(), 1u);

    ShorelineOptions options;  // a point given in the file's coordinates wins
    options.point = XY {21800.0, 1000.0};
    EXPECT_EQ(ReadShoreline(path, rec, options).rings.size(), 5u);
}

TEST(ShorelineImport, StoringInTheRecord)
{
    Shoreline sh;
    sh.coordUnits = 2;
    sh.rings = {Blob(0.0, 0.0, 1000.0, 8, 1.0, 0.0), Blob(300.0, 0.0, 50.0, 5, 1.0, 0.0)};
    ProjectRecord rec = Defaults();  // km, depth 100 m, point (0, 0)
    rec.CoordUnits = 0;              // ft: depth 100 ft
    rec.PointX = 328.0f;             // 100 m east: on the island
    StoreShoreline(sh, rec);
    EXPECT_EQ(rec.CoordUnits, 2);
    EXPECT_EQ(rec.BoundaryCount, 2);
    EXPECT_EQ(rec.NodeCount[1], 9);
    EXPECT_EQ(rec.NodeNumber[1][9], 9);
    EXPECT_EQ(rec.NodeX[1][9], rec.NodeX[1][1]) << "the closing copy is the last node";
    EXPECT_EQ(rec.NodeX[1][0], rec.NodeX[1][9]) << "position 0 holds the closing copy";
    EXPECT_EQ(rec.NodeCount[2], 6);
    EXPECT_NEAR(rec.PointX, 99.97, 0.01) << "the point keeps its place in the new unit";
    EXPECT_NEAR(rec.Depth, 30.48, 1e-4);
    EXPECT_FALSE(HasText(sh.warnings, "point is not in the water region")) << "100 m east is open water";

    sh.point = XY {300.0, 0.0};  // the centre of the island
    StoreShoreline(sh, rec);
    EXPECT_EQ(rec.PointX, 300.0f);
    EXPECT_TRUE(HasText(sh.warnings, "point is not in the water region"));
}

TEST(ShorelineImport, RefusalsChangeNothing)
{
    const std::string dir = test::WorkFolder("refusals");
    const OGRPoint a(1.0, 2.0);
    const OGRPoint b(3.0, 4.0);
    ASSERT_TRUE(WriteGisFile(dir + "/points.geojson", "GeoJSON", 4326, {&a, &b}));
    std::ofstream(dir + "/notes.geojson") << "survey notes, no geometry\n";
    // Numbers a float32 record cannot hold: they would be stored as inf.
    for (const char* big : {"1e39", "1e300"}) {
        std::ofstream(dir + "/" + big + ".geojson")
            << R"({"type": "Polygon", "coordinates": [[[0, 0], [1000, 0], [1000, )" << big << "], [0, 0]]]}";
    }
    ASSERT_EQ(::mkfifo((dir + "/fifo.geojson").c_str(), 0600), 0);
    const struct {
        std::string source;
        std::string layer;
        std::string expect;
    } cases[] = {
        {dir + "/points.geojson", "", "no polygon or closed line"},
        {dir + "/missing.gpkg", "", "cannot read GIS file"},
        {dir + "/notes.geojson", "", "cannot read GIS file [" + dir + "/notes.geojson]: not a vector format"},
        {dir + "/points.geojson", "roads", "no layer [roads]"},
        {dir + "/1e39.geojson", "", "the coordinate 1e+39 in [" + dir + "/1e39.geojson] cannot be stored"},
        {dir + "/1e300.geojson", "", "the coordinate 1e+300 in [" + dir + "/1e300.geojson] cannot be stored"},
        {dir + "/fifo.geojson", "", "[" + dir + "/fifo.geojson] is not a regular file"},
    };
    for (const auto& c : cases) {
        ProjectRecord rec = Defaults();
        rec.NodeCount[1] = 3;
        const ProjectRecord before = rec;
        ShorelineOptions options;
        options.layer = c.layer;
        const ShorelineImportResult result = ImportShoreline(rec, c.source, options);
        EXPECT_NE(result.message.find(c.expect), std::string::npos) << result.message;
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0) << c.expect;
    }
}

// A port on this computer that listens and never answers: a connection
// attempt shows up as a pending connection.
struct Listener {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    int port = 0;
    Listener()
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(fd, 16) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
    }
    ~Listener() { ::close(fd); }
    int Connections() const
    {
        int count = 0;
        for (int c; (c = ::accept(fd, nullptr, nullptr)) >= 0; ++count)
            ::close(c);
        return count;
    }
};

TEST(ShorelineImport, NothingReachesTheNetwork)
{
    const Listener server;
    ASSERT_GT(server.port, 0);
    // Should a request be made after all, it fails soon instead of waiting.
    CPLSetConfigOption("GDAL_HTTP_TIMEOUT", "2");
    const std::string url = Format("http://127.0.0.1:%d/lake.geojson", server.port);
    const std::string dir = test::WorkFolder("network");
    std::ofstream(dir + "/remote.vrt") << "<OGRVRTDataSource><OGRVRTLayer name=\"lake\"><SrcDataSource>/vsicurl/" << url
                                       << "</SrcDataSource></OGRVRTLayer></OGRVRTDataSource>";
    for (const std::string& source : {dir + "/remote.vrt", "/vsicurl/" + url, "/vsicurl_streaming/" + url,
                                      "/vsizip//vsicurl/" + url + ".zip", url}) {
        ProjectRecord rec = Defaults();
        const ProjectRecord before = rec;
        EXPECT_NE(ImportShoreline(rec, source, {}).message, "") << source;
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0) << source;
        LayerNames(source);  // the window's choice of layer reads them too
    }
    EXPECT_EQ(server.Connections(), 0);
}

TEST(ShorelineImport, ProgressAndCancel)
{
    const std::string dir = test::WorkFolder("progress");
    const test::Lake lake;
    const std::string path = dir + "/lake.gpkg";
    ASSERT_TRUE(WriteGisFile(path, "GPKG", 4326, {lake.shape.get()}));
    for (const std::size_t stop : {0, 4, 1000}) {
        std::vector<double> seen;
        ShorelineOptions options;
        options.progress = [&seen, stop](double done) {
            seen.push_back(done);
            return seen.size() <= stop;
        };
        ProjectRecord rec = Defaults();
        const ProjectRecord before = rec;
        const ShorelineImportResult result = ImportShoreline(rec, path, options);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        if (stop < seen.size()) {  // stopped where it was told, and nothing stored
            EXPECT_TRUE(result.cancelled && result.message == "the import was cancelled") << result.message;
            EXPECT_EQ(seen.size(), stop + 1);
            EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0);
        } else {
            EXPECT_EQ(result.message, "");
            EXPECT_GT(seen.size(), 5u);
            EXPECT_EQ(seen.back(), 1.0);
        }
    }
}

TEST(RingSimplify, SmallestToleranceAndTopology)
{
    // A zigzag shore of 3,000 nodes with a narrow bay at angle 0 and an
    // island in the bay: the simplified shore cuts the bay off, and with it
    // the island, without crossing it. That is reported.
    Ring shore;
    for (int i = 3; i <= 2997; ++i) {
        const double t = 2.0 * M_PI * i / 3000.0;
        const double r = 1000.0 + ((i % 2) ? 6.0 : -6.0);
        shore.push_back({r * std::cos(t), r * std::sin(t)});
    }
    for (const XY& p : {XY {1000.0, -2.0}, XY {1010.0, -2.0}, XY {1010.0, 2.0}, XY {1000.0, 2.0}})
        shore.push_back(p);
    shore = CleanRing(shore);
    const Ring island = CleanRing({{1005.0, -0.5}, {1007.0, -0.5}, {1007.0, 0.5}, {1005.0, 0.5}});
    const auto inside = [&](const Ring& outer) { return MakePolygon({outer})->Contains(MakePolygon({island}).get()); };
    ASSERT_TRUE(inside(shore));

    const FittedRings alone = FitRingsToNodeLimit({shore}, 999);
    ASSERT_TRUE(alone.ok);
    ASSERT_EQ(alone.changes.size(), 1u);
    const RingChange& change = alone.changes[0];
    EXPECT_EQ(change.nodesBefore, 3000u);
    EXPECT_LE(change.nodesAfter, 999u);
    EXPECT_GT(change.deviation, 0.0);
    EXPECT_LE(change.deviation, change.tolerance * (1.0 + 1e-9));
    EXPECT_NEAR(change.deviation, MaxDeviation(shore, alone.rings[0]), 1e-12);
    EXPECT_FALSE(inside(alone.rings[0])) << "the case must need the joint simplification";
    const FittedRings finer = FitRingsToNodeLimit({shore}, 2000);
    EXPECT_LT(finer.changes[0].tolerance, change.tolerance) << "a larger limit needs less simplification";

    const FittedRings both = FitRingsToNodeLimit({shore, island}, 999);
    ASSERT_TRUE(both.ok);
    EXPECT_LE(both.rings[0].size(), 999u);
    EXPECT_EQ(both.rings[1].size(), island.size());
    EXPECT_TRUE(both.jointly) << "the island left the polygon: all rings are tried together";
    EXPECT_EQ(both.strayIslands, std::vector<std::size_t> {1});
}

}  // namespace
}  // namespace orvane
