#pragma once
// TOrvaneDrawRegion: the region graphical input window. The project's
// boundaries are shown on the drawing pad as closed rings of numbered points
// (always in kilometres, whatever the project's unit) and edited with the
// pad's five tools; on closing, the drawn rings become the project's
// boundaries again, converted back to its unit.
//
// Life of one window, as the main window's draw-region command runs it
// (EditRegion does all of it):
//   TOrvaneDrawRegion window(project, owner);   size, caption, lists
//   window.OpenOnProject(unitsRow, iniFile);    settings, boundaries -> rings
//   window.ShowModal();                         the user edits and closes
//   window.StoreToProject();                    rings -> boundaries, settings
// The record is written only by StoreToProject; there is no cancel.
//
// Closing an edited drawing asks first when a ring is open (it would be
// closed by the implied segment back to its first node), when a ring has more
// nodes than a boundary holds, when more rings are drawn than the project
// holds, and when points joined to no ring would be dropped (named by their
// numbers; not when no ring is left at all, which clears the region).
// Opening and closing without an edit gives the boundaries back as they were
// (converted there and back); an edited drawing is stored ring by ring, each
// closed by its first node again (StoredNodeCount).
// Escape ends the active tool; it never closes the window.
//
// A background can be traced over: File, "Background image..." (a GeoTIFF or
// any raster GDAL reads, placed by its georeferencing, or a PNG/JPEG placed
// by two control points), "Background layer..." (a GIS vector layer's lines)
// and "No background"; OpacitySlider fades it. The background is no part of
// the project's boundaries; its file and placement are kept in the project's
// pad settings (the companion file), and a file gone missing is said once
// (per file and run) while the window opens without it.
//
// The code is split by job:
//   OrvaneDrawRegionF.cpp         record <-> chains, the command, opening, storing, close checks, lists
//   OrvaneDrawRegionLayout.cpp    construction: size, left panel, menus
//   OrvaneDrawRegionCommands.cpp  tool buttons, Exit and the Parameters items
//   OrvaneDrawRegionBackground.cpp the background: reading, placing, keeping

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "ui/DrawPad05F.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;

namespace orvane {

struct ProjectRecord;
struct PadSettings;
struct PadBackgroundSetting;

using PadChains = std::array<std::vector<PadXY>, kPadChainCount>;

// Kilometres per project coordinate unit by row of the main window's units
// list (m, Km, ft, Miles). The mile is 1.61 km, as projects have always been
// drawn with it. Exact decimal factors in double precision, so a whole
// kilometre on the pad is a whole 1000 m in the project and a coordinate
// typed in the project's unit comes back as typed. -1 for a row outside the
// list.
double KmPerUnitOfRow(int unitsRow);

// Boundaries 1 to BoundaryCount as chains in kilometres, positions 1 to
// NodeCount each (gap positions included: they are nodes on the pad).
PadChains ChainsFromProject(const ProjectRecord& project, double kmPerUnit);

// The chains without the closing repeat of their first node at their end
// (chains of at least three nodes whose last node lies on the first).
PadChains WithoutClosingRepeats(PadChains chains);

// Whether a chain stored as a boundary repeats its first node at its end: a
// ring the user drew or changed (closeRing) is stored closed, because the
// fetch computation closes a boundary from its last position but one back to
// the first and would otherwise lose the last node; not when the last node
// already lies on the first. A drawing left as the window opened it goes
// back as it came.
bool RepeatsFirstNode(const std::vector<PadXY>& chain, bool closeRing = true);
// Positions a chain takes as a boundary, the repeat included. At most
// kMaxGridNode: a longer closed ring keeps its first kMaxGridNode - 1 nodes
// and the repeat, so the ring stored is a ring (cut short), not an open line;
// a drawing as it came keeps its first kMaxGridNode positions.
int StoredNodeCount(const std::vector<PadXY>& chain, bool closeRing = true);

// Clears the boundaries and stores every non-empty chain as the next
// boundary, numbered 1 upward in chain order, nodes numbered 1 upward
// (StoredNodeCount positions each). Position 0 gets a copy of the last node,
// as the grids give it.
void StoreChains(ProjectRecord& project, const PadChains& chains, double kmPerUnit, bool closeRings = true);

// The same drawing: the live points at the same places, joined by the same
// lines. Numbers, removed records and the chain marks do not count.
bool SameDrawing(const PadGraph& a, const PadGraph& b);

// After BuildChains: how many more chains the graph holds beyond the five
// built (rings or open polylines whose points belong to no chain yet).
int UnbuiltChainCount(const PadGraph& graph);

// Numbers of the live points that belong to no chain the graph holds (not
// joined by lines, or joined only to themselves): they are not stored.
std::vector<std::int32_t> LonePointNumbers(const PadGraph& graph);

class TOrvaneDrawRegion : public TDrawPad05 {
    Q_OBJECT

public:
    // The window over owner (may be null), sized from the project's stored
    // size or else the owner's client size, centred on the owner. project
    // must outlive the window.
    TOrvaneDrawRegion(ProjectRecord& project, QWidget* owner);
    ~TOrvaneDrawRegion() override;

    // The draw-region command once the owner has committed its controls:
    // creates the window, opens it on project, shows it modally, stores the
    // drawing into project and destroys the window. The owner then shows
    // and redraws the project.
    // padSettings and projectFile: see SetPadSettings; crs: the project's
    // coordinate system, which backgrounds are reprojected to (BackgroundCrs).
    static void EditRegion(ProjectRecord& project, QWidget* owner, int unitsRow, const QString& iniFileName,
                           PadSettings* padSettings = nullptr, const QString& projectFile = QString(),
                           const std::string& crs = {});

    // Message texts.
    static QString NoFileMessage();  // the command without an open project
    static QString NotClosedQuestion();
    static QString TooManyNodesQuestion(int boundary, int nodes);
    static QString TooManyRingsQuestion(int extraRings);
    static QString LonePointsQuestion(const std::vector<std::int32_t>& numbers);
    static QString MissingBackgroundMessage(const QString& file);

    // unitsRow: row of the main window's units list (kilometres when outside
    // it). iniFileName: the settings file holding the "DRAW" section.
    void OpenOnProject(int unitsRow, const QString& iniFileName);
    // Writes the drawing, the view rows, the window size (0 and 0 when
    // maximized) into the project and the appearance into the settings file.
    void StoreToProject();
    // Builds the chains and asks what closing would lose; true when the
    // window may close.
    bool FormCloseQuery();

    // --- the background (OrvaneDrawRegionBackground.cpp) ---
    // Where the background is kept: the project's pad settings (saved with
    // the project by the owner) and the project's file name (a relative
    // background file name lies beside it). Before OpenOnProject, which
    // shows the background kept there. Without them a background lasts as
    // long as the window.
    void SetPadSettings(PadSettings* settings, const QString& projectFile);
    // Reads a picture and shows it under the drawing, placed by its
    // georeferencing or else by two control points (TBackgroundPlacement).
    // False, the background as it was, when it cannot be read (a message
    // says why) or the placement is cancelled.
    bool LoadBackgroundImage(const QString& fileName);
    // Reads a GIS vector layer and shows its lines under the drawing.
    bool LoadBackgroundLayer(const QString& fileName);
    void RemoveBackground();
    void BackgroundImage1Click();
    void BackgroundLayer1Click();
    void OpacitySliderChange();
    // The project's coordinate system (an EPSG code or WKT) backgrounds are
    // reprojected to; empty: their own coordinates are taken as the project's.
    std::string BackgroundCrs;

    // Each keeps its list in step with the row in effect; none redraws.
    void SetScale(std::int32_t row) override;
    // The scale list shows "custom" until a row is chosen.
    void SetFreeScale(double ratio) override;
    void SetGridSize(std::int32_t row) override;
    void SetSnap(std::int32_t row) override;

    // Each checks the menu items whose value equals its field, then redraws.
    void SetLineNo();
    void SetPOintTYpe();
    void SetPointSize();
    void SetTextSize();
    void SetDirectionON();
    void SetDirectionMarkSize();

    void ScaleComboChange();
    void GridComboChange();
    void SnapComboChange();
    void SEtPointsBtnClick();
    void MovePointsBtnClick();
    void DeletePointsBtnClick();
    void ConnectPointsBtnClick();
    void DisconnectPointsClick();
    void Exit1Click();
    void squarePointClick();
    void trianglePointClick();
    void DotPointClick();
    void PointNo1Click();
    void PointNo2Click();
    void PointNo3Click();
    void LineNo1Click();
    void LineNo2Click();
    void LineNo3Click();
    void TextNo1Click();
    void TextNo2Click();
    void TextNo3Click();
    void DirectionONClick();
    void DirectionOFFClick();
    void DirectionSize1Click();
    void DirectionSize2Click();
    void DirectionSize3Click();

    QString IniFileName;     // settings file of the "DRAW" section
    double KmPerUnit = 1.0;  // kilometres per project coordinate unit

    // --- controls (objectName = member name) ---
    QLabel* ScaleLabel = nullptr;
    QComboBox* ScaleCombo = nullptr;
    QLabel* GridLabel = nullptr;
    QComboBox* GridCombo = nullptr;
    QLabel* SnapLabel = nullptr;
    QComboBox* SnapCombo = nullptr;
    QPushButton* SEtPointsBtn = nullptr;
    QPushButton* MovePointsBtn = nullptr;
    QPushButton* DeletePointsBtn = nullptr;
    QPushButton* ConnectPointsBtn = nullptr;
    QPushButton* DisconnectPoints = nullptr;
    QPushButton* CloseBtn = nullptr;

    QMenu* File1 = nullptr;
    QMenu* Edit1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Parameters1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* BackgroundImage1 = nullptr;
    QAction* BackgroundLayer1 = nullptr;
    QAction* NoBackground1 = nullptr;
    QLabel* OpacityLabel = nullptr;
    QSlider* OpacitySlider = nullptr;  // 0 to 100 per cent
    QAction* squarePoint = nullptr;
    QAction* trianglePoint = nullptr;
    QAction* DotPoint = nullptr;
    QAction* PointNo1 = nullptr;
    QAction* PointNo2 = nullptr;
    QAction* PointNo3 = nullptr;
    QAction* LineNo1 = nullptr;
    QAction* LineNo2 = nullptr;
    QAction* LineNo3 = nullptr;
    QAction* TextNo1 = nullptr;
    QAction* TextNo2 = nullptr;
    QAction* TextNo3 = nullptr;
    QAction* DirectionON = nullptr;
    QAction* DirectionOFF = nullptr;
    QAction* DirectionSize1 = nullptr;
    QAction* DirectionSize2 = nullptr;
    QAction* DirectionSize3 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(QWidget* owner);
    void BuildLeftPanel();
    void BuildMenus();
    void PlaceCloseButton();
    void ReadDrawSettings();
    void WriteDrawSettings() const;
    // Checks the items of one group whose value equals value, then redraws.
    void CheckGroup(const std::vector<std::pair<QAction*, int>>& group, int value);
    bool Ask(const QString& question, bool defaultYes);
    void BuildBackgroundControls();
    // Shows the background kept in the pad settings; a file that is missing
    // or cannot be read is said once and left out.
    void OpenStoredBackground();
    // Reads and places what setting names (asking for control points when
    // askPlacement and the picture has no georeferencing, which makes it an
    // image); false with the reason in why, empty when cancelled.
    bool ShowBackground(PadBackgroundSetting& setting, bool askPlacement, std::string& why);
    std::string BackgroundPath(const std::string& file) const;
    // Keeps setting as the project's background.
    void KeepBackground(const PadBackgroundSetting* setting);

    ProjectRecord& project_;
    std::vector<std::pair<QAction*, int>> pointTypeItems_;
    std::vector<std::pair<QAction*, int>> pointSizeItems_;
    std::vector<std::pair<QAction*, int>> lineItems_;
    std::vector<std::pair<QAction*, int>> textItems_;
    std::vector<std::pair<QAction*, int>> directionItems_;
    std::vector<std::pair<QAction*, int>> markSizeItems_;
    PadGraph opened_;         // the drawing as OpenOnProject loaded it
    PadChains openedChains_;  // the boundaries it came from, closing repeats included
    PadSettings* padSettings_ = nullptr;
    QString projectFile_;
};

}  // namespace orvane
