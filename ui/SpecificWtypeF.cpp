#include "ui/SpecificWtypeF.h"

#include "core/ProjectRecord.h"

namespace orvane {

TSpecificWtype::TSpecificWtype(QWidget* parent)
    : TMethodFrame(
          &ProjectRecord::SignificantMethod, QStringLiteral("Significant wave computation method"),
          {QStringLiteral("Bretsneider "), QStringLiteral("Bretsneider (depth) "), QStringLiteral("Wilsons method ")},
          parent)
{
}

}  // namespace orvane
