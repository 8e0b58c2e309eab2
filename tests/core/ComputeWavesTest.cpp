#include "core/ComputeWaves.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "tests/core/EngineReference.h"
#include "tests/core/EngineTestSupport.h"

namespace orvane {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Lines = std::vector<std::string>;

TEST(ResultsText, Lines)
{
    struct Case {
        const char* name;
        int coordUnits;
        float heightM, heightFt, period;
        Lines expected;
    } cases[] = {
        {"metric",
         3,
         1.168f,
         3.832f,
         4.122f,
         {"Wave spectrum", " ", "fs =0.243 Hz", "Ts = 4.12 sec", " ", "Hs = 1.17 m", "H1/3 = 1.17 m", "H1/10= 1.49 m",
          "Hmax= 1.87 m"}},
        {"feet",
         0,
         1.168f,
         3.832f,
         4.122f,
         {"Wave spectrum", " ", "fs =0.243 Hz", "Ts = 4.12 sec", " ", "Hs   = 3.83 ft", "H1/3 = 3.83 ft",
          "H1/10= 4.87 ft", "Hmax= 6.13 ft"}},
        {"no fetch: the frequency is not defined",
         2,
         0.0f,
         0.0f,
         0.0f,
         {"Wave spectrum", " ", "fs =  n/a Hz", "Ts = 0.00 sec", " ", "Hs = 0.00 m", "H1/3 = 0.00 m", "H1/10= 0.00 m",
          "Hmax= 0.00 m"}},
        {"undefined results",
         1,
         kNaN,
         kNaN,
         kNaN,
         {"Wave spectrum", " ", "fs =  n/a Hz", "Ts =  nan sec", " ", "Hs   =  nan ft", "H1/3 =  nan ft",
          "H1/10=  nan ft", "Hmax=  nan ft"}},
        {"wide numbers keep their digits",
         0,
         100.0f,
         328.08f,
         12.5f,
         {"Wave spectrum", " ", "fs =0.080 Hz", "Ts =12.50 sec", " ", "Hs   =328.08 ft", "H1/3 =328.08 ft",
          "H1/10=417.32 ft", "Hmax=524.93 ft"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        rec.CoordUnits = c.coordUnits;
        WaveResults results {};
        results.HeightM = c.heightM;
        results.HeightFt = c.heightFt;
        results.Period = c.period;
        EXPECT_EQ(ResultsTextLines(rec, results), c.expected);
    }
}

TEST(ClampMethodCodes, CodesAboveTheLastItemBecomeTheLastItem)
{
    struct Case {
        int directional, spectrum, significant;
        int expectDirectional, expectSpectrum, expectSignificant;
    } cases[] = {
        {2, 2, 2, 2, 1, 2},  // the defaults: spectrum type 2 is JONSWAP
        {0, 0, 0, 0, 0, 0},   {1, 1, 1, 1, 1, 1},
        {3, 9, 100, 2, 1, 2}, {-1, -4, -2, -1, -4, -2},  // no item selected: left alone
    };
    for (const Case& c : cases) {
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        rec.DirectionalMethod = c.directional;
        rec.SpectrumType = c.spectrum;
        rec.SignificantMethod = c.significant;
        ProjectRecord before = rec;
        ClampMethodCodes(rec);
        EXPECT_EQ(rec.DirectionalMethod, c.expectDirectional);
        EXPECT_EQ(rec.SpectrumType, c.expectSpectrum);
        EXPECT_EQ(rec.SignificantMethod, c.expectSignificant);
        before.DirectionalMethod = rec.DirectionalMethod;
        before.SpectrumType = rec.SpectrumType;
        before.SignificantMethod = rec.SignificantMethod;
        EXPECT_EQ(std::memcmp(&before, &rec, sizeof rec), 0) << "nothing else changes";
    }
}

// The point in the middle of a 360-gon of radius 10 km: about 10 km of
// fetch in every direction, the worked example's 60 km/h and 10 m of depth.
ProjectRecord RoundLake(int directional, int significant)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    test::Polygon ring;
    for (int k = 0; k < 360; ++k)
        ring.emplace_back(static_cast<float>(10.0 * std::cos(k * kPi / 180)),
                          static_cast<float>(10.0 * std::sin(k * kPi / 180)));
    ring.push_back(ring.front());
    test::SetBoundary(rec, 1, ring);
    rec.CoordUnits = 3;
    rec.VelocityUnits = 1;
    rec.WindVelocity = 60;
    rec.Depth = 10;
    rec.SectorAngle = 90;
    rec.DirectionalMethod = directional;
    rec.SpectrumType = 1;
    rec.SignificantMethod = significant;
    return rec;
}

TEST(ComputeWaves, RoundLakeMatchesTheSingleFetchExample)
{
    // A 1-degree chord lies 0.004 % inside the circle: heights to 1 cm and
    // periods to 0.01 s are those of a single 10 km fetch.
    const struct {
        int method;
        float heightM, period;
    } cases[] = {{0, 1.168f, 4.122f}, {1, 1.047f, 3.754f}, {2, 1.146f, 3.506f}};
    for (const auto& c : cases) {
        for (int directional : {0, 1}) {
            SCOPED_TRACE(c.method * 10 + directional);
            const ProjectRecord rec = RoundLake(directional, c.method);
            WaveResults results {};
            RandomGenerator random(3u);
            ComputeWaves(rec, results, random);
            EXPECT_EQ(results.FreqCount, 64);
            EXPECT_EQ(results.SampleCount, 1000);
            EXPECT_EQ(results.TimeStep, 0.25f);
            EXPECT_NEAR(results.HeightM, c.heightM, 0.001f);
            EXPECT_NEAR(results.Period, c.period, 0.002f);
            EXPECT_EQ(results.Freq[64], F32(64 * static_cast<double>(F32(3.0 / results.Period / 64))));
        }
    }
    const ProjectRecord rec = RoundLake(0, 0);
    WaveResults results {};
    RandomGenerator random(3u);
    ComputeWaves(rec, results, random);
    EXPECT_EQ(ResultsTextLines(rec, results),
              (Lines {"Wave spectrum", " ", "fs =0.243 Hz", "Ts = 4.12 sec", " ", "Hs = 1.17 m", "H1/3 = 1.17 m",
                      "H1/10= 1.49 m", "Hmax= 1.87 m"}));
}

bool SameResults(const WaveResults& a, const WaveResults& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The engine's shortcuts against the plain loops, run after run on the same
// results (so a stale value would show), over random regions of every size.
TEST(ComputeWaves, BitIdenticalToThePlainLoops)
{
    std::mt19937 gen(77u);
    WaveResults fast {}, plain {};
    RandomGenerator fastRandom(11u), plainRandom(11u);
    int withWaves = 0;
    for (int run = 0; run < 150; ++run) {
        const float scale = run % 3 == 0 ? 20.0f : run % 3 == 1 ? 9000.0f : 0.3f;
        const float offset = run % 5 == 0 ? 300000.0f : 0.0f;
        const ProjectRecord rec = test::RandomRegion(gen, scale, offset, offset, run % 4 == 0 ? 999 : 120);
        ComputeWaves(rec, fast, fastRandom);
        reference::PlainComputeWaves(rec, plain, plainRandom);
        ASSERT_TRUE(SameResults(fast, plain))
            << "run " << run << " method " << rec.DirectionalMethod << ": " << fast.HeightFt << " " << plain.HeightFt;
        withWaves += fast.HeightFt > 0.0f ? 1 : 0;
    }
    EXPECT_GT(withWaves, 75);
}

TEST(ComputeWaves, UnknownDirectionalMethodShowsNothingStale)
{
    ProjectRecord rec = RoundLake(0, 0);
    WaveResults results {};
    RandomGenerator random(5u);
    ComputeWaves(rec, results, random);
    ASSERT_GT(results.HeightM, 1.0f);
    rec.DirectionalMethod = -1;
    ComputeWaves(rec, results, random);
    EXPECT_TRUE(std::isnan(results.HeightM) && std::isnan(results.HeightFt) && std::isnan(results.Period));
    for (int k = 0; k <= 64; ++k)
        ASSERT_EQ(results.Density[k], 0.0f);
    for (int j = 1; j <= 1000; ++j)
        ASSERT_EQ(results.Elevation[j], 0.0f);
}

enum class Expect { Zero, Finite, Undefined };

TEST(ComputeWaves, DamagedProjectsNeverFail)
{
    struct Case {
        const char* name;
        void (*damage)(ProjectRecord&);
        Expect expect;
    } cases[] = {
        {"NaN point", [](ProjectRecord& r) { r.PointX = kNaN; }, Expect::Zero},
        {"infinite point", [](ProjectRecord& r) { r.PointY = kInf; }, Expect::Zero},
        {"NaN sector", [](ProjectRecord& r) { r.SectorAngle = kNaN; }, Expect::Zero},
        {"negative sector", [](ProjectRecord& r) { r.SectorAngle = -90; }, Expect::Zero},
        {"huge sector", [](ProjectRecord& r) { r.SectorAngle = 3e38f; }, Expect::Finite},
        {"NaN wind direction", [](ProjectRecord& r) { r.WindDirection = kNaN; }, Expect::Undefined},
        {"huge wind direction", [](ProjectRecord& r) { r.WindDirection = 1e30f; }, Expect::Finite},
        {"NaN wind speed", [](ProjectRecord& r) { r.WindVelocity = kNaN; }, Expect::Undefined},
        {"infinite wind speed", [](ProjectRecord& r) { r.WindVelocity = kInf; }, Expect::Undefined},
        {"NaN depth", [](ProjectRecord& r) { r.Depth = kNaN; }, Expect::Finite},  // depth enters method 1 only
        {"unknown coordinate unit", [](ProjectRecord& r) { r.CoordUnits = 9; }, Expect::Undefined},
        {"unknown velocity unit", [](ProjectRecord& r) { r.VelocityUnits = -3; }, Expect::Undefined},
        {"unknown significant method", [](ProjectRecord& r) { r.SignificantMethod = 7; }, Expect::Undefined},
        {"negative spectrum type is Pierson-Moskowitz", [](ProjectRecord& r) { r.SpectrumType = -5; }, Expect::Finite},
        {"boundary count 99", [](ProjectRecord& r) { r.BoundaryCount = 99; }, Expect::Finite},
        {"negative boundary count", [](ProjectRecord& r) { r.BoundaryCount = -1; }, Expect::Zero},
        {"node count 2^31-1", [](ProjectRecord& r) { r.NodeCount[1] = 0x7fffffff; }, Expect::Finite},
        {"negative node count", [](ProjectRecord& r) { r.NodeCount[1] = -8; }, Expect::Zero},
        {"NaN node", [](ProjectRecord& r) { r.NodeX[1][100] = kNaN; }, Expect::Finite},
        {"infinite nodes", [](ProjectRecord& r) { r.NodeY[1][7] = r.NodeX[1][8] = -kInf; }, Expect::Finite},
    };
    for (const Case& c : cases) {
        for (int directional = 0; directional <= 2; ++directional) {
            SCOPED_TRACE(std::string(c.name) + " / method " + std::to_string(directional));
            ProjectRecord rec = RoundLake(directional, 0);
            c.damage(rec);
            WaveResults results {};
            RandomGenerator random(9u);
            ComputeWaves(rec, results, random);
            WaveResults plain {};
            RandomGenerator plainRandom(9u);
            reference::PlainComputeWaves(rec, plain, plainRandom);
            EXPECT_TRUE(SameResults(results, plain));
            switch (c.expect) {
            case Expect::Zero:
                EXPECT_EQ(results.HeightM, 0.0f);
                for (int j = 1; j <= 1000; ++j)
                    ASSERT_EQ(results.Elevation[j], 0.0f);
                break;
            case Expect::Finite:
                EXPECT_TRUE(std::isfinite(results.HeightM) && results.HeightM > 0.0f) << results.HeightM;
                EXPECT_TRUE(std::isfinite(results.Period) && results.Period > 0.0f) << results.Period;
                for (int j = 1; j <= 1000; ++j)
                    ASSERT_TRUE(std::isfinite(results.Elevation[j]));
                break;
            case Expect::Undefined: EXPECT_TRUE(std::isnan(results.HeightM)) << results.HeightM; break;
            }
        }
    }
}

}  // namespace
}  // namespace orvane
