#pragma once
// The project file (.WDT): exactly one ProjectRecord, byte for byte.

#include <string>

#include "core/ProjectRecord.h"

namespace orvane {

// Defaults first, then up to 72,300 bytes of the file over the record. A
// missing file is created with the defaults; a short file is completed with
// the defaults and rewritten at full length. On failure the message
// "cannot read or write file [name]" goes to the message sink (once).
bool LoadProject(ProjectRecord& rec, const std::string& fileName);

// Writes the 72,300 bytes to a temporary file beside fileName and renames it
// over the old file, so a failed save leaves the previous project intact.
// Returns "" when the project was written, otherwise why not, ready to show:
// "cannot write [name]: permission denied" (the system's reason, from errno).
// Shows nothing itself.
std::string WriteProject(const ProjectRecord& rec, const std::string& fileName);

// WriteProject, showing its message on failure. An empty name writes
// nothing, shows nothing and returns false.
bool SaveProject(const ProjectRecord& rec, const std::string& fileName);

std::string FileErrorMessage(const std::string& fileName);

}  // namespace orvane
