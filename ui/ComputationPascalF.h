#pragma once
// The results frame: spectrum chart, time-series chart and the results text
// of the last computation run.

#include <QFrame>

#include <utility>

class QChart;
class QChartView;
class QSplitter;
class QTextEdit;
class QValueAxis;

namespace orvane {

struct AppState;
struct ProjectRecord;
struct WaveResults;

// Axis settings of the two charts, computed from the results alone so that
// they can be checked without drawing.
struct ResultsAxes {
    double spectrumMax = 0.0;        // S(f) axis 0..spectrumMax
    double spectrumIncrement = 0.0;  // spectrumMax / 4
    double timeBound = 1.0;          // elevation axis -timeBound..timeBound
    double timeIncrement = 0.5;      // timeBound / 2
};
ResultsAxes ComputeResultsAxes(const WaveResults& results);

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

    // The axes ShowResults last set (the charts clamp a 0..0 range for display).
    const ResultsAxes& ShownAxes() const { return shownAxes_; }

    QFrame* Panel2;
    QFrame* Panel3;
    QChartView* PlotSpec;
    QFrame* Panel6;
    QTextEdit* Memo2;
    QSplitter* Splitter2;
    QFrame* Panel4;
    QChartView* PlotTime;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupChart(QChart* chart, const QString& leftTitle, const QString& bottomTitle);
    void ShowSpectrum();
    void ShowTimeSeries();
    void ShowText();
    void FitMemoPanel();

    AppState& state_;
    ResultsAxes shownAxes_;
    // Data ranges of the two bottom axes, for rescaling them on resize.
    std::pair<double, double> spectrumRange_{0.0, 1.0};
    std::pair<double, double> timeRange_{0.0, 1.0};
    int memoTextWidth_ = 0;  // px Panel6 needs for the longest results line
};

}  // namespace orvane
