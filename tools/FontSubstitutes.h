#pragma once
// The Windows faces the windows and pictures name ("MS Sans Serif", "Arial",
// "Courier New", ...) drawn with their metric-compatible free faces where
// those are installed, so labels keep the widths they were laid out for.

namespace orvane {

// Once, after the application object exists and before any window.
void SetFontSubstitutes();

}  // namespace orvane
