#pragma once
// "Wind and growth...": an observed wind turned step by step into the 10 m
// over-water wind of the storm's duration (core/WindAdjust.h), the growth
// law and storm duration of the project's runs, and the waves they give at
// the project's central and effective fetch with what limits them.
//
// Modal. The values shown are recomputed at every change. OK keeps the
// observation, the law and the duration in the project's companion settings
// (saved with the project); "Use this wind" also hands the adjusted U10 to
// the main window (WindChosen), which writes it into its velocity field in
// the project's unit and commits.

#include <QDialog>

#include "core/ProjectCompanion.h"
#include "core/WindAdjust.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvane {

struct AppState;

class TWindGrowth : public QDialog {
    Q_OBJECT
public:
    explicit TWindGrowth(AppState& state, QWidget* parent = nullptr);

    // The observation and growth settings as the controls hold them now.
    WindSettings Wind() const;
    GrowthOptions Growth() const;
    WindObservation Observation() const;
    // The chain and the waves of the controls' values, into the tables.
    void Recompute();
    // Writes the controls' settings into the project's companion settings.
    void StoreSettings();

    // Handlers.
    void UseWindBtnClick();
    void OkBtnClick();

    // Observation.
    QLineEdit* SpeedEdit;
    QComboBox* SpeedUnitCombo;  // m/s, km/h, mph, knots, ft/s
    QLineEdit* HeightEdit;      // m
    QLineEdit* AveragingEdit;   // s
    QComboBox* ExposureCombo;   // over water, at the shore, over land
    QCheckBox* DeltaTCheck;     // the temperature difference is known
    QLineEdit* DeltaTEdit;      // air minus water, degrees C
    // Growth.
    QComboBox* LawCombo;      // the project's method, then every law
    QLineEdit* DurationEdit;  // storm duration, h; empty: unlimited
    // Results.
    QTableWidget* ChainTable;  // one row per step of the chain
    QLabel* NotesLabel;        // values outside a curve's range
    QTableWidget* WavesTable;  // central and effective fetch: Hm0, Tp, limit
    QPushButton* UseWindBtn;   // "Use this wind"
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

signals:
    // The adjusted U10, m/s, that "Use this wind" hands on.
    void WindChosen(double u10Ms);

private:
    void ShowSettings();
    AppState& state_;
    WindChain chain_;
};

}  // namespace orvane
