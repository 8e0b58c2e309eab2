#pragma once
// The device a report is made for. The region picture is made square on the
// paper of that device, which needs the physical aspect of its pixels.

#include <QSize>

class QPaintDevice;
class QPrinter;
class QString;

namespace orvane {

// (mm per pixel across) / (mm per pixel down); 1 when the device reports no
// usable size.
double PixelAspectOf(const QPaintDevice& device);

// The aspect a report is built for: the application's printer's when a
// printer is installed and reports a usable size, otherwise target's (a PDF
// writer's is 1), and 1 without a target. No printer is needed to build a
// report; only printing needs one.
double ReportPixelAspect(const QPaintDevice* target);

// Sets a printer up for a report: the full paper (the report places its own
// margins), portrait, the document name, and colour. Colour is asked for
// outright because a queue without a printer description would otherwise
// print the red wind and blue sector lines grey.
void PrepareReportPrinter(QPrinter& printer, const QString& title);

// The preview window on a screen with `available` free pixels: 90 % of the
// free height, and as wide as an A4 page shown at that height needs, so that
// the page fitted to the width is shown whole; never wider than the free
// width.
QSize PreviewWindowSize(const QSize& available);

}  // namespace orvane
