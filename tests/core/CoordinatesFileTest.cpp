#include "core/CoordinatesFile.h"

#include <cstring>
#include <fstream>
#include <tuple>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "tests/TestSupport.h"

namespace orvane {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

ProjectRecord TwoBoundaries()
{
    ProjectRecord rec {};
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

    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.NodeCount[4] = 9;  // every boundary is reset, also those the file lacks
    rec.NodeX[5][3] = 1.0f;
    ASSERT_TRUE(ImportCoordinates(rec, name));
    EXPECT_EQ(rec.BoundaryCount, 2);
    EXPECT_EQ(rec.NodeCount[1], 3);
    EXPECT_EQ(rec.NodeCount[2], 4);
    EXPECT_EQ(rec.NodeCount[4], 0);
    EXPECT_EQ(rec.NodeX[5][3], 0.0f);
    EXPECT_EQ(rec.NodeX[1][0], 3000.0f) << "position 0 is the closing copy, as the grids store it";
    EXPECT_EQ(rec.NodeY[2][0], rec.NodeY[2][4]);
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
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, CoordinatesText(source));
    EXPECT_EQ(rec.NodeCount[1], 3);
    EXPECT_EQ(rec.NodeNumber[1][2], 0);
    EXPECT_EQ(rec.NodeX[1][2], 3000.0f);
}

// The ASCII text as UTF-16 with its byte-order mark.
std::string Utf16(std::string_view ascii, bool littleEndian)
{
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char c : ascii)
        out += littleEndian ? std::string {c, '\0'} : std::string {'\0', c};
    return out;
}

struct Probe {  // one position after the import; b = 0: none
    int b, k, number;
    float x, y;
};

struct ImportCase {
    const char* name;
    std::string text;
    bool imported;
    int boundaryCount;
    int counts[6];
    Probe probe;
};

class ImportCoordinatesCases : public testing::TestWithParam<ImportCase> { };

// Every case starts from a project with two boundaries of 3 and 4 nodes, so a
// text without a node must leave exactly those.
TEST_P(ImportCoordinatesCases, CountsPositionsAndClosingCopies)
{
    const ImportCase& c = GetParam();
    ProjectRecord rec = TwoBoundaries();
    const ImportResult result = ImportCoordinatesText(rec, c.text);
    EXPECT_EQ(result.state, c.imported ? ImportState::Imported : ImportState::NoCoordinates);
    EXPECT_EQ(rec.BoundaryCount, c.boundaryCount);
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(rec.NodeCount[b], c.counts[b]) << "boundary " << b;
        EXPECT_TRUE(rec.NodeX[b][0] == rec.NodeX[b][rec.NodeCount[b]] || !c.imported) << "closing copy, " << b;
    }
    const Probe& p = c.probe;
    if (p.b > 0) {
        EXPECT_EQ(std::make_tuple(rec.NodeNumber[p.b][p.k], rec.NodeX[p.b][p.k], rec.NodeY[p.b][p.k]),
                  std::make_tuple(p.number, p.x, p.y));
    }

    // Fed one byte at a time, as a file's pieces may split a mark or a CR LF.
    ProjectRecord pieces = TwoBoundaries();
    CoordinatesReader reader;
    for (char ch : c.text)
        reader.Feed(std::string_view(&ch, 1));
    EXPECT_EQ(reader.Finish(pieces).nodes, result.nodes);
    EXPECT_EQ(std::memcmp(&pieces, &rec, sizeof rec), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportCoordinatesCases,
    testing::Values(
        ImportCase {"NoSeparator", "1 0 0\n2 1 0\n3 1 1\n", true, 1, {0, 3, 0, 0, 0, 0}, {}},
        ImportCase {"LowerCaseR", "1 0 0\n2 1 0\nr\n1 5 5\n", true, 2, {0, 2, 1, 0, 0, 0}, {2, 1, 1, 5, 5}},
        ImportCase {"BlankBeforeRIsNoSeparator", "1 0 0\n R\n3 1 1\n", true, 1, {0, 3, 0, 0, 0, 0}, {}},
        ImportCase {"NumbersSkipped", "1 0 0\n2 1 0\n5 1 1\n", true, 1, {0, 5, 0, 0, 0, 0}, {1, 3, 5, 1, 1}},
        ImportCase {"RFirstLineBelongsToBoundaryOne", "R\n2 1 0\nR\n1 4 4\n", true, 2, {0, 2, 1, 0, 0, 0}, {}},
        ImportCase {"SixthBlockIgnored",
                    "1 0 0\nR\n1 0 0\nR\n1 0 0\nR\n1 0 0\nR\n2 0 0\nR\n7 0 0\n8 0 0\n",
                    true,
                    5,
                    {0, 1, 1, 1, 1, 2},
                    {}},
        ImportCase {"HugeNodeNumberCapped", "1 0 0\n5000 1 1\n", true, 1, {0, 999, 0, 0, 0, 0}, {}},
        ImportCase {"NegativeNumberAddsNothing", "-4 0 0\n2 1 1\n", true, 1, {0, 2, 0, 0, 0, 0}, {}},
        // Junk takes no position; "3 1" is x, y numbered after the largest so far.
        ImportCase {"NonNumericLinesSkipped",
                    "1 0 0\nx y z\n3 1\n4 1 1 trailing text\n",
                    true,
                    1,
                    {0, 4, 0, 0, 0, 0},
                    {1, 2, 2, 3, 1}},
        ImportCase {"CsvWithHeader",
                    "node,x,y\r\n1,537000.5,4390000\r\n2,545000,4390000\r\n3,545000,4398000\r\n",
                    true,
                    1,
                    {0, 3, 0, 0, 0, 0},
                    {1, 1, 1, 537000.5f, 4390000}},
        ImportCase {"SemicolonsWithDecimalCommas",
                    "x;y\n537000,5;4390000\n545000;4390000,75\n",
                    true,
                    1,
                    {0, 2, 0, 0, 0, 0},
                    {1, 2, 2, 545000, 4390000.75f}},
        ImportCase {"TabsAndAnElevation",
                    "x\ty\tz\n1.5\t2.5\t99\n3.5\t4.5\t98\n",
                    true,
                    1,
                    {0, 2, 0, 0, 0, 0},
                    {1, 1, 1, 1.5f, 2.5f}},
        ImportCase {"Utf8ByteOrderMark",
                    "\xEF\xBB\xBF"
                    "1 7 8\n2 1 0\n",
                    true,
                    1,
                    {0, 2, 0, 0, 0, 0},
                    {1, 1, 1, 7, 8}},
        ImportCase {"Utf16LittleEndian",
                    Utf16("node x y\r\n1 7 8\r\nR\r\n1 2 3\r\n", true),
                    true,
                    2,
                    {0, 1, 1, 0, 0, 0},
                    {2, 1, 1, 2, 3}},
        ImportCase {
            "Utf16BigEndian", Utf16("1 7 8\r\n2 9 10\r\n", false), true, 1, {0, 2, 0, 0, 0, 0}, {1, 2, 2, 9, 10}},
        ImportCase {"CarriageReturnsOnly", "1 0 0\r2 1 0\rR\r1 3 3\r", true, 2, {0, 2, 1, 0, 0, 0}, {2, 1, 1, 3, 3}},
        ImportCase {
            "NulBytesDropped", std::string("1 0 0\n\0\n2 3\0 4\n", 15), true, 1, {0, 2, 0, 0, 0, 0}, {1, 2, 2, 3, 4}},
        ImportCase {"NonFiniteFieldsSkipped",
                    "1 0 0\n2 nan 0\n3 inf 1\n4 1e39 1\n1 2 nan\n5 1 2\n",
                    true,
                    1,
                    {0, 5, 0, 0, 0, 0},
                    {1, 2, 5, 1, 2}},
        ImportCase {"EmptyFile", "", false, 2, {0, 3, 4, 0, 0, 0}, {}},
        ImportCase {"OnlySeparators", "R\nR\nR\n", false, 2, {0, 3, 4, 0, 0, 0}, {}},
        ImportCase {"HeaderOnly", "node,x,y\r\n\r\n", false, 2, {0, 3, 4, 0, 0, 0}, {}}),
    [](const testing::TestParamInfo<ImportCase>& param) { return param.param.name; });

TEST(ImportCoordinates, NumbersOffTheirLinesLeaveZeroPositions)
{
    ProjectRecord rec {};
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
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    ImportCoordinatesText(rec, text);
    EXPECT_EQ(rec.NodeCount[1], 999);
    EXPECT_EQ(rec.NodeX[1][1000], 0.0f) << "storage position 1000 is never written";
    EXPECT_EQ(rec.NodeNumber[1][999], 1);
}

TEST(ImportCoordinatesFile, OutcomesAndMessages)
{
    TempDir dir;
    WriteBytes(dir.File("header.csv"), "node,x,y\r\n");
    WriteBytes(dir.File("good.csv"), "x,y\n0,0\n10,0\n10,10\n0,0\nR\n2,2\n");
    std::filesystem::create_directory(dir.File("folder.txt"));
    const struct {
        const char* file;
        ImportState state;
        std::string message;
    } cases[] = {
        {"header.csv", ImportState::NoCoordinates, "no coordinates found in [" + dir.File("header.csv") + "]"},
        {"none.txt", ImportState::Unreadable, "cannot read or write file [" + dir.File("none.txt") + "]"},
        {"folder.txt", ImportState::Unreadable, "[" + dir.File("folder.txt") + "] is not a regular file"},
        {"good.csv", ImportState::Imported, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ProjectRecord rec = TwoBoundaries();
        const ProjectRecord before = rec;
        const ImportResult result = ImportCoordinatesFile(rec, dir.File(c.file));
        EXPECT_EQ(result.state, c.state);
        EXPECT_EQ(result.message, c.message);
        const bool imported = c.state == ImportState::Imported;
        EXPECT_EQ(result.ok, imported);
        EXPECT_EQ(result.nodes, imported ? 5 : 0);
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec) == 0, !imported) << "changed only by an import";
    }
}

// 24 MB of line ends after one node: read line by line this needs little
// memory; holding the file and a view of every line needs over 400 MB.
TEST(ImportCoordinatesFile, MemoryDoesNotGrowWithTheFile)
{
    TempDir dir;
    const std::string name = dir.File("long.txt");
    std::ofstream(name, std::ios::binary) << "1 2 3" << std::string(24 << 20, '\n');
    long pages = 0;
    rlimit saved {};
    if (!(std::ifstream("/proc/self/statm") >> pages) || ::getrlimit(RLIMIT_AS, &saved) != 0 ||
        saved.rlim_cur != RLIM_INFINITY)
        GTEST_SKIP() << "cannot measure or limit the address space";
    rlimit limit = saved;
    limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (256u << 20);
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &limit), 0);
    ProjectRecord rec = TwoBoundaries();
    ImportResult result;
    try {
        result = ImportCoordinatesFile(rec, name);
    } catch (const std::bad_alloc&) {
    }
    ::setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(result.state, ImportState::Imported);
    EXPECT_EQ(rec.NodeY[1][1], 3.0f);
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
