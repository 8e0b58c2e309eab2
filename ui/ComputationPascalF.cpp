#include "ui/ComputationPascalF.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/Rounding.h"
#include "tools/QtText.h"
#include "ui/ChartView.h"
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

// The empty chart before the first run: its titles and the label formats.
ChartData EmptyChart(const char* leftTitle, const char* bottomTitle, const char* leftFormat)
{
    ChartData chart;
    chart.left.title = leftTitle;
    chart.left.labelFormat = leftFormat;
    chart.bottom.title = bottomTitle;
    chart.bottom.labelFormat = "%.2f";
    return chart;
}

}  // namespace

TComputationPascal::TComputationPascal(AppState& state, QWidget* parent) : QFrame(parent), state_(state)
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
    PlotSpec = new TChartView(Panel3);
    PlotSpec->setObjectName(QStringLiteral("PlotSpec"));
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
    PlotTime = new TChartView(Panel4);
    PlotTime->setObjectName(QStringLiteral("PlotTime"));
    panel4Layout->addWidget(PlotTime);

    Splitter2->addWidget(Panel3);
    Splitter2->addWidget(Panel4);
    // Panel2 takes its new size after the frame's own resize event: the
    // proportions follow it from there.
    Panel2->installEventFilter(this);
}

void TComputationPascal::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    FrameResize();
}

bool TComputationPascal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == Panel2)
        FrameResize();
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

void TComputationPascal::SetupCharts()
{
    FrameResize();
    PlotSpec->SetChart(EmptyChart("S(f)", "f (Hz)", "%.3g"));
    PlotTime->SetChart(EmptyChart("H [m]", "sec", "%.2f"));
}

const ChartData& TComputationPascal::ShownSpectrum() const { return PlotSpec->Chart(); }
const ChartData& TComputationPascal::ShownTimeSeries() const { return PlotTime->Chart(); }

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
    PlotSpec->SetChart(SpectrumChart(state_.results));
    PlotTime->SetChart(TimeSeriesChart(state_.results, state_.project));
    ShowText();
}

void TComputationPascal::ComputeAndShow()
{
    ClearUpperVectorState();
    // The companion's growth law and storm duration; by default today's run.
    const GrowthOptions& growth = state_.companion.growth;
    ComputeWaves(state_.project, growth, state_.results, state_.random);
    // Only a run with a law or duration says what limited it (and measures the sector again for that).
    state_.growth =
        growth.IsDefault() ? GrowthSummary {} : SummariseGrowth(state_.project, MakeSector(state_.project), growth);
    ShowResults();
    emit Computed();
}

}  // namespace orvane
