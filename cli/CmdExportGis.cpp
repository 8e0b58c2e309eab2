// orvane-cli export-gis FILE.WDT OUT [--rays] [--crs EPSG:NNNN]: the region,
// the point and optionally the fetch rays as a GIS file, the format chosen by
// OUT's extension, in the project's coordinate system unless --crs names one.

#ifdef ORVANE_CLI_GIS

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "cli/TerminalText.h"
#include "gis/GisExport.h"

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "export-gis";

int RunExportGis(const Args& args)
{
    std::vector<std::string> files;
    GisExportOptions options;
    const ParsedOptions parsed = ParseOptions(args, {{"--rays"}, {"--crs", true}});
    if (!parsed.error.empty())
        return UsageError(kName, parsed.error);
    files = parsed.words;
    options.rays = parsed.Has("--rays");
    if (const std::string* crs = parsed.Value("--crs"); crs && (options.epsg = ParseEpsg(*crs)) == 0)
        return UsageError(kName, "--crs needs EPSG:NNNN, the coordinate system of the project's coordinates");
    if (files.size() != 2)
        return UsageError(kName, "export-gis needs a project file and an output file");
    if (GisFormatOf(files[1]).empty())
        return UsageError(kName, "the output file must end in .geojson, .json, .gpkg, .kml or .shp");
    ProjectRecord rec {};
    int exitCode = kExitOk;
    if (!LoadExistingProject(files[0], rec, exitCode))
        return exitCode;
    // Without --crs, the project's own coordinate system (companion file).
    if (options.epsg == 0)
        options.crs = ProjectCrs(files[0]);
    const GisExportResult result = ExportGis(rec, files[1], options);
    if (!result.ok)
        return result.badArguments ? UsageError(kName, result.message) : ExitOnFailure(result);
    for (const std::string& note : result.notes)
        std::printf("%s\n", TerminalText(note).c_str());
    for (const std::string& file : result.files)
        std::printf("wrote %s\n", TerminalText(file).c_str());
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName, "FILE.WDT OUT [--rays] [--crs EPSG:NNNN]",
     "Write the region, the point and (--rays) the fetch rays to a GIS file: .geojson, .gpkg, .kml or .shp; "
     "--crs names the project's coordinate system (default: the one the project keeps).",
     33, RunExportGis});

}  // namespace
}  // namespace orvane::cli

#endif  // ORVANE_CLI_GIS
