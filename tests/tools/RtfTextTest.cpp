#include "tools/RtfText.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(RtfText, OneEscaperForReportsAndManual)
{
    const struct {
        const char* name;
        const char* utf8;
        const char* rtf;
    } cases[] = {
        {"plain", "Hs = 2.00 m", "Hs = 2.00 m"},
        {"control characters of RTF", "a{b}\\c", "a\\{b\\}\\\\c"},
        {"degree sign through the code page", "45.000\u00B0", "45.000\\'b0"},
        {"euro sign in the code page's upper half", "\u20AC", "\\'80"},
        {"density unit through the code page", "S[ft\u00B2\u00B7s]", "S[ft\\'b2\\'b7s]"},
        {"Greek outside the code page", "\u03B1", "\\u945?"},
        {"high code point as signed 16 bits", "\u2264", "\\u8804?"},
        {"beyond 16 bits as two units", "\U0001F30A", "\\u-10180?\\u-8438?"},
        {"question mark stays", "?", "?"},
        {"line ends, tabs and no-break spaces", "a\nb\tc\u00A0d", "a\\line b\\tab c\\~d"},
        {"other control characters dropped",
         "a\x01\x7F"
         "b",
         "ab"},
        {"a byte that is no UTF-8 as the code page's", "\xB0", "\\'b0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfText(c.utf8), c.rtf) << c.name;
}

}  // namespace
}  // namespace orvane
