#include "tools/settings/NumberConventions.h"

#include "core/Format.h"

namespace orvane {

std::string ShortDateText(int year, int month, int day)
{
    return Format("%02d%c%02d%c%04d", day, kDateSeparator, month, kDateSeparator, year);
}

std::string GroupedInteger(long long value)
{
    const std::string digits = Format("%lld", value);
    const std::size_t sign = (!digits.empty() && digits[0] == '-') ? 1 : 0;
    std::string out = digits.substr(0, sign);
    const std::size_t count = digits.size() - sign;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            out += kThousandSeparator;
        out += digits[sign + i];
    }
    return out;
}

}  // namespace orvane
