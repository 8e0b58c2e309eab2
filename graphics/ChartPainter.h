#pragma once
// PaintChart: the one painter of every chart. It draws a ChartData - axes
// with their titles, ticks and labels, light grid lines, the filled area and
// the line - into a rectangle of any QPainter, in that painter's device
// units, with vector primitives only (lines, polygons, text; no pixmaps). The
// same call paints on a widget, a QImage, a printer page or a PDF page at any
// size: the main window's views, the report and the command line all show
// the charts through it.
//
// Sizes that are no data (the font, the line width, tick marks, gaps) are
// given in points and converted with the device's resolution, or with
// ChartStyle::unitsPerPoint when the painter's coordinates are not device
// pixels (a painter scaled to millimetres, say). Nothing is drawn outside
// `area`; the painter's state is restored afterwards.

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "graphics/ChartData.h"

class QPainter;
class QPaintDevice;

namespace orvane {

struct ChartStyle {
    QString fontFamily = QStringLiteral("Arial");
    double fontPoints = 8;     // tick labels; the axis titles are the same size in bold
    double unitsPerPoint = 0;  // painter units per point; 0: the device's resolution / 72
};

// The tick values of one axis and their label texts.
struct ChartTicks {
    std::vector<double> values;
    std::vector<QString> texts;
    double widest = 0;  // painter units
};

// Where the parts of a chart go in `area`, in painter units: what
// PaintChart draws from, and what a view needs to turn the cursor back into
// data values. `plot` is the box inside the axes; it is empty (and nothing
// but the background is drawn) when the area is too small to hold the
// labels.
struct ChartLayout {
    QRectF area;
    QRectF inner;  // area less the chart's margins
    QRectF plot;
    AxisRange xRange;
    AxisRange yRange;
    ChartTicks xTicks;
    ChartTicks yTicks;
    QFont labelFont;
    QFont titleFont;
    double pt = 1;  // painter units per point
    double gap = 0;
    double tick = 0;
    double labelHeight = 0;
    double titleHeight = 0;

    bool Usable() const { return plot.width() > 0 && plot.height() > 0; }
    QPointF ToPainter(const ChartPoint& p) const;
    ChartPoint ToData(const QPointF& at) const;
};

// device: the one the chart is painted on (its resolution sets the sizes in
// points); null means 96 dpi.
ChartLayout LayOutChart(const QPaintDevice* device, const QRectF& area, const ChartData& chart,
                        const ChartStyle& style = {});

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartStyle& style = {});

}  // namespace orvane
