#pragma once
// TMGStringGrid: a read-only string grid that draws its own cells, with an
// optional word wrap.
//
// Cells are addressed (column, row) from the top left; the first FixedCols
// columns and FixedRows rows are fixed cells (headings) drawn in FixedColor,
// the others in Color. ColWidth and RowHeight are the cells' own sizes; a
// one-pixel grid line follows every cell of non-zero size, and a column or
// row of size 0 takes no space at all.
//
// Each cell is drawn as follows: its background (the fixed colour, the
// highlight for the current cell, the grid colour otherwise); then its text on
// a transparent background inside the cell shrunk by 2 pixels on every side:
// in fixed cells, and in every cell while WordWrap is on, as word-wrapped text
// from the top left corner, otherwise as one line centred both ways; then
// OnDrawCell, when the owner set one, with the column, row, cell rectangle
// and state, so that the owner can draw over it.

#include <QColor>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

class QPainter;

namespace orvane {

class MGStringGridModel;

class TMGStringGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    enum DrawStateFlag {
        Selected = 0x1,  // the current cell
        Focused = 0x2,   // the current cell of a grid with keyboard focus
        Fixed = 0x4,     // a heading cell
    };
    Q_DECLARE_FLAGS(DrawState, DrawStateFlag)

    using DrawCellEvent = std::function<void(QPainter& painter, int col, int row, const QRect& rect, DrawState state)>;

    static constexpr int kGridLineWidth = 1;   // px
    static constexpr int kTextInset = 2;       // px between the cell edge and its text
    static constexpr int kMaxCells = 1 << 16;  // columns x rows at most; larger counts are cut

    explicit TMGStringGrid(QWidget* parent = nullptr);
    ~TMGStringGrid() override;

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);  // repaints

    int ColCount() const;
    int RowCount() const;
    void SetColCount(int columns);  // at least 1; texts of dropped cells go
    void SetRowCount(int rows);     // at least 1
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int columns);  // 0 .. ColCount
    void SetFixedRows(int rows);     // 0 .. RowCount

    // Out-of-range cells read as "" and ignore writes.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    int ColWidth(int col) const;  // 0 for a column that does not exist
    int RowHeight(int row) const;
    void SetColWidth(int col, int pixels);  // negative counts as 0
    void SetRowHeight(int row, int pixels);

    // The current cell; (FixedCols, FixedRows) until moved.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int col, int row);

    QColor Color() const { return color_; }
    QColor FixedColor() const { return fixedColor_; }
    void SetColor(const QColor& colour);  // the cells' and the empty area's
    void SetFixedColor(const QColor& colour);

    // The area the cells are drawn in (the grid without its frame).
    QSize ClientSize() const;

    // Draws one cell as the grid does on screen, OnDrawCell included.
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, DrawState state) const;

    DrawCellEvent OnDrawCell;

private:
    void Resize(int columns, int rows);
    void ApplySectionSize(Qt::Orientation orientation, int index);

    MGStringGridModel* model_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    bool wordWrap_ = false;
    QColor color_;
    QColor fixedColor_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TMGStringGrid::DrawState)

}  // namespace orvane
