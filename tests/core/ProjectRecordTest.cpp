#include <gtest/gtest.h>

#include <cstring>

#include "core/AppState.h"
#include "core/ProjectRecord.h"

namespace orvane {
namespace {

// Byte offsets computed by hand from the file layout, read back through raw
// memory, so a reordered or resized field cannot slip past.
template <class T>
T At(const ProjectRecord& rec, std::size_t offset)
{
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(&rec) + offset, sizeof value);
    return value;
}

TEST(ProjectRecordLayout, FieldsLandAtTheirFileOffsets)
{
    ProjectRecord rec{};
    rec.BoundaryCount = 4;
    rec.RegionWindowHeight = 77;
    rec.PlotMaxX = 1.5f;
    rec.Depth = 12.25f;
    rec.ReservedParams[6] = 3.3f;
    rec.NodeCount[5] = 999;
    rec.NodeNumber[2][7] = 42;
    rec.NodeX[3][1000] = -8.5f;
    rec.NodeY[5][1000] = 6.75f;

    EXPECT_EQ(At<std::int32_t>(rec, 84), 4);
    EXPECT_EQ(At<std::int32_t>(rec, 124), 77);
    EXPECT_EQ(At<float>(rec, 128), 1.5f);
    EXPECT_EQ(At<float>(rec, 172), 12.25f);
    EXPECT_EQ(At<float>(rec, 176 + 6 * 4), 3.3f);
    EXPECT_EQ(At<std::int32_t>(rec, 204 + 5 * 4), 999);
    EXPECT_EQ(At<std::int32_t>(rec, 228 + 4 * (1001 * 2 + 7)), 42);
    EXPECT_EQ(At<float>(rec, 24252 + 4 * (1001 * 3 + 1000)), -8.5f);
    EXPECT_EQ(At<float>(rec, 48276 + 4 * (1001 * 5 + 1000)), 6.75f);
    EXPECT_EQ(48276 + 4 * (1001 * 5 + 1000) + 4, 72300);
    EXPECT_EQ(sizeof(ProjectRecord), 72300u);
}

TEST(ProjectRecordDefaults, DefaultProject)
{
    ProjectRecord rec{};
    std::memset(&rec, 0x5A, sizeof rec);  // defaults must not rely on a zeroed record
    SetProjectDefaults(rec);

    EXPECT_EQ(rec.Title[0], 0);
    EXPECT_EQ(rec.Title[1], 0x5A) << "title characters are left as they are";
    EXPECT_EQ(rec.BoundaryCount, 1);
    for (int b = 0; b <= 5; ++b)
        EXPECT_EQ(rec.NodeCount[b], 0);
    EXPECT_EQ(rec.PointX, 0.0f);
    EXPECT_EQ(rec.PointY, 0.0f);
    EXPECT_EQ(rec.WindDirection, 45.0f);
    EXPECT_EQ(rec.SectorAngle, 180.0f);
    EXPECT_EQ(rec.WindVelocity, 60.0f);
    EXPECT_EQ(rec.CoordUnits, 3);
    EXPECT_EQ(rec.Depth, 100.0f);
    EXPECT_EQ(rec.VelocityUnits, 1);
    EXPECT_EQ(rec.DirectionalMethod, 2);
    EXPECT_EQ(rec.SpectrumType, 2);
    EXPECT_EQ(rec.SignificantMethod, 2);
    EXPECT_EQ(rec.RegionScaleIndex, 2);
    EXPECT_EQ(rec.RegionGridIndex, 2);
    EXPECT_EQ(rec.RegionSnapIndex, 0);
    EXPECT_EQ(rec.RegionWindowWidth, 0);
    EXPECT_EQ(rec.RegionWindowHeight, 0);
    const float reserved[7] = {0.0064f, 0.66f, 1.0f, 0.33f, 0.125f, 1.0f, 3.3f};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rec.ReservedParams[i], reserved[i]) << i;
    EXPECT_EQ(rec.PlotMaxX, 0.0f);
    EXPECT_EQ(rec.PlotSpanY, 0.0f);
    EXPECT_EQ(rec.NodeX[5][1000], 0.0f);
    EXPECT_EQ(rec.NodeY[0][0], 0.0f);
    EXPECT_EQ(rec.Padding[0], 0x5A) << "padding is left as found";
}

TEST(ProjectRecordDefaults, ClearBoundariesKeepsNodeNumbers)
{
    ProjectRecord rec{};
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
    ProjectRecord rec{};
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
    ProjectRecord rec{};
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
