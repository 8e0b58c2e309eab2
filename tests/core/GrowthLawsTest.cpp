// The growth laws against hand computations of their published equations,
// and the properties every law must keep.
#include "core/GrowthLaws.h"

#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "core/ComputeWaves.h"
#include "core/Format.h"
#include "core/Scenario.h"
#include "core/WaveFormulas.h"
#include "core/WaveRose.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

GrowthResult At(GrowthLaw law, double u10, double fetchM, double depthM = 1000.0,
                std::optional<double> durationH = std::nullopt)
{
    GrowthInput in;
    in.u10Ms = u10;
    in.fetchM = fetchM;
    in.depthM = depthM;
    if (durationH)
        in.durationS = *durationH * 3600.0;
    return Grow(law, in);
}

// U10 = 20 m/s over 50 km, g = 9.81 m/s^2; hand computations (no published
// worked example of these forms was at hand):
//  cem: u* = 20 sqrt(0.0018) = 0.84853; gX/u*^2 = 681 250; Hm0 = 0.0413 x 825.38 x 0.0733945 = 2.5019 m;
//       Tp = 0.651 x 87.986 x 0.086496 = 4.9547 s; t_min = (681 250 / 5.23e-3)^(2/3) u*/g = 6.1740 h;
//       2 h: gt/u* = 83 244, gX/u*^2 = 5.23e-3 x 83 244^1.5 = 125 613 -> 1.0743 m, 2.8200 s, 9 218.7 m.
//  spm84: U_A = 0.71 x 20^1.23 = 28.2830; gX/U_A^2 = 613.2; Hm0 = 3.2307 m, Tm = 6.9978 s, t_min = 3.9768 h.
//  spm84-shallow, d = 3 m: gd/U_A^2 = 0.036791, tanh(0.53 D^0.75) = 0.04608: 1.0229 m, 4.5116 s, t_min 1.2227 h.
//  young-verhagen, d = 3 m: gX/U10^2 = 1226.25, gd/U10^2 = 0.073575: 0.95826 m, 3.8388 s (depth-limited).
//  bretschneider: in feet, X = 32.2 x 164 040 / 65.616^2 = 1226.8: 2.8016 m, 6.5543 s; SMB t_min = 3.6365 h.
TEST(GrowthLaws, HandComputations)
{
    const struct {
        GrowthLaw law;
        double depthM;
        std::optional<double> durationH;
        double hm0, tp, minimumH;
        GrowthLimit limited;
    } cases[] = {
        {GrowthLaw::Cem, 1000, std::nullopt, 2.5019, 4.9547, 6.1740, GrowthLimit::Fetch},
        {GrowthLaw::Cem, 1000, 2.0, 1.0743, 2.8200, 6.1740, GrowthLimit::Duration},
        {GrowthLaw::Spm84, 1000, std::nullopt, 3.2307, 6.9978, 3.9768, GrowthLimit::Fetch},
        {GrowthLaw::Spm84Shallow, 3, std::nullopt, 1.0229, 4.5116, 1.2227, GrowthLimit::Depth},
        {GrowthLaw::YoungVerhagen, 3, std::nullopt, 0.95826, 3.8388, NAN, GrowthLimit::Depth},
        {GrowthLaw::Bretschneider, 1000, std::nullopt, 2.8016, 6.5543, 3.6365, GrowthLimit::Fetch},
    };
    for (const auto& c : cases) {
        const GrowthResult r = At(c.law, 20.0, 50000.0, c.depthM, c.durationH);
        const std::string name = GrowthLawName(c.law);
        EXPECT_NEAR(r.hm0M, c.hm0, 2e-4 * c.hm0) << name;
        EXPECT_NEAR(r.tpS, c.tp, 2e-4 * c.tp) << name;
        if (!std::isnan(c.minimumH)) {
            EXPECT_NEAR(r.minimumDurationS / 3600.0, c.minimumH, 2e-4 * c.minimumH) << name;
        }
        EXPECT_EQ(r.limited, c.limited) << name;
    }
    EXPECT_NEAR(*At(GrowthLaw::Cem, 20.0, 50000.0, 1000, 2.0).equivalentFetchM, 9218.7, 0.1);
}

TEST(GrowthLaws, FullDevelopmentAndDepthLimits)
{
    // CEM caps: gHm0/u*^2 = 211.5 and gTp/u* = 239.8 far out.
    const double uStar = 20.0 * std::sqrt(0.0018);
    const GrowthResult cem = At(GrowthLaw::Cem, 20.0, 5e7);
    EXPECT_EQ(cem.limited, GrowthLimit::FullyDeveloped);
    EXPECT_NEAR(cem.hm0M, 211.5 * uStar * uStar / 9.81, 1e-9);
    EXPECT_NEAR(cem.tpS, 239.8 * uStar / 9.81, 1e-9);
    // SPM 1984: gHm0/U_A^2 = 0.2433.
    EXPECT_EQ(At(GrowthLaw::Spm84, 10.0, 1e7).limited, GrowthLimit::FullyDeveloped);
    // A deep lake leaves the finite-depth laws at their deep-water forms.
    EXPECT_EQ(At(GrowthLaw::YoungVerhagen, 10.0, 1e9, 1e5).limited, GrowthLimit::FullyDeveloped);
    EXPECT_NEAR(At(GrowthLaw::YoungVerhagen, 10.0, 1e9, 1e5).hm0M, 4.0 * std::sqrt(3.64e-3) * 100 / 9.81, 1e-6);
    EXPECT_EQ(At(GrowthLaw::BretschneiderDepth, 25.0, 1e6, 2.0).limited, GrowthLimit::Depth);
}

TEST(GrowthLaws, EveryLawGrowsWithFetchAndWindWithinItsLimits)
{
    for (GrowthLaw law : AllGrowthLaws()) {
        const std::string name = GrowthLawName(law);
        const double fullHeight = At(law, 15.0, 1e9, 8.0).hm0M;
        double previous = 0.0;
        for (double fetch : {100.0, 1e3, 1e4, 1e5, 1e6}) {
            const GrowthResult r = At(law, 15.0, fetch, 8.0);
            EXPECT_GT(r.hm0M, previous) << name << " " << fetch;
            EXPECT_LE(r.hm0M, fullHeight * (1 + 1e-12)) << name << " " << fetch;
            EXPECT_GT(At(law, 18.0, fetch, 8.0).hm0M, r.hm0M) << name << " " << fetch;
            for (double hours : {0.5, 2.0, 24.0}) {
                const GrowthResult d = At(law, 15.0, fetch, 8.0, hours);
                EXPECT_LE(d.hm0M, r.hm0M * (1 + 1e-6)) << name << " " << fetch << " " << hours;
                EXPECT_EQ(d.limited == GrowthLimit::Duration, hours * 3600.0 < r.minimumDurationS)
                    << name << " " << fetch << " " << hours;
            }
            previous = r.hm0M;
        }
        EXPECT_EQ(At(law, 15.0, 0.0, 8.0).hm0M, 0.0) << name;
        EXPECT_TRUE(std::isnan(At(law, NAN, 1e4, 8.0).hm0M)) << name;
    }
}

TEST(GrowthLaws, ProgramFormulasWithoutDurationAreSignificantWaveBitForBit)
{
    for (int method = 0; method < 3; ++method) {
        for (float fetchFt : {0.0f, 32808.0f, 1.5e6f}) {
            const HeightPeriod plain = SignificantWave(method, fetchFt, 54.66f, 32.808f);
            for (const WaveLaw& law : {WaveLaw(method), WaveLaw(9, LawOfSignificantMethod(method))}) {
                const HeightPeriod same = law(fetchFt, 54.66f, 32.808f);
                EXPECT_EQ(std::memcmp(&plain, &same, sizeof plain), 0) << method << " " << fetchFt;
            }
        }
    }
    // A duration cuts the fetch to the SMB curve's equivalent fetch.
    const double t = 32.2 * 3600.0 / 54.66;
    EXPECT_NEAR(SmbMinimumDuration(SmbEquivalentFetch(t)), t, 1e-9 * t);
    const HeightPeriod limited = WaveLaw(0, std::nullopt, 3600.0)(1.5e6f, 54.66f, 32.808f);
    EXPECT_LT(limited.H, SignificantWave(0, 1.5e6f, 54.66f, 32.808f).H);
}

// A 30 km square lake in metres, point near its south-west corner, 60 km/h.
ProjectRecord Lake(int directional)
{
    ProjectRecord rec = test::EmptyFeetProject();
    rec.CoordUnits = kCoordMetres;
    test::SetBoundary(rec, 1, test::Square(0, 0, 30000));
    rec.PointX = rec.PointY = 1000;
    rec.DirectionalMethod = directional;
    rec.SignificantMethod = kBretschneider;
    rec.SpectrumType = kJonswap;  // as the commit rules store it, so the scenarios compute the same
    return rec;
}

TEST(GrowthRun, EveryDirectionalMethodTakesTheLawAndTheDuration)
{
    const GrowthOptions cem {GrowthLaw::Cem, std::nullopt}, cemHour {GrowthLaw::Cem, 1.0};
    for (int directional = 0; directional < 3; ++directional) {
        const ProjectRecord rec = Lake(directional);
        RandomGenerator random;
        WaveResults plain {}, law {}, hour {};
        ComputeWaves(rec, plain, random);
        ComputeWaves(rec, cem, law, random);
        ComputeWaves(rec, cemHour, hour, random);
        EXPECT_NE(law.HeightM, plain.HeightM) << directional;
        EXPECT_LT(hour.HeightM, law.HeightM) << directional;
        EXPECT_LT(hour.Period, law.Period) << directional;

        const GrowthSummary summary = SummariseGrowth(rec, MakeSector(rec), cemHour);
        ASSERT_EQ(summary.result.limited, GrowthLimit::Duration) << directional;
        EXPECT_EQ(GrowthLimitText(summary), Format("duration-limited: 1.0 h needs %.1f h for this fetch",
                                                   summary.result.minimumDurationS / 3600.0));
        EXPECT_TRUE(GrowthTextLines(SummariseGrowth(rec, MakeSector(rec), GrowthOptions {})).empty());

        // The rose and the scenarios give the run's own waves.
        const WaveRoseResult rose = WaveRose(rec, 45, cemHour);
        EXPECT_EQ(rose.rows[1].heightM, hour.HeightM) << directional;
        ScenarioCase wind;
        wind.windDirection = rec.WindDirection;
        wind.windVelocity = rec.WindVelocity;
        EXPECT_EQ(ScenarioRun(rec, {wind}, cemHour).front().heightM, hour.HeightM) << directional;
    }
}

}  // namespace
}  // namespace orvane
