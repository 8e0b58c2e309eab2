#pragma once
// The coordinate system a project's companion file names, and the bearings
// it gives: what the commands that show or read bearings, and the map and
// points commands, share.

#include <string>

#include "core/BearingReference.h"
#include "core/CrsService.h"
#include "core/ProjectRecord.h"

namespace orvane::cli {

// The companion file's "crs" of the project at projectPath ("" for none, or
// when the file is absent or damaged; its damage is said by whichever
// command reads its other settings).
std::string ProjectCrs(const std::string& projectPath);

// The GIS module's answers to coordinate-system questions; null in a build
// without the GIS library.
const CrsService* CliCrsService();

// The bearings at the project's point: true where the project names a
// coordinate system and the GIS module finds the convergence; otherwise
// grid, and when a system is named, "orvane-cli: warning: bearings are grid
// bearings: <why>" on stderr.
BearingReference CliBearings(const std::string& projectPath, const ProjectRecord& rec);

}  // namespace orvane::cli
