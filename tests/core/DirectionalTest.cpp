#include "core/Directional.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/EngineMath.h"
#include "core/WaveFormulas.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(Sector, DirectionCount)
{
    struct Case {
        float sector;
        int count;
    } cases[] = {{45, 22},
                 {7, 4},
                 {180, 90},
                 {4, 2},
                 {5, 2},
                 {3, 2},
                 {9, 4},
                 {0, 0},
                 {-30, 0},
                 {kNaN, 0},
                 {360, 180},
                 {1e9f, 180},
                 {std::numeric_limits<float>::infinity(), 180}};
    for (const Case& c : cases)
        EXPECT_EQ(SectorDirectionCount(c.sector), c.count) << c.sector;
}

TEST(Sector, DirectionsAreTwoDegreesApartAroundTheWind)
{
    struct Case {
        float wind, sector;
        int count;
        float first, last;
    } cases[] = {
        {45, 180, 90, -44, 134},
        {10, 45, 22, 10 - 21.5f, 10 + 20.5f},
        {0, 7, 4, -2.5f, 3.5f},
    };
    for (const Case& c : cases) {
        ProjectRecord rec = test::EmptyFeetProject();
        test::SetBoundary(rec, 1, test::Square(-10, -10, 20));
        rec.WindDirection = c.wind;
        rec.SectorAngle = c.sector;
        const Sector sector = MakeSector(rec);
        ASSERT_EQ(sector.count, c.count);
        EXPECT_EQ(sector.directions[0].deg, c.first);
        EXPECT_EQ(sector.directions[static_cast<std::size_t>(c.count - 1)].deg, c.last);
        for (int i = 1; i < c.count; ++i)
            EXPECT_EQ(sector.directions[static_cast<std::size_t>(i)].deg -
                          sector.directions[static_cast<std::size_t>(i - 1)].deg,
                      2.0f);
        EXPECT_EQ(sector.directions[0].rad, F32(c.first * kDegToRad));
        EXPECT_EQ(sector.windRad, F32(c.wind * kDegToRad));
        EXPECT_GT(sector.directions[0].fetchFt, 0.0f);
    }
}

// A sector whose every direction has the same fetch, in the units of the
// worked example (60 km/h, 10 m of depth).
Sector UniformSector(int count, float fetchFt)
{
    Sector sector;
    sector.count = count;
    sector.windRad = F32(30 * kDegToRad);
    sector.speedFtS = 54.66f;
    sector.depthFt = 32.808f;
    for (int i = 0; i < count; ++i) {
        SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        dir.deg = F32(30.0 - count + 1.0 + 2.0 * i);
        dir.rad = F32(dir.deg * kDegToRad);
        dir.fetchFt = fetchFt;
        dir.fetch = fetchFt;
    }
    return sector;
}

TEST(DirectionalMethods, UniformFetchGivesTheSingleDirectionWave)
{
    for (int method = 0; method <= 2; ++method) {
        SCOPED_TRACE(method);
        const HeightPeriod single = SignificantWave(method, 32808.0f, 54.66f, 32.808f);
        const Sector sector = UniformSector(22, 32808.0f);
        const WaveEstimate effective = EffectiveFetchWave(sector, method);
        EXPECT_EQ(effective.heightFt, single.H);
        EXPECT_EQ(effective.period, single.T);
        EXPECT_EQ(effective.heightM, F32(single.H / 3.2808));
        const WaveEstimate saville = SavilleWave(sector, method);
        EXPECT_NEAR(saville.heightFt, single.H, 1e-6f * single.H);
        EXPECT_NEAR(saville.period, single.T, 1e-6f * single.T);
    }
}

TEST(DirectionalMethods, SeymourWeightsAddUpToOne)
{
    // K = 2 / (2h + sin 2h) is 1 / integral of cos^2 over the half sector h:
    // 2/pi for 180 degrees. The weights then sum to 1, so a uniform fetch
    // gives the effective-fetch height (times 2.832 / sqrt(8) from the area).
    EXPECT_FLOAT_EQ(SeymourSpreadingConstant(90, 2.0f), static_cast<float>(2.0 / 3.14159265358979323846));
    for (const int count : {2, 45, 90}) {  // sectors of 4, 90 and 180 degrees
        SCOPED_TRACE(count);
        for (const int method : {0, 2}) {
            const Sector sector = UniformSector(count, 32808.0f);
            WaveResults seymour {};
            WaveResults effective {};
            SeymourWave(sector, 64, 1, method, true, seymour);
            RunEffectiveFetch(sector, 64, 1, method, true, effective);
            EXPECT_NEAR(seymour.HeightM / effective.HeightM, 1.0, 0.01) << method;
            EXPECT_NEAR(seymour.HeightM, seymour.HeightFt / 3.2808, 1e-6);
            // The peak period is a grid frequency near the directions' period.
            EXPECT_NEAR(seymour.Period, effective.Period, effective.Period * 0.05);
        }
    }
}

TEST(DirectionalMethods, SavilleWithoutWavesIsZeroNotNaN)
{
    const WaveEstimate none = SavilleWave(UniformSector(10, 0.0f), 2);
    EXPECT_EQ(none.heightFt, 0.0f);
    EXPECT_EQ(none.heightM, 0.0f);
    EXPECT_EQ(none.period, 0.0f);
    const WaveEstimate empty = EffectiveFetchWave(UniformSector(0, 100.0f), 0);
    EXPECT_EQ(empty.heightFt, 0.0f);
    EXPECT_EQ(empty.period, 0.0f);
}

// A run without fetch must not leave an earlier run's spectrum in place.
TEST(DirectionalMethods, NoFetchClearsTheSpectrum)
{
    using RunMethod = void (*)(const Sector&, int, int, int, bool, WaveResults&);
    const struct {
        const char* name;
        RunMethod run;
        float period;
    } cases[] = {
        {"effective fetch", RunEffectiveFetch, 0.0f}, {"Saville", RunSaville, 0.0f}, {"Seymour", SeymourWave, 1.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WaveResults results {};
        c.run(UniformSector(40, 30000.0f), 64, 1, 1, true, results);
        ASSERT_GT(results.Density[20], 0.0f);
        c.run(UniformSector(40, 0.0f), 64, 1, 1, true, results);
        EXPECT_EQ(results.HeightM, 0.0f);
        EXPECT_EQ(results.HeightFt, 0.0f);
        EXPECT_EQ(results.Period, c.period);
        for (int k = 0; k <= 64; ++k) {
            ASSERT_EQ(results.Freq[k], 0.0f) << k;
            ASSERT_EQ(results.Density[k], 0.0f) << k;
        }
    }
}

TEST(DirectionalMethods, SeymourSurvivesDirectionsWithVeryShortFetch)
{
    // One ray meets a pier 3 ft away: its spectrum peaks far above the common
    // grid and has no energy on it. It must add nothing, not NaN.
    for (int type : {0, 1}) {
        SCOPED_TRACE(type);
        Sector sector = UniformSector(30, 32808.0f);
        sector.directions[12].fetchFt = 3.0f;
        WaveResults results {};
        SeymourWave(sector, 64, type, 0, false, results);
        EXPECT_TRUE(std::isfinite(results.HeightFt));
        EXPECT_GT(results.HeightFt, 3.0f);
        for (int k = 1; k <= 64; ++k)
            ASSERT_TRUE(std::isfinite(results.Density[k])) << k;
    }
}

TEST(DirectionalMethods, MethodsAgreeOnMetricAndFeetHeights)
{
    WaveResults feet {}, metric {};
    const Sector sector = UniformSector(20, 20000.0f);
    RunSaville(sector, 64, 0, 1, false, feet);
    RunSaville(sector, 64, 0, 1, true, metric);
    EXPECT_EQ(feet.HeightFt, metric.HeightFt);
    EXPECT_EQ(feet.Period, metric.Period);
    // The display spectrum is scaled to the height in the project's unit.
    EXPECT_NEAR(feet.Density[20] / metric.Density[20], 3.2808 * 3.2808, 1e-3);
}

}  // namespace
}  // namespace orvane
