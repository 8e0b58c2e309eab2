// Points files and the waves at each point: positions by x,y or lon,lat,
// rows with bad cells kept with their reason, per-point attributes only when
// asked, each point the computation run's own, and the CSV written back.
#include "core/SitePoints.h"

#include <cstring>

#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "core/ComputeWaves.h"
#include "core/Random.h"

namespace orvane {
namespace {

TEST(SitePoints, CsvPositionsAndBadRows)
{
    struct Case {
        const char* name;
        const char* text;
        const char* error;  // of the table, or of its first point
        bool lonLat;
    };
    const Case cases[] = {
        {"x,y", "id,X,Y\na,1.5,2\n", "", false},
        {"lon,lat", "Longitude;Latitude;site\n15,5;40,25;p\n", "", true},
        {"x,y wins over lon,lat", "lon,lat,x,y\n1,2,3,4\n", "", false},
        {"no position columns", "a,b\n1,2\n", "the header names no x and y (or lon and lat) columns", false},
        {"empty cell", "x,y\n1,\n", "the position is empty", false},
        {"no number", "x,y\n1,east\n", "y 'east' is not a number", false},
        {"extra cells", "x,y\n1,2,3\n", "more cells than the header has columns", false},
        {"lon/lat range", "lon,lat\n200,10\n", "lon/lat out of range", true},
    };
    for (const Case& c : cases) {
        const PointTable t = ParsePointsCsv(c.text);
        const std::string error = !t.error.empty() ? t.error : t.points.empty() ? "no points" : t.points[0].error;
        EXPECT_EQ(error, c.error) << c.name;
        if (*c.error == '\0') {
            EXPECT_TRUE(t.points[0].hasPosition) << c.name;
            EXPECT_EQ(t.points[0].lonLat, c.lonLat) << c.name;
        }
    }
    const PointTable semicolons = ParsePointsCsv("Longitude;Latitude;site\n15,5;40,25;p\n");
    EXPECT_EQ(semicolons.points[0].x, 15.5);
    EXPECT_EQ(semicolons.points[0].y, 40.25);
}

TEST(SitePoints, EachPointIsTheRunAtThatPoint)
{
    ProjectRecord rec = test::EmptyFeetProject();
    rec.CoordUnits = 2;
    rec.BoundaryCount = 2;
    test::SetBoundary(rec, 1, test::Square(0, 0, 1000));
    test::SetBoundary(rec, 2, test::Square(600, 600, 100));
    rec.WindDirection = 200.0f;
    rec.DirectionalMethod = kSeymour;
    PointTable table = ParsePointsCsv("x,y,speed,sector\n250,300,40,\n650,650,,\n-5,10,,\n400,700,1,200\n");
    ASSERT_EQ(table.points.size(), 4u);

    for (const bool fields : {false, true}) {
        const std::vector<SiteResult> results = RunSitePoints(rec, GrowthOptions {}, table, fields);
        for (std::size_t k : {0u, 3u}) {
            ProjectRecord at = rec;
            at.PointX = static_cast<float>(table.points[k].x);
            at.PointY = static_cast<float>(table.points[k].y);
            if (fields) {
                at.WindVelocity = k == 0 ? 40.0f : 5.0f;  // 1 is raised to 5, as a commit does
                at.SectorAngle = k == 0 ? rec.SectorAngle : 180.0f;
            }
            ClampMethodCodes(at);  // as orvane-cli compute does
            WaveResults expected {};
            RandomGenerator random;
            random.Seed(1);
            ComputeWaves(at, expected, random);
            ASSERT_TRUE(results[k].inWater) << k;
            EXPECT_EQ(std::memcmp(&results[k].hs, &expected.HeightM, sizeof(float)), 0) << k << " " << fields;
            EXPECT_EQ(std::memcmp(&results[k].ts, &expected.Period, sizeof(float)), 0) << k << " " << fields;
            EXPECT_EQ(results[k].limited, "fetch");
        }
        // On the island and outside the shore: kept, without waves.
        EXPECT_TRUE(results[1].computed && !results[1].inWater);
        EXPECT_TRUE(results[2].computed && !results[2].inWater);
        EXPECT_EQ(results[3].note, fields ? "sector 200 -> 180; speed 1 -> 5" : "");
        if (!fields)
            continue;
        const std::string csv = SitePointsCsv(table, results);
        EXPECT_EQ(csv.substr(0, csv.find('\n')),
                  "x,y,speed,sector,in_water,central_fetch,effective_fetch,hs,ts,limited,note");
        EXPECT_NE(csv.find("\n650,650,,,false,,,,,,\n"), std::string::npos) << csv;
    }
}

}  // namespace
}  // namespace orvane
