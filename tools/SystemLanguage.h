#pragma once
// The system's default language, as far as the window font needs it.

namespace orvane {

// true when the user's regional settings name English (any country).
bool SystemLanguageIsEnglish();

}  // namespace orvane
