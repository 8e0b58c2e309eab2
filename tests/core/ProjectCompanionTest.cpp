// The companion file beside a project: defaults when absent, unknown keys
// kept on rewriting, a damaged file reported once and left alone, and
// nothing written for a plain project.
#include "core/ProjectCompanion.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "../TestSupport.h"
#include "core/CrsService.h"
#include "core/ProjectSettings.h"

namespace orvane {
namespace {

class ProjectCompanionTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string project = dir.File("Lake.WDT");
    std::string companionPath = project + ".json";
};

TEST_F(ProjectCompanionTest, PathAndDefaultsWhenAbsent)
{
    EXPECT_EQ(ProjectCompanion::PathFor("/p/Bay.WDT"), "/p/Bay.WDT.json");
    ProjectCompanion c;
    test::MessageRecorder messages;
    EXPECT_EQ(c.Load(project), ProjectCompanion::LoadState::Absent);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(c.HoldsSomething());
    // A plain project stays one file.
    EXPECT_EQ(c.Save(project).message, "");
    EXPECT_FALSE(std::filesystem::exists(companionPath));
}

TEST_F(ProjectCompanionTest, RewritingKeepsUnknownKeysInTheirPlaces)
{
    test::WriteBytes(companionPath, "{\"crs\": \"EPSG:32634\", \"wind\": {\"mast\": \"pier\", \"height_m\": 6},"
                                    " \"growth\": {\"law\": \"spm84\"}, \"pad\": [1, 2]}");
    ProjectCompanion c;
    ASSERT_EQ(c.Load(project), ProjectCompanion::LoadState::Loaded);
    EXPECT_EQ(c.wind.heightM, 6.0);
    EXPECT_EQ(c.growth.law, GrowthLaw::Spm84);
    c.growth.law = GrowthLaw::Cem;
    c.growth.durationH = 2.5;
    c.wind.heightM = kReferenceHeightM;  // back to the default: the key goes
    ASSERT_EQ(c.Save(project).message, "");
    EXPECT_EQ(test::ReadBytes(companionPath),
              "{\n  \"crs\": \"EPSG:32634\",\n  \"wind\": {\n    \"mast\": \"pier\"\n  },\n  \"growth\": {\n"
              "    \"law\": \"cem\",\n    \"duration_h\": 2.5\n  },\n  \"pad\": [\n    1,\n    2\n  ]\n}\n");
    ProjectCompanion again;
    again.Load(project);
    EXPECT_EQ(again.growth, c.growth);
    EXPECT_EQ(again.Text(), c.Text());
}

TEST_F(ProjectCompanionTest, DamagedFileIsReportedOnceAndLeftAlone)
{
    const std::string damaged = "{\"growth\": {\"law\": \"cem\",}";
    test::WriteBytes(companionPath, damaged);
    test::MessageRecorder messages;
    ProjectCompanion c;
    EXPECT_EQ(c.Load(project), ProjectCompanion::LoadState::Damaged);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("line 1, column 26: a key in double quotes was expected"),
              std::string::npos)
        << messages.messages[0].text;
    EXPECT_FALSE(c.growth.law);
    // Saving the project unchanged keeps the file for the user to mend.
    EXPECT_EQ(c.Save(project).message, "");
    EXPECT_EQ(test::ReadBytes(companionPath), damaged);
    // A setting changed in the program replaces it.
    c.growth.durationH = 1.0;
    EXPECT_EQ(c.Save(project).message, "");
    EXPECT_EQ(test::ReadBytes(companionPath), "{\n  \"growth\": {\n    \"duration_h\": 1\n  }\n}\n");
}

TEST_F(ProjectCompanionTest, ValuesThatMakeNoSenseAreNamedAndDefaulted)
{
    test::WriteBytes(companionPath, "{\"wind\": {\"height_m\": -3, \"exposure\": \"sea\"}, \"growth\": 7}");
    test::MessageRecorder messages;
    ProjectCompanion c;
    EXPECT_EQ(c.Load(project), ProjectCompanion::LoadState::Loaded);
    ASSERT_EQ(messages.messages.size(), 1u);
    const std::string& text = messages.messages[0].text;
    for (const char* named : {"wind.height_m", "wind.exposure", "growth: not an object"})
        EXPECT_NE(text.find(named), std::string::npos) << text;
    EXPECT_EQ(c.wind, WindSettings {});
}

TEST_F(ProjectCompanionTest, SettingKeysAreAllOrNothingOverBothFiles)
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    ProjectCompanion c;
    const std::vector<std::string> good {"growth.law=CEM", "growth.duration_h=2", "wind.delta_t_c=-4",
                                         "wind.observed_unit=knots", "depth=8"};
    const SettingsOutcome out = ApplySettings(rec, &c, good);
    ASSERT_TRUE(out.Ok()) << out.errors.front();
    EXPECT_EQ(c.growth, (GrowthOptions {GrowthLaw::Cem, 2.0}));
    EXPECT_EQ(c.wind.airMinusWaterC, -4.0);
    EXPECT_EQ(out.shown.front(), "growth.law = cem");

    const std::vector<std::string> bad {"growth.law=project", "growth.duration_h=0"};
    EXPECT_EQ(ApplySettings(rec, &c, bad).errors,
              std::vector<std::string> {"growth.duration_h: '0' is not a number in range (storm duration in hours, "
                                        "or none)"});
    EXPECT_EQ(c.growth.law, GrowthLaw::Cem);  // unchanged
    // Without a companion its keys are refused.
    EXPECT_FALSE(ApplySettings(rec, std::vector<std::string> {"wind.height_m=6"}).Ok());
}

// The coordinate system: EPSG codes and WKT kept, anything else refused,
// and the setting survives a write and a read; the place keys come first, so
// a bearing given with them is read at the new point in the new system.
TEST_F(ProjectCompanionTest, CoordinateSystemIsKeptAndSetsTrueBearings)
{
    struct Case {
        const char* text;
        const char* kept;
    };
    for (const Case& c : {Case {" epsg:32633 ", "EPSG:32633"}, Case {"EPSG:0", ""}, Case {"EPSG:12x", ""},
                          Case {"PROJCRS[\"x\"]", "PROJCRS[\"x\"]"}, Case {"projcs(\"y\")", "projcs(\"y\")"},
                          Case {"UTM 33", ""}, Case {"", ""}})
        EXPECT_EQ(CrsText(c.text), c.kept) << c.text;

    ProjectRecord rec {};
    SetProjectDefaults(rec);
    ProjectCompanion c;
    CrsService service;
    service.check = [](const std::string&) { return std::string(); };
    service.fromLonLat = [](const std::string&, int, double lon, double lat, double& x, double& y) {
        x = lon * 1000.0;
        y = lat * 1000.0;
        return std::string();
    };
    double askedX = 0.0;
    service.bearings = [&](const std::string&, int, double x, double) {
        askedX = x;
        return TrueBearings(2.0);
    };
    const std::vector<std::string> words {"bearing=47", "point_lonlat=15.5,40", "crs=EPSG:32633"};
    const SettingsOutcome out = ApplySettings(rec, &c, words, &service);
    ASSERT_TRUE(out.Ok()) << out.errors.front();
    EXPECT_EQ(c.crs, "EPSG:32633");
    EXPECT_FLOAT_EQ(rec.PointX, 15500.0f);
    EXPECT_EQ(askedX, 15500.0);                 // at the new point
    EXPECT_FLOAT_EQ(rec.WindDirection, 45.0f);  // grid bearing 47 - 2
    EXPECT_EQ(out.shown.back(), "bearing = 47 (true)");
    ASSERT_TRUE(c.Save(project));
    ProjectCompanion back;
    back.Load(project);
    EXPECT_EQ(back.crs, "EPSG:32633");

    // No lon/lat without a system, none without the module; grid bearings then say why.
    ProjectCompanion none;
    EXPECT_FALSE(ApplySettings(rec, &none, std::vector<std::string> {"point_lonlat=1,2"}, &service).Ok());
    EXPECT_FALSE(ApplySettings(rec, &c, std::vector<std::string> {"point_lonlat=1,2"}).Ok());
    const SettingsOutcome grid = ApplySettings(rec, &c, std::vector<std::string> {"bearing=47"});
    ASSERT_TRUE(grid.Ok());
    EXPECT_FLOAT_EQ(rec.WindDirection, 43.0f);
    ASSERT_EQ(grid.notes.size(), 1u);
    EXPECT_NE(grid.notes[0].find("grid bearings"), std::string::npos);
}

// --- the drawing pad's background ---

TEST_F(ProjectCompanionTest, PadBackgroundRoundTripKeepsUnknownKeys)
{
    test::WriteBytes(companionPath, "{\"pad\": {\"grid\": 3, \"background\": {\"note\": \"chart\", \"file\": "
                                    "\"chart.png\", \"kind\": \"image\", \"placement\": [0, 400, 100.5, 200, 600, 400, "
                                    "700.5, 200], \"opacity\": 0.25}}}");
    ProjectCompanion c;
    ASSERT_EQ(c.Load(project), ProjectCompanion::LoadState::Loaded);
    ASSERT_TRUE(c.pad.background);
    EXPECT_EQ(c.pad.background->file, "chart.png");
    EXPECT_EQ(c.pad.background->kind, PadBackgroundKind::Image);
    EXPECT_EQ(c.pad.background->placement, (std::array<double, 8> {0, 400, 100.5, 200, 600, 400, 700.5, 200}));
    EXPECT_EQ(c.pad.background->opacity, 0.25);

    // A georeferenced raster needs no placement, and the default opacity is not written.
    c.pad.background->kind = PadBackgroundKind::Raster;
    c.pad.background->placement = {};
    c.pad.background->opacity = 0.5;
    ASSERT_EQ(c.Save(project).message, "");
    EXPECT_EQ(test::ReadBytes(companionPath),
              "{\n  \"pad\": {\n    \"grid\": 3,\n    \"background\": {\n      \"note\": \"chart\",\n      \"file\": "
              "\"chart.png\",\n      \"kind\": \"raster\"\n    }\n  }\n}\n");
    ProjectCompanion again;
    again.Load(project);
    EXPECT_EQ(again.pad, c.pad);

    again.pad.background.reset();
    ASSERT_EQ(again.Save(project).message, "");
    EXPECT_EQ(test::ReadBytes(companionPath), "{\n  \"pad\": {\n    \"grid\": 3\n  }\n}\n");
}

TEST_F(ProjectCompanionTest, PadBackgroundThatMakesNoSenseIsNamedAndLeftOut)
{
    const struct {
        const char* json;
        const char* named;
    } cases[] = {
        {R"({"pad": {"background": {"kind": "layer"}}})", "pad.background.file"},
        {R"({"pad": {"background": {"file": "a.png", "kind": "image", "placement": [1, 2, 3]}}})",
         "pad.background.placement"},
        {R"({"pad": {"background": {"file": "a.png", "kind": "image", "placement": [1, 2, 3, 4, 5, 6, 7, "8"]}}})",
         "pad.background.placement"},
        {R"({"pad": {"background": {"file": "a.tif", "kind": "photo"}}})", "pad.background.kind"},
        {R"({"pad": {"background": {"file": "a.tif", "opacity": 2}}})", "pad.background.opacity"},
        {R"({"pad": {"background": "a.tif"}})", "pad.background: not an object"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        test::WriteBytes(companionPath, c.json);
        test::MessageRecorder messages;
        ProjectCompanion companion;
        EXPECT_EQ(companion.Load(project), ProjectCompanion::LoadState::Loaded);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_NE(messages.messages[0].text.find(c.named), std::string::npos) << messages.messages[0].text;
    }
    // An opacity out of its range is defaulted; the background stays.
    test::WriteBytes(companionPath, R"({"pad": {"background": {"file": "a.tif", "opacity": 2}}})");
    test::MessageRecorder messages;
    ProjectCompanion companion;
    companion.Load(project);
    ASSERT_TRUE(companion.pad.background);
    EXPECT_EQ(companion.pad.background->opacity, 0.5);
}

}  // namespace
}  // namespace orvane
