#include "tools/PrinterCheck.h"

#include <QPrinterInfo>

namespace orvane {

bool PrinterInstalled()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace orvane
