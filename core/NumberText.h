#pragma once
// Typed text to numbers. The decimal separator is always "."; no locale is
// consulted. Both readers remove blanks first and read empty text as 0.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Removes every occurrence of c from text.
void RemoveChar(std::string& text, char c);

// Strict conversions with "." as decimal separator: optional sign, digits,
// optional fraction, optional exponent; the whole text must be the number.
// No blanks, no "inf"/"nan", no hexadecimal. false leaves value unchanged.
bool ParseReal(std::string_view text, double& value);
bool ParseFloat(std::string_view text, float& value);       // rounded to float32; false when out of range
bool ParseInt(std::string_view text, std::int32_t& value);  // false on overflow

// Text to float32: blanks removed, "" reads as 0, one "," may stand for "."
// ("12,5" reads as 12.5); text that is no number gives fallback.
float TextToFloat(std::string_view text, float fallback);

// Text to int32: blanks removed, "" reads as 0; text that is no number gives fallback.
std::int32_t TextToInt(std::int32_t fallback, std::string_view text);

}  // namespace orvane
