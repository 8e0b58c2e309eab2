#pragma once
// Small builders of named controls and the pictures on them, so a window's
// layout code reads as its arrangement. Each control gets its objectName;
// labels and buttons their text and hint.

#include <QString>
#include <QStringList>

class QComboBox;
class QIcon;
class QPixmap;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace orvane {

class TSpinButton;

// A "?" button, 20 x 20 pixels, that takes no focus.
QToolButton* HelpButton(QWidget* parent, const char* name, const char* hint);
QLabel* NewLabel(QWidget* parent, const QString& text, const char* name = nullptr);
// A right-aligned value field 72 pixels wide.
QLineEdit* NewEdit(QWidget* parent, const char* name);
TSpinButton* NewSpin(QWidget* parent, const char* name);
QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items);
QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, const char* hint);
QFrame* NewPanel(QWidget* parent, const char* name);

// The angle convention beside the main window's wind labels: the +x axis,
// a direction counter-clockwise from it and the arc between them (40 x 40).
QPixmap AnglePicture();
// A pencil over a polygon: the picture of the region drawing command.
QIcon DrawRegionIcon();

// A list or spin box that commits on every change must not change under a
// mouse wheel turned over it on the way elsewhere: it takes the wheel only
// while it has the keyboard focus (a click or Tab gives it), or never.
enum class WheelUse { WhenFocused, Never };
void GuardWheel(QWidget* control, WheelUse use);

}  // namespace orvane
