// orvane-cli report FILE.WDT OUT [--seed N] [--summary]: the results report
// (or the theoretical summary) as a PDF or RTF document, chosen by the
// extension of OUT. Made offscreen: no display and no printer are needed.

#ifdef ORVANE_CLI_REPORTS

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/OffscreenGui.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "core/ComputeWaves.h"
#include "core/Format.h"
#include "core/Random.h"
#include "core/Region.h"
#include "core/Text1252.h"
#include "core/Units.h"
#include "reports/DocumentExport.h"
#include "reports/OrvaneRep01F.h"
#include "reports/OrvaneRep02F.h"

namespace orvane::cli {

namespace {

bool ParseSeed(const std::string& text, std::uint32_t& seed)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, seed);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

int RunReport(const Args& args)
{
    const ParsedOptions options = ParseOptions(args, {{"--summary"}, {"--seed", true}, kGrowthOption, kDurationOption});
    GrowthArgs growthArgs;
    std::string error = options.error;
    if (error.empty())
        ReadGrowthOptions(options, growthArgs, error);
    if (!error.empty())
        return UsageError("report", error);
    const Args& files = options.words;
    const bool summary = options.Has("--summary");
    if (files.size() != 2)
        return UsageError("report", "report needs a project file and an output file");
    const std::string* seedText = options.Value("--seed");
    const bool seeded = seedText != nullptr;
    std::uint32_t seed = 0;
    if (seeded && !ParseSeed(*seedText, seed))
        return UsageError("report", "--seed takes a whole number from 0 to 4294967295, not '" + *seedText + "'");
    const std::optional<ExportKind> kind = ExportKindOfFileName(files[1]);
    if (!kind)
        return UsageError("report", "the output file must end in .pdf or .rtf: " + files[1]);

    ProjectRecord rec {};
    int exitCode = kExitOk;
    if (!LoadExistingProject(files[0], rec, exitCode))
        return exitCode;

    const OffscreenGui gui;  // fonts need the toolkit; no display is needed

    // The report is built for a PDF device, whose pixels are square. The
    // project file is never written here, so the extents of the report's
    // picture are not kept.
    std::unique_ptr<TOrvaneRep00> report;
    if (summary) {
        report = std::make_unique<TOrvaneRep02>(rec);
    } else {
        ClampMethodCodes(rec);
        RandomGenerator random;
        if (seeded)
            random.Seed(seed);
        else
            random.SeedFromClock();
        const GrowthOptions growth = ResolveGrowth(files[0], growthArgs);
        WaveResults results {};
        ComputeWaves(rec, growth, results, random);
        // The report says so under its picture; a batch run should not need
        // the document opened to notice.
        if (!PointInWater(rec))
            std::fprintf(stderr, "orvane-cli: warning: point is not in the water region (x = %s, y = %s %s)\n",
                         Format("%.3f", rec.PointX).c_str(), Format("%.3f", rec.PointY).c_str(),
                         CoordUnitName(rec.CoordUnits).c_str());
        auto results1 = std::make_unique<TOrvaneRep01>(rec, results, 1.0);
        const std::vector<std::string> growthLines = GrowthTextLines(SummariseGrowth(rec, MakeSector(rec), growth));
        if (growthLines.size() == 3)
            results1->ShowGrowth(growthLines[1], growthLines[2]);
        results1->ShowBearings(CliBearings(files[0], rec));
        report = std::move(results1);
    }
    const PreparedReport pages = report->Prepare();
    const std::string title = Cp1252ToUtf8(TitleBytes(rec));
    if (const Outcome written = WriteReportDocument(pages, *kind, files[1], title); !written)
        return ExitOnFailure(written);
    std::printf("%s", Format("%s: %s, %d page%s, %s\n", files[1], summary ? "theoretical summary" : "results report",
                             static_cast<int>(pages.pages.size()), pages.pages.size() == 1 ? "" : "s",
                             *kind == ExportKind::Pdf ? "PDF" : "RTF")
                          .c_str());
    return kExitOk;
}

const bool registered = RegisterCommand(
    {"report", "FILE.WDT OUT.pdf|OUT.rtf [--seed N] [--summary] [--growth LAW] [--duration-h H]",
     "Compute the waves and write the two-page results report (--summary: the theoretical summary) as PDF or "
     "RTF, by the extension of OUT (--seed: a reproducible surface record).",
     45, RunReport});

}  // namespace
}  // namespace orvane::cli

#endif  // ORVANE_CLI_REPORTS
