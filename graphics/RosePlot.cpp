#include "graphics/RosePlot.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "core/Region.h"
#include "core/Text1252.h"
#include "core/Units.h"

namespace orvane {

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kFetchFill(120, 170, 230, 150);
const QColor kEffectiveLine(20, 60, 160);
const QColor kHeightBar(210, 40, 40, 200);

constexpr int kSwatchEntries = 3;      // legend entries with a swatch before them
constexpr double kLegendLeft = 24;     // pixels from the area's left edge
constexpr double kSwatchIndent = 30;   // from the legend's left edge to a swatch entry's text
constexpr double kLegendRightGap = 8;  // pixels kept free at the right edge

QString Number(double v) { return QString::fromStdString(PlainNumber(v)); }

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

// Text broken at blanks into lines no wider than width; a word wider than
// the width stands on a line of its own.
QStringList Wrapped(const QString& text, const QFontMetrics& fm, double width)
{
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && fm.horizontalAdvance(longer) > width) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    lines << current;
    return lines;
}

// The five legend entries of the rose, before wrapping.
QStringList LegendTexts(const RoseLayout& layout, const WaveRoseResult& rose, const ProjectRecord& rec)
{
    const QString deg = QString(QChar(0x00B0));
    const QString fetchUnit = QString::fromStdString(layout.fetchRings.unit);
    const QString heightUnit = layout.metric ? QStringLiteral("m") : QStringLiteral("ft");
    const QString sector = Number(rec.SectorAngle) + deg;
    const QString method = QString::fromStdString(DirectionalMethodName(rec.DirectionalMethod) + ", " +
                                                  SignificantMethodName(rec.SignificantMethod) + ", " +
                                                  SpectrumTypeName(rec.SpectrumType));
    return {"Fetch along the wind direction (" + fetchUnit + ")",
            "Effective fetch over the " + sector + " sector (" + fetchUnit + ")",
            "Hs (" + heightUnit + ") as bars in the outer band, from 0 at its inner edge: " + method,
            "Every " + QString::number(rose.stepDeg) + deg +
                "; each wind is drawn at the compass bearing it comes from, clockwise from north.",
            "Ring values beside north: fetch on the left, Hs on the right."};
}

QString BearingLabel(int bearing)
{
    switch (bearing) {
    case 0: return QStringLiteral("N");
    case 90: return QStringLiteral("E");
    case 180: return QStringLiteral("S");
    case 270: return QStringLiteral("W");
    default: return QString::number(bearing) + QChar(0x00B0);
    }
}

}  // namespace

RoseScale MakeRoseScale(double max)
{
    if (!(max > 0.0) || !std::isfinite(max))
        return {};
    // The nice step of a quarter of max gives 2 to 4 rings up to max.
    const double quarter = max / 4.0;
    const double decade = std::pow(10.0, std::floor(std::log10(quarter)));
    double step = 10.0 * decade;
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * decade >= quarter * (1.0 - 1e-12)) {
            step = m * decade;
            break;
        }
    }
    const int rings = std::max(1, static_cast<int>(std::ceil(max / step * (1.0 - 1e-12))));
    return {step, rings};
}

RoseFetchRings MakeFetchRings(int coordUnits, double maxFetch)
{
    constexpr double kFeetPerMile = 5280.0;
    constexpr double kMetresPerKilometre = 1000.0;
    RoseFetchRings rings;
    const double max = std::isfinite(maxFetch) ? maxFetch : 0.0;
    switch (coordUnits) {
    case kCoordMetres:
    case kCoordKilometres: {
        const double metresPerCoord = coordUnits == kCoordKilometres ? kMetresPerKilometre : 1.0;
        const bool km = max * metresPerCoord >= kMetresPerKilometre;
        rings.unit = km ? "km" : "m";
        rings.unitsPerCoord = km ? metresPerCoord / kMetresPerKilometre : metresPerCoord;
        break;
    }
    case kCoordFeet:
    case kCoordMiles: {
        const double feetPerCoord = coordUnits == kCoordMiles ? kFeetPerMile : 1.0;
        const bool miles = max * feetPerCoord >= kFeetPerMile;
        rings.unit = miles ? "mi" : "ft";
        rings.unitsPerCoord = miles ? feetPerCoord / kFeetPerMile : feetPerCoord;
        break;
    }
    default:  // a unit code outside the table: the stored numbers as they are
        rings.unit = CoordUnitName(coordUnits);
        break;
    }
    rings.scale = MakeRoseScale(max * rings.unitsPerCoord);
    return rings;
}

std::string RoseFetchRings::Label(int q) const { return PlainNumber(scale.step * q) + " " + unit; }

std::string PlainNumber(double value)
{
    if (!std::isfinite(value))
        return "?";
    // Ring steps are 1, 2, 2.5 or 5 times a power of ten: enough decimals
    // for two significant digits, then the trailing zeros dropped.
    const int magnitude = value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(1 - magnitude, 0, 12);
    std::string text = Format("%.*f", decimals, value);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

RoseLayout LayOutRose(const QPaintDevice* device, const QRectF& area, const WaveRoseResult& rose,
                      const ProjectRecord& rec)
{
    RoseLayout layout;
    layout.area = area;
    layout.font = QFont(QStringLiteral("Liberation Sans"));
    layout.font.setStyleHint(QFont::SansSerif);
    layout.font.setPointSizeF(9.0);
    layout.titleFont = layout.font;
    layout.titleFont.setBold(true);
    layout.titleFont.setPointSizeF(11.0);
    const QFontMetrics fm(layout.font, device);
    layout.line = fm.height();
    layout.titleLine = QFontMetrics(layout.titleFont, device).height();
    layout.metric = IsMetric(rec);
    double maxFetch = 0.0, maxHeight = 0.0;
    for (const RoseRow& row : rose.rows) {
        maxFetch = std::max({maxFetch, Finite(row.centralFetch), Finite(row.effectiveFetch)});
        maxHeight = std::max(maxHeight, Finite(layout.metric ? row.heightM : row.heightFt));
    }
    layout.fetchRings = MakeFetchRings(rec.CoordUnits, maxFetch);
    layout.heightScale = MakeRoseScale(maxHeight);

    QString title = QString::fromStdString(Cp1252ToUtf8(TitleBytes(rec))).trimmed();
    title = title.isEmpty() ? QStringLiteral("Fetch and wave rose") : QStringLiteral("Fetch and wave rose: ") + title;
    layout.title = QFontMetrics(layout.titleFont, device).elidedText(title, Qt::ElideRight, qRound(area.width() - 16));
    const QStringList legend = LegendTexts(layout, rose, rec);
    for (qsizetype i = 0; i < legend.size(); ++i) {
        const double indent = kLegendLeft + (i < kSwatchEntries ? kSwatchIndent : 0.0);
        layout.legend.push_back(Wrapped(legend[i], fm, area.width() - indent - kLegendRightGap));
        layout.legendLines += static_cast<int>(layout.legend.back().size());
    }

    // The disc in the square left between the title and the legend, with
    // room for the bearing labels around it.
    const double top = 16 + layout.titleLine;
    const double bottom = area.height() - (layout.legendLines + 1) * layout.line - 12;
    const double bearingLabel = fm.horizontalAdvance(QStringLiteral("330\u00B0")) + 12;
    const double available = std::min<double>(area.width() - 2 * bearingLabel, bottom - top - 2 * (layout.line + 8));
    layout.radius = std::max(20.0, available / 2.0);
    layout.centre = QPointF(area.left() + area.width() / 2.0, area.top() + top + layout.line + 8 + layout.radius);
    layout.fetchRadius = 0.64 * layout.radius;
    layout.barBase = 0.70 * layout.radius;
    return layout;
}

QPointF RoseLayout::At(double bearingDeg, double r) const
{
    const double b = bearingDeg * kPi / 180.0;
    return {centre.x() + r * std::sin(b), centre.y() - r * std::cos(b)};
}

double RoseLayout::BearingOf(const QPointF& at) const
{
    const double b = std::atan2(at.x() - centre.x(), centre.y() - at.y()) * 180.0 / kPi;
    return b < 0.0 ? b + 360.0 : b;
}

double RoseLayout::FetchToRadius(double fetchCoord) const
{
    return fetchRadius * std::min(Finite(fetchCoord) / fetchRings.TopCoord(), 1.0);
}

double RoseLayout::HeightToRadius(double height) const
{
    return barBase + (radius - barBase) * std::min(Finite(height) / heightScale.Top(), 1.0);
}

namespace {

void PaintRoseTitle(QPainter& p, const RoseLayout& layout)
{
    p.setFont(layout.titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(layout.area.left(), layout.area.top() + 8, layout.area.width(), layout.titleLine),
               Qt::AlignHCenter, layout.title);
    p.setFont(layout.font);
}

// Spokes every 30 degrees with their bearings; the rings of both scales.
void PaintRoseGrid(QPainter& p, const RoseLayout& layout)
{
    const QPen grid(QColor(205, 205, 205), 1);
    const double line = layout.line;
    for (int b = 0; b < 360; b += 30) {
        p.setPen(grid);
        p.drawLine(layout.centre, layout.At(b, layout.radius));
        const QPointF at = layout.At(b, layout.radius + 6 + line * 0.6);
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() - 40, at.y() - line / 2.0, 80, line), Qt::AlignCenter, BearingLabel(b));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(grid);
    const int fetchRings = layout.fetchRings.scale.rings;
    for (int q = 1; q <= fetchRings; ++q)
        p.drawEllipse(layout.centre, layout.fetchRadius * q / fetchRings, layout.fetchRadius * q / fetchRings);
    const int heightRings = layout.heightScale.rings;
    const double band = layout.radius - layout.barBase;
    for (int q = 0; q <= heightRings; ++q)
        p.drawEllipse(layout.centre, layout.barBase + band * q / heightRings, layout.barBase + band * q / heightRings);
}

// The fetch outline filled, the effective fetch as a line, the Hs bars.
void PaintRoseSeries(QPainter& p, const RoseLayout& layout, const WaveRoseResult& rose)
{
    if (rose.rows.empty())
        return;
    QPolygonF central, effective;
    for (const RoseRow& row : rose.rows) {
        central << layout.At(row.bearingDeg, layout.FetchToRadius(row.centralFetch));
        effective << layout.At(row.bearingDeg, layout.FetchToRadius(row.effectiveFetch));
    }
    p.setPen(QPen(kFetchFill.darker(130), 1));
    p.setBrush(kFetchFill);
    p.drawPolygon(central);
    p.setPen(QPen(kEffectiveLine, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(effective);

    // Hs bars, 0.7 of a step wide, centred on their bearing.
    const double half = 0.35 * rose.stepDeg;
    const QPointF c = layout.centre;
    const double rb = layout.barBase;
    p.setPen(Qt::NoPen);
    p.setBrush(kHeightBar);
    for (const RoseRow& row : rose.rows) {
        const double r = layout.HeightToRadius(layout.metric ? row.heightM : row.heightFt);
        if (r <= rb)
            continue;
        // arcTo counts degrees counter-clockwise from 3 o'clock; bearings clockwise from 12.
        const double start = 90.0 - (row.bearingDeg + half);
        QPainterPath bar;
        bar.arcMoveTo(QRectF(c.x() - rb, c.y() - rb, 2 * rb, 2 * rb), start);
        bar.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, 0.0);
        bar.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, 2 * half);
        bar.arcTo(QRectF(c.x() - rb, c.y() - rb, 2 * rb, 2 * rb), start + 2 * half, -2 * half);
        bar.closeSubpath();
        p.drawPath(bar);
    }
}

// Ring values just inside their rings beside the north spoke: fetch to the
// left, Hs to the right.
void PaintRingLabels(QPainter& p, const RoseLayout& layout)
{
    const QFontMetrics fm(layout.font, p.device());
    const QPointF c = layout.centre;
    auto ringLabel = [&](double r, const QString& text, const QColor& colour, bool left) {
        const double w = fm.horizontalAdvance(text) + 6;
        const QRectF box(left ? c.x() - w - 3 : c.x() + 3, c.y() - r + 1, w, layout.line);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawRect(box);
        p.setPen(colour);
        p.drawText(box, Qt::AlignCenter, text);
    };
    const RoseFetchRings& fetch = layout.fetchRings;
    for (int q = 1; q <= fetch.scale.rings; ++q)
        ringLabel(layout.fetchRadius * q / fetch.scale.rings, QString::fromStdString(fetch.Label(q)), kEffectiveLine,
                  true);
    const RoseScale& height = layout.heightScale;
    const QString heightUnit = layout.metric ? QStringLiteral("m") : QStringLiteral("ft");
    for (int q = 1; q <= height.rings; ++q)
        ringLabel(layout.barBase + (layout.radius - layout.barBase) * q / height.rings,
                  Number(height.step * q) + " " + heightUnit, kHeightBar.darker(130), false);
}

// Three entries with their swatches, then the two notes.
void PaintRoseLegend(QPainter& p, const RoseLayout& layout)
{
    const QFontMetrics fm(layout.font, p.device());
    const int line = layout.line;
    const QPen swatchPens[kSwatchEntries] = {QPen(kFetchFill.darker(130), 1), QPen(kEffectiveLine, 2), Qt::NoPen};
    const QColor swatchFills[kSwatchEntries] = {kFetchFill, Qt::white, kHeightBar};
    double y = layout.area.bottom() - layout.legendLines * line - 10;
    const double x = layout.area.left() + kLegendLeft;
    for (std::size_t i = 0; i < layout.legend.size(); ++i) {
        const bool swatch = i < kSwatchEntries;
        if (swatch) {
            p.setPen(swatchPens[i]);
            p.setBrush(swatchFills[i]);
            p.drawRect(QRectF(x, y + line * 0.2, 22, line * 0.6));
        }
        p.setPen(Qt::black);
        for (const QString& text : layout.legend[i]) {
            p.drawText(QPointF(swatch ? x + kSwatchIndent : x, y + fm.ascent()), text);
            y += line;
        }
    }
}

}  // namespace

void PaintRosePlot(QPainter& painter, const QRectF& area, const WaveRoseResult& rose, const ProjectRecord& rec)
{
    const RoseLayout layout = LayOutRose(painter.device(), area, rose, rec);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintRoseTitle(painter, layout);
    PaintRoseGrid(painter, layout);
    PaintRoseSeries(painter, layout, rose);
    PaintRingLabels(painter, layout);
    PaintRoseLegend(painter, layout);
    painter.restore();
}

QImage DrawRosePlot(const WaveRoseResult& rose, const ProjectRecord& rec, int width, int height)
{
    width = std::clamp(width, 200, 8192);
    height = std::clamp(height, 200, 8192);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780);  // 96 dpi: an 8 pt font is about 11 pixels high
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    PaintRosePlot(painter, QRectF(0, 0, width, height), rose, rec);
    painter.end();
    return image;
}

int NearestRoseRow(const WaveRoseResult& rose, double bearingDeg)
{
    int nearest = -1;
    double best = 0;
    for (std::size_t i = 0; i < rose.rows.size() && std::isfinite(bearingDeg); ++i) {
        const double apart = std::fabs(std::remainder(rose.rows[i].bearingDeg - bearingDeg, 360.0));
        if (nearest < 0 || apart < best) {
            nearest = static_cast<int>(i);
            best = apart;
        }
    }
    return nearest;
}

std::string RoseReadout(const RoseRow& row, const ProjectRecord& rec)
{
    const std::string unit = CoordUnitName(rec.CoordUnits);
    const bool metric = IsMetric(rec);
    return Format("from %.0f\u00B0 (wind direction %d\u00B0): fetch %.3f %s, effective %.3f %s, Hs %.2f %s",
                  row.bearingDeg, row.windDirectionDeg, row.centralFetch, unit, row.effectiveFetch, unit,
                  metric ? row.heightM : row.heightFt, metric ? "m" : "ft");
}

}  // namespace orvane
