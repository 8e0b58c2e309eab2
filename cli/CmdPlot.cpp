// orvane-cli plot FILE.WDT OUT.png [--size WxH] [--report] [--numbers]:
// the region picture as a PNG, drawn offscreen. Only this command starts the
// toolkit, so the other commands stay free of it at run time.

#ifdef ORVANE_CLI_PICTURES

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/OffscreenGui.h"
#include "cli/Options.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "graphics/QtRaster.h"
#include "graphics/RegionPlot.h"

namespace orvane::cli {

namespace {

// The main window's plot image as designed.
constexpr int kDefaultWidth = 433;
constexpr int kDefaultHeight = 365;

// "WxH" with both sides 1..kMaxRasterSide.
bool ParseSize(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    std::int32_t w = 0;
    std::int32_t h = 0;
    if (!ParseInt(std::string_view(text).substr(0, x), w) || !ParseInt(std::string_view(text).substr(x + 1), h))
        return false;
    if (w < 1 || h < 1 || w > kMaxRasterSide || h > kMaxRasterSide)
        return false;
    width = w;
    height = h;
    return true;
}

int RunPlot(const Args& args)
{
    std::vector<std::string> files;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    bool report = false;
    bool numbers = false;
    const ParsedOptions parsed = ParseOptions(args, {{"--report"}, {"--numbers"}, {"--size", true}});
    if (!parsed.error.empty())
        return UsageError("plot", parsed.error);
    files = parsed.words;
    report = parsed.Has("--report");
    numbers = parsed.Has("--numbers");
    if (const std::string* size = parsed.Value("--size"); size && !ParseSize(*size, width, height))
        return UsageError("plot", Format("--size needs WIDTHxHEIGHT, each 1 to %d pixels", kMaxRasterSide));
    if (report && numbers)
        return UsageError("plot", "the report picture never shows node numbers: use --report or --numbers");

    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("plot", files, 2, rec); code != kExitOk)
        return code;

    const OffscreenGui gui;  // fonts need the toolkit

    QtRaster raster(width, height);
    const PlotScale scale = report ? DrawRegionPicture(rec, raster) : DrawRegionPlot(rec, raster, numbers);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(raster.Image())) {
        std::fprintf(stderr, "orvane-cli: cannot encode the picture: %s\n", writer.errorString().toUtf8().constData());
        return kExitFailure;
    }
    if (!WriteFileAtomically(files[1], png.constData(), static_cast<std::size_t>(png.size()))) {
        std::fprintf(stderr, "orvane-cli: cannot write picture file: %s\n", files[1].c_str());
        return kExitFailure;
    }

    // The extents are what the program would store in the project; the file
    // itself is not changed.
    const std::string unit = CoordUnitName(rec.CoordUnits);
    std::printf("%s", Format("%s: %d x %d pixels, %s\n"
                             "region x %.3f to %.3f %s, y %.3f to %.3f %s, span %.3f %s\n"
                             "grid %.0f %s\n",
                             files[1], width, height, report ? "report picture" : "region plot", scale.MinX, scale.MaxX,
                             unit, scale.MinY, scale.MaxY, unit, scale.SpanX, unit,
                             GridStep(static_cast<double>(scale.MaxX) - scale.MinX,
                                      static_cast<double>(scale.MaxY) - scale.MinY),
                             unit)
                          .c_str());
    return kExitOk;
}

const bool registered = RegisterCommand({"plot", "FILE.WDT OUT.png [--size WxH] [--report] [--numbers]",
                                         "Draw the region picture (default 433x365; --report: the report's "
                                         "picture; --numbers: node numbers) to a PNG file.",
                                         40, RunPlot});

}  // namespace
}  // namespace orvane::cli

#endif  // ORVANE_CLI_PICTURES
