#pragma once
// From a wind as it was observed (a speed in some unit, at some height,
// averaged over some time, over land, at the shore or over water, with or
// without the air-minus-water temperature difference) to the wind the wave
// growth laws need: the speed at 10 m over water, averaged over the storm's
// duration. Every step is returned, so that a window can show the chain.
//
// The steps and their sources:
//  1. Height: U10 = Uz (10/z)^(1/7), the "1/7 rule" (Coastal Engineering
//     Manual, USACE 2002, EM 1110-2-1100 Part II-2, Eq. II-2-9). The manual
//     gives it for near-neutral winds near 10 m; it is used here up to
//     z = 20 m, and a height outside 0..20 m is named in the notes.
//  2. Averaging time to one hour: the gust-factor curve of the same chapter
//     (Figure II-2-1, after Fig. 3-12 of the Shore Protection Manual 1984):
//       U_t/U_3600 = 1.277 + 0.296 tanh(0.9 log10(45/t))   for 1 < t < 3600 s
//       U_t/U_3600 = 1.5334 - 0.15 log10(t)                for 3600 <= t < 36000 s
//     Times outside 1..36000 s are taken at the nearer end, with a note.
//  3. Over land to over water: U_W = R_L U_L, R_L from the curve of
//     Figure II-2-7 (after Resio and Vincent 1977), digitised in
//     OverLandRatio. At the shore the wind is taken as over water (an
//     onshore wind measured at the shoreline has crossed the water).
//  4. Air-sea stability: U = R_T U_W, R_T from Figure II-2-8 (after Resio and
//     Vincent 1977), digitised in StabilityRatio; 1.1 when the temperature
//     difference is unknown, as the manual advises.
//  5. One hour to the storm's duration: the curve of step 2 again.
//  6. For the growth laws: the drag coefficient C_D = 0.001 (1.1 + 0.035 U10)
//     and the friction velocity u* = U10 sqrt(C_D) (CEM Eq. II-2-36, after
//     Hsu 1986 / Wu 1980), and the adjusted speed of the Shore Protection
//     Manual 1984, U_A = 0.71 U10^1.23 (SPM 1984 Eq. 3-28a, U in m/s).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class SpeedUnit { MetresPerSecond, KilometresPerHour, MilesPerHour, Knots, FeetPerSecond };

// "m/s", "km/h", "mph", "knots", "ft/s"; SpeedUnitFromName also takes
// "m/sec", "kmh", "km/hr", "kn", "kt", "ft/sec" in any letter case.
std::string SpeedUnitName(SpeedUnit unit);
std::optional<SpeedUnit> SpeedUnitFromName(std::string_view name);
double SpeedToMetresPerSecond(double speed, SpeedUnit unit);
double SpeedFromMetresPerSecond(double speedMs, SpeedUnit unit);

enum class Exposure { OverWater, AtShore, OverLand };

// "water", "shore", "land".
std::string ExposureName(Exposure exposure);
std::optional<Exposure> ExposureFromName(std::string_view name);

inline constexpr double kReferenceHeightM = 10.0;
inline constexpr double kMaxPowerLawHeightM = 20.0;
inline constexpr double kOneHourS = 3600.0;
inline constexpr double kUnknownStabilityRatio = 1.1;

struct WindObservation {
    double speed = 0.0;  // in unit
    SpeedUnit unit = SpeedUnit::MetresPerSecond;
    double heightM = kReferenceHeightM;  // anemometer height above the ground or water, m
    double averagingS = kOneHourS;       // averaging time of the observed speed, s
    Exposure exposure = Exposure::OverWater;
    std::optional<double> airMinusWaterC;  // air minus water temperature, degrees C; unknown when empty
    double durationS = kOneHourS;          // averaging time wanted: the storm's duration, s
};

struct WindChain {
    double observedMs = 0.0;         // the observed speed, m/s
    double heightRatio = 1.0;        // (10/z)^(1/7)
    double atTenMetresMs = 0.0;      // at 10 m, still of the observed averaging time, m/s
    double observedGust = 1.0;       // U_t/U_3600 for the observed averaging time
    double oneHourMs = 0.0;          // at 10 m, one-hour mean, observed exposure, m/s
    double RL = 1.0;                 // over-water / over-land ratio (1 over water and at the shore)
    double RT = 1.0;                 // stability ratio
    double oneHourWaterMs = 0.0;     // U10OneHour: at 10 m, one-hour mean, over water, m/s
    double durationGust = 1.0;       // U_t/U_3600 for the wanted duration
    double U10 = 0.0;                // at 10 m over water, averaged over the duration, m/s
    double CD = 0.0;                 // drag coefficient of U10
    double uStarMs = 0.0;            // friction velocity u*, m/s
    double UAMs = 0.0;               // SPM 1984 adjusted speed U_A, m/s
    std::vector<std::string> notes;  // values taken outside a curve's range, said in words
};

// The whole chain. A speed, height or time that is not a finite positive
// number gives a chain of zeros and a note saying which.
WindChain AdjustWind(const WindObservation& observation);

// U_t/U_3600 of step 2, t in seconds; clamped to 1..36000 s.
double GustFactor(double averagingS);
// R_L of step 3 for an over-land speed at 10 m (one-hour mean), m/s:
// linear between the digitised points, 0.9 from 18.5 m/s on.
double OverLandRatio(double overLandMs);
// R_T of step 4 for air minus water temperature in degrees C: linear
// between the digitised points, held at the ends (-20 and +20 C).
double StabilityRatio(double airMinusWaterC);

// A speed in m/s in a project's velocity unit (VelocityUnits code), by the
// engine's own factors, so that the project computes with this very speed.
// NaN for an unknown code.
double ProjectVelocityFromMetresPerSecond(double speedMs, int velocityUnits);

// C_D, u* and U_A of step 6 for a 10 m over-water speed in m/s.
double DragCoefficient(double u10Ms);
double FrictionVelocity(double u10Ms);
double AdjustedSpeedUA(double u10Ms);

}  // namespace orvane
