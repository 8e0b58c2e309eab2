#include "core/NumberText.h"

#include <clocale>
#include <cmath>

#include <gtest/gtest.h>

#include "core/Format.h"

namespace orvane {
namespace {

TEST(TextToFloat, Table)
{
    struct Case {
        const char* text;
        float fallback;
        float expected;
    } cases[] = {
        {" 12,5 ", 7.0f, 12.5f},  // "," stands for "."
        {"", 7.0f, 0.0f},         // empty reads as 0, not as the fallback
        {"   ", 7.0f, 0.0f},      {"abc", 7.0f, 7.0f},     {"1.234,5", 7.0f, 7.0f},  // both separators: no guess
        {"1 000", 7.0f, 1000.0f}, {"-3.25", 7.0f, -3.25f}, {"+2", 7.0f, 2.0f},
        {"1e3", 7.0f, 1000.0f},   {"2.5E-1", 7.0f, 0.25f}, {".5", 7.0f, 0.5f},
        {"5.", 7.0f, 5.0f},       {"1,2,3", 7.0f, 7.0f},  // only the first "," is swapped
        {"1e", 7.0f, 7.0f},       {"inf", 7.0f, 7.0f},    // the readers take decimal numbers only
        {"nan", 7.0f, 7.0f},      {"1e39", 7.0f, 7.0f},   // beyond float32
        {"--1", 7.0f, 7.0f},      {"0x10", 7.0f, 7.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToFloat(c.text, c.fallback), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(TextToFloat("0.1", 0.0f), 0.1f) << "rounded to the nearest float32";
}

TEST(TextToInt, Table)
{
    struct Case {
        const char* text;
        std::int32_t fallback;
        std::int32_t expected;
    } cases[] = {
        {"4 2", 0, 42},
        {"x", 0, 0},
        {"", 5, 0},
        {"-17", 5, -17},
        {"+8", 5, 8},
        {"1.5", 5, 5},
        {"2147483647", 5, 2147483647},
        {"2147483648", 5, 5},
        {"+-3", 5, 5},
        {"-", 5, 5},
        {"$1F", 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToInt(c.fallback, c.text), c.expected) << '"' << c.text << '"';
}

TEST(RemoveCharTest, RemovesEveryOccurrence)
{
    std::string s = " a b  c ";
    RemoveChar(s, ' ');
    EXPECT_EQ(s, "abc");
}

// The program runs with the user's regional settings; a German locale must
// not turn "12.5" into 12 or print "12,500".
TEST(NumberTextLocale, IndependentOfTheCLocale)
{
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr)
        german = std::setlocale(LC_ALL, "de_DE");
    if (german == nullptr)
        GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(TextToFloat("12.5", 0.0f), 12.5f);
    EXPECT_EQ(Format("%8.3f", 12.5), "  12.500");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace orvane
