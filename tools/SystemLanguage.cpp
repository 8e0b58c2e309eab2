#include "tools/SystemLanguage.h"

#include <QLocale>

namespace orvane {

bool SystemLanguageIsEnglish()
{
    // QLocale::system() follows LC_ALL / LC_MESSAGES / LANG, not the default
    // QLocale that SetFormatDefaults replaces. The "C" locale counts as English.
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::English || language == QLocale::C;
}

}  // namespace orvane
