// The climate analysis over a made-up hindcast: storms at a known rate, the
// sectors they come from, the keys and flags of its files, and the climate
// section of the companion file.
#include "core/ClimateAnalysis.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/Json.h"
#include "core/ProjectCompanion.h"

namespace orvane {
namespace {

// Twelve years of hours: a storm every 5 days (73 a year) from the west
// (wind direction 180), peaking at 1 to 3 m, calm seas from the east between.
Hindcast MadeUpHindcast()
{
    Hindcast h;
    const std::int64_t hours = 12 * 8760;
    for (std::int64_t t = 0; t < hours; ++t) {
        HindcastRow row;
        row.timeS = 3600 * t;
        row.hours = 1.0f;
        const std::int64_t storm = t / 120, phase = t % 120;
        if (phase < 24) {
            row.directionDeg = 180.0f;
            row.hsM = static_cast<float>((1.0 + (storm * 7919 % 1000) / 500.0) * std::sin(3.14159265 * phase / 24.0));
        } else {
            row.directionDeg = 0.0f;
            row.hsM = 0.2f;
        }
        row.tpS = 4.0f * std::sqrt(row.hsM);
        row.limit = SeaLimit::Fetch;
        h.rows.push_back(row);
    }
    return h;
}

TEST(ClimateAnalysis, PeaksSectorsAndFlags)
{
    ClimateSettings settings;
    settings.sectors = 8;
    const ClimateResult r = AnalyseClimate(MadeUpHindcast(), settings, 0.0, 1);
    EXPECT_NEAR(r.years, 12.0 * 365 / 365.25, 1e-9);
    ASSERT_EQ(r.extremes.size(), 9u);
    const SectorExtremes& all = r.extremes[0];
    EXPECT_NEAR(all.peaksPerYear, 3.0, 0.2);  // the default threshold
    ASSERT_EQ(all.design.size(), 7u);
    EXPECT_FALSE(all.design[4].extrapolated);  // 25 years of a 12-year record
    EXPECT_TRUE(all.design[5].extrapolated);   // 50 years
    EXPECT_TRUE(all.gev.ok);                   // 12 annual maxima
    EXPECT_NEAR(all.periodOfHeight(1.0), 4.0, 1e-3);
    // Storms come from the west (bearing 270), the calm seas from the east.
    EXPECT_EQ(r.extremes[1 + 6].name, "W");
    EXPECT_EQ(r.extremes[1 + 6].peaks.size(), all.peaks.size());
    // E: the steady 0.2 m sea between the storms is every return value there.
    ASSERT_TRUE(r.extremes[1 + 2].design[6].hsM);
    EXPECT_NEAR(*r.extremes[1 + 2].design[6].hsM, 0.2, 1e-6);
    // The time of every row is somewhere in the table.
    EXPECT_NEAR(r.occurrence.PerMille(0, 2), 1000.0 * 96 / 120, 0.5);

    const JsonParseResult json = ParseJson(ExtremesJson(r), {8u << 20, 32});
    ASSERT_TRUE(json.Ok()) << json.error;
    const JsonValue& first = json.value.Find("Sectors")->Elements()[0];
    for (const char* key : {"Sector", "Peaks", "Threshold", "Fits", "ReturnValues"})
        EXPECT_NE(first.Find(key), nullptr) << key;
    const JsonValue& fit = first.Find("Fits")->Elements()[0];
    for (const char* key : {"Distribution", "Method", "Parameters", "Correlation"})
        EXPECT_NE(fit.Find(key), nullptr) << key;
    const JsonValue& value = first.Find("ReturnValues")->Elements()[6];
    for (const char* key : {"Years", "Hs", "Low", "High", "Tp"})
        EXPECT_NE(value.Find(key), nullptr) << key;
    EXPECT_EQ(json.value.Find("Bearings")->AsString(), "grid");

    EXPECT_EQ(SeriesCsv(r).substr(0, 36), "time,u10_ms,bearing_grid_deg,fetch_m");
    const ClimateResult turned = AnalyseClimate(MadeUpHindcast(), settings, 1.5, 1);
    EXPECT_EQ(SeriesCsv(turned).substr(0, 36), "time,u10_ms,bearing_true_deg,fetch_m");
}

TEST(ClimateAnalysis, CompanionKeepsTheClimateSection)
{
    ProjectCompanion c;
    EXPECT_EQ(c.ReadText(R"({"climate": {"law": "cem", "sectors": 36, "threshold_m": 1.5, "shift_deg": 30,
                             "calm_ms": 0.5, "class_m": 0.5, "mine": true}})"),
              "");
    EXPECT_EQ(c.climate.law, GrowthLaw::Cem);
    EXPECT_EQ(c.climate.sectors, 36);
    EXPECT_EQ(c.climate.thresholdM, 1.5);
    EXPECT_EQ(c.climate.shiftDeg, 30.0);
    ProjectCompanion again;
    EXPECT_EQ(again.ReadText(c.Text()), "");
    EXPECT_EQ(again.climate, c.climate);
    EXPECT_NE(c.Text().find("\"mine\": true"), std::string::npos);
    ProjectCompanion bad;
    EXPECT_EQ(bad.ReadText(R"({"climate": {"shift_deg": 400, "class_m": -1}})"),
              "climate.shift_deg: not a number in its range; climate.class_m: not a number in its range");
    EXPECT_EQ(bad.climate, ClimateSettings());
}

}  // namespace
}  // namespace orvane
