#include "cli/ProjectCrs.h"

#include <cstdio>

#include "cli/TerminalText.h"
#include "core/FileIO.h"
#include "core/ProjectCompanion.h"

#ifdef ORVANE_CLI_GIS
#include "gis/CrsSupport.h"
#endif

namespace orvane::cli {

std::string ProjectCrs(const std::string& projectPath)
{
    const std::string path = ProjectCompanion::PathFor(projectPath);
    std::string text;
    if (!FileExists(path) || !ReadWholeFile(path, text))
        return {};
    ProjectCompanion companion;
    companion.ReadText(text);
    return companion.crs;
}

const CrsService* CliCrsService()
{
#ifdef ORVANE_CLI_GIS
    static const CrsService service = GisCrsService();
    return &service;
#else
    return nullptr;
#endif
}

BearingReference CliBearings(const std::string& projectPath, const ProjectRecord& rec)
{
    const BearingReference ref =
        ProjectBearings(ProjectCrs(projectPath), rec.CoordUnits, rec.PointX, rec.PointY, CliCrsService());
    if (!ref.gridReason.empty())
        std::fprintf(stderr, "orvane-cli: warning: bearings are grid bearings: %s\n",
                     TerminalText(ref.gridReason, true).c_str());
    return ref;
}

}  // namespace orvane::cli
