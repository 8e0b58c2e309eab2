#pragma once
// TOrvaneMain: the main window. It shows one project at a time: the region
// boundaries in five grids, the computation point, the wind, the depth and
// the three method choices, the region picture, and the computed waves.
//
// The controls are the working copy and the project record the committed
// copy: nothing reaches the record while the user types. A commit (Enter in a
// field, a spin button, a list or method choice, a command) reads the
// controls into the record, shows the record back in canonical form, redraws
// the region and, with a project file open, recomputes, so the window always
// shows results that match its inputs.
//
// Lifecycle: the window comes up with the defaults and no file open; New,
// Open, Last file or Save As open one. Closing the window by any means writes
// the settings and saves the project (to Temp.WDT in the projects folder
// when no file was opened: the program folder's Projects/, or the user's
// "Orvane Projects" when the program is installed; tools/ProgramFile.h).
// A save never silently overwrites what another program (orvane-cli) wrote
// into the project file since the window loaded it: it asks first.
//
// The class is one window; its code is split by job:
//   OrvaneMainF.cpp         construction, FormCreate, closing, event routing
//   OrvaneMainLayout.cpp    the controls and their arrangement
//   OrvaneMainTransfer.cpp  controls <-> record, the commits, the control events
//   OrvaneMainFiles.cpp     the project lifecycle and the file commands
//   OrvaneMainCommands.cpp  the menus and the other commands
// A new menu command is a QAction member and a handler below, one AddCommand
// line in BuildMenus (OrvaneMainCommands.cpp) and the handler's body, in
// OrvaneMainCommands.cpp or in a file of its own for a larger feature
// (OrvaneMainReports.cpp, say; every .cpp of ui/ is built).

#include <QMainWindow>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>
#include <string>

#include "core/FileFingerprint.h"

class QAction;
class QBoxLayout;
class QVBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpacerItem;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace orvane {

struct AppState;
struct ProjectRecord;
enum class ValueField;
class ReportCommands;
class TColumnSplitter;
class TComputationPascal;
class TDirectionalWtype;
class TFetchLabel;
class TGFrame;
class TMethodFrame;
class GisCommands;
class THelpCommands;
class TRegionPicture;
class TSpecificWtype;
class TSpectrumType;
class TSpinButton;
class TWaveRose;
class TWaveMap;

class TOrvaneMain : public QMainWindow {
    Q_OBJECT

public:
    // Runs FormCreate: the window shows the defaults with no file open.
    explicit TOrvaneMain(AppState& state, QWidget* parent = nullptr);
    // Runs FormDestroy unless closing the window already did.
    ~TOrvaneMain() override;

    // The screen the next windows are laid out for: its width chooses the
    // wide (900 pixels and more) or narrow variant, and it serves as the work
    // area. An empty size returns to the real screen. For tests and pictures.
    static void SetScreenSizeForTesting(const QSize& size);

    // Physical aspect of one pixel, (width mm / width px) / (height mm /
    // height px); 1 (square pixels) when the display reports no usable size.
    static float PixelAspectOf(const QSizeF& physicalMm, const QSize& pixels);

    // The file-dialog filters: project files match .WDT and .wdt names.
    static QString ProjectFileFilter();
    static QString CoordinatesFileFilter();

    // The warning shown when the printer set-up dialog cannot be shown.
    static QString PrinterSetupWarning();
    // The questions asked before the maker's page and the program update.
    static QString KavroQuestion();
    static QString UpdateQuestion();

    // --- window state ---
    QString ProjectsDir;         // folder the project dialogs start in; ends with "/"
    QString CurrentFile;         // the project file; also the one written at shutdown
    QString IniFileName;         // settings folder + "Orvane.INI"
    QString WinHelpFile;         // program file with the extension ".HLP"
    QString HtmlHelpFile;        // program file with the extension ".CHM"
    QString FaqFile;             // program folder + "OrvaneFAQ.chm"
    QString TitleText;           // the project title as the user typed it
    QString LastFileName;        // the project "Last file" opens (its caption shows it)
    bool FileOpen = false;       // a project file is open (never left during the run)
    bool ControlsReady = false;  // the controls hold the record, so change events may act
    float PixelAspect = 1.0f;    // see PixelAspectOf
    int HelpMode = 0;            // 0 Windows Help, 1 HTML Help; kept in the settings

    // --- transfer between controls and record ---
    void ShowValues();   // record -> value controls; redraws when a file is open
    void ShowProject();  // record -> all controls
    void ReadValues();   // value controls -> record, with the clamps
    void ReadProject();  // all controls -> record
    void ApplyCoordUnits();
    void ShowBoundaryTabs();
    void SetupGridFrames();
    void EditsChange();   // full commit, only with ControlsReady and a file open
    void ValuesChange();  // value commit, same condition
    void DrawRegionPlot();
    void MeasurePixelAspect();
    void GraphPanelResize();
    void UpdateCaption();

    // --- project lifecycle ---
    void OpenCurrentFile();
    // ReadProject, then the project to CurrentFile (SaveGuarded); a failure
    // shows why. With no file open the scratch file is written if it can be,
    // silently. false when the user chose not to save over a file another
    // program changed (Cancel); the caller then leaves things as they are.
    bool SaveCurrentFile();
    // The settings, then SaveCurrentFile: the shutdown when the window is
    // destroyed without being closed.
    void FormDestroy();
    void WriteSettings();  // help mode; projects folder and last file when a file is open
    // The save when the window closes: on failure one message says why and
    // offers "Save As...", "Quit without saving" or staying (false).
    bool SaveBeforeClosing();
    // The parts of the file commands after their dialogs.
    void OpenProjectFile(const QString& fileName);  // New, Open
    // The project named on the command line, opened as "Last file" opens
    // one. A file that is missing or cannot be read is never created: a
    // message says why and the window stays without a project. true when
    // the project was opened.
    bool OpenStartupFile(const QString& fileName);
    void SaveProjectAs(const QString& fileName);  // Save As
    // A file without a node changes nothing and says "no coordinates found
    // in [file]"; an import recomputes when a file is open.
    void ImportCoordinatesFrom(const QString& fileName);
    void ExportCoordinatesTo(const QString& fileName);
    // After an import: when the point lies outside the new region's water,
    // says so and offers to move it to the water farthest from every shore
    // (WaterInteriorPoint). true when the point was moved.
    bool OfferPointInWater();
    // The question OfferPointInWater asks, coordinates in the project's unit.
    static QString PointOutsideQuestion(const ProjectRecord& rec, double x, double y);

    // --- commands and events ---
    void ComputeBtnClick();
    void PlotBtnClick();
    // The draw-region command ("Draw region", BitBtn1, a double click on the
    // plot): the region input window on the committed project, then the
    // drawn boundaries shown, redrawn and computed.
    void PlotDblClick();
    void Drawregion1Click();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void Exit1Click();
    void LastFileClick();
    void InputCoord01Click();
    void OutputCoordinatesClick();
    void Printer1Click();
    void About1Click();
    void inPDFformatACROBAT1Click();
    void inDOCformatWORD1Click();
    void FAQMenuClick();
    void Kavro1Click();
    void UptadeProgramMenuClick();
    void UnitConversionClick();
    void ImportShoreline1Click();
    void ExportGis1Click();
    // The "Help mode" items: ask, and on Yes close the window (the new mode
    // takes effect at the next start).
    void setWinHelpMenuClick();
    void setHTMLHelpmenuClick();
    // "Fetch and wave rose": commits the controls and shows the rose window
    // (created once, modeless); needs an open project file.
    void Fetchandwaverose1Click();
    // The rose window's "Use this direction": the direction into Edit3, then
    // a full commit, as Enter in the field would.
    void WaveRoseDirectionChosen(float windDirectionDeg);
    void WaveMap1Click();          // Actions, "Wave map"
    void PointFromLonLat1Click();  // File, "Point from lon/lat..."
    // "Wind and growth..." (OrvaneMainGrowth.cpp): commits the controls and
    // shows the dialog; OK recomputes with the law and duration it keeps.
    void WindGrowth1Click();
    // Its "Use this wind": the U10 (m/s) into Edit5 in the project's
    // velocity unit, then a full commit.
    void WindGrowthChosen(double u10Ms);
    // "Wave climate..." (WaveClimateF.cpp): commits the controls and shows
    // the wave climate window for the project; needs an open project file.
    void WaveClimate1Click();
    // The significant-method group's caption names the growth law and
    // duration of the last run when they are not the method's own.
    void ShowGrowthLaw();
    // Project title and the Report menu (OrvaneMainReports.cpp).
    void Projecttitle1Click();
    void Previewreport1Click();  // also ReportBtn
    void Printreport1Click();
    void ExportreporttoPDF1Click();
    void ExportreporttoWORD1Click();
    void heoreticalsummarypreview1Click();
    void objectheoreticalsummarypreview1TMenuItem1Click();

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void SpinButton2UpClick();
    void SpinButton2DownClick();
    void SpinButton3UpClick();
    void SpinButton3DownClick();
    void SpinButton4UpClick();
    void SpinButton4DownClick();
    void SpinButton5UpClick();
    void SpinButton5DownClick();
    void SpinButton6UpClick();
    void SpinButton6DownClick();

    void SpinEdit1Change();
    void UnitsComboChange();
    void VunitsComboChange();
    void ComboYesNoChange();
    void NodeNumbersCheckBoxClick();
    void MethodClick();  // any of the three method groups
    // Enter in a field (Edit1..Edit6, VunitsCombo): EditsChange. true when handled.
    bool Edit1KeyDown(QKeyEvent* event);
    // Enter in a grid: EditsChange when "Graph as you enter x,y" is "Yes";
    // either way the grid moves on to the next cell.
    void GFrame1StringGridKeyDown();

    // --- controls (objectName = member name) ---
    TColumnSplitter* Splitter1;  // the three columns
    QFrame* Panel5;              // left column
    QFrame* Panel2;              // middle column
    QFrame* Panel4;              // right column

    QToolButton* SpeedButton2;  // "?" of "Regional coordinates"
    QSpinBox* SpinEdit1;
    QComboBox* UnitsCombo;
    QComboBox* ComboYesNo;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QWidget* TabSheet5;
    TGFrame* GFrame1;
    TGFrame* GFrame2;
    TGFrame* GFrame3;
    TGFrame* GFrame4;
    TGFrame* GFrame5;

    QGroupBox* PointPanel;
    QLabel* Label5;  // "x [unit]="
    QLabel* Label6;  // "y [unit]="
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    TSpinButton* SpinButton1;
    TSpinButton* SpinButton2;
    QLabel* ImageAngle;
    QLabel* Label3;         // "Wind direction [°]"
    QLabel* WindFromLabel;  // the wind direction as a compass "from" bearing
    QLabel* Label4;         // "Wind sector [°]"
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    TSpinButton* SpinButton3;
    TSpinButton* SpinButton4;
    QComboBox* VunitsCombo;
    QToolButton* SpeedButton1;  // "?" of the wind data
    QLineEdit* Edit5;
    TSpinButton* SpinButton5;
    QLabel* LabelftORm;  // "[m]" or "[ft]"
    QLineEdit* Edit6;
    TSpinButton* SpinButton6;
    QPushButton* ComputeBtn;
    QPushButton* ReportBtn;  // enabled with a file open; previews the results report
    QPushButton* PlotBtn;

    QWidget* GraphPanel;
    QFrame* PlotPanel;
    TRegionPicture* Plot;  // the region picture
    // Fetch along the wind direction, then in red "point is not in the water
    // region" when the point lies on an island, on a shore or outside.
    TFetchLabel* Label10;
    QCheckBox* NodeNumbersCheckBox;
    QToolButton* BitBtn1;  // the draw-region command

    TDirectionalWtype* DirectionalWtype1;
    TSpectrumType* SpectrumType1;
    TSpecificWtype* SpecificWtype1;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    TComputationPascal* Computation;
    TWaveRose* WaveRose1 = nullptr;     // the rose window, from its first use on
    TWaveMap* WaveMapWindow = nullptr;  // the wave map window, from its first use on

    QStatusBar* StatusBar;
    QLabel* StatusPanel0;  // product text and short version

    QMenu* File1;
    QMenu* Tools1;
    QMenu* Actions1;
    QMenu* Report1;
    QMenu* Help1;
    QMenu* ProgramUsersManual1;
    QMenu* Update1;
    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* Projecttitle1;
    QAction* InputCoord01;
    QAction* OutputCoordinates;
    QAction* Printer1;
    QAction* Exit1;
    QAction* LastFile;
    QAction* ComputeWaves1;
    QAction* Drawregion1;
    QAction* Refreshgraph1;
    QAction* Fetchandwaverose1;
    QAction* WindGrowth1;   // "Wind and growth..."
    QAction* WaveClimate1;  // "Wave climate..."
    QAction* Previewreport1;
    QAction* Printreport1;
    QAction* ExportreporttoPDF1;
    QAction* ExportreporttoWORD1;
    QAction* heoreticalsummarypreview1;
    QAction* objectheoreticalsummarypreview1TMenuItem1;
    QAction* inPDFformatACROBAT1;
    QAction* inDOCformatWORD1;
    QAction* FAQMenu;
    QAction* Kavro1;
    QAction* About1;
    QAction* ContuctUsMenu;
    QAction* UptadeProgramMenu;
    QAction* UnitConversion;
    QAction* ImportShoreline1;  // "Import shoreline..." (GIS files)
    QAction* ExportGis1;        // "Export to GIS..."
    QAction* PointFromLonLat1;  // "Point from lon/lat..."
    QAction* WaveMap1;          // "Wave map"
    // The help items, the "?" buttons and the help start-up; the "Help mode"
    // submenu and its two items are HelpCommands' own, named here as well.
    THelpCommands* HelpCommands = nullptr;
    QMenu* setHelpmenu = nullptr;
    QAction* setWinHelpMenu = nullptr;
    QAction* setHTMLHelpmenu = nullptr;
    // Shoreline import and GIS export (hidden in a build without GIS).
    std::unique_ptr<GisCommands> Gis;

    // true when the window was laid out for a screen narrower than 900 pixels.
    bool NarrowScreen() const { return narrow_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (OrvaneMainLayout.cpp).
    void BuildControls();
    void BuildRegionColumn();
    void BuildInputColumn();
    void BuildGraphPanel(QVBoxLayout* middle);
    void BuildMethodColumn();
    void BuildStatusBar();
    void SetTabOrders();
    void PlaceOverlayControls();
    void ArrangeTopRow();
    // Commands (OrvaneMainCommands.cpp).
    void BuildMenus();
    QMenu* AddMenu(QMenu* parentMenu, const char* name, const char* caption);
    // Adds the item caption (objectName name) to menu, keeps it in slot and
    // runs handler when it is chosen.
    QAction* AddCommand(QMenu* menu, QAction*& slot, const char* name, const char* caption,
                        void (TOrvaneMain::*handler)());
    // Transfer (OrvaneMainTransfer.cpp).
    void ConnectEvents();
    void ShowUnitLabels();
    void ShowTabs();                               // the tabs of ShowBoundaryTabs, without the grids' set-up
    TGFrame* Frame(int boundary) const;            // GFrame1..GFrame5 for 1..5
    QLineEdit* ValueEdit(ValueField field) const;  // Edit1..Edit6
    // One click of a spin button: the edit's text into its field, a step
    // when the limit allows, the field back into the edit, ValuesChange.
    void SpinClick(ValueField field, bool up);
    // ShowProject after a commit of the same project: each grid keeps its
    // current cell and scroll position (a load shows row 1 instead).
    void ShowCommittedProject();
    // Files (OrvaneMainFiles.cpp).
    enum class SaveOutcome { Saved, Reloaded, Cancelled, Failed };
    // The record written to CurrentFile under the project lock (the one the
    // command-line tool takes), unless another program changed the file
    // since this window loaded or saved it: then ask says what to do
    // (reload it, overwrite it, save under another name); without ask such a
    // file is left alone (Failed, with why).
    SaveOutcome SaveGuarded(std::string& why, bool ask);
    // Notes what CurrentFile holds now, as loaded or saved by this window.
    void RememberDiskFile();
    QString AskOpenName(const QString& title, const QString& filter, const QString& suffix, const QString& folder);
    QString AskSaveName(const QString& title, const QString& filter, const QString& suffix, const QString& folder);
    // Construction (OrvaneMainF.cpp).
    void FormCreate();
    // Reports (OrvaneMainReports.cpp): the report commands on this window's
    // state, its "Compute Waves", title and current file.
    ReportCommands Reports();

    AppState& state_;
    bool narrow_ = false;
    bool destroyed_ = false;
    // The project file as this window last loaded or saved it.
    std::string diskFile_;
    FileFingerprint diskPrint_;
    QBoxLayout* topRow_ = nullptr;  // point and wind: side by side, or stacked when narrow
    QSpacerItem* topRowSpacer_ = nullptr;
    QWidget* windPanel_ = nullptr;
};

}  // namespace orvane
