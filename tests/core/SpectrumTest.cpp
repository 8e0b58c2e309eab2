#include "core/Spectrum.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "core/EngineMath.h"
#include "core/Random.h"

namespace orvane {
namespace {

int PeakIndex(const SpectrumArray& a, int n)
{
    int peak = 1;
    for (int i = 2; i <= n; ++i)
        if (a.S[i] > a.S[peak])
            peak = i;
    return peak;
}

TEST(WaveSpectrum, WorkedSpectra)
{
    struct Case {
        const char* name;
        int type;
        float peakDensity;
    } cases[] = {
        {"Pierson-Moskowitz", 0, 0.1443f},
        {"JONSWAP", 1, 0.3016f},
        {"type 2 is Pierson-Moskowitz", 2, 0.1443f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpectrumArray a {};
        WaveSpectrum(64, c.type, a.f, a.S, 1.0f, 5.0f, 5.0f);
        EXPECT_EQ(a.f[1], 0.009375f);
        EXPECT_EQ(a.f[64], 0.6f);
        const int peak = PeakIndex(a, 64);
        EXPECT_EQ(peak, 21);
        EXPECT_EQ(a.f[peak], 0.196875f);
        EXPECT_NEAR(a.S[peak], c.peakDensity, 0.00005f);
        // Height from the area with the factor pi (not 1/2) and 2.832: 2.832 / sqrt(8).
        const SpectralWave back = SpectralHeightPeriod(a.f, a.S, 64);
        EXPECT_NEAR(back.Hs, 1.00126f, 0.000005f);
        EXPECT_NEAR(back.Tp, 5.0794f, 0.00005f);
    }
}

TEST(WaveSpectrum, AreaIsScaledToTheHeight)
{
    for (float hs : {0.3f, 1.0f, 2.5f}) {
        SpectrumArray a {};
        WaveSpectrum(64, 1, a.f, a.S, hs, 4.0f, 4.0f);
        double area = 0.0;
        for (int i = 2; i <= 64; ++i)
            area += (static_cast<double>(a.S[i]) + a.S[i - 1]) * (static_cast<double>(a.f[i]) - a.f[i - 1]) * kPi;
        EXPECT_NEAR(area, hs * hs / 8.0, 1e-6 * hs * hs);
    }
}

TEST(WaveSpectrum, PeakFollowsTpWhileTheGridFollowsTgrid)
{
    SpectrumArray a {};
    WaveSpectrum(64, 0, a.f, a.S, 1.0f, 3.0f, 6.0f);
    EXPECT_EQ(a.f[64], 0.5f);                                  // 3 / Tgrid
    EXPECT_NEAR(a.f[PeakIndex(a, 64)], 1.0f / 3.0f, 0.0079f);  // the grid step is 0.0078125
}

// The JONSWAP spectrum evaluated point by point as written, with the peak
// enhancement everywhere: the engine leaves it out where it cannot change a
// bit, which this must confirm over peaks on and off the grid.
TEST(WaveSpectrum, JonswapIsTheFormulaBitForBit)
{
    std::mt19937 gen(17u);
    std::uniform_real_distribution<double> period(0.5, 12.0);
    for (int run = 0; run < 400; ++run) {
        const float tp = static_cast<float>(period(gen));
        const float tgrid = run % 2 ? tp : static_cast<float>(period(gen));
        const float hs = static_cast<float>(period(gen) / 4.0);
        SpectrumArray a {};
        WaveSpectrum(64, 1, a.f, a.S, hs, tp, tgrid);

        FreqArray f {}, S {};
        const float df = F32((3.0 / tgrid) / 64);
        const float fp = F32(1.0 / tp);
        const double B = F32(1.25 * Power(fp, 4.0));
        float area = 0.0f;
        for (int i = 1; i <= 64; ++i) {
            f[i] = F32(i * static_cast<double>(df));
            S[i] = F32((B / Power(f[i], 5.0)) * std::exp(-B / Power(f[i], 4.0)));
            const float sigma = f[i] > fp ? F32(0.09) : F32(0.07);
            const float r = F32(-0.5 * Square((static_cast<double>(f[i]) - fp) / (static_cast<double>(sigma) * fp)));
            S[i] = F32(S[i] * Power(3.3, std::exp(static_cast<double>(r))));
            if (i > 1)
                area =
                    F32(area + (static_cast<double>(S[i]) + S[i - 1]) * (static_cast<double>(f[i]) - f[i - 1]) * kPi);
        }
        const double scale = area == 0.0f ? 0.0 : F32(static_cast<double>(hs) * hs / (8.0 * area));
        for (int i = 1; i <= 64; ++i)
            ASSERT_EQ(a.S[i], F32(scale * S[i])) << "Tp " << tp << " Tgrid " << tgrid << " point " << i;
    }
}

TEST(WaveSpectrum, ShapeThatVanishesOnTheGridStaysZero)
{
    // A 0.2 s peak on the grid of 5 s: exp(-B/f^4) underflows everywhere.
    // Scaling 0 by Hs^2 / (8 * 0) would turn the whole spectrum into NaN.
    // A 0.58 s peak on the grid of 5.18 s (a 30 m fetch among longer ones in
    // Seymour's method) leaves an area a few float32 steps above 0, whose
    // scale overflows: infinity times the zeros was NaN as well.
    const struct {
        float hs, tp, tgrid;
    } cases[] = {{0.5f, 0.2f, 5.0f}, {0.0691363f, 0.579356f, 5.18058f}};
    for (const auto& c : cases) {
        for (int type : {0, 1}) {
            SpectrumArray a {};
            WaveSpectrum(64, type, a.f, a.S, c.hs, c.tp, c.tgrid);
            for (int i = 1; i <= 64; ++i)
                ASSERT_EQ(a.S[i], 0.0f) << "Tp " << c.tp << " type " << type << " point " << i;
        }
    }
}

TEST(SpectralHeightPeriod, EmptyAndTinySpectra)
{
    SpectrumArray a {};
    WaveSpectrum(64, 0, a.f, a.S, 1.0f, 5.0f, 5.0f);
    SpectrumArray zero = a;
    std::fill(std::begin(zero.S), std::end(zero.S), 0.0f);
    const SpectralWave none = SpectralHeightPeriod(zero.f, zero.S, 64);
    EXPECT_EQ(none.Hs, 0.0f);
    EXPECT_EQ(none.Tp, 1.0f);
    // An area of at most 0.001 counts as none: Hs^2 / 8 = 0.001 at Hs = 0.0894.
    WaveSpectrum(64, 0, a.f, a.S, 0.089f, 5.0f, 5.0f);
    EXPECT_EQ(SpectralHeightPeriod(a.f, a.S, 64).Hs, 0.0f);
    WaveSpectrum(64, 0, a.f, a.S, 0.09f, 5.0f, 5.0f);
    EXPECT_NEAR(SpectralHeightPeriod(a.f, a.S, 64).Hs, 0.09f * 1.00126f, 1e-6f);
}

TEST(SpectralHeightPeriod, TiesKeepTheLowerIndexAndS1IsNotCompared)
{
    SpectrumArray a {};
    for (int i = 1; i <= 64; ++i)
        a.f[i] = 0.01f * i;
    a.S[1] = 9.0f;  // not compared
    a.S[10] = 2.0f;
    a.S[30] = 2.0f;
    EXPECT_EQ(SpectralHeightPeriod(a.f, a.S, 64).Tp, F32(1.0 / a.f[10]));
}

TEST(WaveTimeSeries, RecordOfAKnownSpectrum)
{
    SpectrumArray a {};
    WaveSpectrum(64, 1, a.f, a.S, 2.0f, 5.0f, 5.0f);
    float elevation[1001];
    std::fill(std::begin(elevation), std::end(elevation), 99.0f);
    RandomGenerator random(7u);
    WaveTimeSeries(a.f, a.S, 64, 1000, 0.25f, elevation, random);
    EXPECT_EQ(elevation[0], 99.0f) << "index 0 is not part of the record";
    double sum = 0.0, squares = 0.0;
    for (int j = 1; j <= 1000; ++j) {
        sum += elevation[j];
        squares += static_cast<double>(elevation[j]) * elevation[j];
    }
    const double mean = sum / 1000.0;
    const double sd = std::sqrt(squares / 1000.0 - mean * mean);
    // Standard deviation close to Hs / 4 (a record of 250 s of random phases).
    EXPECT_NEAR(sd, 0.5, 0.1);
    // One random number per component, 62 for 64 frequencies.
    RandomGenerator after(7u);
    for (int k = 0; k < 62; ++k)
        after.Next();
    EXPECT_EQ(random.Next(), after.Next());
    // The first sample is the sum of a_k cos(phi_k) at time 0.
    RandomGenerator phases(7u);
    double first = 0.0;
    for (int k = 2; k <= 63; ++k) {
        const float ak = F32(std::sqrt(kPi * a.S[k] * (static_cast<double>(a.f[k + 1]) - a.f[k - 1])));
        first += ak * std::cos(static_cast<double>(F32(2.0 * kPi * phases.Next())));
    }
    EXPECT_NEAR(elevation[1], first, 1e-5);
}

TEST(WaveTimeSeries, TooFewFrequenciesAndZeroSpectra)
{
    SpectrumArray a {};
    WaveSpectrum(64, 0, a.f, a.S, 1.0f, 5.0f, 5.0f);
    float elevation[1001];
    std::fill(std::begin(elevation), std::end(elevation), 5.0f);
    RandomGenerator random(1u);
    WaveTimeSeries(a.f, a.S, 2, 1000, 0.25f, elevation, random);
    for (int j = 1; j <= 1000; ++j)
        ASSERT_EQ(elevation[j], 0.0f);

    SpectrumArray cleared {};
    ClearSpectrum(cleared.f, cleared.S);
    WaveTimeSeries(cleared.f, cleared.S, 64, 1000, 0.25f, elevation, random);
    for (int j = 1; j <= 1000; ++j)
        ASSERT_EQ(elevation[j], 0.0f);

    // Counts beyond the arrays are clamped, not followed.
    WaveTimeSeries(a.f, a.S, 5000, 5000, 0.25f, elevation, random);
    EXPECT_TRUE(std::isfinite(elevation[1000]));
}

}  // namespace
}  // namespace orvane
