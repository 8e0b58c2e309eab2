#include "tools/ApplicationPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

namespace {

constexpr const char* kHolderName = "orvaneApplicationPrinter";

// Owned by the application, so the printer is released with it.
class PrinterHolder : public QObject {
public:
    explicit PrinterHolder(QObject* app) : QObject(app) { setObjectName(QLatin1String(kHolderName)); }
    QPrinter printer {QPrinter::HighResolution};
};

}  // namespace

QPrinter* ApplicationPrinter()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    for (QObject* child : app->children()) {
        if (child->objectName() == QLatin1String(kHolderName))
            return &static_cast<PrinterHolder*>(child)->printer;
    }
    return &(new PrinterHolder(app))->printer;
}

bool PrinterInstalled()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace orvane
