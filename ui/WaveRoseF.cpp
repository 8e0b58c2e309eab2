#include "ui/WaveRoseF.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/Messages.h"
#include "core/Region.h"
#include "core/Units.h"
#include "tools/help/HelpSystem.h"
#include "ui/GisCommands.h"
#include "ui/RoseView.h"

namespace orvane {

namespace {

constexpr int kWatchMs = 500;  // how often a shown window compares the record
QString Cell(const char* format, double v)
{
    return std::isfinite(v) ? QString::asprintf(format, v) : QStringLiteral("-");
}

QTableWidgetItem* Item(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TWaveRose::TWaveRose(AppState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state)
{
    setObjectName(QStringLiteral("WaveRose"));
    setProperty(kHelpKeywordProperty, QStringLiteral("WaveRose"));  // the topic F1 opens here
    setWindowTitle(QStringLiteral("Fetch and wave rose"));
    setMinimumSize(640, 420);
    resize(1040, 640);

    auto* stepLabel = new QLabel(QStringLiteral("Step [\u00B0]"), this);
    StepCombo = new QComboBox(this);
    StepCombo->setObjectName(QStringLiteral("StepCombo"));
    for (int step : kSteps)
        StepCombo->addItem(QString::number(step), step);
    StepCombo->setCurrentIndex(StepCombo->findData(kDefaultStep));
    stepLabel->setBuddy(StepCombo);
    InfoLabel = new QLabel(this);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    InfoLabel->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(stepLabel);
    top->addWidget(StepCombo);
    top->addSpacing(16);
    top->addWidget(InfoLabel, 1);

    RoseChart = new TRoseView(this);
    RoseChart->setObjectName(QStringLiteral("RoseChart"));
    RoseChart->setMinimumSize(260, 260);
    RoseTable = new QTableWidget(0, 6, this);
    RoseTable->setObjectName(QStringLiteral("RoseTable"));
    RoseTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    RoseTable->setSelectionMode(QAbstractItemView::SingleSelection);
    RoseTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RoseTable->setMinimumWidth(200);
    RoseTable->verticalHeader()->hide();
    RoseTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RoseTable->verticalHeader()->setDefaultSectionSize(RoseTable->fontMetrics().height() + 6);
    auto* splitter = splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("RoseSplitter"));
    splitter->addWidget(RoseChart);
    splitter->addWidget(RoseTable);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);

    ExportBtn = new QPushButton(QStringLiteral("Export CSV..."), this);
    ExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    UseDirectionBtn = new QPushButton(QStringLiteral("Use this direction"), this);
    UseDirectionBtn->setObjectName(QStringLiteral("UseDirectionBtn"));
    UseDirectionBtn->setToolTip(QStringLiteral("Set the main window's wind direction to the selected row and compute"));
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportBtn);
    buttons->addWidget(UseDirectionBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    watch_ = new QTimer(this);
    watch_->setInterval(kWatchMs);
    connect(watch_, &QTimer::timeout, this, &TWaveRose::ProjectChanged);
    connect(StepCombo, &QComboBox::currentIndexChanged, this, &TWaveRose::StepComboChange);
    connect(ExportBtn, &QPushButton::clicked, this, &TWaveRose::ExportBtnClick);
    connect(UseDirectionBtn, &QPushButton::clicked, this, &TWaveRose::UseDirectionBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(RoseTable, &QTableWidget::itemSelectionChanged, this, &TWaveRose::SelectionChanged);
    connect(RoseChart, &TRoseView::RowClicked, RoseTable, &QTableWidget::selectRow);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    UseDirectionBtn->setEnabled(false);
}

int TWaveRose::Step() const
{
    const QVariant step = StepCombo->currentData();
    return step.isValid() ? step.toInt() : kDefaultStep;
}

void TWaveRose::ProjectChanged()
{
    if (!isVisible())
        return;  // showing the window checks again
    if (!computed_ || !SameRoseInputs(state_.project, computedFrom_) || rose_.stepDeg != Step() ||
        !(rose_.growth == state_.companion.growth))
        ComputeRose();
}

void TWaveRose::ComputeRose()
{
    computedFrom_ = state_.project;
    ProjectRecord rec = state_.project;
    // As the main window computes it: a code above the last item is the last item.
    ClampMethodCodes(rec);
    rose_ = WaveRose(rec, Step(), state_.companion.growth);
    // True bearings where the project knows its coordinate system.
    const BearingReference bearings = GisCommands::Bearings(rec, state_.companion);
    for (RoseRow& row : rose_.rows)
        row.bearingDeg = BearingOfDirection(row.windDirectionDeg, bearings);
    computed_ = true;
    ShowInfo();
    ShowTable();
    ShowChart();
}

void TWaveRose::ShowInfo()
{
    const ProjectRecord& rec = computedFrom_;
    ProjectRecord methods = rec;
    ClampMethodCodes(methods);
    QString text = QString::fromStdString(
        Format("Wind sector %.0f\u00B0, %s, %s, %s. Fetch in %s, Hs in %s; bearings are where the wind comes "
               "from, clockwise from north.",
               rec.SectorAngle, DirectionalMethodName(methods.DirectionalMethod),
               SignificantMethodName(methods.SignificantMethod), SpectrumTypeName(methods.SpectrumType),
               CoordUnitName(rec.CoordUnits), IsMetric(rec) ? "m" : "ft"));
    if (!PointInWater(rec))
        text += QStringLiteral(" The point is not in the water region: the fetches are measured from it all the same.");
    InfoLabel->setText(text);
}

void TWaveRose::ShowTable()
{
    const bool metric = IsMetric(computedFrom_);
    const QString unit = QString::fromStdString(CoordUnitName(computedFrom_.CoordUnits));
    RoseTable->setHorizontalHeaderLabels(
        {QStringLiteral("Wind direction [\u00B0]"), QStringLiteral("From [\u00B0]"),
         QStringLiteral("Fetch [") + unit + "]", QStringLiteral("Effective fetch [") + unit + "]",
         metric ? QStringLiteral("Hs [m]") : QStringLiteral("Hs [ft]"), QStringLiteral("Ts [s]")});
    const QSignalBlocker block(RoseTable);
    RoseTable->setRowCount(static_cast<int>(rose_.rows.size()));
    for (int r = 0; r < RoseTable->rowCount(); ++r) {
        const RoseRow& row = rose_.rows[static_cast<std::size_t>(r)];
        RoseTable->setItem(r, 0, Item(QString::number(row.windDirectionDeg)));
        RoseTable->setItem(r, 1, Item(Cell("%.0f", row.bearingDeg)));
        RoseTable->setItem(r, 2, Item(Cell("%.3f", row.centralFetch)));
        RoseTable->setItem(r, 3, Item(Cell("%.3f", row.effectiveFetch)));
        RoseTable->setItem(r, 4, Item(Cell("%.2f", metric ? row.heightM : row.heightFt)));
        RoseTable->setItem(r, 5, Item(Cell("%.2f", row.period)));
    }
    // The first time, the table gets the width of all its columns where the
    // window has room; later the user's splitter position stands.
    if (!tableFitted_) {
        RoseTable->resizeColumnsToContents();
        int needed = 2 * RoseTable->frameWidth() + RoseTable->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < RoseTable->columnCount(); ++c)
            needed += RoseTable->columnWidth(c);
        const int total = splitter_->width();
        const int chart = std::max(RoseChart->minimumWidth(), total - needed);
        splitter_->setSizes({chart, std::max(total - chart, 0)});
        tableFitted_ = true;
    }
    // Select the row nearest the project's own wind direction.
    if (!rose_.rows.empty() && std::isfinite(computedFrom_.WindDirection)) {
        double d = std::fmod(static_cast<double>(computedFrom_.WindDirection), 360.0);
        d = d < 0.0 ? d + 360.0 : d;
        const int nearest = static_cast<int>(std::lround(d / rose_.stepDeg)) % RoseTable->rowCount();
        RoseTable->selectRow(nearest);
    }
    SelectionChanged();
}

void TWaveRose::ShowChart()
{
    // The method names of the legend as the rose computed them.
    ProjectRecord shown = computedFrom_;
    ClampMethodCodes(shown);
    RoseChart->SetRose(rose_, shown);
    SelectionChanged();
}

void TWaveRose::SelectionChanged()
{
    const QList<QTableWidgetItem*> items = RoseTable->selectedItems();
    const int r = items.isEmpty() ? -1 : items.front()->row();
    const bool valid = r >= 0 && r < static_cast<int>(rose_.rows.size());
    UseDirectionBtn->setEnabled(valid);
    RoseChart->SetSelectedRow(valid ? r : -1);
}

void TWaveRose::StepComboChange() { ComputeRose(); }

bool TWaveRose::ExportCsv(const QString& fileName)
{
    const std::string csv = WaveRoseCsv(rose_);
    const std::string name = fileName.toStdString();
    if (WriteFileAtomically(name, csv.data(), csv.size()))
        return true;
    ShowError("cannot read or write file [" + name + "]");
    return false;
}

void TWaveRose::ExportBtnClick()
{
    QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), QStringLiteral("rose.csv"),
                                                QStringLiteral("CSV file (*.csv)"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QStringLiteral(".csv");
    ExportCsv(name);
}

void TWaveRose::UseDirectionBtnClick()
{
    const QList<QTableWidgetItem*> items = RoseTable->selectedItems();
    if (items.isEmpty())
        return;
    const std::size_t r = static_cast<std::size_t>(items.front()->row());
    if (r < rose_.rows.size())
        emit DirectionChosen(static_cast<float>(rose_.rows[r].windDirectionDeg));
}

void TWaveRose::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ProjectChanged();
    watch_->start();
}

void TWaveRose::hideEvent(QHideEvent* event)
{
    watch_->stop();
    QWidget::hideEvent(event);
}

}  // namespace orvane
