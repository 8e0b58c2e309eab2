#include "tools/settings/FormatDefaults.h"

#include <clocale>

#include <QLocale>

namespace orvane {

void SetFormatDefaults()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(numbers);
}

}  // namespace orvane
