#include "core/MapGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "core/CommitRules.h"
#include "core/ComputeWaves.h"
#include "core/CoreShare.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"
#include "core/Format.h"
#include "core/Region.h"
#include "core/Units.h"

namespace orvane {

namespace {

constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

bool Metric(const ProjectRecord& rec) { return rec.CoordUnits > 1; }

// What one cell needs: the project moved to the cell, the shared scanner,
// and (for exposure maps) the cell's rays by the bits of their angle, so
// that wind directions whose sectors overlap measure each ray once, and
// each ray is the float the sector of its own wind direction uses.
class CellComputer {
public:
    CellComputer(const ProjectRecord& rec, const FetchScanner& scanner, const MapOptions& options)
        : rec_(rec), scanner_(scanner), options_(options)
    {
    }

    float Value(float x, float y)
    {
        rec_.PointX = x;
        rec_.PointY = y;
        if (!options_.allDirections)
            return OneWind();
        rays_.clear();
        float best = kNoValue;
        float bestHs = -1.0f;
        const ProjectRecord asStored = rec_;
        for (int d = 0; d < 360; d += kMapAllDirectionsStepDeg) {
            rec_.WindDirection = static_cast<float>(d);
            const float v = OneWindCached(bestHs);
            if (!std::isnan(v) && (std::isnan(best) || v > best || options_.quantity == MapQuantity::Ts))
                best = v;
        }
        rec_ = asStored;
        return best;
    }

private:
    float OneWind()
    {
        if (options_.quantity == MapQuantity::Fetch)
            return scanner_.Fetch(rec_.PointX, rec_.PointY, F32(static_cast<double>(rec_.WindDirection) * kDegToRad));
        const Sector sector = MakeSector(rec_, scanner_);
        return FromSector(sector);
    }

    // For Ts the value is that of the wind with the largest Hs so far, and
    // NaN for a wind that does not beat it (the caller keeps its best).
    float OneWindCached(float& bestHs)
    {
        if (options_.quantity == MapQuantity::Fetch)
            return Ray(F32(static_cast<double>(rec_.WindDirection) * kDegToRad));
        Sector sector = MakeSectorDirections(rec_);
        for (int i = 0; i < sector.count; ++i) {
            SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
            dir.fetch = Ray(dir.rad);
            dir.fetchFt = LengthToFeet(rec_, dir.fetch);
        }
        if (options_.quantity != MapQuantity::Ts)
            return FromSector(sector);
        ComputeSectorWaves(rec_, sector, options_.growth, results_);
        const float hs = Metric(rec_) ? results_.HeightM : results_.HeightFt;
        if (!(hs > bestHs))
            return kNoValue;
        bestHs = hs;
        return results_.Period;
    }

    float FromSector(const Sector& sector)
    {
        if (options_.quantity == MapQuantity::EffectiveFetch)
            return EffectiveFetch(sector);
        ComputeSectorWaves(rec_, sector, options_.growth, results_);
        if (options_.quantity == MapQuantity::Ts)
            return results_.Period;
        return Metric(rec_) ? results_.HeightM : results_.HeightFt;
    }

    float Ray(float thetaRad)
    {
        std::uint32_t key;
        std::memcpy(&key, &thetaRad, sizeof key);
        const auto [it, inserted] = rays_.try_emplace(key, 0.0f);
        if (inserted)
            it->second = scanner_.Fetch(rec_.PointX, rec_.PointY, thetaRad);
        return it->second;
    }

    ProjectRecord rec_;
    const FetchScanner& scanner_;
    const MapOptions& options_;
    WaveResults results_ {};
    std::unordered_map<std::uint32_t, float> rays_;
};

}  // namespace

std::string MapQuantityName(MapQuantity quantity)
{
    switch (quantity) {
    case MapQuantity::Hs: return "hs";
    case MapQuantity::Ts: return "ts";
    case MapQuantity::Fetch: return "fetch";
    case MapQuantity::EffectiveFetch: return "effective-fetch";
    }
    return "?";
}

std::optional<MapQuantity> MapQuantityFromName(const std::string& name)
{
    for (MapQuantity q : {MapQuantity::Hs, MapQuantity::Ts, MapQuantity::Fetch, MapQuantity::EffectiveFetch}) {
        if (MapQuantityName(q) == name)
            return q;
    }
    return std::nullopt;
}

std::string MapQuantityUnit(MapQuantity quantity, const ProjectRecord& rec)
{
    switch (quantity) {
    case MapQuantity::Hs: return Metric(rec) ? "m" : "ft";
    case MapQuantity::Ts: return "s";
    case MapQuantity::Fetch:
    case MapQuantity::EffectiveFetch: return CoordUnitName(rec.CoordUnits);
    }
    return "?";
}

namespace {

// The outer boundary's bounding box as the engine sees the boundary
// (positions 1..count-1); false when it has no area.
bool OuterBox(const ProjectRecord& rec, double& minX, double& maxX, double& minY, double& maxY)
{
    minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
    const int count = UsedBoundaryCount(rec) >= 1 ? UsedNodeCount(rec, 1) : 0;
    for (int k = 1; k < count; ++k) {
        minX = std::min<double>(minX, rec.NodeX[1][k]);
        maxX = std::max<double>(maxX, rec.NodeX[1][k]);
        minY = std::min<double>(minY, rec.NodeY[1][k]);
        maxY = std::max<double>(maxY, rec.NodeY[1][k]);
    }
    return count >= 4 && std::isfinite(minX + maxX + minY + maxY) && maxX > minX && maxY > minY;
}

}  // namespace

double MapRoundCell(const ProjectRecord& rec, int cells)
{
    double minX, maxX, minY, maxY;
    if (!OuterBox(rec, minX, maxX, minY, maxY) || cells < 1)
        return 0.0;
    const double raw = std::max(maxX - minX, maxY - minY) / cells;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1.0 - 1e-9))
            return m * power;
    }
    return 10.0 * power;
}

MapGridResult MapGridLayout(const ProjectRecord& rec, const MapOptions& options)
{
    MapGridResult out;
    if (!(options.cell > 0.0) || !std::isfinite(options.cell)) {
        out.error = "the cell size must be a positive number";
        return out;
    }
    double minX, maxX, minY, maxY;
    if (!OuterBox(rec, minX, maxX, minY, maxY)) {
        out.error = "the project has no outer boundary with an area to map";
        return out;
    }
    // Edges on multiples of the cell: the same cells for every map of the
    // region at this size, whichever band is computed.
    MapGrid& g = out.grid;
    g.cell = options.cell;
    g.originX = std::floor(minX / g.cell) * g.cell;
    const double top = std::ceil(maxY / g.cell) * g.cell;
    const double columns = std::max(1.0, std::ceil((maxX - g.originX) / g.cell));
    const double rows = std::max(1.0, std::ceil((top - minY) / g.cell));
    if (!(columns * rows <= static_cast<double>(kMapMaxCells))) {
        out.error = Format("a cell of %g %s gives %.0f x %.0f cells, more than %lld: choose a larger cell", g.cell,
                           CoordUnitName(rec.CoordUnits), columns, rows, kMapMaxCells);
        return out;
    }
    g.columns = static_cast<int>(columns);
    g.totalRows = static_cast<int>(rows);
    if (options.tileCount < 1 || options.tileIndex < 1 || options.tileIndex > options.tileCount ||
        options.tileCount > g.totalRows) {
        out.error =
            Format("tile %d/%d does not exist: the map has %d rows", options.tileIndex, options.tileCount, g.totalRows);
        return out;
    }
    // Band I of N: rows [floor((I-1) R / N), floor(I R / N)).
    const long long total = g.totalRows;
    g.firstRow = static_cast<int>((options.tileIndex - 1) * total / options.tileCount);
    g.rows = static_cast<int>(options.tileIndex * total / options.tileCount) - g.firstRow;
    g.mapTopY = top;
    g.originY = top - g.firstRow * g.cell;
    out.ok = true;
    return out;
}

MapGridResult ComputeMap(const ProjectRecord& project, const MapOptions& options, MapProgress* progress)
{
    MapGridResult out = MapGridLayout(project, options);
    if (!out.ok)
        return out;
    ProjectRecord rec = project;
    ClampMethodCodes(rec);  // as the window computes it
    MapGrid& g = out.grid;
    g.values.assign(static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns), kNoValue);
    const FetchScanner scanner(rec);  // built once for every cell and core
    std::atomic<bool> stopped {false};
    ShareAmongCores(static_cast<std::size_t>(g.rows), 2, [&](std::size_t first, std::size_t stride) {
        CellComputer cells(rec, scanner, options);
        for (std::size_t r = first; r < static_cast<std::size_t>(g.rows); r += stride) {
            if (progress != nullptr && progress->cancel.load()) {
                stopped = true;
                return;
            }
            // Centres as the float32 points a project holds.
            const float y = F32(g.CentreY(static_cast<int>(r)));
            float* values = &g.values[r * static_cast<std::size_t>(g.columns)];
            for (int c = 0; c < g.columns; ++c) {
                const float x = F32(g.CentreX(c));
                if (PointInWater(rec, x, y))
                    values[c] = cells.Value(x, y);
            }
            if (progress != nullptr)
                ++progress->rowsDone;
        }
    });
    if (stopped) {
        out.ok = false;
        out.cancelled = true;
        out.error = "cancelled";
        g.values.clear();
    }
    return out;
}

MapRange MapValueRange(const MapGrid& grid)
{
    MapRange range {kNoValue, kNoValue};
    for (float v : grid.values) {
        if (std::isnan(v))
            continue;
        range.low = std::isnan(range.low) ? v : std::min(range.low, v);
        range.high = std::isnan(range.high) ? v : std::max(range.high, v);
    }
    return range;
}

}  // namespace orvane
