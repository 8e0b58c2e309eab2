#pragma once
// The program's own version, year.month.day.build ("2026.12.9.1"), set by the
// build (it stands in for the version resource a Windows program reads from
// its own file), and the same as a date for the status bar and the About
// window.

#include <string>

namespace orvane {

std::string ProgramVersionString();

inline constexpr int kVersionShort = 4;  // "Vers.09.12.2026 "
inline constexpr int kVersionLong = 2;   // "Version 09.12.2026 "

// version is year.month.day.build. The date text is day "." month "." year:
// day and month read leniently (0 when no number) with at least two digits;
// the year keeps the blank that stands for the dot after it, and a year
// shorter than four characters gets "00" after its first character ("26 " ->
// "2006 "). form kVersionShort gives "Vers." + date, any other form
// "Version " + date. "2023.2.14.8" -> "Vers.14.02.2023 "; "" -> "Vers.00.00.00".
std::string VersionTextOf(const std::string& version, int form);

// VersionTextOf(ProgramVersionString(), form).
std::string VersionText(int form);

}  // namespace orvane
