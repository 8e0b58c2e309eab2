#pragma once
// Paints placed pages onto any QPainter: printer, PDF writer, preview, image.
// The page's top-left corner is the device's origin (a printer must be in
// full-page mode), millimetres are turned into device units by the device's
// resolution, text stays text and pictures are drawn by their callbacks, so
// a vector device receives vectors.

#include <QImage>

#include "reports/Pagination.h"

class QPainter;
class QPagedPaintDevice;

namespace orvane {

// One page; the painter must be active on its device.
void PaintPage(QPainter& painter, const PreparedReport& report, int pageIndex);

// Every page, with a new device page between them. false when the device
// cannot be painted on (a printer that fails, a file that cannot be opened).
bool PaintReport(QPagedPaintDevice& device, const PreparedReport& report);

// One page as a white image at dotsPerInch (for pictures and checks).
QImage RenderPage(const PreparedReport& report, int pageIndex, double dotsPerInch);

}  // namespace orvane
