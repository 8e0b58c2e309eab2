#pragma once
// Keeping a window inside the screen's work area (the desktop less panels
// and task bars).

class QWidget;

namespace orvane {

// A window taller than the work area of its screen gets the work area's
// height; one wider gets its width. The position is left alone.
void FitToWorkArea(QWidget* window);

}  // namespace orvane
