// The drawing pad driven like a user: synthetic mouse clicks and keys on the
// real surface, checked against the graph and the raster's pixels.

#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <memory>

#include "graphics/QtRaster.h"
#include "ui/DrawPad05F.h"

namespace orvane {

class DrawPadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TDrawPad05> pad_;

    // Kilometres to the surface's pixel.
    QPoint At(float x, float y) const
    {
        const PadPixel p = pad_->Mapping.WorldToPixel(x, y);
        return {p.X, p.Y};
    }
    void Click(float x, float y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(pad_->DrawSurface, button, {}, At(x, y));
    }
    QImage Picture() const { return pad_->Canvas().Image().copy(); }
    QRgb PixelAt(float x, float y) const { return pad_->Canvas().Image().pixel(At(x, y)); }
    const PadPoint& Point(int i) const { return pad_->Graph.Points[static_cast<std::size_t>(i)]; }
    int LiveLines() const
    {
        int n = 0;
        for (const PadLine& l : pad_->Graph.Lines)
            n += l.Live ? 1 : 0;
        return n;
    }
    // Points 1, 2, 3 at (12, 12), (42, 12), (42, 33), off the grid lines,
    // joined 1->2->3->1.
    void DrawTriangle()
    {
        pad_->ToggleSetPoints();
        Click(12, 12);
        Click(42, 12);
        Click(42, 33);
        pad_->ToggleSetLines();
        for (int i : {0, 1, 2, 0})
            Click(Point(i).X, Point(i).Y);
        pad_->ToggleSetLines();
    }

private slots:
    void init()
    {
        pad_ = std::make_unique<TDrawPad05>();
        pad_->SetUnits(1);
        pad_->ResetDefaults();
        pad_->SetScale(2);     // "1cm:10Km"
        pad_->SetGridSize(2);  // "10km"
        pad_->SetSnap(4);      // "1/10": a 1 km lattice
        pad_->Ready = true;
        pad_->resize(1000, 700);
        pad_->show();
        QVERIFY(QTest::qWaitForWindowActive(pad_.get()));
        pad_->Redraw();
    }
    void cleanup() { pad_.reset(); }

    void layoutPinsTheOriginBottomLeft()
    {
        for (const char* name : {"PanelTop", "PanelMain", "PanelMainLeft", "PanelMainCenter", "PanelMainRight",
                                 "PanelBottom", "PanelCoord", "LabelCoord", "ImageScrollBox", "DrawSurface"})
            QVERIFY2(pad_->findChild<QWidget*>(QLatin1String(name)) != nullptr, name);
        QCOMPARE(pad_->ImageScrollBox->size(), QSize(1400, 1000));
        QCOMPARE(pad_->DrawSurface->size(), QSize(1396, 996));
        for (const QSize size : {QSize(1000, 700), QSize(760, 520), QSize(1600, 1200)}) {
            pad_->resize(size);
            QCoreApplication::processEvents();
            const QWidget* centre = pad_->PanelMainCenter;
            QCOMPARE(pad_->PanelCoord->geometry(), QRect(0, centre->height() - 20, centre->width(), 20));
            QCOMPARE(pad_->ImageScrollBox->geometry().bottomLeft(), QPoint(0, centre->height() - 21));
        }
        QCOMPARE(pad_->Mapping.SurfaceBottom, 995);
    }

    void showModalReturnsWhenClosed()
    {
        pad_->hide();
        QTimer::singleShot(0, pad_.get(), [this] {
            QVERIFY(pad_->isVisible());
            QCOMPARE(pad_->windowModality(), Qt::ApplicationModal);
            pad_->close();
        });
        pad_->ShowModal();
        QVERIFY(!pad_->isVisible());
    }

    void setPointsLandOnTheLatticeAndCloseIntoARing()
    {
        pad_->ToggleSetPoints();
        const QPoint cursor = QCursor::pos();
        QTest::mouseClick(pad_->DrawSurface, Qt::LeftButton, {}, At(10, 10) + QPoint(1, -1));
        QCOMPARE(QCursor::pos(), cursor + QPoint(-1, 1));  // moved onto the lattice
        QCOMPARE(Point(0).X, 10.0f);
        QCOMPARE(Point(0).Y, 10.0f);
        QTest::mouseMove(pad_->DrawSurface, At(12.4f, 7.6f));
        QCOMPARE(pad_->LabelCoord->text(), QStringLiteral("x=12.000, y=8.000 [Km]"));

        pad_->EndTool();
        pad_->Graph.Clear();
        DrawTriangle();
        QCOMPARE(LiveLines(), 3);
        QCOMPARE(PixelAt(27, 12), qRgb(0, 0, 0));  // the line 1 -> 2 on the raster
        QVERIFY(pad_->Graph.BuildChains());
        QCOMPARE(pad_->Graph.Chains[0].size(), std::size_t(3));
    }

    void refusedConnectionStartsTheNextLine()
    {
        pad_->ToggleSetPoints();
        Click(10, 10);
        Click(40, 10);
        Click(40, 30);
        pad_->ToggleSetLines();
        for (int i : {0, 1, 0, 2})
            Click(Point(i).X, Point(i).Y);
        QCOMPARE(LiveLines(), 2);  // 1->2 and 2->1; 1->3 refused
        QCOMPARE(pad_->FirstPoint, 2);
    }

    void movedPointTakesItsLinesAlong()
    {
        DrawTriangle();
        const QImage before = Picture();
        pad_->ToggleMovePoints();
        QTest::mousePress(pad_->DrawSurface, Qt::LeftButton, {}, At(42, 12));
        QVERIFY(pad_->Dragging);
        QCOMPARE(pad_->PointColour, colours::kRed);
        const QImage pressed = Picture();
        QVERIFY(pressed != before);
        QTest::mouseMove(pad_->DrawSurface, At(60, 50));
        QTest::mouseMove(pad_->DrawSurface, At(42, 12));
        QCOMPARE(Picture(), pressed);  // the inverted figure erased itself exactly

        QTest::mouseMove(pad_->DrawSurface, At(50, 20));
        QTest::mouseRelease(pad_->DrawSurface, Qt::LeftButton, {}, At(50, 20) + QPoint(1, 1));
        QVERIFY(!pad_->Dragging);
        QCOMPARE(Point(1).X, 50.0f);
        QCOMPARE(Point(1).Y, 20.0f);
        QVERIFY(Point(1).Visible);
        QCOMPARE(pad_->PointColour, colours::kBlue);
        QCOMPARE(PixelAt(31, 16), qRgb(0, 0, 0));  // 1 -> 2 now runs from (12, 12) to (50, 20)
        QCOMPARE(PixelAt(27, 12), qRgb(255, 255, 255));
    }

    void deletingAPointDeletesItsLinesFirst()
    {
        DrawTriangle();
        pad_->ToggleDeletePoints();
        Click(42, 12);
        QVERIFY(!Point(1).Live);
        QCOMPARE(LiveLines(), 1);
        QVERIFY(pad_->Graph.Lines[2].Live);  // 3 -> 1
        QCOMPARE(Point(0).Number, 1);
        QCOMPARE(Point(2).Number, 3);
        QCOMPARE(Point(2).Next, 0);  // the remaining line keeps its links
        QCOMPARE(Point(0).Prev, 2);
    }

    void deleteLinePicksAHorizontalLine()
    {
        DrawTriangle();
        pad_->ToggleDeleteLines();
        Click(8, 12);  // beyond the line's start: nothing
        QCOMPARE(LiveLines(), 3);
        QTest::mouseClick(pad_->DrawSurface, Qt::LeftButton, {}, At(27, 12) + QPoint(0, 2));  // 2 pixels below it
        QVERIFY(!pad_->Graph.Lines[0].Live);
        QCOMPARE(PixelAt(27, 12), qRgb(255, 255, 255));  // gone from the raster too
    }

    void rightButtonEndsEveryToolButMove_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("after");
        const auto row = [](const char* name, TEditMode tool, TEditMode after) {
            QTest::newRow(name) << static_cast<int>(tool) << static_cast<int>(after);
        };
        row("set points", TEditMode::SetPoints, TEditMode::None);
        row("move points", TEditMode::MovePoints, TEditMode::MovePoints);
        row("delete points", TEditMode::DeletePoints, TEditMode::None);
        row("set lines", TEditMode::SetLines, TEditMode::None);
        row("delete lines", TEditMode::DeleteLines, TEditMode::None);
    }
    void rightButtonEndsEveryToolButMove()
    {
        QFETCH(int, tool);
        QFETCH(int, after);
        DrawTriangle();
        const std::size_t points = pad_->Graph.Points.size();
        QPushButton button;
        pad_->SetToolButton(static_cast<TEditMode>(tool), &button);
        void (TDrawPad05::*toggles[])() = {nullptr,
                                           &TDrawPad05::ToggleSetPoints,
                                           &TDrawPad05::ToggleMovePoints,
                                           &TDrawPad05::ToggleDeletePoints,
                                           &TDrawPad05::ToggleSetLines,
                                           &TDrawPad05::ToggleDeleteLines};
        (pad_.get()->*toggles[tool])();
        QVERIFY(button.isChecked());
        QTest::mousePress(pad_->DrawSurface, Qt::RightButton, {}, At(42, 12));
        QCOMPARE(static_cast<int>(pad_->EditMode), after);
        QCOMPARE(pad_->Dragging, after == static_cast<int>(TEditMode::MovePoints));  // a right-button move
        QCOMPARE(button.isChecked(), after != static_cast<int>(TEditMode::None));
        pad_->DrawSurfaceMouseUp(At(42, 12).x(), At(42, 12).y());  // a release that names no button
        QVERIFY(!pad_->Dragging);
        QTest::mouseRelease(pad_->DrawSurface, Qt::RightButton, {}, At(42, 12));  // QTest's button state
        QCOMPARE(pad_->Graph.Points.size(), points);
        QCOMPARE(LiveLines(), 3);
    }

    void undoAndRedoEveryEdit()
    {
        DrawTriangle();  // 3 points, 3 lines: 6 steps
        QCOMPARE(pad_->UndoStack->count(), 6);
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(LiveLines(), 2);
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(LiveLines(), 0);
        QCOMPARE(pad_->Graph.Points.size(), std::size_t(2));
        QCOMPARE(PixelAt(27, 12), qRgb(255, 255, 255));
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pad_->Graph.Points.size(), std::size_t(3));
        QTest::keyClick(pad_.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(LiveLines(), 1);
        QCOMPARE(PixelAt(27, 12), qRgb(0, 0, 0));
    }

    void keysActWithoutAnActiveWindow()
    {
        pad_->hide();  // no shortcut fires for a window that is not active
        pad_->ToggleSetPoints();
        pad_->DrawSurfaceMouseDown(Qt::LeftButton, At(10, 10).x(), At(10, 10).y());
        QTest::keyClick(pad_.get(), Qt::Key_Escape);
        QCOMPARE(pad_->EditMode, TEditMode::None);
        QTest::keyClick(pad_.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(pad_->Graph.Points.empty());
        QTest::keyClick(pad_.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(pad_->Graph.Points.size(), std::size_t(1));
    }

    void endingAToolLeavesNoFeedbackBehind()
    {
        DrawTriangle();
        pad_->ToggleSetLines();
        Click(12, 12);
        const QImage started = Picture();
        QTest::mouseMove(pad_->DrawSurface, At(70, 60));
        QVERIFY(Picture() != started);  // the rubber band
        pad_->ToggleSetLines();         // as its button does: no redraw, the band still goes
        QCOMPARE(Picture(), started);

        pad_->ToggleMovePoints();
        QTest::mousePress(pad_->DrawSurface, Qt::LeftButton, {}, At(42, 33));
        QTest::mouseMove(pad_->DrawSurface, At(70, 60));
        QTest::keyClick(pad_.get(), Qt::Key_Escape);
        QCOMPARE(pad_->EditMode, TEditMode::None);
        QVERIFY(!pad_->Dragging);
        QCOMPARE(Point(2).Y, 33.0f);
        QVERIFY(Point(2).Visible);
        QCOMPARE(Picture(), started);
        QCOMPARE(pad_->UndoStack->count(), 6);
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::DrawPadTest)
#include "DrawPadTest.moc"
