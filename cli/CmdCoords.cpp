// orvane-cli export-coords / import-coords: boundaries as plain text.

#include <cstdio>

#include "cli/Cli.h"
#include "core/CoordinatesFile.h"
#include "core/FileIO.h"
#include "core/ProjectFile.h"

namespace orvane::cli {

namespace {

int RunExport(const Args& args)
{
    if (args.size() != 2)
        return UsageError("export-coords", "export-coords needs a project file and an output file");
    ProjectRecord rec{};
    int exitCode = kExitOk;
    if (!LoadExistingProject(args[0], rec, exitCode))
        return exitCode;
    if (!ExportCoordinates(rec, args[1])) {
        std::fprintf(stderr, "orvane-cli: cannot write coordinates file: %s\n", args[1].c_str());
        return kExitFailure;
    }
    return kExitOk;
}

int RunImport(const Args& args)
{
    if (args.size() != 2)
        return UsageError("import-coords", "import-coords needs a project file and a coordinates file");
    if (!FileExists(args[1])) {
        std::fprintf(stderr, "orvane-cli: no such coordinates file: %s\n", args[1].c_str());
        return kExitUsage;
    }
    ProjectRecord rec{};
    int exitCode = kExitOk;
    if (!LoadExistingProject(args[0], rec, exitCode))
        return exitCode;
    if (!ImportCoordinates(rec, args[1])) {
        std::fprintf(stderr, "orvane-cli: cannot read coordinates file: %s\n", args[1].c_str());
        return kExitFailure;
    }
    // SaveProject reports a failure through the message sink (stderr).
    return SaveProject(rec, args[0]) ? kExitOk : kExitFailure;
}

const bool registeredExport = RegisterCommand(
    {"export-coords", "FILE.WDT OUT.txt", "Write the boundaries to a coordinates text file.", 30, RunExport});
const bool registeredImport = RegisterCommand(
    {"import-coords", "FILE.WDT IN.txt",
     "Replace the boundaries from a coordinates text file and save the project.", 31, RunImport});

}  // namespace
}  // namespace orvane::cli
