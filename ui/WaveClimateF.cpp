#include "ui/WaveClimateF.h"

#include <QBuffer>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <atomic>
#include <cmath>
#include <cstdlib>

#include "core/AppState.h"
#include "core/BearingReference.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "graphics/ClimatePlots.h"
#include "reports/DocumentExport.h"
#include "reports/OrvaneRepClimateF.h"
#include "tools/QtText.h"
#include "tools/help/HelpSystem.h"
#include "ui/ChartView.h"
#include "ui/GisCommands.h"
#include "ui/OrvaneMainF.h"
#include "ui/ReportCommands.h"

namespace orvane {

// The occurrence rose at the widget's size, painted by PaintOccurrenceRose.
class TOccurrenceRoseView : public QWidget {
public:
    explicit TOccurrenceRoseView(QWidget* parent) : QWidget(parent) { setMinimumSize(320, 340); }
    void SetResult(const ClimateResult* result)
    {
        result_ = result;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (result_)
            PaintOccurrenceRose(painter, QRectF(rect()), *result_);
    }

private:
    const ClimateResult* result_ = nullptr;
};

namespace {

constexpr SpeedUnit kUnits[] = {SpeedUnit::MetresPerSecond, SpeedUnit::KilometresPerHour, SpeedUnit::MilesPerHour,
                                SpeedUnit::Knots, SpeedUnit::FeetPerSecond};
constexpr int kSectorChoices[] = {8, 12, 16, 36};

std::optional<double> Typed(const QLineEdit* edit)
{
    std::string text = ToUtf8(edit->text());
    RemoveChar(text, ' ');
    for (char& c : text)
        c = c == ',' ? '.' : c;
    double v = 0.0;
    if (text.empty() || !ParseReal(text, v) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString Shown(double v) { return FromUtf8(Format("%g", v)); }

QTableWidget* MakeTable(QWidget* parent, const char* name)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    return table;
}

void Fill(QTableWidget* table, const QStringList& headers, const std::vector<QStringList>& rows)
{
    table->clear();
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[static_cast<std::size_t>(r)][c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

Outcome WritePng(const std::string& path, const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return Outcome::Failure("cannot encode the picture [" + path + "]");
    return WriteFileAtomically(path, png.constData(), static_cast<std::size_t>(png.size()));
}

std::string StationText(const WindSettings& w)
{
    return Format("anemometer %g m, %g s mean, ", w.heightM, w.averagingS) + ExposureName(w.exposure) +
           (w.airMinusWaterC ? Format(", air - water %g C", *w.airMinusWaterC) : std::string(", stability unknown"));
}

}  // namespace

TWaveClimate::TWaveClimate(AppState& state, const QString& projectFile, QWidget* parent)
    : QDialog(parent), state_(state), projectFile_(projectFile)
{
    setObjectName(QStringLiteral("WaveClimate"));
    setWindowTitle(QStringLiteral("Wave climate"));
    setProperty(kHelpKeywordProperty, QStringLiteral("WaveClimate"));
    auto* layout = new QVBoxLayout(this);
    BuildFileBox(layout);
    BuildSettingsBox(layout);
    BuildRunRow(layout);
    BuildResultTabs(layout);
    BuildButtons(layout);
    resize(900, 760);
}

// The wind record: its file, format and unit, and what was read of it.
void TWaveClimate::BuildFileBox(QVBoxLayout* layout)
{
    auto* fileBox = new QGroupBox(QStringLiteral("Wind record"), this);
    auto* fileLayout = new QVBoxLayout(fileBox);
    auto* fileRow = new QHBoxLayout;
    FileEdit = new QLineEdit(fileBox);
    FileEdit->setObjectName(QStringLiteral("FileEdit"));
    FileBtn = new QPushButton(QStringLiteral("Choose..."), fileBox);
    FileBtn->setObjectName(QStringLiteral("FileBtn"));
    FormatCombo = new QComboBox(fileBox);
    FormatCombo->setObjectName(QStringLiteral("FormatCombo"));
    FormatCombo->addItems({QStringLiteral("format: automatic"), QStringLiteral("CSV"), QStringLiteral("ISD-lite")});
    UnitCombo = new QComboBox(fileBox);
    UnitCombo->setObjectName(QStringLiteral("UnitCombo"));
    for (SpeedUnit unit : kUnits)
        UnitCombo->addItem(FromUtf8(SpeedUnitName(unit)));
    UnitCombo->setToolTip(QStringLiteral("The unit of a speed column whose header names none"));
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(FileBtn);
    fileRow->addWidget(FormatCombo);
    fileRow->addWidget(UnitCombo);
    fileLayout->addLayout(fileRow);
    ReadLabel = new QLabel(QStringLiteral("No record read yet."), fileBox);
    ReadLabel->setObjectName(QStringLiteral("ReadLabel"));
    ReadLabel->setWordWrap(true);
    fileLayout->addWidget(ReadLabel);
    layout->addWidget(fileBox);

    connect(FileBtn, &QPushButton::clicked, this, [this] {
        const QString name =
            QFileDialog::getOpenFileName(this, QStringLiteral("Wind record"), QFileInfo(projectFile_).absolutePath(),
                                         QStringLiteral("Wind records (*.csv *.txt *);;All files (*)"));
        if (!name.isEmpty()) {
            FileEdit->setText(name);
            ReadFile();
        }
    });
    connect(FileEdit, &QLineEdit::editingFinished, this, [this] {
        if (!FileEdit->text().isEmpty())
            ReadFile();
    });
}

// The hindcast's settings, as the companion file holds them.
void TWaveClimate::BuildSettingsBox(QVBoxLayout* layout)
{
    const ClimateSettings& saved = state_.companion.climate;
    auto* settingsBox = new QGroupBox(QStringLiteral("Settings"), this);
    auto* form = new QHBoxLayout(settingsBox);
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    LawCombo = new QComboBox(settingsBox);
    LawCombo->setObjectName(QStringLiteral("LawCombo"));
    LawCombo->addItem(QStringLiteral("the project's method"));
    for (GrowthLaw law : AllGrowthLaws())
        LawCombo->addItem(FromUtf8(GrowthLawTitle(law)));
    if (saved.law) {
        for (std::size_t i = 0; i < AllGrowthLaws().size(); ++i)
            if (AllGrowthLaws()[i] == *saved.law)
                LawCombo->setCurrentIndex(static_cast<int>(i) + 1);
    }
    SectorsCombo = new QComboBox(settingsBox);
    SectorsCombo->setObjectName(QStringLiteral("SectorsCombo"));
    for (int n : kSectorChoices) {
        SectorsCombo->addItem(QString::number(n));
        if (n == saved.sectors)
            SectorsCombo->setCurrentIndex(SectorsCombo->count() - 1);
    }
    auto edit = [settingsBox](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, settingsBox);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    ThresholdEdit = edit("ThresholdEdit", saved.thresholdM ? Shown(*saved.thresholdM) : QString());
    ThresholdEdit->setPlaceholderText(QStringLiteral("about 3 peaks a year"));
    ShiftEdit = edit("ShiftEdit", Shown(saved.shiftDeg));
    CalmEdit = edit("CalmEdit", Shown(saved.calmMs));
    ClassEdit = edit("ClassEdit", Shown(saved.classWidthM));
    left->addRow(QStringLiteral("Growth law"), LawCombo);
    left->addRow(QStringLiteral("Direction sectors"), SectorsCombo);
    left->addRow(QStringLiteral("Storm-peak threshold (m)"), ThresholdEdit);
    right->addRow(QStringLiteral("Wind shift that restarts the sea (\u00B0)"), ShiftEdit);
    right->addRow(QStringLiteral("Calm below U10 (m/s)"), CalmEdit);
    right->addRow(QStringLiteral("Hs class width (m)"), ClassEdit);
    form->addLayout(left);
    form->addLayout(right);
    layout->addWidget(settingsBox);
}

void TWaveClimate::BuildRunRow(QVBoxLayout* layout)
{
    auto* runRow = new QHBoxLayout;
    RunBtn = new QPushButton(QStringLiteral("Compute"), this);
    RunBtn->setObjectName(QStringLiteral("RunBtn"));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 1000);
    ProgressBar->setValue(0);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setEnabled(false);
    runRow->addWidget(RunBtn);
    runRow->addWidget(ProgressBar, 1);
    runRow->addWidget(CancelBtn);
    layout->addLayout(runRow);

    connect(RunBtn, &QPushButton::clicked, this, &TWaveClimate::RunBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TWaveClimate::CancelBtnClick);
}

// Tables and pictures of the results, one tab each.
void TWaveClimate::BuildResultTabs(QVBoxLayout* layout)
{
    ResultTabs = new QTabWidget(this);
    ResultTabs->setObjectName(QStringLiteral("ResultTabs"));
    ReturnTable = MakeTable(ResultTabs, "ReturnTable");
    OccurrenceTable = MakeTable(ResultTabs, "OccurrenceTable");
    RoseView = new TOccurrenceRoseView(ResultTabs);
    RoseView->setObjectName(QStringLiteral("RoseView"));
    auto* chartPage = new QWidget(ResultTabs);
    auto* chartLayout = new QVBoxLayout(chartPage);
    SectorCombo = new QComboBox(chartPage);
    SectorCombo->setObjectName(QStringLiteral("SectorCombo"));
    ReturnChart = new TChartView(chartPage);
    ReturnChart->setObjectName(QStringLiteral("ReturnChart"));
    chartLayout->addWidget(SectorCombo);
    chartLayout->addWidget(ReturnChart, 1);
    MonthsTable = MakeTable(ResultTabs, "MonthsTable");
    ResultTabs->addTab(ReturnTable, QStringLiteral("Return values"));
    ResultTabs->addTab(RoseView, QStringLiteral("Occurrence rose"));
    ResultTabs->addTab(chartPage, QStringLiteral("Return periods"));
    ResultTabs->addTab(OccurrenceTable, QStringLiteral("Occurrence table"));
    ResultTabs->addTab(MonthsTable, QStringLiteral("Months and persistence"));
    layout->addWidget(ResultTabs, 1);

    connect(SectorCombo, &QComboBox::currentIndexChanged, this, &TWaveClimate::ShowSectorChart);
}

void TWaveClimate::BuildButtons(QVBoxLayout* layout)
{
    auto* buttons = new QHBoxLayout;
    ExportBtn = new QPushButton(QStringLiteral("Export..."), this);
    ExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    ReportBtn = new QPushButton(QStringLiteral("Report..."), this);
    ReportBtn->setObjectName(QStringLiteral("ReportBtn"));
    auto* helpBtn = new QPushButton(QStringLiteral("Help"), this);
    helpBtn->setObjectName(QStringLiteral("HelpBtn"));
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    ExportBtn->setEnabled(false);
    ReportBtn->setEnabled(false);
    buttons->addWidget(ExportBtn);
    buttons->addWidget(ReportBtn);
    buttons->addStretch(1);
    buttons->addWidget(helpBtn);
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);
    connect(helpBtn, &QPushButton::clicked, this, [] { ShowHelpTopic("WaveClimate"); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ExportBtn, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Export the wave climate to"),
                                                                 QFileInfo(projectFile_).absolutePath());
        if (!folder.isEmpty())
            ShowFailure(ExportTo(folder));
    });
    connect(ReportBtn, &QPushButton::clicked, this, [this] {
        const QFileInfo project(projectFile_);
        QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Wave climate report"),
                                                    project.absolutePath() + "/" + project.completeBaseName() +
                                                        QStringLiteral("-climate.pdf"),
                                                    QStringLiteral("PDF (*.pdf);;RTF (*.rtf)"));
        if (name.isEmpty())
            return;
        if (ShowFailure(ReportTo(name))) {
            const QByteArray noOpen = qgetenv(kNoOpenAfterExportVariable);
            if (noOpen.isEmpty() || noOpen == "0")
                QDesktopServices::openUrl(QUrl::fromLocalFile(name));
        }
    });
}

TWaveClimate::~TWaveClimate()
{
    // The base class hides the children after this window's members are
    // gone; the file field must not read a record then (its focus-out ends
    // the editing).
    FileEdit->blockSignals(true);
}

void TWaveClimate::done(int result)
{
    if (running_) {
        cancel_.store(true);  // the run ends at its next step; the window closes after it
        return;
    }
    state_.companion.climate = Settings();
    QDialog::done(result);
}

ClimateSettings TWaveClimate::Settings() const
{
    ClimateSettings s;
    const int law = LawCombo->currentIndex();
    if (law > 0)
        s.law = AllGrowthLaws()[static_cast<std::size_t>(law - 1)];
    s.sectors = kSectorChoices[std::clamp(SectorsCombo->currentIndex(), 0, 3)];
    if (const std::optional<double> t = Typed(ThresholdEdit); t && *t > 0.0)
        s.thresholdM = t;
    if (const std::optional<double> v = Typed(ShiftEdit); v && *v > 0.0 && *v <= 180.0)
        s.shiftDeg = *v;
    if (const std::optional<double> v = Typed(CalmEdit); v && *v >= 0.0)
        s.calmMs = *v;
    if (const std::optional<double> v = Typed(ClassEdit); v && *v >= 0.01)
        s.classWidthM = *v;
    return s;
}

double TWaveClimate::ConvergenceDeg() const
{
    // True bearings where the project knows its coordinate system.
    const BearingReference bearings = GisCommands::Bearings(state_.project, state_.companion);
    return bearings.trueNorth ? bearings.convergenceDeg : 0.0;
}

bool TWaveClimate::ReadFile()
{
    WindReadOptions options;
    options.convergenceDeg = ConvergenceDeg();
    options.format = FormatCombo->currentIndex() == 1   ? WindFileFormat::Csv
                     : FormatCombo->currentIndex() == 2 ? WindFileFormat::IsdLite
                                                        : WindFileFormat::Auto;
    options.unit = kUnits[std::clamp(UnitCombo->currentIndex(), 0, 4)];
    recordKey_ = FileEdit->text() + "|" + QString::number(FormatCombo->currentIndex()) + "|" +
                 QString::number(UnitCombo->currentIndex());
    record_ = ReadWindRecord(ToUtf8(FileEdit->text()), options);
    if (!record_->ok) {
        ReadLabel->setText(FromUtf8(record_->message));
        return false;
    }
    std::string text = Format("%zu rows kept (%s), ", record_->rows.size(), WindFileFormatName(record_->format)) +
                       TimestampText(record_->rows.front().timeS) + " to " + TimestampText(record_->rows.back().timeS) +
                       ".";
    const std::string skipped = record_->SkippedText();
    text += skipped.empty() ? std::string(" No row skipped.") : " " + skipped + ".";
    for (const std::string& note : record_->notes)
        text += " " + note + ".";
    ReadLabel->setText(FromUtf8(text));
    return true;
}

void TWaveClimate::RunBtnClick()
{
    if (running_)
        return;
    const QString key = FileEdit->text() + "|" + QString::number(FormatCombo->currentIndex()) + "|" +
                        QString::number(UnitCombo->currentIndex());
    if ((!record_ || key != recordKey_) && !ReadFile())
        return;
    if (!record_ || !record_->ok)
        return;
    running_ = true;
    cancel_.store(false);
    RunBtn->setEnabled(false);
    CancelBtn->setEnabled(true);
    ProgressBar->setValue(0);

    std::atomic<int> permille {0};
    const Progress progress = [this, &permille](double done) {
        permille.store(static_cast<int>(done * 1000.0));
        return !cancel_.load();
    };
    const ProjectRecord rec = state_.project;
    const WindSettings station = state_.companion.wind;
    const double convergenceDeg = ConvergenceDeg();
    const ClimateSettings settings = Settings();
    auto result = std::make_unique<ClimateResult>();
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { *result = RunClimate(rec, station, settings, record_->rows, convergenceDeg, 1, progress); }));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    tick.setInterval(50);
    connect(&tick, &QTimer::timeout, this, [&] { ProgressBar->setValue(permille.load()); });
    worker->start();
    tick.start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
    tick.stop();
    running_ = false;
    RunBtn->setEnabled(true);
    CancelBtn->setEnabled(false);
    if (result->cancelled || cancel_.load()) {
        ProgressBar->setValue(0);
        ReadLabel->setText(ReadLabel->text() + QStringLiteral(" The computation was cancelled."));
        return;
    }
    ProgressBar->setValue(1000);
    result_ = std::move(result);
    ShowResults();
}

void TWaveClimate::CancelBtnClick() { cancel_.store(true); }

void TWaveClimate::ShowResults()
{
    const ClimateResult& r = *result_;
    ExportBtn->setEnabled(true);
    ReportBtn->setEnabled(true);

    QStringList headers = {QStringLiteral("Sector"), QStringLiteral("Peaks"), QStringLiteral("Threshold (m)"),
                           QStringLiteral("Fit")};
    for (double years : kReturnYears)
        headers << FromUtf8(Format("%g y: Hs (90 %%), Tp", years));
    std::vector<QStringList> rows;
    for (const SectorExtremes& e : r.extremes) {
        QStringList row = {FromUtf8(e.name), QString::number(e.peaks.size()), FromUtf8(Format("%.2f", e.thresholdM))};
        if (e.design.empty()) {
            row << (e.warnings.empty() ? QString() : FromUtf8(e.warnings.front()));
        } else {
            const GodaFit& best = e.goda[e.bestGoda];
            row << FromUtf8(best.distribution == Distribution::FisherTippett1 ? std::string("FT-I")
                                                                              : Format("Weibull k=%g", best.k));
            for (const ReturnValue& v : e.design)
                row << (v.hsM ? FromUtf8(Format("%.2f (%.2f-%.2f), %.1f s%s", *v.hsM, v.lowM.value_or(0.0),
                                                v.highM.value_or(0.0), e.periodOfHeight(*v.hsM),
                                                v.extrapolated ? " *" : ""))
                              : QStringLiteral("-"));
        }
        rows.push_back(row);
    }
    Fill(ReturnTable, headers, rows);

    const orvane::OccurrenceTable& t = r.occurrence;
    QStringList occHeaders = {QStringLiteral("Hs (m)")};
    for (int s = 0; s < t.sectors; ++s)
        occHeaders << FromUtf8(SectorName(s, t.sectors));
    occHeaders << QStringLiteral("all");
    rows.clear();
    for (int c = 0; c < t.Classes(); ++c) {
        QStringList row = {FromUtf8(Format("%.2f-%.2f", c * t.classWidthM, (c + 1) * t.classWidthM))};
        double all = 0.0;
        for (int s = 0; s < t.sectors; ++s) {
            all += t.PerMille(c, s);
            row << FromUtf8(Format("%.1f", t.PerMille(c, s)));
        }
        row << FromUtf8(Format("%.1f", all));
        rows.push_back(row);
    }
    rows.push_back({FromUtf8(Format("no waves: %.1f per mille", t.CalmPerMille()))});
    Fill(OccurrenceTable, occHeaders, rows);

    rows.clear();
    static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (const PeriodStat& m : r.monthly)
        rows.push_back({QString::fromLatin1(kMonths[std::clamp(m.key, 1, 12) - 1]), FromUtf8(Format("%.2f", m.meanM)),
                        FromUtf8(Format("%.2f", m.maxM)), QString()});
    for (const Persistence& p : r.persistence)
        rows.push_back({FromUtf8(Format("above %.1f m", p.levelM)), QString::number(p.spells),
                        FromUtf8(Format("%.1f", p.meanHours)), FromUtf8(Format("%.1f", p.longestHours))});
    Fill(MonthsTable,
         {QStringLiteral("Month / level"), QStringLiteral("Mean Hs (m) / spells"),
          QStringLiteral("Max Hs (m) / mean hours"), QStringLiteral("longest hours")},
         rows);

    RoseView->SetResult(&r);
    const QSignalBlocker block(SectorCombo);
    SectorCombo->clear();
    for (const SectorExtremes& e : r.extremes)
        SectorCombo->addItem(e.sector < 0 ? QStringLiteral("every direction") : FromUtf8(e.name));
    SectorCombo->setCurrentIndex(0);
    ShowSectorChart(0);
}

void TWaveClimate::ShowSectorChart(int index)
{
    if (!result_ || index < 0 || index >= static_cast<int>(result_->extremes.size()))
        return;
    ReturnChart->SetChart(ReturnPeriodChart(result_->extremes[static_cast<std::size_t>(index)]));
}

Outcome TWaveClimate::ExportTo(const QString& folder) const
{
    if (!result_)
        return Outcome::Failure("nothing computed yet");
    const std::string dir = ToUtf8(folder) + "/";
    for (const auto& [name, text] : {std::pair<std::string, std::string> {"series.csv", SeriesCsv(*result_)},
                                     {"occurrence.csv", OccurrenceCsv(*result_)},
                                     {"extremes.json", ExtremesJson(*result_)}}) {
        if (Outcome written = WriteFileAtomically(dir + name, text.data(), text.size()); !written)
            return written;
    }
    if (Outcome written = WritePng(dir + "rose-occurrence.png", DrawOccurrenceRose(*result_)); !written)
        return written;
    return WritePng(dir + "return-periods.png", DrawReturnPeriodChart(result_->extremes.front()));
}

Outcome TWaveClimate::ReportTo(const QString& path) const
{
    if (!result_ || !record_)
        return Outcome::Failure("nothing computed yet");
    const std::optional<ExportKind> kind = ExportKindOfFileName(ToUtf8(path));
    if (!kind)
        return Outcome::Failure("a report is written as .pdf or .rtf, not [" + ToUtf8(QFileInfo(path).fileName()) +
                                "]");
    ClimateReportInputs inputs;
    inputs.windFile = ToUtf8(FileEdit->text());
    inputs.readSummary = Format("%zu rows kept, ", record_->rows.size()) + TimestampText(record_->rows.front().timeS) +
                         " to " + TimestampText(record_->rows.back().timeS);
    inputs.skipped = record_->SkippedText();
    inputs.station = StationText(state_.companion.wind);
    const TOrvaneRepClimate report(state_.project, *result_, inputs);
    return WriteReportDocument(report.Prepare(), *kind, ToUtf8(path), Cp1252ToUtf8(TitleBytes(state_.project)));
}

// TOrvaneMain's "Wave climate..." command: with a project open, the
// controls committed first, so the climate uses the region as shown.
void TOrvaneMain::WaveClimate1Click()
{
    if (!FileOpen) {
        ShowMessage(MessageKind::Information, "A file must be opened first");
        return;
    }
    ComputeBtnClick();
    TWaveClimate dialog(state_, CurrentFile, this);
    dialog.exec();
}

}  // namespace orvane
