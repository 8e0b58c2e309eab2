// The wind chain against the Coastal Engineering Manual's worked examples
// and a hand computation of every step.
#include "core/WindAdjust.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/Format.h"

namespace orvane {
namespace {

WindChain Chain(double speed, SpeedUnit unit, double heightM, double averagingS, Exposure exposure,
                std::optional<double> deltaT, double durationS = kOneHourS)
{
    WindObservation obs;
    obs.speed = speed;
    obs.unit = unit;
    obs.heightM = heightM;
    obs.averagingS = averagingS;
    obs.exposure = exposure;
    obs.airMinusWaterC = deltaT;
    obs.durationS = durationS;
    return AdjustWind(obs);
}

// USACE (2002) EM 1110-2-1100 Part II-2, Example Problem II-2-1: buoy winds
// of 5-min averaging, 20.3, 24.8 and 28.2 m/s, are 1-hr winds of "18.6,
// 22.8 and 25.9 m/s" with the ratio "approximately 1.09". The manual divides
// by the rounded 1.09; the curve's 1.0905 gives 22.7 for the middle one, so
// that one is checked against the manual's own ratio.
// Example Problem II-2-2: a 3-hr wind of 19.9 m/s for a 90-min duration,
// "U5400/U10800 = 0.9735/0.9284 = 1.048 ... or 20.8 m/sec": the manual cuts
// 1.0486 and 20.87 after their printed digits rather than rounding them.
TEST(WindAdjust, CoastalEngineeringManualExamples)
{
    EXPECT_EQ(Format("%.2f", GustFactor(300.0)), "1.09");
    for (const auto& [buoy, printed] : {std::pair {20.3, "18.6"}, std::pair {28.2, "25.9"}}) {
        const WindChain c = Chain(buoy, SpeedUnit::MetresPerSecond, 10.0, 300.0, Exposure::OverWater, 0.0);
        EXPECT_EQ(Format("%.1f", c.oneHourWaterMs), printed) << buoy;
    }
    EXPECT_EQ(Format("%.1f", 24.8 / 1.09), "22.8");

    const WindChain c = Chain(19.9, SpeedUnit::MetresPerSecond, 10.0, 10800.0, Exposure::OverWater, 0.0, 5400.0);
    EXPECT_EQ(Format("%.4f %.4f", c.durationGust, c.observedGust), "0.9735 0.9284");
    EXPECT_EQ(std::floor(c.durationGust / c.observedGust * 1000.0) / 1000.0, 1.048);
    EXPECT_EQ(std::floor(c.U10 * 10.0) / 10.0, 20.8);
}

// 30 knots at 6 m, 2-min mean, over land, temperature unknown, by hand:
//   15.4333 m/s x (10/6)^(1/7) = 16.6017; / (1.277 + 0.296 tanh(0.9 log10(45/120))) = / 1.16877 = 14.2044;
//   R_L between 14 (1.00) and 15 (0.98) m/s: 0.995912; R_T 1.1: 15.56095 m/s one-hour over water;
//   the hour's own gust factor 1.5334 - 0.15 log10(3600) = 0.999955: U10 = 15.56024 m/s.
TEST(WindAdjust, EveryStepByHand)
{
    const WindChain c = Chain(30.0, SpeedUnit::Knots, 6.0, 120.0, Exposure::OverLand, std::nullopt);
    EXPECT_NEAR(c.observedMs, 15.4333, 5e-5);
    EXPECT_NEAR(c.atTenMetresMs, 16.6017, 5e-5);
    EXPECT_NEAR(c.oneHourMs, 14.2044, 5e-5);
    EXPECT_NEAR(c.RL, 0.995912, 5e-7);
    EXPECT_EQ(c.RT, 1.1);
    EXPECT_NEAR(c.oneHourWaterMs, 15.56095, 1e-5);
    EXPECT_NEAR(c.U10, 15.56024, 1e-5);
    EXPECT_NEAR(c.CD, 0.001 * (1.1 + 0.035 * c.U10), 1e-15);
    EXPECT_NEAR(c.uStarMs, c.U10 * std::sqrt(c.CD), 1e-12);
    EXPECT_NEAR(c.UAMs, 0.71 * std::pow(c.U10, 1.23), 1e-12);
    EXPECT_TRUE(c.notes.empty());
}

TEST(WindAdjust, ExposureStabilityAndRanges)
{
    // At the shore the wind counts as over water; a known temperature
    // difference replaces the 1.1; the stability curve is held at its ends.
    const WindChain shore = Chain(10.0, SpeedUnit::MetresPerSecond, 10.0, 3600.0, Exposure::AtShore, -30.0);
    EXPECT_EQ(shore.RL, 1.0);
    EXPECT_EQ(shore.RT, StabilityRatio(-20.0));
    EXPECT_EQ(shore.notes.size(), 1u);
    EXPECT_EQ(OverLandRatio(25.0), 0.9);
    EXPECT_GT(OverLandRatio(3.0), OverLandRatio(10.0));
    EXPECT_EQ(StabilityRatio(0.0), 1.0);

    const WindChain high = Chain(10.0, SpeedUnit::MilesPerHour, 35.0, 0.5, Exposure::OverWater, 0.0);
    ASSERT_EQ(high.notes.size(), 2u);
    EXPECT_NE(high.notes[0].find("35 m"), std::string::npos);
    EXPECT_EQ(high.observedGust, GustFactor(1.0));

    const WindChain bad = Chain(NAN, SpeedUnit::MetresPerSecond, 10.0, 60.0, Exposure::OverWater, 0.0);
    EXPECT_EQ(bad.U10, 0.0);
    EXPECT_EQ(bad.notes.size(), 1u);
}

TEST(WindAdjust, UnitNames)
{
    for (SpeedUnit u : {SpeedUnit::MetresPerSecond, SpeedUnit::KilometresPerHour, SpeedUnit::MilesPerHour,
                        SpeedUnit::Knots, SpeedUnit::FeetPerSecond}) {
        EXPECT_EQ(SpeedUnitFromName(SpeedUnitName(u)), u);
        EXPECT_DOUBLE_EQ(SpeedFromMetresPerSecond(SpeedToMetresPerSecond(7.0, u), u), 7.0);
    }
    EXPECT_EQ(SpeedUnitFromName("KT"), SpeedUnit::Knots);
    EXPECT_FALSE(SpeedUnitFromName("furlongs/fortnight"));
    EXPECT_EQ(ExposureFromName("Land"), Exposure::OverLand);
}

}  // namespace
}  // namespace orvane
