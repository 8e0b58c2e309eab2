#include "ui/ReadoutBox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace orvane {

void PaintReadoutBox(QPainter& painter, const QString& text, const QPointF& at, const QRectF& bounds)
{
    if (text.isEmpty())
        return;
    constexpr double kPad = 4;
    constexpr double kOffset = 8;  // from the point to the box's nearer corner
    const QFontMetricsF metrics(painter.font(), painter.device());
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 2 * kPad, metrics.height() + 2 * kPad);
    box.moveBottomLeft(at + QPointF(kOffset, -kOffset));
    if (box.right() > bounds.right())
        box.moveRight(at.x() - kOffset);
    if (box.top() < bounds.top())
        box.moveTop(at.y() + kOffset);
    // Wider or taller than the room on both sides: as far in as it goes.
    box.moveLeft(std::max(bounds.left(), std::min(box.left(), bounds.right() - box.width())));
    box.moveTop(std::max(bounds.top(), std::min(box.top(), bounds.bottom() - box.height())));
    painter.save();
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace orvane
