#pragma once
// Grid cells whose numbers show a raised power of ten: "9.810E-009" is drawn
// as 9.810x10 followed by a small raised "-9".

#include <QColor>
#include <QStyledItemDelegate>

class QPainter;
class QRect;
class QString;

namespace orvane {

// Draws text in Arial 9 pt over a fill of background. Cells outside row 0
// and column 0 first go through ExponentToPower. The text is centred by its
// whole width (at least 1 px from the left) and by the height of a line;
// with a "^" the part before it is drawn at full size, the two characters
// after it (sign and first digit) at 0.8 of the size raised by a quarter of
// the font height, and the rest at full size again.
void DrawPowerCell(QPainter& painter, const QRect& rect, const QString& text, int column, int row,
                   const QColor& background, const QColor& textColour);

// An item delegate that draws every cell with DrawPowerCell, in the view's
// base and text colours. Headers of the grid are row 0 and column 0 of the model.
class PowerCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orvane
