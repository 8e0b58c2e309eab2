#include "tools/ExponentText.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ExponentText, SplitExponent)
{
    const struct {
        const char* text;
        const char* mantissa;
        const char* exponent;  // nullptr: no exponent
    } cases[] = {
        {"1.235E+003", "1.235", "+3"},
        {"2.500E-012", "2.500", "-12"},
        {"3.281", "3.281", nullptr},
        {"0.000E+000", "0.000", "+0"},
        {"-5.000E+000", "-5.000", "+0"},
        {"9.810E-009", "9.810", "-9"},
        {"1.000E+012", "1.000", "+12"},
        {"1.0E+100", "1.0", "+100"},
        {"1E+5", "1", "+5"},
        {"1.000E+0", "1.000", "+"},  // what is there, no more
        {"1.5e+003", "1.5e+003", nullptr},
        {"", "", nullptr},
    };
    for (const auto& c : cases) {
        const SplitNumber split = SplitExponent(c.text);
        EXPECT_EQ(split.mantissa, c.mantissa) << c.text;
        EXPECT_EQ(split.hasExponent, c.exponent != nullptr) << c.text;
        EXPECT_EQ(split.exponent, c.exponent ? c.exponent : "") << c.text;
    }
}

TEST(ExponentText, ExponentToPower)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1.235E+003", "1.235x10^+3"},
        {"9.810E-009", "9.810x10^-9"},
        {"1.000E+012", "1.000E+012"},
        {"2.500E-012", "2.500E-012"},
        {"3.281", "3.281"},
        {"1E+001 1E-001", "1x10^+1 1x10^-1"},
        {"1E+001 1E+002", "1x10^+1 1E+002"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ExponentToPower(text), expected) << text;
}

}  // namespace
}  // namespace orvane
