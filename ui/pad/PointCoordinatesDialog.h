#pragma once
// The small dialog for typed coordinates: a point's x and y in the display
// unit (the project's unit in the region window), and whether they go
// through the pad's snapping rule ("Snap to grid", off unless asked for).
// For an existing point a list names the point by its number; a new point
// has no list.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/PadGraph.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;

namespace orvane {

class TPointCoordinatesDialog : public QDialog {
    Q_OBJECT

public:
    struct Choice {
        std::int32_t Number = 0;  // shown in the list
        PadXY At;                 // display units
    };

    // choices: the points to choose from, selected the one shown first. A
    // new point (newPoint) has one choice, its proposed position, and no list.
    TPointCoordinatesDialog(QWidget* parent, const QString& unit, std::vector<Choice> choices, int selected,
                            bool newPoint);

    // Row of the choices now selected.
    int Selected() const;
    // The coordinates typed, display units: nothing while either field holds
    // no number or one beyond +-1e9. A field left as shown gives the point's
    // own value exactly, digits beyond those shown included.
    std::optional<PadXY> Typed() const;
    bool SnapToGrid() const;

    QComboBox* PointCombo = nullptr;
    QLineEdit* XEdit = nullptr;
    QLineEdit* YEdit = nullptr;
    QCheckBox* SnapCheck = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void ShowChoice();
    void Check();

    std::vector<Choice> choices_;
    QString shownX_;
    QString shownY_;
};

// A coordinate as the dialog shows it: up to nine significant digits, no
// trailing zeros, "." as decimal separator.
QString CoordinateText(double value);

}  // namespace orvane
