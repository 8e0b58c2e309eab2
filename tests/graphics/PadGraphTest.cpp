// The drawing pad's graph: record reuse and numbering, the one-in one-out
// rule, compaction, chains in both directions, and picking.

#include "graphics/PadGraph.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Links = std::vector<std::pair<int, int>>;

// Points at (i, i * i) in list order, numbered 1.., then the lines by index.
PadGraph Drawing(int points, const Links& lines)
{
    PadGraph g;
    for (int i = 0; i < points; ++i)
        g.AddPoint(0, static_cast<float>(i), static_cast<float>(i * i));
    for (const auto& [from, to] : lines)
        EXPECT_GT(g.AddLine(0, from, to), 0) << from << "->" << to;
    return g;
}

// Each line's ends as the numbers of its points.
Links EndNumbers(const PadGraph& g)
{
    Links out;
    for (const PadLine& l : g.Lines)
        out.emplace_back(g.Points[l.From].Number, g.Points[l.To].Number);
    return out;
}

TEST(PadGraph, PointsNumberOnAndReuseFreedSlots)
{
    PadGraph g;
    EXPECT_EQ(g.AddPoint(0, 1, 1), 1);
    EXPECT_EQ(g.AddPoint(0, 2, 2), 2);
    EXPECT_EQ(g.AddPoint(7, 3, 3), 7);
    g.RemovePoint(1);
    g.RemovePoint(9);  // out of range: ignored
    EXPECT_FALSE(g.PointUsable(1));
    EXPECT_EQ(g.AddPoint(0, 5, 6), 2);  // the freed slot keeps its number
    EXPECT_EQ(g.Points.size(), 3u);
    EXPECT_EQ(g.Points[1].X, 5);
    EXPECT_TRUE(g.PointUsable(1));
    g.RemovePoint(0);
    EXPECT_EQ(g.AddPoint(9, 0, 0), 9);
    EXPECT_FALSE(g.PointUsable(-1));
    EXPECT_FALSE(g.PointUsable(3));
}

TEST(PadGraph, AddLineRefusesAndChangesNothing)
{
    struct Case {
        const char* name;
        int from;
        int to;
    };
    const Case cases[] = {
        {"from already has an outgoing line", 0, 2},
        {"to already has an incoming line", 2, 1},
        {"from removed", 3, 2},
        {"to hidden while moved", 2, 4},
        {"index past the end", 2, 9},
        {"negative index", -1, 2},
    };
    for (const Case& c : cases) {
        PadGraph g = Drawing(5, {{0, 1}});
        g.RemovePoint(3);
        g.Points[4].Visible = false;
        const PadGraph before = g;
        EXPECT_EQ(g.AddLine(0, c.from, c.to), -1) << c.name;
        EXPECT_EQ(g.Points, before.Points) << c.name;
        EXPECT_EQ(g.Lines, before.Lines) << c.name;
    }
}

TEST(PadGraph, DeletedLineRecordIsReusedAndLinked)
{
    PadGraph g = Drawing(3, {{0, 1}, {1, 2}});
    g.DeleteLine(0);
    EXPECT_EQ(g.Points[0].Next, -1);
    EXPECT_EQ(g.Points[1].Prev, -1);
    EXPECT_EQ(g.AddLine(0, 2, 0), 1);  // record 0 again, with its number
    ASSERT_EQ(g.Lines.size(), 2u);
    EXPECT_EQ(g.Lines[0].From, 2);
    EXPECT_EQ(g.Points[2].Next, 0);
    EXPECT_EQ(g.Points[0].Prev, 2);
    EXPECT_EQ(g.AddLine(5, 0, 1), 5);  // appended
}

TEST(PadGraph, DeletingAFreedLineAgainKeepsNewerLinks)
{
    // Record 1 (2->3) is freed, then point 3 gets a new incoming line in record 0.
    PadGraph g = Drawing(5, {{0, 1}, {2, 3}});
    g.DeleteLine(1);
    g.DeleteLine(0);
    ASSERT_GT(g.AddLine(0, 4, 3), 0);
    g.DeleteLine(1);
    EXPECT_EQ(g.Points[3].Prev, 4);
    EXPECT_EQ(g.AddLine(0, 1, 3), -1);  // still one incoming line only
}

TEST(PadGraph, LinesOfPointListsEveryRecordNamingIt)
{
    PadGraph g = Drawing(4, {{0, 1}, {1, 2}, {3, 3}});
    EXPECT_EQ(g.LinesOfPoint(1), (std::vector<std::int32_t> {0, 1}));
    EXPECT_EQ(g.LinesOfPoint(3), (std::vector<std::int32_t> {2, 2}));  // a loop twice
    g.DeleteLine(0);
    EXPECT_EQ(g.LinesOfPoint(0), (std::vector<std::int32_t> {0}));  // removed records too
}

TEST(PadGraph, CompactKeepsNumbersAndLineEnds)
{
    PadGraph g = Drawing(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    for (std::int32_t j : g.LinesOfPoint(2))
        g.DeleteLine(j);
    g.RemovePoint(2);
    ASSERT_GT(g.AddLine(0, 1, 3), 0);  // 2 -> 4 in a freed record
    g.Compact();
    ASSERT_EQ(g.Points.size(), 3u);
    EXPECT_EQ(g.Points[2].Number, 4);
    EXPECT_EQ(g.Points[2].Index, 2);
    EXPECT_EQ(EndNumbers(g), (Links {{1, 2}, {2, 4}, {4, 1}}));
    for (std::size_t j = 0; j < g.Lines.size(); ++j)
        EXPECT_EQ(g.Lines[j].Index, static_cast<std::int32_t>(j));
}

TEST(PadGraph, BuildChains)
{
    struct Case {
        const char* name;
        int points;
        Links lines;
        std::vector<std::vector<int>> chains;  // point indices in node order
        bool closed;
    };
    std::vector<Case> cases = {
        {"no lines", 2, {}, {}, true},
        {"closed triangle", 3, {{0, 1}, {1, 2}, {2, 0}}, {{0, 1, 2}}, true},
        {"triangle without its closing line", 3, {{0, 1}, {1, 2}}, {{0, 1, 2}}, false},
        // One open polyline is one boundary, walked from its free end.
        {"open polyline whose middle point is first", 3, {{1, 0}, {0, 2}}, {{1, 0, 2}}, false},
        {"ring opened by a deleted line, walked from the cut",
         5,
         {{0, 1}, {1, 2}, {3, 4}, {4, 0}},
         {{3, 4, 0, 1, 2}},
         false},
        {"a point looped on itself encloses nothing", 3, {{0, 0}, {1, 2}, {2, 1}}, {{1, 2}}, true},
        {"isolated point between rings", 5, {{0, 1}, {1, 0}, {3, 4}, {4, 3}}, {{0, 1}, {3, 4}}, true},
    };
    Case six {"six loops, the sixth dropped", 12, {}, {}, true};
    for (int k = 0; k < 6; ++k) {
        six.lines.insert(six.lines.end(), {{2 * k, 2 * k + 1}, {2 * k + 1, 2 * k}});
        if (k < kPadChainCount)
            six.chains.push_back({2 * k, 2 * k + 1});
    }
    cases.push_back(six);

    for (const Case& c : cases) {
        PadGraph g = Drawing(c.points, c.lines);
        EXPECT_EQ(g.BuildChains(), c.closed) << c.name;
        for (int k = 0; k < kPadChainCount; ++k) {
            std::vector<PadXY> expected;
            if (k < static_cast<int>(c.chains.size()))
                for (int i : c.chains[k])
                    expected.push_back({g.Points[i].X, g.Points[i].Y});
            EXPECT_EQ(g.Chains[k], expected) << c.name << ", chain " << k;
        }
    }
}

TEST(PadGraph, LoadChainsNumbersOnAcrossRings)
{
    PadGraph g;
    g.Chains[0] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
    g.Chains[2] = {{10, 10}, {12, 10}, {11, 12}};  // an empty chain between them leaves no gap
    g.LoadChains();
    ASSERT_EQ(g.Points.size(), 7u);
    ASSERT_EQ(g.Lines.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(g.Points[i].Number, i + 1);
        EXPECT_EQ(g.Lines[i].Number, i + 1);
    }
    EXPECT_EQ(EndNumbers(g), (Links {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}, {6, 7}, {7, 5}}));

    const auto loaded = g.Chains;
    EXPECT_TRUE(g.BuildChains());
    EXPECT_EQ(g.Chains[0], loaded[0]);
    EXPECT_EQ(g.Chains[1], loaded[2]);

    g.Chains = {};
    g.Chains[0] = {{1, 1}};
    g.Chains[1] = {{2, 2}, {3, 3}};
    g.LoadChains();
    EXPECT_EQ(EndNumbers(g), (Links {{1, 1}, {2, 3}, {3, 2}}));
}

TEST(PadGraph, NearestPointWithinAQuarterGrid)
{
    PadGraph g;
    g.AddPoint(0, 10, 10);
    g.AddPoint(0, 14, 10);
    g.AddPoint(0, 30, 30);
    EXPECT_EQ(g.NearestPoint(12, 10, 10), 0);  // equidistant: the earlier one
    EXPECT_EQ(g.NearestPoint(13, 10, 10), 1);
    EXPECT_EQ(g.NearestPoint(32.6f, 30, 10), -1);  // beyond 2.5
    g.Points[0].Visible = false;
    EXPECT_EQ(g.NearestPoint(12, 10, 10), 1);
}

TEST(PadGraph, NearestLine)
{
    PadGraph g;
    g.AddPoint(0, 0, 0);
    g.AddPoint(0, 10, 0);
    g.AddPoint(0, 10, 10);
    g.AddLine(0, 0, 1);  // horizontal
    g.AddLine(0, 1, 2);  // vertical
    g.AddLine(0, 2, 0);  // diagonal
    g.AddPoint(0, 20, 0.1f);
    g.AddPoint(0, 30, 0.2f);
    g.AddLine(0, 3, 4);  // rising 0.1 in 10
    struct Case {
        const char* name;
        float x, y, grid;
        int line;
    };
    const Case cases[] = {
        {"on the horizontal line", 4, 0, 10, 0},
        {"just below the horizontal line", 4, -0.001f, 10, 0},
        {"beyond the horizontal line's end", -1, 0, 10, -1},
        {"on the vertical line", 10, 5, 10, 1},
        {"just off the vertical line", 10.001f, 5, 10, 1},
        {"near the diagonal, grid of 10", 5, 6, 10, 2},
        {"near the diagonal, grid of 1", 5, 6, 1, -1},
        // Off its flat bounding box, within 0.0625 of it.
        {"2 pixels below a near-horizontal line, grid of 1", 21, 0.06f, 1, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(g.NearestLine(c.x, c.y, c.grid), c.line) << c.name;
}

}  // namespace
}  // namespace orvane
