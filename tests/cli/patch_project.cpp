// Test helper: copies a project file with some fields replaced, so the
// command-line tests can build damaged or unusual projects from the samples.
//   patch_project IN.WDT OUT.WDT Field=value ... (NodeX:b:k=value for nodes,
//   Circle=radius for a circular lake around the point, Title=bytes)
// Values are read with strtod, so "nan" and "inf" are accepted.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/ProjectFile.h"

namespace {

bool Patch(orvane::ProjectRecord& rec, const std::string& name, const char* text)
{
    const double v = std::strtod(text, nullptr);
    const auto i = static_cast<std::int32_t>(std::strtol(text, nullptr, 10));
    struct FloatField {
        const char* name;
        float orvane::ProjectRecord::*field;
    } floats[] = {{"PointX", &orvane::ProjectRecord::PointX},
                  {"PointY", &orvane::ProjectRecord::PointY},
                  {"WindDirection", &orvane::ProjectRecord::WindDirection},
                  {"SectorAngle", &orvane::ProjectRecord::SectorAngle},
                  {"WindVelocity", &orvane::ProjectRecord::WindVelocity},
                  {"Depth", &orvane::ProjectRecord::Depth}};
    struct IntField {
        const char* name;
        std::int32_t orvane::ProjectRecord::*field;
    } ints[] = {{"BoundaryCount", &orvane::ProjectRecord::BoundaryCount},
                {"CoordUnits", &orvane::ProjectRecord::CoordUnits},
                {"VelocityUnits", &orvane::ProjectRecord::VelocityUnits},
                {"DirectionalMethod", &orvane::ProjectRecord::DirectionalMethod},
                {"SpectrumType", &orvane::ProjectRecord::SpectrumType},
                {"SignificantMethod", &orvane::ProjectRecord::SignificantMethod}};
    for (const FloatField& f : floats) {
        if (name == f.name) {
            rec.*f.field = static_cast<float>(v);
            return true;
        }
    }
    for (const IntField& f : ints) {
        if (name == f.name) {
            rec.*f.field = i;
            return true;
        }
    }
    if (name == "Title") {
        orvane::SetTitleBytes(rec, text);
        return true;
    }
    if (name == "Circle") {
        // Boundary 1 becomes a circle of radius v around the point (as patched
        // so far): 720 sides, the first node repeated last, the only boundary.
        constexpr int kSides = 720;
        rec.BoundaryCount = 1;
        rec.NodeCount[1] = kSides + 1;
        for (int k = 1; k <= kSides + 1; ++k) {
            const double a = 2.0 * 3.14159265358979323846 * (k - 1) / kSides;
            rec.NodeNumber[1][k] = k;
            rec.NodeX[1][k] = static_cast<float>(rec.PointX + v * std::cos(a));
            rec.NodeY[1][k] = static_cast<float>(rec.PointY + v * std::sin(a));
        }
        rec.NodeX[1][kSides + 1] = rec.NodeX[1][1];
        rec.NodeY[1][kSides + 1] = rec.NodeY[1][1];
        rec.NodeX[1][0] = rec.NodeX[1][1];
        rec.NodeY[1][0] = rec.NodeY[1][1];
        return true;
    }
    int b = 0, k = 0;
    if (std::sscanf(name.c_str(), "NodeCount:%d", &b) == 1 && b >= 0 && b <= 5) {
        rec.NodeCount[b] = i;
        return true;
    }
    if (std::sscanf(name.c_str(), "NodeX:%d:%d", &b, &k) == 2 && b >= 0 && b <= 5 && k >= 0 && k <= 1000) {
        rec.NodeX[b][k] = static_cast<float>(v);
        return true;
    }
    if (std::sscanf(name.c_str(), "NodeY:%d:%d", &b, &k) == 2 && b >= 0 && b <= 5 && k >= 0 && k <= 1000) {
        rec.NodeY[b][k] = static_cast<float>(v);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: patch_project IN.WDT OUT.WDT Field=value ...\n");
        return 2;
    }
    orvane::ProjectRecord rec {};
    if (!orvane::LoadProject(rec, argv[1]))
        return 1;
    for (int a = 3; a < argc; ++a) {
        const char* eq = std::strchr(argv[a], '=');
        if (eq == nullptr || !Patch(rec, std::string(static_cast<const char*>(argv[a]), eq), eq + 1)) {
            std::fprintf(stderr, "patch_project: cannot set %s\n", argv[a]);
            return 2;
        }
    }
    return orvane::SaveProject(rec, argv[2]) ? 0 : 1;
}
