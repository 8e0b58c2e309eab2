#include "tools/settings/IniSettings.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/TestSupport.h"
#include "tools/ProgramFile.h"
#include "tools/UiFontChoice.h"

namespace orvane {
namespace {

TEST(IniSettings, ProgramSettingsFiles)
{
    const std::string program = ProgramFileName();
    ASSERT_FALSE(program.empty());
    // The test program, like "Orvane", has no extension: ".INI" is appended.
    EXPECT_EQ(IniPath(), program + ".INI");
    EXPECT_EQ(SettingsFileName(), IniPath());
    EXPECT_EQ(DefaultIniPath(), program + ".DefaultINI");
    EXPECT_EQ(MainIniPath(), FolderOf(program) + "Orvane.INI");
}

TEST(IniSettings, ShortNamesMeanTheProgramSettingsFile)
{
    EXPECT_EQ(ResolveIniPath("x.ini"), "x.ini");
    EXPECT_EQ(ResolveIniPath("/a/bc"), "/a/bc");
    EXPECT_EQ(ResolveIniPath("/a/b"), IniPath());
    for (const char* shortName : {"ini", "", "a.in", "    "})
        EXPECT_EQ(ResolveIniPath(shortName), IniPath()) << '"' << shortName << '"';
}

TEST(IniSettings, IntegerValues)
{
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"0x1F", 31},       {"0X1f", 31}, {"42", 42},
        {"-7", -7},         {"+8", 8},    {"0xFFFFFFFF", -1},  // a 32-bit pattern, as Windows programs write colours
        {"0x000000001", 1},                                    // leading zeros are no extra bits
        {"abc", 5},         {"0x", 5},    {"0xG", 5},
        {"1.5", 5},         {"12abc", 5}, {"", 5},
        {"0x123456789", 5},  // more than 32 bits
        {"99999999999", 5},  // overflow
    };
    test::TempDir dir;
    const std::string file = dir.File("x.ini");
    for (const Case& c : cases) {
        WriteIniString(file, "S", "K", c.stored);
        EXPECT_EQ(ReadIniInteger(file, "S", "K", 5), c.expected) << c.stored;
    }
    EXPECT_EQ(ReadIniInteger(file, "S", "Missing", 5), 5);
    EXPECT_EQ(ReadIniInteger(dir.File("missing.ini"), "S", "K", 5), 5);
}

TEST(IniSettings, BooleansReadAsIntegers)
{
    test::TempDir dir;
    const std::string file = dir.File("x.ini");
    WriteIniString(file, "DRAW", "A", "2");
    WriteIniString(file, "DRAW", "B", "0");
    WriteIniString(file, "DRAW", "C", "yes");
    EXPECT_TRUE(ReadIniBool(file, "DRAW", "A", false));
    EXPECT_FALSE(ReadIniBool(file, "DRAW", "B", true));
    EXPECT_TRUE(ReadIniBool(file, "DRAW", "C", true));
    EXPECT_FALSE(ReadIniBool(file, "DRAW", "C", false));
    EXPECT_TRUE(ReadIniBool(file, "DRAW", "ARROWON", true));

    WriteIniBool(file, "DRAW", "ARROWON", true);
    WriteIniBool(file, "DRAW", "B", false);
    EXPECT_EQ(ReadIniString(file, "DRAW", "ARROWON", ""), "1");
    EXPECT_EQ(ReadIniString(file, "DRAW", "B", ""), "0");
}

TEST(IniSettings, StringsMissingAndEmpty)
{
    test::TempDir dir;
    const std::string file = dir.File("x.ini");
    WriteIniString(file, "PRJ", "FILE", "/p/Bay.WDT");
    WriteIniString(file, "PRJ", "EMPTY", "");
    EXPECT_EQ(ReadIniString(file, "prj", "file", "d"), "/p/Bay.WDT");
    EXPECT_EQ(ReadIniString(file, "PRJ", "EMPTY", "d"), "");
    EXPECT_EQ(ReadIniString(file, "PRJ", "DIR", "d"), "d");
}

TEST(IniSettings, UnreadableFileGivesZeroFalseEmptyWhateverTheDefault)
{
    test::TempDir dir;
    const std::string folder = dir.File("settings.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ReadIniInteger(folder, "S", "K", 5), 0);
    EXPECT_FALSE(ReadIniBool(folder, "S", "K", true));
    EXPECT_EQ(ReadIniString(folder, "S", "K", "default"), "");
    // A write that fails is said once a run, then skipped without a word.
    test::MessageRecorder messages;
    WriteIniInteger(folder, "S", "K", 1);
    WriteIniInteger(folder, "S", "K", 2);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.rfind("cannot write settings file [" + folder + "]", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    int value = 9;
    SyncIniInteger(folder, "S", "K", false, value);
    EXPECT_EQ(value, 0);
}

TEST(IniSettings, FileOverOneMegabyteGivesTheDefaultsAndOneWarning)
{
    test::TempDir dir;
    const std::string file = dir.File("Huge.INI");
    test::WriteBytes(file, "[S]\nK=7\n" + std::string(kMaxIniFileBytes, '\n'));
    test::MessageRecorder messages;
    SettingsFile settings(file);
    EXPECT_EQ(settings.ReadInteger("S", "K", 5), 5);
    EXPECT_EQ(ReadIniString(file, "S", "K", "d"), "d");
    EXPECT_TRUE(ReadIniBool(file, "S", "K", true));
    WriteIniInteger(file, "S", "K", 1);  // skipped: writing would need the whole file
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "settings file [" + file + "] is larger than 1 MB and is not read: the defaults are used");
    EXPECT_EQ(std::filesystem::file_size(file), kMaxIniFileBytes + 8);

    // One byte less is an ordinary file.
    test::WriteBytes(file, "[S]\nK=7\n" + std::string(kMaxIniFileBytes - 8, '\n'));
    EXPECT_EQ(ReadIniInteger(file, "S", "K", 5), 7);
}

// A file of exactly 1 MB is read; a write that would make it larger is not
// made, so the program never writes a file it then refuses to read.
TEST(IniSettings, NoWriteGrowsAFilePastOneMegabyte)
{
    test::TempDir dir;
    const std::string file = dir.File("Full.INI");
    const std::string full = "[S]\nK=7\n" + std::string(kMaxIniFileBytes - 8, '\n');
    test::WriteBytes(file, full);
    test::MessageRecorder messages;
    WriteIniInteger(file, "S", "K", 1234567);
    WriteIniInteger(file, "S", "K", 7654321);
    // (Not EXPECT_EQ: a failure would print the difference of two 1 MB texts.)
    EXPECT_EQ(std::filesystem::file_size(file), full.size());
    EXPECT_TRUE(test::ReadBytes(file) == full);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "settings file [" + file + "] would grow past 1 MB and is not changed");
    WriteIniInteger(file, "S", "K", 8);  // the same size: written
    EXPECT_EQ(ReadIniInteger(file, "S", "K", 5), 8);
}

TEST(IniSettings, OneSettingsFileWritesManyKeysAtOnce)
{
    test::TempDir dir;
    const std::string file = dir.File("Many.INI");
    test::WriteBytes(file, "; kept\n[Units00]\nText1=1\n");
    SettingsFile settings(file);
    for (int i = 1; i <= 7; ++i)
        settings.WriteString("Units00", "Text" + std::to_string(i), std::to_string(10 * i));
    settings.WriteBool("DRAW", "ARROWON", false);
    EXPECT_EQ(ReadIniInteger(file, "Units00", "Text2", 0), 0);  // nothing written before Save
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(test::ReadBytes(file), "; kept\n[Units00]\nText1=10\nText2=20\nText3=30\nText4=40\nText5=50\n"
                                     "Text6=60\nText7=70\n[DRAW]\nARROWON=0\n");
    EXPECT_EQ(settings.ReadInteger("Units00", "Text7", 0), 70);
}

TEST(IniSettings, SyncLoadsAndStores)
{
    test::TempDir dir;
    const std::string file = dir.File("x.ini");
    int value = 4;
    SyncIniInteger(file, "Units00", "Index11", false, value);
    EXPECT_EQ(value, 4) << "a missing key keeps the present value";
    value = 3;
    SyncIniInteger(file, "Units00", "Index11", true, value);
    value = 0;
    SyncIniInteger(file, "Units00", "Index11", false, value);
    EXPECT_EQ(value, 3);
}

// The helpers given no usable name work on the program's own settings file,
// and the font face comes from the default settings file beside it.
TEST(IniSettings, ProgramFilesAndTheFontFace)
{
    struct Cleanup {
        ~Cleanup()
        {
            std::remove(IniPath().c_str());
            std::remove(DefaultIniPath().c_str());
        }
    } cleanup;
    std::remove(IniPath().c_str());
    WriteIniInteger("", "Units00", "Index13", 2);
    EXPECT_EQ(ReadIniInteger(IniPath(), "Units00", "Index13", 0), 2);
    EXPECT_EQ(ReadIniInteger("ini", "Units00", "Index13", 0), 2);

    EXPECT_EQ(UiFontNameFromSettings(DefaultIniPath(), true), "MS Sans Serif");
    test::WriteBytes(DefaultIniPath(), "[MAIN]\r\nFONT=9\r\n");
    int font = 0;
    SyncDefaultIniInteger("MAIN", "FONT", font, false);
    EXPECT_EQ(font, 9);
    EXPECT_EQ(UiFontNameFromSettings(DefaultIniPath(), true), "Segoe UI");
    EXPECT_EQ(UiFontNameFromSettings(DefaultIniPath(), false), "Segoe UI");
}

TEST(IniSettings, FontFaceChoice)
{
    EXPECT_EQ(ChooseUiFontName(7, true), "Arial");
    EXPECT_EQ(ChooseUiFontName(9, true), "Segoe UI");
    EXPECT_EQ(ChooseUiFontName(0, true), "MS Sans Serif");
    EXPECT_EQ(ChooseUiFontName(8, true), "MS Sans Serif");
    EXPECT_EQ(ChooseUiFontName(0, false), "Arial");
    EXPECT_EQ(ChooseUiFontName(7, false), "Arial");
}

}  // namespace
}  // namespace orvane
