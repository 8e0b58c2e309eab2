#include "tools/VersionText.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(VersionText, Examples)
{
    const struct {
        const char* version;
        int form;
        const char* expected;
    } cases[] = {
        {"2023.2.14.8", kVersionShort, "Vers.14.02.2023 "},
        {"2023.2.14.8", kVersionLong, "Version 14.02.2023 "},
        {"2026.12.9.1", kVersionShort, "Vers.09.12.2026 "},
        {"", kVersionShort, "Vers.00.00.00"},  // no version information
        {"26.2.14.8", kVersionShort, "Vers.14.02.2006 "},
        {"6.2.14", kVersionShort, "Vers.14.02.600 "},  // "00" goes after the first character
        {"2026", kVersionShort, "Vers.00.00.2026"},
        {"2026.x.y.1", kVersionShort, "Vers.00.00.2026 "},
        {"2026.1a2.3b.1", kVersionShort, "Vers.03.12.2026 "},  // fields read leniently
        {"2026.12.31.7", kVersionLong, "Version 31.12.2026 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionTextOf(c.version, c.form), c.expected) << c.version << " form " << c.form;
}

TEST(VersionText, ProgramVersionComesFromTheBuild)
{
    EXPECT_EQ(ProgramVersionString(), ORVANE_EXPECTED_VERSION);
    EXPECT_EQ(VersionText(kVersionShort), VersionTextOf(ORVANE_EXPECTED_VERSION, kVersionShort));
}

}  // namespace
}  // namespace orvane
