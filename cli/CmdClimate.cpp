// orvane-cli climate FILE.WDT WIND.csv [--format csv|isd-lite] [--unit U]
// [--sectors N] [--threshold H] [--out DIR] [--json] [--seed N]:
// the wave climate at the project's point from a measured wind record: the
// hindcast series, the occurrence table, the extremes and their pictures.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "cli/TerminalText.h"
#include "core/ClimateAnalysis.h"
#include "core/CommitRules.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/ProjectCompanion.h"
#include "core/WindRecord.h"

#ifdef ORVANE_CLI_PICTURES
#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "cli/OffscreenGui.h"
#include "graphics/ClimatePlots.h"
#endif

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "climate";
// Records longer than this report their progress on stderr.
constexpr std::size_t kProgressRows = 100'000;

Outcome WriteText(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, text.data(), text.size());
}

#ifdef ORVANE_CLI_PICTURES
Outcome WritePng(const std::string& path, const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return Outcome::Failure("cannot encode the picture " + path + ": " + writer.errorString().toStdString());
    return WriteFileAtomically(path, png.constData(), static_cast<std::size_t>(png.size()));
}
#endif

int RunClimate(const Args& args)
{
    const ParsedOptions parsed = ParseOptions(args, {{"--json"},
                                                     {"--format", true},
                                                     {"--unit", true},
                                                     {"--sectors", true},
                                                     {"--threshold", true},
                                                     {"--out", true},
                                                     {"--seed", true}});
    if (!parsed.error.empty())
        return UsageError(kName, parsed.error);
    const Args& files = parsed.words;
    const bool json = parsed.Has("--json");
    WindReadOptions read;
    if (const std::string* value = parsed.Value("--format")) {
        if (!WindFileFormatFromName(*value))
            return UsageError(kName, "--format takes csv or isd-lite");
        read.format = *WindFileFormatFromName(*value);
    }
    if (const std::string* value = parsed.Value("--unit")) {
        if (!SpeedUnitFromName(*value))
            return UsageError(kName, "--unit takes m/s, km/h, mph, knots or ft/s");
        read.unit = SpeedUnitFromName(*value);
    }
    std::optional<int> sectors;
    if (const std::string* value = parsed.Value("--sectors")) {
        std::int32_t n = 0;
        if (!ParseInt(*value, n) || !ValidSectorCount(n))
            return UsageError(kName, "--sectors takes 8, 12, 16 or 36");
        sectors = n;
    }
    std::optional<double> threshold;
    if (const std::string* value = parsed.Value("--threshold")) {
        double h = 0.0;
        if (!ParseReal(*value, h) || !std::isfinite(h) || !(h > 0))
            return UsageError(kName, "--threshold takes a positive height in metres");
        threshold = h;
    }
    std::string outDir = ".";
    if (const std::string* value = parsed.Value("--out")) {
        if (value->empty())
            return UsageError(kName, "--out needs a folder");
        outDir = *value;
    }
    std::uint64_t seed = 1;
    if (const std::string* value = parsed.Value("--seed")) {
        const auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), seed);
        if (value->empty() || ec != std::errc() || end != value->data() + value->size())
            return UsageError(kName, "--seed takes a whole number");
    }
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad(kName, files, 2, rec); code != kExitOk)
        return code;
    ClampMethodCodes(rec);
    ProjectCompanion companion;
    companion.Load(files[0]);  // a damaged one is said on stderr and ignored
    ClimateSettings settings = companion.climate;
    if (sectors)
        settings.sectors = *sectors;
    if (threshold)
        settings.thresholdM = threshold;

    // Bearings in the file and in the outputs are true where the project
    // knows its coordinate system (the convergence at its point), else grid.
    const BearingReference bearings = CliBearings(files[0], rec);
    const double convergenceDeg = bearings.trueNorth ? bearings.convergenceDeg : 0.0;
    read.convergenceDeg = convergenceDeg;
    const WindRecord record = ReadWindRecord(files[1], read);
    if (!record.ok)
        return ExitOnFailure(record);
    FILE* info = json ? stderr : stdout;
    std::fprintf(info, "%s\n",
                 TerminalText(Format("wind record [%s]: %zu rows (%s), %s to %s", files[1], record.rows.size(),
                                     WindFileFormatName(record.format), TimestampText(record.rows.front().timeS),
                                     TimestampText(record.rows.back().timeS)))
                     .c_str());
    for (const std::string& note : record.notes)
        std::fprintf(info, "%s\n", TerminalText(note).c_str());
    if (record.Skipped() > 0)
        std::fprintf(stderr, "orvane-cli: %s\n", record.SkippedText().c_str());

    int lastTenth = -1;
    const bool long_ = record.rows.size() > kProgressRows;
    const Progress progress = [&](double share) {
        const int tenth = static_cast<int>(share * 10.0);
        if (long_ && tenth != lastTenth) {
            lastTenth = tenth;
            std::fprintf(stderr, "climate: %d %%\n", tenth * 10);
        }
        return true;
    };
    const ClimateResult result = RunClimate(rec, companion.wind, settings, record.rows, convergenceDeg, seed, progress);

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (ec)
        return ExitOnFailure(Outcome::Failure("cannot create the folder [" + outDir + "]: " + ec.message()));
    const std::string dir = outDir + "/";
    const std::string extremes = ExtremesJson(result);
    for (const auto& [name, text] : {std::pair<std::string, std::string> {"series.csv", SeriesCsv(result)},
                                     {"occurrence.csv", OccurrenceCsv(result)},
                                     {"extremes.json", extremes}}) {
        if (const int code = ExitOnFailure(WriteText(dir + name, text)); code != kExitOk)
            return code;
    }
#ifdef ORVANE_CLI_PICTURES
    {
        const OffscreenGui gui;  // fonts need the toolkit
        if (const int code = ExitOnFailure(WritePng(dir + "rose-occurrence.png", DrawOccurrenceRose(result)));
            code != kExitOk)
            return code;
        if (const int code =
                ExitOnFailure(WritePng(dir + "return-periods.png", DrawReturnPeriodChart(result.extremes.front())));
            code != kExitOk)
            return code;
    }
#endif
    std::fputs(json ? extremes.c_str() : ReturnValueTable(result).c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName,
     "FILE.WDT WIND.csv [--format csv|isd-lite] [--unit U] [--sectors N] [--threshold H] [--out DIR] [--json] "
     "[--seed N]",
     "The wave climate at the project's point from a wind record (CSV or ISD-lite): the hindcast series, the "
     "occurrence table of Hs by direction sector, storm peaks and annual maxima with their fits and the return "
     "values of 1 to 100 years, written into DIR (default the current folder); prints the return-value table "
     "(--json: extremes.json).",
     27, RunClimate});

}  // namespace
}  // namespace orvane::cli
