#include "core/Region.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

#include "core/Format.h"

namespace orvane {

namespace {

enum class Side { Inside, Outside, OnEdge };

// Even-odd crossing test on the polygon through positions 1 .. n-1 of
// boundary b. Edges are tested in double, so a point exactly on an edge of
// float32 nodes is found exactly.
Side LocatePoint(const ProjectRecord& rec, int b, double x, double y)
{
    const int n = UsedNodeCount(rec, b);
    const int last = n - 1;  // positions 1..last form the closed polygon
    if (last < 3)
        return Side::Outside;
    bool inside = false;
    for (int j = 1; j <= last; ++j) {
        const int k = j == last ? 1 : j + 1;
        const double xj = rec.NodeX[b][j], yj = rec.NodeY[b][j];
        const double xk = rec.NodeX[b][k], yk = rec.NodeY[b][k];
        if (!std::isfinite(xj) || !std::isfinite(yj) || !std::isfinite(xk) || !std::isfinite(yk))
            continue;  // a damaged node contributes no edge
        // On the segment: collinear and inside its bounding box.
        const double cross = (xk - xj) * (y - yj) - (yk - yj) * (x - xj);
        if (cross == 0.0 && std::fmin(xj, xk) <= x && x <= std::fmax(xj, xk) && std::fmin(yj, yk) <= y &&
            y <= std::fmax(yj, yk))
            return Side::OnEdge;
        // Half-open in y, so a vertex on the scan line is counted once and
        // zero-length (gap) edges never count.
        if ((yj > y) != (yk > y)) {
            const double xCross = xj + (y - yj) * (xk - xj) / (yk - yj);
            if (x < xCross)
                inside = !inside;
        }
    }
    return inside ? Side::Inside : Side::Outside;
}

}  // namespace

bool PointInWater(const ProjectRecord& rec, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    const int count = UsedBoundaryCount(rec);
    if (count < 1 || LocatePoint(rec, 1, x, y) != Side::Inside)
        return false;
    for (int b = 2; b <= count; ++b) {
        if (LocatePoint(rec, b, x, y) != Side::Outside)
            return false;
    }
    return true;
}

bool PointInWater(const ProjectRecord& rec) { return PointInWater(rec, rec.PointX, rec.PointY); }

namespace {

struct Edge {
    double x1, y1, x2, y2;
};

// The edges of every boundary as LocatePoint reads them.
std::vector<Edge> RegionEdges(const ProjectRecord& rec)
{
    std::vector<Edge> edges;
    for (int b = 1; b <= UsedBoundaryCount(rec); ++b) {
        const int last = UsedNodeCount(rec, b) - 1;
        if (last < 3)
            continue;
        for (int j = 1; j <= last; ++j) {
            const int k = j == last ? 1 : j + 1;
            const Edge e {rec.NodeX[b][j], rec.NodeY[b][j], rec.NodeX[b][k], rec.NodeY[b][k]};
            if (std::isfinite(e.x1) && std::isfinite(e.y1) && std::isfinite(e.x2) && std::isfinite(e.y2))
                edges.push_back(e);
        }
    }
    return edges;
}

double SegmentDistance(const Edge& e, double x, double y)
{
    const double dx = e.x2 - e.x1, dy = e.y2 - e.y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - e.x1) * dx + (y - e.y1) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (e.x1 + t * dx), y - (e.y1 + t * dy));
}

}  // namespace

InteriorPoint WaterInteriorPoint(const ProjectRecord& rec)
{
    const std::vector<Edge> edges = RegionEdges(rec);
    if (edges.empty() || UsedNodeCount(rec, 1) < 4)
        return {};
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    for (int j = 1; j < UsedNodeCount(rec, 1); ++j) {
        const double x = rec.NodeX[1][j], y = rec.NodeY[1][j];
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const double width = maxX - minX, height = maxY - minY;
    if (!(width > 0 && height > 0))
        return {};

    // Signed distance to the nearest shore: positive in the water.
    auto depth = [&](double x, double y) {
        double d = std::numeric_limits<double>::max();
        for (const Edge& e : edges)
            d = std::min(d, SegmentDistance(e, x, y));
        return PointInWater(rec, x, y) ? d : -d;
    };
    // Cells of half-size h: no point of a cell is deeper than its centre's
    // depth plus its half-diagonal, so cells that cannot beat the best are
    // never split (Mapbox's polylabel search, as published in 2016).
    struct Cell {
        double x, y, h, d;
        double Potential() const { return d + h * std::sqrt(2.0); }
        bool operator<(const Cell& other) const { return Potential() < other.Potential(); }
    };
    auto cell = [&](double x, double y, double h) { return Cell {x, y, h, depth(x, y)}; };
    const double precision = std::max(width, height) / 1000.0;
    const double size = std::min(width, height);
    std::priority_queue<Cell> queue;
    for (double x = minX; x < maxX; x += size)
        for (double y = minY; y < maxY; y += size)
            queue.push(cell(x + size / 2, y + size / 2, size / 2));
    Cell best = cell(minX + width / 2, minY + height / 2, 0);
    // A bound on the work for a damaged region; a lake needs a few thousand cells.
    for (int visited = 0; !queue.empty() && visited < 200000; ++visited) {
        const Cell c = queue.top();
        queue.pop();
        if (c.d > best.d)
            best = c;
        if (c.Potential() - best.d <= precision)
            continue;
        const double h = c.h / 2;
        for (const double sx : {-h, h})
            for (const double sy : {-h, h})
                queue.push(cell(c.x + sx, c.y + sy, h));
    }
    if (!(best.d > 0))
        return {};
    return {true, best.x, best.y, best.d};
}

double CompassBearing(double windDirectionDeg)
{
    if (!std::isfinite(windDirectionDeg))
        return windDirectionDeg;
    double bearing = std::fmod(90.0 - windDirectionDeg, 360.0);
    if (bearing < 0.0)
        bearing += 360.0;
    if (bearing >= 360.0)
        bearing -= 360.0;
    return bearing + 0.0;  // never -0.0
}

std::string CompassPointName(double bearingDeg)
{
    static constexpr std::array<const char*, 16> kNames = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                           "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    if (!std::isfinite(bearingDeg))
        return "?";
    double b = std::fmod(bearingDeg, 360.0);
    if (b < 0.0)
        b += 360.0;
    const int sector = static_cast<int>(std::floor((b + 11.25) / 22.5)) % 16;
    return kNames[static_cast<std::size_t>(sector)];
}

namespace {

// Compass point and bearing text of a finite wind direction.
std::pair<std::string, std::string> CompassParts(double windDirectionDeg, const BearingReference& ref)
{
    const double bearing = BearingOfDirection(windDirectionDeg, ref);
    // A bearing just below 360 shows as "360.0"; it is north, shown as 0.0.
    std::string shown = Format("%.1f", bearing);
    if (shown == "360.0")
        shown = "0.0";
    return {CompassPointName(bearing >= 359.95 ? 0.0 : bearing),
            std::string(BearingWord(ref)) + " bearing " + shown + "\xC2\xB0"};
}

}  // namespace

std::string WindFromText(double windDirectionDeg, const BearingReference& ref)
{
    if (!std::isfinite(windDirectionDeg))
        return "wind from ?";
    const auto [point, bearing] = CompassParts(windDirectionDeg, ref);
    return "wind from " + point + " (" + bearing + ")";
}

std::string WindFromAsideText(double windDirectionDeg, const BearingReference& ref)
{
    if (!std::isfinite(windDirectionDeg))
        return "from ?";
    const auto [point, bearing] = CompassParts(windDirectionDeg, ref);
    return "from " + point + ", " + bearing;
}

}  // namespace orvane
