// The main window's draw-region command: its three triggers, the refusal
// without a project file, and a new lake drawn with the mouse, shown and
// computed on return.

#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "OrvaneMainTestSupport.h"
#include "core/CoordinatesFile.h"
#include "tests/TestSupport.h"
#include "ui/OrvaneDrawRegionF.h"

namespace orvane {

using namespace orvane::test;

class OrvaneMainDrawRegionTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

    static QString ProjectPath() { return Folder() + QStringLiteral("Projects/Lake.WDT"); }

    // A lake 40 x 30 km (metres) with the point in its lower middle and the
    // wind towards the north-east; the region window snaps to 1 km.
    static ProjectRecord Lake()
    {
        ProjectRecord rec = RectangleProject(40000, 30000);
        rec.RegionSnapIndex = 4;
        return rec;
    }

    // Runs act on the region window once the command has shown it; act must close it.
    void InRegionWindow(TOrvaneMain& w, std::function<void(TOrvaneDrawRegion&)> act, bool& shown)
    {
        QTimer::singleShot(0, &w, [&w, act, &shown] {
            auto* region = w.findChild<TOrvaneDrawRegion*>();
            shown = region != nullptr && region->isVisible() && region->isModal();
            if (region != nullptr)
                act(*region);
        });
    }

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void triggers_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::newRow("Draw region") << 0;
        QTest::newRow("picture button") << 1;
        QTest::newRow("double click on the plot") << 2;
    }
    void triggers()
    {
        QFETCH(int, trigger);
        auto w = ShowWindow(state_);
        const auto fire = [&] {
            if (trigger == 0)
                w->findChild<QAction*>(QStringLiteral("Drawregion1"))->trigger();
            else if (trigger == 1)
                QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
            else
                QTest::mouseDClick(w->findChild<QWidget*>(QStringLiteral("Plot")), Qt::LeftButton);
        };
        {
            MessageRecorder recorder;
            fire();
            QCOMPARE(recorder.messages.size(), std::size_t(1));
            QCOMPARE(recorder.messages[0].kind, MessageKind::Information);
            QCOMPARE(recorder.messages[0].text, std::string("A file must be opened first"));
        }
        QVERIFY(w->findChild<TOrvaneDrawRegion*>() == nullptr);

        WriteProject(ProjectPath(), Lake());
        w->OpenProjectFile(ProjectPath());
        bool shown = false;
        InRegionWindow(
            *w, [](TOrvaneDrawRegion& region) { region.close(); }, shown);
        fire();
        QVERIFY(shown);
        QVERIFY(w->findChild<TOrvaneDrawRegion*>() == nullptr);  // destroyed after the command
        QCOMPARE(state_.project.NodeCount[1], 5);                // unedited: the outer ring as it was
    }

    // A boundary that comes back shorter than the grids held stores exactly
    // what came back, at the next commit too: none of the grid's old rows
    // may return as nodes.
    void shorterBoundariesStoreOnlyWhatRemains_data()
    {
        QTest::addColumn<int>("path");
        QTest::newRow("19 points deleted on the pad") << 0;
        QTest::newRow("every line deleted on the pad") << 1;
        QTest::newRow("fewer nodes imported") << 2;
    }
    void shorterBoundariesStoreOnlyWhatRemains()
    {
        QFETCH(int, path);
        // A round lake of 48 nodes (49 positions, closed by node 1), radius 8 km.
        ProjectRecord lake = Lake();
        std::vector<TestNode> ring;
        for (int k = 0; k < 48; ++k)
            ring.push_back({static_cast<float>(20000 + 8000 * std::cos(k * 2 * M_PI / 48)),
                            static_cast<float>(15000 + 8000 * std::sin(k * 2 * M_PI / 48))});
        SetBoundary(lake, 1, ClosedRing(ring));
        lake.PointX = 20000;
        lake.PointY = 15000;
        WriteProject(ProjectPath(), lake);
        auto w = ShowWindow(state_);
        w->OpenProjectFile(ProjectPath());

        // What must be stored: nodes 1..29 closed by node 1, no boundary, or
        // the imported ring as the command-line import stores it.
        ProjectRecord expected = lake;
        TempDir dir;
        const std::string small = dir.File("small.txt");
        if (path == 0)
            SetBoundary(expected, 1, ClosedRing({ring.begin(), ring.begin() + 29}));
        if (path == 1) {
            ClearBoundaries(expected);
            expected.BoundaryCount = 0;
        }
        if (path == 2) {
            ProjectRecord pond = lake;
            SetBoundary(pond, 1, ClosedRing({{15000, 10000}, {25000, 10000}, {25000, 20000}, {15000, 20000}}));
            QVERIFY(ExportCoordinates(pond, small));
            QCOMPARE(ImportCoordinatesFile(expected, small).state, ImportState::Imported);
        }

        if (path < 2) {
            bool shown = false;
            InRegionWindow(
                *w,
                [path](TOrvaneDrawRegion& region) {
                    if (path == 0) {
                        // The Delete points tool on points 30..48; the open ring left is kept.
                        QTest::mouseClick(region.DeletePointsBtn, Qt::LeftButton);
                        for (int k = 29; k < 48; ++k) {
                            const PadPoint& p = region.Graph.Points[static_cast<std::size_t>(k)];
                            const PadPixel at = region.Mapping.WorldToPixel(p.X, p.Y);
                            region.DrawSurfaceMouseDown(Qt::LeftButton, at.X, at.Y);
                        }
                        OnNextModal([](QWidget* modal) {
                            if (auto* box = qobject_cast<QMessageBox*>(modal))
                                box->button(QMessageBox::Yes)->click();
                        });
                    } else {
                        for (std::size_t j = 0; j < region.Graph.Lines.size(); ++j)
                            region.Graph.DeleteLine(static_cast<std::int32_t>(j));
                    }
                    region.close();
                },
                shown);
            w->findChild<QAction*>(QStringLiteral("Drawregion1"))->trigger();
            QVERIFY(shown);
        } else {
            w->ImportCoordinatesFrom(QString::fromStdString(small));
        }
        // The next commit reads the grids back.
        QTest::mouseClick(w->ComputeBtn, Qt::LeftButton);

        const ProjectRecord& rec = state_.project;
        QCOMPARE(rec.BoundaryCount, expected.BoundaryCount);
        for (int b = 1; b <= kMaxBoundaries; ++b) {
            QCOMPARE(rec.NodeCount[b], expected.NodeCount[b]);
            for (int k = 1; k <= expected.NodeCount[b]; ++k) {
                QCOMPARE(rec.NodeNumber[b][k], k);
                QVERIFY(std::fabs(rec.NodeX[b][k] - expected.NodeX[b][k]) < 0.001f);
                QVERIFY(std::fabs(rec.NodeY[b][k] - expected.NodeY[b][k]) < 0.001f);
            }
        }
        QCOMPARE(MemoLines(*w), EngineLines(rec));
    }

    void drawsANewLake()
    {
        ProjectRecord empty = Lake();
        empty.NodeCount[1] = 0;
        WriteProject(ProjectPath(), empty);
        auto w = ShowWindow(state_);
        w->OpenProjectFile(ProjectPath());
        const QStringList before = MemoLines(*w);
        const std::pair<float, float> lake[] = {{5, 2}, {40, 3}, {36, 28}, {8, 25}};
        bool shown = false;
        InRegionWindow(
            *w,
            [&lake](TOrvaneDrawRegion& region) {
                auto click = [&region](float x, float y) {
                    const PadPixel p = region.Mapping.WorldToPixel(x, y);
                    QTest::mouseClick(region.DrawSurface, Qt::LeftButton, {}, QPoint(p.X, p.Y));
                };
                QTest::mouseClick(region.SEtPointsBtn, Qt::LeftButton);
                for (const auto& [x, y] : lake)
                    click(x, y);
                QTest::mouseClick(region.ConnectPointsBtn, Qt::LeftButton);
                for (int i : {0, 1, 2, 3, 0})
                    click(lake[i].first, lake[i].second);
                QTest::mouseClick(region.CloseBtn, Qt::LeftButton);
            },
            shown);
        w->findChild<QAction*>(QStringLiteral("Drawregion1"))->trigger();
        QVERIFY(shown);

        const ProjectRecord& rec = state_.project;
        QCOMPARE(rec.BoundaryCount, 1);
        QCOMPARE(rec.NodeCount[1], 5);  // closed by node 1 again
        QCOMPARE(rec.NodeX[1][2], 40000.0f);
        QCOMPARE(rec.NodeY[1][3], 28000.0f);
        QCOMPARE(rec.NodeY[1][5], 2000.0f);
        QVERIFY(!w->PageControl1->isTabVisible(1));
        // The results were computed again, on the region as drawn.
        QVERIFY(MemoLines(*w) != before);
        QCOMPARE(MemoLines(*w), EngineLines(rec));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainDrawRegionTest)
#include "OrvaneMainDrawRegionTest.moc"
