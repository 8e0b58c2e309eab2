// The settings JSON: what it refuses (with the place of the fault), what it
// keeps (key order, UTF-8, numbers to the last bit) and its limits.
#include "core/Json.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Json, WritesBackWhatItReadInTheSameOrder)
{
    const std::string text = "{\n  \"z\": 1,\n  \"a\": [\n    true,\n    null,\n    \"\xC3\xA9\\n\\u0001\"\n  ],\n"
                             "  \"m\": {},\n  \"n\": 0.1,\n  \"big\": -1.2345678901234567e+300\n}\n";
    const JsonParseResult parsed = ParseJson(text);
    ASSERT_TRUE(parsed.Ok()) << parsed.error;
    EXPECT_EQ(parsed.value.Members().front().first, "z");
    EXPECT_EQ(WriteJson(parsed.value), text);
    EXPECT_EQ(ParseJson(WriteJson(parsed.value)).value, parsed.value);
}

TEST(Json, EscapesAndSurrogatesBecomeUtf8)
{
    const JsonParseResult parsed = ParseJson("\xEF\xBB\xBF[\"\\u00e9\\ud83c\\udf0a\\/\\t\"]");
    ASSERT_TRUE(parsed.Ok()) << parsed.error;
    EXPECT_EQ(parsed.value.Elements().at(0).AsString(), "\xC3\xA9\xF0\x9F\x8C\x8A/\t");
}

TEST(Json, RefusesWithTheLineAndColumnOfTheFault)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1, column 1: the text ends where a value should be"},
        {"{\"a\": 1,\n \"a\": 2}", "line 2, column 2: the key \"a\" is given twice"},
        {"{\"a\": 01}", "line 1, column 8: ',' or '}' was expected"},
        {"[1.]", "line 1, column 4: digits were expected after the decimal point"},
        {"[1e999]", "line 1, column 2: the number is out of range"},
        {"[NaN]", "line 1, column 2: not a JSON value"},
        {"[\"\xC3\xA9\xC0\xAF\"]", "line 1, column 4: the text is not UTF-8"},  // overlong "/"
        {"[\"\xED\xA0\x80\"]", "line 1, column 3: the text is not UTF-8"},      // a surrogate written as UTF-8
        {"[\"\\udc00\"]", "line 1, column 9: a lone low surrogate"},
        {"[\"a\tb\"]", "line 1, column 4: a control character inside a string"},
        {"{\"a\" 1}", "line 1, column 6: ':' was expected after the key"},
        {"[1] [2]", "line 1, column 5: text after the value"},
    };
    for (const auto& c : cases) {
        const JsonParseResult parsed = ParseJson(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_TRUE(parsed.value.IsNull()) << c.text;
    }
}

TEST(Json, LimitsDepthAndSize)
{
    EXPECT_TRUE(ParseJson(std::string(32, '[') + std::string(32, ']')).Ok());
    EXPECT_EQ(ParseJson(std::string(33, '[') + std::string(33, ']')).error,
              "line 1, column 33: nested deeper than 32 levels");
    EXPECT_FALSE(ParseJson("[1]", JsonLimits {2, 32}).Ok());
}

TEST(Json, SetKeepsThePlaceOfAKnownKey)
{
    JsonValue v = ParseJson("{\"a\": 1, \"b\": 2}").value;
    v.Set("a", JsonValue::String("x"));
    v.Set("c", JsonValue::Number(3));
    EXPECT_TRUE(v.Remove("b"));
    EXPECT_EQ(WriteJson(v), "{\n  \"a\": \"x\",\n  \"c\": 3\n}\n");
}

}  // namespace
}  // namespace orvane
