// Extremes against independent values: Goda's least-squares fits and the
// maximum-likelihood GEV and GPD fits of fixed samples against an
// independent computation (tests/core/ExtremesReference.py: the same
// published formulas coded apart, the likelihoods maximised by a pattern
// search instead of the simplex and the profile), and a seeded Gumbel
// record whose true return values must lie in the intervals. Then storm
// peaks, thresholds and the climate statistics.
#include "core/Extremes.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "core/ClimateStatistics.h"

namespace orvane {
namespace {

// Annual maxima drawn from a GEV (3, 0.6, 0.1) and storm peaks over 2 m drawn
// from 2 + GPD(0.5, -0.1), two decimals (ExtremesReference.py).
const std::vector<double> kAnnualMaxima = {3.08, 2.15, 4.08, 2.89, 3.0,  2.71, 3.35, 2.65, 2.57, 3.11,
                                           3.34, 2.67, 3.32, 2.98, 5.22, 2.5,  5.8,  3.07, 3.23, 2.62,
                                           3.7,  2.7,  2.96, 2.26, 2.95, 5.44, 5.81, 3.78, 2.04, 4.93};
const std::vector<double> kPeaks = {2.07, 2.13, 2.79, 3.03, 2.42, 2.06, 2.27, 2.15, 2.68, 2.31, 2.17, 2.1, 2.11,
                                    2.68, 2.07, 2.71, 2.11, 2.29, 2.77, 2.26, 2.32, 2.02, 3.36, 2.83, 2.01};

TEST(Extremes, GodaLeastSquaresMatchesTheIndependentComputation)
{
    // k, A, B, r, then x and sigma(x) at 10, 50 and 100 years (25 peaks in 10 years).
    struct {
        double k, A, B, r, x[3], s[3];
    } const expected[] = {
        {0.0, 0.288725, 2.226966, 0.974299, {3.150461, 3.61986, 3.820569}, {0.212437, 0.309684, 0.351988}},
        {0.75, 0.235163, 2.110223, 0.953605, {3.227878, 4.029316, 4.405177}, {0.490346, 0.8358, 0.998353}},
        {1.0, 0.376935, 2.012949, 0.979548, {3.226256, 3.832909, 4.094181}, {0.329402, 0.503678, 0.579269}},
        {1.4, 0.563081, 1.876201, 0.982787, {3.174029, 3.609991, 3.784339}, {0.228544, 0.313264, 0.347608}},
        {2.0, 0.78333, 1.694821, 0.967453, {3.100211, 3.416065, 3.535473}, {0.170209, 0.214517, 0.231644}},
    };
    const std::vector<GodaFit> fits = FitGodaCandidates(kPeaks, kPeaks.size());
    ASSERT_EQ(fits.size(), 5u);
    for (std::size_t i = 0; i < fits.size(); ++i) {
        SCOPED_TRACE(expected[i].k);
        EXPECT_DOUBLE_EQ(fits[i].k, expected[i].k);
        EXPECT_NEAR(fits[i].A, expected[i].A, 1e-6);
        EXPECT_NEAR(fits[i].B, expected[i].B, 1e-6);
        EXPECT_NEAR(fits[i].correlation, expected[i].r, 1e-6);
        const double years[] = {10, 50, 100};
        for (int j = 0; j < 3; ++j) {
            const ReturnValue v = GodaReturnValue(fits[i], years[j], 2.5, kPeaks.size());
            ASSERT_TRUE(v.hsM);
            EXPECT_NEAR(*v.hsM, expected[i].x[j], 2e-6);
            EXPECT_NEAR(*v.highM - *v.hsM, kInterval90 * expected[i].s[j], 3e-6);
        }
    }
    EXPECT_EQ(BestGodaFit(fits), 3u);  // Weibull k = 1.4 correlates best
}

TEST(Extremes, LikelihoodFitsAgreeWithTheIndependentFitToOnePerCent)
{
    const MlFit gev = FitGevMl(kAnnualMaxima);
    ASSERT_TRUE(gev.ok);
    EXPECT_NEAR(gev.logLikelihood, -37.3112007, 1e-6);
    const double gevExpected[] = {3.0857364, 3.9596418, 4.6626746, 5.7233972, 6.6572237, 7.7297387};
    const double gevYears[] = {2, 5, 10, 25, 50, 100};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(*GevReturnValue(gev, gevYears[i]), gevExpected[i], 0.01 * gevExpected[i]) << gevYears[i];

    std::vector<double> excesses;
    for (double x : kPeaks)
        excesses.push_back(x - 2.0);
    const MlFit gpd = FitGpdMl(excesses, 2.0);
    ASSERT_TRUE(gpd.ok);
    EXPECT_NEAR(gpd.logLikelihood, -1.19257847, 1e-6);
    const double gpdExpected[] = {2.3886093, 2.6443553, 2.9387342, 3.1324667, 3.3554643, 3.5022203, 3.6324331};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(*GpdReturnValue(gpd, kReturnYears[i], 2.5), gpdExpected[i], 0.01 * gpdExpected[i]);
}

TEST(Extremes, ASeededGumbelRecordHasItsTrueReturnValuesInsideTheIntervals)
{
    // Records of 50 annual maxima of a Gumbel with location 3 m and scale 0.5 m.
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> uniform(1e-12, 1.0);
    std::vector<double> maxima(50);
    auto truth = [](double years) { return 3.0 - 0.5 * std::log(-std::log(1.0 - 1.0 / years)); };

    // The GEV's bootstrap interval covers the true 50-year value in most of
    // 12 such records (about 11 expected of a 90 % interval).
    int mlCovered = 0;
    for (int record = 0; record < 12; ++record) {
        for (double& x : maxima)
            x = 3.0 - 0.5 * std::log(-std::log(uniform(random)));
        const std::vector<ReturnValue> ml = MlReturnValues(FitGevMl(maxima), maxima.size(), 1.0, 7, 100);
        ASSERT_TRUE(ml[5].lowM && ml[5].highM);
        mlCovered += *ml[5].lowM < truth(50.0) && truth(50.0) < *ml[5].highM;
        // The same seed gives the same interval.
        if (record == 0) {
            EXPECT_EQ(MlReturnValues(FitGevMl(maxima), maxima.size(), 1.0, 7, 100)[5].lowM, ml[5].lowM);
        }
    }
    EXPECT_GE(mlCovered, 9);

    // Goda's interval of the FT-I fit covers the true 50-year value in about
    // 90 % of 400 such records.
    int covered = 0;
    for (int record = 0; record < 400; ++record) {
        for (double& x : maxima)
            x = 3.0 - 0.5 * std::log(-std::log(uniform(random)));
        const ReturnValue v = GodaReturnValue(FitGodaCandidates(maxima, maxima.size())[0], 50.0, 1.0, maxima.size());
        covered += *v.lowM < truth(50.0) && truth(50.0) < *v.highM;
    }
    EXPECT_GT(covered, 340);
    EXPECT_LT(covered, 385);
}

TEST(Extremes, StormPeaksAreDeclusteredAndThresholdedAtTheRate)
{
    // Hourly: a double-humped storm (peaks 20 h apart), a plateau, a storm 3 days later.
    std::vector<std::int64_t> t;
    std::vector<float> h;
    auto add = [&](float v) {
        t.push_back(3600LL * static_cast<long long>(t.size()));
        h.push_back(v);
    };
    for (float v : {0.f, 1.f, 3.f, 2.f, 1.f})
        add(v);
    for (int i = 0; i < 15; ++i)
        add(1.0f);
    for (float v : {2.f, 2.5f, 2.5f, 1.f, 0.f})
        add(v);
    for (int i = 0; i < 60; ++i)
        add(0.5f);
    for (float v : {1.f, 2.f, 1.f})
        add(v);
    const std::vector<StormPeak> peaks = DeclusteredPeaks(t, h, 48.0);
    ASSERT_EQ(peaks.size(), 2u);
    EXPECT_EQ(peaks[0].index, 2u);  // the larger hump wins; the plateau's 2.5 is within 48 h
    EXPECT_EQ(peaks[1].heightM, 2.0);
    EXPECT_EQ(DeclusteredPeaks(t, h, 10.0).size(), 3u);  // the plateau counts once, at its first hour
    EXPECT_DOUBLE_EQ(ThresholdForRate(peaks, 1.0 / 3.0, 3.0), 2.5);
    // Peaks tied with the n-th are kept together, not all dropped.
    const std::vector<StormPeak> tied = {{0, 0, 2.0}, {1, 1, 1.5}, {2, 2, 1.5}, {3, 3, 1.0}};
    EXPECT_DOUBLE_EQ(ThresholdForRate(tied, 1.0, 2.0), 1.25);
}

TEST(ClimateStatistics, TablesWeighTheRowsByTheirHours)
{
    const std::vector<std::int64_t> t = {0, 3600, 7200, 10800, 14400};
    const std::vector<float> hs = {0.0f, 0.3f, 0.6f, 0.6f, 0.1f};
    const std::vector<float> bearing = {0.f, 10.f, 100.f, 350.f, 190.f};
    const std::vector<float> hours = {1.f, 1.f, 2.f, 1.f, 1.f};
    const OccurrenceTable occ = MakeOccurrenceTable(hs, bearing, hours, 4, 0.25);
    ASSERT_EQ(occ.Classes(), 3);
    EXPECT_EQ(occ.counts[1][0], 1u);                    // 0.3 m from N
    EXPECT_NEAR(occ.PerMille(2, 1), 2000.0 / 6, 1e-9);  // 0.6 m from E, two of six hours
    EXPECT_EQ(occ.counts[2][0], 1u);                    // 350 degrees is north
    EXPECT_NEAR(occ.CalmPerMille(), 1000.0 / 6, 1e-9);
    double total = occ.CalmPerMille();
    for (int c = 0; c < occ.Classes(); ++c)
        for (int s = 0; s < 4; ++s)
            total += occ.PerMille(c, s);
    EXPECT_NEAR(total, 1000.0, 1e-9);

    const std::vector<ExceedancePoint> ex = Exceedance(hs, hours, 0.25);
    ASSERT_EQ(ex.size(), 3u);
    EXPECT_NEAR(ex[0].percent, 500.0 / 6, 1e-9);  // every row with waves
    EXPECT_NEAR(ex[2].percent, 300.0 / 6, 1e-9);  // above 0.5 m: three hours

    const std::vector<double> levels = {0.2, 0.5};
    const std::vector<Persistence> p = PersistenceAbove(t, hs, hours, levels, 6.0);
    EXPECT_EQ(p[0].spells, 1u);
    EXPECT_DOUBLE_EQ(p[0].longestHours, 4.0);
    EXPECT_DOUBLE_EQ(p[1].totalHours, 3.0);

    const PowerLaw tp = FitPeriodOfHeight(std::vector<float> {1.f, 4.f}, std::vector<float> {3.f, 6.f});
    EXPECT_NEAR(tp(2.0), 3.0 * std::sqrt(2.0), 1e-6);
}

}  // namespace
}  // namespace orvane
