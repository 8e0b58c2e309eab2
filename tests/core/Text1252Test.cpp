#include "core/Text1252.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Text1252, ConvertsBothWays)
{
    struct Case {
        const char* cp1252;
        const char* utf8;
    } cases[] = {
        {"Bay", "Bay"},
        {"\xB0", "\xC2\xB0"},  // degree sign
        {"m\xB2 m\xB3", "m\xC2\xB2 m\xC2\xB3"},
        {"\x80", "\xE2\x82\xAC"},  // euro sign
        {"\x93quay\x94", "\xE2\x80\x9Cquay\xE2\x80\x9D"},
        {"Caf\xE9", "Caf\xC3\xA9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(Text1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Text1252, UnmappableAndMalformedInput)
{
    EXPECT_EQ(Utf8ToCp1252("\xE6\xB8\xAF"), "?");      // a CJK character
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8C\x8A"), "?");  // an emoji
    EXPECT_EQ(Utf8ToCp1252("a\xE9z"), "a\xE9z");       // stray byte kept
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "\xC0\xAF");   // overlong form is not "/"
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "\xE2\x82");   // cut-off sequence
}

}  // namespace
}  // namespace orvane
