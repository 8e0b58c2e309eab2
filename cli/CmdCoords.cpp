// orvane-cli export-coords / import-coords: boundaries as plain text.

#include <cstdio>

#include "cli/Cli.h"
#include "cli/TerminalText.h"
#include "core/CoordinatesFile.h"
#include "core/FileIO.h"
#include "core/ProjectFile.h"

namespace orvane::cli {

namespace {

int RunExport(const Args& args)
{
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("export-coords", args, 2, rec); code != kExitOk)
        return code;
    return ExitOnFailure(ExportCoordinates(rec, args[1]));
}

int RunImport(const Args& args)
{
    // Held from the load to the save: a second import waits for nobody and
    // changes nothing.
    std::optional<FileLock> lock;
    if (!args.empty() && !LockProjectForChange(args[0], lock))
        return kExitFailure;
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("import-coords", args, 2, rec); code != kExitOk)
        return code;
    if (!FileExists(args[1])) {
        std::fprintf(stderr, "orvane-cli: no such coordinates file: %s\n", TerminalText(args[1], true).c_str());
        return kExitUsage;
    }
    // A file without a single node changes nothing: the project is not saved.
    const ImportResult imported = ImportCoordinatesFile(rec, args[1]);
    if (!imported.ok)
        return ExitOnFailure(imported);
    // SaveProject reports a failure through the message sink (stderr).
    if (!SaveProject(rec, args[0]))
        return kExitFailure;
    std::printf("imported %d node%s in %d boundar%s\n", imported.nodes, imported.nodes == 1 ? "" : "s",
                imported.boundaries, imported.boundaries == 1 ? "y" : "ies");
    return kExitOk;
}

const bool registeredExport = RegisterCommand(
    {"export-coords", "FILE.WDT OUT.txt", "Write the boundaries to a coordinates text file.", 30, RunExport});
const bool registeredImport =
    RegisterCommand({"import-coords", "FILE.WDT IN.txt",
                     "Replace the boundaries from a coordinates text file (blank, tab, comma or semicolon separated; "
                     "header lines skipped) and save the project.",
                     31, RunImport});

}  // namespace
}  // namespace orvane::cli
