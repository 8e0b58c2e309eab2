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

QString Number(double v) { return QString::fromStdString(PlainNumber(v)); }

double Finite(float v)
{
    return std::isfinite(v) ? static_cast<double>(v) : 0.0;
}

// Screen point at compass bearing b (degrees clockwise from north), radius r.
QPointF AtBearing(QPointF centre, double bearingDeg, double r)
{
    const double b = bearingDeg * kPi / 180.0;
    return {centre.x() + r * std::sin(b), centre.y() - r * std::cos(b)};
}

QString BearingLabel(int bearing)
{
    switch (bearing) {
    case 0:
        return QStringLiteral("N");
    case 90:
        return QStringLiteral("E");
    case 180:
        return QStringLiteral("S");
    case 270:
        return QStringLiteral("W");
    default:
        return QString::number(bearing) + QChar(0x00B0);
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

QImage DrawRosePlot(const WaveRoseResult& rose, const ProjectRecord& rec, int width, int height)
{
    width = std::clamp(width, 200, 8192);
    height = std::clamp(height, 200, 8192);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780);  // 96 dpi: an 8 pt font is about 11 pixels high
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int line = fm.height();

    const bool metric = IsMetric(rec);
    const QString heightUnit = metric ? QStringLiteral("m") : QStringLiteral("ft");
    const QString deg = QString(QChar(0x00B0));

    // Title, then the rose in the square left above the legend.
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(11.0);
    p.setFont(bold);
    QString title = QString::fromStdString(Cp1252ToUtf8(TitleBytes(rec))).trimmed();
    title = title.isEmpty() ? QStringLiteral("Fetch and wave rose") : QStringLiteral("Fetch and wave rose: ") + title;
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 8, width, QFontMetrics(bold).height()), Qt::AlignHCenter, title);
    p.setFont(font);

    const int legendLines = 5;
    const double top = 16 + QFontMetrics(bold).height();
    const double bottom = height - (legendLines + 1) * line - 12;
    const double available = std::min<double>(
        width - 2 * (fm.horizontalAdvance(QStringLiteral("330\u00B0")) + 12), bottom - top - 2 * (line + 8));
    const double R = std::max(20.0, available / 2.0);
    const QPointF centre(width / 2.0, top + line + 8 + R);

    double maxFetch = 0.0, maxHeight = 0.0;
    for (const RoseRow& row : rose.rows) {
        maxFetch = std::max({maxFetch, Finite(row.centralFetch), Finite(row.effectiveFetch)});
        maxHeight = std::max(maxHeight, Finite(metric ? row.heightM : row.heightFt));
    }
    const RoseFetchRings fetchRings = MakeFetchRings(rec.CoordUnits, maxFetch);
    const RoseScale& fetchScale = fetchRings.scale;
    const QString fetchUnit = QString::fromStdString(fetchRings.unit);
    const RoseScale heightScale = MakeRoseScale(maxHeight);
    const double fetchTop = fetchRings.TopCoord();  // coordinate units, as the rows hold them
    const double heightTop = heightScale.Top();

    // The fetch fills the inner disc; Hs bars stand outward on a base circle
    // around it, so neither hides the other.
    const double Rf = 0.64 * R;  // fetch scale: fetchTop at Rf
    const double Rb = 0.70 * R;  // Hs base circle: Hs 0
    const double Rh = R - Rb;  // Hs scale: heightTop at R

    // Spokes every 30 degrees with their bearings; the rings of both scales.
    const QPen grid(QColor(205, 205, 205), 1);
    for (int b = 0; b < 360; b += 30) {
        p.setPen(grid);
        p.drawLine(centre, AtBearing(centre, b, R));
        const QPointF at = AtBearing(centre, b, R + 6 + line * 0.6);
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() - 40, at.y() - line / 2.0, 80, line), Qt::AlignCenter, BearingLabel(b));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(grid);
    for (int q = 1; q <= fetchScale.rings; ++q)
        p.drawEllipse(centre, Rf * q / fetchScale.rings, Rf * q / fetchScale.rings);
    for (int q = 0; q <= heightScale.rings; ++q)
        p.drawEllipse(centre, Rb + Rh * q / heightScale.rings, Rb + Rh * q / heightScale.rings);

    if (!rose.rows.empty()) {
        QPolygonF central, effective;
        for (const RoseRow& row : rose.rows) {
            central << AtBearing(centre, row.bearingDeg, Rf * std::min(Finite(row.centralFetch) / fetchTop, 1.0));
            effective << AtBearing(centre, row.bearingDeg, Rf * std::min(Finite(row.effectiveFetch) / fetchTop, 1.0));
        }
        p.setPen(QPen(kFetchFill.darker(130), 1));
        p.setBrush(kFetchFill);
        p.drawPolygon(central);
        p.setPen(QPen(kEffectiveLine, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(effective);

        // Hs bars, 0.7 of a step wide, centred on their bearing.
        const double half = 0.35 * rose.stepDeg;
        p.setPen(Qt::NoPen);
        p.setBrush(kHeightBar);
        for (const RoseRow& row : rose.rows) {
            const double r = Rb + Rh * std::min(Finite(metric ? row.heightM : row.heightFt) / heightTop, 1.0);
            if (r <= Rb)
                continue;
            // arcTo counts degrees counter-clockwise from 3 o'clock; bearings clockwise from 12.
            const double start = 90.0 - (row.bearingDeg + half);
            QPainterPath bar;
            bar.arcMoveTo(QRectF(centre.x() - Rb, centre.y() - Rb, 2 * Rb, 2 * Rb), start);
            bar.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), start, 0.0);
            bar.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), start, 2 * half);
            bar.arcTo(QRectF(centre.x() - Rb, centre.y() - Rb, 2 * Rb, 2 * Rb), start + 2 * half, -2 * half);
            bar.closeSubpath();
            p.drawPath(bar);
        }
    }

    // Ring values just inside their rings beside the north spoke: fetch to
    // the left, Hs to the right.
    auto ringLabel = [&](double r, const QString& text, const QColor& colour, bool left) {
        const double w = fm.horizontalAdvance(text) + 6;
        const QRectF box(left ? centre.x() - w - 3 : centre.x() + 3, centre.y() - r + 1, w, line);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawRect(box);
        p.setPen(colour);
        p.drawText(box, Qt::AlignCenter, text);
    };
    for (int q = 1; q <= fetchScale.rings; ++q)
        ringLabel(Rf * q / fetchScale.rings, QString::fromStdString(fetchRings.Label(q)), kEffectiveLine, true);
    for (int q = 1; q <= heightScale.rings; ++q)
        ringLabel(Rb + Rh * q / heightScale.rings, Number(heightScale.step * q) + " " + heightUnit,
            kHeightBar.darker(130), false);

    // Legend.
    const QString sector = Number(rec.SectorAngle) + deg;
    const QString method = QString::fromStdString(DirectionalMethodName(rec.DirectionalMethod) + ", " +
        SignificantMethodName(rec.SignificantMethod) + ", " + SpectrumTypeName(rec.SpectrumType));
    double y = height - legendLines * line - 10;
    const double x = 24;
    auto swatch = [&](const QString& text, const QColor& fill, const QPen& pen) {
        p.setPen(pen);
        p.setBrush(fill);
        p.drawRect(QRectF(x, y + line * 0.2, 22, line * 0.6));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 30, y + fm.ascent()), text);
        y += line;
    };
    swatch("Fetch along the wind direction (" + fetchUnit + ")", kFetchFill, QPen(kFetchFill.darker(130), 1));
    swatch("Effective fetch over the " + sector + " sector (" + fetchUnit + ")", Qt::white, QPen(kEffectiveLine, 2));
    swatch("Hs (" + heightUnit + ") as bars in the outer band, from 0 at its inner edge: " + method, kHeightBar,
        Qt::NoPen);
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y + fm.ascent()),
        "Every " + QString::number(rose.stepDeg) + deg +
            "; each wind is drawn at the compass bearing it comes from, clockwise from north.");
    y += line;
    p.drawText(QPointF(x, y + fm.ascent()), "Ring values beside north: fetch on the left, Hs on the right.");
    p.end();
    return image;
}

}  // namespace orvane
