// TOrvaneDrawRegion: the transfer between the record and the pad's chains,
// the command, opening on the project and storing back, the close checks
// and the lists. The window's construction is in OrvaneDrawRegionLayout.cpp,
// its buttons and Parameters items in OrvaneDrawRegionCommands.cpp.

#include "ui/OrvaneDrawRegionF.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QUndoStack>
#include <climits>
#include <string>

#include "core/ProjectRecord.h"
#include "core/Units.h"
#include "tools/QtText.h"
#include "tools/settings/IniSettings.h"

namespace orvane {

namespace {

const char* const kDrawSection = "DRAW";

// The six appearance settings. Values outside a plausible range (a damaged
// or hand-edited file, or 0 from a file that cannot be read) would draw
// nothing visible or overflow the pixel arithmetic; they give the default.
// Inside the range a value is used as found, also when no menu item has it.
// Without a stored value a point is 4 pixels ("Medium (2)": a 5 x 5 pixel
// square, legible at 96 dpi), the direction mark row 1 (drawn at least 8
// pixels long whatever the scale).
struct DrawSetting {
    const char* Key;
    std::int32_t TOrvaneDrawRegion::*Field;
    int Default;
    int Lowest;
    int Highest;
};

const DrawSetting kDrawSettings[] = {
    {"LINEWIDTH", &TOrvaneDrawRegion::LineWidth, 2, 1, 20},
    {"POINTTYPE", &TOrvaneDrawRegion::PointType, kPadSquare, INT_MIN, INT_MAX},  // others draw a square
    {"POINTSIZE", &TOrvaneDrawRegion::PointSize, 4, 2, 64},
    {"POINTTEXTSIZE", &TOrvaneDrawRegion::LabelSize, 8, 4, 72},
    {"ARROWSIZE", &TOrvaneDrawRegion::MarkSize, 1, INT_MIN, INT_MAX},  // pinned to the mark table when drawn
};
const char* const kArrowOnKey = "ARROWON";

// The record's default scale row ("1cm:10Km"). A project still at it has no
// scale of its own yet: the window opens at the row that fits its region.
// Any other row was chosen in this window and is kept where the region fits
// at it.
constexpr std::int32_t kDefaultScaleRow = 2;

// Names of the units list rows, as the readout and the coordinates dialog show them.
const char* const kUnitNames[] = {"m", "Km", "ft", "Miles"};

// "1204" -> "1,204".
QString Grouped(int n)
{
    QString digits = QString::number(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > (n < 0 ? 1 : 0); at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

void SelectRow(QComboBox* combo, int row)
{
    if (combo == nullptr || combo->currentIndex() == row)
        return;
    // The list follows the pad here; its change handler must not run again.
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(row);
}

}  // namespace

// --- transfer between the record and the pad's chains -------------------------------

double KmPerUnitOfRow(int unitsRow)
{
    switch (unitsRow) {
    case 0: return 0.001;      // m
    case 1: return 1.0;        // Km
    case 2: return 0.0003048;  // ft
    case 3: return 1.61;       // Miles
    default: return -1.0;
    }
}

PadChains ChainsFromProject(const ProjectRecord& project, double kmPerUnit)
{
    PadChains chains;
    // Kept in double precision: divided back by the same factor, a node
    // returns to the same float32 (UTM coordinates included).
    for (int b = 1; b <= UsedBoundaryCount(project); ++b) {
        auto& chain = chains[static_cast<std::size_t>(b - 1)];
        for (int k = 1; k <= UsedNodeCount(project, b); ++k)
            chain.push_back({project.NodeX[b][k] * kmPerUnit, project.NodeY[b][k] * kmPerUnit});
    }
    return chains;
}

PadChains WithoutClosingRepeats(PadChains chains)
{
    for (auto& chain : chains)
        if (chain.size() >= 3 && chain.back() == chain.front())
            chain.pop_back();
    return chains;
}

bool RepeatsFirstNode(const std::vector<PadXY>& chain, bool closeRing)
{
    return closeRing && chain.size() > 1 && !(chain.back() == chain.front());
}

int StoredNodeCount(const std::vector<PadXY>& chain, bool closeRing)
{
    const auto n = static_cast<int>(chain.size());
    return RepeatsFirstNode(chain, closeRing) ? std::min(n, kMaxGridNode - 1) + 1 : std::min(n, kMaxGridNode);
}

void StoreChains(ProjectRecord& project, const PadChains& chains, double kmPerUnit, bool closeRings)
{
    ClearBoundaries(project);
    project.BoundaryCount = 0;
    const double factor = kmPerUnit;
    for (const auto& chain : chains) {
        if (chain.empty())
            continue;
        const int b = ++project.BoundaryCount;
        const int n = StoredNodeCount(chain, closeRings);
        const bool repeat = RepeatsFirstNode(chain, closeRings);
        project.NodeCount[b] = n;
        for (int k = 1; k <= n; ++k) {
            const PadXY& node = repeat && k == n ? chain.front() : chain[static_cast<std::size_t>(k - 1)];
            project.NodeNumber[b][k] = k;
            project.NodeX[b][k] = static_cast<float>(node.X / factor);
            project.NodeY[b][k] = static_cast<float>(node.Y / factor);
        }
        // The region picture starts each polygon at position 0; the grids
        // would write this copy at their next read, the picture may come first.
        project.NodeX[b][0] = project.NodeX[b][n];
        project.NodeY[b][0] = project.NodeY[b][n];
    }
}

bool SameDrawing(const PadGraph& a, const PadGraph& b)
{
    // Positions in the lists of live records, so that a removed record
    // (before Compact) changes nothing.
    auto livePoints = [](const PadGraph& g) {
        std::vector<std::int32_t> position(g.Points.size(), -1);
        std::vector<PadXY> at;
        for (std::size_t i = 0; i < g.Points.size(); ++i)
            if (g.Points[i].Live) {
                position[i] = static_cast<std::int32_t>(at.size());
                at.push_back({g.Points[i].X, g.Points[i].Y});
            }
        return std::pair(position, at);
    };
    auto liveLines = [](const PadGraph& g, const std::vector<std::int32_t>& position) {
        auto of = [&position](std::int32_t i) {
            return i >= 0 && static_cast<std::size_t>(i) < position.size() ? position[static_cast<std::size_t>(i)] : -1;
        };
        std::vector<std::pair<std::int32_t, std::int32_t>> ends;
        for (const PadLine& l : g.Lines)
            if (l.Live)
                ends.emplace_back(of(l.From), of(l.To));
        return ends;
    };
    const auto [positionA, pointsA] = livePoints(a);
    const auto [positionB, pointsB] = livePoints(b);
    return pointsA == pointsB && liveLines(a, positionA) == liveLines(b, positionB);
}

int UnbuiltChainCount(const PadGraph& graph)
{
    const auto walks = static_cast<int>(graph.ChainWalks().size());
    return walks > kPadChainCount ? walks - kPadChainCount : 0;
}

std::vector<std::int32_t> LonePointNumbers(const PadGraph& graph)
{
    std::vector<bool> joined(graph.Points.size(), false);
    for (const auto& walk : graph.ChainWalks())
        for (const std::int32_t i : walk)
            joined[static_cast<std::size_t>(i)] = true;
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < graph.Points.size(); ++i)
        if (graph.Points[i].Live && !joined[i])
            numbers.push_back(graph.Points[i].Number);
    return numbers;
}

// --- the command --------------------------------------------------------------------

void TOrvaneDrawRegion::EditRegion(ProjectRecord& project, QWidget* owner, int unitsRow, const QString& iniFileName,
                                   PadSettings* padSettings, const QString& projectFile, const std::string& crs)
{
    TOrvaneDrawRegion window(project, owner);
    window.BackgroundCrs = crs;
    window.SetPadSettings(padSettings, projectFile);
    window.OpenOnProject(unitsRow, iniFileName);
    window.ShowModal();
    window.StoreToProject();
}

QString TOrvaneDrawRegion::NoFileMessage() { return QStringLiteral("A file must be opened first"); }

QString TOrvaneDrawRegion::NotClosedQuestion()
{
    return QStringLiteral("Boundary not closed, do you want to exit or not");
}

QString TOrvaneDrawRegion::TooManyNodesQuestion(int boundary, int nodes)
{
    return QStringLiteral("Boundary %1 has %2 points; a boundary holds at most %3, its first point repeated at the "
                          "end included. Close anyway and keep the first %4?")
        .arg(boundary)
        .arg(Grouped(nodes))
        .arg(kMaxGridNode)
        .arg(kMaxGridNode - 1);
}

QString TOrvaneDrawRegion::LonePointsQuestion(const std::vector<std::int32_t>& numbers)
{
    // At most ten numbers named; the rest counted.
    constexpr std::size_t kNamed = 10;
    QStringList named;
    for (std::size_t k = 0; k < numbers.size() && k < kNamed; ++k)
        named << QString::number(numbers[k]);
    QString list = named.join(QStringLiteral(", "));
    if (numbers.size() > kNamed)
        list += QStringLiteral(" and %1 more").arg(numbers.size() - kNamed);
    else if (named.size() > 1)
        list = QStringList(named.mid(0, named.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
               named.last();
    return numbers.size() == 1
               ? QStringLiteral("Point %1 is joined to no boundary and is dropped. Close anyway?").arg(list)
               : QStringLiteral("Points %1 are joined to no boundary and are dropped. Close anyway?").arg(list);
}

QString TOrvaneDrawRegion::TooManyRingsQuestion(int extraRings)
{
    return QStringLiteral("A project holds five boundaries: the first five drawn are kept and %1 more %2 dropped. "
                          "Close anyway?")
        .arg(extraRings)
        .arg(extraRings == 1 ? QStringLiteral("is") : QStringLiteral("are"));
}

// --- opening and storing ------------------------------------------------------------

void TOrvaneDrawRegion::OpenOnProject(int unitsRow, const QString& iniFileName)
{
    if (KmPerUnitOfRow(unitsRow) <= 0)
        unitsRow = UnitsComboCode(project_.CoordUnits);
    if (KmPerUnitOfRow(unitsRow) <= 0)
        unitsRow = 1;
    KmPerUnit = KmPerUnitOfRow(unitsRow);
    WorldPerDisplay = KmPerUnit;  // positions are shown and typed in the project's unit
    DisplayLabel = QLatin1String(kUnitNames[unitsRow]);
    IniFileName = iniFileName;

    SetUnits(1);  // the pad always works in kilometres
    ResetDefaults();
    SetScale(project_.RegionScaleIndex);
    SetGridSize(project_.RegionGridIndex);
    SetSnap(project_.RegionSnapIndex);

    ReadDrawSettings();
    SetLineNo();
    SetPOintTYpe();
    SetPointSize();
    SetTextSize();
    SetDirectionON();
    SetDirectionMarkSize();

    openedChains_ = ChainsFromProject(project_, KmPerUnit);
    // A stored ring repeats its first node at its end; on the pad that is one
    // point, the ring closed by a line back to it (the repeat comes back
    // when the rings are stored).
    Graph.Chains = WithoutClosingRepeats(openedChains_);
    Graph.LoadChains();
    opened_ = Graph;
    UndoStack->clear();  // the loaded boundaries are the start, not an edit
    OpenStoredBackground();
    Ready = true;
    Redraw();
    RequestFit(project_.RegionScaleIndex == kDefaultScaleRow ? -1 : ScaleIndex);
}

void TOrvaneDrawRegion::ReadDrawSettings()
{
    const SettingsFile file(ToUtf8(IniFileName));
    for (const DrawSetting& s : kDrawSettings) {
        const int value = file.ReadInteger(kDrawSection, s.Key, s.Default);
        this->*s.Field = value >= s.Lowest && value <= s.Highest ? value : s.Default;
    }
    MarkOn = file.ReadBool(kDrawSection, kArrowOnKey, true);
}

void TOrvaneDrawRegion::WriteDrawSettings() const
{
    SettingsFile file(ToUtf8(IniFileName));
    for (const DrawSetting& s : kDrawSettings)
        file.WriteInteger(kDrawSection, s.Key, this->*s.Field);
    file.WriteBool(kDrawSection, kArrowOnKey, MarkOn);
    (void)file.Save();  // a failure is shown once by Save
}

void TOrvaneDrawRegion::StoreToProject()
{
    WriteDrawSettings();
    const bool maximized = isMaximized();
    project_.RegionWindowWidth = maximized ? 0 : width();
    project_.RegionWindowHeight = maximized ? 0 : height();
    project_.RegionScaleIndex = ScaleIndex;
    project_.RegionGridIndex = GridIndex;
    project_.RegionSnapIndex = SnapIndex;

    // The chains are built again, so what is stored is the drawing as it is
    // now even when the window was hidden without the close check.
    if (Dragging)
        EndTool();
    Graph.Compact();
    Graph.BuildChains();
    // Opened and closed without an edit: the boundaries as they came, so a
    // look at the drawing never changes what the project computes.
    if (SameDrawing(Graph, opened_))
        StoreChains(project_, openedChains_, KmPerUnit, false);
    else
        StoreChains(project_, Graph.Chains, KmPerUnit, true);
}

bool TOrvaneDrawRegion::FormCloseQuery()
{
    // Compact renumbers the point indices a polyline in progress or a move
    // holds: such a tool starts afresh.
    const TEditMode tool = EditMode;
    if (Dragging || tool == TEditMode::SetLines) {
        EndTool();
        if (tool == TEditMode::SetLines)
            ToggleSetLines();
        else
            ToggleMovePoints();
    }
    Graph.Compact();
    const bool closed = Graph.BuildChains();
    // Left as it opened, the drawing is stored as it came: nothing is lost.
    if (SameDrawing(Graph, opened_))
        return true;
    if (!closed && !Ask(NotClosedQuestion(), true))
        return false;
    int kept = 0;
    for (std::size_t c = 0; c < Graph.Chains.size(); ++c) {
        const auto& chain = Graph.Chains[c];
        kept += chain.empty() ? 0 : 1;
        const std::size_t positions = chain.size() + (RepeatsFirstNode(chain) ? 1 : 0);
        if (positions > static_cast<std::size_t>(kMaxGridNode) &&
            !Ask(TooManyNodesQuestion(static_cast<int>(c) + 1, static_cast<int>(chain.size())), false))
            return false;
    }
    const int extra = UnbuiltChainCount(Graph);
    if (extra > 0 && !Ask(TooManyRingsQuestion(extra), false))
        return false;
    // With no ring left the region is being cleared; points alone are no loss then.
    const std::vector<std::int32_t> lone = LonePointNumbers(Graph);
    return kept == 0 || lone.empty() || Ask(LonePointsQuestion(lone), false);
}

bool TOrvaneDrawRegion::Ask(const QString& question, bool defaultYes)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TOrvaneDrawRegion::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        TDrawPad05::closeEvent(event);
    else
        event->ignore();
}

// --- lists ------------------------------------------------------------------------------

void TOrvaneDrawRegion::SetScale(std::int32_t row)
{
    TDrawPad05::SetScale(row);
    SelectRow(ScaleCombo, ScaleIndex);  // the row in effect, also when row was refused
}

void TOrvaneDrawRegion::SetGridSize(std::int32_t row)
{
    TDrawPad05::SetGridSize(row);
    SelectRow(GridCombo, GridIndex);
}

void TOrvaneDrawRegion::SetSnap(std::int32_t row)
{
    TDrawPad05::SetSnap(row);
    SelectRow(SnapCombo, SnapIndex);
}

void TOrvaneDrawRegion::SetFreeScale(double ratio)
{
    TDrawPad05::SetFreeScale(ratio);
    // The list offers only its rows; its placeholder names the free scale.
    const QSignalBlocker quiet(ScaleCombo);
    ScaleCombo->setCurrentIndex(-1);
}

void TOrvaneDrawRegion::ScaleComboChange()
{
    const int row = ScaleCombo->currentIndex();
    if (row < 0)
        return;
    KeepView();
    // A view pinned at the world origin stays pinned, as the pad has always
    // zoomed; a moved view keeps its centre.
    const PadRect view = VisibleSurface();
    const bool pinned = Mapping.OriginX == 0 && Mapping.OriginY == 0;
    const PadBox shown = WorldBoxOf(Mapping, view);
    SetScale(row);
    if (!pinned && !view.Empty())
        PlaceWorldAt(Mapping, (shown.Left + shown.Right) / 2, (shown.Bottom + shown.Top) / 2,
                     view.Left + (view.Width - 1) / 2.0, view.Top + (view.Height - 1) / 2.0);
    ViewChanged();
}

void TOrvaneDrawRegion::GridComboChange()
{
    SetGridSize(GridCombo->currentIndex());
    if (Ready)
        Redraw();
}

// Snapping changes nothing on the screen.
void TOrvaneDrawRegion::SnapComboChange() { SetSnap(SnapCombo->currentIndex()); }

}  // namespace orvane
