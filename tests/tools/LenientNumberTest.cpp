#include "tools/settings/LenientNumber.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LenientNumber, CleanRealText)
{
    const std::pair<const char*, const char*> cases[] = {
        {" 1,5 m", "1.5"},
        {"1,234.5", "1.2345"},
        {"-1.5e-3", "-1.5e3"},
        {"12..3", "12.3"},
        {"", ""},
        {"   ", ""},
        {"abc", ""},
        {"+5", "5"},
        {"--5", "-5"},
        {"1.2.3,4", "1.234"},
        {"1 000,25", "1000.25"},
        {"2.5E+2", "2.5E2"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CleanRealText(text), expected) << '"' << text << '"';
}

TEST(LenientNumber, CleanIntegerText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12a3", "123"}, {"-4-5", "-45"}, {" 1 2 ", "12"}, {"", ""}, {"1.5", "15"}, {"1e3", "1e3"}, {"x-1", "1"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CleanIntegerText(text), expected) << '"' << text << '"';
}

TEST(LenientNumber, ReadLenientReal)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"abc", 0.0},  // cleans to "", which counts as "0"
        {"E", 7.0},    // cleans to "E": no number, so the default
        {"-", 7.0},      {"1e", 7.0},         {"1e999", 7.0}, {" 1,5 m", 1.5}, {"-1.5e-3", -1500.0},
        {"12..3", 12.3}, {"1,234.5", 1.2345}, {".5", 0.5},    {"3.", 3.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ReadLenientReal(c.text, 7.0), c.expected) << '"' << c.text << '"';
}

TEST(LenientNumber, ReadLenientInteger)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"12a3", 123}, {"-4-5", -45}, {"", 0}, {"x", 0}, {"1E3", 9}, {"99999999999", 9}, {"-", 9}, {"14 ", 14},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLenientInteger(9, c.text), c.expected) << '"' << c.text << '"';
}

TEST(LenientNumber, FindFrom)
{
    EXPECT_EQ(FindFrom("c", "abcabc", 4), 6);
    EXPECT_EQ(FindFrom("c", "abcabc", 7), 0);
    EXPECT_EQ(FindFrom("c", "abcabc", 1), 3);
    EXPECT_EQ(FindFrom("c", "abcabc", 3), 3);
    EXPECT_EQ(FindFrom("c", "abcabc", 0), 3);
    EXPECT_EQ(FindFrom("bc", "abcabc", 3), 5);
    EXPECT_EQ(FindFrom("", "abc", 1), 0);
    EXPECT_EQ(FindFrom("x", "", 1), 0);
    EXPECT_EQ(FindFrom(" ", "2026 12 9", 6), 8);
}

}  // namespace
}  // namespace orvane
