#include "graphics/RosePlot.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/WaveRose.h"

namespace orvane {
namespace {

TEST(RosePlot, RingsAreRoundStepsUpToTheLargestValue)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double max, step;
        int rings;
    } cases[] = {{13.574, 5.0, 3},  {1.436, 0.5, 3}, {4.0, 1.0, 4},  {100.0, 25.0, 4}, {0.031, 0.01, 4},
                 {258.3, 100.0, 3}, {0.0, 1.0, 1},   {-3.0, 1.0, 1}, {nan, 1.0, 1}};
    for (const auto& c : cases) {
        const RoseScale scale = MakeRoseScale(c.max);
        EXPECT_DOUBLE_EQ(scale.step, c.step) << c.max;
        EXPECT_EQ(scale.rings, c.rings) << c.max;
        if (c.max > 0.0) {
            EXPECT_GE(scale.Top(), c.max);
        }
    }
}

TEST(RosePlot, FetchRingsUseTheUnitThatKeepsTheirNumbersPlain)
{
    const struct {
        int coordUnits;
        double maxFetch;  // coordinate units
        const char* topLabel;
        int rings;
    } cases[] = {
        {kCoordMetres, 38662.5, "40 km", 4},    {kCoordKilometres, 0.4, "400 m", 4},
        {kCoordKilometres, 13.574, "15 km", 3}, {kCoordMetres, 480, "600 m", 3},
        {kCoordMetres, 1.0e6, "1000 km", 4},    {kCoordMetres, 0.02, "0.02 m", 4},
        {kCoordFeet, 3000, "3000 ft", 3},       {kCoordFeet, 10560, "2 mi", 4},
        {kCoordMiles, 0.5, "3000 ft", 3},       {kCoordMiles, 7.3, "8 mi", 4},
    };
    for (const auto& c : cases) {
        const RoseFetchRings rings = MakeFetchRings(c.coordUnits, c.maxFetch);
        EXPECT_EQ(rings.Label(rings.scale.rings), c.topLabel) << c.maxFetch;
        EXPECT_EQ(rings.scale.rings, c.rings) << c.maxFetch;
        // The outer ring, in the project's own unit, holds the largest fetch.
        EXPECT_GE(rings.TopCoord(), c.maxFetch * (1 - 1e-12)) << c.maxFetch;
        EXPECT_LT(rings.RadiusCoord(rings.scale.rings - 1), c.maxFetch) << c.maxFetch;
    }
}

TEST(RosePlot, DrawsAnyRoseOnTheAskedSize)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    WaveRoseResult rose = WaveRose(rec, 30);  // no boundaries: every fetch 0
    rose.rows[3].heightM = std::numeric_limits<float>::quiet_NaN();
    const QImage image = DrawRosePlot(rose, rec, 500, 600);
    EXPECT_EQ(image.size(), QSize(500, 600));
    EXPECT_EQ(DrawRosePlot(WaveRoseResult {}, rec, 10, 100000).size(), QSize(200, 8192));
}

// The rose view's readout: the row nearest the cursor's bearing, across north too.
TEST(RosePlot, ReadoutIsTheRowNearestTheBearing)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    WaveRoseResult rose = WaveRose(rec, 30);  // bearings 90, 60, 30, 0, 330, ...
    EXPECT_EQ(rose.rows[NearestRoseRow(rose, 44.0)].bearingDeg, 30.0);
    EXPECT_EQ(rose.rows[NearestRoseRow(rose, 352.0)].bearingDeg, 0.0);
    EXPECT_EQ(NearestRoseRow(rose, std::numeric_limits<double>::quiet_NaN()), -1);
    EXPECT_EQ(NearestRoseRow(WaveRoseResult {}, 10.0), -1);

    RoseRow row;
    row.windDirectionDeg = 50;
    row.bearingDeg = 40;
    row.centralFetch = 11.397f;
    row.effectiveFetch = 10.141f;
    row.heightM = 1.15f;
    row.heightFt = 3.77f;
    rec.CoordUnits = kCoordKilometres;
    EXPECT_EQ(RoseReadout(row, rec),
              "from 40\u00B0 (wind direction 50\u00B0): fetch 11.397 km, effective 10.141 km, Hs 1.15 m");
    rec.CoordUnits = kCoordMiles;
    EXPECT_EQ(RoseReadout(row, rec),
              "from 40\u00B0 (wind direction 50\u00B0): fetch 11.397 miles, effective 10.141 miles, Hs 3.77 ft");
}

}  // namespace
}  // namespace orvane
