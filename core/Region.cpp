#include "core/Region.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/Format.h"

namespace orvane {

namespace {

enum class Side { Inside, Outside, OnEdge };

// Even-odd crossing test on the polygon through positions 1 .. n-1 of
// boundary b. Edges are tested in double, so a point exactly on an edge of
// float32 nodes is found exactly.
Side LocatePoint(const ProjectRecord& rec, int b, double x, double y) {
    const int n = UsedNodeCount(rec, b);
    const int last = n - 1;  // positions 1..last form the closed polygon
    if (last < 3) return Side::Outside;
    bool inside = false;
    for (int j = 1; j <= last; ++j) {
        const int k = j == last ? 1 : j + 1;
        const double xj = rec.NodeX[b][j], yj = rec.NodeY[b][j];
        const double xk = rec.NodeX[b][k], yk = rec.NodeY[b][k];
        if (!std::isfinite(xj) || !std::isfinite(yj) || !std::isfinite(xk) || !std::isfinite(yk))
            continue;  // a damaged node contributes no edge
        // On the segment: collinear and inside its bounding box.
        const double cross = (xk - xj) * (y - yj) - (yk - yj) * (x - xj);
        if (cross == 0.0 && std::fmin(xj, xk) <= x && x <= std::fmax(xj, xk) &&
            std::fmin(yj, yk) <= y && y <= std::fmax(yj, yk))
            return Side::OnEdge;
        // Half-open in y, so a vertex on the scan line is counted once and
        // zero-length (gap) edges never count.
        if ((yj > y) != (yk > y)) {
            const double xCross = xj + (y - yj) * (xk - xj) / (yk - yj);
            if (x < xCross) inside = !inside;
        }
    }
    return inside ? Side::Inside : Side::Outside;
}

}  // namespace

bool PointInWater(const ProjectRecord& rec, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    const int count = UsedBoundaryCount(rec);
    if (count < 1 || LocatePoint(rec, 1, x, y) != Side::Inside) return false;
    for (int b = 2; b <= count; ++b) {
        if (LocatePoint(rec, b, x, y) != Side::Outside) return false;
    }
    return true;
}

bool PointInWater(const ProjectRecord& rec) { return PointInWater(rec, rec.PointX, rec.PointY); }

double CompassBearing(double windDirectionDeg) {
    if (!std::isfinite(windDirectionDeg)) return windDirectionDeg;
    double bearing = std::fmod(90.0 - windDirectionDeg, 360.0);
    if (bearing < 0.0) bearing += 360.0;
    if (bearing >= 360.0) bearing -= 360.0;
    return bearing + 0.0;  // never -0.0
}

std::string CompassPointName(double bearingDeg) {
    static constexpr std::array<const char*, 16> kNames = {
        "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
        "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    if (!std::isfinite(bearingDeg)) return "?";
    double b = std::fmod(bearingDeg, 360.0);
    if (b < 0.0) b += 360.0;
    const int sector = static_cast<int>(std::floor((b + 11.25) / 22.5)) % 16;
    return kNames[static_cast<std::size_t>(sector)];
}

namespace {

// Compass point and bearing text of a finite wind direction.
std::pair<std::string, std::string> CompassParts(double windDirectionDeg) {
    const double bearing = CompassBearing(windDirectionDeg);
    // A bearing just below 360 shows as "360.0"; it is north, shown as 0.0.
    std::string shown = Format("%.1f", bearing);
    if (shown == "360.0") shown = "0.0";
    return {CompassPointName(bearing >= 359.95 ? 0.0 : bearing), shown + "\xC2\xB0"};
}

}  // namespace

std::string WindFromText(double windDirectionDeg) {
    if (!std::isfinite(windDirectionDeg)) return "wind from ?";
    const auto [point, bearing] = CompassParts(windDirectionDeg);
    return "wind from " + point + " (bearing " + bearing + ")";
}

std::string WindFromAsideText(double windDirectionDeg) {
    if (!std::isfinite(windDirectionDeg)) return "from ?";
    const auto [point, bearing] = CompassParts(windDirectionDeg);
    return "from " + point + ", bearing " + bearing;
}

}  // namespace orvane
