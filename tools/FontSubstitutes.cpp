#include "tools/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace orvane {

void SetFontSubstitutes()
{
    struct Substitute {
        const char* face;
        const char* freeFace;
    };
    // Liberation Sans has Arial's widths, which MS Sans Serif's 8 pt comes
    // close to; the other free faces match their Windows faces metric for metric.
    static const Substitute substitutes[] = {
        {"MS Sans Serif", "Liberation Sans"},       {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"}, {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& s : substitutes) {
        const QString face = QLatin1String(s.face);
        const QString freeFace = QLatin1String(s.freeFace);
        if (!installed.contains(face) && installed.contains(freeFace) && !QFont::substitutes(face).contains(freeFace))
            QFont::insertSubstitution(face, freeFace);
    }
}

}  // namespace orvane
