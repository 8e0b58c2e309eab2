#include "cli/UndefinedFields.h"

#include <cmath>

#include "core/Format.h"

namespace orvane::cli {

namespace {

void CheckCode(std::vector<std::string>& out, const char* field, int code, int last, const char* what)
{
    if (code < 0 || code > last)
        out.push_back(Format("%s %d is no %s code (0 to %d)", field, code, what, last));
}

// A code above the last item computes as the last item; only a negative
// code selects nothing. (A negative SpectrumType computes as
// Pierson-Moskowitz, which is defined, so it is not checked.)
void CheckMethod(std::vector<std::string>& out, const char* field, int code)
{
    if (code < 0)
        out.push_back(Format("%s %d selects no method", field, code));
}

void CheckValue(std::vector<std::string>& out, const std::string& field, float value)
{
    if (std::isnan(value))
        out.push_back(field + " is not a number");
    else if (std::isinf(value))
        out.push_back(field + " is infinite");
}

}  // namespace

std::vector<std::string> UndefinedResultFields(const ProjectRecord& rec)
{
    std::vector<std::string> out;
    CheckCode(out, "CoordUnits", rec.CoordUnits, kCoordUnitCount - 1, "coordinate unit");
    CheckCode(out, "VelocityUnits", rec.VelocityUnits, kVelocityUnitCount - 1, "velocity unit");
    CheckMethod(out, "DirectionalMethod", rec.DirectionalMethod);
    CheckMethod(out, "SignificantMethod", rec.SignificantMethod);
    CheckValue(out, "PointX", rec.PointX);
    CheckValue(out, "PointY", rec.PointY);
    CheckValue(out, "WindDirection", rec.WindDirection);
    CheckValue(out, "SectorAngle", rec.SectorAngle);
    CheckValue(out, "WindVelocity", rec.WindVelocity);
    CheckValue(out, "Depth", rec.Depth);
    for (int b = 1; b <= UsedBoundaryCount(rec); ++b) {
        for (int k = 1; k <= UsedNodeCount(rec, b); ++k) {
            const std::size_t before = out.size();
            CheckValue(out, Format("NodeX[%d][%d]", b, k), rec.NodeX[b][k]);
            CheckValue(out, Format("NodeY[%d][%d]", b, k), rec.NodeY[b][k]);
            if (out.size() > before)
                break;  // one node names the boundary
        }
    }
    return out;
}

}  // namespace orvane::cli
