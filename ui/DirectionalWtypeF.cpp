#include "ui/DirectionalWtypeF.h"

#include "core/ProjectRecord.h"

namespace orvane {

TDirectionalWtype::TDirectionalWtype(QWidget* parent)
    : TMethodFrame(
          &ProjectRecord::DirectionalMethod, QStringLiteral("Directional spectrum effect"),
          {QStringLiteral("Effective fetch "), QStringLiteral("Savillle's method"), QStringLiteral("Seymour's method")},
          parent)
{
}

}  // namespace orvane
