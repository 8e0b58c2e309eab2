// orvane-cli rose FILE.WDT [--step DEG] [--json|--csv] [--plot OUT.png]
// [--growth LAW] [--duration-h H]:
// the project computed for every wind direction of a full circle.

#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/JsonText.h"
#include "cli/OffscreenGui.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "core/ComputeWaves.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "core/WaveRose.h"

#ifdef ORVANE_CLI_PICTURES
#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "core/FileIO.h"
#include "graphics/RosePlot.h"
#endif

namespace orvane::cli {

namespace {

constexpr int kDefaultStep = 10;

std::string RoseJson(const WaveRoseResult& rose)
{
    std::string out = Format("{\n  \"Step\": %d,\n  \"Rose\": [", rose.stepDeg);
    for (std::size_t i = 0; i < rose.rows.size(); ++i) {
        const RoseRow& row = rose.rows[i];
        out += i > 0 ? ",\n    " : "\n    ";
        out += Format("{\"WindDirection\": %d, \"Bearing\": ", row.windDirectionDeg) + json::Number(row.bearingDeg) +
               ", \"CentralFetch\": " + json::Number(row.centralFetch) +
               ", \"EffectiveFetch\": " + json::Number(row.effectiveFetch) +
               ", \"HeightM\": " + json::Number(row.heightM) + ", \"HeightFt\": " + json::Number(row.heightFt) +
               ", \"Period\": " + json::Number(row.period) + "}";
    }
    out += rose.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string RoseText(const WaveRoseResult& rose, const ProjectRecord& rec, const GrowthOptions& growth)
{
    const std::string unit = CoordUnitName(rec.CoordUnits);
    std::string out = Format("# wind sector %.2f deg, %s, %s, %s; every %d deg\n", rec.SectorAngle,
                             DirectionalMethodName(rec.DirectionalMethod), SignificantMethodName(rec.SignificantMethod),
                             SpectrumTypeName(rec.SpectrumType), rose.stepDeg);
    if (!growth.IsDefault())
        out += "# growth law " + GrowthOptionsText(growth) + "\n";
    out += Format("# direction_deg bearing_deg central_fetch_%s effective_fetch_%s hs_m hs_ft ts_s\n", unit, unit);
    for (const RoseRow& row : rose.rows)
        out += Format("%6d %8.1f %12.4f %12.4f %8.3f %8.3f %7.3f\n", row.windDirectionDeg, row.bearingDeg,
                      row.centralFetch, row.effectiveFetch, row.heightM, row.heightFt, row.period);
    return out;
}

#ifdef ORVANE_CLI_PICTURES
int WritePlot(const std::string& path, const WaveRoseResult& rose, const ProjectRecord& rec)
{
    const OffscreenGui gui;  // fonts need the toolkit

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(DrawRosePlot(rose, rec))) {
        std::fprintf(stderr, "orvane-cli: cannot encode the picture: %s\n", writer.errorString().toUtf8().constData());
        return kExitFailure;
    }
    if (!WriteFileAtomically(path, png.constData(), static_cast<std::size_t>(png.size()))) {
        std::fprintf(stderr, "orvane-cli: cannot write picture file: %s\n", path.c_str());
        return kExitFailure;
    }
    return kExitOk;
}
#endif

int RunRose(const Args& args)
{
    Args files;
    std::string plot, stepText;
    bool json = false, csv = false, stepGiven = false;
    GrowthArgs growthArgs;
    const ParsedOptions parsed =
        ParseOptions(args, {{"--json"}, {"--csv"}, {"--step", true}, {"--plot", true}, kGrowthOption, kDurationOption});
    std::string error = parsed.error;
    if (error.empty())
        ReadGrowthOptions(parsed, growthArgs, error);
    if (!error.empty())
        return UsageError("rose", error);
    files = parsed.words;
    json = parsed.Has("--json");
    csv = parsed.Has("--csv");
    if (const std::string* step = parsed.Value("--step")) {
        stepText = *step;
        stepGiven = true;
    }
    if (const std::string* name = parsed.Value("--plot")) {
        if (name->empty())
            return UsageError("rose", "--plot needs a PNG file name");
        plot = *name;
    }
    if (json && csv)
        return UsageError("rose", "choose one of --json and --csv");
    std::int32_t step = kDefaultStep;
    if (stepGiven && (!ParseInt(stepText, step) || !ValidRoseStep(step)))
        return UsageError("rose", "--step takes whole degrees from 1 to 90 that divide 360 (1, 2, 3, 4, 5, 6, 8, 9, "
                                  "10, 12, 15, 18, 20, 24, 30, 36, 40, 45, 60, 72, 90), not '" +
                                      stepText + "'");
#ifndef ORVANE_CLI_PICTURES
    if (!plot.empty())
        return UsageError("rose", "this orvane-cli was built without pictures: --plot is not available");
#endif

    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("rose", files, 1, rec); code != kExitOk)
        return code;
    // As compute: the method groups take a code above the last item as the last item.
    ClampMethodCodes(rec);
    const GrowthOptions growth = ResolveGrowth(files[0], growthArgs);
    WaveRoseResult rose = WaveRose(rec, step, growth);
    // True bearings where the project knows its coordinate system.
    const BearingReference bearings = CliBearings(files[0], rec);
    for (RoseRow& row : rose.rows)
        row.bearingDeg = BearingOfDirection(row.windDirectionDeg, bearings);

#ifdef ORVANE_CLI_PICTURES
    if (!plot.empty()) {
        if (const int code = WritePlot(plot, rose, rec); code != kExitOk)
            return code;
    }
#endif
    const std::string out = json ? RoseJson(rose) : csv ? WaveRoseCsv(rose) : RoseText(rose, rec, growth);
    std::fputs(out.c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {"rose", "FILE.WDT [--step DEG] [--json|--csv] [--plot OUT.png] [--growth LAW] [--duration-h H]",
     "Fetch and waves for every wind direction, every DEG degrees (default 10): central and effective fetch, "
     "Hs and Ts (--plot: a polar rose picture; --growth, --duration-h: a growth law and storm duration).",
     22, RunRose});

}  // namespace
}  // namespace orvane::cli
