#include "tools/help/ApplicationHelpFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QVariant>

namespace orvane {

namespace {
constexpr const char* kProperty = "orvaneHelpFile";
}

std::string ApplicationHelpFile()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property(kProperty).toByteArray().toStdString() : std::string();
}

void SetApplicationHelpFile(const std::string& path)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(kProperty, QByteArray::fromStdString(path));
}

}  // namespace orvane
