// The region input window on a project record of its own, without the main
// window: opened, driven with the mouse, the lists and the menus, closed
// (answering its questions), and stored back into the record.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWheelEvent>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "core/ProjectRecord.h"
#include "tests/TestSupport.h"
#include "tools/settings/IniSettings.h"
#include "ui/OrvaneDrawRegionF.h"
#include "ui/pad/PointCoordinatesDialog.h"

namespace orvane {

using test::ClosedRing;
using test::SetBoundary;

class OrvaneDrawRegionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    ProjectRecord project_ {};
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<TOrvaneDrawRegion> window_;
    QStringList asked_;                                     // every question shown, in order
    std::deque<QMessageBox::StandardButton> answers_;       // Yes once these run out
    std::function<void(TPointCoordinatesDialog&)> typing_;  // fills the next coordinates dialog
    QTimer answerer_;

    QString Ini() const { return dir_.filePath(QStringLiteral("Orvane.INI")); }

    void Open(int unitsRow = 1)
    {
        window_ = std::make_unique<TOrvaneDrawRegion>(project_, owner_.get());
        window_->OpenOnProject(unitsRow, Ini());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    // Closes the window as its close button does; true when it closed.
    bool Close()
    {
        window_->close();
        return !window_->isVisible();
    }
    // A ring of n nodes on a circle round (cx, cy) km, straight into the graph.
    // A lake of four nodes in UTM metres as boundary 1.
    void SetUtmLake()
    {
        SetBoundary(project_, 1,
                    ClosedRing({{542100, 4394200}, {551050, 4396400}, {545200, 4400350}, {541900, 4398100}}));
    }
    QPoint PixelOf(int i) const
    {
        const PadPoint& p = window_->Graph.Points[static_cast<std::size_t>(i)];
        const PadPixel at = window_->Mapping.WorldToPixel(p.X, p.Y);
        return {at.X, at.Y};
    }
    // The next coordinates dialog gets x and y (and row of its list, when 0 or more).
    void TypeIn(const QString& x, const QString& y, bool snap, int row = -1)
    {
        typing_ = [=](TPointCoordinatesDialog& d) {
            if (row >= 0)
                d.PointCombo->setCurrentIndex(row);
            d.XEdit->setText(x);
            d.YEdit->setText(y);
            d.SnapCheck->setChecked(snap);
        };
    }
    void AddRing(int n, float cx, float cy)
    {
        PadGraph& g = window_->Graph;
        const auto first = static_cast<std::int32_t>(g.Points.size());
        for (int i = 0; i < n; ++i)
            g.AddPoint(0, cx + 3 * std::cos(i * 6.2832f / n), cy + 3 * std::sin(i * 6.2832f / n));
        for (int i = 0; i < n; ++i)
            g.AddLine(0, first + i, first + (i + 1) % n);
    }

private slots:
    void initTestCase()
    {
        answerer_.setInterval(10);
        connect(&answerer_, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<TPointCoordinatesDialog*>(QApplication::activeModalWidget());
                dialog != nullptr && typing_) {
                std::exchange(typing_, nullptr)(*dialog);
                dialog->Buttons->button(QDialogButtonBox::Ok)->click();
            }
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked_ << box->text();
                const auto answer = answers_.empty() ? QMessageBox::Yes : answers_.front();
                if (!answers_.empty())
                    answers_.pop_front();
                box->button(answer)->click();
            }
        });
        answerer_.start();
    }
    void init()
    {
        SetProjectDefaults(project_);
        owner_ = std::make_unique<QWidget>();
        owner_->resize(760, 540);
        asked_.clear();
        answers_.clear();
        QFile::remove(Ini());
    }
    void cleanup() { window_.reset(); }

    void windowAndControls()
    {
        Open();
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral("  Water region graphical input")));
        QCOMPARE(window_->minimumSize(), QSize(700, 500));
        QCOMPARE(window_->size(), owner_->size());  // nothing stored yet: the owner's client size
        QVERIFY(!(window_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(QApplication::focusWidget(), window_->CloseBtn);
        window_->resize(720, 700);
        QTRY_COMPARE(window_->CloseBtn->geometry().bottom(), window_->PanelMainLeft->height() - 17);
        // Escape ends the tool, never the window.
        QTest::mouseClick(window_->SEtPointsBtn, Qt::LeftButton);
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QCOMPARE(window_->EditMode, TEditMode::None);
        QVERIFY(!window_->SEtPointsBtn->isChecked() && window_->isVisible());
    }

    void opensEveryBoundaryAsARingNumberedOn()
    {
        // Metres: the outer boundary is 5 km across.
        SetBoundary(project_, 1, {{0, 0}, {5000, 0}, {5000, 4000}, {0, 4000}});
        for (int b = 2; b <= 5; ++b)
            SetBoundary(project_, b, {{500.0f * b, 500}, {500.0f * b + 200, 500}, {500.0f * b, 800}});
        project_.RegionScaleIndex = 4;
        Open(0);
        const PadGraph& g = window_->Graph;
        QCOMPARE(g.Points.size(), std::size_t(16));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(g.Points[static_cast<std::size_t>(i)].Number, i + 1);
        QCOMPARE(g.Points[1].X, 5.0f);
        QCOMPARE(g.Points[4].X, 1.0f);  // boundary 2 starts at point 5
        QCOMPARE(g.Points[3].Next, 0);  // each ring closed on its first point
        QCOMPARE(g.Points[6].Next, 4);
        QCOMPARE(window_->ScaleCombo->currentIndex(), 4);
        QCOMPARE(window_->Mapping.ScaleRatio, PadScales[4].Ratio);
        QVERIFY(!window_->UndoStack->canUndo());
    }

    // A stored ring repeats node 1 at its end; on the pad that corner is one
    // point, so moving it moves the whole corner and a click on it finds it.
    void closingRepeatIsOnePointOnThePad()
    {
        SetBoundary(project_, 1, ClosedRing({{2, 2}, {12, 2}, {12, 10}, {2, 10}}));
        Open();
        PadGraph& g = window_->Graph;
        QCOMPARE(g.Points.size(), std::size_t(4));
        QCOMPARE(g.Points[3].Next, 0);
        QCOMPARE(g.NearestPoint(2, 2, 1), 0);

        // Move the corner with the tool: press, drag, release.
        window_->ToggleMovePoints();
        const PadPixel from = window_->Mapping.WorldToPixel(2, 2);
        const PadPixel to = window_->Mapping.WorldToPixel(1, 1);
        window_->DrawSurfaceMouseDown(Qt::LeftButton, from.X, from.Y);
        window_->DrawSurfaceMouseMove(to.X, to.Y);
        window_->DrawSurfaceMouseUp(Qt::LeftButton, to.X, to.Y);
        QVERIFY(Close());
        window_->StoreToProject();
        QVERIFY(asked_.isEmpty());
        QCOMPARE(project_.NodeCount[1], 5);  // closed by the moved corner again: no notch
        for (int k : {1, 5}) {
            QCOMPARE(project_.NodeX[1][k], window_->Graph.Points[0].X);
            QCOMPARE(project_.NodeY[1][k], window_->Graph.Points[0].Y);
        }
        QVERIFY(std::fabs(project_.NodeX[1][1] - 1) < 0.2f && std::fabs(project_.NodeY[1][1] - 1) < 0.2f);
    }

    // A lake in UTM metres opens in view; pan and zoom move the view, never
    // the rows the project stores; the readout is in metres.
    void utmProjectOpensInViewAndKeepsItsRows()
    {
        SetUtmLake();
        Open(0);
        const PadRect view = window_->VisibleSurface();
        const QRect shown(view.Left, view.Top, view.Width, view.Height);
        for (int i = 0; i < 4; ++i)
            QVERIFY(shown.contains(PixelOf(i)));
        QTest::mouseMove(window_->DrawSurface, PixelOf(2));
        const QStringList readout = window_->LabelCoord->text().split(QRegularExpression(QStringLiteral("[=,\\s]+")));
        const double metresPerPixel = 1000 / window_->Mapping.PixelsPerUnitX();
        QVERIFY2(std::fabs(readout[1].toDouble() - 545200) <= metresPerPixel, qPrintable(readout.join(' ')));
        QVERIFY(std::fabs(readout[3].toDouble() - 4400350) <= metresPerPixel);
        QCOMPARE(readout.last(), QStringLiteral("[m]"));
        const int row = window_->ScaleIndex;

        // Ctrl+wheel zooms about the cursor, freely.
        const QPoint cursor = PixelOf(2);
        const double ratio = window_->Mapping.ScaleRatio;
        QWheelEvent wheel(cursor, window_->DrawSurface->mapToGlobal(cursor), {}, {0, 240}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window_->DrawSurface, &wheel);
        QVERIFY((PixelOf(2) - cursor).manhattanLength() <= 1);
        QCOMPARE(window_->Mapping.ScaleRatio, ratio / 1.5625);
        QVERIFY(window_->FreeScale);
        QCOMPARE(window_->ScaleCombo->currentIndex(), -1);
        QCOMPARE(window_->ScaleCombo->placeholderText(), QStringLiteral("custom"));
        // The middle button drags the picture; an arrow key moves it an eighth of the view.
        const QPoint from = PixelOf(1);
        QTest::mousePress(window_->DrawSurface, Qt::MiddleButton, {}, from);
        QTest::mouseMove(window_->DrawSurface, from + QPoint(30, -20));
        QTest::mouseRelease(window_->DrawSurface, Qt::MiddleButton, {}, from + QPoint(30, -20));
        QCOMPARE(PixelOf(1), from + QPoint(30, -20));
        QTest::keyClick(window_.get(), Qt::Key_Left);
        QCOMPARE(PixelOf(1).x(), from.x() + 30 + view.Width / 8);
        window_->VertScrollBar->setValue(window_->VertScrollBar->value() + 25);  // 25 pixels further down
        QCOMPARE(PixelOf(1).y(), from.y() - 20 - 25);
        QVERIFY(window_->Graph.Points.size() == 4 && !window_->UndoStack->canUndo());  // no edit
        QTest::keyClick(window_.get(), Qt::Key_Home);
        for (int i = 0; i < 4; ++i)
            QVERIFY(shown.contains(PixelOf(i)));
        QCOMPARE(window_->ScaleCombo->currentIndex(), window_->FreeScale ? -1 : window_->ScaleIndex);

        window_->ZoomAbout(3, 100, 100);
        QVERIFY(Close());
        window_->StoreToProject();
        QCOMPARE(project_.RegionScaleIndex, row);
        QCOMPARE(project_.RegionGridIndex, 2);
        QCOMPARE(project_.RegionSnapIndex, 0);
        QCOMPARE(project_.NodeX[1][3], 545200.0f);  // unedited: as it was
    }

    // Coordinates typed in the project's unit (UTM metres) reach the record
    // as typed, to float32, through the pad's kilometres.
    void typedCoordinatesAreStoredExactly()
    {
        SetUtmLake();
        Open(0);
        TypeIn(QStringLiteral("551234.567"), QStringLiteral("4396543,21"), false);
        QTest::mouseDClick(window_->DrawSurface, Qt::LeftButton, {}, PixelOf(1));
        QCOMPARE(window_->Graph.Points[1].X, 551234.567 * 0.001);
        // Edit, "Point coordinates...": node 3 chosen in its list, snapped to the 1 km lattice on request.
        window_->SnapCombo->setCurrentIndex(4);
        TypeIn(QStringLiteral("545678.9"), QStringLiteral("4400321"), true, 2);
        window_->PointCoordinatesAction->trigger();
        // Shift with Set points: a new point at the values typed, then undone.
        window_->ToggleSetPoints();
        TypeIn(QStringLiteral("548000.5"), QStringLiteral("4397000.25"), false);
        QTest::mouseClick(window_->DrawSurface, Qt::LeftButton, Qt::ShiftModifier, PixelOf(0));
        QCOMPARE(window_->Graph.Points.size(), std::size_t(5));
        QCOMPARE(window_->Graph.Points[4].Y, 4397000.25 * 0.001);
        window_->Undo();
        QVERIFY(!typing_);

        QVERIFY(Close());
        window_->StoreToProject();
        QVERIFY(project_.NodeX[1][2] == 551234.567f && project_.NodeY[1][2] == 4396543.21f);
        QVERIFY(project_.NodeX[1][3] == 546000.0f && project_.NodeY[1][3] == 4400000.0f);
        QVERIFY(project_.NodeX[1][1] == 542100.0f && project_.NodeY[1][4] == 4398100.0f);  // the others as they were
    }

    void roundTripKeepsEveryNode_data()
    {
        QTest::addColumn<int>("unitsRow");
        QTest::addColumn<float>("scale");
        QTest::addColumn<double>("km");  // per unit
        QTest::newRow("m") << 0 << 1234.567f << 0.001;
        QTest::newRow("Km") << 1 << 1.234567f << 1.0;
        QTest::newRow("ft") << 2 << 4321.987f << 0.0003048;
        QTest::newRow("Miles") << 3 << 0.7654321f << 1.61;
    }
    void roundTripKeepsEveryNode()
    {
        QFETCH(int, unitsRow);
        QFETCH(float, scale);
        QFETCH(double, km);
        SetBoundary(project_, 1, {{0, 0}, {9.1f, 0.3f}, {9.1f, 0.3f}, {8.7f, 7.9f}, {0.2f, 6.6f}, {0, 0}});
        project_.NodeNumber[1][2] = 0;  // a gap entry: comes back as node 2
        SetBoundary(project_, 2, {{3.3f, 2.2f}, {5.5f, 2.4f}, {4.1f, 4.9f}});
        for (int b = 1; b <= 2; ++b)
            for (int k = 1; k <= project_.NodeCount[b]; ++k) {
                project_.NodeX[b][k] *= scale;
                project_.NodeY[b][k] *= scale;
            }
        const ProjectRecord before = project_;
        Open(unitsRow);
        QCOMPARE(window_->Graph.Points[3].X, before.NodeX[1][4] * km);
        QVERIFY(Close());
        window_->StoreToProject();
        QVERIFY(asked_.isEmpty());
        QCOMPARE(project_.BoundaryCount, 2);
        // Boundary 2 does not repeat its first node; unedited, it comes back as it was.
        for (int b = 1; b <= 2; ++b) {
            QCOMPARE(project_.NodeCount[b], before.NodeCount[b]);
            for (int k = 1; k <= before.NodeCount[b]; ++k) {
                QCOMPARE(project_.NodeNumber[b][k], k);
                for (auto [now, then] : {std::pair(project_.NodeX[b][k], before.NodeX[b][k]),
                                         std::pair(project_.NodeY[b][k], before.NodeY[b][k])})
                    QVERIFY2(std::fabs(now - then) <= 1e-6 * std::fabs(then), qPrintable(QString::number(k)));
            }
        }
    }

    void closeQuestions_data()
    {
        QTest::addColumn<int>("drawing");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<int>("boundaries");
        QTest::addColumn<int>("firstNodes");
        const QString notClosed = TOrvaneDrawRegion::NotClosedQuestion();
        QTest::newRow("every line deleted") << 0 << QStringList() << 0 << 0;
        QTest::newRow("open ring: No, then Yes") << 1 << QStringList {notClosed, notClosed} << 1 << 5;
        const QString tooMany = QStringLiteral("Boundary 1 has 1,204 points; a boundary holds at most 999, its first "
                                               "point repeated at the end included. Close anyway and keep the first "
                                               "998?");
        QTest::newRow("1,204 nodes") << 2 << QStringList(2, tooMany) << 1 << 999;
        QTest::newRow("seven rings") << 3 << QStringList(2, TOrvaneDrawRegion::TooManyRingsQuestion(2)) << 5 << 7;
        const QString lone = QStringLiteral("Points 5 and 6 are joined to no boundary and are dropped. Close anyway?");
        QTest::newRow("two points without lines") << 4 << QStringList(2, lone) << 1 << 5;
    }
    void closeQuestions()
    {
        QFETCH(int, drawing);
        QFETCH(QStringList, questions);
        QFETCH(int, boundaries);
        QFETCH(int, firstNodes);
        SetBoundary(project_, 1, {{0, 0}, {40, 0}, {40, 30}, {0, 30}});
        Open();
        PadGraph& g = window_->Graph;
        if (drawing == 0)
            for (std::int32_t j = 0; j < 4; ++j)
                g.DeleteLine(j);
        if (drawing == 1)
            g.DeleteLine(3);  // 4 -> 1
        if (drawing == 2 || drawing == 3)
            g.Clear();
        if (drawing == 2)
            AddRing(1204, 50, 50);
        for (int r = 0; drawing == 3 && r < 7; ++r)
            AddRing(6, 10 + 10.0f * r, 20);
        for (int k = 0; drawing == 4 && k < 2; ++k)
            g.AddPoint(0, 20 + 5.0f * k, 15);
        answers_ = {QMessageBox::No};
        const bool closedAtOnce = Close();
        QCOMPARE(closedAtOnce, questions.isEmpty());
        if (!closedAtOnce)
            QVERIFY(Close());  // answered Yes
        QCOMPARE(asked_, questions);
        window_->StoreToProject();
        QCOMPARE(project_.BoundaryCount, boundaries);
        QCOMPARE(project_.NodeCount[1], firstNodes);
        // Stored in line order; an edited ring closed by its first node again,
        // also one cut short after its 998th.
        QCOMPARE(project_.NodeY[1][firstNodes], project_.NodeY[1][1]);
        if (drawing == 2)
            QCOMPARE(project_.NodeY[1][998], static_cast<float>(window_->Graph.Chains[0][997].Y));
    }

    void windowSizeAndRowsTravelWithTheProject()
    {
        Open();
        window_->ScaleCombo->setCurrentIndex(4);
        window_->GridCombo->setCurrentIndex(1);
        window_->SnapCombo->setCurrentIndex(3);
        window_->resize(740, 520);
        QVERIFY(Close());
        window_->StoreToProject();
        QCOMPARE(project_.RegionWindowWidth, 740);
        QCOMPARE(project_.RegionWindowHeight, 520);
        QCOMPARE(project_.RegionScaleIndex, 4);
        QCOMPARE(project_.RegionGridIndex, 1);
        QCOMPARE(project_.RegionSnapIndex, 3);

        Open();
        QCOMPARE(window_->size(), QSize(740, 520));
        QCOMPARE(window_->GridCombo->currentIndex(), 1);
        QCOMPARE(window_->SnapIndex, 3);
        QCOMPARE(window_->Mapping.ScaleRatio, PadScales[4].Ratio);
        window_->showMaximized();
        QVERIFY(Close());
        window_->StoreToProject();
        QCOMPARE(project_.RegionWindowWidth, 0);
        QCOMPARE(project_.RegionWindowHeight, 0);
        Open();
        QCOMPARE(window_->size(), owner_->size());

        // Stored on a larger screen: the size as stored, its top-left corner in view.
        const QRect desk = window_->screen()->availableGeometry();
        project_.RegionWindowWidth = desk.width() + 200;
        project_.RegionWindowHeight = 600;
        Open();
        QCOMPARE(window_->size(), QSize(desk.width() + 200, 600));
        QVERIFY(window_->x() >= desk.left() && window_->y() >= desk.top());
    }

    void drawSettingsSharedThroughTheFile()
    {
        Open();  // no file: the defaults, each with its item checked
        for (QAction* item : {window_->LineNo2, window_->squarePoint, window_->PointNo2, window_->TextNo2,
                              window_->DirectionON, window_->DirectionSize1})
            QVERIFY2(item->isChecked(), qPrintable(item->objectName()));
        for (QAction* item : {window_->LineNo3, window_->trianglePoint, window_->PointNo3, window_->TextNo1,
                              window_->DirectionOFF, window_->DirectionSize3})
            item->trigger();
        QVERIFY(Close());
        window_->StoreToProject();
        const std::string ini = Ini().toStdString();
        QCOMPARE(ReadIniInteger(ini, "DRAW", "LINEWIDTH", 0), 3);
        QCOMPARE(ReadIniInteger(ini, "DRAW", "POINTSIZE", 0), 6);
        QCOMPARE(ReadIniBool(ini, "DRAW", "ARROWON", true), false);

        WriteIniInteger(ini, "DRAW", "LINEWIDTH", 5);        // no item has it: used, nothing checked
        WriteIniInteger(ini, "DRAW", "POINTSIZE", 1 << 30);  // absurd: the default
        SetProjectDefaults(project_);                        // another project, the same settings
        Open();
        QCOMPARE(window_->LineWidth, 5);
        QVERIFY(!window_->LineNo1->isChecked() && !window_->LineNo2->isChecked() && !window_->LineNo3->isChecked());
        QCOMPARE(window_->PointSize, 4);
        QCOMPARE(window_->PointType, 1);
        QCOMPARE(window_->LabelSize, 4);
        QCOMPARE(window_->MarkSize, 3);
        QVERIFY(window_->DirectionSize3->isChecked());
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneDrawRegionTest)
#include "OrvaneDrawRegionTest.moc"
