#include "tools/help/Manual.h"

#include "core/FileIO.h"
#include "tools/ProgramFile.h"

namespace orvane {

std::string FindManualIn(const std::string& programFolder, const std::string& kind)
{
    for (const char* name : {"OrvaneManual", "OrvaneManualENG", "OrvaneBook"}) {
        const std::string path = programFolder + "Doc/" + name + kind;
        if (FileExists(path))
            return path;
    }
    return programFolder + "Doc/ProgramManual" + kind;
}

std::string FindManual(const std::string& kind) { return FindManualIn(ProgramFolder(), kind); }

}  // namespace orvane
