#include "core/WaveRose.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

using test::SameBits;

// Every row against a full ComputeWaves of the project turned to that wind.
void ExpectRoseIsComputeWaves(const ProjectRecord& rec, int step)
{
    const WaveRoseResult rose = WaveRose(rec, step);
    ASSERT_EQ(rose.rows.size(), static_cast<std::size_t>(360 / step));
    RandomGenerator random(1u);
    WaveResults results {};
    for (const RoseRow& row : rose.rows) {
        ProjectRecord turned = rec;
        turned.WindDirection = static_cast<float>(row.windDirectionDeg);
        ComputeWaves(turned, results, random);
        const Sector sector = MakeSector(turned);
        ASSERT_TRUE(SameBits(row.heightM, results.HeightM) && SameBits(row.heightFt, results.HeightFt) &&
                    SameBits(row.period, results.Period))
            << "direction " << row.windDirectionDeg << ": " << row.heightFt << " vs " << results.HeightFt;
        ASSERT_TRUE(SameBits(row.centralFetch, WindDirectionFetch(turned))) << row.windDirectionDeg;
        ASSERT_TRUE(SameBits(row.effectiveFetch, EffectiveFetch(sector))) << row.windDirectionDeg;
    }
}

TEST(WaveRose, EveryRowIsComputeWavesBitForBit)
{
    std::mt19937 gen(2024u);
    for (int run = 0; run < 4; ++run) {
        ProjectRecord rec = test::RandomRegion(gen, run % 2 ? 9000.0f : 25.0f, 0.0f, 0.0f, 60);
        for (int method = 0; method <= 2; ++method) {
            for (float sector : {4.0f, 45.0f, 90.0f, 180.0f}) {
                SCOPED_TRACE(testing::Message() << "run " << run << " method " << method << " sector " << sector);
                rec.DirectionalMethod = method;
                rec.SectorAngle = sector;
                // One 2-degree rose of the widest sector: the most sharing of rays.
                ExpectRoseIsComputeWaves(rec, run == 0 && sector == 180.0f && method == 2 ? 2 : 30);
            }
        }
    }
}

TEST(WaveRose, RaysAreSharedBetweenOverlappingSectors)
{
    std::mt19937 gen(5u);
    ProjectRecord rec = test::RandomRegion(gen, 100.0f, 0.0f, 0.0f, 40);
    rec.SectorAngle = 180.0f;
    // Sector rays at the odd degrees -89 .. 447 (269), central rays at the
    // even degrees 0 .. 358 (180); a rose without sharing would scan 16,380.
    EXPECT_EQ(WaveRose(rec, 2).raysMeasured, 269 + 180);
}

TEST(WaveRose, CircularLakeGivesAUniformRose)
{
    ProjectRecord rec = test::EmptyFeetProject();
    rec.CoordUnits = 3;  // km
    // Nodes a quarter step off the whole degrees: a ray straight through a
    // node can miss both of its segments by rounding and read no fetch.
    test::Polygon ring;
    for (int k = 0; k < 720; ++k) {
        const double a = (k + 0.25) * kPi / 360;
        ring.emplace_back(static_cast<float>(8.0 * std::cos(a)), static_cast<float>(8.0 * std::sin(a)));
    }
    ring.push_back(ring.front());
    test::SetBoundary(rec, 1, ring);
    rec.PointX = rec.PointY = 0.0f;
    for (int method = 0; method <= 2; ++method) {
        rec.DirectionalMethod = method;
        const WaveRoseResult rose = WaveRose(rec, 5);
        ASSERT_EQ(rose.rows.size(), 72u);
        for (const RoseRow& row : rose.rows) {
            // A half-degree chord lies 0.001 % inside the circle.
            EXPECT_NEAR(row.centralFetch, 8.0f, 1e-3f);
            EXPECT_NEAR(row.effectiveFetch, 8.0f, 1e-3f);
            EXPECT_NEAR(row.heightM, rose.rows[0].heightM, 1e-4f * rose.rows[0].heightM);
            EXPECT_NEAR(row.period, rose.rows[0].period, 1e-4f * rose.rows[0].period);
        }
        EXPECT_GT(rose.rows[0].heightM, 0.5f);
    }
}

TEST(WaveRose, StepsThatDoNotDivideTheCircleGiveNoRows)
{
    const struct {
        int step;
        bool valid;
    } cases[] = {{1, true},    {2, true},  {45, true},   {90, true},   {0, false},
                 {-10, false}, {7, false}, {120, false}, {180, false}, {360, false}};
    const ProjectRecord rec = test::EmptyFeetProject();
    for (const auto& c : cases) {
        EXPECT_EQ(ValidRoseStep(c.step), c.valid) << c.step;
        EXPECT_EQ(WaveRose(rec, c.step).rows.empty(), !c.valid) << c.step;
    }
}

TEST(WaveRose, CsvHasOneLinePerDirectionAndEmptyCellsForNoNumber)
{
    WaveRoseResult rose;
    rose.stepDeg = 90;
    rose.rows = {{0, 90.0, 6.5f, 7.25f, 1.5f, 4.92f, 3.5f}, {90, 0.0, 0.0f, 0.0f, NAN, NAN, NAN}};
    EXPECT_EQ(WaveRoseCsv(rose), "wind_direction_deg,bearing_deg,central_fetch,effective_fetch,hs_m,hs_ft,ts_s\n"
                                 "0,90,6.5,7.25,1.5,4.92,3.5\n"
                                 "90,0,0,0,,,\n");
}

}  // namespace
}  // namespace orvane
