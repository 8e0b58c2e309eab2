// orvane-cli growth --law LAW --u10 U --fetch-m X [--depth-m D]
// [--duration-h H] [--json]: the wave of one growth law for one wind and
// fetch, and what limits it.

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/GrowthArgs.h"
#include "cli/JsonText.h"
#include "cli/Options.h"
#include "core/Format.h"
#include "core/GrowthLaws.h"
#include "core/NumberText.h"

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "growth";

std::string ResultJson(GrowthLaw law, const GrowthResult& r)
{
    std::string out = "{\n  \"Law\": " + json::String(GrowthLawName(law)) + ",\n";
    out += "  \"Hm0\": " + json::Number(r.hm0M) + ",\n";
    out += "  \"Tp\": " + json::Number(r.tpS) + ",\n";
    out += "  \"Limited\": " + json::String(GrowthLimitName(r.limited)) + ",\n";
    out += "  \"MinimumDurationH\": " + json::Number(r.minimumDurationS / 3600.0) + ",\n";
    out += "  \"EquivalentFetchM\": " + (r.equivalentFetchM ? json::Number(*r.equivalentFetchM) : "null") + "\n}\n";
    return out;
}

std::string ResultText(GrowthLaw law, const GrowthResult& r)
{
    std::string out = Format("law               %s (%s)\n", GrowthLawName(law), GrowthLawTitle(law));
    out += Format("Hm0               %.3f m\n", r.hm0M);
    out += Format("Tp                %.2f s\n", r.tpS);
    out += Format("limited by        %s\n", GrowthLimitName(r.limited));
    out += Format("minimum duration  %.2f h\n", r.minimumDurationS / 3600.0);
    if (r.equivalentFetchM)
        out += std::isfinite(*r.equivalentFetchM) ? Format("equivalent fetch  %.1f m\n", *r.equivalentFetchM)
                                                  : std::string("equivalent fetch  unlimited\n");
    return out;
}

int RunGrowth(const Args& args)
{
    std::optional<GrowthLaw> law;
    GrowthInput in;
    const ParsedOptions parsed = ParseOptions(args, {{"--json"},
                                                     {"--law", true},
                                                     {"--u10", true},
                                                     {"--fetch-m", true},
                                                     {"--depth-m", true},
                                                     {"--duration-h", true}});
    std::string error = parsed.error;
    if (error.empty() && !parsed.words.empty())
        error = "unknown argument " + parsed.words.front();
    // A number option given: its value read into out, or error says why not.
    auto number = [&parsed, &error](std::string_view name, double& out, const char* what) {
        const std::string* value = parsed.Value(name);
        if (value != nullptr && error.empty() && !(ParseReal(*value, out) && std::isfinite(out) && out >= 0.0))
            error = std::string(name) + " needs " + what + ", not '" + *value + "'";
        return value != nullptr;
    };
    if (const std::string* name = parsed.Value("--law"); name != nullptr && error.empty()) {
        law = GrowthLawFromName(*name);
        if (!law)
            error = "--law takes one of " + GrowthLawNames(false) + ", not '" + *name + "'";
    }
    const bool windGiven = number("--u10", in.u10Ms, "a wind speed in m/s");
    const bool fetchGiven = number("--fetch-m", in.fetchM, "a fetch in metres");
    const bool depthGiven = number("--depth-m", in.depthM, "a depth in metres");
    if (double hours = 0.0; number("--duration-h", hours, "a duration in hours")) {
        if (error.empty() && !(hours > 0.0))
            error = "--duration-h needs a positive number of hours";
        in.durationS = hours * 3600.0;
    }
    if (!error.empty())
        return UsageError(kName, error);
    const bool json = parsed.Has("--json");
    if (!law || !windGiven || !fetchGiven)
        return UsageError(kName, "growth needs --law, --u10 and --fetch-m");
    if (GrowthLawUsesDepth(*law) && !(depthGiven && in.depthM > 0.0))
        return UsageError(kName, "the law " + GrowthLawName(*law) + " needs a positive --depth-m");
    if (!depthGiven)
        in.depthM = 0.0;

    const GrowthResult result = Grow(*law, in);
    std::fputs((json ? ResultJson(*law, result) : ResultText(*law, result)).c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName, "--law LAW --u10 U --fetch-m X [--depth-m D] [--duration-h H] [--json]",
     "The wave of a growth law (cem, spm84, spm84-shallow, young-verhagen, bretschneider, bretschneider-depth, "
     "wilson) for a 10 m wind U (m/s) over a fetch X (m): Hm0, Tp, what limits it, the minimum duration and the "
     "duration's equivalent fetch.",
     25, RunGrowth});

}  // namespace
}  // namespace orvane::cli
