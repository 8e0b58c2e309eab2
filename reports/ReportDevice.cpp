#include "reports/ReportDevice.h"

#include <QPaintDevice>
#include <QPrinter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "tools/ApplicationPrinter.h"

namespace orvane {

namespace {

bool Usable(const QPaintDevice& device)
{
    return device.width() > 0 && device.height() > 0 && device.widthMM() > 0 && device.heightMM() > 0;
}

}  // namespace

double PixelAspectOf(const QPaintDevice& device)
{
    if (!Usable(device))
        return 1.0;
    const double across = static_cast<double>(device.widthMM()) / device.width();
    const double down = static_cast<double>(device.heightMM()) / device.height();
    const double aspect = across / down;
    return std::isfinite(aspect) && aspect > 0 ? aspect : 1.0;
}

double ReportPixelAspect(const QPaintDevice* target)
{
    if (PrinterInstalled()) {
        const QPrinter* printer = ApplicationPrinter();
        if (printer && printer->isValid() && Usable(*printer))
            return PixelAspectOf(*printer);
    }
    return target ? PixelAspectOf(*target) : 1.0;
}

void PrepareReportPrinter(QPrinter& printer, const QString& title)
{
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(title);
}

QSize PreviewWindowSize(const QSize& available)
{
    // Room the preview window takes besides the page: its tool bar above,
    // the frame and scroll bar beside.
    constexpr int kToolBarPx = 90;
    constexpr int kBesidePx = 80;
    constexpr double kA4WidthPerHeight = 210.0 / 297.0;
    const int height = std::max(1, static_cast<int>(std::lround(0.9 * available.height())));
    const int pageWidth = static_cast<int>(std::lround((height - kToolBarPx) * kA4WidthPerHeight));
    const int width = std::clamp(pageWidth + kBesidePx, 1, std::max(1, available.width()));
    return {width, height};
}

}  // namespace orvane
