#include "core/WindAdjust.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <utility>

#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/ProjectRecord.h"

namespace orvane {

namespace {

std::string Lower(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c != ' ')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Metres per second in one unit: exact by definition (1 knot = 1852 m/h,
// 1 ft = 0.3048 m, 1 mile = 1609.344 m).
double MetresPerSecondPer(SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::MetresPerSecond: return 1.0;
    case SpeedUnit::KilometresPerHour: return 1000.0 / 3600.0;
    case SpeedUnit::MilesPerHour: return 1609.344 / 3600.0;
    case SpeedUnit::Knots: return 1852.0 / 3600.0;
    case SpeedUnit::FeetPerSecond: return 0.3048;
    }
    return 1.0;
}

using Point = std::pair<double, double>;

// Linear between the points (ascending in x), held at the ends.
template <std::size_t N> double Interpolate(const std::array<Point, N>& curve, double x)
{
    if (x <= curve.front().first)
        return curve.front().second;
    if (x >= curve.back().first)
        return curve.back().second;
    for (std::size_t i = 1; i < N; ++i) {
        if (x <= curve[i].first) {
            const auto [x0, y0] = curve[i - 1];
            const auto [x1, y1] = curve[i];
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        }
    }
    return curve.back().second;
}

// R_L against the over-land speed U_L (m/s), read off CEM Figure II-2-7
// (Resio and Vincent 1977; SPM 1984 Fig. 3-15) at whole metres per second:
// light land winds gain most over the smoother water, and from 18.5 m/s on
// the ratio stays at 0.9.
constexpr std::array<Point, 18> kOverLandCurve {{{2.0, 1.55},
                                                 {3.0, 1.49},
                                                 {4.0, 1.43},
                                                 {5.0, 1.37},
                                                 {6.0, 1.31},
                                                 {7.0, 1.26},
                                                 {8.0, 1.21},
                                                 {9.0, 1.17},
                                                 {10.0, 1.13},
                                                 {11.0, 1.09},
                                                 {12.0, 1.06},
                                                 {13.0, 1.03},
                                                 {14.0, 1.00},
                                                 {15.0, 0.98},
                                                 {16.0, 0.95},
                                                 {17.0, 0.93},
                                                 {18.0, 0.91},
                                                 {18.5, 0.90}}};

// R_T against air minus sea temperature (degrees C), read off CEM Figure
// II-2-8 (Resio and Vincent 1977; SPM 1984 Fig. 3-14): an unstable layer
// (air colder than the water) carries more of the wind down to the water.
constexpr std::array<Point, 13> kStabilityCurve {{{-20.0, 1.27},
                                                  {-15.0, 1.24},
                                                  {-10.0, 1.20},
                                                  {-5.0, 1.15},
                                                  {-2.0, 1.10},
                                                  {-1.0, 1.06},
                                                  {0.0, 1.00},
                                                  {1.0, 0.95},
                                                  {2.0, 0.90},
                                                  {5.0, 0.85},
                                                  {10.0, 0.81},
                                                  {15.0, 0.78},
                                                  {20.0, 0.76}}};

constexpr double kShortestAveragingS = 1.0;
constexpr double kLongestAveragingS = 36000.0;

void NoteAveraging(std::vector<std::string>& notes, const char* what, double seconds)
{
    if (seconds < kShortestAveragingS || seconds > kLongestAveragingS)
        notes.push_back(Format("%s of %g s is outside the gust-factor curve (1 to 36000 s): taken at %g s", what,
                               seconds, std::clamp(seconds, kShortestAveragingS, kLongestAveragingS)));
}

bool PositiveFinite(double v) { return std::isfinite(v) && v > 0.0; }

}  // namespace

std::string SpeedUnitName(SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::MetresPerSecond: return "m/s";
    case SpeedUnit::KilometresPerHour: return "km/h";
    case SpeedUnit::MilesPerHour: return "mph";
    case SpeedUnit::Knots: return "knots";
    case SpeedUnit::FeetPerSecond: return "ft/s";
    }
    return "?";
}

std::optional<SpeedUnit> SpeedUnitFromName(std::string_view name)
{
    static const std::array<std::pair<std::string_view, SpeedUnit>, 15> kNames {{
        {"m/s", SpeedUnit::MetresPerSecond},
        {"m/sec", SpeedUnit::MetresPerSecond},
        {"ms", SpeedUnit::MetresPerSecond},
        {"km/h", SpeedUnit::KilometresPerHour},
        {"km/hr", SpeedUnit::KilometresPerHour},
        {"kmh", SpeedUnit::KilometresPerHour},
        {"mph", SpeedUnit::MilesPerHour},
        {"m.p.h.", SpeedUnit::MilesPerHour},
        {"mi/h", SpeedUnit::MilesPerHour},
        {"knots", SpeedUnit::Knots},
        {"knot", SpeedUnit::Knots},
        {"kn", SpeedUnit::Knots},
        {"kt", SpeedUnit::Knots},
        {"ft/s", SpeedUnit::FeetPerSecond},
        {"ft/sec", SpeedUnit::FeetPerSecond},
    }};
    const std::string key = Lower(name);
    for (const auto& [text, unit] : kNames) {
        if (text == key)
            return unit;
    }
    return std::nullopt;
}

double SpeedToMetresPerSecond(double speed, SpeedUnit unit) { return speed * MetresPerSecondPer(unit); }

double SpeedFromMetresPerSecond(double speedMs, SpeedUnit unit) { return speedMs / MetresPerSecondPer(unit); }

std::string ExposureName(Exposure exposure)
{
    switch (exposure) {
    case Exposure::OverWater: return "water";
    case Exposure::AtShore: return "shore";
    case Exposure::OverLand: return "land";
    }
    return "?";
}

std::optional<Exposure> ExposureFromName(std::string_view name)
{
    const std::string key = Lower(name);
    for (Exposure e : {Exposure::OverWater, Exposure::AtShore, Exposure::OverLand}) {
        if (ExposureName(e) == key)
            return e;
    }
    return std::nullopt;
}

double GustFactor(double averagingS)
{
    const double t = std::clamp(averagingS, kShortestAveragingS, kLongestAveragingS);
    if (t < kOneHourS)
        return 1.277 + 0.296 * std::tanh(0.9 * std::log10(45.0 / t));
    return 1.5334 - 0.15 * std::log10(t);
}

double OverLandRatio(double overLandMs) { return Interpolate(kOverLandCurve, overLandMs); }

double StabilityRatio(double airMinusWaterC) { return Interpolate(kStabilityCurve, airMinusWaterC); }

double ProjectVelocityFromMetresPerSecond(double speedMs, int velocityUnits)
{
    // The engine's ft/s per unit, read at 1000 units, well above its 1 ft/s floor.
    constexpr float kProbe = 1000.0f;
    ProjectRecord rec {};
    rec.VelocityUnits = velocityUnits;
    rec.WindVelocity = kProbe;
    const double feetPerSecondPerUnit = static_cast<double>(WindSpeedFeet(rec)) / kProbe;
    return speedMs * kFeetPerMetre / feetPerSecondPerUnit;
}

double DragCoefficient(double u10Ms) { return 0.001 * (1.1 + 0.035 * u10Ms); }

double FrictionVelocity(double u10Ms) { return u10Ms * std::sqrt(DragCoefficient(u10Ms)); }

double AdjustedSpeedUA(double u10Ms) { return 0.71 * std::pow(u10Ms, 1.23); }

WindChain AdjustWind(const WindObservation& obs)
{
    WindChain chain;
    const double observedMs = SpeedToMetresPerSecond(obs.speed, obs.unit);
    if (!PositiveFinite(observedMs) || !PositiveFinite(obs.heightM) || !PositiveFinite(obs.averagingS) ||
        !PositiveFinite(obs.durationS) || (obs.airMinusWaterC && !std::isfinite(*obs.airMinusWaterC))) {
        chain.notes.emplace_back("the speed, height, averaging time and duration must be positive numbers");
        chain.heightRatio = chain.observedGust = chain.RL = chain.RT = chain.durationGust = 0.0;
        return chain;
    }
    chain.observedMs = observedMs;

    if (obs.heightM > kMaxPowerLawHeightM)
        chain.notes.push_back(Format("a height of %g m is above the range of the 1/7 power law (up to 20 m): "
                                     "the speed at 10 m is rough",
                                     obs.heightM));
    chain.heightRatio = std::pow(kReferenceHeightM / obs.heightM, 1.0 / 7.0);
    chain.atTenMetresMs = observedMs * chain.heightRatio;

    NoteAveraging(chain.notes, "an averaging time", obs.averagingS);
    chain.observedGust = GustFactor(obs.averagingS);
    chain.oneHourMs = chain.atTenMetresMs / chain.observedGust;

    // The land curve is read with the one-hour land wind at 10 m.
    chain.RL = obs.exposure == Exposure::OverLand ? OverLandRatio(chain.oneHourMs) : 1.0;
    chain.RT = obs.airMinusWaterC ? StabilityRatio(*obs.airMinusWaterC) : kUnknownStabilityRatio;
    if (obs.airMinusWaterC && std::fabs(*obs.airMinusWaterC) > 20.0)
        chain.notes.push_back(Format("a temperature difference of %g C is outside the stability curve (-20 to "
                                     "+20 C): taken at its end",
                                     *obs.airMinusWaterC));
    chain.oneHourWaterMs = chain.oneHourMs * chain.RL * chain.RT;

    NoteAveraging(chain.notes, "a duration", obs.durationS);
    chain.durationGust = GustFactor(obs.durationS);
    chain.U10 = chain.oneHourWaterMs * chain.durationGust;
    chain.CD = DragCoefficient(chain.U10);
    chain.uStarMs = FrictionVelocity(chain.U10);
    chain.UAMs = AdjustedSpeedUA(chain.U10);
    return chain;
}

}  // namespace orvane
