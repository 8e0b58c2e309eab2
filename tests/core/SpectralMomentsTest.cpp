#include "core/SpectralMoments.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/Spectrum.h"

namespace orvane {
namespace {

TEST(SpectralMoments, OfSpectraMadeByWaveSpectrum)
{
    const struct {
        const char* name;
        int type;
        float hs, tp, tgrid;
    } cases[] = {
        {"Pierson-Moskowitz", 0, 1.0f, 5.0f, 5.0f},
        {"JONSWAP", 1, 1.0f, 5.0f, 5.0f},
        {"JONSWAP in feet", 1, 3.832f, 4.122f, 4.122f},
        {"peak off the grid's base", 0, 2.0f, 6.0f, 4.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SpectrumArray s {};
        WaveSpectrum(kSpectrumPoints, c.type, s.f, s.S, c.hs, c.tp, c.tgrid);
        const SpectralMoments m = ComputeSpectralMoments(s.f, s.S, kSpectrumPoints);
        EXPECT_NEAR(m.Hm0, c.hs, 0.002 * c.hs);
        EXPECT_NEAR(m.m0, c.hs * c.hs / 16.0, 0.004 * c.hs * c.hs / 16.0);
        // The grid point nearest the peak, within half a grid step.
        const double df = 3.0 / c.tgrid / kSpectrumPoints;
        EXPECT_NEAR(1.0 / m.Tp, 1.0 / c.tp, df / 2.0);
        // Mean periods of a single-peaked spectrum lie below the peak period.
        EXPECT_LT(m.Tm02, m.Tm01);
        EXPECT_LT(m.Tm01, m.Tp);
        EXPECT_GT(m.Tm02, 0.6 * m.Tp);
        EXPECT_FLOAT_EQ(m.Tm01, m.m0 / m.m1);
        EXPECT_FLOAT_EQ(m.Tm02, std::sqrt(m.m0 / m.m2));
    }
}

TEST(SpectralMoments, ASpectrumWithoutEnergyHasNoPeriods)
{
    SpectrumArray s {};
    WaveSpectrum(kSpectrumPoints, 0, s.f, s.S, 1.0f, 5.0f, 5.0f);
    std::fill(std::begin(s.S), std::end(s.S), 0.0f);
    const SpectralMoments m = ComputeSpectralMoments(s.f, s.S, kSpectrumPoints);
    EXPECT_EQ(m.m0, 0.0f);
    EXPECT_EQ(m.Hm0, 0.0f);
    EXPECT_TRUE(std::isnan(m.Tm01) && std::isnan(m.Tm02) && std::isnan(m.Tp));
    // n beyond the arrays is cut to them.
    const SpectralMoments wide = ComputeSpectralMoments(s.f, s.S, 1000);
    EXPECT_EQ(wide.m0, 0.0f);
}

}  // namespace
}  // namespace orvane
