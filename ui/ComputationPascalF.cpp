#include "ui/ComputationPascalF.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QResizeEvent>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/Rounding.h"
#include "ui/QtText.h"
#include "ui/VectorUnitState.h"

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

// Line widths of the chart data are points; the views draw at 96 dpi.
constexpr double kViewPixelsPerPoint = 96.0 / 72.0;

// A fixed range with ticks every step from anchor. The range and the step
// are set while the ticks are fixed: a new range under the last run's step
// (a small spectrum's, then a large one's) would otherwise lay out millions
// of ticks on the way.
void SetTicks(QValueAxis* axis, const AxisRange& range, double anchor)
{
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(range.from, range.to);
    axis->setTickAnchor(anchor);
    axis->setTickInterval(range.step);
    axis->setTickType(QValueAxis::TicksDynamic);
}

// A self-fitting axis takes as many ticks as its length in the view holds.
void FitBottomAxis(QValueAxis* axis, const ChartAxis& data, int axisPixels)
{
    const QFontMetrics metrics(axis->labelsFont());
    const FittedAxis fitted = FitAxis(
        data.min, data.max, axisPixels,
        [&metrics](const std::string& text) { return metrics.horizontalAdvance(FromUtf8(text)); }, 10,
        data.labelFormat);
    SetTicks(axis, fitted.range, fitted.range.from);
    axis->setLabelFormat(FromUtf8(fitted.labelFormat));
}

// Length of the bottom axis: the view less the left axis with its labels and title.
int BottomAxisPixels(const QChartView* view) { return std::max(0, view->width() - 75); }

}  // namespace

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
            FitBottomAxis(AxisOf(PlotSpec->chart(), Qt::AlignBottom), spectrum_.bottom, BottomAxisPixels(PlotSpec));
        if (watched == PlotTime && !PlotTime->chart()->series().isEmpty())
            FitBottomAxis(AxisOf(PlotTime->chart(), Qt::AlignBottom), timeSeries_.bottom, BottomAxisPixels(PlotTime));
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

void TComputationPascal::ShowChart(QChartView* view, const ChartData& content)
{
    QChart* chart = view->chart();
    QValueAxis* left = AxisOf(chart, Qt::AlignLeft);
    QValueAxis* bottom = AxisOf(chart, Qt::AlignBottom);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(content.points.size()));
    for (const ChartPoint& p : content.points)
        points.append(QPointF(p.x, p.y));
    QPen pen(QColor(content.lineColour.r, content.lineColour.g, content.lineColour.b));
    pen.setWidthF(content.lineWidthPt * kViewPixelsPerPoint);
    const QColor fill(content.fillColour.r, content.fillColour.g, content.fillColour.b);
    const auto setAxes = [&] {
        const AxisRange range = DrawnRange(content.left);
        SetTicks(left, range, range.from <= 0.0 && range.to >= 0.0 ? 0.0 : range.from);
        left->setLabelFormat(FromUtf8(content.left.labelFormat));
        left->setTitleText(FromUtf8(content.left.title));
        bottom->setTitleText(FromUtf8(content.bottom.title));
        FitBottomAxis(bottom, content.bottom, BottomAxisPixels(view));
    };

    // The series of the last run takes the new points: every new series or
    // attached axis lays out all its points again (the time series has 1000),
    // so it is made once and then only refilled, after the axes.
    const QList<QAbstractSeries*> shown = chart->series();
    auto* area = shown.size() == 1 ? qobject_cast<QAreaSeries*>(shown.first()) : nullptr;
    auto* line = shown.size() == 1 ? qobject_cast<QLineSeries*>(shown.first()) : nullptr;
    if (content.filled && area && area->upperSeries() && !area->lowerSeries()) {
        setAxes();
        if (area->pen() != pen)
            area->setPen(pen);
        if (area->brush() != QBrush(fill))
            area->setBrush(fill);
        area->upperSeries()->replace(points);
        return;
    }
    if (!content.filled && line) {
        setAxes();
        if (line->pen() != pen)
            line->setPen(pen);
        line->replace(points);
        return;
    }

    chart->removeAllSeries();
    line = new QLineSeries(chart);
    line->replace(points);
    QAbstractSeries* series = line;
    if (content.filled) {
        area = new QAreaSeries(line);
        area->setParent(chart);
        area->setBrush(fill);
        area->setPen(pen);
        series = area;
    } else {
        line->setPen(pen);
    }
    chart->addSeries(series);
    chart->setTitle(QString());
    series->attachAxis(left);
    series->attachAxis(bottom);
    setAxes();
}

void TComputationPascal::ShowText()
{
    Memo2->clear();
    QStringList lines;
    for (const std::string& line : ResultsTextLines(state_.project, state_.results))
        lines << From1252(line);
    const QFontMetrics metrics(Memo2->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // The growth law and what limited the waves are longer than the panel the
    // results need: they are broken between words to the results' width.
    for (const std::string& growthLine : GrowthTextLines(state_.growth)) {
        QString current;
        for (const QString& word : FromUtf8(growthLine).split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(longer) > widest) {
                lines << current;
                current = word;
            } else {
                current = longer;
            }
        }
        lines << current;
    }
    QTextCursor cursor(Memo2->document());
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.setBlockFormat(right);
        cursor.insertText(lines[i]);
    }
    // The text's own margins, the panel's border and the memo's frame.
    memoTextWidth_ = widest + 2 * RoundEven(Memo2->document()->documentMargin()) + 2 * 3 + 4;
    FitMemoPanel();
}

void TComputationPascal::ShowResults()
{
    ClearUpperVectorState();
    spectrum_ = SpectrumChart(state_.results);
    timeSeries_ = TimeSeriesChart(state_.results, state_.project);
    ShowChart(PlotSpec, spectrum_);
    ShowChart(PlotTime, timeSeries_);
    ShowText();
}

void TComputationPascal::ComputeAndShow()
{
    ClearUpperVectorState();
    // The companion's growth law and storm duration; by default today's run.
    const GrowthOptions& growth = state_.companion.growth;
    ComputeWaves(state_.project, growth, state_.results, state_.random);
    // Only a run with a law or duration says what limited it (and measures the sector again for that).
    state_.growth = growth.IsDefault() ? GrowthSummary{} : SummariseGrowth(state_.project, MakeSector(state_.project), growth);
    ShowResults();
    emit Computed();
}

}  // namespace orvane
