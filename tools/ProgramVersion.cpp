#include "tools/ProgramVersion.h"

#ifndef ORVANE_VERSION_TEXT
#define ORVANE_VERSION_TEXT ""  // a build without version information: "Vers.00.00.00"
#endif

namespace orvane {

std::string ProgramVersionString() { return ORVANE_VERSION_TEXT; }

}  // namespace orvane
