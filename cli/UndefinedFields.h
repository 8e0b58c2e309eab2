#pragma once
// Why a computation run on a record would give undefined results: the
// engine computes any record as stored (a damaged file is not refused), and
// the command line names what made its numbers meaningless.

#include <string>
#include <vector>

#include "core/ProjectRecord.h"

namespace orvane::cli {

// One text per field that leaves the results undefined, in record order:
// a unit or method code that names no list item ("CoordUnits 7 is no
// coordinate unit code (0 to 3)"), a value that is not a finite number
// ("WindVelocity is not a number", "Depth is infinite"), and the first such
// node of each used boundary ("NodeX[1][12] is not a number"). Method codes
// above the last item are not listed: they compute as the last item.
std::vector<std::string> UndefinedResultFields(const ProjectRecord& rec);

}  // namespace orvane::cli
