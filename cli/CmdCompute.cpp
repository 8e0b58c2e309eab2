// orvane-cli compute FILE.WDT [--seed N] [--json] [--growth LAW] [--duration-h H]:
// one computation run, as the program shows it for that file.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/Options.h"
#include "cli/UndefinedFields.h"
#include "core/ComputeWaves.h"
#include "core/Directional.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/Random.h"
#include "core/Region.h"
#include "core/SpectralMoments.h"
#include "core/Units.h"

namespace orvane::cli {

namespace {

// Nine significant digits read back to the same float32; JSON has no NaN or
// infinity, so those are null.
std::string JsonNumber(float v)
{
    if (!std::isfinite(v))
        return "null";
    return Format("%.9g", static_cast<double>(v));
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\')
            out += std::string("\\") + ch;
        else if (c < 0x20)
            out += Format("\\u%04x", static_cast<int>(c));
        else
            out += ch;
    }
    return out + "\"";
}

std::string JsonArray(const float* values, int first, int last)
{
    std::string out = "[";
    for (int i = first; i <= last; ++i) {
        if (i > first)
            out += ",";
        out += JsonNumber(values[i]);
    }
    return out + "]";
}

std::string GrowthJson(const GrowthSummary& g)
{
    const GrowthResult& r = g.result;
    std::string out = "{\"Law\": " + JsonString(g.options.law ? GrowthLawName(*g.options.law) : "project") +
                      ", \"LawInEffect\": " + JsonString(GrowthLawName(g.law)) + ", \"DurationH\": " +
                      (g.options.durationH ? JsonNumber(static_cast<float>(*g.options.durationH)) : "null");
    out += ", \"GoverningFetch\": " + JsonNumber(g.governingFetch) +
           ", \"Limited\": " + JsonString(GrowthLimitName(r.limited)) +
           ", \"MinimumDurationH\": " + JsonNumber(static_cast<float>(r.minimumDurationS / 3600.0)) +
           ", \"EquivalentFetchM\": " +
           (r.equivalentFetchM ? JsonNumber(static_cast<float>(*r.equivalentFetchM)) : "null") +
           ", \"Text\": " + JsonString(GrowthLimitText(g)) + "}";
    return out;
}

std::string ResultsJson(const ProjectRecord& rec, const WaveResults& results, const GrowthOptions& growth)
{
    const Sector sector = MakeSector(rec);
    std::string out = "{\n";
    out += "  \"CentralFetch\": " + JsonNumber(WindDirectionFetch(rec)) + ",\n";
    out += std::string("  \"PointInWater\": ") + (PointInWater(rec) ? "true" : "false") + ",\n";
    out += "  \"HeightM\": " + JsonNumber(results.HeightM) + ",\n";
    out += "  \"HeightFt\": " + JsonNumber(results.HeightFt) + ",\n";
    out += "  \"Period\": " + JsonNumber(results.Period) + ",\n";
    out += "  \"TimeStep\": " + JsonNumber(results.TimeStep) + ",\n";
    out += Format("  \"FreqCount\": %d,\n", results.FreqCount);
    out += Format("  \"SampleCount\": %d,\n", results.SampleCount);
    out += "  \"Freq\": " + JsonArray(results.Freq, 1, kSpectrumPoints) + ",\n";
    out += "  \"Density\": " + JsonArray(results.Density, 1, kSpectrumPoints) + ",\n";
    out += "  \"Elevation\": " + JsonArray(results.Elevation, 1, kElevationSamples) + ",\n";
    out += "  \"EffectiveFetch\": " + JsonNumber(EffectiveFetch(sector)) + ",\n";
    const SpectralMoments m = ComputeSpectralMoments(results.Freq, results.Density, results.FreqCount);
    out += "  \"Moments\": {\"m0\": " + JsonNumber(m.m0) + ", \"m1\": " + JsonNumber(m.m1) +
           ", \"m2\": " + JsonNumber(m.m2) + ", \"Hm0\": " + JsonNumber(m.Hm0) + ", \"Tm01\": " + JsonNumber(m.Tm01) +
           ", \"Tm02\": " + JsonNumber(m.Tm02) + ", \"Tp\": " + JsonNumber(m.Tp) + "},\n";
    out += "  \"Growth\": " + GrowthJson(SummariseGrowth(rec, sector, growth)) + ",\n";
    out += "  \"Directions\": [";
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        out += i > 0 ? ",\n    " : "\n    ";
        out += "{\"deg\": " + JsonNumber(dir.deg) + ", \"fetch_ft\": " + JsonNumber(dir.fetchFt) + "}";
    }
    out += sector.count > 0 ? "\n  ],\n" : "],\n";
    out += "  \"ResultsText\": [";
    std::vector<std::string> lines = ResultsTextLines(rec, results);
    for (const std::string& line : GrowthTextLines(SummariseGrowth(rec, sector, growth)))
        lines.push_back(line);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i > 0 ? ", " : "") + JsonString(lines[i]);
    out += "]\n}\n";
    return out;
}

bool ParseSeed(const std::string& text, std::uint32_t& seed)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, seed);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

int RunCompute(const Args& args)
{
    const ParsedOptions options = ParseOptions(args, {{"--json"}, {"--seed", true}, kGrowthOption, kDurationOption});
    GrowthArgs growthArgs;
    std::string error = options.error;
    if (error.empty())
        ReadGrowthOptions(options, growthArgs, error);
    if (!error.empty())
        return UsageError("compute", error);
    const Args& files = options.words;
    const bool json = options.Has("--json");
    const std::string* seedText = options.Value("--seed");
    const bool seeded = seedText != nullptr;
    std::uint32_t seed = 0;
    if (seeded && !ParseSeed(*seedText, seed))
        return UsageError("compute", "--seed takes a whole number from 0 to 4294967295, not '" + *seedText + "'");

    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("compute", files, 1, rec); code != kExitOk)
        return code;
    // Compute what the main window shows for this file: its method groups
    // take a code above the last item as the last item.
    ClampMethodCodes(rec);

    // The record is computed as stored, whatever it holds; what makes the
    // numbers meaningless is named, and the exit status stays 0.
    for (const std::string& field : UndefinedResultFields(rec))
        std::fprintf(stderr, "orvane-cli: warning: %s: the results are undefined\n", field.c_str());

    const GrowthOptions growth = ResolveGrowth(files[0], growthArgs);
    RandomGenerator random;
    if (seeded)
        random.Seed(seed);
    else
        random.SeedFromClock();
    WaveResults results {};
    ComputeWaves(rec, growth, results, random);
    // The waves are computed all the same, as the program does; the warning
    // keeps a point on an island or outside the shore from passing unnoticed.
    if (!PointInWater(rec))
        std::fputs(Format("orvane-cli: warning: point is not in the water region (x = %.3f, y = %.3f %s)\n", rec.PointX,
                          rec.PointY, CoordUnitName(rec.CoordUnits))
                       .c_str(),
                   stderr);

    if (json) {
        std::fputs(ResultsJson(rec, results, growth).c_str(), stdout);
        return kExitOk;
    }
    std::string out;
    for (const std::string& line : ResultsTextLines(rec, results))
        out += line + "\n";
    for (const std::string& line : GrowthTextLines(SummariseGrowth(rec, MakeSector(rec), growth)))
        out += line + "\n";
    out += Format("Fetch along the wind direction (%.2f deg): %.3f %s\n", rec.WindDirection, WindDirectionFetch(rec),
                  CoordUnitName(rec.CoordUnits));
    std::fputs(out.c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {"compute", "FILE.WDT [--seed N] [--json] [--growth LAW] [--duration-h H]",
     "Compute the waves and print the results text and the fetch along the wind direction "
     "(--json: every result as one JSON object; --seed: a reproducible surface record; --growth, --duration-h: "
     "a growth law and storm duration in place of the companion file's).",
     20, RunCompute});

}  // namespace
}  // namespace orvane::cli
