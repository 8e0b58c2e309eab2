// The word-wrapping grid: cell store, sizes, text placement and the owner's
// cell drawing.

#include <QPainter>
#include <QtTest>

#include "tools/MGStringGridF.h"

namespace orvane {

namespace {

// The box holding every pixel darker than mid grey.
QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestMGStringGrid : public QObject {
    Q_OBJECT
private slots:
    void cellsAndCounts();
    void zeroSizeTakesNoSpace();
    void textPlacement();
    void ownerDrawsOverEachCell();
};

void TestMGStringGrid::cellsAndCounts()
{
    TMGStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCell(2, 2, "kept");
    grid.SetCell(3, 0, "outside");
    QCOMPARE(grid.Cell(3, 0), QString());
    grid.SetColCount(5);  // texts stay where they were
    QCOMPARE(grid.Cell(2, 2), QString("kept"));
    grid.SetCurrentCell(4, 2);
    grid.SetRowCount(2);  // the current cell moves into the grid
    QCOMPARE(grid.Cell(2, 2), QString());
    QCOMPARE(std::make_pair(grid.Col(), grid.Row()), std::make_pair(4, 1));
}

void TestMGStringGrid::zeroSizeTakesNoSpace()
{
    TMGStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetColWidth(0, 30);
    grid.SetColWidth(1, 0);
    grid.SetColWidth(2, 50);
    grid.SetRowHeight(1, -5);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.ColWidth(1), 0);
    QCOMPARE(grid.RowHeight(1), 0);
    // Each cell of non-zero size is followed by its grid line.
    QCOMPARE(grid.columnViewportPosition(2), 30 + 1);
    QCOMPARE(grid.columnViewportPosition(3), 30 + 1 + 50 + 1);
    QCOMPARE(grid.rowViewportPosition(2), grid.RowHeight(0) + 1);
}

// Three words too wide for one line of the cell: a plain cell shows one
// centred line, a cell with word wrap and any fixed cell wrap from the top left.
void TestMGStringGrid::textPlacement()
{
    const struct {
        const char* name;
        bool wordWrap, fixed, wrapped;
    } cases[] = {{"plain", false, false, false}, {"word wrap", true, false, true}, {"fixed", false, true, true}};
    for (const auto& c : cases) {
        TMGStringGrid grid;
        grid.SetWordWrap(c.wordWrap);
        grid.SetColor(Qt::white);
        grid.SetFixedColor(Qt::white);
        grid.SetCell(1, 1, "ab cd ef");
        QImage image(60, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRect cell(0, 0, 40, 80);
        QPainter painter(&image);
        grid.DrawCell(painter, 1, 1, cell, c.fixed ? TMGStringGrid::Fixed : TMGStringGrid::DrawState());
        painter.end();
        const QRect ink = InkBox(image);
        const int line = grid.fontMetrics().height();
        QVERIFY2(!ink.isEmpty() && cell.adjusted(2, 2, -2, -2).contains(ink), c.name);  // 2 px inside
        if (c.wrapped)
            QVERIFY2(ink.top() < 2 + line && ink.left() <= 4 && ink.height() > line, c.name);
        else
            QVERIFY2(ink.height() <= line && qAbs(ink.center().y() - cell.center().y()) <= line / 2, c.name);
    }
}

void TestMGStringGrid::ownerDrawsOverEachCell()
{
    TMGStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCurrentCell(2, 2);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            grid.SetCell(c, r, "WWWWWWWW");
    struct Call {
        int col, row;
        QRect rect;
        TMGStringGrid::DrawState state;
    };
    QList<Call> calls;
    grid.OnDrawCell = [&calls](QPainter& p, int col, int row, const QRect& rect, TMGStringGrid::DrawState state) {
        calls << Call {col, row, rect, state};
        p.fillRect(rect, Qt::yellow);
    };
    grid.resize(250, 120);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    calls.clear();
    const QImage image = grid.viewport()->grab().toImage();
    QCOMPARE(calls.size(), 9);
    for (const Call& c : calls) {
        QCOMPARE(c.rect.size(), QSize(grid.ColWidth(c.col), grid.RowHeight(c.row)));
        QCOMPARE(bool(c.state & TMGStringGrid::Fixed), c.col == 0 || c.row == 0);
        QCOMPARE(bool(c.state & TMGStringGrid::Selected), c.col == 2 && c.row == 2);
        // The owner's drawing comes last: none of the grid's text shows through.
        const QImage cell = image.copy(c.rect);
        QCOMPARE(InkBox(cell), QRect());
        QCOMPARE(cell.pixelColor(cell.rect().center()), QColor(Qt::yellow));
    }
}

}  // namespace orvane

QTEST_MAIN(orvane::TestMGStringGrid)
#include "tst_mgstringgrid.moc"
