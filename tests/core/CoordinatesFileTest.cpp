#include <gtest/gtest.h>

#include "core/CoordinatesFile.h"
#include "tests/TestSupport.h"

namespace orvane {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

ProjectRecord TwoBoundaries()
{
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    rec.BoundaryCount = 2;
    rec.NodeCount[1] = 3;
    rec.NodeCount[2] = 4;
    for (int k = 1; k <= 3; ++k) {
        rec.NodeNumber[1][k] = k;
        rec.NodeX[1][k] = 1000.0f * static_cast<float>(k);
        rec.NodeY[1][k] = 250.5f;
    }
    for (int k = 1; k <= 4; ++k) {
        rec.NodeNumber[2][k] = k;
        rec.NodeX[2][k] = -1.25f * static_cast<float>(k);
        rec.NodeY[2][k] = 0.001f * static_cast<float>(k);
    }
    rec.NodeX[1][0] = rec.NodeX[1][3];  // the drawing copy, never written
    return rec;
}

TEST(ExportCoordinates, LinesAndSeparator)
{
    const std::string text = CoordinatesText(TwoBoundaries());
    EXPECT_EQ(text.substr(0, 33), "    1     1000.000      250.500\r\n");
    int lines = 0;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 8);
    EXPECT_NE(text.find("\r\nR\r\n    1       -1.250        0.001\r\n"), std::string::npos);
}

TEST(CoordinatesRoundTrip, ExportThenImportRestoresTheBoundaries)
{
    TempDir dir;
    const std::string name = dir.File("coords.txt");
    const ProjectRecord source = TwoBoundaries();
    ASSERT_TRUE(ExportCoordinates(source, name));

    ProjectRecord rec{};
    SetProjectDefaults(rec);
    rec.NodeCount[4] = 9;  // every boundary is reset, also those the file lacks
    rec.NodeX[5][3] = 1.0f;
    ASSERT_TRUE(ImportCoordinates(rec, name));
    EXPECT_EQ(rec.BoundaryCount, 2);
    EXPECT_EQ(rec.NodeCount[1], 3);
    EXPECT_EQ(rec.NodeCount[2], 4);
    EXPECT_EQ(rec.NodeCount[4], 0);
    EXPECT_EQ(rec.NodeX[5][3], 0.0f);
    EXPECT_EQ(rec.NodeX[1][0], 0.0f) << "position 0 is not imported";
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(rec.NodeNumber[1][k], k);
        EXPECT_EQ(rec.NodeX[1][k], source.NodeX[1][k]);
        EXPECT_EQ(rec.NodeY[1][k], source.NodeY[1][k]);
    }
    EXPECT_EQ(rec.NodeX[2][4], -5.0f);
    EXPECT_FLOAT_EQ(rec.NodeY[2][4], 0.004f);
    EXPECT_EQ(rec.WindVelocity, 60.0f) << "only boundaries travel";
}

TEST(ImportCoordinates, GapNodesSurviveARoundTrip)
{
    ProjectRecord source = TwoBoundaries();
    source.BoundaryCount = 1;
    source.NodeNumber[1][2] = 0;  // gap node: repeats node 3's coordinates
    source.NodeX[1][2] = source.NodeX[1][3];
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, CoordinatesText(source));
    EXPECT_EQ(rec.NodeCount[1], 3);
    EXPECT_EQ(rec.NodeNumber[1][2], 0);
    EXPECT_EQ(rec.NodeX[1][2], 3000.0f);
}

struct ImportCase {
    const char* name;
    const char* text;
    int boundaryCount;
    int counts[6];
};

class ImportCoordinatesCases : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportCoordinatesCases, Counts)
{
    const ImportCase& c = GetParam();
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, c.text);
    EXPECT_EQ(rec.BoundaryCount, c.boundaryCount);
    for (int b = 1; b <= 5; ++b)
        EXPECT_EQ(rec.NodeCount[b], c.counts[b]) << "boundary " << b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportCoordinatesCases,
    testing::Values(
        ImportCase{"NoSeparator", "1 0 0\n2 1 0\n3 1 1\n", 1, {0, 3, 0, 0, 0, 0}},
        ImportCase{"LowerCaseR", "1 0 0\n2 1 0\nr\n1 5 5\n", 2, {0, 2, 1, 0, 0, 0}},
        ImportCase{"BlankBeforeRIsNoSeparator", "1 0 0\n R\n3 1 1\n", 1, {0, 3, 0, 0, 0, 0}},
        ImportCase{"NumbersSkipped", "1 0 0\n2 1 0\n5 1 1\n", 1, {0, 5, 0, 0, 0, 0}},
        ImportCase{"RFirstLineBelongsToBoundaryOne", "R\n2 1 0\nR\n1 4 4\n", 2, {0, 2, 1, 0, 0, 0}},
        ImportCase{"SixthBlockIgnored", "1 0 0\nR\n1 0 0\nR\n1 0 0\nR\n1 0 0\nR\n2 0 0\nR\n7 0 0\n8 0 0\n", 5,
                   {0, 1, 1, 1, 1, 2}},
        ImportCase{"HugeNodeNumberCapped", "1 0 0\n5000 1 1\n", 1, {0, 999, 0, 0, 0, 0}},
        ImportCase{"NegativeNumberAddsNothing", "-4 0 0\n2 1 1\n", 1, {0, 2, 0, 0, 0, 0}},
        ImportCase{"NonNumericLinesSkipped", "1 0 0\nx y z\n3 1\n4 1 1 trailing text\n", 1, {0, 4, 0, 0, 0, 0}},
        ImportCase{"EmptyFile", "", 1, {0, 0, 0, 0, 0, 0}},
        ImportCase{"OnlySeparators", "R\nR\nR\n", 3, {0, 0, 0, 0, 0, 0}}),
    [](const testing::TestParamInfo<ImportCase>& param) { return param.param.name; });

TEST(ImportCoordinates, NumbersOffTheirLinesLeaveZeroPositions)
{
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, "1 1 1\r\n2 2 2\r\n5 5 5\r\n");
    EXPECT_EQ(rec.NodeCount[1], 5);
    EXPECT_EQ(rec.NodeX[1][3], 5.0f) << "position from the line, not the number";
    EXPECT_EQ(rec.NodeX[1][4], 0.0f);
    EXPECT_EQ(rec.NodeY[1][5], 0.0f);
}

TEST(ImportCoordinates, LinesPastPosition999AreSkipped)
{
    std::string text;
    for (int k = 1; k <= 1005; ++k)
        text += std::to_string(k % 999 + 1) + " 1 2\n";
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, text);
    EXPECT_EQ(rec.NodeCount[1], 999);
    EXPECT_EQ(rec.NodeX[1][1000], 0.0f) << "storage position 1000 is never written";
    EXPECT_EQ(rec.NodeNumber[1][999], 1);
}

TEST(ImportCoordinates, MissingFileChangesNothing)
{
    TempDir dir;
    ProjectRecord rec = TwoBoundaries();
    EXPECT_FALSE(ImportCoordinates(rec, dir.File("none.txt")));
    EXPECT_EQ(rec.BoundaryCount, 2);
    EXPECT_EQ(rec.NodeCount[2], 4);
}

TEST(ExportCoordinates, ClampsDamagedCounts)
{
    ProjectRecord rec = TwoBoundaries();
    rec.BoundaryCount = 9;
    rec.NodeCount[2] = 5000;
    rec.NodeCount[3] = -7;
    const std::string text = CoordinatesText(rec);  // must stay inside the arrays
    int separators = 0;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        separators += text.compare(i, 3, "\nR\r") == 0 ? 1 : 0;
    EXPECT_EQ(separators, 4);
}

TEST(ExportCoordinates, UnwritableTargetReportsFailure)
{
    TempDir dir;
    EXPECT_FALSE(ExportCoordinates(TwoBoundaries(), dir.File("missing/dir/out.txt")));
    WriteBytes(dir.File("keep.txt"), "old");
    EXPECT_EQ(ReadBytes(dir.File("keep.txt")), "old");
}

}  // namespace
}  // namespace orvane
