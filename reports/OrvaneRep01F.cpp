#include "reports/OrvaneRep01F.h"

#include <QPainter>
#include <QRectF>
#include <array>
#include <cmath>
#include <string_view>

#include "core/Format.h"
#include "core/Region.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "graphics/ChartPainter.h"
#include "graphics/QtRaster.h"
#include "reports/PainterRaster.h"

namespace orvane {

namespace {

constexpr double kMmPerInch = 25.4;

// Designed sizes and positions, millimetres from the band's top-left corner.
constexpr double kPlotLeft = 2.1;
constexpr double kPlotTop = 6.3;
constexpr double kPlotHeight = 77.5;
constexpr double kCaptionX = 119.6;
constexpr double kValueX = 159.8;
constexpr std::array<double, 4> kInputRows = {10.6, 20.1, 29.6, 39.2};
constexpr double kMethodCaptionX = 3.2;
constexpr double kMethodValueX = 83.6;
constexpr std::array<double, 3> kMethodRows = {2.0, 9.5, 16.9};
constexpr double kPredictedX = 106.9;
constexpr double kPredictedRight = 185.5;
constexpr std::array<double, 6> kPredictedRows = {13.8, 21.2, 28.6, 36.0, 43.4, 50.8};
constexpr int kSpectralRows = 16;  // four columns of 16 make the 64 points

// The compass aside of the wind direction, on a line of its own between the
// first two input rows, and the warning under the picture: 8 pt, so both
// fit in the gaps the designed layout leaves.
constexpr double kWindFromTop = 15.2;
constexpr double kNotInWaterTop = 84.1;
constexpr unsigned kWarningRgb = 0xFF0000;

const ReportFont kText = Font("Arial", 10);
const ReportFont kAside = Font("Arial", 8);
const ReportFont kHeading = Font("Arial", 10, "b");

// A raster that draws nothing: the plot scale of the picture is known
// before any device paints it.
class MeasuringRaster final : public Raster {
public:
    MeasuringRaster(int width, int height) : width_(width), height_(height) { }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override { }
    void Polygon(std::span<const PixelPoint>) override { }
    void Line(PixelPoint, PixelPoint) override { }
    void Ellipse(int, int, int, int) override { }
    void Text(PixelPoint, std::string_view) override { }

private:
    int width_;
    int height_;
};

// Name of a stored method code: a code above the last item reads as the last
// item, as the method groups of the main window show and compute it.
template <std::size_t N> std::string MethodName(const std::array<const char*, N>& names, int code)
{
    if (code < 0)
        return "?";
    return names[std::min(static_cast<std::size_t>(code), N - 1)];
}

// fmt applied to value, or "n/a" in place of a number that is not finite
// (a period of 0 has no frequency).
std::string Number(std::string_view fmt, double value) { return std::isfinite(value) ? Format(fmt, value) : "n/a"; }

}  // namespace

std::string TOrvaneRep01::VelocityUnitText(int velocityUnits)
{
    static constexpr std::array<const char*, 4> kNames = {"m/sec", "Km/hr", "ft/sec", "m.p.h"};
    if (velocityUnits < 0 || velocityUnits >= static_cast<int>(kNames.size()))
        return "?";
    return kNames[static_cast<std::size_t>(velocityUnits)];
}

TOrvaneRep01::TOrvaneRep01(const ProjectRecord& rec, const WaveResults& results, double pixelAspect)
    : TOrvaneRep00(rec), rec_(rec), pixelAspect_(std::isfinite(pixelAspect) && pixelAspect > 0 ? pixelAspect : 1.0),
      results_(std::make_shared<const WaveResults>(results))
{
    BuildBands();
    DrawRegionPicture();
    FillInputs();
    FillMethods();
    SetupResultCharts();
    ShowPredictedWaves();
    ListSpectralValues();
}

void TOrvaneRep01::BuildBands()
{
    {
        Band& title = QRep.BandNamed("TitleBand");
        title.heightMm = 8.5;
        title.Label("TitleLabel", "Wave Forecasting ", Font("Arial", 12, "bu"), 2.1, 1.1);
    }
    {
        Band& top = QRep.BandNamed("TopBand");
        top.heightMm = 87.8;
        top.Label("WaterRegionLabel", "Water region ", kHeading, 2.1, 1.1);
        static constexpr std::array<const char*, 4> kCaptions = {"Mean wind direction", "Wind sector ", "Wind velocity",
                                                                 "Average water depth"};
        static constexpr std::array<const char*, 4> kNames = {"WindDirection", "WindSector", "WindVelocity",
                                                              "WaterDepth"};
        for (std::size_t i = 0; i < kCaptions.size(); ++i) {
            top.Label(std::string(kNames[i]) + "Caption", kCaptions[i], kText, kCaptionX, kInputRows[i]);
            top.Label(std::string(kNames[i]) + "Value", "", kText, kValueX, kInputRows[i]);
        }
        top.Label("WindFromValue", "", kAside, kCaptionX, kWindFromTop);
    }
    {
        Band& methods = QRep.AddBand(BandKind::Child, "WaveDataBand", 26.5);
        static constexpr std::array<const char*, 3> kCaptions = {
            "Wave spectrum type", "Significant wave computation method ", "Method implementing directional effects"};
        static constexpr std::array<const char*, 3> kNames = {"SpectrumType", "SignificantMethod", "DirectionalMethod"};
        for (std::size_t i = 0; i < kCaptions.size(); ++i) {
            methods.Label(std::string(kNames[i]) + "Caption", kCaptions[i], kHeading, kMethodCaptionX, kMethodRows[i]);
            methods.Label(std::string(kNames[i]) + "Value", "", kText, kMethodValueX, kMethodRows[i]);
        }
    }
    {
        Band& spectrum = QRep.AddBand(BandKind::Child, "ResultSpBand", 68.8);
        spectrum.Label("WaveSpectrumLabel", "Wave spectrum ", kHeading, 6.3, 1.1);
        spectrum.Label("PredictedWavesLabel", "Predicted Waves", Font("Arial", 10, "bu"), kPredictedX, 5.3);
        static constexpr std::array<const char*, 6> kCaptions = {
            "Significant wave frequency",  "Significant wave period", "Significant wave Height", "",
            "Mean of heighest 1/10 waves", "Maximum wave height"};
        static constexpr std::array<const char*, 6> kNames = {"Fs", "Ts", "Hs", "H13", "H110", "Hmax"};
        for (std::size_t i = 0; i < kCaptions.size(); ++i) {
            if (kCaptions[i][0] != '\0')
                spectrum.Label(std::string(kNames[i]) + "Caption", kCaptions[i], kText, kPredictedX, kPredictedRows[i]);
            spectrum.RightLabel(std::string(kNames[i]) + "Value", "", kText, kPredictedRight, kPredictedRows[i]);
        }
    }
    {
        Band& time = QRep.AddBand(BandKind::Child, "ResultTimeBand", 50.8);
        time.Label("WaveTimeLabel", "Wavetime series", kHeading, 6.3, 1.1);
    }
    {
        Band& table = QRep.AddBand(BandKind::Child, "QRChildBand1", 65.6);
        table.startsNewPage = true;
        table.Label("SpectralValuesLabel", "Spectral values", kHeading, 8.5, 2.1);
        table.TextBox("SpectraValuesMemo", {3.2, 10.6, 184.4, 47.9}, "", Font("Courier New", 8));
    }
}

void TOrvaneRep01::DrawRegionPicture()
{
    // The picture keeps its designed height; its width in pixels is the
    // height divided by the pixel aspect, rounded halves to even, so the
    // region is drawn square on the paper of the device.
    PlotHeightPx = RoundEven(kPlotHeight / kMmPerInch * kRasterDotsPerInch);
    PlotWidthPx = std::max(1, RoundEven(PlotHeightPx / pixelAspect_));
    const double widthMm = kPlotHeight * PlotWidthPx / PlotHeightPx;

    MeasuringRaster measuring(PlotWidthPx, PlotHeightPx);
    PictureScale = orvane::DrawRegionPicture(rec_, measuring);

    auto record = std::make_shared<const ProjectRecord>(rec_);
    const int width = PlotWidthPx;
    const int height = PlotHeightPx;
    Band& top = QRep.BandNamed("TopBand");
    std::erase_if(top.items, [](const ReportItem& item) { return item.name == "Plot"; });
    top.Picture("Plot", {kPlotLeft, kPlotTop, widthMm, kPlotHeight},
                [record, width, height](QPainter& painter, const QRectF& rect) {
                    PainterRaster raster(painter, rect, width, height);
                    orvane::DrawRegionPicture(*record, raster);
                });
    // The waves are computed all the same; the reader of the report is told,
    // as the main window tells its user.
    std::erase_if(top.items, [](const ReportItem& item) { return item.name == "NotInWaterLabel"; });
    if (!PointInWater(rec_))
        top.Label("NotInWaterLabel", "point is not in the water region", kAside, kPlotLeft, kNotInWaterTop).textRgb =
            kWarningRgb;
}

void TOrvaneRep01::ShowGrowth(const std::string& lawText, const std::string& limitText)
{
    // Below the six predicted values, where the band has room for two small lines.
    static constexpr double kGrowthTop = 58.2;
    static constexpr double kGrowthLine = 3.6;
    Band& spectrum = QRep.BandNamed("ResultSpBand");
    std::erase_if(spectrum.items, [](const ReportItem& item) {
        return item.name == "GrowthLawValue" || item.name == "GrowthLimitValue";
    });
    if (!lawText.empty())
        spectrum.Label("GrowthLawValue", lawText, kAside, kPredictedX, kGrowthTop);
    if (!limitText.empty())
        spectrum.Label("GrowthLimitValue", limitText, kAside, kPredictedX, kGrowthTop + kGrowthLine);
}

void TOrvaneRep01::FillInputs()
{
    const std::string degree = "\u00B0";
    QRep.ItemNamed("WindDirectionValue").text = Format("%6.3f", rec_.WindDirection) + degree;
    QRep.ItemNamed("WindFromValue").text = "(" + WindFromAsideText(rec_.WindDirection) + ")";
    QRep.ItemNamed("WindSectorValue").text = Format("%6.3f", rec_.SectorAngle) + degree;
    QRep.ItemNamed("WindVelocityValue").text =
        Format("%6.3f %s", rec_.WindVelocity, VelocityUnitText(rec_.VelocityUnits));
    QRep.ItemNamed("WaterDepthValue").text = Format("%6.3f %s", rec_.Depth, IsMetric(rec_) ? "m" : "ft");
}

void TOrvaneRep01::ShowBearings(const BearingReference& ref)
{
    QRep.ItemNamed("WindFromValue").text = "(" + WindFromAsideText(rec_.WindDirection, ref) + ")";
}

void TOrvaneRep01::FillMethods()
{
    static constexpr std::array<const char*, 2> kSpectra = {"P-M, Pierson-Moskowitz", "JONSWAP"};
    static constexpr std::array<const char*, 3> kSignificant = {
        "Bretschneider's method", "Bretschneider's method with water depth account", "Wilson's method"};
    static constexpr std::array<const char*, 3> kDirectional = {"Effective fetch method", "Savill's method",
                                                                "Seymour's method"};
    QRep.ItemNamed("SpectrumTypeValue").text = MethodName(kSpectra, rec_.SpectrumType);
    QRep.ItemNamed("SignificantMethodValue").text = MethodName(kSignificant, rec_.SignificantMethod);
    QRep.ItemNamed("DirectionalMethodValue").text = MethodName(kDirectional, rec_.DirectionalMethod);
}

void TOrvaneRep01::SetupResultCharts()
{
    // Both charts as the main window shows them: white, no frame, margins of
    // 0, 4, 1 and 0 per cent, no legend or title; their series and axes
    // come with ShowPredictedWaves. The chart data is shared with the
    // callbacks, so the pictures always show the last values set.
    const auto paint = [](std::shared_ptr<const ChartData> chart) {
        return [chart](QPainter& painter, const QRectF& rect) {
            painter.fillRect(rect, Qt::white);
            PaintChart(painter, rect, *chart);
        };
    };
    Band& spectrum = QRep.BandNamed("ResultSpBand");
    std::erase_if(spectrum.items, [](const ReportItem& item) { return item.name == "PlotSpec"; });
    spectrum.Chart("PlotSpec", {6.3, 7.4, 87.0, 58.5}, paint(spectrum_));
    Band& time = QRep.BandNamed("ResultTimeBand");
    std::erase_if(time.items, [](const ReportItem& item) { return item.name == "PlotTime"; });
    time.Chart("PlotTime", {1.1, 7.4, 186.5, 45.8}, paint(timeSeries_));
}

void TOrvaneRep01::ShowPredictedWaves()
{
    const WaveResults& r = *results_;
    *spectrum_ = SpectrumChart(r);
    *timeSeries_ = TimeSeriesChart(r, rec_);

    const bool metric = IsMetric(rec_);
    const double hs = metric ? r.HeightM : r.HeightFt;
    const std::string unit = metric ? " m" : " ft";
    QRep.ItemNamed("FsValue").text = " fs = " + Number("%.3f", 1.0 / static_cast<double>(r.Period)) + " Hz";
    QRep.ItemNamed("TsValue").text = " Ts = " + Number("%.2f", r.Period) + " sec";
    QRep.ItemNamed("HsValue").text = " Hs   = " + Number("%.2f", hs) + unit;
    QRep.ItemNamed("H13Value").text = " H1/3 = " + Number("%.2f", hs) + unit;
    QRep.ItemNamed("H110Value").text = " H1/10= " + Number("%.2f", 1.272 * hs) + unit;
    QRep.ItemNamed("HmaxValue").text = " Hmax= " + Number("%.2f", 1.6 * hs) + unit;
}

void TOrvaneRep01::ListSpectralValues()
{
    const WaveResults& r = *results_;
    const auto f = [&](int k) { return static_cast<double>(r.Freq[k]); };
    const auto s = [&](int k) { return static_cast<double>(r.Density[k]); };
    // Small seas (and any project in feet) have densities far below 1, which
    // three decimals print as zeros: below 10 they are printed as mantissa
    // and exponent. That form takes the blank before the column's bar, so
    // the bars stay where the fixed form puts them.
    double largest = 0.0;
    for (int k = 1; k <= kSpectralRows * 4; ++k)
        largest = std::max(largest, s(k));
    const bool scientific = largest < 10.0;
    const auto density = [&](int k, bool last) {
        if (scientific)
            return Format("%9.2E", s(k));
        return Format("%8.3f", s(k)) + (last ? "" : " ");
    };
    // Each column's heading over its fields (5, 6 and 8 characters wide).
    // The density is in the height unit squared times seconds, the
    // program's convention (pi S is the usual one-sided variance density).
    const std::string unit = IsMetric(rec_) ? " S[m\u00B2\u00B7s]" : "S[ft\u00B2\u00B7s]";
    std::string text;
    for (int column = 0; column < 4; ++column)
        text += (column == 0 ? " " : "    ") + std::string("f[Hz]  T[s]") + unit;
    const std::string separator = std::string(91, '_') + " ";
    text += "\n" + separator + "\n";
    // The table runs down the columns: points 1-16, 17-32, 33-48, 49-64.
    for (int row = 1; row <= kSpectralRows; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int k = row + kSpectralRows * column;
            const bool last = column == 3;
            text += (column == 0 ? "|" : "  ") + Format("%5.3f%6.2f", f(k), 1.0 / f(k)) + density(k, last) + "|";
        }
        text += "\n";
    }
    text += separator;
    QRep.ItemNamed("SpectraValuesMemo").text = text;
}

}  // namespace orvane
