#include "tools/ExponentText.h"

#include <cstddef>

namespace orvane {

SplitNumber SplitExponent(const std::string& t)
{
    struct Pattern {
        const char* text;
        std::size_t digits;  // characters of the exponent that follow the pattern
    };
    static constexpr Pattern kPatterns[] = {{"E+00", 1}, {"E+0", 2}, {"E+", 3}, {"E-00", 1}, {"E-0", 2}, {"E-", 3}};
    SplitNumber split;
    for (const Pattern& p : kPatterns) {
        const std::string pattern = p.text;
        const auto at = t.find(pattern);
        if (at == std::string::npos)
            continue;
        split.mantissa = t.substr(0, at);
        split.exponent = pattern.substr(1, 1) + t.substr(at + pattern.size(), p.digits);
        split.hasExponent = true;
        return split;
    }
    split.mantissa = t;
    return split;
}

std::string ExponentToPower(const std::string& t)
{
    std::string s = t;
    if (const auto at = s.find("E+00"); at != std::string::npos)
        s.replace(at, 4, "x10^+");
    if (const auto at = s.find("E-00"); at != std::string::npos)
        s.replace(at, 4, "x10^-");
    return s;
}

}  // namespace orvane
