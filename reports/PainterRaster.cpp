#include "reports/PainterRaster.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <algorithm>

#include "core/Text1252.h"
#include "graphics/QtRaster.h"

namespace orvane {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Raster coordinates name pixels; their centres are half a pixel further on.
QPointF Centre(int x, int y) { return {x + 0.5, y + 0.5}; }

}  // namespace

PainterRaster::PainterRaster(QPainter& painter, const QRectF& target, int width, int height)
    : painter_(painter), width_(std::max(width, 1)), height_(std::max(height, 1))
{
    painter_.save();
    painter_.setClipRect(target, Qt::IntersectClip);
    painter_.translate(target.topLeft());
    painter_.scale(target.width() / width_, target.height() / height_);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

PainterRaster::~PainterRaster() { painter_.restore(); }

void PainterRaster::PrepareShape()
{
    QPen pen(ToQColor(state_.penColour));
    pen.setWidthF(std::clamp(state_.penWidth, 1, 1000));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    if (state_.fillSolid)
        painter_.setBrush(QBrush(ToQColor(state_.fillColour), Qt::SolidPattern));
    else
        painter_.setBrush(Qt::NoBrush);
}

void PainterRaster::Clear() { painter_.fillRect(QRectF(0, 0, width_, height_), Qt::white); }

void PainterRaster::Polygon(std::span<const PixelPoint> points)
{
    if (points.empty())
        return;
    PrepareShape();
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& p : points)
        polygon.append(Centre(p.x, p.y));
    painter_.drawPolygon(polygon);
}

void PainterRaster::Line(PixelPoint from, PixelPoint to)
{
    PrepareShape();
    painter_.drawLine(Centre(from.x, from.y), Centre(to.x, to.y));
}

void PainterRaster::Ellipse(int left, int top, int right, int bottom)
{
    PrepareShape();
    painter_.drawEllipse(QRectF(Centre(std::min(left, right), std::min(top, bottom)),
                                Centre(std::max(left, right), std::max(top, bottom))));
}

void PainterRaster::Text(PixelPoint topLeft, std::string_view text1252)
{
    if (text1252.empty())
        return;
    QFont font(QString::fromStdString(state_.fontFace));
    font.setStyleHint(font.family().contains(QLatin1String("Courier"), Qt::CaseInsensitive) ? QFont::TypeWriter
                                                                                            : QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A point on the raster is 1/72 inch at the raster's own resolution; the
    // painter turns points into device units by the device's resolution and
    // then applies the raster-to-target scale, so the size is corrected for
    // the device here.
    const double deviceDpi = painter_.device()->logicalDpiY();
    font.setPointSizeF(std::clamp(state_.fontSizePt, 1, 1000) * kRasterDotsPerInch / deviceDpi);
    font.setBold((state_.fontStyle & kFontBold) != 0);
    font.setItalic((state_.fontStyle & kFontItalic) != 0);
    font.setUnderline((state_.fontStyle & kFontUnderline) != 0);
    font.setStrikeOut((state_.fontStyle & kFontStrikeOut) != 0);
    painter_.setFont(font);
    painter_.setPen(ToQColor(state_.fontColour));
    const QFontMetricsF metrics(font, painter_.device());
    painter_.drawText(QPointF(topLeft.x, topLeft.y + metrics.ascent()), QString::fromStdString(Cp1252ToUtf8(text1252)));
}

}  // namespace orvane
