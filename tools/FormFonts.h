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
// UiFontName() (each keeps its size and style), and its menus get keyboard
// accelerators (AddMenuAccelerators). Tool windows run it at creation. Qt
// text is Unicode, so there is no character set to choose.
void ApplyFormFonts(QWidget* window);

// The face part alone, with a given face: for windows whose menus must keep
// their captions as written (the main window's take no accelerators).
void ApplyFormFace(QWidget* window, const QString& face);

// Each menu caption of the window without "&" gets one before the first
// letter or digit that no other item of its menu uses yet.
void AddMenuAccelerators(QWidget* window);

}  // namespace orvane
