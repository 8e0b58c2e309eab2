#include "reports/ReportDevice.h"

#include <QPaintDevice>
#include <QPrinter>

#include <cmath>

#include "tools/ApplicationPrinter.h"
#include "tools/PrinterCheck.h"

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

}  // namespace orvane
