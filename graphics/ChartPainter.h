#pragma once
// PaintChart: the one painter of the result charts. It draws a ChartData -
// axes with their titles, ticks and labels, light grid lines, the filled
// area and the line - into a rectangle of any QPainter, in that painter's
// device units, with vector primitives only (lines, polygons, text; no
// pixmaps). The same call paints on a widget, a QImage, a printer page or a
// PDF page at any size; the report prints the main window's charts with it.
//
// Sizes that are no data (the font, the line width, tick marks, gaps) are
// given in points and converted with the device's resolution, or with
// ChartStyle::unitsPerPoint when the painter's coordinates are not device
// pixels (a painter scaled to millimetres, say). Nothing is drawn outside
// `area`; the painter's state is restored afterwards.

#include <QRectF>
#include <QString>

#include "graphics/ChartData.h"

class QPainter;

namespace orvane {

struct ChartStyle {
    QString fontFamily = QStringLiteral("Arial");
    double fontPoints = 8;     // tick labels; the axis titles are the same size in bold
    double unitsPerPoint = 0;  // painter units per point; 0: the device's resolution / 72
};

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartStyle& style = {});

}  // namespace orvane
