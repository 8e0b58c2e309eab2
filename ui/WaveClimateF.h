#pragma once
// "Wave climate...": a wind record hindcast at the project's point. Choose
// the file (CSV or ISD-lite, the speed unit of a column without one), see
// what was read (rows kept, skipped by reason), set the growth law, the
// sectors, the storm-peak threshold, the shift angle, the calm threshold
// and the class width, and compute: the hindcast and its statistics run on
// a worker thread while a progress bar and Cancel keep the window alive.
// Results: the return values per sector, the occurrence table, the
// occurrence rose and the return-period chart of a chosen sector (the one
// chart painter), the months. "Export..." writes the command line's files
// into a folder; "Report..." writes the "Wave climate" report as PDF or RTF.
//
// Modal. The settings go into the project's companion settings ("climate")
// when the window closes, and are saved with the project.

#include <QDialog>
#include <memory>
#include <optional>

#include "core/ClimateAnalysis.h"
#include "core/WindRecord.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

class QVBoxLayout;

namespace orvane {

struct AppState;
class TChartView;
class TOccurrenceRoseView;

class TWaveClimate : public QDialog {
    Q_OBJECT
public:
    TWaveClimate(AppState& state, const QString& projectFile, QWidget* parent = nullptr);
    ~TWaveClimate() override;

    // Reads the file FileEdit names with the chosen format and unit; shows
    // what was read. false (and the reason in ReadLabel) when nothing can be used.
    bool ReadFile();
    // The grid convergence at the point: 0 (grid bearings) without a coordinate system.
    double ConvergenceDeg() const;
    // The settings as the controls hold them.
    ClimateSettings Settings() const;
    // Reads the file when needed, then runs the climate on a worker thread
    // until it is done or cancelled, and shows the results.
    void RunBtnClick();
    void CancelBtnClick();
    // Writes series.csv, occurrence.csv, extremes.json and the two pictures
    // into folder; a failure says why.
    Outcome ExportTo(const QString& folder) const;
    // The report to path (.pdf or .rtf).
    Outcome ReportTo(const QString& path) const;

    const ClimateResult* Result() const { return result_.get(); }

    QLineEdit* FileEdit;
    QPushButton* FileBtn;      // "Choose..."
    QComboBox* FormatCombo;    // automatic, CSV, ISD-lite
    QComboBox* UnitCombo;      // m/s, km/h, mph, knots, ft/s
    QLabel* ReadLabel;         // what was read
    QComboBox* LawCombo;       // the project's method, then every law
    QComboBox* SectorsCombo;   // 8, 12, 16, 36
    QLineEdit* ThresholdEdit;  // m; empty: about 3 peaks a year
    QLineEdit* ShiftEdit;      // degrees
    QLineEdit* CalmEdit;       // m/s
    QLineEdit* ClassEdit;      // m
    QPushButton* RunBtn;       // "Compute"
    QProgressBar* ProgressBar;
    QPushButton* CancelBtn;  // "Cancel"
    QTabWidget* ResultTabs;
    QTableWidget* ReturnTable;  // one row per sector
    QTableWidget* OccurrenceTable;
    TOccurrenceRoseView* RoseView;
    QComboBox* SectorCombo;  // the sector of the chart
    TChartView* ReturnChart;
    QTableWidget* MonthsTable;
    QPushButton* ExportBtn;  // "Export..."
    QPushButton* ReportBtn;  // "Report..."
    QPushButton* CloseBtn;

protected:
    void done(int result) override;

private:
    // The parts of the window, top to bottom, each with its commands.
    void BuildFileBox(QVBoxLayout* layout);
    void BuildSettingsBox(QVBoxLayout* layout);
    void BuildRunRow(QVBoxLayout* layout);
    void BuildResultTabs(QVBoxLayout* layout);
    void BuildButtons(QVBoxLayout* layout);
    void ShowResults();
    void ShowSectorChart(int index);

    AppState& state_;
    QString projectFile_;
    std::optional<WindRecord> record_;
    QString recordKey_;  // file, format and unit the record was read with
    std::unique_ptr<ClimateResult> result_;
    std::atomic<bool> cancel_ {false};
    bool running_ = false;
};

}  // namespace orvane
