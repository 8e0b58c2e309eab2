// The results report: every formatted value, the table, the pages, the
// picture and its scale, and the record it leaves as it was.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reports/FormulaPicture.h"
#include "reports/OrvaneRep01F.h"
#include "reports/OrvaneRep02F.h"
#include "tests/reports/ReportTestSupport.h"

namespace orvane {
namespace {

using test::SampleResults;
using test::SquareProject;

std::string Text(const TOrvaneRep00& rep, const char* name) { return rep.QRep.ItemNamed(name).text; }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ResultsReport, ValuesByProjectUnits)
{
    const struct {
        const char* name;
        int coordUnits;
        int velocityUnits;
        float period;
        std::vector<std::pair<const char*, const char*>> expected;
    } cases[] = {
        {"Km project shows metres",
         3,
         1,
         8.0f,
         {{"WaterDepthValue", "100.000 m"},
          {"WindVelocityValue", "60.000 Km/hr"},
          {"FsValue", " fs = 0.125 Hz"},
          {"TsValue", " Ts = 8.00 sec"},
          {"HsValue", " Hs   = 2.00 m"},
          {"H13Value", " H1/3 = 2.00 m"},
          {"H110Value", " H1/10= 2.54 m"},
          {"HmaxValue", " Hmax= 3.20 m"}}},
        {"Miles project shows feet and m.p.h without a period",
         1,
         3,
         8.0f,
         {{"WaterDepthValue", "100.000 ft"},
          {"WindVelocityValue", "60.000 m.p.h"},
          {"HsValue", " Hs   = 6.56 ft"},
          {"H110Value", " H1/10= 8.35 ft"},
          {"HmaxValue", " Hmax= 10.50 ft"}}},
        {"ft project", 0, 0, 8.0f, {{"WaterDepthValue", "100.000 ft"}, {"WindVelocityValue", "60.000 m/sec"}}},
        {"a period of 0 has no frequency",
         2,
         2,
         0.0f,
         {{"FsValue", " fs = n/a Hz"}, {"TsValue", " Ts = 0.00 sec"}, {"WindVelocityValue", "60.000 ft/sec"}}},
        {"unknown velocity unit", 2, 7, 8.0f, {{"WindVelocityValue", "60.000 ?"}}},
    };
    for (const auto& c : cases) {
        ProjectRecord rec = SquareProject();
        rec.CoordUnits = c.coordUnits;
        rec.VelocityUnits = c.velocityUnits;
        WaveResults results = SampleResults();
        results.Period = c.period;
        const TOrvaneRep01 rep(rec, results);
        for (const auto& [item, text] : c.expected)
            EXPECT_EQ(Text(rep, item), text) << c.name << ": " << item;
    }
}

TEST(ResultsReport, AnglesWithTheDegreeSignAndMethodNames)
{
    ProjectRecord rec = SquareProject();
    rec.WindDirection = 5.0f;
    rec.SectorAngle = 120.0f;
    rec.SpectrumType = 2;  // the default: shown as the last item, as the main window shows it
    rec.SignificantMethod = 1;
    rec.DirectionalMethod = -1;
    const TOrvaneRep01 rep(rec, SampleResults());
    EXPECT_EQ(Text(rep, "WindDirectionValue"), " 5.000\u00B0");
    EXPECT_EQ(Text(rep, "WindFromValue"), "(from E, grid bearing 85.0\u00B0)");
    EXPECT_EQ(Text(rep, "WindSectorValue"), "120.000\u00B0");
    EXPECT_EQ(Text(rep, "SpectrumTypeValue"), "JONSWAP");
    EXPECT_EQ(Text(rep, "SignificantMethodValue"), "Bretschneider's method with water depth account");
    EXPECT_EQ(Text(rep, "DirectionalMethodValue"), "?");
}

TEST(ResultsReport, ChartsTakeTheirRangesAndHeightUnitFromTheResultsAndProject)
{
    for (const int coordUnits : {0, 3}) {
        ProjectRecord rec = SquareProject();
        rec.CoordUnits = coordUnits;
        const TOrvaneRep01 rep(rec, SampleResults());
        // Elevations between -0.4 and 0.7: -1 to 1 in steps of 0.5.
        const ChartAxis& height = rep.TimeChartData().left;
        EXPECT_EQ(height.title, coordUnits == 0 ? "H [ft]" : "H [m]");
        EXPECT_EQ(height.min, -1.0);
        EXPECT_EQ(height.max, 1.0);
        EXPECT_EQ(height.increment, 0.5);
        // Densities up to 0.064: 0 to 0.064 in quarters.
        const ChartAxis& density = rep.SpectrumChartData().left;
        EXPECT_NEAR(density.max, 0.064, 1e-7);
        EXPECT_NEAR(density.increment, 0.016, 1e-7);
        EXPECT_EQ(rep.SpectrumChartData().points.size(), 64u);
    }
}

TEST(ResultsReport, SpectralTableRunsDownTheColumnsInAFormThatShowsItsDensities)
{
    const struct {
        const char* name;
        int coordUnits;
        float densityScale;  // times k / 1000
        std::string header;  // its first column and where the second starts
        const char* first;
        const char* last;
    } cases[] = {
        {"small sea: below 10, mantissa and exponent", 2, 1.0f, " f[Hz]  T[s] S[m\u00B2\u00B7s]    f[Hz]",
         "|0.010100.00 1.00E-03|  0.170  5.88 1.70E-02|  0.330  3.03 3.30E-02|  0.490  2.04 4.90E-02|",
         "|0.160  6.25 1.60E-02|  0.320  3.13 3.20E-02|  0.480  2.08 4.80E-02|  0.640  1.56 6.40E-02|"},
        {"densities up to 64 ft\u00B2\u00B7s: three decimals", 0, 1000.0f, " f[Hz]  T[s]S[ft\u00B2\u00B7s]    f[Hz]",
         "|0.010100.00   1.000 |  0.170  5.88  17.000 |  0.330  3.03  33.000 |  0.490  2.04  49.000|",
         "|0.160  6.25  16.000 |  0.320  3.13  32.000 |  0.480  2.08  48.000 |  0.640  1.56  64.000|"},
    };
    for (const auto& c : cases) {
        ProjectRecord rec = SquareProject();
        rec.CoordUnits = c.coordUnits;
        WaveResults results = SampleResults();
        for (float& s : results.Density)
            s *= c.densityScale;
        const TOrvaneRep01 rep(rec, results);
        const std::vector<std::string> lines = Lines(Text(rep, "SpectraValuesMemo"));
        ASSERT_EQ(lines.size(), 19u) << c.name;
        EXPECT_EQ(lines[0].substr(0, c.header.size()), c.header) << c.name;
        EXPECT_EQ(lines[1], std::string(91, '_') + " ") << c.name;
        EXPECT_EQ(lines[18], lines[1]) << c.name;
        EXPECT_EQ(lines[2], c.first) << c.name;
        EXPECT_EQ(lines[17], c.last) << c.name;
    }
}

TEST(ResultsReport, TwoPagesWithTheTableAlwaysOnTheSecond)
{
    ProjectRecord rec = SquareProject();
    SetTitleBytes(rec, "Lake \xB0 test");
    TOrvaneRep01 rep(rec, SampleResults());
    const PreparedReport pages = rep.Prepare();
    ASSERT_EQ(pages.pages.size(), 2u);
    EXPECT_EQ(pages.PageOf("PlotTime"), 0);
    EXPECT_EQ(pages.PageOf("SpectraValuesMemo"), 1);
    for (const PlacedPage& page : pages.pages) {
        ASSERT_NE(page.Find("SubjectLabel"), nullptr);
        EXPECT_EQ(page.Find("SubjectLabel")->lines.front(), "Lake \u00B0 test");
        ASSERT_NE(page.Find("KavroLabel"), nullptr);
        EXPECT_LE(page.Find("KavroLabel")->item.text.size(), 19u);
    }
    // Designed positions on the page: band tops plus item offsets, 10 mm margins.
    const struct {
        const char* item;
        double left;
        double top;
    } positions[] = {{"WindDirectionCaption", 129.6, 35.2},
                     {"PredictedWavesLabel", 116.9, 144.2},
                     {"SpectraValuesMemo", 13.2, 26.7},
                     {"Plot", 12.1, 30.9}};
    for (const auto& p : positions) {
        const PlacedItem* placed = pages.Find(p.item);
        ASSERT_NE(placed, nullptr) << p.item;
        EXPECT_NEAR(placed->rect.left, p.left, 1e-9) << p.item;
        EXPECT_NEAR(placed->rect.top, p.top, 1e-9) << p.item;
    }
    // Even an empty first page would not hold the table.
    rep.QRep.BandNamed("TopBand").heightMm = 0;
    EXPECT_EQ(rep.Prepare().PageOf("SpectraValuesMemo"), 1);
}

TEST(ResultsReport, CompassAsideAndDryPointWarningFitBetweenTheDesignedItems)
{
    for (const float pointX : {50.0f, 150.0f}) {
        ProjectRecord rec = SquareProject();
        rec.PointX = pointX;
        rec.WindDirection = 236.25f;  // the longest compass text: "(from WSW, grid bearing 213.8°)"
        const PreparedReport pages = TOrvaneRep01(rec, SampleResults()).Prepare();
        ASSERT_NE(pages.Find("WindFromValue"), nullptr);
        const RectMm aside = pages.Find("WindFromValue")->rect;
        EXPECT_GE(aside.top, pages.Find("WindDirectionValue")->rect.Bottom());
        EXPECT_LE(aside.Bottom(), pages.Find("WindSectorCaption")->rect.top);
        EXPECT_LE(aside.Right(), 200.0);  // within the right margin
        const PlacedItem* warning = pages.Find("NotInWaterLabel");
        ASSERT_EQ(warning != nullptr, pointX > 100) << pointX;
        if (!warning)
            continue;
        EXPECT_EQ(warning->lines.front(), "point is not in the water region");
        EXPECT_EQ(warning->item.textRgb, 0xFF0000u);
        EXPECT_GE(warning->rect.top, pages.Find("Plot")->rect.Bottom());
        EXPECT_LE(warning->rect.Bottom(), pages.Find("SpectrumTypeCaption")->rect.top);
    }
}

// The report reads the record and never writes it: the scale of its picture
// is the report's, for the command that builds it to keep.
TEST(ResultsReport, PictureIsSquareOnPaperAndLeavesTheRecordAlone)
{
    ProjectRecord rec = SquareProject();
    rec.PlotMaxX = rec.PlotSpanX = -1;
    const ProjectRecord before = rec;
    const TOrvaneRep01 square(rec, SampleResults(), 1.0);
    EXPECT_EQ(square.PlotWidthPx, square.PlotHeightPx);
    const RectMm plot = square.QRep.ItemNamed("Plot").rect;
    EXPECT_NEAR(plot.width, 77.5, 1e-9);
    EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0) << "the report wrote the record";
    EXPECT_EQ(square.PictureScale.MaxX, 100.0f);
    EXPECT_EQ(square.PictureScale.SpanY, 100.0f);

    // Pixels twice as tall as wide: twice as many across.
    const TOrvaneRep01 tall(rec, SampleResults(), 0.5);
    EXPECT_EQ(tall.PlotWidthPx, 2 * tall.PlotHeightPx);
}

TEST(ResultsReport, IslandsArePaintedGreyOverTheOuterBoundary)
{
    ProjectRecord rec = SquareProject();
    rec.BoundaryCount = 5;
    // Point, wind line and a narrow sector away from the islands.
    rec.PointX = 90;
    rec.PointY = 5;
    rec.SectorAngle = 4;
    const float corners[4][2] = {{20, 20}, {60, 20}, {20, 60}, {60, 60}};
    for (int b = 2; b <= 5; ++b) {
        const float x = corners[b - 2][0];
        const float y = corners[b - 2][1];
        test::SetRing(rec, b, {{x, y}, {x + 15, y}, {x + 15, y + 15}, {x, y + 15}, {x, y}});
    }
    const TOrvaneRep01 rep(rec, SampleResults());
    const ReportItem& plot = rep.QRep.ItemNamed("Plot");
    QImage image(rep.PlotWidthPx, rep.PlotHeightPx, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        plot.paint(painter, QRectF(0, 0, image.width(), image.height()));
    }
    // World (x, y) to this image, as the picture maps it (ComputePlotScale).
    const auto pixel = [&](double x, double y) {
        const double sx = image.width() / 110.0;
        const double sy = image.height() / 110.0;
        return image.pixelColor(static_cast<int>(2 * sx + x * sx), static_cast<int>(8 * sy + (100 - y) * sy));
    };
    for (const auto& c : corners)
        EXPECT_EQ(pixel(c[0] + 7.5, c[1] + 7.5), QColor(128, 128, 128));
    EXPECT_EQ(pixel(45, 85), QColor(166, 202, 240));
}

TEST(Summary, OnePageWithTheTitleOrAnEmptyHeader)
{
    for (const char* title : {"Harbour entrance", ""}) {
        ProjectRecord rec = SquareProject();
        SetTitleBytes(rec, title);
        const TOrvaneRep02 summary(rec);
        const PreparedReport pages = summary.Prepare();
        ASSERT_EQ(pages.pages.size(), 1u) << title;
        EXPECT_EQ(pages.pages[0].Find("SubjectLabel")->lines.front(), title);
        EXPECT_NE(pages.Find("ReferencesText"), nullptr);
        EXPECT_EQ(pages.Find("ReferencesText")->lines.size(), 3u);
    }
}

TEST(Summary, FormulasAsTheProgramComputesAndClearOfEveryTitle)
{
    ProjectRecord rec = SquareProject();
    const PreparedReport pages = TOrvaneRep02(rec).Prepare();
    for (const FormulaPictureItem& picture : TOrvaneRep02::FormulaPictures()) {
        // Saville's height is normalised by the integral of cos^2, as the
        // program computes it: with 1/(2 alpha) in front a uniform fetch over
        // 180 degrees would read 0.40 H.
        if (picture.name == "SavillePicture") {
            EXPECT_NE(picture.lines[0].find("}{\\int_{-\\alpha}^{+\\alpha}\\cos^2(\\phi)"), std::string::npos);
        }
        const RectMm box = pages.Find(picture.name)->rect;
        // The lines are shrunk as a whole to fit the box, never enlarged.
        const auto [width, height] = FormulaLinesSizeMm(picture.lines, TOrvaneRep02::kFormulaPt);
        const double k = std::min({1.0, box.width / width, box.height / height});
        EXPECT_GT(k, 0.6) << picture.name;  // at least 6 pt: legible
        const RectMm drawn {box.left, box.top, width * k, height * k};
        for (const PlacedItem& other : pages.pages[0].items) {
            if (other.item.kind != ItemKind::Label && other.item.kind != ItemKind::TextBox)
                continue;
            // Titles above a box may reach into its top, where a formula's
            // line leaves room for tall signs; what starts below its top
            // must stay clear of the formula.
            const RectMm& r = other.rect;
            if (r.top <= drawn.top)
                continue;
            const bool apart = r.Right() <= drawn.left || r.left >= drawn.Right() || r.top >= drawn.Bottom();
            EXPECT_TRUE(apart) << picture.name << " covers " << other.item.name;
        }
    }
}

}  // namespace
}  // namespace orvane
