#include "ui/ComputationPascalF.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QResizeEvent>
#include <QSplitter>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/Format.h"
#include "core/Text1252.h"

namespace orvane {

namespace {

QFrame* WhitePanel(const QString& name, int borderWidth, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    panel->setPalette(p);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    return panel;
}

QValueAxis* AxisOf(QChart* chart, Qt::Alignment alignment)
{
    const auto axes = chart->axes(alignment == Qt::AlignLeft ? Qt::Vertical : Qt::Horizontal);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

// Rounds halves to even, as every size rule of the window does.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// A fixed range with ticks every interval from anchor. The range and the
// interval are set while the ticks are fixed: a new range under the last
// run's interval (a small spectrum's, then a large one's) would otherwise lay
// out millions of ticks on the way.
void SetTicks(QValueAxis* axis, double from, double to, double anchor, double interval)
{
    if (!(interval > 0.0) || !((to - from) / interval < 1000.0))
        interval = (to - from) / 4.0;
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(from, to);
    axis->setTickAnchor(anchor);
    axis->setTickInterval(interval);
    axis->setTickType(QValueAxis::TicksDynamic);
}

// Decimals that tell ticks `step` apart: 0.0894 -> 3, 2.5 -> 1, 50 -> 0.
int DecimalsFor(double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        return 2;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(step))), 0, 6);
}

// A self-scaling axis: ticks 1, 2, 2.5 or 5 times a power of ten apart, as
// many as the axis has room for (at most five intervals, each as wide as
// the widest label and a gap), and the range widened only to the nearest
// tick on each side, so the data fill the chart (1000 samples of 0.25 s end
// at 250, not 300). With keepFormat the axis keeps its label format (the time
// axis shows "##0.00" by design); otherwise the decimals follow the tick step.
void ScaleToData(QValueAxis* axis, double lo, double hi, int axisPixels, bool keepFormat)
{
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0.0;
        hi = 1.0;
    }
    const QFontMetrics metrics(axis->labelsFont());
    const auto labelText = [&](double value, double step) {
        const std::string format =
            keepFormat ? axis->labelFormat().toStdString() : "%." + std::to_string(DecimalsFor(step)) + "f";
        return QString::fromStdString(Format(format, value));
    };
    double step = hi - lo;
    for (int intervals = 5; intervals >= 1; --intervals) {
        const double rough = (hi - lo) / intervals;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        step = 10.0 * power;
        for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
            if (factor * power >= rough * 0.9999999) {
                step = factor * power;
                break;
            }
        }
        const double from = std::floor(lo / step + 1e-9) * step;
        const double to = std::ceil(hi / step - 1e-9) * step;
        const int labelWidth = std::max(metrics.horizontalAdvance(labelText(from, step)),
                                        metrics.horizontalAdvance(labelText(to, step))) + 10;
        const int shown = static_cast<int>(std::lround((to - from) / step));
        // Labels are centred on their ticks: the outer halves stand beyond the axis.
        if (shown * labelWidth <= axisPixels || intervals == 1)
            break;
    }
    const double from = std::floor(lo / step + 1e-9) * step;
    const double to = std::ceil(hi / step - 1e-9) * step;
    SetTicks(axis, from, to, from, step);
    if (!keepFormat)
        axis->setLabelFormat(QStringLiteral("%.") + QString::number(DecimalsFor(step)) + QStringLiteral("f"));
}

// Length of the bottom axis: the view less the left axis with its labels and title.
int BottomAxisPixels(const QChartView* view) { return std::max(0, view->width() - 75); }

}  // namespace

ResultsAxes ComputeResultsAxes(const WaveResults& results)
{
    ResultsAxes axes;
    const int n = std::clamp(results.FreqCount, 0, 64);
    double smax = 0.0;
    for (int k = 1; k <= n; ++k)
        if (results.Density[k] > smax)  // NaN never wins a comparison
            smax = results.Density[k];
    axes.spectrumMax = smax;
    axes.spectrumIncrement = smax / 4.0;

    const int m = std::clamp(results.SampleCount, 0, 1000);
    double vmax = 0.0;
    double vmin = 0.0;
    for (int j = 1; j <= m; ++j) {
        vmax = std::max<double>(vmax, results.Elevation[j]);
        vmin = std::min<double>(vmin, results.Elevation[j]);
    }
    const double largest = std::max(std::fabs(vmax), std::fabs(vmin));
    axes.timeBound = std::trunc(largest) + 1.0;
    axes.timeIncrement = axes.timeBound / 2.0;
    return axes;
}

TComputationPascal::TComputationPascal(AppState& state, QWidget* parent)
    : QFrame(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("Computation"));
    auto* frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(0, 0, 0, 0);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    frameLayout->addWidget(Panel2);
    auto* panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);

    Splitter2 = new QSplitter(Qt::Vertical, Panel2);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(4);
    Splitter2->setChildrenCollapsible(false);
    panel2Layout->addWidget(Splitter2);

    Panel3 = WhitePanel(QStringLiteral("Panel3"), 2, Splitter2);
    auto* panel3Layout = new QHBoxLayout(Panel3);
    panel3Layout->setContentsMargins(2, 2, 2, 2);
    panel3Layout->setSpacing(0);
    PlotSpec = new QChartView(new QChart(), Panel3);
    PlotSpec->setObjectName(QStringLiteral("PlotSpec"));
    PlotSpec->setRenderHint(QPainter::Antialiasing);
    panel3Layout->addWidget(PlotSpec, 1);
    Panel6 = WhitePanel(QStringLiteral("Panel6"), 3, Panel3);
    panel3Layout->addWidget(Panel6);
    auto* panel6Layout = new QVBoxLayout(Panel6);
    panel6Layout->setContentsMargins(3, 3, 3, 3);
    Memo2 = new QTextEdit(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFrameShape(QFrame::NoFrame);
    // Lines are as wide as the memo, so they align to its right edge; they
    // are never broken.
    Memo2->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo2->setWordWrapMode(QTextOption::NoWrap);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont memoFont = Memo2->font();
    memoFont.setBold(true);
    memoFont.setPointSize(8);
    Memo2->setFont(memoFont);
    panel6Layout->addWidget(Memo2);

    Panel4 = WhitePanel(QStringLiteral("Panel4"), 2, Splitter2);
    auto* panel4Layout = new QVBoxLayout(Panel4);
    panel4Layout->setContentsMargins(2, 2, 2, 2);
    PlotTime = new QChartView(new QChart(), Panel4);
    PlotTime->setObjectName(QStringLiteral("PlotTime"));
    PlotTime->setRenderHint(QPainter::Antialiasing);
    panel4Layout->addWidget(PlotTime);

    Splitter2->addWidget(Panel3);
    Splitter2->addWidget(Panel4);
    // Panel2 takes its new size after the frame's own resize event: the
    // proportions follow it from there.
    Panel2->installEventFilter(this);
    PlotSpec->installEventFilter(this);
    PlotTime->installEventFilter(this);
}

void TComputationPascal::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    FrameResize();
}

bool TComputationPascal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == Panel2)
            FrameResize();
        // The time and frequency axes take as many ticks as their new width holds.
        if (watched == PlotSpec && !PlotSpec->chart()->series().isEmpty())
            ScaleToData(AxisOf(PlotSpec->chart(), Qt::AlignBottom), spectrumRange_.first, spectrumRange_.second,
                        BottomAxisPixels(PlotSpec), false);
        if (watched == PlotTime && !PlotTime->chart()->series().isEmpty())
            ScaleToData(AxisOf(PlotTime->chart(), Qt::AlignBottom), timeRange_.first, timeRange_.second,
                        BottomAxisPixels(PlotTime), true);
    }
    return QFrame::eventFilter(watched, event);
}

void TComputationPascal::FrameResize()
{
    const int panel2Height = Panel2->height();
    const int panel4Height = RoundEven(0.4 * panel2Height);
    const int handle = Splitter2->handleWidth();
    Splitter2->setSizes({std::max(0, panel2Height - panel4Height - handle), panel4Height});
    FitMemoPanel();
}

void TComputationPascal::FitMemoPanel()
{
    // Panel3 spans Panel2's width; Panel2's is already current when Panel3's
    // is not. In a narrow window the text keeps the room its longest line needs.
    Panel6->setFixedWidth(std::max(RoundEven(0.28 * Panel2->width()), memoTextWidth_));
}

void TComputationPascal::SetupChart(QChart* chart, const QString& leftTitle, const QString& bottomTitle)
{
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->legend()->hide();
    chart->setTitle(QString());
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    // Margins in pixels: the chart keeps its room for the axis labels itself.
    chart->setMargins(QMargins(0, 4, 2, 0));
    auto* left = new QValueAxis(chart);
    left->setTitleText(leftTitle);
    left->setLabelFormat(QStringLiteral("%.2f"));
    auto* bottom = new QValueAxis(chart);
    bottom->setTitleText(bottomTitle);
    bottom->setLabelFormat(QStringLiteral("%.2f"));
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(bottom, Qt::AlignBottom);
    // Axis labels are printf formats, never localised: "." whatever the locale.
    chart->setLocalizeNumbers(false);
}

void TComputationPascal::SetupCharts()
{
    FrameResize();
    for (QChartView* view : {PlotSpec, PlotTime}) {
        view->setFrameShape(QFrame::NoFrame);
        view->setBackgroundBrush(Qt::white);
    }
    SetupChart(PlotSpec->chart(), QStringLiteral("S(f)"), QStringLiteral("f (Hz)"));
    SetupChart(PlotTime->chart(), QStringLiteral("H [m]"), QStringLiteral("sec"));
    AxisOf(PlotSpec->chart(), Qt::AlignLeft)->setLabelFormat(QStringLiteral("%.3g"));
}

void TComputationPascal::ShowSpectrum()
{
    const WaveResults& r = state_.results;
    QChart* chart = PlotSpec->chart();
    chart->removeAllSeries();
    const int n = std::clamp(r.FreqCount, 0, 64);

    auto* line = new QLineSeries(chart);
    double fmin = 0.0;
    double fmax = 0.0;
    for (int k = 1; k <= n; ++k) {
        if (!std::isfinite(r.Freq[k]) || !std::isfinite(r.Density[k]))
            continue;  // a damaged run shows a gap, never a broken chart
        line->append(r.Freq[k], r.Density[k]);
        fmin = line->count() == 1 ? r.Freq[k] : std::min<double>(fmin, r.Freq[k]);
        fmax = std::max<double>(fmax, r.Freq[k]);
    }
    auto* area = new QAreaSeries(line);
    area->setParent(chart);
    area->setBrush(QColor(0, 0, 255));
    QPen pen(QColor(0, 0, 255));
    pen.setWidth(1);
    area->setPen(pen);
    chart->addSeries(area);
    chart->setTitle(QString());

    QValueAxis* left = AxisOf(chart, Qt::AlignLeft);
    QValueAxis* bottom = AxisOf(chart, Qt::AlignBottom);
    area->attachAxis(left);
    area->attachAxis(bottom);
    // A zero spectrum has the axis 0..0; the chart needs a non-empty range to draw.
    const double top = shownAxes_.spectrumMax > 0.0 ? shownAxes_.spectrumMax : 1.0;
    SetTicks(left, 0.0, top, 0.0, shownAxes_.spectrumMax > 0.0 ? shownAxes_.spectrumIncrement : 0.25);
    left->setLabelFormat(QStringLiteral("%.") + QString::number(DecimalsFor(left->tickInterval())) +
                         QStringLiteral("f"));
    spectrumRange_ = {fmax > fmin ? fmin : 0.0, fmax > fmin ? fmax : 1.0};
    ScaleToData(bottom, spectrumRange_.first, spectrumRange_.second, BottomAxisPixels(PlotSpec), false);
}

void TComputationPascal::ShowTimeSeries()
{
    const WaveResults& r = state_.results;
    QChart* chart = PlotTime->chart();
    chart->removeAllSeries();
    const int m = std::clamp(r.SampleCount, 0, 1000);

    auto* line = new QLineSeries(chart);
    QList<QPointF> points;
    points.reserve(m);
    for (int j = 1; j <= m; ++j) {
        if (std::isfinite(r.Elevation[j]))
            points.append(QPointF((j - 1) * static_cast<double>(r.TimeStep), r.Elevation[j]));
    }
    line->replace(points);
    QPen pen(QColor(0, 0, 255));
    pen.setWidth(1);
    line->setPen(pen);
    chart->addSeries(line);

    QValueAxis* left = AxisOf(chart, Qt::AlignLeft);
    QValueAxis* bottom = AxisOf(chart, Qt::AlignBottom);
    line->attachAxis(left);
    line->attachAxis(bottom);
    const double bound = std::isfinite(shownAxes_.timeBound) ? shownAxes_.timeBound : 1.0;
    SetTicks(left, -bound, bound, 0.0, bound / 2.0);
    left->setTitleText(IsMetric(state_.project) ? QStringLiteral("H [m]") : QStringLiteral("H [ft]"));
    const double end = m > 1 ? (m - 1) * static_cast<double>(r.TimeStep) : 1.0;
    timeRange_ = {0.0, end};
    ScaleToData(bottom, 0.0, end, BottomAxisPixels(PlotTime), true);  // the time axis scales itself to round seconds
}

void TComputationPascal::ShowText()
{
    Memo2->clear();
    const std::vector<std::string> lines = ResultsTextLines(state_.project, state_.results);
    QTextCursor cursor(Memo2->document());
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.setBlockFormat(right);
        cursor.insertText(QString::fromUtf8(Cp1252ToUtf8(lines[i])));
    }
    const QFontMetrics metrics(Memo2->font());
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(Cp1252ToUtf8(line))));
    // The text's own margins, the panel's border and the memo's frame.
    memoTextWidth_ = widest + 2 * RoundEven(Memo2->document()->documentMargin()) + 2 * 3 + 4;
    FitMemoPanel();
}

void TComputationPascal::ShowResults()
{
    shownAxes_ = ComputeResultsAxes(state_.results);
    ShowSpectrum();
    ShowTimeSeries();
    ShowText();
}

void TComputationPascal::ComputeAndShow()
{
    ComputeWaves(state_.project, state_.results, state_.random);
    ShowResults();
}

}  // namespace orvane
