#include "ui/SpectrumTypeF.h"

#include "core/ProjectRecord.h"

namespace orvane {

TSpectrumType::TSpectrumType(QWidget* parent)
    : TMethodFrame(&ProjectRecord::SpectrumType, QStringLiteral("Spectrum type"),
                   {QStringLiteral(" Pierson-Moskowitz"), QStringLiteral("JONSWAP")}, parent)
{
}

}  // namespace orvane
