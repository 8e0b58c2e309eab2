// orvane-cli points FILE.WDT POINTS OUT [--fields] [--layer NAME]
// [--growth LAW] [--duration-h H]: the waves at many points, read from a CSV
// file or any GIS point layer, written as CSV, GeoJSON or GeoPackage by OUT's
// extension; --fields takes each point's wind, sector and depth from its
// attribute columns where it gives them.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "cli/TerminalText.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/SitePoints.h"

#ifdef ORVANE_CLI_GIS
#include "gis/PointLayer.h"
#endif

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "points";

bool IsCsv(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : path.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".csv" || ext == ".txt";
}

int RunPoints(const Args& args)
{
    const ParsedOptions parsed = ParseOptions(args, {{"--fields"}, {"--layer", true}, kGrowthOption, kDurationOption});
    GrowthArgs growthArgs;
    std::string error = parsed.error;
    if (error.empty())
        ReadGrowthOptions(parsed, growthArgs, error);
    if (!error.empty())
        return UsageError(kName, error);
    const Args& files = parsed.words;
    const bool fields = parsed.Has("--fields");
    std::string layer;
    if (const std::string* value = parsed.Value("--layer")) {
        if (value->empty())
            return UsageError(kName, "--layer needs a layer name");
        layer = *value;
    }
    if (files.size() == 3 && !IsCsv(files[2])) {
#ifdef ORVANE_CLI_GIS
        if (PointLayerFormatOf(files[2]).empty())
#endif
            return UsageError(kName, "the output file must end in .csv, .geojson, .json or .gpkg");
    }
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad(kName, files, 3, rec); code != kExitOk)
        return code;
    if (!FileExists(files[1])) {
        std::fprintf(stderr, "orvane-cli: no such points file: %s\n", TerminalText(files[1], true).c_str());
        return kExitUsage;
    }
    const std::string crs = ProjectCrs(files[0]);
    const GrowthOptions growth = ResolveGrowth(files[0], growthArgs);

    PointTable table;
    if (IsCsv(files[1])) {
        std::string text;
        if (const Outcome read = ReadInputText(files[1], kMaxInputFileBytes, "points file", text); !read)
            return ExitOnFailure(read);
        table = ParsePointsCsv(text);
    } else {
#ifdef ORVANE_CLI_GIS
        PointLayerRead read = ReadPointLayer(files[1], layer, crs, rec.CoordUnits);
        if (!read.ok)
            return ExitOnFailure(read);
        for (const std::string& note : read.notes)
            std::fprintf(stderr, "orvane-cli: %s\n", TerminalText(note, true).c_str());
        table = std::move(read.table);
#else
        return UsageError(kName, "this orvane-cli was built without GIS files: give the points as CSV");
#endif
    }
    if (!table.error.empty())
        return ExitOnFailure(Outcome::Failure(files[1] + ": " + table.error));

    // Longitude/latitude into the project's coordinates.
    const CrsService* service = CliCrsService();
    for (SitePoint& p : table.points) {
        if (!p.lonLat)
            continue;
        if (crs.empty())
            return ExitOnFailure(Outcome::Failure(
                "the points are in lon/lat: the project needs its coordinate system to place them (set crs=EPSG:N)"));
        double x = 0, y = 0;
        const std::string why = service != nullptr && service->fromLonLat
                                    ? service->fromLonLat(crs, rec.CoordUnits, p.x, p.y, x, y)
                                    : std::string("the GIS module is needed for lon/lat");
        if (!why.empty())
            return ExitOnFailure(Outcome::Failure(why));
        p.x = x;
        p.y = y;
        p.lonLat = false;
    }

    const BearingReference atPoint = CliBearings(files[0], rec);
    BearingsAt bearingsAt;
    if (!crs.empty() && service != nullptr && service->bearings)
        bearingsAt = [&](double x, double y) { return service->bearings(crs, rec.CoordUnits, x, y); };
    else
        bearingsAt = [&](double, double) { return atPoint; };
    const std::vector<SiteResult> results = RunSitePoints(rec, growth, table, fields, bearingsAt);

    Outcome written;
    if (IsCsv(files[2])) {
        const std::string csv = SitePointsCsv(table, results);
        written = WriteFileAtomically(files[2], csv.data(), csv.size());
    } else {
#ifdef ORVANE_CLI_GIS
        written = WritePointLayer(files[2], table, results, crs, rec.CoordUnits);
#endif
    }
    if (!written)
        return ExitOnFailure(written);
    int inWater = 0, bad = 0;
    for (std::size_t k = 0; k < results.size(); ++k) {
        inWater += results[k].inWater ? 1 : 0;
        if (!results[k].computed) {
            ++bad;
            std::fprintf(stderr, "orvane-cli: point %d: %s\n", table.points[k].row,
                         TerminalText(results[k].note, true).c_str());
        }
    }
    std::printf("%s", TerminalText(Format("wrote %s: %d points, %d in the water, %d outside, %d not computed\n",
                                          files[2], static_cast<int>(results.size()), inWater,
                                          static_cast<int>(results.size()) - inWater - bad, bad),
                                   true)
                          .c_str());
    return bad > 0 ? kExitFailure : kExitOk;
}

const bool registered = RegisterCommand(
    {kName, "FILE.WDT POINTS OUT [--fields] [--layer NAME] [--growth LAW] [--duration-h H]",
     "Compute the waves at every point of a CSV file (x,y or lon,lat columns) or a GIS point layer (--fields: "
     "with each point's bearing or direction, speed, sector and depth columns); write CSV, GeoJSON or GeoPackage.",
     35, RunPoints});

}  // namespace
}  // namespace orvane::cli
