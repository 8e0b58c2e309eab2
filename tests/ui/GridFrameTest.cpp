// The coordinate grid frame on a real widget: rows to boundary and back, the
// row store, the three buttons and the keyboard.

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

#include "core/ProjectRecord.h"
#include "ui/GridFrameF.h"
#include "ui/StringGridExtF.h"

namespace orvane {

namespace {

struct Row {
    QString number;
    QString x;
    QString y;
};

struct Position {
    int number;
    float x;
    float y;
};

void TypeRows(TGFrame& frame, const std::vector<Row>& rows)
{
    TStringGridExt* grid = frame.StringGrid();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid->SetCell(0, r, rows[i].number);
        grid->SetCell(1, r, rows[i].x);
        grid->SetCell(2, r, rows[i].y);
    }
}

QStringList Numbers(const TGFrame& frame)
{
    QStringList out;
    for (int r = 1; r < frame.StringGrid()->RowCount() && !frame.StringGrid()->Cell(0, r).isEmpty(); ++r)
        out << frame.StringGrid()->Cell(0, r).trimmed();
    return out;
}

// Positions 0..N of boundary b.
std::vector<Position> Positions(const ProjectRecord& rec, int b)
{
    std::vector<Position> out;
    for (int i = 0; i <= rec.NodeCount[b]; ++i)
        out.push_back({i == 0 ? -1 : rec.NodeNumber[b][i], rec.NodeX[b][i], rec.NodeY[b][i]});
    return out;
}

void Fill(ProjectRecord& rec, int b, int count)
{
    rec.NodeCount[b] = count;
    for (int k = 1; k <= count; ++k) {
        rec.NodeNumber[b][k] = k;
        rec.NodeX[b][k] = 10.0f * k;
        rec.NodeY[b][k] = 0.5f * k;
    }
    rec.NodeX[b][0] = rec.NodeX[b][count];
    rec.NodeY[b][0] = rec.NodeY[b][count];
}

}  // namespace

class GridFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectRecord> rec_;
    std::unique_ptr<TGFrame> frame_;

private slots:
    void init()
    {
        rec_ = std::make_unique<ProjectRecord>();
        SetProjectDefaults(*rec_);
        frame_ = std::make_unique<TGFrame>(*rec_);
        frame_->resize(300, 400);
    }
    void cleanup()
    {
        frame_.reset();
        rec_.reset();
    }

    void namesHintsAndHeadings()
    {
        QVERIFY(frame_->findChild<TStringGridExt*>(QStringLiteral("StringGrid")) == frame_->StringGrid());
        const char* names[] = {"SpeedButton3", "SpeedButton1", "SpeedButton2"};
        const char* hints[] = {"append rows ", "add node", "delete current node"};
        for (int i = 0; i < 3; ++i) {
            auto* button = frame_->findChild<QToolButton*>(QLatin1String(names[i]));
            QVERIFY2(button != nullptr, names[i]);
            QCOMPARE(button->toolTip(), QLatin1String(hints[i]));
            QVERIFY(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
            QVERIFY(!button->icon().isNull());
        }
        rec_->CoordUnits = 2;
        frame_->SetupGrid();
        TStringGridExt* grid = frame_->StringGrid();
        QCOMPARE(grid->RowCount(), 30);
        QCOMPARE(grid->ColCount(), 3);
        QCOMPARE(grid->Cell(0, 0), QStringLiteral("point"));
        QCOMPARE(grid->Cell(1, 0), QStringLiteral(" x [m]"));
        QCOMPARE(grid->Cell(2, 0), QStringLiteral(" y [m]"));
        // A third of the client width each; column 0 half of that.
        const int third = frame_->contentsRect().width() / 3;
        QCOMPARE(grid->ColWidth(1), third);
        QCOMPARE(grid->ColWidth(2), third);
        QCOMPARE(grid->ColWidth(0), third / 2);
        // Resizing the shown frame follows.
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        frame_->resize(450, 400);
        QTRY_COMPARE(grid->ColWidth(1), frame_->contentsRect().width() / 3);
        QCOMPARE(grid->ColWidth(0), frame_->contentsRect().width() / 6);
    }

    void storeBoundary_data()
    {
        QTest::addColumn<std::vector<Row>>("rows");
        QTest::addColumn<std::vector<Position>>("positions");  // 0..N after the store
        QTest::addColumn<QStringList>("reloaded");

        QTest::newRow("1, 2, 5: gaps 3 and 4 carry node 5")
            << std::vector<Row> {{" 1", "1", "10"}, {"2", "2", "20"}, {"5", "5", "50"}}
            << std::vector<Position> {{-1, 5, 50}, {1, 1, 10}, {2, 2, 20}, {0, 5, 50}, {0, 5, 50}, {5, 5, 50}}
            << QStringList {"1", "2", "5"};
        QTest::newRow("3 then 1: gap 2 carries node 3")
            << std::vector<Row> {{"3", "3", "30"}, {"1", "1", "10"}}
            << std::vector<Position> {{-1, 3, 30}, {1, 1, 10}, {0, 3, 30}, {3, 3, 30}} << QStringList {"1", "3"};
        QTest::newRow("starting at 2: gap 1 carries node 2")
            << std::vector<Row> {{"2", "2", "20"}, {"3", "3", "30"}}
            << std::vector<Position> {{-1, 3, 30}, {0, 2, 20}, {2, 2, 20}, {3, 3, 30}} << QStringList {"2", "3"};
        QTest::newRow("1000 is skipped, the rows below are stored")
            << std::vector<Row> {{"1", "1", "10"}, {"1000", "9", "9"}, {"2", "2", "20"}}
            << std::vector<Position> {{-1, 2, 20}, {1, 1, 10}, {2, 2, 20}} << QStringList {"1", "2"};
        QTest::newRow("a blank row and a row without a number")
            << std::vector<Row> {{"1", "1", "10"}, {"", "", ""}, {"", "9", "90"}, {"3", "3", "30"}}
            << std::vector<Position> {{-1, 3, 30}, {1, 1, 10}, {2, 9, 90}, {3, 3, 30}} << QStringList {"1", "2", "3"};
        QTest::newRow("a later row overwrites, bad coordinates store 0")
            << std::vector<Row> {{"1", "1", "10"}, {"2", "2", "20"}, {"1", "abc", "1e40"}}
            << std::vector<Position> {{-1, 2, 20}, {1, 0, 0}, {2, 2, 20}} << QStringList {"1", "2"};
        QTest::newRow("empty table") << std::vector<Row> {} << std::vector<Position> {{-1, 0, 0}} << QStringList {};
    }

    void storeBoundary()
    {
        QFETCH(std::vector<Row>, rows);
        QFETCH(std::vector<Position>, positions);
        QFETCH(QStringList, reloaded);
        TypeRows(*frame_, rows);
        frame_->StoreBoundary(2);
        const std::vector<Position> got = Positions(*rec_, 2);
        QCOMPARE(got.size(), positions.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            if (i > 0)
                QCOMPARE(got[i].number, positions[i].number);
            QCOMPARE(got[i].x, positions[i].x);
            QCOMPARE(got[i].y, positions[i].y);
        }
        frame_->LoadBoundary(2);
        QCOMPARE(Numbers(*frame_), reloaded);
        QCOMPARE(frame_->FrameBoundary(), 2);
    }

    void highestNode999()
    {
        TypeRows(*frame_, {{"1", "1", "1"}, {"999", "9", "99"}});
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 999);
        QCOMPARE(rec_->NodeNumber[1][500], 0);
        QCOMPARE(rec_->NodeX[1][998], 9.0f);
        QCOMPARE(rec_->NodeNumber[1][999], 999);
        frame_->LoadBoundary(1);
        QCOMPARE(frame_->StringGrid()->RowCount(), 1009);
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "999"}));
    }

    void loadWritesCanonicalTexts()
    {
        Fill(*rec_, 1, 3);
        rec_->NodeX[1][2] = -1234.5678f;
        frame_->LoadBoundary(1);
        QCOMPARE(frame_->StringGrid()->RowCount(), 30);
        QCOMPARE(frame_->StringGrid()->Cell(0, 2), QStringLiteral("   2"));
        QCOMPARE(frame_->StringGrid()->Cell(1, 2), QStringLiteral("-1234.568"));
        QCOMPARE(frame_->StringGrid()->Cell(2, 1), QStringLiteral("   0.500"));
        QVERIFY(frame_->StringGrid()->Cell(0, 4).isEmpty());
    }

    void loadThenStoreKeepsGapNodes()
    {
        // Numbers 1, gap, gap, 4, 5, gap, 7: the gaps carry the next node's coordinates.
        const int numbers[] = {0, 1, 0, 0, 4, 5, 0, 7};
        rec_->NodeCount[3] = 7;
        for (int i = 1; i <= 7; ++i) {
            const int owner = numbers[i] != 0 ? i : (i < 4 ? 4 : 7);
            rec_->NodeNumber[3][i] = numbers[i];
            rec_->NodeX[3][i] = 1.25f * owner;
            rec_->NodeY[3][i] = -3.5f * owner;
        }
        rec_->NodeX[3][0] = rec_->NodeX[3][7];
        rec_->NodeY[3][0] = rec_->NodeY[3][7];
        const std::vector<Position> before = Positions(*rec_, 3);

        frame_->LoadBoundary(3);
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "4", "5", "7"}));
        ProjectRecord& rec = *rec_;
        std::fill(std::begin(rec.NodeX[3]), std::end(rec.NodeX[3]), 99.0f);
        frame_->StoreBoundary(3);
        const std::vector<Position> after = Positions(rec, 3);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            QCOMPARE(after[i].number, before[i].number);
            QCOMPARE(after[i].x, before[i].x);
            QCOMPARE(after[i].y, before[i].y);
        }
    }

    void deleteFirstOfFive()
    {
        Fill(*rec_, 1, 5);
        frame_->LoadBoundary(1);
        frame_->StringGrid()->SetCurrentCell(1, 1);
        frame_->SpeedButton2Click();
        QCOMPARE(Numbers(*frame_), (QStringList {"2", "3", "4", "5"}));
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 5);
        QCOMPARE(rec_->NodeNumber[1][1], 0);
        QCOMPARE(rec_->NodeX[1][1], 20.0f);  // node 2's coordinates
        QCOMPARE(rec_->NodeX[1][0], 50.0f);
        frame_->LoadBoundary(1);
        QCOMPARE(Numbers(*frame_), (QStringList {"2", "3", "4", "5"}));
    }

    void addThenDeleteBeforeACommitLosesNoNode()
    {
        Fill(*rec_, 1, 5);
        frame_->LoadBoundary(1);
        frame_->StringGrid()->SetCurrentCell(0, 3);
        frame_->SpeedButton1Click();  // rows 1, 2, 3 (empty), 4, 5, 6
        frame_->SpeedButton2Click();  // rows 1, 2, 4, 5, (blank), 6
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 6);
        QCOMPARE(rec_->NodeX[1][6], 50.0f);  // the old node 5, below the blank row
        QCOMPARE(rec_->NodeX[1][0], 50.0f);
    }

    void deleteBelowStoredCountRemovesOnlyTheCurrentRow()
    {
        Fill(*rec_, 1, 3);
        frame_->LoadBoundary(1);
        // Typed since the last store: nodes 4, 5 and 6.
        TStringGridExt* grid = frame_->StringGrid();
        for (int k = 4; k <= 6; ++k) {
            grid->SetCell(0, k, QString::number(k));
            grid->SetCell(1, k, QString::number(10 * k));
            grid->SetCell(2, k, QStringLiteral("1"));
        }
        grid->SetCurrentCell(0, 5);
        frame_->SpeedButton2Click();
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "2", "3", "4", "6"}));
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 6);
        QCOMPARE(rec_->NodeNumber[1][4], 4);
        QCOMPARE(rec_->NodeNumber[1][5], 0);
        QCOMPARE(rec_->NodeX[1][5], 60.0f);
        QCOMPARE(rec_->NodeNumber[1][6], 6);

        // An empty current row far below: no node goes.
        frame_->LoadBoundary(1);
        grid->SetCurrentCell(0, 20);
        frame_->SpeedButton2Click();
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "2", "3", "4", "6"}));
    }

    void insertAtRowThreeOfFour()
    {
        Fill(*rec_, 1, 4);
        frame_->LoadBoundary(1);
        TStringGridExt* grid = frame_->StringGrid();
        grid->SetCurrentCell(1, 3);
        frame_->SpeedButton1Click();
        QCOMPARE(grid->RowCount(), 31);
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "2", "3", "4", "5"}));
        QVERIFY(grid->Cell(1, 3).isEmpty());
        QVERIFY(grid->Cell(2, 3).isEmpty());
        QCOMPARE(grid->Cell(1, 4), QStringLiteral("  30.000"));  // old node 3
        QCOMPARE(grid->Cell(1, 5), QStringLiteral("  40.000"));  // old node 4
        QCOMPARE(grid->Cell(1, 2), QStringLiteral("  20.000"));
    }

    void rowStoreSurvivesSetupGrid()
    {
        Fill(*rec_, 1, 50);
        frame_->LoadBoundary(1);
        QCOMPARE(frame_->StringGrid()->RowCount(), 60);
        frame_->SetupGrid();  // units or boundary count changed: no typed row is hidden
        QCOMPARE(frame_->StringGrid()->RowCount(), 51);
        QCOMPARE(frame_->StringGrid()->Cell(1, 45), QStringLiteral(" 450.000"));
        std::fill(std::begin(rec_->NodeX[1]), std::end(rec_->NodeX[1]), 0.0f);
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 50);
        QCOMPARE(rec_->NodeX[1][50], 500.0f);
        QCOMPARE(rec_->NodeX[1][0], 500.0f);
        frame_->LoadBoundary(1);
        QCOMPARE(frame_->StringGrid()->RowCount(), 60);
    }

    // A shorter boundary loaded over a longer one (a drawing with points
    // deleted, an import of fewer nodes) leaves nothing of it behind, shown or
    // hidden, and a store reads only the rows the grid shows.
    void shorterBoundaryLeavesNoOldRows()
    {
        Fill(*rec_, 1, 50);
        frame_->LoadBoundary(1);
        TStringGridExt* grid = frame_->StringGrid();
        grid->SetRowCount(30);  // rows 30..50 hidden, still holding nodes
        Fill(*rec_, 1, 12);
        frame_->LoadBoundary(1);
        QCOMPARE(grid->RowCount(), 30);
        QCOMPARE(grid->LastTextRow(), 12);
        grid->SetRowCount(70);
        QVERIFY(grid->Cell(0, 45).isEmpty());
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 12);

        // Rows hidden behind the shown ones are not stored.
        grid->SetRowCount(30);
        grid->SetCell(0, 40, QStringLiteral("40"));
        grid->SetCell(1, 40, QStringLiteral("1"));
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 12);

        frame_->ClearGrid();
        QCOMPARE(grid->LastTextRow(), 0);
    }

    // A commit stores and loads every grid; work on rows that did not change
    // is skipped, which must never serve stale nodes or stale rows.
    void storesAndLoadsFollowEveryChange()
    {
        Fill(*rec_, 1, 40);
        rec_->NodeX[1][7] = 1.23456f;  // more decimals than the grid shows
        frame_->ShowBoundary(1);
        TStringGridExt* grid = frame_->StringGrid();
        QCOMPARE(grid->RowCount(), 50);
        for (int round = 0; round < 2; ++round) {  // the second round meets what the first kept
            frame_->StoreBoundary(1);
            QCOMPARE(rec_->NodeX[1][7], 1.235f);  // what the row says
            frame_->LoadBoundary(1);
            QCOMPARE(grid->Cell(1, 7), QStringLiteral("   1.235"));
        }
        // The record changed behind the grid: a store writes the rows again.
        rec_->NodeX[1][3] = -5.0f;
        rec_->NodeCount[1] = 2;
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 40);
        QCOMPARE(rec_->NodeX[1][3], 30.0f);
        // A typed cell reaches the record, and comes back canonical.
        grid->model()->setData(grid->model()->index(2, 1), QStringLiteral("12.5"));  // row 3
        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeX[1][3], 12.5f);
        frame_->LoadBoundary(1);
        QCOMPARE(grid->Cell(1, 3), QStringLiteral("  12.500"));
        // A record changed elsewhere (an import) is shown, and a load
        // replaces a row typed since.
        rec_->NodeX[1][4] = 99.0f;
        grid->SetCell(2, 5, QStringLiteral("typed"));
        frame_->LoadBoundary(1);
        QCOMPARE(grid->Cell(1, 4), QStringLiteral("  99.000"));
        QCOMPARE(grid->Cell(2, 5), QStringLiteral("   2.500"));
        Fill(*rec_, 2, 3);
        frame_->LoadBoundary(2);
        QCOMPARE(Numbers(*frame_), (QStringList {"1", "2", "3"}));
    }

    void rowCountHidesAndShowsRows()
    {
        TStringGridExt* grid = frame_->StringGrid();
        grid->SetCell(1, 25, QStringLiteral("kept"));
        grid->SetRowCount(10);
        QCOMPARE(grid->model()->rowCount(), 9);
        QCOMPARE(grid->Cell(1, 25), QStringLiteral("kept"));
        QVERIFY(grid->Cell(1, 500).isEmpty());
        grid->SetRowCount(30);
        QCOMPARE(grid->model()->index(24, 1).data().toString(), QStringLiteral("kept"));
    }

    void appendRowsTwice()
    {
        frame_->SetupGrid();
        frame_->SpeedButton3Click();
        frame_->SpeedButton3Click();
        QCOMPARE(frame_->StringGrid()->RowCount(), 34);
        // The button does the same.
        frame_->findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->click();
        QCOMPARE(frame_->StringGrid()->RowCount(), 36);
    }

    void clearGridKeepsHeadings()
    {
        Fill(*rec_, 1, 5);
        frame_->LoadBoundary(1);
        frame_->ClearGrid();
        QVERIFY(Numbers(*frame_).isEmpty());
        QCOMPARE(frame_->StringGrid()->Cell(0, 0), QStringLiteral("point"));
    }

    void keyboardEditsAndEnterCommits()
    {
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        TStringGridExt* grid = frame_->StringGrid();
        grid->setFocus();
        grid->SetCurrentCell(0, 1);
        QSignalSpy enter(frame_.get(), &TGFrame::EnterPressed);

        // Typing starts editing; the keys then go to the cell editor.
        QTest::keyClick(grid, Qt::Key_1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // commits and moves right
        QCOMPARE(grid->Cell(0, 1), QStringLiteral("1"));
        QCOMPARE(grid->Col(), 1);
        for (const char c : QByteArray("12.5"))
            QTest::keyClick(QApplication::focusWidget(), c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(grid->Cell(1, 1), QStringLiteral("12.5"));
        QCOMPARE(enter.count(), 1);
        QCOMPARE(QApplication::focusWidget(), grid);  // the editor is closed

        // Enter without an editor open is reported too; arrows move the current cell.
        QTest::keyClick(grid, Qt::Key_Enter);
        QCOMPARE(enter.count(), 2);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(grid->Col(), 2);

        frame_->StoreBoundary(1);
        QCOMPARE(rec_->NodeCount[1], 1);
        QCOMPARE(rec_->NodeX[1][1], 12.5f);
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::GridFrameTest)
#include "GridFrameTest.moc"
