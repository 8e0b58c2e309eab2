#include "reports/ReportPainter.h"

#include <QColor>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>
#include <cmath>

#include "reports/QtTextMeasurer.h"

namespace orvane {

namespace {

constexpr double kMmPerInch = 25.4;

struct MmToDevice {
    double x;  // device units per millimetre
    double y;
    QRectF operator()(const RectMm& r) const { return {r.left * x, r.top * y, r.width * x, r.height * y}; }
};

void PaintText(QPainter& painter, const PlacedItem& placed, const MmToDevice& toDevice)
{
    painter.setFont(ToQFont(placed.item.font));
    painter.setPen(QColor::fromRgb(static_cast<QRgb>(placed.item.textRgb)));
    const QRectF box = toDevice(placed.rect);
    const double pitch = placed.lineMm * toDevice.y;
    const int align = (placed.item.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextDontClip |
                      Qt::TextSingleLine;
    for (std::size_t i = 0; i < placed.lines.size(); ++i) {
        const QRectF lineBox(box.left(), box.top() + pitch * static_cast<double>(i), box.width(), pitch);
        painter.drawText(lineBox, align, QString::fromStdString(placed.lines[i]));
    }
}

}  // namespace

void PaintPage(QPainter& painter, const PreparedReport& report, int pageIndex)
{
    if (pageIndex < 0 || pageIndex >= static_cast<int>(report.pages.size()))
        return;
    const QPaintDevice* device = painter.device();
    const MmToDevice toDevice {device->logicalDpiX() / kMmPerInch, device->logicalDpiY() / kMmPerInch};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlacedItem& placed : report.pages[static_cast<std::size_t>(pageIndex)].items) {
        switch (placed.item.kind) {
        case ItemKind::Label:
        case ItemKind::TextBox: PaintText(painter, placed, toDevice); break;
        case ItemKind::Rule: {
            QPen pen(Qt::black);
            pen.setWidthF(placed.item.penMm * toDevice.x);
            painter.setPen(pen);
            const QRectF r = toDevice(placed.rect);
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        }
        case ItemKind::Picture:
        case ItemKind::Chart:
            if (placed.item.paint) {
                const QRectF r = toDevice(placed.rect);
                painter.save();
                painter.setClipRect(r, Qt::IntersectClip);
                placed.item.paint(painter, r);
                painter.restore();
            }
            break;
        }
    }
    painter.restore();
}

bool PaintReport(QPagedPaintDevice& device, const PreparedReport& report)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < static_cast<int>(report.pages.size()); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        PaintPage(painter, report, i);
    }
    return painter.end();
}

QImage RenderPage(const PreparedReport& report, int pageIndex, double dotsPerInch)
{
    const int width = static_cast<int>(std::lround(report.pageWidthMm / kMmPerInch * dotsPerInch));
    const int height = static_cast<int>(std::lround(report.pageHeightMm / kMmPerInch * dotsPerInch));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / kMmPerInch * 1000.0));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, report, pageIndex);
    return image;
}

}  // namespace orvane
