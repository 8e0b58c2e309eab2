#include "core/ProjectRecord.h"

#include <cstring>

#include <gtest/gtest.h>

#include "core/AppState.h"

namespace orvane {
namespace {

// One row of a table of record fields: any field type, compared as a double.
struct Field {
    template <class T> Field(const char* f, T v, double e) : field(f), value(static_cast<double>(v)), expected(e) { }
    const char* field;
    double value;
    double expected;
};

// Field offsets and the size are pinned by static_asserts beside the
// record; here the values the defaults put in, over a record of garbage.
TEST(ProjectRecordDefaults, DefaultProject)
{
    ProjectRecord rec {};
    std::memset(&rec, 0x5A, sizeof rec);  // defaults must not rely on a zeroed record
    SetProjectDefaults(rec);

    const Field fields[] = {
        {"Title length", rec.Title[0], 0},
        {"Title[1] left as it was", rec.Title[1], 0x5A},
        {"Padding left as found", rec.Padding[0], 0x5A},
        {"BoundaryCount", rec.BoundaryCount, 1},
        {"CoordUnits (Km)", rec.CoordUnits, kCoordKilometres},
        {"VelocityUnits (Km/hr)", rec.VelocityUnits, kVelocityKilometresPerHour},
        {"DirectionalMethod (Seymour)", rec.DirectionalMethod, kSeymour},
        {"SpectrumType, one past JONSWAP", rec.SpectrumType, 2},
        {"SignificantMethod (Wilson)", rec.SignificantMethod, kWilson},
        {"RegionScaleIndex", rec.RegionScaleIndex, 2},
        {"RegionGridIndex", rec.RegionGridIndex, 2},
        {"RegionSnapIndex", rec.RegionSnapIndex, 0},
        {"RegionWindowWidth", rec.RegionWindowWidth, 0},
        {"RegionWindowHeight", rec.RegionWindowHeight, 0},
        {"PointX", rec.PointX, 0},
        {"PointY", rec.PointY, 0},
        {"WindDirection", rec.WindDirection, 45},
        {"SectorAngle", rec.SectorAngle, 180},
        {"WindVelocity", rec.WindVelocity, 60},
        {"Depth", rec.Depth, 100},
        {"PlotMaxX", rec.PlotMaxX, 0},
        {"PlotSpanY", rec.PlotSpanY, 0},
        {"NodeCount[5]", rec.NodeCount[5], 0},
        {"NodeX[5][1000]", rec.NodeX[5][1000], 0},
        {"NodeY[0][0]", rec.NodeY[0][0], 0},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.value, f.expected) << f.field;
    const float reserved[7] = {0.0064f, 0.66f, 1.0f, 0.33f, 0.125f, 1.0f, 3.3f};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rec.ReservedParams[i], reserved[i]) << i;
}

TEST(ProjectRecordDefaults, ClearBoundariesKeepsNodeNumbers)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.BoundaryCount = 3;
    rec.NodeCount[2] = 4;
    rec.NodeNumber[2][3] = 3;
    rec.NodeX[2][3] = 10.0f;
    rec.NodeY[1][0] = 5.0f;
    ClearBoundaries(rec);
    EXPECT_EQ(rec.BoundaryCount, 1);
    EXPECT_EQ(rec.NodeCount[2], 0);
    EXPECT_EQ(rec.NodeNumber[2][3], 3);
    EXPECT_EQ(rec.NodeX[2][3], 0.0f);
    EXPECT_EQ(rec.NodeY[1][0], 0.0f);
}

TEST(ProjectRecordCounts, ClampedToStorage)
{
    ProjectRecord rec {};
    struct Case {
        std::int32_t stored;
        int boundaries;
        int nodes;
    } cases[] = {{-3, 0, 0}, {0, 0, 0}, {3, 3, 3}, {5, 5, 5}, {9, 5, 9}, {5000, 5, 1000}, {-2147483647 - 1, 0, 0}};
    for (const Case& c : cases) {
        rec.BoundaryCount = c.stored;
        rec.NodeCount[1] = c.stored;
        EXPECT_EQ(UsedBoundaryCount(rec), c.boundaries) << c.stored;
        EXPECT_EQ(UsedNodeCount(rec, 1), c.nodes) << c.stored;
    }
    rec.NodeCount[5] = 12;
    EXPECT_EQ(UsedNodeCount(rec, 5), 12);
    EXPECT_EQ(UsedNodeCount(rec, 6), 0) << "no boundary 6";
    EXPECT_EQ(UsedNodeCount(rec, -1), 0);
}

TEST(ProjectRecordTitle, LengthPrefixedAndCut)
{
    ProjectRecord rec {};
    SetTitleBytes(rec, "Harbour");
    EXPECT_EQ(rec.Title[0], 7);
    EXPECT_EQ(TitleBytes(rec), "Harbour");
    SetTitleBytes(rec, std::string(100, 'x'));
    EXPECT_EQ(rec.Title[0], 80);
    EXPECT_EQ(TitleBytes(rec).size(), 80u);
    rec.Title[0] = 200;  // damaged file: never read past the 80 characters
    EXPECT_EQ(TitleBytes(rec).size(), 80u);
}

TEST(AppStateTest, StartsWithTheDefaultProjectAndEmptyResults)
{
    AppState state;
    EXPECT_EQ(state.project.CoordUnits, 3);
    EXPECT_EQ(state.results.FreqCount, 0);
    EXPECT_EQ(state.results.Elevation[1000], 0.0f);
}

}  // namespace
}  // namespace orvane
