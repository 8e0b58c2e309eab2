#pragma once
// The sequential hindcast of a wind record: the sea at the project's point,
// row after row, from the winds measured at a station.
//
// Fetch: the fetch and the effective fetch of every whole degree of wind
// direction are measured once, over the project's region from its point
// (the effective fetch is the |cos|-weighted mean over the project's wind
// sector centred on that degree, as the effective-fetch method takes it).
// A row's direction is rounded to the nearest degree; its waves grow over
// that degree's effective fetch, in the project's depth.
//
// Wind: each observed speed goes through the project's wind settings
// (anemometer height, averaging time, exposure, temperature difference;
// core/WindAdjust.h) to the one-hour 10 m over-water wind U10. A U10 below
// the calm threshold (default 1 m/s) is a calm: no waves, and the sea
// starts again from nothing.
//
// Duration: the equivalent-duration method. A row's wind blows for its
// duration, the time to the next row (at most kMaxRowHours; the last row
// takes its predecessor's step). The sea already present is turned into the
// time the row's wind would need to raise it from nothing; the row's
// duration is added, and the wave of that total duration, never more than
// the fetch-limited wave of the row's wind, is the row's sea at the end of
// its duration. A sea higher than the new wind's fetch-limited wave falls to
// that wave. The sea starts again after a calm, a wind shift of more than
// the shift angle (default 45 degrees) from the row before, or a gap in the
// record longer than kMaxRowHours.
//
// Growth laws as core/GrowthLaws.h; the fetch-limited wave of a row is
// exactly Grow's, and a steady wind gives Grow's duration-limited wave of
// its whole duration.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"
#include "core/WindAdjust.h"
#include "core/WindRecord.h"

namespace orvane {

inline constexpr double kMaxRowHours = 6.0;

// The climate settings of the companion file's "climate" section.
struct ClimateSettings {
    std::optional<GrowthLaw> law;      // the project's significant-wave method when empty
    int sectors = 16;                  // direction sectors of the tables: 8, 12, 16 or 36
    std::optional<double> thresholdM;  // storm-peak threshold, m; about 3 peaks a year when empty
    double shiftDeg = 45.0;            // a larger wind shift starts the sea again, degrees
    double calmMs = 1.0;               // U10 below this is a calm, m/s
    double classWidthM = 0.25;         // Hs classes of the occurrence table, m

    bool operator==(const ClimateSettings&) const = default;
};
bool ValidSectorCount(int sectors);

// What limited a row's sea.
enum class SeaLimit : std::uint8_t { Calm, NoFetch, Fetch, Duration, FullyDeveloped, Depth };
// "calm", "no-fetch", "fetch", "duration", "fully-developed", "depth".
std::string SeaLimitName(SeaLimit limit);

struct HindcastRow {
    std::int64_t timeS = 0;  // seconds since 1970 UTC
    float hours = 0.0f;      // the row's duration, h (its weight in every statistic)
    float u10Ms = 0.0f;      // adjusted wind, m/s
    float directionDeg = 0;  // the project's convention, whole degrees
    float fetchM = 0.0f;     // effective fetch of the direction, m
    float hsM = 0.0f;        // significant height at the end of the row, m
    float tpS = 0.0f;        // its period, s
    SeaLimit limit = SeaLimit::Calm;
};

// The fetches of the 360 whole degrees, m.
struct DegreeFetches {
    std::vector<float> centralM;    // along the direction
    std::vector<float> effectiveM;  // over the project's sector around it
};
DegreeFetches MeasureDegreeFetches(const ProjectRecord& rec);

struct HindcastInput {
    const ProjectRecord* project = nullptr;
    WindObservation wind;  // speed, unit and duration are set per row; the rest is the station's
    GrowthLaw law = GrowthLaw::Bretschneider;
    double shiftDeg = 45.0;
    double calmMs = 1.0;
};

// The wind settings and law that a project's companion settings and the
// climate settings give.
HindcastInput MakeHindcastInput(const ProjectRecord& rec, const WindObservation& station,
                                const ClimateSettings& settings);

// Called now and then with the share done (0..1); returning false cancels.
using Progress = std::function<bool(double)>;

struct Hindcast {
    std::vector<HindcastRow> rows;
    bool cancelled = false;
    GrowthLaw law = GrowthLaw::Bretschneider;
    double depthM = 0.0;
};

Hindcast RunHindcast(const HindcastInput& input, const std::vector<WindRow>& winds, const DegreeFetches& fetches,
                     const Progress& progress = {});

// The duration-limited growth of one law at one wind and depth in closed
// form: height and period of a fetch, the fetch of a height, the minimum
// duration of a fetch and the equivalent fetch of a duration (each the
// inverse of the other). Lengths in m, durations in s.
class GrowthCurve {
public:
    GrowthCurve(GrowthLaw law, double u10Ms, double depthM);
    double Height(double fetchM) const;
    double Period(double fetchM) const;
    // The smallest fetch that raises heightM; infinite when the law never
    // raises it at this wind and depth.
    double FetchOfHeight(double heightM) const;
    double Duration(double fetchM) const;
    double FetchOfDuration(double durationS) const;

private:
    double Dimensionless(double fetchM) const { return g_ * fetchM / (v_ * v_); }
    double Metres(double x) const { return x * v_ * v_ / g_; }
    GrowthLaw law_;
    double g_ = 9.81;
    double v_ = 0.0;            // the law's speed scale: u*, U_A or U10 (in m/s)
    double a_ = 1.0, b_ = 1.0;  // depth factors of the finite-depth laws
};

// The fetch X whose SMB minimum duration is the dimensionless duration t,
// by the curve's closed-form inverse (SmbEquivalentFetch finds it by halving).
double SmbEquivalentFetchClosed(double t);

}  // namespace orvane
