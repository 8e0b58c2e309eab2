#include "core/Fetch.h"

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "core/EngineMath.h"
#include "core/FetchScanner.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

using test::EmptyFeetProject;
using test::SameBits;
using test::SetBoundary;
using test::Square;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kHalfPi = static_cast<float>(kPi / 2);
constexpr float kFloatPi = static_cast<float>(kPi);

struct ConversionCase {
    const char* name;
    int coordUnits;
    int velocityUnits;
    float velocity;
    float depth;
    float length;
    float lengthFt;  // expected, each to the float32 the engine stores
    float speedFtS;
    float depthFt;
};

TEST(Conversion, UnitsTable)
{
    const ConversionCase cases[] = {
        {"ft, m/sec", 0, 0, 18.0f, 12.0f, 1.5f, 1.5f, 59.0544f, 12.0f},
        {"Miles, Km/hr", 1, 1, 60.0f, 30.0f, 2.0f, 10560.0f, 54.66f, 30.0f},
        {"m, ft/sec", 2, 2, 30.0f, 5.0f, 10.0f, 32.808f, 30.0f, 16.404f},
        {"Km, m.p.h.", 3, 3, 30.0f, 100.0f, 10.0f, 32808.0f, 44.0f, 328.08f},
        {"depth floor in feet", 0, 2, 5.0f, 5.0f, 0.0f, 0.0f, 5.0f, 10.0f},
        {"speed floor", 0, 2, 0.5f, 40.0f, -3.0f, -3.0f, 1.0f, 40.0f},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord rec = EmptyFeetProject();
        rec.CoordUnits = c.coordUnits;
        rec.VelocityUnits = c.velocityUnits;
        rec.WindVelocity = c.velocity;
        rec.Depth = c.depth;
        EXPECT_EQ(LengthToFeet(rec, c.length), c.lengthFt);
        EXPECT_EQ(WindSpeedFeet(rec), c.speedFtS);
        EXPECT_EQ(DepthFeet(rec), c.depthFt);
    }
}

TEST(Conversion, UnknownUnitCodesGiveNaN)
{
    ProjectRecord rec = EmptyFeetProject();
    rec.CoordUnits = 7;
    rec.VelocityUnits = -1;
    EXPECT_TRUE(std::isnan(LengthToFeet(rec, 3.0f)));
    EXPECT_TRUE(std::isnan(DepthFeet(rec)));
    EXPECT_TRUE(std::isnan(WindSpeedFeet(rec)));
}

TEST(NudgeOffAxes, TurnsDirectionsNearAnAxisOnce)
{
    const float turn = F32(0.006283185307179587);
    struct Case {
        const char* name;
        float theta;
        float expected;
    } cases[] = {
        {"zero", 0.0f, turn},
        {"half pi", kHalfPi, F32(static_cast<double>(kHalfPi) + 0.006283185307179587)},
        {"pi", kFloatPi, F32(static_cast<double>(kFloatPi) + 0.006283185307179587)},
        {"minus 5 pi", F32(-5 * kPi), F32(static_cast<double>(F32(-5 * kPi)) + 0.006283185307179587)},
        {"just below zero: turned once, not again", -0.005f, F32(static_cast<double>(-0.005f) + 0.006283185307179587)},
        {"off the axes", 0.5f, 0.5f},
        {"0.0101 from the axis", 0.0101f, 0.0101f},
        {"beyond 5 pi", F32(6 * kPi), F32(6 * kPi)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NudgeOffAxes(c.theta), c.expected);
    }
}

struct FetchCase {
    const char* name;
    std::vector<test::Polygon> boundaries;
    float x0, y0, theta;
    float expected;
    float tolerance;
};

TEST(RadialFetch, HandMadeRegions)
{
    const test::Polygon square = Square(0, 0, 10);
    const test::Polygon triangle = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};  // last node dropped: a triangle
    const test::Polygon squareWithRepeat = {{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const test::Polygon island = Square(6, 4, 2);
    // The ray turned by 2*pi/1000 meets a side 5 away at 5 / cos(0.00628).
    const float tilted5 = 5.00009871f;
    const FetchCase cases[] = {
        {"square, along +x (the turned ray)", {square}, 5, 5, 0.0f, tilted5, 5e-7f},
        // A steep ray's slope (about -159) magnifies the float32 rounding of
        // the crossing abscissa: the scan is good to some 1e-5 there.
        {"square, along +y", {square}, 5, 5, kHalfPi, tilted5, 2e-5f},
        {"square, along -x", {square}, 5, 5, kFloatPi, tilted5, 5e-7f},
        {"square, through the corner node", {square}, 5, 5, static_cast<float>(kPi / 4), 7.0710678f, 1e-6f},
        {"repeated node changes nothing", {squareWithRepeat}, 5, 5, 0.0f, tilted5, 5e-7f},
        {"unclosed square is a triangle", {triangle}, 7, 3, 1.2f, 7.0214693f, 2e-6f},
        {"the same ray in the closed square", {square}, 7, 3, 1.2f, 7.5104146f, 2e-6f},
        {"outside, looking away", {square}, 15, 5, 0.0f, 0.0f, 0.0f},
        {"outside, looking at the region", {square}, 15, 5, kFloatPi, tilted5, 5e-7f},
        {"island in front", {square, island}, 5, 5, 0.0f, 1.00001974f, 5e-7f},
        {"island behind", {square, island}, 5, 5, kFloatPi, tilted5, 5e-7f},
        {"on a side, looking out", {square}, 10, 5, 0.0f, 0.0f, 0.0f},
        {"on a side, looking in", {square}, 10, 5, kFloatPi, 10.0001974f, 1e-6f},
        {"no boundary", {}, 5, 5, 0.0f, 0.0f, 0.0f},
    };
    for (const FetchCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord rec = EmptyFeetProject();
        for (std::size_t b = 0; b < c.boundaries.size(); ++b)
            SetBoundary(rec, static_cast<int>(b + 1), c.boundaries[b]);
        const float fetch = RadialFetch(rec, c.x0, c.y0, c.theta);
        EXPECT_NEAR(fetch, c.expected, c.tolerance);
        EXPECT_TRUE(SameBits(FetchScanner(rec).Fetch(c.x0, c.y0, c.theta), fetch));
    }
}

TEST(RadialFetch, FeetAndWindDirection)
{
    ProjectRecord rec = EmptyFeetProject();
    SetBoundary(rec, 1, Square(0, 0, 10));
    rec.CoordUnits = 3;  // Km
    rec.PointX = 5;
    rec.PointY = 5;
    rec.WindDirection = 0.0f;
    EXPECT_NEAR(WindDirectionFetch(rec), 5.00009871f, 5e-7f);
    EXPECT_EQ(RadialFetchFeet(rec, 5, 5, 0.0f), F32(static_cast<double>(RadialFetch(rec, 5, 5, 0.0f)) * 3280.8));
}

TEST(RadialFetch, DamagedRecordsNeverReadOutsideTheArrays)
{
    ProjectRecord rec = EmptyFeetProject();
    SetBoundary(rec, 1, Square(0, 0, 10));
    const float reference = RadialFetch(rec, 5, 5, 0.3f);

    ProjectRecord many = rec;
    many.BoundaryCount = 99;  // used as 5; boundaries 2..5 are empty
    EXPECT_EQ(RadialFetch(many, 5, 5, 0.3f), reference);
    many.BoundaryCount = -4;
    EXPECT_EQ(RadialFetch(many, 5, 5, 0.3f), 0.0f);

    ProjectRecord longRing = rec;
    longRing.NodeCount[1] = 1 << 30;  // used as 1000 positions, all zero after the square
    EXPECT_NO_FATAL_FAILURE(RadialFetch(longRing, 5, 5, 0.3f));
    EXPECT_EQ(FetchScanner(longRing).Fetch(5, 5, 0.3f), RadialFetch(longRing, 5, 5, 0.3f));

    // Non-finite input: no crash, no hang, and no distance taken from NaN.
    ProjectRecord broken = rec;
    broken.NodeX[1][2] = kNaN;
    broken.NodeY[1][3] = std::numeric_limits<float>::infinity();
    for (float theta : {0.0f, 0.3f, 2.0f, 4.0f, kNaN}) {
        const float fetch = RadialFetch(broken, 5, 5, theta);
        EXPECT_FALSE(std::isnan(fetch));
        EXPECT_TRUE(SameBits(FetchScanner(broken).Fetch(5, 5, theta), fetch));
    }
    EXPECT_EQ(RadialFetch(rec, kNaN, 5, 0.3f), 0.0f);
    EXPECT_EQ(RadialFetch(rec, 5, 5, kNaN), 0.0f);
}

// The scanner's culling must never change a bit: compare it with the plain
// scan over random regions, every sector direction and random rays, at
// small, large and far-off (map-grid) coordinates.
TEST(FetchScanner, BitIdenticalToThePlainScanOnRandomRegions)
{
    std::mt19937 gen(20240611u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const struct {
        float scale, offsetX, offsetY;
        int maxNodes;
    } settings[] = {{10.0f, 0.0f, 0.0f, 60},
                    {8000.0f, 0.0f, 0.0f, 999},
                    {3000.0f, 452000.0f, 4.2e6f, 400},
                    {0.05f, 1.0f, -2.0f, 30}};
    int compared = 0;
    int positive = 0;
    for (const auto& s : settings) {
        for (int region = 0; region < 60; ++region) {
            const ProjectRecord rec = test::RandomRegion(gen, s.scale, s.offsetX, s.offsetY, s.maxNodes);
            const FetchScanner scanner(rec);
            for (int ray = 0; ray < 40; ++ray) {
                float theta;
                if (ray < 8)
                    theta = F32(ray * kPi / 4);  // on the axes and diagonals
                else if (ray < 12)
                    theta = F32(ray * kPi / 2 + (unit(gen) - 0.5) * 0.03);  // around an axis
                else
                    theta = F32((unit(gen) - 0.5) * 4 * kPi);
                const float plain = RadialFetch(rec, rec.PointX, rec.PointY, theta);
                const float fast = scanner.Fetch(rec.PointX, rec.PointY, theta);
                ASSERT_TRUE(SameBits(plain, fast))
                    << "region " << region << " theta " << theta << ": " << plain << " vs " << fast;
                ++compared;
                positive += plain > 0.0f ? 1 : 0;
            }
        }
    }
    // Most rays start inside the region: the comparison must not be all zeros.
    EXPECT_GT(positive, compared / 2);
}

// A ray through a node meets the node's two segments in crossings that each
// segment's float32 line rounds a little differently; both used to fall
// outside their segments for a few percent of such rays, which then read
// fetch 0 from the middle of a lake (2 to 55 of every 1,000 node directions
// in these lakes). Every node direction from the centre now reaches the
// shore, in the plain scan and the scanner alike.
TEST(RadialFetch, RaysThroughNodesReachTheShore)
{
    const struct {
        int nodes;
        double radius, centreX, centreY;
    } lakes[] = {{72, 8, 0, 0},     {720, 8, 0, 0}, {998, 1, 0, 0}, {998, 3.7, -3, 2}, {360, 1000, 500000, 4390000},
                 {998, 12345, 0, 7}};
    for (const auto& lake : lakes) {
        ProjectRecord rec = EmptyFeetProject();
        std::vector<test::TestNode> ring;
        for (int k = 0; k <= lake.nodes; ++k) {  // closed: the last node repeats the first
            const double a = 2 * kPi * (k % lake.nodes) / lake.nodes;
            ring.push_back(
                {F32(lake.centreX + lake.radius * std::cos(a)), F32(lake.centreY + lake.radius * std::sin(a))});
        }
        rec.BoundaryCount = 1;
        SetBoundary(rec, 1, ring);
        const float x0 = F32(lake.centreX), y0 = F32(lake.centreY);
        const FetchScanner scanner(rec);
        for (int k = 0; k < lake.nodes; ++k) {
            const float theta = F32(2 * kPi * k / lake.nodes);
            const float fetch = RadialFetch(rec, x0, y0, theta);
            // Within 1 %: the chords, and the float32 lines at a UTM northing.
            ASSERT_NEAR(fetch, lake.radius, lake.radius * 0.01)
                << lake.nodes << " nodes, r " << lake.radius << ", node " << k;
            ASSERT_TRUE(SameBits(fetch, scanner.Fetch(x0, y0, theta)));
        }
    }
}

}  // namespace
}  // namespace orvane
