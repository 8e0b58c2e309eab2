#pragma once
// Number texts in the "%.3E" shape (1.235E+003) taken apart for display
// with a raised power of ten.

#include <string>

namespace orvane {

struct SplitNumber {
    std::string mantissa;  // the text before the exponent, or the whole text
    std::string exponent;  // sign and digits, leading zeros dropped ("+3", "-12"); "" when none
    bool hasExponent = false;
};

// The first of "E+00", "E+0", "E+", "E-00", "E-0", "E-" (in this order) that
// occurs in t splits it, so leading zeros of the exponent go: the mantissa is the
// text before it, the exponent the pattern's sign and the 1, 2 or 3
// characters after "E+00"/"E-00", "E+0"/"E-0" or "E+"/"E-".
// 1.235E+003 -> 1.235 and "+3"; 2.500E-012 -> 2.500 and "-12"; 3.281 -> no exponent.
SplitNumber SplitExponent(const std::string& t);

// The first "E+00" becomes "x10^+", then the first "E-00" "x10^-", so that a
// one-digit exponent is drawn raised: 1.235E+003 -> 1.235x10^+3. Exponents of
// two or more digits (1.000E+012) stay as they are.
std::string ExponentToPower(const std::string& t);

}  // namespace orvane
