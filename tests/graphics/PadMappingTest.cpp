// The pad's map-scale mapping: the origin, rounding halves to even, the snap
// lattice and its readout, and list tables whose values match their captions.

#include "graphics/PadMapping.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include <gtest/gtest.h>

#include "core/Format.h"

namespace orvane {
namespace {

// Kilometres at "1cm:10Km" with 4 pixels per millimetre: 4 pixels per km.
PadMapping FourPixelsPerKm()
{
    PadMapping m;
    m.PixelsPerMmX = m.PixelsPerMmY = 4;
    return m;
}

double LeadingNumber(std::string_view text)
{
    const auto digits = text.find_first_of("0123456789");
    double value = 0;
    std::from_chars(text.data() + digits, text.data() + text.size(), value);
    return value;
}

TEST(PadMapping, OriginIsTheBottomLeftPixel)
{
    const PadMapping m;
    EXPECT_EQ(m.WorldToPixel(0, 0), (PadPixel {0, 995}));
    EXPECT_EQ(m.PixelToWorld(0, 995), (PadXY {0, 0}));
    // One kilometre is one screen millimetre at "1cm:10Km".
    EXPECT_DOUBLE_EQ(m.PixelsPerUnitX(), m.PixelsPerMmX);
}

TEST(PadMapping, OriginAnywhere)
{
    struct Case {
        const char* name;
        double originX, originY;
    };
    // Kilometres: a UTM project in metres, a region left of and below world 0.
    for (const Case c : {Case {"UTM", 542.0, 4394.0}, {"negative", -123.25, -40.5}}) {
        PadMapping m = FourPixelsPerKm();
        m.OriginX = c.originX;
        m.OriginY = c.originY;
        EXPECT_EQ(m.WorldToPixel(c.originX, c.originY), (PadPixel {0, 995})) << c.name;
        EXPECT_EQ(m.WorldToPixel(c.originX + 12.5, c.originY + 2.5), (PadPixel {50, 985})) << c.name;
        const PadXY w = m.PixelToWorld(50, 985);
        EXPECT_EQ(w, (PadXY {c.originX + 12.5, c.originY + 2.5})) << c.name;
        // Positions from the mouse are float32, as the record stores them.
        m.PixelsPerMmX = m.PixelsPerMmY = 3.78f;
        const PadXY odd = m.PixelToWorld(7, 3);
        EXPECT_EQ(odd.X, static_cast<float>(odd.X)) << c.name;
        EXPECT_EQ(odd.Y, static_cast<float>(odd.Y)) << c.name;
    }
}

TEST(PadMapping, WorldToPixelRoundsHalvesToEven)
{
    PadMapping m = FourPixelsPerKm();
    m.PixelsPerMmX = m.PixelsPerMmY = 2;
    EXPECT_EQ(m.WorldToPixel(1.25, 1.25), (PadPixel {2, 993}));  // 2.5 -> 2
    EXPECT_EQ(m.WorldToPixel(1.75, 1.75), (PadPixel {4, 991}));  // 3.5 -> 4
    EXPECT_EQ(m.WorldToPixel(-1.25, 0), (PadPixel {-2, 995}));
    EXPECT_EQ(m.WorldToPixel(1e30, NAN), (PadPixel {kPadPixelLimit, 995}));
}

TEST(PadMapping, SnapToTenthOfATenKilometreGrid)
{
    PadMapping m = FourPixelsPerKm();
    m.SnapFraction = PadSnaps[4].Fraction;  // "1/10"
    ASSERT_FLOAT_EQ(m.SnapDistance(), 1.0f);
    struct Case {
        float in, out;
    };
    for (const Case c : {Case {12.46f, 12}, {7.5f, 8}, {-3.4f, -3}, {2.5f, 2}, {-2.5f, -2}, {0.5f, 0}})
        EXPECT_EQ(m.SnapValue(c.in), c.out) << c.in;
    EXPECT_FALSE(std::signbit(m.SnapValue(-0.4f)));

    // Pixel (50, 30 rows above the bottom) is world (12.5, 7.5).
    const PadXY w = m.PixelToWorld(50, 995 - 30);
    EXPECT_EQ(Format("x=%.3f, y=%.3f [%s]", w.X, w.Y, PadUnits[1].Label), "x=12.000, y=8.000 [Km]");

    m.SnapFraction = PadSnaps[0].Fraction;
    const PadXY free = m.PixelToWorld(49, 995 - 30);
    EXPECT_EQ(Format("x=%.3f, y=%.3f", free.X, free.Y), "x=12.250, y=7.500");
}

TEST(PadMapping, TableValuesMatchTheirCaptions)
{
    // "1cm=500kM": 500 km = 5e8 mm on 10 screen mm.
    for (const PadScaleRow& row : PadScales)
        EXPECT_DOUBLE_EQ(row.Ratio, LeadingNumber(row.Caption.substr(3)) * 1e5) << row.Caption;
    for (const PadGridRow& row : PadGridSizes)
        EXPECT_FLOAT_EQ(row.Size, static_cast<float>(LeadingNumber(row.Caption))) << row.Caption;
    EXPECT_EQ(PadSnaps[0].Fraction, 0.0f);
    for (std::size_t i = 1; i < PadSnaps.size(); ++i)
        EXPECT_FLOAT_EQ(PadSnaps[i].Fraction, 1.0f / static_cast<float>(LeadingNumber(PadSnaps[i].Caption.substr(2))))
            << PadSnaps[i].Caption;
}

}  // namespace
}  // namespace orvane
