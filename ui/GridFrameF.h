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
#include <cstdint>
#include <vector>

#include "core/ProjectRecord.h"

class QToolButton;

namespace orvane {

class TStringGridExt;

class TGFrame : public QFrame {
    Q_OBJECT

public:
    // The frame reads and writes boundaries of project, which must outlive it.
    explicit TGFrame(ProjectRecord& project, QWidget* parent = nullptr);

    // Three columns, one heading row, 30 rows (29 data rows) or as many as
    // hold text, column widths and headings in the record's coordinate unit.
    // Data rows keep their texts and stay shown.
    void SetupGrid();
    // Column widths from the frame's client width: a third each, column 0 half
    // of that, as long as that shows " 999" and a whole coordinate of 10
    // digits ("4390000.000"); otherwise the number column as wide as its
    // digits need and x and y the rest, the grid's font down to 7 points
    // when even that does not show them whole.
    void FrameResize();
    // Wide enough for a node number, two whole coordinates and the scroll
    // bar: in the frame's font (sizeHint), in the smallest font (minimum).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Shows boundary b (1..5) of the record: one row per named node, at least
    // 30 rows and 10 empty rows after the last node. The grid then shows row 1
    // at the top with the current cell on its node number, so what is typed
    // next lands where it is seen.
    void LoadBoundary(int b);
    // SetupGrid, then LoadBoundary(b), without showing 30 rows in between.
    void ShowBoundary(int b);
    // Writes the rows the grid shows into boundary b (1..5) by the rules of StoreNodes
    // (core/CommitRules.h): empty rows are skipped, rows with coordinates but
    // no number are the next node. The rows themselves are left as typed.
    void StoreBoundary(int b);
    // Every commit stores all five grids and shows them back, and a boundary
    // holds up to 999 rows: work that changes nothing is skipped. A grid
    // whose texts have not changed since it last stored boundary b writes
    // the same nodes again without reading its rows, and a grid that still
    // shows exactly what it loaded is not reloaded with the same nodes.
    // Empties every data row, hidden ones too; the heading row stays. Row 1
    // at the top, as above.
    void ClearGrid();

    // Enter moves on: to the next column, from the last column to the node
    // number of the next row, adding a row below the last one.
    void MoveOn();

    // Where the user is in the grid: the current cell and the scroll position.
    struct GridView {
        int col = 0;
        int row = 1;
        int top = 0;   // vertical scroll bar value
        int left = 0;  // horizontal scroll bar value
    };
    GridView View() const;
    // Back to a view taken before the grid was reloaded with the same boundary
    // (a commit shows the record back); rows that are gone are not reached.
    void SetView(const GridView& view);

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
    void changeEvent(QEvent* event) override;

private:
    // Pixels the columns need in a font of the given size, and the scroll bar
    // with the grid's frame.
    struct ColumnNeeds {
        int number;
        int coordinate;
        int scrollBar;
        int Total() const { return number + 2 * coordinate + scrollBar; }
    };
    ColumnNeeds Needs(double points) const;
    // Node number of a row's column 0; 0 when it holds none.
    int RowNumber(int row) const;
    void SetupColumns();
    // Positions 0..count of boundary b, as a load reads them or a store
    // writes them, with the grid revision they belong to.
    struct NodesCopy {
        int boundary = 0;  // 0: nothing kept
        quint64 revision = 0;
        int count = 0;
        std::vector<std::int32_t> number;
        std::vector<float> x;
        std::vector<float> y;
        void Take(const ProjectRecord& rec, int b, int n, quint64 gridRevision);
        // Bit for bit, so that NaN equals NaN and -0 is not 0: equal bits show equal texts.
        bool Holds(const ProjectRecord& rec, int b, int n) const;
    };
    void ShowFirstRow();
    void CopyRow(int from, int to);

    ProjectRecord& project_;
    TStringGridExt* grid_;
    QWidget* panel_;
    QToolButton* appendButton_;  // SpeedButton3
    QToolButton* addButton_;     // SpeedButton1
    QToolButton* deleteButton_;  // SpeedButton2
    int frameBoundary_ = 0;
    NodesCopy shown_;   // the nodes the grid shows, as loaded
    NodesCopy stored_;  // what the last store wrote
};

}  // namespace orvane
