#pragma once
// TGFrame: the table of one region boundary, a grid of numbered nodes
// ("point", x, y) with three buttons beneath it, and the transfer between its
// rows and that boundary of the project record.
//
// The node numbers typed by the user are the nodes' identities and their
// order, not the row order: numbers skipped in the table become gap nodes
// (number 0, carrying the coordinates of the row whose reading skipped them),
// so the record always holds a gap-free closed node sequence. Loading then
// storing reproduces a boundary, gap nodes included.

#include <QFrame>

#include "core/ProjectRecord.h"

class QToolButton;

namespace orvane {

class TStringGridExt;

class TGFrame : public QFrame {
    Q_OBJECT

public:
    // The frame reads and writes boundaries of project, which must outlive it.
    explicit TGFrame(ProjectRecord& project, QWidget* parent = nullptr);

    // Three columns, one heading row, 30 rows (29 data rows), column widths
    // and headings in the record's coordinate unit. Data rows keep their texts.
    void SetupGrid();
    // Column widths from the frame's client width: a third each, column 0 half of that.
    void FrameResize();
    // Shows boundary b (1..5) of the record: one row per named node, at least
    // 30 rows and 10 empty rows after the last node.
    void LoadBoundary(int b);
    // Writes the rows into boundary b (1..5), reading until the first row
    // without a node number in 1..999, then empties the rows after the last node.
    void StoreBoundary(int b);
    // Empties every data row; the heading row stays.
    void ClearGrid();

    // "append rows ": two more rows.
    void SpeedButton3Click();
    // "add node": inserts an empty node at the current row and renumbers the
    // following nodes by one.
    void SpeedButton1Click();
    // "delete current node": removes the current row's node; its number goes
    // missing and becomes a gap node at the next store.
    void SpeedButton2Click();

    TStringGridExt* StringGrid() const { return grid_; }
    // The boundary (1..5) last loaded; 0 before the first load.
    int FrameBoundary() const { return frameBoundary_; }

signals:
    // Enter pressed in the grid, after the cell being edited (if any) was committed.
    void EnterPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Node number of a row's column 0; 0 when it holds none.
    int RowNumber(int row) const;
    void CopyRow(int from, int to);

    ProjectRecord& project_;
    TStringGridExt* grid_;
    QWidget* panel_;
    QToolButton* appendButton_;  // SpeedButton3
    QToolButton* addButton_;     // SpeedButton1
    QToolButton* deleteButton_;  // SpeedButton2
    int frameBoundary_ = 0;
};

}  // namespace orvane
