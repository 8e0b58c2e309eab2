#pragma once
// Text between the program's std::string (UTF-8, or Windows-1252 bytes where
// the project file and the drawing keep 8-bit text) and the QString every
// widget shows. The one place these conversions live.

#include <QString>
#include <string>

#include "core/Text1252.h"

namespace orvane {

inline QString FromUtf8(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString From1252(const std::string& text1252) { return FromUtf8(Cp1252ToUtf8(text1252)); }

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// Characters Windows-1252 cannot hold become '?'.
inline std::string To1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace orvane
