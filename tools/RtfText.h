#pragma once
// Text for an RTF document, shared by the report export and the manual
// builder: one escaper, so both documents treat every character alike.

#include <string>

namespace orvane {

// UTF-8 text as RTF: "\", "{" and "}" escaped; a tab as \tab, a line end (LF
// or U+2028) as \line, a no-break space as \~; other control characters
// dropped; printable ASCII as it is; a character of Windows-1252 as \'xx; any
// other as \uN? (N the signed 16-bit unit, "?" for readers without \u; a
// character beyond 16 bits as its two surrogate halves). Bytes that are no
// UTF-8 count as Windows-1252 characters of that value.
std::string RtfText(const std::string& utf8);

}  // namespace orvane
