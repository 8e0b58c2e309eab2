#pragma once
// The face name of every window's font, chosen from the integer "FONT" in
// section "MAIN" of the read-only default settings file.

#include <string>

namespace orvane {

// 7 gives "Arial", 9 "Segoe UI", anything else "MS Sans Serif"; on a system
// whose default language is not English "MS Sans Serif" becomes "Arial".
// Where a face is not installed, the font system substitutes its nearest one.
std::string ChooseUiFontName(int fontSetting, bool englishSystem);

// ChooseUiFontName of "MAIN"/"FONT" in defaultIniPath (0 when missing).
std::string UiFontNameFromSettings(const std::string& defaultIniPath, bool englishSystem);

}  // namespace orvane
