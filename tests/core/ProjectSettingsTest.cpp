// KEY=VALUE settings: names in any case, all-or-nothing application, the
// window's commit rules with every changed value named.
#include "core/ProjectSettings.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

ProjectRecord Defaults()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    return rec;
}

TEST(ProjectSettings, EachKeySetsItsField)
{
    const struct {
        std::string word;
        float ProjectRecord::*real;
        std::int32_t ProjectRecord::*code;
        double expected;
    } cases[] = {
        {"direction=-30.5", &ProjectRecord::WindDirection, nullptr, -30.5},
        {"bearing=225", &ProjectRecord::WindDirection, nullptr, 225},  // from SW: 90 - 225 + 360
        {"BEARING=0", &ProjectRecord::WindDirection, nullptr, 90},     // from north blows along -y
        {"depth= 8 ", &ProjectRecord::Depth, nullptr, 8},
        {"speed_unit=KM/H", nullptr, &ProjectRecord::VelocityUnits, kVelocityKilometresPerHour},
        {"speed_unit=m.p.h.", nullptr, &ProjectRecord::VelocityUnits, kVelocityMilesPerHour},
        {"speed_unit=mph", nullptr, &ProjectRecord::VelocityUnits, kVelocityMilesPerHour},
        {"speed_unit=ft/s", nullptr, &ProjectRecord::VelocityUnits, kVelocityFeetPerSecond},
        {"coord_unit=Miles", nullptr, &ProjectRecord::CoordUnits, kCoordMiles},
        {"significant=Bretschneider-Depth", nullptr, &ProjectRecord::SignificantMethod, kBretschneiderDepth},
        {"spectrum=PM", nullptr, &ProjectRecord::SpectrumType, kPiersonMoskowitz},
        {"directional=effective-fetch", nullptr, &ProjectRecord::DirectionalMethod, kEffectiveFetch},
    };
    for (const auto& c : cases) {
        ProjectRecord rec = Defaults();
        rec.VelocityUnits = rec.CoordUnits = rec.SignificantMethod = rec.DirectionalMethod = 2;
        const std::vector<std::string> words {c.word};
        const SettingsOutcome out = ApplySettings(rec, words);
        ASSERT_TRUE(out.Ok()) << c.word << ": " << out.errors.front();
        if (c.real)
            EXPECT_FLOAT_EQ(rec.*c.real, static_cast<float>(c.expected)) << c.word;
        else
            EXPECT_EQ(rec.*c.code, static_cast<std::int32_t>(c.expected)) << c.word;
    }
}

TEST(ProjectSettings, PointTitleAndWhatIsShownBack)
{
    ProjectRecord rec = Defaults();
    const std::vector<std::string> words {"point=1500.25,-20", "title=Lake 5\u00B0 east", "direction=45"};
    const SettingsOutcome out = ApplySettings(rec, words);
    ASSERT_TRUE(out.Ok());
    EXPECT_FLOAT_EQ(rec.PointX, 1500.25f);
    EXPECT_FLOAT_EQ(rec.PointY, -20.0f);
    EXPECT_EQ(TitleBytes(rec), "Lake 5\xB0 east");  // stored in Windows-1252
    EXPECT_EQ(out.shown, (std::vector<std::string> {"point = 1500.25,-20", "title = Lake 5\u00B0 east",
                                                    "direction = 45 (from NE, grid bearing 45.0\u00B0)"}));

    const std::vector<std::string> longTitle {"title=" + std::string(100, 'x')};
    const SettingsOutcome cut = ApplySettings(rec, longTitle);
    EXPECT_EQ(TitleBytes(rec), std::string(80, 'x'));
    ASSERT_EQ(cut.notes.size(), 1u);
    EXPECT_NE(cut.notes[0].find("80"), std::string::npos);
}

TEST(ProjectSettings, AnyBadWordChangesNothing)
{
    const std::vector<std::vector<std::string>> cases {
        {"speed=10", "colour=red"},
        {"speed=fast"},
        {"point=1"},
        {"sector=nan"},
        {"depth=1e39"},  // beyond float32
        {"speed_unit=knots"},
        {"directional=jonswap"},
        {"direction=10", "bearing=20"},
        {"sector=10", "sector=20"},
    };
    for (const auto& words : cases) {
        ProjectRecord rec = Defaults();
        const ProjectRecord before = rec;
        const SettingsOutcome out = ApplySettings(rec, words);
        EXPECT_FALSE(out.Ok()) << words.front();
        EXPECT_TRUE(out.notes.empty() && out.shown.empty()) << words.front();
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0) << words.front();
    }
    ProjectRecord rec = Defaults();
    const std::vector<std::string> both {"direction=10", "bearing=20"};
    EXPECT_EQ(ApplySettings(rec, both).errors,
              std::vector<std::string> {"direction and bearing both set the wind direction"});
}

TEST(ProjectSettings, CommitRulesApplyAndEveryClampIsNamed)
{
    ProjectRecord rec = Defaults();
    const std::vector<std::string> words {"sector=200", "speed=3", "depth=0.5", "direction=400"};
    const SettingsOutcome out = ApplySettings(rec, words);
    ASSERT_TRUE(out.Ok());
    EXPECT_EQ(out.notes, (std::vector<std::string> {"sector 200 -> 180", "speed 3 -> 5", "depth 0.5 -> 5"}));
    EXPECT_EQ(rec.SectorAngle, 180.0f);
    EXPECT_EQ(rec.WindDirection, 400.0f);   // the direction has no limits
    EXPECT_EQ(rec.SpectrumType, kJonswap);  // the default code 2 is stored as the window stores it

    // A damaged value elsewhere in the file is limited at this commit too.
    rec.Depth = 0.0f;
    const std::vector<std::string> title {"title=t"};
    EXPECT_EQ(ApplySettings(rec, title).notes, std::vector<std::string> {"depth 0 -> 5"});
}

}  // namespace
}  // namespace orvane
