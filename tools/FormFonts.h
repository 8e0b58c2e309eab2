#pragma once
// The window font of the whole program.

#include <QString>

class QWidget;

namespace orvane {

// The face chosen once per run from the default settings file and the
// system's language (tools/UiFontChoice.h). The first call decides.
QString UiFontName();

// The window and its labels, check boxes, option groups, lists, group boxes,
// buttons, multi-line and one-line text fields and panels take the face
// UiFontName() (each keeps its size and style). Menus of the window get
// keyboard accelerators where their captions have none. Qt text is Unicode,
// so there is no character set to choose.
void ApplyFormFonts(QWidget* window);

// The same with a given face (for tests and previews).
void ApplyFormFontsWith(QWidget* window, const QString& face);

}  // namespace orvane
