// Numbers keep "." under any regional settings. Run by ctest under
// LC_ALL=de_DE.UTF-8: QApplication then sets the German C locale, and Qt's
// system locale is German, until SetFormatDefaults.

#include "tools/settings/FormatDefaults.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLocale>
#include <clocale>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "core/Format.h"
#include "tests/TestSupport.h"
#include "tools/SystemLanguage.h"
#include "tools/VersionText.h"
#include "tools/settings/IniSettings.h"
#include "tools/settings/LenientNumber.h"

namespace orvane {
namespace {

bool CLocaleUsesComma()
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    return std::string(buffer) == "1,5";
}

// Before SetFormatDefaults: the program's own conversions ignore the C locale.
TEST(BeforeFormatDefaults, OwnConversionsIgnoreTheUserLocale)
{
    if (!CLocaleUsesComma())
        GTEST_SKIP() << "the C locale does not use \",\" here (run with LC_ALL=de_DE.UTF-8)";
    EXPECT_FALSE(SystemLanguageIsEnglish());
    EXPECT_DOUBLE_EQ(ReadLenientReal("1,5", 0.0), 1.5);
    EXPECT_DOUBLE_EQ(ReadLenientReal("2.25", 0.0), 2.25);
    EXPECT_EQ(Format("%.2f", 2.5), "2.50");
    EXPECT_EQ(VersionTextOf("2026.12.9.1", kVersionShort), "Vers.09.12.2026 ");
    test::TempDir dir;
    WriteIniInteger(dir.File("x.ini"), "S", "K", -1234567);
    EXPECT_EQ(test::ReadBytes(dir.File("x.ini")), "[S]\nK=-1234567\n");
}

TEST(AfterFormatDefaults, CAndQtLocalesUseThePoint)
{
    SetFormatDefaults();
    EXPECT_FALSE(CLocaleUsesComma());
    EXPECT_EQ(QLocale().decimalPoint(), QString("."));
    EXPECT_EQ(QLocale().toString(1234567.5, 'f', 1), QString("1234567.5"));
    bool ok = false;
    EXPECT_DOUBLE_EQ(QLocale().toDouble(QString("3.25"), &ok), 3.25);
    EXPECT_TRUE(ok);

    // A widget made afterwards shows and reads "." too.
    QDoubleSpinBox spin;
    spin.setRange(0, 1e7);
    spin.setDecimals(2);
    spin.setValue(1234.5);
    EXPECT_EQ(spin.text(), QString("1234.50"));
    EXPECT_DOUBLE_EQ(spin.valueFromText("17.25"), 17.25);
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
