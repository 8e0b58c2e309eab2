#pragma once
// The wave climate of a hindcast: the statistics of its series and the
// extremes, omnidirectional and per direction sector, in one result that
// the command line, the window and the report share; and its files
// (series.csv, occurrence.csv, extremes.json) and return-value table.

#include <cstdint>
#include <string>
#include <vector>

#include "core/ClimateHindcast.h"
#include "core/ClimateStatistics.h"
#include "core/Extremes.h"

namespace orvane {

inline constexpr std::size_t kMinPeaksForFit = 10;
inline constexpr std::size_t kMinYearsForAnnualMaxima = 10;
inline constexpr double kMinYearCoverage = 0.5;  // a year with less of its time recorded has no annual maximum
inline constexpr double kPeakSeparationH = 48.0;
inline constexpr double kPeaksPerYear = 3.0;

struct SectorExtremes {
    int sector = -1;     // -1: every direction
    std::string name;    // "all", "N", "NNE", ..., "030"
    double fromDeg = 0;  // bearings covered, clockwise from fromDeg to toDeg
    double toDeg = 360;
    double thresholdM = 0;
    std::vector<StormPeak> peaks;  // above the threshold, in time order
    double peaksPerYear = 0;
    std::vector<GodaFit> goda;  // the five candidates (none when too few peaks)
    std::size_t bestGoda = 0;
    std::vector<std::vector<ReturnValue>> godaReturns;  // per candidate
    MlFit gpd;
    std::vector<ReturnValue> gpdReturns;
    std::vector<AnnualMaximum> annualMaxima;  // the years used
    MlFit gev;
    std::vector<ReturnValue> gevReturns;
    PowerLaw periodOfHeight;          // Tp = a Hs^b of the sector's rows
    std::vector<ReturnValue> design;  // the best least-squares fit's
    std::vector<std::string> warnings;
};

struct ClimateResult {
    ClimateSettings settings;
    double convergenceDeg = 0;  // see WindDirectionOfBearing
    std::uint64_t seed = 1;
    Hindcast hindcast;
    std::vector<float> bearingDeg;  // per row, of its direction
    double years = 0;               // the record's length
    OccurrenceTable occurrence;
    std::vector<ExceedancePoint> exceedance;
    std::vector<PeriodStat> monthly;
    std::vector<PeriodStat> annual;
    std::vector<Persistence> persistence;
    std::vector<SectorExtremes> extremes;  // [0] every direction, then the sectors
    bool cancelled = false;

    bool TrueBearings() const { return convergenceDeg != 0.0; }
};

// Statistics and extremes of a hindcast. progress as RunHindcast's.
ClimateResult AnalyseClimate(Hindcast hindcast, const ClimateSettings& settings, double convergenceDeg,
                             std::uint64_t seed, const Progress& progress = {});

// The whole run: the fetches of rec, the hindcast of the winds observed as
// the station settings say, and its analysis. progress runs from 0 to 1
// over both; a cancelled run says so in `cancelled`.
struct WindSettings;
ClimateResult RunClimate(const ProjectRecord& rec, const WindSettings& station, const ClimateSettings& settings,
                         const std::vector<WindRow>& winds, double convergenceDeg, std::uint64_t seed,
                         const Progress& progress = {});

// time,u10_ms,bearing_grid_deg (bearing_true_deg with a convergence),
// fetch_m,hs_m,tp_s,limited; one line per row.
std::string SeriesCsv(const ClimateResult& result);
// hs_from_m,hs_to_m, then one count and one per-mille column per sector
// (N_count,N_permille,...); a last line "no waves".
std::string OccurrenceCsv(const ClimateResult& result);
// One object per sector ("every direction" first) with the keys Sector,
// Peaks, Threshold, Fits [{Distribution, Method, Parameters, Correlation or
// LogLikelihood, ReturnValues}] and ReturnValues [{Years, Hs, Low, High, Tp}].
std::string ExtremesJson(const ClimateResult& result);
// The design return values per sector as a text table.
std::string ReturnValueTable(const ClimateResult& result);

}  // namespace orvane
