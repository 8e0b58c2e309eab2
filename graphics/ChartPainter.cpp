#include "graphics/ChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPaintDevice>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

struct Labels {
    std::vector<double> values;
    std::vector<QString> texts;
    double widest = 0;
};

Labels MakeLabels(const AxisRange& range, const std::string& format, const QFontMetricsF& metrics)
{
    Labels labels;
    labels.values = TickValues(range);
    for (double v : labels.values) {
        labels.texts.push_back(QString::fromStdString(AxisLabel(format, v)));
        labels.widest = std::max(labels.widest, metrics.horizontalAdvance(labels.texts.back()));
    }
    return labels;
}

// Position of value on an axis drawn from `start` (value range.from) to `end` (range.to).
double Place(const AxisRange& range, double value, double start, double end)
{
    return start + (value - range.from) / (range.to - range.from) * (end - start);
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartStyle& style)
{
    if (!(area.width() > 0 && area.height() > 0))
        return;
    const QPaintDevice* device = painter.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    const double pt = style.unitsPerPoint > 0 ? style.unitsPerPoint : dpi / 72.0;

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The device turns point sizes into its own units; the factor makes the
    // text fontPoints * pt painter units high whatever the painter's scale.
    QFont labelFont(style.fontFamily);
    labelFont.setPointSizeF(std::max(1.0, style.fontPoints * pt * 72.0 / dpi));
    QFont titleFont = labelFont;
    titleFont.setBold(true);
    const QFontMetricsF labelMetrics(labelFont, device);
    const QFontMetricsF titleMetrics(titleFont, device);
    const double gap = 3 * pt;
    const double tick = 3 * pt;

    const QRectF inner = area.adjusted(area.width() * chart.marginLeftPct / 100, area.height() * chart.marginTopPct / 100,
                                       -area.width() * chart.marginRightPct / 100,
                                       -area.height() * chart.marginBottomPct / 100);
    const AxisRange yRange = DrawnRange(chart.left);
    const Labels yLabels = MakeLabels(yRange, chart.left.labelFormat, labelMetrics);

    QRectF plot = inner;
    plot.setLeft(inner.left() + titleMetrics.height() + gap + yLabels.widest + gap + tick);
    plot.setTop(inner.top() + labelMetrics.height() / 2);
    plot.setBottom(inner.bottom() - (tick + gap + labelMetrics.height() + gap + titleMetrics.height()));

    // The bottom axis: its last label may stand half beyond the plot, so the
    // plot's right edge leaves room for it; a fitted axis is fitted twice,
    // the second time to the width that room leaves.
    const auto labelWidth = [&labelMetrics](const std::string& text) {
        return labelMetrics.horizontalAdvance(QString::fromStdString(text));
    };
    AxisRange xRange;
    std::string xFormat = chart.bottom.labelFormat;
    Labels xLabels;
    double right = inner.right() - 2 * labelMetrics.averageCharWidth();
    for (int pass = 0; pass < 2; ++pass) {
        if (chart.bottom.fitsItself) {
            const FittedAxis fitted = FitAxis(chart.bottom.min, chart.bottom.max, right - plot.left(), labelWidth,
                                              2 * gap, chart.bottom.labelFormat);
            xRange = fitted.range;
            xFormat = fitted.labelFormat;
        } else {
            xRange = DrawnRange(chart.bottom);
        }
        xLabels = MakeLabels(xRange, xFormat, labelMetrics);
        const double lastHalf = xLabels.texts.empty() ? 0 : labelMetrics.horizontalAdvance(xLabels.texts.back()) / 2;
        right = inner.right() - lastHalf;
    }
    plot.setRight(right);
    if (!(plot.width() > 0 && plot.height() > 0)) {
        painter.restore();
        return;
    }
    const auto px = [&](double x) { return Place(xRange, x, plot.left(), plot.right()); };
    const auto py = [&](double y) { return Place(yRange, y, plot.bottom(), plot.top()); };

    // Grid lines at the ticks.
    QPen gridPen(QColor(215, 215, 215));
    gridPen.setWidthF(0.5 * pt);
    painter.setPen(gridPen);
    for (double v : yLabels.values)
        painter.drawLine(QPointF(plot.left(), py(v)), QPointF(plot.right(), py(v)));
    for (double v : xLabels.values)
        painter.drawLine(QPointF(px(v), plot.top()), QPointF(px(v), plot.bottom()));

    // The series, clipped to the plot.
    if (!chart.points.empty()) {
        painter.save();
        painter.setClipRect(plot, Qt::IntersectClip);
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(chart.points.size()));
        for (const ChartPoint& p : chart.points)
            line << QPointF(px(p.x), py(p.y));
        if (chart.filled) {
            const double base = py(std::clamp(0.0, yRange.from, yRange.to));
            QPolygonF area2 = line;
            area2 << QPointF(line.back().x(), base) << QPointF(line.front().x(), base);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(chart.fillColour));
            painter.drawPolygon(area2);
        }
        QPen linePen(ToQColor(chart.lineColour));
        linePen.setWidthF(chart.lineWidthPt * pt);
        linePen.setJoinStyle(Qt::RoundJoin);
        linePen.setCapStyle(Qt::RoundCap);
        painter.setPen(linePen);
        painter.setBrush(Qt::NoBrush);
        // In short runs that share their end points: a raster device fills a
        // wide stroke of a long, self-crossing line (1000 samples) in time
        // that grows with the whole outline, a few times slower than the
        // same line in pieces; round caps and joins keep the pieces seamless.
        constexpr qsizetype kRun = 32;
        for (qsizetype first = 0; first + 1 < line.size(); first += kRun)
            painter.drawPolyline(line.constData() + first, static_cast<int>(std::min(kRun + 1, line.size() - first)));
        painter.restore();
    }

    // Axes, ticks and labels.
    QPen axisPen(Qt::black);
    axisPen.setWidthF(0.75 * pt);
    painter.setPen(axisPen);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setFont(labelFont);
    const double labelHeight = labelMetrics.height();
    for (std::size_t i = 0; i < yLabels.values.size(); ++i) {
        const double y = py(yLabels.values[i]);
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        const QRectF box(plot.left() - tick - gap - yLabels.widest, y - labelHeight / 2, yLabels.widest, labelHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, yLabels.texts[i]);
    }
    for (std::size_t i = 0; i < xLabels.values.size(); ++i) {
        const double x = px(xLabels.values[i]);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        const double width = labelMetrics.horizontalAdvance(xLabels.texts[i]);
        painter.drawText(QRectF(x - width / 2, plot.bottom() + tick + gap, width, labelHeight), Qt::AlignCenter,
                         xLabels.texts[i]);
    }

    // Titles: the left one turned to read upwards, centred on the plot.
    painter.setFont(titleFont);
    const double titleHeight = titleMetrics.height();
    painter.drawText(QRectF(plot.left(), plot.bottom() + tick + gap + labelHeight + gap, plot.width(), titleHeight),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart.bottom.title));
    painter.save();
    painter.translate(inner.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(chart.left.title));
    painter.restore();

    painter.restore();
}

}  // namespace orvane
