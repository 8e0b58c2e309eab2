#include "core/WaveFormulas.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/EngineMath.h"

namespace orvane {
namespace {

// 10 km of fetch, 60 km/h of wind, 10 m of depth, in the engine's units.
constexpr float kFetchFt = 32808.0f;
constexpr float kSpeedFtS = 54.66f;
constexpr float kDepthFt = 32.808f;

TEST(EngineMath, PowerAndTanhRules)
{
    EXPECT_EQ(Power(0.0, 0.0), 1.0);
    EXPECT_EQ(Power(std::nan(""), 0.0), 1.0);
    EXPECT_EQ(Power(0.0, 0.42), 0.0);
    EXPECT_EQ(Power(2.0, 0.5), std::exp(0.5 * std::log(2.0)));
    EXPECT_TRUE(std::isnan(Power(-2.0, 0.5)));
    EXPECT_EQ(Tanh(0.0), 0.0);
    EXPECT_FALSE(std::signbit(Tanh(0.0)));
    EXPECT_EQ(Tanh(0.3), std::sinh(0.3) / std::cosh(0.3));
    // sinh and cosh overflow together: the quotient would be NaN.
    EXPECT_EQ(Tanh(800.0), 1.0);
    EXPECT_EQ(Tanh(-800.0), -1.0);
    EXPECT_EQ(Tanh(std::numeric_limits<double>::infinity()), 1.0);
    EXPECT_EQ(Tanh(25.0), 1.0);
    EXPECT_TRUE(std::isnan(Tanh(std::nan(""))));
}

TEST(SignificantWave, DimensionlessInputs)
{
    // X = gF/U^2 and D = gd/U^2 of the worked example.
    const float X = F32(32.2 * kFetchFt / (static_cast<double>(kSpeedFtS) * kSpeedFtS));
    const float D = F32(32.2 * kDepthFt / (static_cast<double>(kSpeedFtS) * kSpeedFtS));
    EXPECT_NEAR(X, 353.587f, 0.0005f);
    EXPECT_NEAR(D, 0.35359f, 0.000005f);
    // Wilson's period uses the exponent 0.333: with 1/3 it would differ in the 4th digit.
    const Dimensionless wilson = WilsonWave(X);
    EXPECT_NEAR(wilson.T, F32(8.6 * (1.0 - 1.0 / std::pow(1.0 + 0.008 * std::pow(X, 0.333), 5))), 2e-6f);
    EXPECT_GT(std::fabs(wilson.T - 8.6 * (1.0 - 1.0 / std::pow(1.0 + 0.008 * std::cbrt(X), 5))), 1e-3);
}

TEST(SignificantWave, WorkedTable)
{
    // Heights to 1 mm in feet and metres and periods to 1 ms: a float/double
    // slip or a wrong exponent shows in the third decimal.
    struct Case {
        const char* name;
        int method;
        float heightFt, heightM, period;
    } cases[] = {
        {"Bretschneider", 0, 3.832f, 1.168f, 4.122f},
        {"Bretschneider with depth", 1, 3.435f, 1.047f, 3.754f},
        {"Wilson", 2, 3.758f, 1.146f, 3.506f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HeightPeriod wave = SignificantWave(c.method, kFetchFt, kSpeedFtS, kDepthFt);
        EXPECT_NEAR(wave.H, c.heightFt, 0.0005f);
        EXPECT_NEAR(wave.H / kFeetPerMetre, c.heightM, 0.0005f);
        EXPECT_NEAR(wave.T, c.period, 0.0005f);
    }
}

TEST(SignificantWave, EdgeCases)
{
    for (int method = 0; method <= 2; ++method) {
        SCOPED_TRACE(method);
        const HeightPeriod calm = SignificantWave(method, 0.0f, kSpeedFtS, kDepthFt);
        EXPECT_EQ(calm.H, 0.0f);
        EXPECT_EQ(calm.T, 0.0f);
        // Negative fetch and depth are used by absolute value.
        const HeightPeriod mirrored = SignificantWave(method, -kFetchFt, kSpeedFtS, -kDepthFt);
        const HeightPeriod plain = SignificantWave(method, kFetchFt, kSpeedFtS, kDepthFt);
        EXPECT_EQ(mirrored.H, plain.H);
        EXPECT_EQ(mirrored.T, plain.T);
        // An endless fetch gives the fully developed sea, not NaN.
        const HeightPeriod endless =
            SignificantWave(method, std::numeric_limits<float>::infinity(), kSpeedFtS, kDepthFt);
        EXPECT_TRUE(std::isfinite(endless.H) && endless.H > plain.H);
        EXPECT_TRUE(std::isfinite(endless.T) && endless.T > plain.T);
        // Wind below 0.01 ft/s is taken as 0.01 ft/s.
        const HeightPeriod still = SignificantWave(method, kFetchFt, 0.0f, kDepthFt);
        const HeightPeriod floor = SignificantWave(method, kFetchFt, 0.01f, kDepthFt);
        EXPECT_EQ(still.H, floor.H);
        EXPECT_EQ(still.T, floor.T);
    }
    // Very deep water: the depth method tends to the deep-water method.
    const HeightPeriod deep = SignificantWave(1, kFetchFt, kSpeedFtS, 1e6f);
    const HeightPeriod open = SignificantWave(0, kFetchFt, kSpeedFtS, kDepthFt);
    EXPECT_NEAR(deep.H, open.H, 1e-4f);
    EXPECT_NEAR(deep.T, open.T, 1e-4f);
    // A code outside the three methods has no formula.
    const HeightPeriod unknown = SignificantWave(3, kFetchFt, kSpeedFtS, kDepthFt);
    EXPECT_TRUE(std::isnan(unknown.H) && std::isnan(unknown.T));
}

}  // namespace
}  // namespace orvane
