// orvane-cli import-shoreline FILE.WDT SOURCE [--layer NAME] [--point X,Y]:
// the region's boundaries from a GIS file. The project is saved only when the
// import succeeded, and then atomically, with the coordinate system of the
// new coordinates in its companion file.

#ifdef ORVANE_CLI_GIS

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/TerminalText.h"
#include "core/FileIO.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectFile.h"
#include "gis/ShorelineImport.h"

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "import-shoreline";

int RunImportShoreline(const Args& args)
{
    std::vector<std::string> files;
    ShorelineOptions options;
    const ParsedOptions parsed = ParseOptions(args, {{"--layer", true}, {"--point", true}});
    if (!parsed.error.empty())
        return UsageError(kName, parsed.error);
    files = parsed.words;
    if (const std::string* layer = parsed.Value("--layer")) {
        if (layer->empty())
            return UsageError(kName, "--layer needs a layer name");
        options.layer = *layer;
    }
    if (const std::string* text = parsed.Value("--point")) {
        XY point;
        if (!ParsePoint(*text, point))
            return UsageError(kName, "--point needs X,Y in the source's coordinates (longitude,latitude for degrees)");
        options.point = point;
    }
    if (files.size() != 2)
        return UsageError(kName, "import-shoreline needs a project file and a GIS file");
    // GDAL also reads virtual paths (/vsizip/...), which exist only to it.
    if (!FileExists(files[1]) && files[1].rfind("/vsi", 0) != 0) {
        std::fprintf(stderr, "orvane-cli: no such GIS file: %s\n", files[1].c_str());
        return kExitUsage;
    }
    // Held from the load to the save (see LockProjectForChange).
    std::optional<FileLock> lock;
    if (!LockProjectForChange(files[0], lock))
        return kExitFailure;
    ProjectRecord rec {};
    int exitCode = kExitOk;
    if (!LoadExistingProject(files[0], rec, exitCode))
        return exitCode;
    const ShorelineImportResult result = ImportShoreline(rec, files[1], options);
    if (!result.ok)
        return ExitOnFailure(result, "; the project was not changed");
    for (const std::string& note : result.notes)
        std::printf("%s\n", TerminalText(note).c_str());
    for (const std::string& warning : result.warnings)
        std::fprintf(stderr, "orvane-cli: warning: %s\n", TerminalText(warning, true).c_str());
    // The project remembers the coordinate system of its new coordinates.
    ProjectCompanion companion;
    companion.Load(files[0]);
    if (!result.crs.empty()) {
        companion.crs = result.crs;
        std::printf("the project's coordinate system is now %s\n",
                    TerminalText(result.crs.size() > 60 ? "the file's (WKT)" : result.crs).c_str());
    } else if (!companion.crs.empty()) {
        std::printf("the file names no coordinate system: the project keeps %s\n",
                    TerminalText(companion.crs.size() > 60 ? "its own (WKT)" : companion.crs).c_str());
    }
    return ExitOnFailure(WriteProjectAndCompanion(rec, companion, files[0]));
}

const bool registered = RegisterCommand(
    {kName, "FILE.WDT SOURCE [--layer NAME] [--point X,Y]",
     "Replace the boundaries from a GIS file (GeoJSON, Shapefile, GeoPackage, KML, ...) and save the project; "
     "--point also moves the point (source coordinates).",
     32, RunImportShoreline});

}  // namespace
}  // namespace orvane::cli

#endif  // ORVANE_CLI_GIS
