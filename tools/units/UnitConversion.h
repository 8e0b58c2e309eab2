#pragma once
// Conversion between common engineering units of seven kinds, for the unit
// conversion window. Toolkit-free.
//
// Tabs (kinds), in window order: 0 Length, 1 Area, 2 Volume, 3 Force,
// 4 Stress, 5 Mass, 6 Specific weight; five units each, indices 0..4. An index
// outside its range counts as 0, as an unset selector does.

#include <string>

namespace orvane {

inline constexpr int kUnitTabCount = 7;
inline constexpr int kUnitsPerTab = 5;

// The tab's caption, also its heading: "Length", ..., "Spec. weight".
std::string UnitTabCaption(int tab);

// The unit's name as shown, UTF-8 ("m²", "N/m²=Pa", "lbf/ft³").
std::string UnitName(int tab, int unit);

// How many "to" units make one "from" unit. The tables hold single-precision
// numbers as published (not derived from one another, so psi -> Pa and
// Pa -> psi need not be reciprocals); Area and Volume take the Length entry
// squared and cubed, evaluated in double.
double UnitFactor(int tab, int from, int to);

// value in unit "from" expressed in unit "to": value x UnitFactor, in double.
double ConvertUnits(int tab, int from, int to, double value);

// The result text, by the first test that holds:
//   x > 1000          scientific "1.235E+003"
//   x >= 10           "%7.2f"   ("1000.00")
//   x >= 1            "%7.3f"   ("  3.281")
//   x < 0.001         scientific (0 and every negative value land here)
//   otherwise         "%8.5f"   (" 0.30480")
// The scientific form has four significant digits and an exponent of at least
// three digits ("0.000E+000", "-5.000E+000"), never padded. The last digit is
// rounded half away from zero on the value's decimal digits (15 significant
// figures, what a double holds reliably), so 1234.5 gives 1.235E+003 where
// printf's binary rounding gives 1.234E+03. "-0" reads as "0.000E+000".
// NaN gives "NaN" and the infinities "+Inf" and "-Inf": short enough for the
// result display, and read by an engineer as no number.
std::string UnitResultText(double x);

// The text typed into a tab's input field as a number. Text that reads as a
// plain number ("2,5" with either separator, "1.5e-3", " -4 ") is taken as
// it stands; anything else goes through ReadLenientReal, which drops stray
// characters ("1,5 m" -> 1.5) and gives 0 for text holding no number. The
// plain reading first keeps a negative exponent, which the lenient cleaning
// would drop ("1.5e-3" would read as 1500).
double ReadUnitInput(const std::string& text);

// Pixel sizes of the factor grid's cells for a grid whose client area is
// clientWidth x clientHeight: the first column round(0.12 w) - 1, the other
// columns round(0.175 w) - 1, every row round(0.16 h) - 1 (halves to even;
// the one-pixel grid line comes on top of each). Never negative.
struct FactorGridSizes {
    int firstColumn = 0;
    int column = 0;
    int row = 0;
};
FactorGridSizes FactorGridCellSizes(int clientWidth, int clientHeight);

}  // namespace orvane
