#include "graphics/WaveMap.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/EngineMath.h"
#include "graphics/RosePlot.h"

namespace orvane {

namespace {

constexpr double kMargin = 12.0;
constexpr double kBarWidth = 22.0;
constexpr double kLegendWidth = 110.0;  // colour bar, its numbers and its unit
constexpr double kTitleHeight = 26.0;

// A round step (1, 2 or 5 times a power of ten) near span / parts.
double NiceStep(double span, int parts)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10.0 * power;
}

QString Plain(double v) { return QString::fromStdString(PlainNumber(v)); }

}  // namespace

QColor WaveMapColour(double t)
{
    // Stops of a perceptually even scale (after matplotlib's viridis).
    static constexpr std::array<std::array<double, 3>, 6> kStops {
        {{68, 1, 84}, {65, 68, 135}, {42, 120, 142}, {34, 168, 132}, {122, 209, 81}, {253, 231, 37}}};
    if (!std::isfinite(t))
        t = 0.0;
    t = std::clamp(t, 0.0, 1.0) * (kStops.size() - 1);
    const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(t), kStops.size() - 2);
    const double f = t - static_cast<double>(i);
    auto mix = [&](int c) {
        return static_cast<int>(std::lround(kStops[i][static_cast<std::size_t>(c)] * (1 - f) +
                                            kStops[i + 1][static_cast<std::size_t>(c)] * f));
    };
    return QColor(mix(0), mix(1), mix(2));
}

QPointF WaveMapLayout::ToDevice(double x, double y) const
{
    return {map.left() + (x - left) * pixelsPerUnit, map.top() + (top - y) * pixelsPerUnit};
}

bool WaveMapLayout::ToWorld(const QPointF& at, double& x, double& y) const
{
    if (!map.contains(at))
        return false;
    x = left + (at.x() - map.left()) / pixelsPerUnit;
    y = top - (at.y() - map.top()) / pixelsPerUnit;
    return true;
}

bool WaveMapLayout::CellAt(const MapGrid& grid, const QPointF& at, int& row, int& column) const
{
    double x = 0, y = 0;
    if (!ToWorld(at, x, y) || !(grid.cell > 0.0))
        return false;
    column = static_cast<int>(std::floor((x - grid.originX) / grid.cell));
    row = static_cast<int>(std::floor((grid.originY - y) / grid.cell));
    return column >= 0 && column < grid.columns && row >= 0 && row < grid.rows;
}

WaveMapLayout LayoutWaveMap(const MapGrid& grid, const QRectF& area)
{
    WaveMapLayout l;
    l.area = area;
    const QRectF room = area.adjusted(kMargin, kMargin + kTitleHeight, -kMargin - kLegendWidth, -kMargin);
    const double width = grid.columns * grid.cell;
    const double height = grid.rows * grid.cell;
    l.pixelsPerUnit = width > 0 && height > 0 ? std::min(room.width() / width, room.height() / height) : 1.0;
    const QSizeF size(width * l.pixelsPerUnit, height * l.pixelsPerUnit);
    l.map = QRectF(room.left() + (room.width() - size.width()) / 2, room.top() + (room.height() - size.height()) / 2,
                   size.width(), size.height());
    l.left = grid.originX;
    l.top = grid.originY;
    const double barTop = room.top() + 20;
    l.colourBar = QRectF(room.right() + kMargin + 8, barTop, kBarWidth, std::max(40.0, room.height() * 0.6));
    const MapRange range = MapValueRange(grid);
    l.low = std::isnan(range.low) ? 0.0f : range.low;
    l.high = std::isnan(range.high) ? 1.0f : range.high;
    return l;
}

QImage WaveMapCells(const MapGrid& grid, float low, float high)
{
    QImage image(std::max(grid.columns, 1), std::max(grid.rows, 1), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double span = high > low ? static_cast<double>(high) - low : 1.0;
    for (int r = 0; r < grid.rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int c = 0; c < grid.columns; ++c) {
            const float v = grid.At(r, c);
            if (!std::isnan(v))
                line[c] = WaveMapColour((v - low) / span).rgb();
        }
    }
    return image;
}

void PaintWaveMap(QPainter& p, const WaveMapLayout& l, const MapGrid& grid, const ProjectRecord& rec,
                  const WaveMapLegend& legend)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    const QFontMetricsF metrics(font);

    // Title.
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(14);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(l.area.left() + kMargin, l.area.top() + kMargin, l.area.width() - 2 * kMargin, kTitleHeight),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(titleFont).elidedText(legend.title, Qt::ElideRight, l.area.width() - 2 * kMargin));
    p.setFont(font);

    // Cells, one image pixel each, unsmoothed.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(l.map, WaveMapCells(grid, l.low, l.high));

    // Boundaries: the polygons the engine scans.
    p.setBrush(Qt::NoBrush);
    for (int b = 1; b <= UsedBoundaryCount(rec); ++b) {
        QPolygonF ring;
        for (int k = 1; k < UsedNodeCount(rec, b); ++k)
            ring << l.ToDevice(rec.NodeX[b][k], rec.NodeY[b][k]);
        p.setPen(QPen(Qt::black, 1.2));
        if (ring.size() >= 3)
            p.drawPolygon(ring);
    }
    // The project's point.
    const QPointF point = l.ToDevice(rec.PointX, rec.PointY);
    if (l.map.adjusted(-1, -1, 1, 1).contains(point)) {
        p.setPen(QPen(Qt::red, 1.5));
        p.drawEllipse(point, 4, 4);
    }

    // Colour bar with five to ten round values.
    const QRectF bar = l.colourBar;
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (int i = 0; i <= 10; ++i)
        gradient.setColorAt(i / 10.0, WaveMapColour(i / 10.0));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(gradient);
    p.drawRect(bar);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRectF(bar.left() - 10, bar.top() - 22, kLegendWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
               legend.quantity + " (" + legend.unit + ")");
    const double span = static_cast<double>(l.high) - l.low;
    if (span > 0.0) {
        const double step = NiceStep(span, 5);
        for (double v = std::ceil(l.low / step) * step; v <= l.high + step * 1e-9; v += step) {
            const double y = bar.bottom() - (v - l.low) / span * bar.height();
            p.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 4, y));
            p.drawText(QRectF(bar.right() + 6, y - 9, kLegendWidth - kBarWidth - 10, 18),
                       Qt::AlignLeft | Qt::AlignVCenter, Plain(std::abs(v) < step * 1e-9 ? 0.0 : v));
        }
    } else {
        p.drawText(QRectF(bar.right() + 6, bar.center().y() - 9, kLegendWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   Plain(l.low));
    }

    // North arrow: true north turned from the grid's by the convergence.
    const QPointF base(bar.center().x(), bar.bottom() + 70);
    const double turn = legend.bearings.trueNorth ? -legend.bearings.convergenceDeg * kDegToRad : 0.0;
    const auto along = [&](double forward, double side) {
        return QPointF(base.x() + forward * std::sin(turn) + side * std::cos(turn),
                       base.y() - forward * std::cos(turn) + side * std::sin(turn));
    };
    QPolygonF arrow;
    arrow << along(30, 0) << along(-6, 8) << along(0, 0) << along(-6, -8);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRectF(base.x() - 40, base.y() - 52, 80, 16), Qt::AlignCenter,
               legend.bearings.trueNorth ? QStringLiteral("N (true)") : QStringLiteral("N (grid)"));

    // Scale bar: a round length about a quarter of the map's width.
    const double unitsWide = l.map.width() / l.pixelsPerUnit;
    const RoseFetchRings plain = MakeFetchRings(rec.CoordUnits, unitsWide / 2.0);
    const double length = plain.RadiusCoord(1);
    const double pixels = length * l.pixelsPerUnit;
    if (pixels > 4 && pixels < l.map.width()) {
        const QPointF start(l.map.left() + 8, l.map.bottom() - 12);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(start, start + QPointF(pixels, 0));
        p.drawLine(start + QPointF(0, -4), start + QPointF(0, 4));
        p.drawLine(start + QPointF(pixels, -4), start + QPointF(pixels, 4));
        p.setPen(Qt::black);
        p.drawText(QRectF(start.x(), start.y() - 20, std::max(pixels, 80.0), 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(plain.Label(1)));
    }
    p.restore();
}

QImage WaveMapImage(const MapGrid& grid, const ProjectRecord& rec, const WaveMapLegend& legend, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintWaveMap(painter, LayoutWaveMap(grid, QRectF(0, 0, width, height)), grid, rec, legend);
    painter.end();
    return image;
}

}  // namespace orvane
