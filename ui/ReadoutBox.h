#pragma once
// The readout of the chart and rose views: the value under the cursor as
// text in a small white box beside the point it belongs to.

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace orvane {

// Paints text beside `at`, above and to the right of it; on the other side
// where the box would leave `bounds`, and within them wherever it fits.
// Uses the painter's font.
void PaintReadoutBox(QPainter& painter, const QString& text, const QPointF& at, const QRectF& bounds);

}  // namespace orvane
