#pragma once
// Small builders of named controls, so a window's layout code reads as its
// arrangement. Each control gets its objectName; labels and buttons their
// text and hint.

#include <QString>
#include <QStringList>

class QComboBox;
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

}  // namespace orvane
