#include "graphics/ClimatePlots.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Format.h"
#include "graphics/ChartPainter.h"

namespace orvane {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Light to dark: calm seas pale, storms dark.
constexpr Rgb kBandColours[] = {{198, 219, 239}, {158, 202, 225}, {107, 174, 214}, {66, 146, 198},
                                {33, 113, 181},  {8, 81, 156},    {8, 48, 107},    {120, 0, 60}};

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// The point at compass bearing b (clockwise from north, up) r from c.
QPointF At(const QPointF& c, double bearingDeg, double r)
{
    const double a = bearingDeg * kPi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// A ring step of 1, 2, 2.5 or 5 times a power of ten giving 2 to 5 rings up to top.
double RingStep(double top)
{
    if (!(top > 0.0))
        return 1.0;
    const double raw = top / 4.0;
    const double p = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * p >= raw)
            return m * p;
    return 10.0 * p;
}

void AddFit(ChartData& chart, const std::vector<ReturnValue>& values, double rate, const std::string& name, Rgb colour,
            bool withInterval)
{
    ChartSeries line {name, {}, colour, 1.25, false, false};
    ChartSeries low {withInterval ? "90 % interval" : "", {}, colour, 0.75, true, false};
    ChartSeries high {"", {}, colour, 0.75, true, false};
    for (const ReturnValue& v : values) {
        const double x = GumbelVariateOfReturnPeriod(v.years, rate);
        if (!std::isfinite(x) || !v.hsM)
            continue;
        line.points.push_back({x, *v.hsM});
        if (v.lowM && v.highM) {
            low.points.push_back({x, *v.lowM});
            high.points.push_back({x, *v.highM});
        }
    }
    if (line.points.empty())
        return;
    chart.series.push_back(std::move(line));
    if (withInterval && low.points.size() > 1) {
        chart.series.push_back(std::move(low));
        chart.series.push_back(std::move(high));
    }
}

}  // namespace

std::vector<double> RoseBandEdges() { return {0.0, 0.25, 0.5, 1.0, 1.5, 2.0, 3.0, 4.0}; }

std::vector<std::vector<double>> RoseBandShares(const OccurrenceTable& t)
{
    const std::vector<double> edges = RoseBandEdges();
    std::vector<std::vector<double>> shares(static_cast<std::size_t>(t.sectors),
                                            std::vector<double>(edges.size(), 0.0));
    for (int c = 0; c < t.Classes(); ++c) {
        // A class goes to the band that holds its middle.
        const double middle = (c + 0.5) * t.classWidthM;
        std::size_t band = 0;
        while (band + 1 < edges.size() && middle >= edges[band + 1])
            ++band;
        for (int s = 0; s < t.sectors; ++s)
            shares[static_cast<std::size_t>(s)][band] += t.PerMille(c, s) / 10.0;
    }
    return shares;
}

void PaintOccurrenceRose(QPainter& p, const QRectF& area, const ClimateResult& result)
{
    const OccurrenceTable& t = result.occurrence;
    const std::vector<double> edges = RoseBandEdges();
    const std::vector<std::vector<double>> shares = RoseBandShares(t);
    double top = 0.0;
    for (const auto& sector : shares) {
        double sum = 0.0;
        for (double v : sector)
            sum += v;
        top = std::max(top, sum);
    }
    const double step = RingStep(top);
    const int rings = std::max(1, static_cast<int>(std::ceil(top / step - 1e-9)));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF fm(font, p.device());
    const double line = fm.height();

    // Title at the top, legend at the bottom, the disc between.
    const QString title = QStringLiteral("Wave occurrence by direction (from), %1 bearings, % of time")
                              .arg(result.TrueBearings() ? QStringLiteral("true") : QStringLiteral("grid"));
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top() + 4, area.width(), line), Qt::AlignHCenter, title);
    const int legendRows = 3;  // the bands wrap to two lines on a narrow area, then the note
    const double legendTop = area.bottom() - legendRows * line - 8;
    const double discTop = area.top() + 2 * line + 8;
    const double radius = std::max(10.0, std::min(area.width() / 2 - 2 * line, (legendTop - discTop) / 2 - line));
    const QPointF centre(area.center().x(), discTop + line + radius);

    // Rings and their labels.
    p.setFont(font);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 200, 200), 0.8));
    for (int q = 1; q <= rings; ++q) {
        const double r = radius * q / rings;
        p.drawEllipse(centre, r, r);
    }
    for (int b = 0; b < 360; b += 45)
        p.drawLine(centre, At(centre, b, radius));
    p.setPen(Qt::black);
    static const char* kPoints[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = At(centre, 90.0 * i, radius + line * 0.8);
        p.drawText(QRectF(at.x() - line, at.y() - line / 2, 2 * line, line), Qt::AlignCenter, kPoints[i]);
    }

    // The wedges: each sector's bands stacked outward.
    const double width = 360.0 / t.sectors;
    const double scale = radius / (step * rings);
    p.setPen(QPen(QColor(255, 255, 255), 0.5));
    for (int s = 0; s < t.sectors; ++s) {
        const double from = SectorCentre(s, t.sectors) - 0.42 * width;
        const double to = SectorCentre(s, t.sectors) + 0.42 * width;
        double r0 = 0.0;
        for (std::size_t band = 0; band < edges.size(); ++band) {
            const double r1 = r0 + shares[static_cast<std::size_t>(s)][band] * scale;
            if (r1 > r0) {
                QPolygonF wedge;
                constexpr int kArc = 8;
                for (int i = 0; i <= kArc; ++i)
                    wedge << At(centre, from + (to - from) * i / kArc, r1);
                for (int i = kArc; i >= 0; --i)
                    wedge << At(centre, from + (to - from) * i / kArc, r0);
                p.setBrush(ToQColor(kBandColours[band]));
                p.drawPolygon(wedge);
            }
            r0 = r1;
        }
    }

    // Ring labels over the wedges, on a white ground.
    for (int q = 1; q <= rings; ++q) {
        const QString label = QString::fromStdString(Format("%g %%", step * q));
        const QPointF at = At(centre, 22.5, radius * q / rings);
        const QRectF box(at.x() + 2, at.y() - line / 2, fm.horizontalAdvance(label) + 4, line);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, label);
    }

    // Legend: a swatch per band, and the calm share.
    p.setPen(Qt::black);
    double x = area.left() + 8;
    double y = legendTop;
    for (std::size_t band = 0; band < edges.size(); ++band) {
        const QString text = band + 1 < edges.size()
                                 ? QString::fromStdString(Format("%g-%g m", edges[band], edges[band + 1]))
                                 : QString::fromStdString(Format("> %g m", edges[band]));
        const double w = line + 4 + fm.horizontalAdvance(text) + 12;
        if (x + w > area.right()) {
            x = area.left() + 8;
            y += line;
        }
        p.setBrush(ToQColor(kBandColours[band]));
        p.drawRect(QRectF(x, y + 2, line - 4, line - 4));
        p.drawText(QPointF(x + line, y + fm.ascent()), text);
        x += w;
    }
    p.drawText(QRectF(area.left(), y + line, area.width(), line), Qt::AlignHCenter,
               QString::fromStdString(Format("no waves (calm or no fetch): %.1f %% of %.1f years",
                                             t.CalmPerMille() / 10.0, result.years)));
    p.restore();
}

QImage DrawOccurrenceRose(const ClimateResult& result, int width, int height)
{
    QImage image(std::clamp(width, 200, 8192), std::clamp(height, 200, 8192), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintOccurrenceRose(painter, QRectF(0, 0, image.width(), image.height()), result);
    return image;
}

double GumbelVariateOfReturnPeriod(double years, double eventsPerYear)
{
    const double lr = years * eventsPerYear;
    if (!(lr > 1.0))
        return std::numeric_limits<double>::quiet_NaN();
    return -std::log(-std::log1p(-1.0 / lr));
}

ChartData ReturnPeriodChart(const SectorExtremes& e)
{
    ChartData chart;
    chart.lineColour = colours::kBlack;
    chart.marginLeftPct = 1;
    chart.marginTopPct = 3;
    chart.marginRightPct = 3;
    chart.marginBottomPct = 2;
    chart.left.title = "Hs (m)";
    chart.bottom.title = "Return period (years), Gumbel scale - sector " + e.name;
    const double rate = e.peaksPerYear > 0 ? e.peaksPerYear : 1.0;

    ChartSeries peaks {"storm peaks", {}, colours::kBlack, 0.75, false, true};
    std::vector<double> heights;
    for (const StormPeak& pk : e.peaks)
        heights.push_back(pk.heightM);
    std::sort(heights.begin(), heights.end(), std::greater<>());
    const double n = static_cast<double>(heights.size());
    for (std::size_t m = 1; m <= heights.size(); ++m) {
        const double F = 1.0 - (static_cast<double>(m) - 0.44) / (n + 0.12);
        peaks.points.push_back({-std::log(-std::log(F)), heights[m - 1]});
    }
    if (!peaks.points.empty())
        chart.series.push_back(std::move(peaks));
    if (!e.design.empty()) {
        const GodaFit& best = e.goda[e.bestGoda];
        const std::string name =
            (best.distribution == Distribution::FisherTippett1 ? std::string("FT-I") : Format("Weibull k=%g", best.k)) +
            " (least squares)";
        AddFit(chart, e.design, rate, name, colours::kBlue, true);
    }
    if (e.gpd.ok)
        AddFit(chart, e.gpdReturns, rate, "GPD (max. likelihood)", Rgb {0, 140, 60}, false);
    if (e.gev.ok)
        AddFit(chart, e.gevReturns, rate, "GEV, annual maxima", colours::kRed, false);

    double xmin = GumbelVariateOfReturnPeriod(1.0, rate), xmax = GumbelVariateOfReturnPeriod(100.0, rate);
    double ymax = 0.0, ymin = std::numeric_limits<double>::infinity();
    for (const ChartSeries& s : chart.series) {
        for (const ChartPoint& p : s.points) {
            xmin = std::min(xmin, p.x);
            xmax = std::max(xmax, p.x);
            ymax = std::max(ymax, p.y);
            ymin = std::min(ymin, p.y);
        }
    }
    if (!std::isfinite(xmin))
        xmin = -2.0;
    if (!std::isfinite(xmax) || xmax <= xmin)
        xmax = xmin + 1.0;
    chart.bottom.min = std::floor(xmin);
    chart.bottom.max = std::ceil(xmax + 0.2);
    for (double years : kReturnYears) {
        const double x = GumbelVariateOfReturnPeriod(years, rate);
        if (std::isfinite(x)) {
            chart.bottom.tickValues.push_back(x);
            chart.bottom.tickLabels.push_back(Format("%g", years));
        }
    }
    // The heights from just below the lowest point: the fits' slopes are what matter.
    const double low = std::isfinite(ymin) ? std::max(0.0, ymin - 0.05 * (ymax - ymin)) : 0.0;
    const double step = RingStep(ymax > low ? (ymax - low) * 1.05 : 1.0);
    chart.left.min = step * std::floor(low / step);
    chart.left.max = chart.left.min + step * std::max(1.0, std::ceil((ymax * 1.02 - chart.left.min) / step));
    chart.left.increment = step;
    chart.left.labelFormat = "%." + std::to_string(DecimalsFor(step)) + "f";
    return chart;
}

QImage DrawReturnPeriodChart(const SectorExtremes& extremes, int width, int height)
{
    QImage image(std::clamp(width, 200, 8192), std::clamp(height, 200, 8192), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, image.width(), image.height()), ReturnPeriodChart(extremes));
    return image;
}

}  // namespace orvane
