#include "tools/UiFontChoice.h"

#include "tools/settings/IniSettings.h"

namespace orvane {

std::string ChooseUiFontName(int fontSetting, bool englishSystem)
{
    if (fontSetting == 7)
        return "Arial";
    if (fontSetting == 9)
        return "Segoe UI";
    return englishSystem ? "MS Sans Serif" : "Arial";
}

std::string UiFontNameFromSettings(const std::string& defaultIniPath, bool englishSystem)
{
    return ChooseUiFontName(ReadIniInteger(defaultIniPath, "MAIN", "FONT", 0), englishSystem);
}

}  // namespace orvane
