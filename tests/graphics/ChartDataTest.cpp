// The result charts as data - the axis rules, checked without a window - and
// their one painter on images and PDF pages of any size.

#include "graphics/ChartData.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "graphics/ChartPainter.h"

namespace orvane {
namespace {

WaveResults ElevationsBetween(float low, float high)
{
    WaveResults r {};
    r.SampleCount = kSampleCount;
    r.TimeStep = 0.25f;
    r.Elevation[10] = low;
    r.Elevation[999] = high;
    r.Elevation[0] = -50.0f;  // index 0 is not a sample
    return r;
}

TEST(ChartData, TimeSeriesAxisIsTheIntegerPartPlusOne)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        float low, high;
        double bound;
    } cases[] = {
        {"-1.3 to 0.8", -1.3f, 0.8f, 2.0},    {"-0.4 to 0.4", -0.4f, 0.4f, 1.0},
        {"-0.4 to 0.7", -0.4f, 0.7f, 1.0},    {"flat", 0.0f, 0.0f, 1.0},
        {"exactly -2", -2.0f, 1.0f, 3.0},     {"exactly 2", 0.5f, 2.0f, 3.0},
        {"a damaged sample", nan, 0.3f, 1.0},
    };
    ProjectRecord metres {};
    SetProjectDefaults(metres);
    for (const Case& c : cases) {
        const ChartData chart = TimeSeriesChart(ElevationsBetween(c.low, c.high), metres);
        EXPECT_EQ(chart.left.min, -c.bound) << c.name;
        EXPECT_EQ(chart.left.max, c.bound) << c.name;
        EXPECT_EQ(chart.left.increment, c.bound / 2) << c.name;
    }
    const ChartData chart = TimeSeriesChart(ElevationsBetween(-0.4f, 0.7f), metres);
    EXPECT_EQ(chart.left.title, "H [m]");
    EXPECT_EQ(chart.bottom.title, "sec");
    EXPECT_EQ(chart.left.labelFormat, "%.2f");
    EXPECT_TRUE(chart.bottom.fitsItself);
    EXPECT_EQ(chart.bottom.max, 249.75);
    ASSERT_EQ(chart.points.size(), static_cast<std::size_t>(kSampleCount));
    EXPECT_EQ(chart.points[9], (ChartPoint {2.25, -0.4f}));
    metres.CoordUnits = kCoordMiles;
    const ChartData feet = TimeSeriesChart(ElevationsBetween(-0.4f, 0.7f), metres);
    EXPECT_EQ(feet.left.title, "H [ft]");
    // The view's readout: the sample nearest the cursor, in the project's unit.
    EXPECT_EQ(NearestPoint(feet, 2.3), 9);
    EXPECT_EQ(Readout(feet, feet.points[9]), "t = 2.25 s, H = -0.40 ft");
    EXPECT_EQ(NearestPoint(feet, std::numeric_limits<double>::quiet_NaN()), -1);
    EXPECT_EQ(NearestPoint(ChartData {}, 1.0), -1);
}

TEST(ChartData, SpectrumAxisIsAQuarterOfItsLargestDensity)
{
    WaveResults r {};
    r.FreqCount = kFreqCount;
    const ChartData zero = SpectrumChart(r);
    EXPECT_EQ(zero.left.min, 0.0);
    EXPECT_EQ(zero.left.max, 0.0);
    EXPECT_EQ(zero.left.increment, 0.0);
    // Drawn as 0..1 so that an empty run still shows its axes.
    const AxisRange drawn = DrawnRange(zero.left);
    EXPECT_EQ(drawn.to, 1.0);
    EXPECT_EQ(drawn.step, 0.25);

    for (int k = 1; k <= kFreqCount; ++k) {
        r.Freq[k] = 0.05f * k;
        r.Density[k] = 0.01f * k;
    }
    r.Density[0] = 99.0f;  // not a frequency
    r.Density[7] = std::numeric_limits<float>::quiet_NaN();
    const ChartData chart = SpectrumChart(r);
    EXPECT_EQ(chart.left.max, 0.01f * kFreqCount);
    EXPECT_EQ(chart.left.increment, 0.01f * kFreqCount / 4.0);
    EXPECT_EQ(chart.left.labelFormat, "%.2f");
    EXPECT_EQ(chart.points.size(), static_cast<std::size_t>(kFreqCount - 1)) << "the NaN density is a gap";
    EXPECT_TRUE(chart.filled);
    EXPECT_EQ(chart.bottom.min, 0.05f);
    EXPECT_EQ(chart.left.title, "S(f)");
    EXPECT_EQ(chart.bottom.title, "f (Hz)");
}

TEST(ChartData, FittedAxisTakesWhatItsLengthHolds)
{
    const auto width = [](const std::string& text) { return 7.0 * static_cast<double>(text.size()); };
    struct Case {
        const char* name;
        double lo, hi, length;
        AxisRange range;
        const char* format;
    } cases[] = {
        {"a long time axis", 0, 249.75, 600, {0, 250, 50}, "%.2f"},
        // Two intervals of a 1, 2, 2.5 or 5 step: the range widens to the next tick.
        {"a short one", 0, 249.75, 150, {0, 400, 200}, "%.2f"},
        {"frequencies", 0.0584, 0.9, 300, {0, 1, 0.2}, ""},
        {"an empty range", 3, 3, 300, {0, 1, 0.2}, ""},
    };
    for (const Case& c : cases) {
        const FittedAxis fitted = FitAxis(c.lo, c.hi, c.length, width, 10, c.format);
        EXPECT_DOUBLE_EQ(fitted.range.from, c.range.from) << c.name;
        EXPECT_DOUBLE_EQ(fitted.range.to, c.range.to) << c.name;
        EXPECT_DOUBLE_EQ(fitted.range.step, c.range.step) << c.name;
    }
    EXPECT_EQ(FitAxis(0.0584, 0.9, 300, width, 10, "").labelFormat, "%.2f");
    EXPECT_EQ(FitAxis(0, 2000, 600, width, 10, "").labelFormat, "%.0f");
    EXPECT_EQ(TickValues({-1, 1, 0.5}), (std::vector<double> {-1, -0.5, 0, 0.5, 1}));
    EXPECT_EQ(TickValues({0, 1, 0}), std::vector<double> {});

    // A tiny run's increment on a huge run's range would lay out millions of
    // ticks: a fixed axis never takes more than a thousand.
    ChartAxis jump;
    jump.max = 1.0e6;
    jump.increment = 1.0e-3;
    EXPECT_EQ(TickValues(DrawnRange(jump)).size(), 5u);
}

int CountBlue(const QImage& image, const QRect& inside)
{
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
    return count;
}

TEST(ChartPainter, PaintsInsideItsAreaAtAnySize)
{
    WaveResults r {};
    r.FreqCount = kFreqCount;
    for (int k = 1; k <= kFreqCount; ++k) {
        r.Freq[k] = 0.02f * k;
        r.Density[k] = static_cast<float>(std::exp(-std::pow((k - 20) / 5.0, 2)));
    }
    const ChartData chart = SpectrumChart(r);
    for (const QSize size : {QSize(300, 200), QSize(1200, 800)}) {
        QImage image(size.width() + 40, size.height() + 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRect area(20, 20, size.width(), size.height());
        {
            QPainter painter(&image);
            PaintChart(painter, area, chart);
        }
        // The filled peak covers a good part of the plot, and nothing leaves the area.
        EXPECT_GT(CountBlue(image, area), size.width() * size.height() / 50) << size.width();
        EXPECT_EQ(CountBlue(image, image.rect()), CountBlue(image, area));
        EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    }

    // A PDF page: vector output at the writer's resolution, in its device units.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        QPainter painter(&writer);
        PaintChart(painter, QRectF(0, 0, 87.0 / 25.4 * 1200, 58.5 / 25.4 * 1200), chart);
    }
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "no pixmaps on paper";
}

}  // namespace
}  // namespace orvane
