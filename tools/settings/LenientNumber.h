#pragma once
// Lenient number text, for fields where the user may type units or stray
// characters ("1,5 m"). The decimal separator in force is always ".".

#include <string>

namespace orvane {

// Blanks removed; then, from the first character (the second after a leading
// "-"), everything that is not a digit, "E" or "e" is dropped.
// "12a3" -> "123", "-4-5" -> "-45".
std::string CleanIntegerText(const std::string& text);

// Blanks removed; the first "," becomes "."; from the first character (the
// second after a leading "-") everything but digits, "E", "e" and "." is
// dropped; only the first "." is kept.
// " 1,5 m" -> "1.5", "1,234.5" -> "1.2345", "-1.5e-3" -> "-1.5e3", "12..3" -> "12.3".
std::string CleanRealText(const std::string& text);

// CleanIntegerText, "" counts as "0", then a strict 32-bit conversion;
// defaultValue when that fails ("1E3", overflow).
int ReadLenientInteger(int defaultValue, const std::string& text);

// CleanRealText, "" counts as "0", then a strict conversion; defaultValue when
// it fails ("E", "-", out of the range of a double). "abc" reads as 0.
double ReadLenientReal(const std::string& text, double defaultValue);

// 1-based position of the first occurrence of sub in text that begins at
// position start or later; 0 when there is none or sub is empty. A start
// below 1 searches the whole text.
int FindFrom(const std::string& sub, const std::string& text, int start);

}  // namespace orvane
