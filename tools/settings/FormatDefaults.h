#pragma once
// Fixes the number conventions of the process for good ("." decimals, see
// tools/settings/NumberConventions.h).
//
// Call it once in main, right after the QApplication is created and before
// any window: on Linux QApplication sets every C locale category from the
// environment, so a German user would otherwise get "," from any C-library
// conversion, and every widget would format and read numbers with the
// system's QLocale. Afterwards the C numeric locale is "C" and the default
// QLocale is the C locale without group separators, so spin boxes, validators
// and chart axes show "1234.5" whatever the regional settings.

namespace orvane {

void SetFormatDefaults();

}  // namespace orvane
