#include "core/Format.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Format, ProgramFormats)
{
    EXPECT_EQ(Format("%5d %12.3f %12.3f", 1, 1000.0f, 250.5f), "    1     1000.000      250.500");
    EXPECT_EQ(Format("%8.3f", 0.0f), "   0.000");
    EXPECT_EQ(Format("%6.2f", 45.0f), " 45.00");
    EXPECT_EQ(Format("fs =%5.3f Hz", 1.0 / 4.122), "fs =0.243 Hz");
    EXPECT_EQ(Format("Ts =%5.2f sec", 4.122f), "Ts = 4.12 sec");
    EXPECT_EQ(Format("at angle %.2f\xB0,   fetch=%.2f %s", 45.0f, 12.345f, "km"),
              "at angle 45.00\xB0,   fetch=12.35 km");
    EXPECT_EQ(Format(" %3d", 7), "   7");
    EXPECT_EQ(Format("%-5s|", "ab"), "ab   |");
    EXPECT_EQ(Format("%05.1f", -2.25), "-02.2");
    EXPECT_EQ(Format("%+d %x %X %#x", 5, 255, 255, 255), "+5 ff FF 0xff");
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%.9g", 0.1f), "0.100000001");
    EXPECT_EQ(Format("%e", 1234.5), "1.234500e+03");
    EXPECT_EQ(Format("%*d|%-*d|", 4, 1, 3, 2), "   1|2  |");
}

// Every conversion must agree with the C library in the "C" locale.
TEST(Format, AgreesWithPrintf)
{
    const double values[] = {0.0, -0.0, 0.5, 1.5, 2.5, 0.125, 1e-7, 123456.789, -9.995, 1e20, 3.0e-300};
    const char* formats[] = {"%f", "%.0f", "%8.3f", "%.2f", "%e", "%.3E", "%g", "%.9g", "%12.4e", "%-10.1f|"};
    char buf[512];
    for (double v : values) {
        for (const char* f : formats) {
            std::snprintf(buf, sizeof buf, f, v);
            EXPECT_EQ(Format(f, v), buf) << f << " " << v;
        }
    }
}

TEST(Format, NonFiniteAndMissingArguments)
{
    EXPECT_EQ(Format("%5.2f", std::numeric_limits<double>::quiet_NaN()), "  nan");
    EXPECT_EQ(Format("%f", -std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(Format("%d and %d", 1), "1 and 0") << "a missing argument prints as zero, never crashes";
    EXPECT_EQ(Format("%s"), "");
    EXPECT_EQ(Format("trailing %"), "trailing %");
}

}  // namespace
}  // namespace orvane
