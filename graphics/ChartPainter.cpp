#include "graphics/ChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

ChartTicks MakeTicks(const AxisRange& range, const std::string& format, const QFontMetricsF& metrics)
{
    ChartTicks labels;
    labels.values = TickValues(range);
    for (double v : labels.values) {
        labels.texts.push_back(QString::fromStdString(AxisLabel(format, v)));
        labels.widest = std::max(labels.widest, metrics.horizontalAdvance(labels.texts.back()));
    }
    return labels;
}

// The ticks an axis names itself, those within its range.
ChartTicks ChosenTicks(const ChartAxis& axis, const AxisRange& range, const QFontMetricsF& metrics)
{
    ChartTicks labels;
    for (std::size_t i = 0; i < axis.tickValues.size() && i < axis.tickLabels.size(); ++i) {
        const double v = axis.tickValues[i];
        if (!(v >= std::min(range.from, range.to) && v <= std::max(range.from, range.to)))
            continue;
        labels.values.push_back(v);
        labels.texts.push_back(QString::fromStdString(axis.tickLabels[i]));
        labels.widest = std::max(labels.widest, metrics.horizontalAdvance(labels.texts.back()));
    }
    return labels;
}

// Position of value on an axis drawn from `start` (value range.from) to `end` (range.to).
double Place(const AxisRange& range, double value, double start, double end)
{
    return start + (value - range.from) / (range.to - range.from) * (end - start);
}

// The bottom axis. Its last label may stand half beyond the plot, so the
// plot's right edge leaves room for it; a fitted axis is fitted twice, the
// second time to the width that room leaves. Returns the plot's right edge.
double LayOutBottomAxis(ChartLayout& layout, const ChartAxis& axis, const QFontMetricsF& metrics)
{
    const auto labelWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    double right = layout.inner.right() - 2 * metrics.averageCharWidth();
    for (int pass = 0; pass < 2; ++pass) {
        std::string format = axis.labelFormat;
        if (!axis.tickValues.empty()) {
            layout.xRange = DrawnRange(axis);
            layout.xTicks = ChosenTicks(axis, layout.xRange, metrics);
            const double lastHalf =
                layout.xTicks.texts.empty() ? 0 : metrics.horizontalAdvance(layout.xTicks.texts.back()) / 2;
            return layout.inner.right() - lastHalf;
        }
        if (axis.fitsItself) {
            const FittedAxis fitted =
                FitAxis(axis.min, axis.max, right - layout.plot.left(), labelWidth, 2 * layout.gap, axis.labelFormat);
            layout.xRange = fitted.range;
            format = fitted.labelFormat;
        } else {
            layout.xRange = DrawnRange(axis);
        }
        layout.xTicks = MakeTicks(layout.xRange, format, metrics);
        const double lastHalf =
            layout.xTicks.texts.empty() ? 0 : metrics.horizontalAdvance(layout.xTicks.texts.back()) / 2;
        right = layout.inner.right() - lastHalf;
    }
    return right;
}

void PaintGrid(QPainter& painter, const ChartLayout& layout)
{
    QPen gridPen(QColor(215, 215, 215));
    gridPen.setWidthF(0.5 * layout.pt);
    painter.setPen(gridPen);
    const QRectF& plot = layout.plot;
    for (double v : layout.yTicks.values) {
        const double y = layout.ToPainter({layout.xRange.from, v}).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (double v : layout.xTicks.values) {
        const double x = layout.ToPainter({v, layout.yRange.from}).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

// The series, clipped to the plot: the filled area, then the line.
void PaintSeries(QPainter& painter, const ChartLayout& layout, const ChartData& chart)
{
    if (chart.points.empty())
        return;
    painter.save();
    painter.setClipRect(layout.plot, Qt::IntersectClip);
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(chart.points.size()));
    for (const ChartPoint& p : chart.points)
        line << layout.ToPainter(p);
    if (chart.filled) {
        const double base =
            layout.ToPainter({layout.xRange.from, std::clamp(0.0, layout.yRange.from, layout.yRange.to)}).y();
        QPolygonF area = line;
        area << QPointF(line.back().x(), base) << QPointF(line.front().x(), base);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(chart.fillColour));
        painter.drawPolygon(area);
    }
    QPen linePen(ToQColor(chart.lineColour));
    linePen.setWidthF(chart.lineWidthPt * layout.pt);
    linePen.setJoinStyle(Qt::RoundJoin);
    linePen.setCapStyle(Qt::RoundCap);
    painter.setPen(linePen);
    painter.setBrush(Qt::NoBrush);
    // In short runs that share their end points: a raster device fills a
    // wide stroke of a long, self-crossing line (1000 samples) in time that
    // grows with the whole outline, a few times slower than the same line in
    // pieces; round caps and joins keep the pieces seamless.
    constexpr qsizetype kRun = 32;
    for (qsizetype first = 0; first + 1 < line.size(); first += kRun)
        painter.drawPolyline(line.constData() + first, static_cast<int>(std::min(kRun + 1, line.size() - first)));
    painter.restore();
}

QPen SeriesPen(const ChartSeries& s, double pt)
{
    QPen pen(ToQColor(s.colour));
    pen.setWidthF(s.widthPt * pt);
    pen.setStyle(s.dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// The further series, clipped to the plot.
void PaintMoreSeries(QPainter& painter, const ChartLayout& layout, const ChartData& chart)
{
    painter.save();
    painter.setClipRect(layout.plot, Qt::IntersectClip);
    for (const ChartSeries& s : chart.series) {
        painter.setPen(SeriesPen(s, layout.pt));
        painter.setBrush(Qt::NoBrush);
        if (s.markers) {
            const double r = 2.0 * layout.pt;
            for (const ChartPoint& p : s.points)
                painter.drawEllipse(layout.ToPainter(p), r, r);
            continue;
        }
        QPolygonF line;
        for (const ChartPoint& p : s.points)
            line << layout.ToPainter(p);
        painter.drawPolyline(line);
    }
    painter.restore();
}

// One line per named series at the plot's top left: its mark and its name.
void PaintLegend(QPainter& painter, const ChartLayout& layout, const ChartData& chart)
{
    std::vector<const ChartSeries*> named;
    double widest = 0;
    const QFontMetricsF metrics(layout.labelFont, painter.device());
    for (const ChartSeries& s : chart.series) {
        if (s.name.empty())
            continue;
        named.push_back(&s);
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(s.name)));
    }
    if (named.empty())
        return;
    const double swatch = 14 * layout.pt;
    const QRectF box(layout.plot.left() + layout.gap, layout.plot.top() + layout.gap, swatch + 3 * layout.gap + widest,
                     named.size() * layout.labelHeight + 2 * layout.gap);
    painter.setPen(QPen(QColor(160, 160, 160), 0.5 * layout.pt));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setFont(layout.labelFont);
    for (std::size_t i = 0; i < named.size(); ++i) {
        const double y = box.top() + layout.gap + (static_cast<double>(i) + 0.5) * layout.labelHeight;
        const double x = box.left() + layout.gap;
        painter.setPen(SeriesPen(*named[i], layout.pt));
        if (named[i]->markers)
            painter.drawEllipse(QPointF(x + swatch / 2, y), 2.0 * layout.pt, 2.0 * layout.pt);
        else
            painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(x + swatch + layout.gap, y - layout.labelHeight / 2, widest + layout.gap, layout.labelHeight),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(named[i]->name));
    }
}

// The axis lines, their ticks and tick labels.
void PaintAxes(QPainter& painter, const ChartLayout& layout)
{
    const QRectF& plot = layout.plot;
    QPen axisPen(Qt::black);
    axisPen.setWidthF(0.75 * layout.pt);
    painter.setPen(axisPen);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setFont(layout.labelFont);
    const QFontMetricsF metrics(layout.labelFont, painter.device());
    const ChartTicks& y = layout.yTicks;
    for (std::size_t i = 0; i < y.values.size(); ++i) {
        const double at = layout.ToPainter({layout.xRange.from, y.values[i]}).y();
        painter.drawLine(QPointF(plot.left() - layout.tick, at), QPointF(plot.left(), at));
        const QRectF box(plot.left() - layout.tick - layout.gap - y.widest, at - layout.labelHeight / 2, y.widest,
                         layout.labelHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, y.texts[i]);
    }
    const ChartTicks& x = layout.xTicks;
    for (std::size_t i = 0; i < x.values.size(); ++i) {
        const double at = layout.ToPainter({x.values[i], layout.yRange.from}).x();
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + layout.tick));
        const double width = metrics.horizontalAdvance(x.texts[i]);
        painter.drawText(QRectF(at - width / 2, plot.bottom() + layout.tick + layout.gap, width, layout.labelHeight),
                         Qt::AlignCenter, x.texts[i]);
    }
}

// The bottom title under the labels; the left one turned to read upwards,
// centred on the plot.
void PaintTitles(QPainter& painter, const ChartLayout& layout, const ChartData& chart)
{
    const QRectF& plot = layout.plot;
    painter.setFont(layout.titleFont);
    const double top = plot.bottom() + layout.tick + layout.gap + layout.labelHeight + layout.gap;
    painter.drawText(QRectF(plot.left(), top, plot.width(), layout.titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(chart.bottom.title));
    painter.save();
    painter.translate(layout.inner.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), layout.titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(chart.left.title));
    painter.restore();
}

}  // namespace

QPointF ChartLayout::ToPainter(const ChartPoint& p) const
{
    return {Place(xRange, p.x, plot.left(), plot.right()), Place(yRange, p.y, plot.bottom(), plot.top())};
}

ChartPoint ChartLayout::ToData(const QPointF& at) const
{
    const AxisRange xPlot {plot.left(), plot.right(), 1};
    const AxisRange yPlot {plot.bottom(), plot.top(), 1};
    return {Place(xPlot, at.x(), xRange.from, xRange.to), Place(yPlot, at.y(), yRange.from, yRange.to)};
}

ChartLayout LayOutChart(const QPaintDevice* device, const QRectF& area, const ChartData& chart, const ChartStyle& style)
{
    ChartLayout layout;
    layout.area = area;
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    layout.pt = style.unitsPerPoint > 0 ? style.unitsPerPoint : dpi / 72.0;

    // The device turns point sizes into its own units; the factor makes the
    // text fontPoints * pt painter units high whatever the painter's scale.
    layout.labelFont = QFont(style.fontFamily);
    layout.labelFont.setPointSizeF(std::max(1.0, style.fontPoints * layout.pt * 72.0 / dpi));
    layout.titleFont = layout.labelFont;
    layout.titleFont.setBold(true);
    // A null device measures as the screen does.
    const QFontMetricsF labelMetrics(layout.labelFont, device);
    const QFontMetricsF titleMetrics(layout.titleFont, device);
    layout.gap = 3 * layout.pt;
    layout.tick = 3 * layout.pt;
    layout.labelHeight = labelMetrics.height();
    layout.titleHeight = titleMetrics.height();

    layout.inner =
        area.adjusted(area.width() * chart.marginLeftPct / 100, area.height() * chart.marginTopPct / 100,
                      -area.width() * chart.marginRightPct / 100, -area.height() * chart.marginBottomPct / 100);
    layout.yRange = DrawnRange(chart.left);
    layout.yTicks = MakeTicks(layout.yRange, chart.left.labelFormat, labelMetrics);

    QRectF& plot = layout.plot;
    plot = layout.inner;
    plot.setLeft(layout.inner.left() + layout.titleHeight + layout.gap + layout.yTicks.widest + layout.gap +
                 layout.tick);
    plot.setTop(layout.inner.top() + layout.labelHeight / 2);
    plot.setBottom(layout.inner.bottom() -
                   (layout.tick + layout.gap + layout.labelHeight + layout.gap + layout.titleHeight));
    plot.setRight(LayOutBottomAxis(layout, chart.bottom, labelMetrics));
    if (!layout.Usable())
        plot = QRectF();
    return layout;
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartStyle& style)
{
    if (!(area.width() > 0 && area.height() > 0))
        return;
    const ChartLayout layout = LayOutChart(painter.device(), area, chart, style);
    if (!layout.Usable())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintGrid(painter, layout);
    PaintSeries(painter, layout, chart);
    PaintMoreSeries(painter, layout, chart);
    PaintAxes(painter, layout);
    PaintLegend(painter, layout, chart);
    PaintTitles(painter, layout, chart);
    painter.restore();
}

}  // namespace orvane
