#pragma once
// Where the user manual is: the first existing file of
//   Doc/OrvaneManual<kind>, Doc/OrvaneManualENG<kind>, Doc/OrvaneBook<kind>
// in the program folder; when none exists, Doc/ProgramManual<kind> there,
// whether or not it exists (the shell is then asked to open a missing file,
// and nothing is reported).

#include <string>

namespace orvane {

// kind is ".doc" or ".pdf".
std::string FindManual(const std::string& kind);

// The same search below programFolder (which ends with "/").
std::string FindManualIn(const std::string& programFolder, const std::string& kind);

}  // namespace orvane
