// orvane-cli wind --speed V --unit U [--height Z] [--averaging S]
// [--exposure water|shore|land] [--delta-t C] [--duration S] [--json]:
// an observed wind turned, step by step, into the 10 m over-water wind of a
// storm's duration that the growth laws take.

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/JsonText.h"
#include "cli/Options.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/WindAdjust.h"

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "wind";

std::string ChainJson(const WindObservation& obs, const WindChain& c)
{
    std::string out = "{\n";
    auto field = [&](const char* key, double v) { out += Format("  \"%s\": ", key) + json::Number(v) + ",\n"; };
    field("Observed", c.observedMs);
    out += "  \"ObservedUnit\": " + json::String(SpeedUnitName(obs.unit)) + ",\n";
    field("HeightM", obs.heightM);
    field("HeightRatio", c.heightRatio);
    field("AtTenMetres", c.atTenMetresMs);
    field("AveragingS", obs.averagingS);
    field("GustFactorObserved", c.observedGust);
    field("OneHourAtTenMetres", c.oneHourMs);
    out += "  \"Exposure\": " + json::String(ExposureName(obs.exposure)) + ",\n";
    field("RL", c.RL);
    out += "  \"DeltaT\": " + (obs.airMinusWaterC ? json::Number(*obs.airMinusWaterC) : std::string("null")) + ",\n";
    field("RT", c.RT);
    field("U10OneHour", c.oneHourWaterMs);
    field("DurationS", obs.durationS);
    field("GustFactorDuration", c.durationGust);
    field("U10", c.U10);
    field("CD", c.CD);
    field("UStar", c.uStarMs);
    field("UA", c.UAMs);
    out += "  \"Notes\": [";
    for (std::size_t i = 0; i < c.notes.size(); ++i)
        out += (i > 0 ? ", " : "") + json::String(c.notes[i]);
    return out + "]\n}\n";
}

std::string ChainText(const WindObservation& obs, const WindChain& c)
{
    auto line = [](const std::string& label, const std::string& value, const std::string& aside) {
        return Format("%-22s %12s", label, value) + (aside.empty() ? "" : "  (" + aside + ")") + "\n";
    };
    auto ms = [](double v) { return Format("%.3f m/s", v); };
    std::string out;
    out += line("observed", ms(c.observedMs),
                Format("%g %s at %g m, %g s mean, over %s", obs.speed, SpeedUnitName(obs.unit), obs.heightM,
                       obs.averagingS, ExposureName(obs.exposure)));
    out += line("at 10 m", ms(c.atTenMetresMs), Format("x %.4f, 1/7 power law", c.heightRatio));
    out +=
        line("one-hour mean", ms(c.oneHourMs), Format("/ %.4f, gust factor of %g s", c.observedGust, obs.averagingS));
    out += line("over water R_L", Format("%.4f", c.RL), "");
    out += line("stability R_T", Format("%.4f", c.RT),
                obs.airMinusWaterC ? Format("air - water %g C", *obs.airMinusWaterC)
                                   : std::string("temperature difference unknown"));
    out += line("U10 one hour", ms(c.oneHourWaterMs), "over water");
    out += line(Format("U10 of %g s", obs.durationS), ms(c.U10), Format("x %.4f", c.durationGust));
    out += line("drag coefficient CD", Format("%.6f", c.CD), "");
    out += line("friction velocity u*", Format("%.4f m/s", c.uStarMs), "");
    out += line("SPM 1984 U_A", ms(c.UAMs), "");
    return out;
}

bool ReadNumberOption(const std::string& text, double& value) { return ParseReal(text, value) && std::isfinite(value); }

int RunWind(const Args& args)
{
    WindObservation obs;
    const ParsedOptions parsed = ParseOptions(args, {{"--json"},
                                                     {"--speed", true},
                                                     {"--unit", true},
                                                     {"--height", true},
                                                     {"--averaging", true},
                                                     {"--duration", true},
                                                     {"--delta-t", true},
                                                     {"--exposure", true}});
    std::string error = parsed.error;
    if (error.empty() && !parsed.words.empty())
        error = "unknown argument " + parsed.words.front();
    // A number option given: its value read into out, or error says why not.
    auto number = [&parsed, &error](std::string_view name, double& out, const char* what) {
        const std::string* value = parsed.Value(name);
        if (value != nullptr && error.empty() && !ReadNumberOption(*value, out))
            error = std::string(name) + " needs " + what + ", not '" + *value + "'";
        return value != nullptr;
    };
    const bool speedGiven = number("--speed", obs.speed, "a speed");
    number("--height", obs.heightM, "a height in metres");
    number("--averaging", obs.averagingS, "an averaging time in seconds");
    number("--duration", obs.durationS, "a duration in seconds");
    if (double dt = 0.0; number("--delta-t", dt, "the air minus water temperature in degrees C"))
        obs.airMinusWaterC = dt;
    const std::string* unit = parsed.Value("--unit");
    if (unit != nullptr && error.empty()) {
        if (const auto u = SpeedUnitFromName(*unit))
            obs.unit = *u;
        else
            error = "--unit takes m/s, km/h, mph, knots or ft/s, not '" + *unit + "'";
    }
    if (const std::string* exposure = parsed.Value("--exposure"); exposure != nullptr && error.empty()) {
        if (const auto e = ExposureFromName(*exposure))
            obs.exposure = *e;
        else
            error = "--exposure takes water, shore or land, not '" + *exposure + "'";
    }
    if (!error.empty())
        return UsageError(kName, error);
    const bool json = parsed.Has("--json");
    const bool unitGiven = unit != nullptr;
    if (!speedGiven || !unitGiven)
        return UsageError(kName, "wind needs --speed and --unit");
    if (!(obs.speed > 0.0) || !(obs.heightM > 0.0) || !(obs.averagingS > 0.0) || !(obs.durationS > 0.0))
        return UsageError(kName, "the speed, height, averaging time and duration must be positive");

    const WindChain chain = AdjustWind(obs);
    for (const std::string& note : chain.notes)
        std::fprintf(stderr, "orvane-cli: warning: %s\n", note.c_str());
    std::fputs((json ? ChainJson(obs, chain) : ChainText(obs, chain)).c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName,
     "--speed V --unit m/s|km/h|mph|knots|ft/s [--height Z] [--averaging S] [--exposure water|shore|land] "
     "[--delta-t C] [--duration S] [--json]",
     "Turn an observed wind (height Z m, averaged over S s, over water, at the shore or over land, air minus "
     "water temperature C) into the 10 m over-water wind of a storm lasting --duration seconds, step by step.",
     24, RunWind});

}  // namespace
}  // namespace orvane::cli
