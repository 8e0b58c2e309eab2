#include "core/Region.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace orvane {
namespace {

// A 10 x 10 square lake (closed by repeating its first node) with a 2 x 2
// island in the middle.
ProjectRecord SquareLakeWithIsland()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    test::SetBoundary(rec, 1, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    test::SetBoundary(rec, 2, {{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}});
    return rec;
}

TEST(PointInWater, InsideOutsideIslandAndShores)
{
    const ProjectRecord rec = SquareLakeWithIsland();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double x, y;
        bool water;
    };
    const Case cases[] = {
        {"open water", 2, 2, true},
        {"near the island", 3.999, 5, true},
        {"on the island", 5, 5, false},
        {"on the island's shore", 4, 5, false},
        {"on an island corner", 6, 6, false},
        {"on the outer shore", 0, 5, false},
        {"on an outer corner", 10, 10, false},
        {"outside", 11, 5, false},
        {"level with a vertex, outside", -1, 0, false},
        {"level with island vertices", 1, 4, true},
        {"not a number", nan, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointInWater(rec, c.x, c.y), c.water) << c.name;
}

TEST(WaterInteriorPoint, FarthestFromEveryShore)
{
    // Round the island the deepest water is on the diagonals, t = 4 sqrt 2 /
    // (1 + sqrt 2) from two walls and as far from the island's corner.
    const InteriorPoint square = WaterInteriorPoint(SquareLakeWithIsland());
    ASSERT_TRUE(square.found);
    EXPECT_TRUE(PointInWater(SquareLakeWithIsland(), square.x, square.y));
    EXPECT_NEAR(square.shoreDistance, 4 * std::sqrt(2.0) / (1 + std::sqrt(2.0)), 0.01);

    // A U-shaped lake whose box centre is on land; UTM-sized coordinates.
    ProjectRecord u {};
    SetProjectDefaults(u);
    const float x0 = 540000, y0 = 4390000;
    test::SetBoundary(u, 1,
                      test::ClosedRing({{x0, y0},
                                        {x0 + 3000, y0},
                                        {x0 + 3000, y0 + 3000},
                                        {x0 + 2000, y0 + 3000},
                                        {x0 + 2000, y0 + 1000},
                                        {x0 + 1000, y0 + 1000},
                                        {x0 + 1000, y0 + 3000},
                                        {x0, y0 + 3000}}));
    const InteriorPoint inU = WaterInteriorPoint(u);
    ASSERT_TRUE(inU.found);
    EXPECT_TRUE(PointInWater(u, inU.x, inU.y));
    // Deepest in a corner of the bar, as far from two walls as from the inner corner.
    EXPECT_NEAR(inU.shoreDistance, 1000 * std::sqrt(2.0) / (1 + std::sqrt(2.0)), 4);

    ProjectRecord none {};
    SetProjectDefaults(none);
    EXPECT_FALSE(WaterInteriorPoint(none).found);
}

TEST(PointInWater, GapNodesIslandsNotInUseAndTooFewNodes)
{
    ProjectRecord rec = SquareLakeWithIsland();
    rec.PointX = 5;
    rec.PointY = 5;
    EXPECT_FALSE(PointInWater(rec));
    rec.BoundaryCount = 1;  // the island is no longer in use
    EXPECT_TRUE(PointInWater(rec));

    // Gap nodes repeat the next node: zero-length edges change nothing.
    ProjectRecord gaps = SquareLakeWithIsland();
    test::SetBoundary(gaps, 1, {{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 10}, {0, 0}});
    gaps.NodeNumber[1][3] = gaps.NodeNumber[1][6] = 0;
    EXPECT_TRUE(PointInWater(gaps, 2, 2));
    EXPECT_TRUE(PointInWater(gaps, 9, 0.5));
    EXPECT_FALSE(PointInWater(gaps, 5, 5));

    // The last stored position is not part of the polygon, as for the fetch:
    // an unclosed square of four nodes is the triangle of its first three.
    ProjectRecord open = SquareLakeWithIsland();
    open.BoundaryCount = 1;
    open.NodeCount[1] = 4;
    EXPECT_TRUE(PointInWater(open, 8, 2));
    EXPECT_FALSE(PointInWater(open, 2, 8));
    open.NodeCount[1] = 3;  // two edges enclose nothing
    EXPECT_FALSE(PointInWater(open, 8, 2));
    // Damaged counts are clamped: the unused positions hold zeros, so the
    // polygon runs back to the origin and the point stays in the water.
    open.BoundaryCount = 9;
    open.NodeCount[1] = 5000;
    EXPECT_TRUE(PointInWater(open, 8, 2));
}

TEST(CompassText, BearingsAndNames)
{
    struct Case {
        double direction;
        double bearing;
        const char* text;
    };
    const Case cases[] = {
        {45, 45, "wind from NE (grid bearing 45.0\xC2\xB0)"},
        {90, 0, "wind from N (grid bearing 0.0\xC2\xB0)"},
        {0, 90, "wind from E (grid bearing 90.0\xC2\xB0)"},
        {180, 270, "wind from W (grid bearing 270.0\xC2\xB0)"},
        {-90, 180, "wind from S (grid bearing 180.0\xC2\xB0)"},
        {450, 0, "wind from N (grid bearing 0.0\xC2\xB0)"},
        {78.75, 11.25, "wind from NNE (grid bearing 11.2\xC2\xB0)"},
        {90.01, 359.99, "wind from N (grid bearing 0.0\xC2\xB0)"},
        {112.5, 337.5, "wind from NNW (grid bearing 337.5\xC2\xB0)"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CompassBearing(c.direction), c.bearing, 1e-9) << c.direction;
        EXPECT_EQ(WindFromText(c.direction), c.text) << c.direction;
    }
    EXPECT_EQ(WindFromText(std::nan("")), "wind from ?");
    EXPECT_EQ(CompassPointName(std::nan("")), "?");
}

// True bearings add the grid convergence: a grid bearing of 45 degrees at a
// point where true north lies 1.1 degrees west of grid north is 46.1 true,
// and reading that bearing back gives the stored direction again.
TEST(CompassText, TrueBearingsAddTheConvergence)
{
    const BearingReference ref = TrueBearings(1.1);
    EXPECT_EQ(WindFromText(45, ref), "wind from NE (true bearing 46.1\xC2\xB0)");
    EXPECT_EQ(WindFromAsideText(45, ref), "from NE, true bearing 46.1\xC2\xB0");
    EXPECT_EQ(WindFromText(90, TrueBearings(-0.5)), "wind from N (true bearing 359.5\xC2\xB0)");
    for (double d : {0.0, 45.0, 89.9, 271.3})
        EXPECT_NEAR(DirectionOfBearing(BearingOfDirection(d, ref), ref), d, 1e-9) << d;
    EXPECT_FALSE(TrueBearings(std::nan("")).trueNorth);
    EXPECT_EQ(WindFromText(45, GridBearings("no module")), "wind from NE (grid bearing 45.0\xC2\xB0)");
}

}  // namespace
}  // namespace orvane
