// The commit rules: the limits of the typed values, the spin steps, and the
// numbered grid rows that become node positions.

#include "core/CommitRules.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "core/Rounding.h"

namespace orvane {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

TEST(ClampInputs, LimitsAndValuesThatAreNoNumber)
{
    struct Case {
        const char* name;
        float sector, velocity, depth;
        float wantSector, wantVelocity, wantDepth;
    } cases[] = {
        {"inside", 90, 20, 12, 90, 20, 12},
        {"at the limits", 4, 5, 5, 4, 5, 5},
        {"sector 200, velocity 4.5, depth 1", 200, 4.5f, 1, 180, 5, 5},
        {"sector 2, typed empty (0)", 2, 0, 0, 4, 5, 5},
        {"no numbers", kNan, kNan, -kNan, 4, 5, 5},
        {"infinities", kInf, kInf, -kInf, 180, kInf, 5},
    };
    for (const Case& c : cases) {
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        rec.SectorAngle = c.sector;
        rec.WindVelocity = c.velocity;
        rec.Depth = c.depth;
        rec.PointX = -7;
        rec.WindDirection = 500;
        ClampInputs(rec);
        EXPECT_EQ(rec.SectorAngle, c.wantSector) << c.name;
        EXPECT_EQ(rec.WindVelocity, c.wantVelocity) << c.name;
        EXPECT_EQ(rec.Depth, c.wantDepth) << c.name;
        EXPECT_EQ(rec.PointX, -7.0f) << "no limit on the point";
        EXPECT_EQ(rec.WindDirection, 500.0f) << "no limit on the direction";
    }
}

TEST(ClampMethodCodes, PastTheLastItemBecomesTheLastItem)
{
    ProjectRecord rec {};
    rec.DirectionalMethod = 9;
    rec.SpectrumType = 2;
    rec.SignificantMethod = -3;  // selects nothing: kept
    ClampMethodCodes(rec);
    EXPECT_EQ(rec.DirectionalMethod, kSeymour);
    EXPECT_EQ(rec.SpectrumType, kJonswap);
    EXPECT_EQ(rec.SignificantMethod, -3);
}

TEST(SpinStep, StepsStopAtTheirLimitsOnlyOnTheirSide)
{
    ProjectRecord rec {};
    rec.PlotSpanX = 2000;
    rec.PlotSpanY = 2000;
    struct Case {
        const char* name;
        ValueField field;
        float value;
        bool up;
        float after;
    } cases[] = {
        {"x by 1 % of the span", ValueField::PointX, 1000, true, 1020},
        {"y down", ValueField::PointY, 125, false, 105},
        {"direction down once past -180", ValueField::WindDirection, -179.5f, false, -180.5f},
        {"direction stays below -180", ValueField::WindDirection, -180.5f, false, -180.5f},
        {"direction up once past 360", ValueField::WindDirection, 359.5f, true, 360.5f},
        {"sector stops at 180", ValueField::SectorAngle, 180, true, 180},
        {"sector stops at 4", ValueField::SectorAngle, 4, false, 4},
        {"velocity below 5 after a step", ValueField::WindVelocity, 6, false, 4},
        {"velocity up stops at 1000", ValueField::WindVelocity, 1001, true, 1001},
        {"depth down stops at 15", ValueField::Depth, 15, false, 15},
        {"depth up has no limit", ValueField::Depth, 5000, true, 5010},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpinStep(rec, c.field, c.value, c.up), c.after) << c.name;
    rec.PlotSpanX = 0;  // before any drawing
    EXPECT_EQ(SpinStep(rec, ValueField::PointX, 3, true), 3.0f);
    EXPECT_STREQ(RuleOf(ValueField::Depth).format, "%8.3f");
    EXPECT_STREQ(RuleOf(ValueField::SectorAngle).format, "%6.2f");
}

struct Position {
    int number;
    float x;
    float y;
    friend bool operator==(const Position&, const Position&) = default;
};

std::vector<Position> Positions(const ProjectRecord& rec, int b)
{
    std::vector<Position> out;
    for (int i = 0; i <= rec.NodeCount[b]; ++i)
        out.push_back({i == 0 ? -1 : rec.NodeNumber[b][i], rec.NodeX[b][i], rec.NodeY[b][i]});
    return out;
}

TEST(StoreNodes, NumbersAreIdentitiesAndGapsBecomeGapNodes)
{
    struct Case {
        const char* name;
        std::vector<NodeRowText> rows;
        std::vector<Position> positions;  // 0..N; position 0 shown with number -1
    } cases[] = {
        {"1, 2, 5",
         {{" 1", "0", "0"}, {"2", "10", "0"}, {"5", "10", "10"}},
         {{-1, 10, 10}, {1, 0, 0}, {2, 10, 0}, {0, 10, 10}, {0, 10, 10}, {5, 10, 10}}},
        {"3 before 1", {{"3", "7", "8"}, {"1", "1", "2"}}, {{-1, 7, 8}, {1, 1, 2}, {0, 7, 8}, {3, 7, 8}}},
        {"starting at 2", {{"2", "4", "4"}}, {{-1, 4, 4}, {0, 4, 4}, {2, 4, 4}}},
        {"a later row overwrites", {{"1", "1", "1"}, {"1", "2", "2"}}, {{-1, 2, 2}, {1, 2, 2}}},
        {"text that is no number stores 0", {{"1", "abc", "1,5"}}, {{-1, 0, 1.5f}, {1, 0, 1.5f}}},
        {"999 is the last number",
         {{"999", "9", "9"}, {"1000", "1", "1"}},
         [] {
             std::vector<Position> p {{-1, 9, 9}};
             for (int i = 1; i < 999; ++i)
                 p.push_back({0, 9, 9});
             p.push_back({999, 9, 9});
             return p;
         }()},
        {"nothing", {}, {{-1, 0, 0}}},
        // No row that holds a node is lost (Bay: row 49 blank, node 50 below it).
        {"a blank row in the middle",
         {{"1", "1", "1"}, {" ", "", ""}, {"2", "2", "2"}},
         {{-1, 2, 2}, {1, 1, 1}, {2, 2, 2}}},
        {"coordinates without a number",
         {{"1", "1", "1"}, {"", "2", "2"}, {"x", "3", "3"}},
         {{-1, 3, 3}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}},
        {"no number on top", {{"", "5", "6"}}, {{-1, 5, 6}, {1, 5, 6}}},
        {"numbers that cannot be stored are skipped",
         {{"1", "1", "1"},
          {"1000", "9", "9"},
          {"0", "9", "9"},
          {"-2", "9", "9"},
          {"99999999999", "9", "9"},
          {"2", "2", "2"}},
         {{-1, 2, 2}, {1, 1, 1}, {2, 2, 2}}},
    };
    for (const Case& c : cases) {
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        const int count = StoreNodes(rec, 3, c.rows);
        EXPECT_EQ(count, rec.NodeCount[3]) << c.name;
        EXPECT_EQ(Positions(rec, 3), c.positions) << c.name;
    }
    ProjectRecord rec {};
    EXPECT_EQ(StoreNodes(rec, 6, std::vector<NodeRowText> {{"1", "1", "1"}}), 0) << "no boundary 6";
}

TEST(RoundEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(3.5), 4);
    EXPECT_EQ(RoundEven(-0.5), 0);
    EXPECT_EQ(RoundEven(328.5), 328);
    EXPECT_EQ(RoundEven(std::nan("")), 0);
    EXPECT_EQ(RoundEven(1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace orvane
