#include "tools/settings/FormatDefaults.h"

#include <QLocale>
#include <clocale>

namespace orvane {

void SetFormatDefaults()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(numbers);
}

}  // namespace orvane
