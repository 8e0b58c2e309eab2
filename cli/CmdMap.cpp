// orvane-cli map FILE.WDT OUT [--cell SIZE] [--quantity Q] [--all-directions]
// [--tile I/N] [--growth LAW] [--duration-h H]: a map of the waves over the
// region, as a GeoTIFF (through the GIS module) or a PNG picture.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "cli/TerminalText.h"
#include "core/Format.h"
#include "core/MapGrid.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/Units.h"

#ifdef ORVANE_CLI_GIS
#include "gis/MapRaster.h"
#endif
#ifdef ORVANE_CLI_PICTURES
#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "cli/OffscreenGui.h"
#include "graphics/WaveMap.h"
#endif

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "map";

std::string Extension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : path.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext;
}

// "I/N" with 1 <= I <= N.
bool ParseTile(const std::string& text, int& index, int& count)
{
    const std::size_t slash = text.find('/');
    std::int32_t i = 0, n = 0;
    if (slash == std::string::npos || !ParseInt(std::string_view(text).substr(0, slash), i) ||
        !ParseInt(std::string_view(text).substr(slash + 1), n) || n < 1 || i < 1 || i > n)
        return false;
    index = i;
    count = n;
    return true;
}

int RunMap(const Args& args)
{
    const ParsedOptions parsed = ParseOptions(args, {{"--all-directions"},
                                                     {"--cell", true},
                                                     {"--quantity", true},
                                                     {"--tile", true},
                                                     kGrowthOption,
                                                     kDurationOption});
    GrowthArgs growthArgs;
    std::string error = parsed.error;
    if (error.empty())
        ReadGrowthOptions(parsed, growthArgs, error);
    if (!error.empty())
        return UsageError(kName, error);
    const Args& files = parsed.words;
    MapOptions options;
    options.allDirections = parsed.Has("--all-directions");
    if (const std::string* cellText = parsed.Value("--cell")) {
        if (!ParseReal(*cellText, options.cell) || !(options.cell > 0.0) || !std::isfinite(options.cell))
            return UsageError(kName,
                              "--cell needs a positive size in the project's coordinate unit, not '" + *cellText + "'");
    }
    if (const std::string* value = parsed.Value("--quantity")) {
        const std::optional<MapQuantity> q = MapQuantityFromName(*value);
        if (!q)
            return UsageError(kName, "--quantity takes hs, ts, fetch or effective-fetch");
        options.quantity = *q;
    }
    if (const std::string* value = parsed.Value("--tile");
        value && !ParseTile(*value, options.tileIndex, options.tileCount))
        return UsageError(kName, "--tile needs I/N, the band I of N (1 <= I <= N)");
    const std::string ext = files.size() == 2 ? Extension(files[1]) : std::string();
    const bool tiff = ext == ".tif" || ext == ".tiff";
    if (files.size() == 2 && !tiff && ext != ".png")
        return UsageError(kName, "the output file must end in .tif, .tiff or .png");
#ifndef ORVANE_CLI_GIS
    if (tiff)
        return UsageError(kName, "this orvane-cli was built without GIS files: write a .png");
#endif
#ifndef ORVANE_CLI_PICTURES
    if (!tiff && files.size() == 2)
        return UsageError(kName, "this orvane-cli was built without pictures: write a .tif");
#endif
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad(kName, files, 2, rec); code != kExitOk)
        return code;
    if (!parsed.Has("--cell"))
        options.cell = MapRoundCell(rec, 200);  // 0 without a region: ComputeMap says why
    options.growth = ResolveGrowth(files[0], growthArgs);
    const std::string crs = ProjectCrs(files[0]);

    const MapGridResult map = ComputeMap(rec, options);
    if (!map.ok)
        return ExitOnFailure(Outcome::Failure(map.error));
    const MapGrid& grid = map.grid;
    const std::string unit = MapQuantityUnit(options.quantity, rec);

    Outcome written;
    if (tiff) {
#ifdef ORVANE_CLI_GIS
        written = WriteMapGeoTiff(files[1], grid,
                                  MapRasterInfo {crs, rec.CoordUnits, MapQuantityName(options.quantity), unit});
#endif
    } else {
#ifdef ORVANE_CLI_PICTURES
        const OffscreenGui gui;  // fonts need the toolkit
        WaveMapLegend legend;
        legend.quantity = QString::fromStdString(options.quantity == MapQuantity::Hs      ? "Hs"
                                                 : options.quantity == MapQuantity::Ts    ? "Ts"
                                                 : options.quantity == MapQuantity::Fetch ? "Fetch"
                                                                                          : "Effective fetch");
        legend.unit = QString::fromStdString(unit);
        legend.bearings = CliBearings(files[0], rec);
        legend.title = QString::fromStdString(options.allDirections
                                                  ? Format("largest over every wind direction, %g %s", rec.WindVelocity,
                                                           VelocityUnitItem(rec.VelocityUnits))
                                                  : WindFromText(rec.WindDirection, legend.bearings) +
                                                        Format(", %g %s, sector %g\xC2\xB0", rec.WindVelocity,
                                                               VelocityUnitItem(rec.VelocityUnits), rec.SectorAngle));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(WaveMapImage(grid, rec, legend)))
            written = Outcome::Failure("cannot encode the picture: " + writer.errorString().toStdString());
        else
            written = WriteFileAtomically(files[1], png.constData(), static_cast<std::size_t>(png.size()));
#endif
    }
    if (!written)
        return ExitOnFailure(written);
    const MapRange range = MapValueRange(grid);
    std::printf(
        "%s",
        TerminalText(Format("wrote %s: %d x %d cells of %g %s (rows %d to %d of %d), %s%s from %s to %s %s\n", files[1],
                            grid.columns, grid.rows, grid.cell, CoordUnitName(rec.CoordUnits), grid.firstRow + 1,
                            grid.firstRow + grid.rows, grid.totalRows, MapQuantityName(options.quantity),
                            options.allDirections ? " (largest over every wind direction)" : "",
                            Format("%.4g", range.low), Format("%.4g", range.high), unit),
                     true)
            .c_str());
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName,
     "FILE.WDT OUT.tif|OUT.png [--cell SIZE] [--quantity hs|ts|fetch|effective-fetch] [--all-directions] "
     "[--tile I/N] [--growth LAW] [--duration-h H]",
     "Map the waves (or the fetch) over the region on a grid of SIZE cells (coordinate units): a GeoTIFF in the "
     "project's coordinate system or a PNG picture; --all-directions: the largest over every wind direction; "
     "--tile I/N: band I of N of the rows, for joining with GDAL.",
     36, RunMap});

}  // namespace
}  // namespace orvane::cli
