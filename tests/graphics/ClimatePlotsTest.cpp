// The climate pictures' data: the rose's bands hold the table's time, and
// the return-period chart marks the return periods where the fits put them.
#include "graphics/ClimatePlots.h"

#include <cmath>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ClimatePlots, RoseBandsHoldTheTablesTime)
{
    const std::vector<float> hs = {0.1f, 0.3f, 0.7f, 1.2f, 2.2f, 5.0f, 0.0f};
    const std::vector<float> bearing = {0.f, 90.f, 90.f, 180.f, 270.f, 270.f, 0.f};
    const std::vector<float> hours(hs.size(), 1.0f);
    const OccurrenceTable t = MakeOccurrenceTable(hs, bearing, hours, 4, 0.25);
    const std::vector<std::vector<double>> shares = RoseBandShares(t);
    const double seventh = 100.0 / 7.0;
    EXPECT_NEAR(shares[0][0], seventh, 1e-9);  // 0.1 m from N: band 0-0.25
    EXPECT_NEAR(shares[1][1], seventh, 1e-9);  // 0.3 m from E
    EXPECT_NEAR(shares[1][2], seventh, 1e-9);  // 0.7 m from E
    EXPECT_NEAR(shares[3][5], seventh, 1e-9);  // 2.2 m from W: band 2-3
    EXPECT_NEAR(shares[3][7], seventh, 1e-9);  // 5 m: the open band above 4
}

TEST(ClimatePlots, ReturnPeriodsAreMarkedOnTheGumbelScale)
{
    SectorExtremes e;
    e.name = "NW";
    e.peaksPerYear = 2.0;
    for (int i = 0; i < 12; ++i)
        e.peaks.push_back({static_cast<std::size_t>(i), i * 100000LL, 1.0 + 0.1 * i});
    const ChartData chart = ReturnPeriodChart(e);
    ASSERT_EQ(chart.bottom.tickValues.size(), 7u);
    EXPECT_EQ(chart.bottom.tickLabels[5], "50");
    EXPECT_NEAR(chart.bottom.tickValues[5], -std::log(-std::log(1.0 - 1.0 / 100.0)), 1e-12);
    EXPECT_LE(chart.bottom.min, chart.series[0].points.front().x);  // every peak is inside the axis
    EXPECT_GE(chart.left.max, 2.1);
    EXPECT_EQ(chart.series.size(), 1u);  // no fit: only the peaks
    EXPECT_TRUE(chart.series[0].markers);
}

}  // namespace
}  // namespace orvane
