#pragma once
// The results frame: spectrum chart, time-series chart and the results text
// of the last computation run. The charts show the chart data of
// graphics/ChartData.h in Qt Charts views: the ranges, increments, titles
// and formats are those the report prints.

#include <QFrame>

#include "graphics/ChartData.h"

class QChart;
class QChartView;
class QSplitter;
class QTextEdit;
class QValueAxis;

namespace orvane {

struct AppState;

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

    // The charts ShowResults last showed (the views draw a 0..0 range as 0..1).
    const ChartData& ShownSpectrum() const { return spectrum_; }
    const ChartData& ShownTimeSeries() const { return timeSeries_; }

    QFrame* Panel2;
    QFrame* Panel3;
    QChartView* PlotSpec;
    QFrame* Panel6;
    QTextEdit* Memo2;
    QSplitter* Splitter2;
    QFrame* Panel4;
    QChartView* PlotTime;

signals:
    // After every ComputeAndShow: windows that show the project (the rose)
    // follow the commit at once.
    void Computed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupChart(QChart* chart, const QString& leftTitle, const QString& bottomTitle);
    void ShowChart(QChartView* view, const ChartData& content);
    void ShowText();
    void FitMemoPanel();

    AppState& state_;
    ChartData spectrum_;
    ChartData timeSeries_;
    int memoTextWidth_ = 0;  // px Panel6 needs for the longest results line
};

}  // namespace orvane
