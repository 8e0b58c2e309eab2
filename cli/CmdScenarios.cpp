// orvane-cli scenarios FILE.WDT CASES.csv [--json]: many wind cases through
// the project's site, one result row per case.

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/JsonText.h"
#include "cli/Options.h"
#include "cli/ProjectCrs.h"
#include "cli/TerminalText.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/Scenario.h"
#include "core/ScenarioCsv.h"

namespace orvane::cli {

namespace {

constexpr const char* kResultColumns[] = {"central_fetch", "effective_fetch", "hs_m", "hs_ft",
                                          "ts_s",          "point_in_water",  "note"};

std::string CsvNumber(float v) { return std::isfinite(v) ? Format("%.6g", static_cast<double>(v)) : std::string(); }

// The input cells as written, then the results (empty for a bad row).
std::string CsvLine(const std::vector<std::string>& cells, std::size_t columns, const ScenarioResult* result,
                    const std::string& note, char sep)
{
    std::string out;
    for (std::size_t i = 0; i < columns; ++i) {
        out += CsvField(i < cells.size() ? cells[i] : std::string(), sep);
        out += sep;
    }
    if (result) {
        for (float v :
             {result->centralFetch, result->effectiveFetch, result->heightM, result->heightFt, result->period})
            out += CsvNumber(v) + sep;
        out += result->pointInWater ? "true" : "false";
    } else {
        out += std::string(5, sep);
    }
    return out + sep + CsvField(note, sep) + "\n";
}

std::string JsonCase(int row, const ScenarioResult* r, const std::string& note)
{
    std::string out = Format("{\"Row\": %d", row);
    if (r) {
        out += ", \"WindDirection\": " + json::Number(r->windDirection) +
               ", \"WindVelocity\": " + json::Number(r->windVelocity) +
               ", \"SectorAngle\": " + json::Number(r->sectorAngle) + ", \"Depth\": " + json::Number(r->depth) +
               ", \"PointX\": " + json::Number(r->pointX) + ", \"PointY\": " + json::Number(r->pointY) +
               ", \"CentralFetch\": " + json::Number(r->centralFetch) +
               ", \"EffectiveFetch\": " + json::Number(r->effectiveFetch) +
               ", \"HeightM\": " + json::Number(r->heightM) + ", \"HeightFt\": " + json::Number(r->heightFt) +
               ", \"Period\": " + json::Number(r->period) +
               ", \"PointInWater\": " + (r->pointInWater ? "true" : "false");
    }
    return out + ", \"Note\": " + json::String(note) + "}";
}

int RunScenarios(const Args& args)
{
    Args files;
    bool asJson = false;
    GrowthArgs growthArgs;
    const ParsedOptions parsed = ParseOptions(args, {{"--json"}, kGrowthOption, kDurationOption});
    std::string error = parsed.error;
    if (error.empty())
        ReadGrowthOptions(parsed, growthArgs, error);
    if (!error.empty())
        return UsageError("scenarios", error);
    files = parsed.words;
    asJson = parsed.Has("--json");
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("scenarios", files, 2, rec); code != kExitOk)
        return code;
    const std::string& casesPath = files[1];
    if (!FileExists(casesPath)) {
        std::fprintf(stderr, "orvane-cli: no such cases file: %s\n", TerminalText(casesPath, true).c_str());
        return kExitUsage;
    }
    std::string text;
    if (const Outcome read = ReadInputText(casesPath, kMaxInputFileBytes, "cases file", text); !read)
        return ExitOnFailure(read);
    const ScenarioCsv csv = ParseScenarioCsv(text, CliBearings(files[0], rec));
    if (!csv.error.empty()) {
        std::fprintf(stderr, "orvane-cli: %s: %s\n", TerminalText(casesPath, true).c_str(),
                     TerminalText(csv.error, true).c_str());
        return kExitFailure;
    }

    std::vector<ScenarioCase> cases;
    for (const ScenarioCsvRow& row : csv.rows) {
        if (row.scenario)
            cases.push_back(*row.scenario);
    }
    const std::vector<ScenarioResult> results = ScenarioRun(rec, cases, ResolveGrowth(files[0], growthArgs));

    // The output is always comma-separated, whatever the input used.
    const char sep = ',';
    std::string out;
    if (asJson) {
        out = "{\n  \"Cases\": [";
    } else {
        for (const std::string& name : csv.header)
            out += CsvField(name, sep) + sep;
        for (std::size_t c = 0; c < std::size(kResultColumns); ++c)
            out += std::string(kResultColumns[c]) + (c + 1 < std::size(kResultColumns) ? sep : '\n');
    }
    bool anyBad = false;
    std::size_t next = 0;  // the result of the next good row
    for (std::size_t i = 0; i < csv.rows.size(); ++i) {
        const ScenarioCsvRow& row = csv.rows[i];
        const ScenarioResult* shown = row.scenario ? &results[next++] : nullptr;
        const std::string& note = shown ? shown->note : row.error;
        if (!shown) {
            anyBad = true;
            std::fprintf(stderr, "orvane-cli: %s row %d: %s\n", casesPath.c_str(), row.row, row.error.c_str());
        }
        if (asJson)
            out += (i > 0 ? ",\n    " : "\n    ") + JsonCase(row.row, shown, note);
        else
            out += CsvLine(row.cells, csv.header.size(), shown, note, sep);
    }
    if (asJson)
        out += csv.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    std::fputs(out.c_str(), stdout);
    return anyBad ? kExitFailure : kExitOk;
}

const bool registered = RegisterCommand(
    {"scenarios", "FILE.WDT CASES.csv [--json] [--growth LAW] [--duration-h H]",
     "Run wind cases (CSV columns direction or bearing, speed; optional sector, depth, x, y) on the project: fetch, "
     "Hs and Ts per case.",
     23, RunScenarios});

}  // namespace
}  // namespace orvane::cli
