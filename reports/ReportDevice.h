#pragma once
// The device a report is made for. The region picture is made square on the
// paper of that device, which needs the physical aspect of its pixels.

class QPaintDevice;

namespace orvane {

// (mm per pixel across) / (mm per pixel down); 1 when the device reports no
// usable size.
double PixelAspectOf(const QPaintDevice& device);

// The aspect a report is built for: the application's printer's when a
// printer is installed and reports a usable size, otherwise target's (a PDF
// writer's is 1), and 1 without a target. No printer is needed to build a
// report; only printing needs one.
double ReportPixelAspect(const QPaintDevice* target);

}  // namespace orvane
