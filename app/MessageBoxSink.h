#pragma once
// Messages of the program's operations as message boxes with an OK button.

namespace orvane {

// Errors, warnings and information become modal message boxes over the
// active window. Installed once, before the main window is created.
void InstallMessageBoxSink();

}  // namespace orvane
