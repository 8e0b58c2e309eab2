// The sequential hindcast: a steady wind grows the sea exactly as the growth
// laws' duration-limited waves, the closed-form curves invert themselves,
// and calms, wind shifts and gaps start the sea again.
#include "core/ClimateHindcast.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"

namespace orvane {
namespace {

constexpr double kFetchM = 10'000.0;

// A hindcast over a uniform fetch in a 4 m deep project, with hourly rows.
struct Fixture {
    ProjectRecord rec {};
    DegreeFetches fetches;
    HindcastInput input;

    explicit Fixture(GrowthLaw law)
    {
        SetProjectDefaults(rec);
        rec.CoordUnits = 2;  // m: the depth is in m
        rec.Depth = 4.0f;
        fetches.centralM.assign(360, static_cast<float>(kFetchM));
        fetches.effectiveM.assign(360, static_cast<float>(kFetchM));
        input.project = &rec;
        input.law = law;
        input.wind.airMinusWaterC = 0.0;  // R_T = 1: the observed speed is U10
    }
    Hindcast Run(const std::vector<WindRow>& winds) const { return RunHindcast(input, winds, fetches); }
};

std::vector<WindRow> Steady(int hours, float speedMs, float direction = 0.0f)
{
    std::vector<WindRow> rows;
    for (int h = 0; h < hours; ++h)
        rows.push_back({3600LL * h, speedMs, direction});
    return rows;
}

TEST(ClimateHindcast, ASteadyWindGivesTheLawsDurationLimitedAndFullyGrownWaves)
{
    for (GrowthLaw law : AllGrowthLaws()) {
        SCOPED_TRACE(GrowthLawName(law));
        const Fixture f(law);
        const Hindcast h = f.Run(Steady(30, 15.0f));
        ASSERT_EQ(h.rows.size(), 30u);
        for (int hours : {1, 3, 24}) {
            const HindcastRow& row = h.rows[static_cast<std::size_t>(hours - 1)];
            const GrowthResult expected = Grow(law, {15.0, kFetchM, 4.0, hours * 3600.0});
            EXPECT_NEAR(row.hsM, expected.hm0M, 2e-4 * expected.hm0M + 1e-6) << hours << " h";
            EXPECT_NEAR(row.tpS, expected.tpS, 2e-4 * expected.tpS + 1e-6) << hours << " h";
            EXPECT_EQ(row.limit == SeaLimit::Duration, expected.limited == GrowthLimit::Duration) << hours << " h";
        }
    }
}

TEST(ClimateHindcast, TheGrowthCurvesInvertThemselves)
{
    for (GrowthLaw law : AllGrowthLaws()) {
        const GrowthCurve curve(law, 18.0, 6.0);
        for (double fetch : {200.0, 3'000.0, 25'000.0}) {
            const double h = curve.Height(fetch);
            const double back = curve.FetchOfHeight(h);
            if (std::isfinite(back)) {
                EXPECT_NEAR(curve.Height(back), h, 1e-9 * h) << GrowthLawName(law) << " " << fetch;
            }
            const double t = curve.Duration(fetch);
            EXPECT_NEAR(curve.Height(curve.FetchOfDuration(t)), h, 1e-6 * h) << GrowthLawName(law) << " " << fetch;
        }
    }
    for (double t : {10.0, 1e3, 1e5, 1e7})
        EXPECT_NEAR(SmbEquivalentFetchClosed(t), SmbEquivalentFetch(t), 1e-9 * SmbEquivalentFetch(t)) << t;
}

TEST(ClimateHindcast, CalmsShiftsAndGapsStartTheSeaAgain)
{
    const Fixture f(GrowthLaw::Cem);
    const double oneHour = Grow(GrowthLaw::Cem, {12.0, kFetchM, 4.0, 3600.0}).hm0M;
    const double twoHours = Grow(GrowthLaw::Cem, {12.0, kFetchM, 4.0, 7200.0}).hm0M;
    struct {
        const char* name;
        std::vector<WindRow> rows;
        double second;  // Hs of the second row
    } const cases[] = {
        {"steady", {{0, 12, 90}, {3600, 12, 90}, {7200, 12, 90}}, twoHours},
        {"shift of 40 degrees keeps the sea", {{0, 12, 90}, {3600, 12, 130}, {7200, 12, 130}}, twoHours},
        {"shift of 50 degrees restarts", {{0, 12, 90}, {3600, 12, 140}, {7200, 12, 140}}, oneHour},
        {"shift across north", {{0, 12, 350}, {3600, 12, 20}, {7200, 12, 20}}, twoHours},
        {"a calm restarts", {{0, 0.5f, 90}, {3600, 12, 90}, {7200, 12, 90}}, oneHour},
        {"a gap of 7 h restarts", {{0, 12, 90}, {3600 * 7, 12, 90}, {3600 * 8, 12, 90}}, oneHour},
    };
    for (const auto& c : cases) {
        const Hindcast h = f.Run(c.rows);
        EXPECT_NEAR(h.rows[1].hsM, c.second, 1e-5) << c.name;
    }
    const Hindcast calm = f.Run({{0, 0.9f, 90}, {3600, 0.9f, 90}});
    EXPECT_EQ(calm.rows[0].limit, SeaLimit::Calm);
    EXPECT_EQ(calm.rows[0].hsM, 0.0f);
    // A sea above the new wind's fully grown wave falls to it.
    const Hindcast falls = f.Run({{0, 25, 90}, {3600 * 5, 25, 90}, {3600 * 6, 8, 90}, {3600 * 7, 8, 90}});
    const GrowthResult light = Grow(GrowthLaw::Cem, {8.0, kFetchM, 4.0, std::nullopt});
    EXPECT_GT(falls.rows[1].hsM, light.hm0M);
    EXPECT_NEAR(falls.rows[2].hsM, light.hm0M, 1e-5);
}

TEST(ClimateHindcast, DegreeFetchesFollowTheRegion)
{
    // A 10 km square with the point 2 km from its west side.
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = 3;  // km
    rec.BoundaryCount = 1;
    const float xs[] = {0, 10, 10, 0, 0}, ys[] = {0, 0, 10, 10, 0};
    rec.NodeCount[1] = 5;
    for (int k = 1; k <= 5; ++k) {
        rec.NodeNumber[1][k] = k;
        rec.NodeX[1][k] = xs[k - 1];
        rec.NodeY[1][k] = ys[k - 1];
    }
    rec.PointX = 2.0f;
    rec.PointY = 5.0f;
    rec.SectorAngle = 4.0f;
    const DegreeFetches f = MeasureDegreeFetches(rec);
    EXPECT_NEAR(f.centralM[180], 2000.0, 5.0);  // wind from the west: the fetch to the west shore
    EXPECT_NEAR(f.centralM[0], 8000.0, 5.0);
    EXPECT_NEAR(f.effectiveM[180], 2000.0, 10.0);
}

}  // namespace
}  // namespace orvane
