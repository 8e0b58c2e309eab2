#pragma once
// The number and date conventions of the whole program, whatever the user's
// regional settings: "." for decimals, a blank between thousands, "/" in
// dates, short dates as dd/MM/yyyy. Numbers themselves are formatted with
// orvane::Format and read with ParseInt/ParseReal, which never consult a
// locale; SetFormatDefaults (tools/settings/FormatDefaults.h) keeps the C and Qt
// locales from disagreeing.

#include <string>

namespace orvane {

inline constexpr char kDecimalSeparator = '.';
inline constexpr char kThousandSeparator = ' ';
inline constexpr char kDateSeparator = '/';
inline constexpr const char* kShortDateFormat = "dd/MM/yyyy";  // in Qt's date-format letters

// The short date: day and month with two digits, the year with four: "09/12/2026".
std::string ShortDateText(int year, int month, int day);

// A whole number with a blank between groups of three digits: "1 234 567".
std::string GroupedInteger(long long value);

}  // namespace orvane
