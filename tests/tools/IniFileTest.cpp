#include "tools/settings/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/TestSupport.h"

namespace orvane {
namespace {

// Written by hand, as a user would: comments, odd spacing, mixed case, a
// section that appears twice, a key before any section, Windows-1252 bytes.
const std::string kHandWritten = "; Orvane settings\r\n"
                                 "stray=before any section\r\n"
                                 "\r\n"
                                 "[PRJ]\r\n"
                                 "  DIR =  C:\\Work\\Bay Projects\\  \r\n"
                                 "File=Prj000.WDT\r\n"
                                 "# old: File=Old.WDT\r\n"
                                 "\r\n"
                                 "[ help ]\r\n"
                                 "Active=1\r\n"
                                 "Title=Caf\xE9 \xB0 \"quoted\" \r\n"
                                 "; about DRAW\r\n"
                                 "[Draw]\r\n"
                                 "LINEWIDTH=3\r\n"
                                 "[prj]\r\n"
                                 "Extra=second section\r\n";

struct FindCase {
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(IniFile, FindsValuesCaseInsensitivelyAndTrimmed)
{
    const FindCase cases[] = {
        {"PRJ", "DIR", std::string("C:\\Work\\Bay Projects\\")},
        {"prj", "file", std::string("Prj000.WDT")},
        {"HELP", "ACTIVE", std::string("1")},
        {"Help", "Title", std::string("Caf\xE9 \xB0 \"quoted\"")},
        {"DRAW", "LineWidth", std::string("3")},
        {"PRJ", "Extra", std::string("second section")},  // a later section of the same name
        {"PRJ", "stray", std::nullopt},                   // lines before any section belong to none
        {"PRJ", "# old: File", std::nullopt},             // comments are no keys
        {"DRAW", "ARROWON", std::nullopt},
        {"UNITS00", "Text1", std::nullopt},
        {"PRJ", "", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindIniValue(kHandWritten, c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniFile, QuotedValuesAndOneLineEndOnly)
{
    EXPECT_EQ(FindIniValue("[S]\nK=\"  padded  \"\n", "S", "K"), "  padded  ");
    EXPECT_EQ(FindIniValue("[S]\nK='x'", "S", "K"), "x");
    EXPECT_EQ(FindIniValue("[S]\nK=\"x'", "S", "K"), "\"x'");
    EXPECT_EQ(FindIniValue("[S]\nK=a=b", "S", "K"), "a=b");
    EXPECT_EQ(FindIniValue("[S]\nK=", "S", "K"), "");
}

// Every line but the one written stays byte for byte, in place.
TEST(IniFile, RewritingAKeyKeepsEveryOtherLine)
{
    auto edited = SetIniValue(kHandWritten, "prj", "dir", "D:\\New");
    ASSERT_TRUE(edited);
    std::string expected = kHandWritten;
    const std::string oldLine = "  DIR =  C:\\Work\\Bay Projects\\  \r\n";
    expected.replace(expected.find(oldLine), oldLine.size(), "  DIR =  D:\\New\r\n");
    EXPECT_EQ(*edited, expected);

    edited = SetIniValue(kHandWritten, "PRJ", "Extra", "changed");
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->substr(0, edited->rfind("Extra=")), kHandWritten.substr(0, kHandWritten.rfind("Extra=")));
    EXPECT_EQ(FindIniValue(*edited, "PRJ", "Extra"), "changed");
}

TEST(IniFile, NewKeysAndSectionsGoWhereAUserWouldPutThem)
{
    // After the last key of the first [PRJ]: before the comment and the blank line.
    auto edited = SetIniValue(kHandWritten, "PRJ", "New", "1");
    ASSERT_TRUE(edited);
    std::string expected = kHandWritten;
    expected.insert(expected.find("# old"), "New=1\r\n");
    EXPECT_EQ(*edited, expected);

    // A new section at the end, with the file's own line ends.
    edited = SetIniValue(kHandWritten, "Units00", "Text1", "12,5");
    ASSERT_TRUE(edited);
    EXPECT_EQ(*edited, kHandWritten + "[Units00]\r\nText1=12,5\r\n");

    // A last line without a line end is ended first; an empty text gets "\n".
    EXPECT_EQ(SetIniValue("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2\n");
    EXPECT_EQ(SetIniValue("[A]", "A", "y", "2"), "[A]\ny=2\n");
    EXPECT_EQ(SetIniValue("", "HELP", "ACTIVE", "0"), "[HELP]\nACTIVE=0\n");
    // A file cut after "\r" keeps its last value: the line end is completed.
    EXPECT_EQ(SetIniValue("[A]\r\nx=1\r", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(SetIniValue("[A]\r\nx=1\r", "B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(FindIniValue("[A]\r\nx=1\r", "A", "x"), "1");
}

TEST(IniFile, ValuesReadBackExactly)
{
    for (const std::string value : {"plain", "  leading", "trailing ", "\"q\"", "'q'", "", "a=b", "\xB0\xE9;#[x]"}) {
        const auto edited = SetIniValue("[S]\nK=old\n", "S", "K", value);
        ASSERT_TRUE(edited) << value;
        EXPECT_EQ(FindIniValue(*edited, "S", "K"), value);
    }
}

TEST(IniFile, RefusesWhatWouldBreakTheFile)
{
    EXPECT_FALSE(SetIniValue("", "S", "K", "two\nlines"));
    EXPECT_FALSE(SetIniValue("", "S", "K", "cr\r"));
    EXPECT_FALSE(SetIniValue("", "S]", "K", "v"));
    EXPECT_FALSE(SetIniValue("", "S", "K=1", "v"));
    EXPECT_FALSE(SetIniValue("", "S", "[K", "v"));
    EXPECT_FALSE(SetIniValue("", "S", ";K", "v"));
    EXPECT_FALSE(SetIniValue("", "", "K", "v"));
    EXPECT_FALSE(SetIniValue("", "S", " ", "v"));
}

TEST(IniFile, FilesMissingUnreadableAndWritten)
{
    test::TempDir dir;
    const std::string path = dir.File("x.ini");
    EXPECT_EQ(ReadIniValue(path, "S", "K").status, IniReadStatus::Missing);

    ASSERT_TRUE(WriteIniValue(path, "S", "K", "v"));
    const IniReadResult read = ReadIniValue(path, "s", "k");
    EXPECT_EQ(read.status, IniReadStatus::Found);
    EXPECT_EQ(read.value, "v");
    EXPECT_EQ(test::ReadBytes(path), "[S]\nK=v\n");

    // A folder in the file's place exists but cannot be read: no write either,
    // and nothing is created beside it.
    const std::string folder = dir.File("folder.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ReadIniValue(folder, "S", "K").status, IniReadStatus::Unreadable);
    EXPECT_FALSE(WriteIniValue(folder, "S", "K", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    EXPECT_FALSE(WriteIniValue(dir.File("no/such/folder.ini"), "S", "K", "v"));
}

// A file with a byte-order mark, as editors save one: read, edited and
// written back in its own encoding, mark included.
TEST(IniFile, MarkedFilesKeepTheirEncoding)
{
    const std::u16string before = u"[PRJ]\r\nDIR=/home/zo\u00eb/Projekte \U0001D6FC/\r\n[HELP]\r\nACTIVE=1\r\n";
    const std::u16string after =
        u"[PRJ]\r\nDIR=/home/zo\u00eb/Projekte \U0001D6FC/\r\nFILE=/x/Caf\u00e9.WDT\r\n[HELP]\r\nACTIVE=0\r\n";
    const std::string dirUtf8 = "/home/zo\xC3\xAB/Projekte \xF0\x9D\x9B\xBC/";
    auto utf16 = [](const std::u16string& text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string {high, low} : std::string {low, high};
        }
        return bytes;
    };
    const std::string utf8Before = "\xEF\xBB\xBF[PRJ]\r\nDIR=" + dirUtf8 + "\r\n[HELP]\r\nACTIVE=1\r\n";
    const std::string utf8After =
        "\xEF\xBB\xBF[PRJ]\r\nDIR=" + dirUtf8 + "\r\nFILE=/x/Caf\xC3\xA9.WDT\r\n[HELP]\r\nACTIVE=0\r\n";
    struct Case {
        const char* name;
        std::string before, after;
    };
    const Case cases[] = {{"UTF-16 LE", utf16(before, false), utf16(after, false)},
                          {"UTF-16 BE", utf16(before, true), utf16(after, true)},
                          {"UTF-8 with mark", utf8Before, utf8After}};
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("Orvane.INI");
        test::WriteBytes(path, c.before);
        IniDocument doc = IniDocument::Load(path);
        ASSERT_EQ(doc.GetState(), IniDocument::State::Read);
        EXPECT_EQ(doc.Find("prj", "dir"), dirUtf8);
        EXPECT_EQ(doc.Find("HELP", "ACTIVE"), "1");
        EXPECT_TRUE(doc.Set("HELP", "ACTIVE", "0"));
        EXPECT_TRUE(doc.Set("PRJ", "FILE", "/x/Caf\xC3\xA9.WDT"));
        ASSERT_TRUE(doc.Save());
        EXPECT_EQ(test::ReadBytes(path), c.after);
    }

    // UTF-16 that no editor writes (a lone surrogate, an odd byte) is not
    // taken for settings and never rewritten.
    for (const std::string& broken : {utf16(u"[S]\r\nK=\xD800\r\n", false), utf16(u"[S]", false) + "x"}) {
        const std::string path = dir.File("broken.ini");
        test::WriteBytes(path, broken);
        EXPECT_FALSE(WriteIniValue(path, "S", "K", "1"));
        EXPECT_EQ(test::ReadBytes(path), broken);
    }
}

}  // namespace
}  // namespace orvane
