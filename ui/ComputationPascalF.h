#pragma once
// The results frame: spectrum chart, time-series chart and the results text
// of the last computation run. The charts show the chart data of
// graphics/ChartData.h in chart views (ChartView.h), painted by the painter
// the report prints them with.

#include <QFrame>

#include "graphics/ChartData.h"

class QSplitter;
class QTextEdit;

namespace orvane {

struct AppState;
class TChartView;

class TComputationPascal : public QFrame {
    Q_OBJECT
public:
    explicit TComputationPascal(AppState& state, QWidget* parent = nullptr);

    // Fixed appearance of both charts; once, when the main window is created.
    void SetupCharts();
    // Both charts and Memo2 from the results of the last run.
    void ShowResults();
    // ComputeWaves on the project, then ShowResults.
    void ComputeAndShow();
    // Panel4 = 0.4 of Panel2's height, Panel6 = 0.28 of Panel3's width.
    void FrameResize();

    // The charts ShowResults last showed (a 0..0 range is drawn as 0..1).
    const ChartData& ShownSpectrum() const;
    const ChartData& ShownTimeSeries() const;

    QFrame* Panel2;
    QFrame* Panel3;
    TChartView* PlotSpec;
    QFrame* Panel6;
    QTextEdit* Memo2;
    QSplitter* Splitter2;
    QFrame* Panel4;
    TChartView* PlotTime;

signals:
    // After every ComputeAndShow: windows that show the project (the rose)
    // follow the commit at once.
    void Computed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowText();
    void FitMemoPanel();

    AppState& state_;
    int memoTextWidth_ = 0;  // px Panel6 needs for the longest results line
};

}  // namespace orvane
