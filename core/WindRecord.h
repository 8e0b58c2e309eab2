#pragma once
// A measured wind record: years of (hourly) wind speed and direction at a
// station, read from a CSV file or from the fixed-width hourly "lite" files
// of the public integrated surface data, for the wave climate hindcast.
//
// CSV: a header row names the columns (any letter case, blanks and quotes
// around names ignored), fields separated by commas, semicolons or tabs (the
// header's first separator of these decides):
//   time:      "time", "date" or "datetime": ISO 8601 ("2021-03-04T05:00",
//              seconds, "Z" or a "+hh:mm" offset allowed) or "2021-03-04 05:00";
//              a "date" column and a "time" column are joined.
//   speed:     "speed", "wspd" or "ws"; its unit from a suffix in brackets
//              ("speed (knots)", "wspd [m/s]"), else the unit asked for (m/s
//              when none); any SpeedUnitFromName name.
//   direction: "bearing", "dir" or "wdir": where the wind blows from, degrees
//              clockwise from north (0..360); or "direction": the project's
//              convention, degrees counter-clockwise from +x, as the project's
//              wind direction (see WindDirectionOfBearing).
// ISD-lite: one hour a line, blank-separated integers: year, month, day,
// hour (UTC), air temperature, dew point, pressure, wind direction (degrees
// from north), wind speed (m/s x 10), ...; -9999 is missing. A calm is
// direction 0 with speed 0.
//
// Rows are checked as they come and skipped, each counted under its reason:
// no readable time, a speed that is missing, not a number or negative, a
// direction that is missing (with a wind blowing) or outside 0..360, a time
// not after the one before (earlier: out of order; the same: repeated). The
// file is read in pieces (memory grows with the rows kept only) and must be
// a regular file of at most kMaxWindRecordBytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "core/WindAdjust.h"

namespace orvane {

// 2 GB: fifty years of hourly rows with every column a station writes.
inline constexpr std::size_t kMaxWindRecordBytes = 2'000'000'000;

// The one conversion between compass bearings and the project's wind
// direction. A wind direction d (degrees counter-clockwise from the grid's
// +x axis) blows from the grid bearing 90 - d. convergenceDeg is the bearing
// of grid north measured clockwise from true north at the site: bearings
// read and shown are then true bearings (true = grid + convergence); 0
// means the bearings are grid bearings. Results in [0, 360).
double WindDirectionOfBearing(double bearingDeg, double convergenceDeg = 0.0);
double BearingOfWindDirection(double windDirectionDeg, double convergenceDeg = 0.0);

enum class WindFileFormat { Auto, Csv, IsdLite };
// "csv", "isd-lite".
std::optional<WindFileFormat> WindFileFormatFromName(std::string_view name);
std::string WindFileFormatName(WindFileFormat format);

struct WindRow {
    std::int64_t timeS = 0;     // seconds since 1970-01-01 00:00 UTC
    float speedMs = 0.0f;       // as observed, converted to m/s
    float directionDeg = 0.0f;  // the project's convention, [0, 360); 0 for a calm without one
};

enum class SkipReason {
    BadTime,
    MissingSpeed,
    BadSpeed,
    NegativeSpeed,
    MissingDirection,
    BadDirection,
    OutOfOrder,
    RepeatedTime,
    ShortLine,
};
inline constexpr std::size_t kSkipReasonCount = 9;
// "time not read", "speed missing", ... for people.
std::string SkipReasonText(SkipReason reason);

struct WindReadOptions {
    WindFileFormat format = WindFileFormat::Auto;
    std::optional<SpeedUnit> unit;  // of a speed column without its own unit suffix
    double convergenceDeg = 0.0;    // see WindDirectionOfBearing
};

struct WindRecord : Outcome {
    std::vector<WindRow> rows;
    std::array<std::size_t, kSkipReasonCount> skipped {};
    WindFileFormat format = WindFileFormat::Csv;  // the one read
    SpeedUnit unit = SpeedUnit::MetresPerSecond;  // of the speed column
    std::vector<std::string> notes;               // the columns used, a unit given twice, ...

    std::size_t Skipped() const;
    // "1200 rows skipped: 1000 speed missing, 200 time repeated"; "" when none.
    std::string SkippedText() const;
};

// Reads a record incrementally: Feed pieces of any size in order, then
// Finish. Memory grows with the rows kept.
class WindRecordReader {
public:
    explicit WindRecordReader(const WindReadOptions& options);
    void Feed(std::string_view piece);
    // The record; a failure when no row could be used (naming the reasons)
    // or the columns are not found.
    WindRecord Finish();

private:
    void Line(std::string_view line);
    void Header(std::string_view line);
    void CsvRow(std::string_view line);
    void IsdRow(std::string_view line);
    void Keep(std::int64_t timeS, double speedMs, double directionDeg);
    void Skip(SkipReason reason) { ++record_.skipped[static_cast<std::size_t>(reason)]; }

    WindReadOptions options_;
    WindRecord record_;
    std::string partial_;  // a line cut by the end of a piece
    bool started_ = false;
    bool columnsFound_ = false;
    char separator_ = ',';
    int timeColumn_ = -1, clockColumn_ = -1, speedColumn_ = -1, bearingColumn_ = -1, directionColumn_ = -1;
    std::size_t columnCount_ = 0;
    double speedFactor_ = 1.0;  // to m/s
    std::string failure_;
};

// The file at path; a failure also for a file that cannot be read, is no
// regular file or is larger than kMaxWindRecordBytes.
WindRecord ReadWindRecord(const std::string& path, const WindReadOptions& options = {});
WindRecord ParseWindRecord(std::string_view text, const WindReadOptions& options = {});

// "2021-03-04T05:00", "2021-03-04 05:00:30", "2021-03-04T05:00Z",
// "2021-03-04T05:00+02:00", "2021-03-04" (midnight) as seconds since 1970
// UTC; empty when it is none of these or no real date.
std::optional<std::int64_t> ParseTimestamp(std::string_view text);
// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
struct CivilDate {
    int year, month, day;
};
CivilDate CivilFromDays(std::int64_t days);
// "2021-03-04 05:00" (UTC).
std::string TimestampText(std::int64_t timeS);

}  // namespace orvane
