#include "reports/OrvaneRepClimateF.h"

#include <QPainter>
#include <QRectF>

#include "core/Format.h"
#include "core/Text1252.h"
#include "graphics/ChartPainter.h"
#include "graphics/ClimatePlots.h"
#include "graphics/RegionPlot.h"
#include "reports/PainterRaster.h"

namespace orvane {

namespace {

const ReportFont kText = Font("Arial", 9);
const ReportFont kHeading = Font("Arial", 14, "b");
const ReportFont kSubheading = Font("Arial", 10, "b");
const ReportFont kTable = Font("Courier New", 7.5);

constexpr double kPictureMm = 70.0;
constexpr int kPicturePx = 265;  // 70 mm at 96 dpi

std::string Settings(const ClimateResult& r)
{
    const ClimateSettings& s = r.settings;
    return "growth law: " + GrowthLawTitle(r.hindcast.law) + Format(", depth %.1f m", r.hindcast.depthM) + "\n" +
           Format("sectors: %d; Hs classes: %.2f m; calm below U10 = %.1f m/s; a wind shift over %.0f\xC2\xB0 "
                  "restarts the sea\n",
                  s.sectors, s.classWidthM, s.calmMs, s.shiftDeg) +
           (s.thresholdM ? Format("storm-peak threshold: %.2f m", *s.thresholdM)
                         : std::string("storm-peak threshold: about 3 peaks a year per sector")) +
           "; peaks at least 48 h apart\n" +
           (r.TrueBearings() ? "bearings: true (grid convergence applied)" : "bearings: grid");
}

}  // namespace

std::string TOrvaneRepClimate::ReturnTableText(const ClimateResult& r)
{
    std::string out = Format("%-6s %-13s %5s %5s", "sector", "fit", "peaks", "u m");
    for (const char* years : {"1 y", "10 y", "50 y", "100 y"})
        out += Format(" %-16s", years);
    out += " Tp100\n";
    for (const SectorExtremes& e : r.extremes) {
        out += Format("%-6s ", e.name);
        if (e.design.empty()) {
            out += Format("%-13s %5zu %5.2f  too few peaks for a fit\n", "-", e.peaks.size(), e.thresholdM);
            continue;
        }
        const GodaFit& best = e.goda[e.bestGoda];
        out += Format("%-13s %5zu %5.2f",
                      best.distribution == Distribution::FisherTippett1 ? std::string("FT-I")
                                                                        : Format("Weibull %g", best.k),
                      e.peaks.size(), e.thresholdM);
        for (std::size_t i : {0u, 3u, 5u, 6u}) {
            const ReturnValue& v = e.design[i];
            out += v.hsM ? Format(" %-16s", Format("%.2f (%.2f-%.2f)%s", *v.hsM, v.lowM.value_or(0.0),
                                                   v.highM.value_or(0.0), v.extrapolated ? "*" : ""))
                         : Format(" %-16s", "-");
        }
        const ReturnValue& hundred = e.design[6];
        out += hundred.hsM ? Format(" %5.1f\n", e.periodOfHeight(*hundred.hsM)) : std::string("     -\n");
    }
    out += Format("Hs in m with the 90 %% interval (Goda's least squares, best fit by correlation); Tp in s; "
                  "* more than 4 times the record's %.1f years.",
                  r.years);
    return out;
}

TOrvaneRepClimate::TOrvaneRepClimate(const ProjectRecord& rec, const ClimateResult& result,
                                     const ClimateReportInputs& inputs)
    : TOrvaneRep00(rec), rec_(std::make_shared<const ProjectRecord>(rec)),
      result_(std::make_shared<const ClimateResult>(result))
{
    Band& top = QRep.BandNamed("TopBand");
    top.heightMm = 92;
    top.Label("ClimateHeading", "Wave climate", kHeading, 2, 1);
    auto record = rec_;
    top.Picture("Plot", {2, 10, kPictureMm, kPictureMm}, [record](QPainter& painter, const QRectF& rect) {
        PainterRaster raster(painter, rect, kPicturePx, kPicturePx);
        DrawRegionPicture(*record, raster);
    });
    const std::string site = Format("site: point (%.3f, %.3f) of the project \"", rec.PointX, rec.PointY) +
                             Cp1252ToUtf8(TitleBytes(rec)) + "\"";
    std::string text = site + "\n\nwind record: " + inputs.windFile + "\n" + inputs.readSummary + "\n";
    if (!inputs.skipped.empty())
        text += inputs.skipped + "\n";
    text +=
        Format("record length: %.1f years\n", result.years) + "station: " + inputs.station + "\n\n" + Settings(result);
    top.TextBox("InputsMemo", {78, 10, 110, 80}, text, kText);

    Band& rose = QRep.AddBand(BandKind::Child, "RoseBand", 140);
    auto climate = result_;
    rose.Label("RoseHeading", "Occurrence of Hs by direction", kSubheading, 2, 1);
    rose.Picture("Rose", {40, 8, 110, 128},
                 [climate](QPainter& painter, const QRectF& rect) { PaintOccurrenceRose(painter, rect, *climate); });

    Band& table = QRep.AddBand(BandKind::Child, "ReturnBand", 100);
    table.startsNewPage = true;
    table.Label("ReturnHeading", "Return values", kSubheading, 2, 1);
    table.TextBox("ReturnMemo", {2, 8, 186, 90}, ReturnTableText(result), kTable);

    Band& chart = QRep.AddBand(BandKind::Child, "ReturnChartBand", 110);
    chart.Label("ChartHeading", "Return periods, every direction", kSubheading, 2, 1);
    auto data = std::make_shared<const ChartData>(result.extremes.empty() ? ChartData {}
                                                                          : ReturnPeriodChart(result.extremes.front()));
    chart.Chart("ReturnChart", {2, 8, 186, 100},
                [data](QPainter& painter, const QRectF& rect) { PaintChart(painter, rect, *data); });
}

}  // namespace orvane
