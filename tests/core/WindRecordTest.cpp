// Wind records: the CSV variants and the station format, every fault row
// counted under its reason, reading in pieces, and the bearing conversion.
#include "core/WindRecord.h"

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct CsvCase {
    const char* name;
    const char* text;
    std::int64_t firstTime;  // of the first row kept
    float firstSpeedMs;
    float firstDirection;  // project convention
    std::size_t rows;
};

constexpr std::int64_t k2020 = 1577836800;  // 2020-01-01 00:00 UTC

TEST(WindRecord, ReadsTheCsvVariants)
{
    const CsvCase cases[] = {
        {"commas, bearing from north", "time,speed,bearing\n2020-01-01T00:00,5,0\n2020-01-01T01:00,6,90\n", k2020, 5.0f,
         90.0f, 2},
        {"semicolons, decimal comma, knots suffix, date and time columns",
         "Date;Time;WSPD (knots);Dir\r\n2020-01-01;00:00;10,0;270\r\n", k2020, 5.144444f, 180.0f, 1},
        {"tabs, offset, program direction", "datetime\tws [km/h]\tdirection\n2020-01-01T02:00+02:00\t36\t45\n", k2020,
         10.0f, 45.0f, 1},
        {"quoted header, seconds, Z", "\"time\",\"speed\",\"wdir\"\n2020-01-01 00:00:00Z,1.5,180\n", k2020, 1.5f,
         270.0f, 1},
        {"a calm without a direction is kept", "time,speed,bearing\n2020-01-01T00:00,0,\n", k2020, 0.0f, 0.0f, 1},
    };
    for (const CsvCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WindRecord r = ParseWindRecord(c.text);
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_EQ(r.rows.size(), c.rows);
        EXPECT_EQ(r.rows[0].timeS, c.firstTime);
        EXPECT_NEAR(r.rows[0].speedMs, c.firstSpeedMs, 1e-4);
        EXPECT_NEAR(r.rows[0].directionDeg, c.firstDirection, 1e-9);
    }
}

TEST(WindRecord, CountsEverySkippedRowUnderItsReason)
{
    const WindRecord r = ParseWindRecord("time,speed,bearing\n"
                                         "2020-01-01T00:00,5,10\n"
                                         "2020-01-01T01:00,,10\n"      // speed missing
                                         "2020-01-01T02:00,fast,10\n"  // not a number
                                         "2020-01-01T03:00,-2,10\n"    // negative
                                         "2020-01-01T04:00,3,\n"       // direction missing
                                         "2020-01-01T05:00,3,361\n"    // direction out of range
                                         "2020-02-30T06:00,3,10\n"     // no such date
                                         "2020-01-01T00:00,3,10\n"     // repeated
                                         "2019-12-31T23:00,3,10\n"     // out of order
                                         "2020-01-01T07:00\n"          // too few fields
                                         "2020-01-01T08:00,4,20\n");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.rows.size(), 2u);
    for (SkipReason reason : {SkipReason::MissingSpeed, SkipReason::BadSpeed, SkipReason::NegativeSpeed,
                              SkipReason::MissingDirection, SkipReason::BadDirection, SkipReason::BadTime,
                              SkipReason::RepeatedTime, SkipReason::OutOfOrder, SkipReason::ShortLine})
        EXPECT_EQ(r.skipped[static_cast<std::size_t>(reason)], 1u) << SkipReasonText(reason);
    EXPECT_EQ(r.SkippedText().rfind("9 rows skipped: 1 time not read, 1 speed missing", 0), 0u) << r.SkippedText();
}

TEST(WindRecord, ReadsTheStationFormat)
{
    const WindRecord r = ParseWindRecord("2019 01 01 00    50   -11 10212   250    46     4     0 -9999\n"
                                         "2019 01 01 01    44   -17 10213 -9999 -9999     2 -9999 -9999\n"
                                         "2019 01 01 02    39   -22 10215     0     0     0 -9999 -9999\n"
                                         "2019 01 01 03    39   -22 10215 -9999    12     0 -9999 -9999\n");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.format, WindFileFormat::IsdLite);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0].timeS, 1546300800);
    EXPECT_FLOAT_EQ(r.rows[0].speedMs, 4.6f);
    EXPECT_FLOAT_EQ(r.rows[0].directionDeg, 200.0f);  // from 250 degrees
    EXPECT_FLOAT_EQ(r.rows[1].speedMs, 0.0f);         // the calm
    EXPECT_EQ(r.skipped[static_cast<std::size_t>(SkipReason::MissingSpeed)], 1u);
    EXPECT_EQ(r.skipped[static_cast<std::size_t>(SkipReason::MissingDirection)], 1u);
}

TEST(WindRecord, PiecesOfAnySizeReadAsTheWhole)
{
    const std::string text = "time,speed,bearing\r\n2020-01-01T00:00,5,10\r\n2020-01-01T01:00,7,20\r\nbad\r\n"
                             "2020-01-01T03:00,8,30";  // no final line end
    const WindRecord whole = ParseWindRecord(text);
    for (std::size_t size : {1u, 2u, 5u, 64u}) {
        WindRecordReader reader({});
        for (std::size_t at = 0; at < text.size(); at += size)
            reader.Feed(std::string_view(text).substr(at, size));
        const WindRecord r = reader.Finish();
        ASSERT_EQ(r.rows.size(), 3u) << size;
        EXPECT_EQ(r.rows[2].timeS, whole.rows[2].timeS);
        EXPECT_EQ(r.skipped, whole.skipped);
    }
}

TEST(WindRecord, ARecordWithoutUsableRowsFailsNamingTheReasons)
{
    const WindRecord r = ParseWindRecord("time,speed,bearing\n2020-01-01T00:00,-1,10\n2020-01-01T01:00,,10\n");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("1 speed missing, 1 negative speed"), std::string::npos) << r.message;
    EXPECT_FALSE(ParseWindRecord("when,how\n1,2\n").ok);
    EXPECT_NE(ParseWindRecord("time,speed (furlongs),dir\n").message.find("furlongs"), std::string::npos);
    const WindRecord folder = ReadWindRecord(std::filesystem::temp_directory_path().string());
    EXPECT_FALSE(folder.ok);
    EXPECT_NE(folder.message.find("not a regular file"), std::string::npos) << folder.message;
}

TEST(WindRecord, BearingsAndDirectionsConvertBothWaysWithTheConvergence)
{
    struct {
        double bearing, convergence, direction;
    } const cases[] = {{0, 0, 90},   {90, 0, 0},      {180, 0, 270}, {270, 0, 180},
                       {359, 0, 91}, {10, 1.5, 81.5}, {0, -2, 88},   {360, 0, 90}};
    for (const auto& c : cases) {
        EXPECT_NEAR(WindDirectionOfBearing(c.bearing, c.convergence), c.direction, 1e-12) << c.bearing;
        EXPECT_NEAR(std::fmod(BearingOfWindDirection(c.direction, c.convergence), 360.0), std::fmod(c.bearing, 360.0),
                    1e-12);
    }
}

TEST(WindRecord, TimestampsRoundTripThroughTheCalendar)
{
    for (const char* text : {"1970-01-01 00:00", "2000-02-29 23:59", "2100-03-01 12:00", "1955-06-30 06:00"}) {
        const std::optional<std::int64_t> t = ParseTimestamp(text);
        ASSERT_TRUE(t) << text;
        EXPECT_EQ(TimestampText(*t), text);
    }
    for (const char* bad : {"2021-02-29", "2020-13-01", "2020-01-01T25:00", "2020/01/01 00:00", "2020-01-01T00:00+"})
        EXPECT_FALSE(ParseTimestamp(bad)) << bad;
}

}  // namespace
}  // namespace orvane
