// The wave map: cells on multiples of the cell size, a tile's cells the
// whole map's, a circular lake's exposure map symmetric about its centre,
// the centre cell the computation run's own waves, and a cancelled map.
#include "core/MapGrid.h"

#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "core/ComputeWaves.h"
#include "core/Random.h"

namespace orvane {
namespace {

// A lake of 360 nodes, radius 10 km, centred on (0.5, 0.5) so that with a
// cell of 1 km its centre is the centre of a cell.
ProjectRecord CircularLake()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = 3;  // Km
    rec.BoundaryCount = 1;
    test::Polygon ring;
    for (int k = 0; k <= 360; ++k) {
        const double a = (k % 360) * 3.14159265358979323846 / 180.0;
        ring.push_back({static_cast<float>(0.5 + 10.0 * std::cos(a)), static_cast<float>(0.5 + 10.0 * std::sin(a))});
    }
    test::SetBoundary(rec, 1, ring);
    rec.PointX = 0.5f;
    rec.PointY = 0.5f;
    rec.WindDirection = 30.0f;
    rec.SectorAngle = 90.0f;
    rec.DirectionalMethod = kSaville;
    return rec;
}

TEST(MapGrid, CellsLieOnMultiplesOfTheCellAndTilesShareThem)
{
    const ProjectRecord rec = CircularLake();
    MapOptions options;
    options.cell = 1.0;
    const MapGridResult whole = MapGridLayout(rec, options);
    ASSERT_TRUE(whole.ok) << whole.error;
    EXPECT_EQ(whole.grid.originX, -10.0);
    EXPECT_EQ(whole.grid.originY, 11.0);
    EXPECT_EQ(whole.grid.columns, 21);
    EXPECT_EQ(whole.grid.totalRows, 21);

    // Bands of 21 rows in 4: 5, 5, 5, 6 rows, each with the whole map's cells.
    int next = 0;
    for (int i = 1; i <= 4; ++i) {
        options.tileIndex = i;
        options.tileCount = 4;
        const MapGridResult tile = MapGridLayout(rec, options);
        ASSERT_TRUE(tile.ok) << tile.error;
        EXPECT_EQ(tile.grid.firstRow, next);
        EXPECT_EQ(tile.grid.originY, whole.grid.originY - next * options.cell);
        EXPECT_EQ(tile.grid.CentreY(0), whole.grid.CentreY(next));
        next += tile.grid.rows;
    }
    EXPECT_EQ(next, 21);

    // Round sizes for a number of cells along the longer side (20 km here),
    // also where a cell of one unit would be far too many cells.
    EXPECT_EQ(MapRoundCell(rec, 200), 0.1);
    EXPECT_EQ(MapRoundCell(rec, 50), 0.5);
    ProjectRecord metres = rec;
    metres.CoordUnits = 2;
    for (int k = 1; k <= metres.NodeCount[1]; ++k) {
        metres.NodeX[1][k] *= 10000.0f;
        metres.NodeY[1][k] *= 10000.0f;
    }
    EXPECT_EQ(MapRoundCell(metres, 200), 1000.0);
    EXPECT_EQ(MapRoundCell(ProjectRecord {}, 200), 0.0);

    struct Bad {
        double cell;
        int index, count;
    };
    for (const Bad& b : {Bad {0.0, 1, 1}, Bad {-1.0, 1, 1}, Bad {std::nan(""), 1, 1}, Bad {1e-4, 1, 1}, Bad {1.0, 3, 2},
                         Bad {1.0, 1, 22}})
        EXPECT_FALSE(MapGridLayout(rec, MapOptions {b.cell, MapQuantity::Hs, false, b.index, b.count, {}}).ok)
            << b.cell << " " << b.index << "/" << b.count;
}

TEST(MapGrid, CircularLakeIsSymmetricAndItsCentreIsTheRunsOwn)
{
    const ProjectRecord rec = CircularLake();
    MapOptions options;
    options.cell = 1.0;

    // One wind: the centre cell is ComputeWaves at the centre, bit for bit.
    const MapGridResult map = ComputeMap(rec, options);
    ASSERT_TRUE(map.ok) << map.error;
    WaveResults results {};
    RandomGenerator random;
    random.Seed(1);
    ComputeWaves(rec, results, random);
    const float centre = map.grid.At(10, 10);
    EXPECT_EQ(std::memcmp(&centre, &results.HeightM, sizeof centre), 0) << centre << " " << results.HeightM;
    EXPECT_TRUE(std::isnan(map.grid.At(0, 0)));  // the corner is dry

    // Every wind: the lake's symmetries (quarter turns, mirrors) map cells
    // of equal exposure onto one another.
    options.allDirections = true;
    const MapGridResult exposure = ComputeMap(rec, options);
    ASSERT_TRUE(exposure.ok);
    const MapGrid& g = exposure.grid;
    int compared = 0;
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            const float v = g.At(r, c);
            for (const auto& [r2, c2] :
                 {std::pair {c, r}, std::pair {20 - r, c}, std::pair {r, 20 - c}, std::pair {20 - c, 20 - r}}) {
                const float w = g.At(r2, c2);
                if (std::isnan(v) || std::isnan(w))
                    continue;
                EXPECT_NEAR(v, w, 2e-3 * v) << r << "," << c << " vs " << r2 << "," << c2;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 4 * 250);
    // Exposure grows towards the shore: the centre is the calmest.
    EXPECT_LT(g.At(10, 10), g.At(10, 2));
}

TEST(MapGrid, CancelStopsTheMap)
{
    MapOptions options;
    options.cell = 0.5;
    MapProgress progress;
    progress.cancel = true;
    const MapGridResult map = ComputeMap(CircularLake(), options, &progress);
    EXPECT_FALSE(map.ok);
    EXPECT_TRUE(map.cancelled);
    EXPECT_TRUE(map.grid.values.empty());
}

}  // namespace
}  // namespace orvane
