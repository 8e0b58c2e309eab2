#include "tools/units/UnitConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "tools/settings/LenientNumber.h"

namespace orvane {

namespace {

enum Tab { kLength = 0, kArea, kVolume, kForce, kStress, kMass, kSpecWeight };

using Table = float[kUnitsPerTab][kUnitsPerTab];

// Row "from", column "to": the number of "to" units in one "from" unit, as
// published, in single precision.
constexpr Table kLengthTable = {
    {1.0f, 100.0f, 1000.0f, 3.281f, 39.37f},   {0.01f, 1.0f, 10.0f, 0.03281f, 0.3937f},
    {0.001f, 0.1f, 1.0f, 0.003281f, 0.03937f}, {0.3048f, 30.48f, 304.8f, 1.0f, 12.0f},
    {0.0254f, 2.54f, 25.4f, 0.08333f, 1.0f},
};

constexpr Table kForceTable = {
    {1.0f, 0.001f, 0.102f, 0.000102f, 0.22481f},
    {1000.0f, 1.0f, 102.0f, 0.102f, 224.81f},
    {9.81f, 0.00981f, 1.0f, 0.001f, 2.2054f},
    {9810.0f, 9.81f, 1000.0f, 1.0f, 2205.4f},
    {4.4482f, 0.0044482f, 0.453597f, 0.000453597f, 1.0f},
};

constexpr Table kStressTable = {
    {1.0f, 0.000001f, 0.0000102f, 0.02088f, 0.00014501f}, {1000000.0f, 1.0f, 10.2f, 20880.0f, 145.01f},
    {98100.0f, 0.0981f, 1.0f, 2048.34f, 14.22475f},       {47.8924f, 0.0000478924f, 0.0004882f, 1.0f, 0.0069455f},
    {6896.0f, 0.006896f, 0.0703f, 144.0f, 1.0f},
};

constexpr Table kMassTable = {
    {1.0f, 1000.0f, 0.001f, 2.205f, 35.27f},        {0.001f, 1.0f, 0.000001f, 0.002205f, 0.03527f},
    {1000.0f, 1000000.0f, 1.0f, 2205.0f, 35270.0f}, {0.4536f, 453.6f, 0.0004536f, 1.0f, 16.0f},
    {0.02835f, 28.35f, 0.00002835f, 0.0625f, 1.0f},
};

constexpr Table kSpecWeightTable = {
    {1.0f, 0.000001f, 0.102f, 102.0f, 6.3649f},         {1000000.0f, 1.0f, 102000.0f, 102000000.0f, 6364900.0f},
    {9.81f, 0.00000981f, 1.0f, 1000.0f, 62.4408f},      {0.00981f, 0.00000000981f, 0.001f, 1.0f, 0.0624408f},
    {0.1571f, 0.0000001571f, 0.016015f, 16.015f, 1.0f},
};

constexpr const char* kCaptions[kUnitTabCount] = {"Length", "Area", "Volume",      "Force",
                                                  "Stress", "Mass", "Spec. weight"};

constexpr const char* kUnitNames[kUnitTabCount][kUnitsPerTab] = {
    {"m", "cm", "mm", "ft", "in"},
    {"m²", "cm²", "mm²", "ft²", "in²"},
    {"m³", "cm³", "mm³", "ft³", "in³"},
    {"N", "kN", "kgf", "tf", "lbf"},
    {"N/m²=Pa", "N/mm²", "kgf/cm²", "psf", "psi"},
    {"kg", "g", "t", "lb", "oz"},
    {"kN/m³", "N/mm³", "tf/m³", "kgf/m³", "lbf/ft³"},
};

int ValidTab(int tab) { return tab >= 0 && tab < kUnitTabCount ? tab : 0; }
int ValidUnit(int unit) { return unit >= 0 && unit < kUnitsPerTab ? unit : 0; }

// |x| as 15 significant decimal digits d0 d1 ... d14 and the power of ten
// of d0: |x| = d0.d1d2... x 10^exponent. Zero gives all zeros and exponent 0.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

constexpr int kSignificant = 15;

DecimalDigits ToDecimal(double magnitude)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificant - 1);
    const std::string text(buf, r.ptr);  // "d.dddddddddddddde+XX"
    DecimalDigits d;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

// The first count digits of d rounded half away from zero at the next digit;
// a carry out of the first digit makes the result one digit longer ("999" ->
// "1000"). count may exceed the digits held (zeros follow) or be 0 (the
// result is then "1" or "").
std::string RoundDigits(const DecimalDigits& d, int count)
{
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(std::clamp(count, 0, kSignificant)));
    kept.resize(static_cast<std::size_t>(std::max(count, 0)), '0');
    const bool up = count >= 0 && count < kSignificant && d.digits[static_cast<std::size_t>(count)] >= '5';
    if (!up)
        return kept;
    for (std::size_t i = kept.size(); i-- > 0;) {
        if (kept[i] != '9') {
            ++kept[i];
            return kept;
        }
        kept[i] = '0';
    }
    return "1" + kept;
}

bool AllZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

// "%.3E" with an exponent of at least three digits.
std::string Scientific(double x)
{
    const DecimalDigits d = ToDecimal(std::fabs(x));
    std::string mantissa = RoundDigits(d, 4);
    int exponent = d.exponent;
    if (mantissa.size() > 4) {  // 9.9995 became 10.00
        mantissa.resize(4);
        ++exponent;
    }
    if (AllZero(mantissa))
        exponent = 0;
    std::string text = (x < 0 && !AllZero(mantissa)) ? "-" : "";
    text += mantissa.substr(0, 1) + "." + mantissa.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return text + digits;
}

// "%width.decimalsf".
std::string Fixed(double x, int width, int decimals)
{
    const DecimalDigits d = ToDecimal(std::fabs(x));
    // Digits up to the last decimal kept: those before the point and the decimals.
    std::string digits = RoundDigits(d, d.exponent + 1 + decimals);
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string text = (x < 0 && !AllZero(digits)) ? "-" : "";
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(decimals)) + "." +
            digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

}  // namespace

std::string UnitTabCaption(int tab) { return kCaptions[ValidTab(tab)]; }

std::string UnitName(int tab, int unit) { return kUnitNames[ValidTab(tab)][ValidUnit(unit)]; }

double UnitFactor(int tab, int from, int to)
{
    const int a = ValidUnit(from);
    const int b = ValidUnit(to);
    switch (ValidTab(tab)) {
    case kArea: {
        const double f = kLengthTable[a][b];
        return f * f;
    }
    case kVolume: {
        const double f = kLengthTable[a][b];
        return f * f * f;
    }
    case kForce: return kForceTable[a][b];
    case kStress: return kStressTable[a][b];
    case kMass: return kMassTable[a][b];
    case kSpecWeight: return kSpecWeightTable[a][b];
    default: return kLengthTable[a][b];
    }
}

double ConvertUnits(int tab, int from, int to, double value) { return value * UnitFactor(tab, from, to); }

std::string UnitResultText(double x)
{
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "+Inf" : "-Inf";
    if (x > 1000)
        return Scientific(x);
    if (x >= 10)
        return Fixed(x, 7, 2);
    if (x >= 1)
        return Fixed(x, 7, 3);
    if (x < 0.001)
        return Scientific(x);
    return Fixed(x, 8, 5);
}

double ReadUnitInput(const std::string& text)
{
    std::string plain = text;
    RemoveChar(plain, ' ');
    if (const auto comma = plain.find(','); comma != std::string::npos && plain.find('.') == std::string::npos)
        plain[comma] = '.';
    double value = 0.0;
    if (!plain.empty() && ParseReal(plain, value) && std::isfinite(value))
        return value;
    return ReadLenientReal(text, 0.0);
}

FactorGridSizes FactorGridCellSizes(int clientWidth, int clientHeight)
{
    FactorGridSizes s;
    s.firstColumn = std::max(0, RoundEven(0.12 * clientWidth) - 1);
    s.column = std::max(0, RoundEven(0.175 * clientWidth) - 1);
    s.row = std::max(0, RoundEven(0.16 * clientHeight) - 1);
    return s;
}

}  // namespace orvane
