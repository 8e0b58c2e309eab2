#include "core/Scenario.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/Fetch.h"
#include "core/Region.h"
#include "core/ScenarioCsv.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

struct Expected {
    int row;
    float direction, speed;
    std::optional<float> sector, depth, x, y;
    std::string error;  // a bad row when not empty
};

TEST(ScenarioCsv, ReadsColumnsInAnyOrderAndMarksBadRows)
{
    const struct {
        const char* name;
        const char* text;
        char separator;
        std::vector<Expected> rows;
    } cases[] = {
        {"required columns only",
         "direction,speed\n45,20\n-10.5,7\n",
         ',',
         {{2, 45, 20, {}, {}, {}, {}, ""}, {3, -10.5f, 7, {}, {}, {}, {}, ""}}},
        {"any order, any case, blanks and extra columns",
         "Y , id,SPEED,x,direction,Depth,sector\r\n"
         "2.5,a,30, 1.5 ,90,12,60\r\n",
         ',',
         {{2, 90, 30, 60.0f, 12.0f, 1.5f, 2.5f, ""}}},
        {"semicolons with decimal commas",
         "\xEF\xBB\xBFspeed;direction;depth\n12,5;270;3,25\n",
         ';',
         {{2, 270, 12.5f, {}, 3.25f, {}, {}, ""}}},
        {"empty optional cells take the project's",
         "direction,speed,sector\n10,20,\n",
         ',',
         {{2, 10, 20, {}, {}, {}, {}, ""}}},
        {"quoted cells, blank and empty lines skipped, rows keep their line",
         "\"direction\",speed,name\n\n30,\"10\",\"a, \"\"b\"\"\nc\"\n,,\n40,11,x\n",
         ',',
         {{3, 30, 10, {}, {}, {}, {}, ""}, {6, 40, 11, {}, {}, {}, {}, ""}}},
        {"bad rows",
         "direction,speed\nnorth,10\n20,\n30,1e99\n40,inf\n50,5,6\n60,5,\n",
         ',',
         {{2, 0, 0, {}, {}, {}, {}, "direction 'north' is not a number"},
          {3, 0, 0, {}, {}, {}, {}, "speed is empty"},
          {4, 0, 0, {}, {}, {}, {}, "speed '1e99' is not a number"},
          {5, 0, 0, {}, {}, {}, {}, "speed 'inf' is not a number"},
          {6, 0, 0, {}, {}, {}, {}, "more cells than the header has columns"},
          {7, 60, 5, {}, {}, {}, {}, ""}}},
        {"a comma file keeps the comma as separator",
         "direction,speed\n\"12,5\",10\n",
         ',',
         {{2, 0, 0, {}, {}, {}, {}, "direction '12,5' is not a number"}}},
        // A compass "from" bearing: north is 90 degrees from +x, east 0, NE 45.
        {"bearing instead of direction",
         "Bearing,speed\n0,10\n90,10\n45,10\n270.5,10\n",
         ',',
         {{2, 90, 10, {}, {}, {}, {}, ""},
          {3, 0, 10, {}, {}, {}, {}, ""},
          {4, 45, 10, {}, {}, {}, {}, ""},
          {5, 179.5f, 10, {}, {}, {}, {}, ""}}},
        {"direction or bearing, one per row",
         "direction,bearing,speed\n10,,5\n,180,5\n10,180,5\n,,5\n",
         ',',
         {{2, 10, 5, {}, {}, {}, {}, ""},
          {3, 270, 5, {}, {}, {}, {}, ""},
          {4, 0, 0, {}, {}, {}, {}, "both direction and bearing are given; give one of them"},
          {5, 0, 0, {}, {}, {}, {}, "direction and bearing are empty"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScenarioCsv csv = ParseScenarioCsv(c.text);
        ASSERT_EQ(csv.error, "");
        EXPECT_EQ(csv.separator, c.separator);
        ASSERT_EQ(csv.rows.size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const ScenarioCsvRow& row = csv.rows[i];
            const Expected& e = c.rows[i];
            EXPECT_EQ(row.row, e.row);
            EXPECT_EQ(row.error, e.error);
            ASSERT_EQ(row.scenario.has_value(), e.error.empty());
            if (!row.scenario)
                continue;
            EXPECT_EQ(row.scenario->windDirection, e.direction);
            EXPECT_EQ(row.scenario->windVelocity, e.speed);
            EXPECT_EQ(row.scenario->sectorAngle, e.sector);
            EXPECT_EQ(row.scenario->depth, e.depth);
            EXPECT_EQ(row.scenario->pointX, e.x);
            EXPECT_EQ(row.scenario->pointY, e.y);
        }
    }
}

TEST(ScenarioCsv, FilesWithoutTheRequiredColumnsAreRefused)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "no header line"},
        {"\n\n", "no header line"},
        {"direction,velocity\n10,20\n", "the header has no 'speed' column"},
        {"speed\n10\n", "the header has no 'direction' or 'bearing' column"},
        {"direction,speed,Direction\n1,2,3\n", "column 'direction' is named twice"},
    };
    for (const auto& c : cases) {
        const ScenarioCsv csv = ParseScenarioCsv(c.text);
        EXPECT_EQ(csv.error, c.error) << c.text;
        EXPECT_TRUE(csv.rows.empty());
    }
}

TEST(ScenarioCsv, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    EXPECT_EQ(CsvField("12.5", ','), "12.5");
    EXPECT_EQ(CsvField("12,5", ';'), "\"12,5\"");
    EXPECT_EQ(CsvField("12,5", ','), "\"12,5\"");
    EXPECT_EQ(CsvField("sector 200 -> 180; speed 3 -> 5", ';'), "\"sector 200 -> 180; speed 3 -> 5\"");
    EXPECT_EQ(CsvField("say \"hi\"", ','), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField(" padded", ','), "\" padded\"");
}

ProjectRecord Lake()
{
    ProjectRecord rec = test::EmptyFeetProject();
    rec.CoordUnits = 2;  // m
    test::SetBoundary(rec, 1, test::Square(0.0f, 0.0f, 4000.0f));
    test::SetBoundary(rec, 2, test::Square(2500.0f, 2500.0f, 500.0f));
    rec.PointX = rec.PointY = 1000.0f;
    rec.SectorAngle = 60.0f;
    rec.WindVelocity = 15.0f;
    rec.VelocityUnits = 0;
    rec.Depth = 8.0f;
    rec.SpectrumType = 0;  // the default 2 computes as another type once committed
    return rec;
}

TEST(ScenarioRunner, CasesAreComputeWavesOfTheChangedProject)
{
    const struct {
        const char* name;
        ScenarioCase scenario;
        const char* note;
        bool inWater;
    } cases[] = {
        {"wind only", {45, 20, {}, {}, {}, {}}, "", true},
        {"every field", {200, 12, 90.0f, 30.0f, 3000.0f, 500.0f}, "", true},
        {"limits", {10, 3, 200.0f, 1.0f, {}, {}}, "sector 200 -> 180; speed 3 -> 5; depth 1 -> 5", true},
        {"narrow sector", {10, 30, 2.0f, {}, {}, {}}, "sector 2 -> 4", true},
        {"on the island", {10, 30, {}, {}, 2700.0f, 2700.0f}, "", false},
        {"outside the lake", {10, 30, {}, {}, -50.0f, 100.0f}, "", false},
    };
    for (int method = 0; method <= 2; ++method) {
        ProjectRecord rec = Lake();
        rec.DirectionalMethod = method;
        const ScenarioRunner runner(rec);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", method " << method);
            const ScenarioResult r = runner.Run(c.scenario);
            EXPECT_EQ(r.note, c.note);
            EXPECT_EQ(r.pointInWater, c.inWater);

            ProjectRecord changed = rec;
            changed.WindDirection = r.windDirection;
            changed.WindVelocity = r.windVelocity;
            changed.SectorAngle = r.sectorAngle;
            changed.Depth = r.depth;
            changed.PointX = r.pointX;
            changed.PointY = r.pointY;
            EXPECT_EQ(r.windDirection, c.scenario.windDirection);
            EXPECT_EQ(r.pointX, c.scenario.pointX.value_or(rec.PointX));
            WaveResults results {};
            RandomGenerator random(1u);
            ComputeWaves(changed, results, random);
            EXPECT_TRUE(test::SameBits(r.heightM, results.HeightM) && test::SameBits(r.heightFt, results.HeightFt) &&
                        test::SameBits(r.period, results.Period));
            EXPECT_TRUE(test::SameBits(r.centralFetch, WindDirectionFetch(changed)));
            EXPECT_TRUE(test::SameBits(r.effectiveFetch, EffectiveFetch(MakeSector(changed))));
        }
    }
}

}  // namespace
}  // namespace orvane
