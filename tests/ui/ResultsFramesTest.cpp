// The results frame and the three method frames on real widgets.

#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "tests/TestSupport.h"
#include "ui/ChartView.h"
#include "ui/ComputationPascalF.h"
#include "ui/DirectionalWtypeF.h"
#include "ui/SpecificWtypeF.h"
#include "ui/SpectrumTypeF.h"

namespace orvane {

class ResultsFramesTest : public QObject {
    Q_OBJECT

private slots:
    void zeroSpectrumAxis();
    void outOfRangeCodeShowsAndStoresTheLastItem();
    void negativeCodeSelectsNothing();
    void onlyTheUserChoiceEmitsClick();
    void memoShowsTheEngineLines();
    void frameResizeKeepsProportions();
    void refilledChartsDrawLikeNewOnes();
};

void ResultsFramesTest::zeroSpectrumAxis()
{
    AppState state;
    state.results.FreqCount = 64;
    state.results.SampleCount = 1000;
    state.results.TimeStep = 0.25f;
    TComputationPascal frame(state);
    frame.resize(400, 300);
    frame.SetupCharts();
    frame.ShowResults();  // must not fail on an all-zero run
    QCOMPARE(frame.ShownSpectrum().left.max, 0.0);
    QCOMPARE(frame.ShownSpectrum().left.increment, 0.0);
}

void ResultsFramesTest::outOfRangeCodeShowsAndStoresTheLastItem()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);  // SpectrumType 2: one past JONSWAP
    TSpectrumType spectrum;
    spectrum.ShowChoice(rec);
    QCOMPARE(spectrum.RadioGroup1->ItemIndex(), 1);
    spectrum.StoreChoice(rec);
    QCOMPARE(rec.SpectrumType, 1);

    TDirectionalWtype directional;
    rec.DirectionalMethod = 7;
    directional.ShowChoice(rec);
    directional.StoreChoice(rec);
    QCOMPARE(rec.DirectionalMethod, 2);
}

void ResultsFramesTest::negativeCodeSelectsNothing()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    TSpecificWtype significant;
    significant.ShowChoice(rec);
    QCOMPARE(significant.RadioGroup1->ItemIndex(), 2);
    rec.SignificantMethod = -3;
    significant.ShowChoice(rec);
    QCOMPARE(significant.RadioGroup1->ItemIndex(), -1);
}

void ResultsFramesTest::onlyTheUserChoiceEmitsClick()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    TDirectionalWtype frame;
    frame.show();
    QSignalSpy clicks(&frame, &TMethodFrame::Click);
    frame.ShowChoice(rec);
    QCOMPARE(clicks.count(), 0);
    auto* saville = frame.findChild<QRadioButton*>(QStringLiteral("RadioItem1"));
    QVERIFY(saville);
    QCOMPARE(saville->text(), QStringLiteral("Savillle's method"));
    QTest::mouseClick(saville, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    frame.StoreChoice(rec);
    QCOMPARE(rec.DirectionalMethod, 1);
}

void ResultsFramesTest::memoShowsTheEngineLines()
{
    AppState state;
    state.random.Seed(7);
    state.project.CoordUnits = 2;
    state.project.BoundaryCount = 1;
    const float square[][2] = {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 0}};
    state.project.NodeCount[1] = 5;
    for (int k = 1; k <= 5; ++k) {
        state.project.NodeNumber[1][k] = k;
        state.project.NodeX[1][k] = square[k - 1][0];
        state.project.NodeY[1][k] = square[k - 1][1];
    }
    state.project.PointX = 500.0f;
    state.project.PointY = 500.0f;
    ClampMethodCodes(state.project);

    TComputationPascal frame(state);
    frame.resize(500, 400);
    frame.SetupCharts();
    frame.ComputeAndShow();
    const std::vector<std::string> lines = ResultsTextLines(state.project, state.results);
    QTextDocument* doc = frame.Memo2->document();
    QCOMPARE(doc->blockCount(), static_cast<int>(lines.size()));
    for (int i = 0; i < doc->blockCount(); ++i) {
        const QTextBlock block = doc->findBlockByNumber(i);
        QCOMPARE(block.text(), QString::fromStdString(lines[static_cast<std::size_t>(i)]));
        QVERIFY(block.blockFormat().alignment() & Qt::AlignRight);
    }
    QVERIFY(frame.ShownSpectrum().left.max > 0.0);
    QVERIFY(frame.Memo2->isReadOnly());
    if (!qEnvironmentVariableIsEmpty("ORVANE_SCREENSHOTS"))
        frame.grab().save(qEnvironmentVariable("ORVANE_SCREENSHOTS") + QStringLiteral("/results-frame.png"));
}

void ResultsFramesTest::frameResizeKeepsProportions()
{
    AppState state;
    TComputationPascal frame(state);
    frame.resize(500, 400);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.FrameResize();
    QCOMPARE(frame.Panel4->height(), qRound(0.4 * frame.Panel2->height()));
    QCOMPARE(frame.Panel6->width(), static_cast<int>(std::nearbyint(0.28 * frame.Panel3->width())));
}

// A frame that showed one run and then another draws the second exactly as
// a frame that showed only it: nothing of the first run's picture is kept.
void ResultsFramesTest::refilledChartsDrawLikeNewOnes()
{
    AppState runs;
    SetProjectDefaults(runs.project);
    runs.project.CoordUnits = 3;
    test::SetBoundary(runs.project, 1, test::ClosedRing({{0, 0}, {200, 0}, {200, 150}, {0, 150}}));
    runs.project.PointX = 100;
    runs.project.PointY = 30;
    runs.project.WindVelocity = 40;
    const auto shown = [](TComputationPascal& frame) {
        frame.resize(500, 400);
        frame.SetupCharts();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    };
    TComputationPascal reused(runs);
    shown(reused);
    reused.ComputeAndShow();
    runs.project.WindVelocity = 9;  // other axis ranges
    runs.project.SpectrumType = 0;  // another spectrum shape
    runs.random.Seed(5);
    reused.ComputeAndShow();

    AppState second;
    second.project = runs.project;
    second.random.Seed(5);
    TComputationPascal fresh(second);
    shown(fresh);
    fresh.ComputeAndShow();
    QCOMPARE(reused.PlotSpec->grab().toImage(), fresh.PlotSpec->grab().toImage());
    QCOMPARE(reused.PlotTime->grab().toImage(), fresh.PlotTime->grab().toImage());
}

}  // namespace orvane

QTEST_MAIN(orvane::ResultsFramesTest)
#include "ResultsFramesTest.moc"
