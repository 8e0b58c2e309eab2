#pragma once
// The program's own version, year.month.day.build ("2026.12.9.1"), set by the
// build. It stands in for the version resource a Windows program reads from
// its own file.

#include <string>

namespace orvane {

std::string ProgramVersionString();

}  // namespace orvane
