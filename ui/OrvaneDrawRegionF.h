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
// The code is split by job:
//   OrvaneDrawRegionF.cpp         record <-> chains, the command, opening, storing, close checks, lists
//   OrvaneDrawRegionLayout.cpp    construction: size, left panel, menus
//   OrvaneDrawRegionCommands.cpp  tool buttons, Exit and the Parameters items

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "ui/DrawPad05F.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace orvane {

struct ProjectRecord;

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
    static void EditRegion(ProjectRecord& project, QWidget* owner, int unitsRow, const QString& iniFileName);

    // Message texts.
    static QString NoFileMessage();  // the command without an open project
    static QString NotClosedQuestion();
    static QString TooManyNodesQuestion(int boundary, int nodes);
    static QString TooManyRingsQuestion(int extraRings);
    static QString LonePointsQuestion(const std::vector<std::int32_t>& numbers);

    // unitsRow: row of the main window's units list (kilometres when outside
    // it). iniFileName: the settings file holding the "DRAW" section.
    void OpenOnProject(int unitsRow, const QString& iniFileName);
    // Writes the drawing, the view rows, the window size (0 and 0 when
    // maximized) into the project and the appearance into the settings file.
    void StoreToProject();
    // Builds the chains and asks what closing would lose; true when the
    // window may close.
    bool FormCloseQuery();

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

    QString IniFileName;  // settings file of the "DRAW" section
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

    ProjectRecord& project_;
    std::vector<std::pair<QAction*, int>> pointTypeItems_;
    std::vector<std::pair<QAction*, int>> pointSizeItems_;
    std::vector<std::pair<QAction*, int>> lineItems_;
    std::vector<std::pair<QAction*, int>> textItems_;
    std::vector<std::pair<QAction*, int>> directionItems_;
    std::vector<std::pair<QAction*, int>> markSizeItems_;
    PadGraph opened_;  // the drawing as OpenOnProject loaded it
    PadChains openedChains_;  // the boundaries it came from, closing repeats included
};

}  // namespace orvane
