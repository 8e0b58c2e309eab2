#include "core/ProjectRecord.h"

#include <algorithm>

namespace orvane {

void ClearBoundaries(ProjectRecord& rec)
{
    rec.BoundaryCount = 1;
    std::fill(std::begin(rec.NodeCount), std::end(rec.NodeCount), 0);
    for (int b = 0; b <= kMaxBoundaries; ++b) {
        std::fill(std::begin(rec.NodeX[b]), std::end(rec.NodeX[b]), 0.0f);
        std::fill(std::begin(rec.NodeY[b]), std::end(rec.NodeY[b]), 0.0f);
    }
    // NodeNumber keeps its contents: entries past NodeCount carry no meaning.
}

void SetProjectDefaults(ProjectRecord& rec)
{
    rec.Title[0] = 0;  // the character bytes are left as they are
    ClearBoundaries(rec);
    rec.PointX = 0.0f;
    rec.PointY = 0.0f;
    rec.WindDirection = 45.0f;
    rec.SectorAngle = 180.0f;
    rec.WindVelocity = 60.0f;
    rec.CoordUnits = kCoordKilometres;
    rec.Depth = 100.0f;
    rec.VelocityUnits = kVelocityKilometresPerHour;
    rec.DirectionalMethod = kSeymour;
    rec.SpectrumType = kJonswap + 1;  // one past JONSWAP; the method group shows and stores JONSWAP
    rec.SignificantMethod = kWilson;
    rec.RegionScaleIndex = 2;
    rec.RegionGridIndex = 2;
    rec.RegionSnapIndex = 0;
    rec.RegionWindowWidth = 0;
    rec.RegionWindowHeight = 0;
    const float reserved[7] = {0.0064f, 0.66f, 1.0f, 0.33f, 0.125f, 1.0f, 3.3f};
    std::copy(std::begin(reserved), std::end(reserved), rec.ReservedParams);
    rec.PlotMaxX = rec.PlotMaxY = rec.PlotMinX = rec.PlotMinY = 0.0f;
    rec.PlotSpanX = rec.PlotSpanY = 0.0f;
}

int UsedBoundaryCount(const ProjectRecord& rec) { return std::clamp(rec.BoundaryCount, 0, kMaxBoundaries); }

int UsedNodeCount(const ProjectRecord& rec, int boundary)
{
    if (boundary < 0 || boundary > kMaxBoundaries)
        return 0;
    return std::clamp(rec.NodeCount[boundary], 0, kMaxNodePosition);
}

std::string TitleBytes(const ProjectRecord& rec)
{
    const int length = std::min<int>(rec.Title[0], kTitleMax);
    return std::string(reinterpret_cast<const char*>(rec.Title + 1), static_cast<std::size_t>(length));
}

void SetTitleBytes(ProjectRecord& rec, const std::string& bytes)
{
    const std::size_t length = std::min<std::size_t>(bytes.size(), kTitleMax);
    rec.Title[0] = static_cast<std::uint8_t>(length);
    std::copy_n(bytes.begin(), length, reinterpret_cast<char*>(rec.Title + 1));
}

}  // namespace orvane
