#pragma once
// Windows-1252 at the edges: project titles and other stored 8-bit text are
// Windows-1252 bytes; everything shown to the user is Unicode (UTF-8 here).

#include <string>
#include <string_view>

namespace orvane {

std::string Cp1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold become '?'. Malformed UTF-8 bytes
// are taken as Windows-1252 bytes, so no input is lost silently.
std::string Utf8ToCp1252(std::string_view utf8);

inline constexpr char kDegreeSign1252 = '\xB0';

}  // namespace orvane
