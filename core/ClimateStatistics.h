#pragma once
// Statistics of a hindcast series: how often each height comes from each
// direction, how often a height is exceeded, the months and years, and how
// long the sea stays above a level. Every statistic weighs a row by its
// duration (hours), so an irregular record counts its time, not its lines.
// Pure functions over spans of the series' columns.

#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// The sector of a compass bearing among `sectors` equal ones, sector 0
// centred on north: [0, sectors).
int SectorOf(double bearingDeg, int sectors);
// Centre bearing of sector k, degrees.
double SectorCentre(int k, int sectors);
// "N", "NNE", ... for 16 sectors, "N", "NE", ... for 8, else the centre
// bearing as three digits ("030").
std::string SectorName(int k, int sectors);

struct OccurrenceTable {
    int sectors = 16;
    double classWidthM = 0.25;
    // counts[c][s], hours[c][s]: rows with waves in height class c
    // ([c w, (c + 1) w)) from sector s.
    std::vector<std::vector<std::size_t>> counts;
    std::vector<std::vector<double>> hours;
    std::size_t calmCount = 0;  // rows without waves (calm, no fetch)
    double calmHours = 0.0;
    double totalHours = 0.0;

    int Classes() const { return static_cast<int>(counts.size()); }
    // Per mille of the record's time.
    double PerMille(int c, int s) const;
    double CalmPerMille() const;
};

// hs in m, bearings in degrees (from, clockwise from north), hours per row.
OccurrenceTable MakeOccurrenceTable(std::span<const float> hs, std::span<const float> bearingDeg,
                                    std::span<const float> hours, int sectors, double classWidthM);

struct ExceedancePoint {
    double heightM;
    double percent;  // of the record's time with Hs above heightM
};
// At 0, w, 2w, ... up to the largest height.
std::vector<ExceedancePoint> Exceedance(std::span<const float> hs, std::span<const float> hours, double stepM);

struct PeriodStat {
    int key = 0;       // month 1..12 or the year
    double meanM = 0;  // time-weighted mean Hs, calms included
    double maxM = 0;
    double hours = 0;  // time of the record in it
};
// Calendar months (all years together) and years, from UTC times.
std::vector<PeriodStat> MonthlyStats(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                     std::span<const float> hours);
std::vector<PeriodStat> AnnualStats(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                    std::span<const float> hours);

struct Persistence {
    double levelM = 0;
    std::size_t spells = 0;  // unbroken runs of Hs above the level
    double meanHours = 0;    // their mean length
    double longestHours = 0;
    double totalHours = 0;
};
// A spell is broken by a row at or below the level, or by a gap in the
// times longer than maxGapHours.
std::vector<Persistence> PersistenceAbove(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                          std::span<const float> hours, std::span<const double> levelsM,
                                          double maxGapHours);

// Least squares of ln Tp on ln Hs over the rows with both positive:
// Tp = a Hs^b. a = b = 0 with fewer than two distinct heights.
struct PowerLaw {
    double a = 0;
    double b = 0;
    double operator()(double hs) const { return a > 0 ? a * std::pow(hs, b) : 0.0; }
};
PowerLaw FitPeriodOfHeight(std::span<const float> hs, std::span<const float> tp);

}  // namespace orvane
