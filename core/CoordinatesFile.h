#pragma once
// Boundaries as plain text: node lines "%5d %12.3f %12.3f" (number, x, y in
// the project's coordinate units), boundaries separated by a line starting
// with "R" or "r". Lines end with CR LF.

#include <string>

#include "core/ProjectRecord.h"

namespace orvane {

// Writes boundaries 1..BoundaryCount, positions 1..NodeCount (gap nodes with
// number 0). false when the file cannot be written; no message.
bool ExportCoordinates(const ProjectRecord& rec, const std::string& fileName);

// Replaces boundaries 1..5 and BoundaryCount from the file. A node's position
// comes from its line within the block, NodeCount from the largest number.
// Missing file: nothing changes, false. Never shows a message. Robust against
// any input: blocks past the fifth are ignored, lines that hold no number
// triple are skipped, counts stay within 0..999.
bool ImportCoordinates(ProjectRecord& rec, const std::string& fileName);

// The text ExportCoordinates writes, for callers that write elsewhere.
std::string CoordinatesText(const ProjectRecord& rec);

// ImportCoordinates on text already read.
void ImportCoordinatesText(ProjectRecord& rec, const std::string& text);

}  // namespace orvane
