#pragma once
// The "Fetch and wave rose" window: the current project computed for every
// wind direction of the circle, as the rose picture (RosePlot: compass
// bearings, north up, clockwise) and a table, at a chosen step; a click on
// the rose selects the direction's row. "Use this direction" hands the
// selected direction to the main window, which sets it and commits.
//
// Modeless. The record has no change notification, so while the window is
// shown it compares the record with the one its rose was computed from
// (cheap: one copy and compare) and recomputes when the inputs differ;
// ProjectChanged() does the same at once for callers that know of a commit.

#include <QWidget>

#include "core/ProjectRecord.h"
#include "core/WaveRose.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTableWidget;
class QTimer;

namespace orvane {

struct AppState;
class TRoseView;

class TWaveRose : public QWidget {
    Q_OBJECT
public:
    // Steps offered, degrees; the first shown is kDefaultStep.
    static constexpr int kSteps[] = {2, 5, 10, 15, 30};
    static constexpr int kDefaultStep = 10;

    explicit TWaveRose(AppState& state, QWidget* parent = nullptr);

    // Recomputes when the project's inputs differ from those of the rose
    // shown; nothing while the window is hidden (showing it checks again).
    void ProjectChanged();
    // Computes the rose of the project at the step chosen and shows it.
    void ComputeRose();
    // Writes the rose shown as CSV (the command line's columns); false, after
    // a message, when the file cannot be written.
    bool ExportCsv(const QString& fileName);

    const WaveRoseResult& Rose() const { return rose_; }
    int Step() const;

    // Handlers.
    void StepComboChange();
    void ExportBtnClick();
    void UseDirectionBtnClick();

    QLabel* InfoLabel;             // sector, methods, units; a warning when the point is not in the water
    QComboBox* StepCombo;          // "2" .. "30" degrees
    TRoseView* RoseChart;          // the rose picture: fetch (coordinate units) inside, Hs bars around it
    QTableWidget* RoseTable;       // one row per wind direction
    QPushButton* ExportBtn;        // "Export CSV..."
    QPushButton* UseDirectionBtn;  // "Use this direction"
    QPushButton* CloseBtn;

signals:
    // "Use this direction": the selected wind direction, degrees counter-clockwise from +x.
    void DirectionChosen(float windDirectionDeg);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowChart();
    void ShowTable();
    void ShowInfo();
    void SelectionChanged();

    AppState& state_;
    WaveRoseResult rose_;
    ProjectRecord computedFrom_ {};  // the record rose_ belongs to
    bool computed_ = false;
    bool tableFitted_ = false;
    QTimer* watch_;
    QSplitter* splitter_;
};

}  // namespace orvane
