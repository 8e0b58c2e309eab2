#include "tools/units/UnitConversion.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

enum { Length, Area, Volume, Force, Stress, Mass, SpecWeight };

TEST(UnitConversion, ConvertedValueAsShown)
{
    const struct {
        const char* name;
        int tab, from, to;
        double value;
        const char* text;
    } cases[] = {
        {"m to ft", Length, 0, 3, 1, "  3.281"},
        {"ft to m", Length, 3, 0, 1, " 0.30480"},
        {"m to mm is not above 1000", Length, 0, 2, 1, "1000.00"},
        {"2 m to mm", Length, 0, 2, 2, "2.000E+003"},
        {"in to ft", Length, 4, 3, 3, " 0.24999"},  // 3 x 0.08333: the table, not 1/12
        {"ft2 to m2", Area, 3, 0, 1, " 0.09290"},
        {"m2 to in2", Area, 0, 4, 1, "1.550E+003"},
        {"m3 to cm3", Volume, 0, 1, 1, "1.000E+006"},
        {"ft3 to m3", Volume, 3, 0, 1, " 0.02832"},
        {"kN to lbf", Force, 1, 4, 1, " 224.81"},
        {"lbf to tf", Force, 4, 3, 1, "4.536E-004"},
        {"psi to Pa", Stress, 4, 0, 1, "6.896E+003"},
        {"Pa to psi, no reciprocal", Stress, 0, 4, 1, "1.450E-004"},
        {"kgf/cm2 to psf", Stress, 2, 3, 1, "2.048E+003"},
        {"lb to kg", Mass, 3, 0, 1, " 0.45360"},
        {"t to oz", Mass, 2, 4, 1, "3.527E+004"},
        {"kgf/m3 to N/mm3", SpecWeight, 3, 1, 1, "9.810E-009"},
        {"lbf/ft3 to kN/m3", SpecWeight, 4, 0, 10, "  1.571"},
        {"negative", Length, 0, 3, -1, "-3.281E+000"},
        {"zero", Mass, 0, 1, 0, "0.000E+000"},
        {"tab out of range is Length", 9, 0, 3, 1, "  3.281"},
        {"units out of range are the first", Length, -1, 7, 5, "  5.000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitResultText(ConvertUnits(c.tab, c.from, c.to, c.value)), c.text) << c.name;
}

TEST(UnitConversion, FactorsAreSinglePrecisionAsPublished)
{
    // 0.3048 rounded to float32 first: a double table would give 0.09290304.
    const double ft = static_cast<double>(0.3048f);
    EXPECT_DOUBLE_EQ(ConvertUnits(Area, 3, 0, 1.0), ft * ft);
    EXPECT_DOUBLE_EQ(ConvertUnits(Volume, 3, 0, 2.0), 2.0 * ft * ft * ft);
    EXPECT_NE(ConvertUnits(Area, 3, 0, 1.0), 0.3048 * 0.3048);
    EXPECT_DOUBLE_EQ(ConvertUnits(Stress, 4, 0, 1.0), 6896.0);
    EXPECT_DOUBLE_EQ(ConvertUnits(Stress, 0, 4, 1.0), static_cast<double>(0.00014501f));
}

TEST(UnitConversion, ResultFormatBoundariesAndRounding)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {1000.0001, "1.000E+003"},
        {1000, "1000.00"},
        {999.995, "1000.00"},
        {10, "  10.00"},
        {9.9999, " 10.000"},
        {1, "  1.000"},
        {0.999996, " 1.00000"},
        {0.001, " 0.00100"},
        {0.000999, "9.990E-004"},
        {0, "0.000E+000"},
        {-0.0, "0.000E+000"},
        {-5, "-5.000E+000"},
        {-0.0004, "-4.000E-004"},
        {2.5e-12, "2.500E-012"},
        {1e300, "1.000E+300"},
        {9999.5, "1.000E+004"},
        // Halves go away from zero on the decimal value; printf rounds the
        // binary value (1.234E+03, 12.34, 1.000, 0.12345).
        {1234.5, "1.235E+003"},
        {-1234.5, "-1.235E+003"},
        {12.345, "  12.35"},
        {1.0005, "  1.001"},
        {0.123455, " 0.12346"},
        {std::nan(""), "NaN"},
        {inf, "+Inf"},
        {-inf, "-Inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitResultText(c.x), c.text) << c.x;
}

TEST(UnitConversion, ReadUnitInput)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2,5", 2.5},       {"2.5", 2.5},        {"", 0},      {"abc", 0},        {" -4 ", -4}, {"1,5 m", 1.5},
        {"1.5e-3", 0.0015}, {"1,234.5", 1.2345}, {"1e999", 0}, {"12 000", 12000},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ReadUnitInput(c.text), c.value) << '"' << c.text << '"';
}

TEST(UnitConversion, FactorGridCellSizes)
{
    const struct {
        int w, h, first, column, row;
    } cases[] = {
        {461, 153, 54, 80, 23},
        {60, 100, 6, 9, 15},  // 0.175 x 60 = 10.5 goes to the even 10
        {0, 0, 0, 0, 0},      // never negative
    };
    for (const auto& c : cases) {
        const FactorGridSizes s = FactorGridCellSizes(c.w, c.h);
        EXPECT_EQ(s.firstColumn, c.first) << c.w;
        EXPECT_EQ(s.column, c.column) << c.w;
        EXPECT_EQ(s.row, c.row) << c.h;
    }
}

}  // namespace
}  // namespace orvane
