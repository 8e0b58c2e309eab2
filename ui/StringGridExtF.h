#pragma once
// TStringGridExt: an editable string grid with one fixed heading row, a
// current cell and a row store.
//
// Rows are numbered as the grid shows them: row 0 is the heading row, data
// rows start at 1, and RowCount includes the heading row. The store keeps the
// texts of every row ever written, independent of RowCount: lowering RowCount
// hides rows without erasing them, raising it shows them again, and Cell()
// reads a row beyond RowCount as its kept text ("" if never written).
//
// Keyboard: arrows and Tab move the current cell, typing starts editing, Enter
// commits the cell being edited. Every Enter (editing or not) also emits
// EnterPressed(), so an owner can commit its record on it.

#include <QString>
#include <QTableView>
#include <vector>

namespace orvane {

class StringGridModel;

class TStringGridExt : public QTableView {
    Q_OBJECT

public:
    // Rows the grid will display or store at most (heading included);
    // writes beyond it are ignored.
    static constexpr int kMaxRows = 1 << 20;

    explicit TStringGridExt(QWidget* parent = nullptr);
    ~TStringGridExt() override;

    int ColCount() const;
    void SetColCount(int columns);  // at least 1
    int RowCount() const;
    void SetRowCount(int rows);  // 2 .. kMaxRows: the heading row and at least one data row
    static constexpr int FixedRows() { return 1; }

    // Text of a cell; row 0 is the heading. Out-of-range cells read as "".
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    void ClearRow(int row);
    // Empties every data row from `row` (at least 1) to the end of the
    // store, hidden rows included: nothing written there before can come back.
    void EraseRowsFrom(int row);
    // The last data row holding any text, hidden or not; 0 for none.
    int LastTextRow() const;
    // Rows the store has ever been written to, heading included (>= RowCount
    // only after rows were hidden).
    int StoredRowCount() const;
    // Changes whenever a text Cell() reads changes (an edit, SetCell with
    // other text, a new column count), and only then: equal revisions mean
    // equal contents, whatever the row count shows of them.
    quint64 Revision() const;

    // The current cell; row 1, column 0 until the user or SetCurrentCell moves it.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int col, int row);
    // The first data row at the top, scrolled fully left, and the current
    // cell on row 1, column 1 (the x of the first node), nothing selected.
    void ShowTopLeft();

    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int pixels);  // every column
    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int pixels) { setColumnWidth(col, pixels); }

signals:
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StringGridModel* model_;
    int defaultColWidth_ = 64;
};

}  // namespace orvane
