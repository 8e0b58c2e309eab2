#pragma once
// TGenUniConvesion: the unit conversion window. Seven tabs (Length, Area,
// Volume, Force, Stress, Mass, Specific weight), each converting the value typed
// into its input field from one unit to another and showing the table of
// all conversion factors between its five units.
//
// The program creates it once, right after the main window, and keeps it
// hidden; the main window's "Unit Conversion" command shows it
// (ShowUnitConversion). It is not modal and stays above other windows;
// "Close" hides it and the typed values, units and results stay. Its
// destruction at program exit writes the seven input texts and fourteen unit
// choices to section "Units00" of the program settings file, where its
// creation read them back.
//
// Controls of tab t = 1..7 (objectName, member index t - 1): TabSheet<t>
// holding HeadingLabel<t>, InputEdit<t>, FromCombo<t>, EqualLabel<t>,
// ResultEdit<t> (hidden under its ScientificDisplay), ToCombo<t> and the
// factor grid MGStringGrid<t>; the tabs are in PageControl1.

#include <QPointer>
#include <array>
#include <string>

#include "tools/FormCloseHelpF.h"
#include "tools/units/UnitConversion.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace orvane {

class ScientificDisplay;
class TMGStringGrid;

class TGenUniConvesion final : public TFormCloseHelp {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 473;  // px, button bar included
    static constexpr int kClientHeight = 308;
    static constexpr int kGridHeight = 157;  // px, the factor grid of each tab
    static constexpr int kGridCells = 7;     // columns and rows; the last of each has size 0
    static constexpr const char* kSection = "Units00";

    // mainWindow: the window this one is centred on when shown (may be null).
    // settingsFile: where the state is read at creation and written at
    // destruction; "" means the program settings file (IniPath). Runs the
    // whole creation sequence (FormCreate).
    explicit TGenUniConvesion(QWidget* mainWindow = nullptr, const std::string& settingsFile = {});
    ~TGenUniConvesion() override;

    // Key numbers of the "from" and "to" selector of each tab in section
    // "Units00": "Index11" and "Index13" hold the Length units. Part of the
    // settings file's format, so they never change with the layout.
    static constexpr std::array<std::array<int, 2>, kUnitTabCount> kIndexKeys = {
        {{11, 13}, {20, 22}, {27, 29}, {35, 37}, {43, 45}, {51, 53}, {59, 61}}};

    // Reads tab's input and selectors and shows the converted value. Does
    // nothing while RecalcEnabled is clear.
    void Recalculate(int tab);
    void RecalculateAll();

    // Column widths, row heights, colours and current cell of every factor
    // grid, from each grid's present client size.
    void SizeGrids();
    void SizeGrid(TMGStringGrid* grid);

    // Section "Units00": selectors first (0 when missing or not a unit), then
    // input texts ("" when missing), each text recalculating its tab.
    void ReadState();
    void WriteState() const;

    QPointer<QWidget> MainWindow;
    std::string IniFile;
    bool RecalcEnabled = false;

    QTabWidget* PageControl1;
    std::array<QWidget*, kUnitTabCount> TabSheet {};
    std::array<QLabel*, kUnitTabCount> HeadingLabel {};
    std::array<QLineEdit*, kUnitTabCount> InputEdit {};
    std::array<QComboBox*, kUnitTabCount> FromCombo {};
    std::array<QLabel*, kUnitTabCount> EqualLabel {};
    std::array<QLineEdit*, kUnitTabCount> ResultEdit {};
    std::array<QComboBox*, kUnitTabCount> ToCombo {};
    std::array<TMGStringGrid*, kUnitTabCount> MGStringGrid {};
    std::array<ScientificDisplay*, kUnitTabCount> Result {};

    void setVisible(bool visible) override;

protected:
    void FormSetUp() override;
    void FormLayout() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTab(int tab);
    void FillGrids();
    void CentreOnMainWindow();
};

// Shows the program's unit conversion window over mainWindow, not modally.
// The window created at start-up is used; when there is none, one is made
// as mainWindow's child.
void ShowUnitConversion(QWidget* mainWindow);

}  // namespace orvane
