#include "ui/OrvaneDrawRegionF.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QUndoStack>

#include <algorithm>
#include <climits>
#include <string>

#include "core/ProjectRecord.h"
#include "core/Units.h"
#include "tools/FixedText.h"
#include "tools/IniSettings.h"

namespace orvane {

namespace {

constexpr int kMinWidth = 700;
constexpr int kMinHeight = 500;
constexpr int kLeftPanelWidth = 165;
constexpr int kCloseBtnBottomMargin = 16;
constexpr int kLowestCloseBtnTop = 330;  // below the last tool button (284 + 25) with a gap
const char* const kDrawSection = "DRAW";

// The six appearance settings. Values outside a plausible range (a damaged
// or hand-edited file, or 0 from a file that cannot be read) would draw
// nothing visible or overflow the pixel arithmetic; they give the default.
// Inside the range a value is used as found, also when no menu item has it.
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
    {"POINTSIZE", &TOrvaneDrawRegion::PointSize, 2, 2, 64},
    {"POINTTEXTSIZE", &TOrvaneDrawRegion::LabelSize, 8, 4, 72},
    {"ARROWSIZE", &TOrvaneDrawRegion::MarkSize, 1, INT_MIN, INT_MAX},  // pinned to the mark table when drawn
};
const char* const kArrowOnKey = "ARROWON";

std::string ToStd(const QString& text) { return text.toStdString(); }

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

// Pictures of the five tools, 16 x 16: the pad's blue point marker and
// black line, with what the tool does to them.
enum class ToolPicture { SetPoints, MovePoints, DeletePoints, SetLines, DeleteLines};

QIcon ToolIcon(ToolPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QPen marker(QColor(0, 0, 255), 1);
    const QPen line(Qt::black, 2);
    const QPen cross(QColor(220, 0, 0), 2);
    auto square = [&](int x, int y) {
        p.setPen(marker);
        p.setBrush(Qt::white);
        p.drawRect(x - 2, y - 2, 4, 4);
    };
    switch (picture) {
    case ToolPicture::SetPoints:
        square(5, 10);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(12, 1, 12, 7);
        p.drawLine(9, 4, 15, 4);
        break;
    case ToolPicture::MovePoints:
        square(4, 12);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(7, 9, 14, 2);
        p.drawLine(14, 2, 10, 2);
        p.drawLine(14, 2, 14, 6);
        break;
    case ToolPicture::DeletePoints:
        square(5, 10);
        p.setPen(cross);
        p.drawLine(9, 2, 15, 8);
        p.drawLine(15, 2, 9, 8);
        break;
    case ToolPicture::SetLines:
        p.setPen(line);
        p.drawLine(3, 13, 13, 3);
        square(3, 13);
        square(13, 3);
        break;
    case ToolPicture::DeleteLines:
        p.setPen(line);
        p.drawLine(1, 14, 14, 1);
        p.setPen(cross);
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
        break;
    }
    return QIcon(pixmap);
}

}  // namespace

// --- transfer between the record and the pad's chains -------------------------------

float KmPerUnitOfRow(int unitsRow)
{
    switch (unitsRow) {
    case 0:
        return 0.001f;  // m
    case 1:
        return 1.0f;  // Km
    case 2:
        return 0.0003048f;  // ft
    case 3:
        return 1.61f;  // Miles
    default:
        return -1.0f;
    }
}

PadChains ChainsFromProject(const ProjectRecord& project, float kmPerUnit)
{
    PadChains chains;
    // The products are rounded once to float32 and divided back the same way,
    // so an unedited node returns within float32 rounding of where it was.
    const double factor = kmPerUnit;
    for (int b = 1; b <= UsedBoundaryCount(project); ++b) {
        auto& chain = chains[static_cast<std::size_t>(b - 1)];
        for (int k = 1; k <= UsedNodeCount(project, b); ++k)
            chain.push_back({static_cast<float>(project.NodeX[b][k] * factor),
                             static_cast<float>(project.NodeY[b][k] * factor)});
    }
    return chains;
}

int StoredNodeCount(const std::vector<PadXY>& chain)
{
    const auto n = static_cast<int>(chain.size());
    return n > 1 && !(chain.back() == chain.front()) ? n + 1 : n;
}

void StoreChains(ProjectRecord& project, const PadChains& chains, float kmPerUnit)
{
    ClearBoundaries(project);
    project.BoundaryCount = 0;
    const double factor = kmPerUnit;
    for (const auto& chain : chains) {
        if (chain.empty())
            continue;
        const int b = ++project.BoundaryCount;
        const bool cut = StoredNodeCount(chain) > kMaxGridNode;
        const int drawn = cut ? kMaxGridNode - 1 : static_cast<int>(chain.size());
        const int n = cut ? kMaxGridNode : StoredNodeCount(chain);
        project.NodeCount[b] = n;
        for (int k = 1; k <= n; ++k) {
            // Past the drawn nodes: the first again, closing the ring.
            const PadXY& node = chain[static_cast<std::size_t>(k <= drawn ? k - 1 : 0)];
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

int UnbuiltChainCount(const PadGraph& graph)
{
    // Walks what BuildChains would have walked had there been more chains:
    // from the first usable point with an outgoing line and no chain, along
    // the lines. Links are one in, one out, so every walk ends.
    std::vector<bool> taken(graph.Points.size(), false);
    int extra = 0;
    for (std::size_t start = 0; start < graph.Points.size(); ++start) {
        const PadPoint& s = graph.Points[start];
        if (taken[start] || !graph.PointUsable(static_cast<std::int32_t>(start)) || s.Chain >= 0 || s.Next < 0)
            continue;
        ++extra;
        for (std::int32_t i = static_cast<std::int32_t>(start); graph.PointUsable(i);) {
            const auto at = static_cast<std::size_t>(i);
            if (taken[at] || graph.Points[at].Chain >= 0)
                break;
            taken[at] = true;
            i = graph.Points[at].Next;
        }
    }
    return extra;
}

// --- creation ---------------------------------------------------------------------

TOrvaneDrawRegion::TOrvaneDrawRegion(ProjectRecord& project, QWidget* owner)
    : TDrawPad05(owner)
    , project_(project)
{
    FormCreate(owner);
}

TOrvaneDrawRegion::~TOrvaneDrawRegion() = default;

void TOrvaneDrawRegion::FormCreate(QWidget* owner)
{
    setObjectName(QStringLiteral("OrvaneDrawRegion"));
    setWindowTitle(QString::fromStdString(FixedText(FixedTextId::ProgramTitle))
        + QStringLiteral("  Water region graphical input"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);

    PanelTop->setFixedHeight(0);
    PanelBottom->setFixedHeight(0);
    PanelMainRight->setFixedWidth(0);
    BuildLeftPanel();
    BuildMenus();
    PanelMainLeft->installEventFilter(this);

    // A stored size (from this or another screen) is kept within the screen,
    // so the close button and the lists are never out of reach.
    QSize size = owner != nullptr ? owner->size() : QSize(1024, 720);
    if (project_.RegionWindowWidth > 0)
        size.setWidth(project_.RegionWindowWidth);
    if (project_.RegionWindowHeight > 0)
        size.setHeight(project_.RegionWindowHeight);
    const QScreen* screen = owner != nullptr && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect desk = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    size = size.boundedTo(desk.size()).expandedTo(QSize(kMinWidth, kMinHeight));
    resize(size);

    QPoint topLeft
        = (owner != nullptr ? owner->geometry().center() : desk.center()) - QPoint(size.width() / 2, size.height() / 2);
    topLeft.setX(std::clamp(topLeft.x(), desk.left(), std::max(desk.left(), desk.right() + 1 - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), desk.top(), std::max(desk.top(), desk.bottom() + 1 - size.height())));
    move(topLeft);
}

void TOrvaneDrawRegion::BuildLeftPanel()
{
    QWidget* panel = PanelMainLeft;
    const struct {
        QLabel* TOrvaneDrawRegion::*Label;
        const char* LabelName;
        const char* Caption;
        QComboBox* TOrvaneDrawRegion::*List;
        const char* ListName;
        int LabelTop;
        int ListTop;
    } lists[] = {
        {&TOrvaneDrawRegion::ScaleLabel, "ScaleLabel", "Scale", &TOrvaneDrawRegion::ScaleCombo, "ScaleCombo", 16, 12},
        {&TOrvaneDrawRegion::GridLabel, "GridLabel", "Grid size", &TOrvaneDrawRegion::GridCombo, "GridCombo", 52, 44},
        {&TOrvaneDrawRegion::SnapLabel, "SnapLabel", "Snap distanse", &TOrvaneDrawRegion::SnapCombo, "SnapCombo", 84,
         76},
    };
    for (const auto& l : lists) {
        auto* combo = new QComboBox(panel);
        combo->setObjectName(QLatin1String(l.ListName));
        auto* label = new QLabel(QLatin1String(l.Caption), panel);
        label->setObjectName(QLatin1String(l.LabelName));
        label->setBuddy(combo);
        this->*l.List = combo;
        this->*l.Label = label;
    }
    auto fill = [](QComboBox* combo, const auto& table) {
        for (const auto& row : table)
            combo->addItem(QString::fromUtf8(row.Caption.data(), static_cast<int>(row.Caption.size())));
    };
    fill(ScaleCombo, PadScales);
    fill(GridCombo, PadGridSizes);
    fill(SnapCombo, PadSnaps);

    // The lists stand at x = 80, 80 wide, in a panel 165 wide, when the
    // labels and captions fit; a larger font moves them right and widens
    // them (and the panel) rather than letting a label run under its list.
    int labelWidth = 0;
    int listWidth = 80;
    for (const auto& l : lists) {
        labelWidth = std::max(labelWidth, (this->*l.Label)->sizeHint().width());
        listWidth = std::max(listWidth, (this->*l.List)->sizeHint().width());
    }
    const int listLeft = std::max(80, 8 + labelWidth + 6);
    PanelMainLeft->setFixedWidth(std::max(kLeftPanelWidth, listLeft + listWidth + 5));
    for (const auto& l : lists) {
        QComboBox* combo = this->*l.List;
        combo->setGeometry(listLeft, l.ListTop, listWidth, combo->sizeHint().height());
        (this->*l.Label)->move(8, l.LabelTop);
    }
    SelectRow(ScaleCombo, ScaleIndex);
    SelectRow(GridCombo, GridIndex);
    SelectRow(SnapCombo, SnapIndex);
    connect(ScaleCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::ScaleComboChange);
    connect(GridCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::GridComboChange);
    connect(SnapCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::SnapComboChange);

    const struct {
        QPushButton* TOrvaneDrawRegion::*Member;
        const char* Name;
        const char* Caption;
        int Top;
        TEditMode Tool;
        ToolPicture Picture;
        void (TOrvaneDrawRegion::*Click)();
    } tools[] = {
        {&TOrvaneDrawRegion::SEtPointsBtn, "SEtPointsBtn", "Set points", 116, TEditMode::SetPoints,
            ToolPicture::SetPoints, &TOrvaneDrawRegion::SEtPointsBtnClick},
        {&TOrvaneDrawRegion::MovePointsBtn, "MovePointsBtn", "Move Points", 158, TEditMode::MovePoints,
            ToolPicture::MovePoints, &TOrvaneDrawRegion::MovePointsBtnClick},
        {&TOrvaneDrawRegion::DeletePointsBtn, "DeletePointsBtn", "Delete points", 200, TEditMode::DeletePoints,
            ToolPicture::DeletePoints, &TOrvaneDrawRegion::DeletePointsBtnClick},
        {&TOrvaneDrawRegion::ConnectPointsBtn, "ConnectPointsBtn", "Set lines", 242, TEditMode::SetLines,
            ToolPicture::SetLines, &TOrvaneDrawRegion::ConnectPointsBtnClick},
        {&TOrvaneDrawRegion::DisconnectPoints, "DisconnectPoints", "Delete lines", 284, TEditMode::DeleteLines,
            ToolPicture::DeleteLines, &TOrvaneDrawRegion::DisconnectPointsClick},
    };
    for (const auto& t : tools) {
        auto* button = new QPushButton(ToolIcon(t.Picture), QLatin1String(t.Caption), panel);
        button->setObjectName(QLatin1String(t.Name));
        button->setGeometry(20, t.Top, 100, 25);
        this->*t.Member = button;
        SetToolButton(t.Tool, button);
        connect(button, &QPushButton::clicked, this, t.Click);
    }

    CloseBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close"), panel);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setGeometry(24, 452, 75, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

void TOrvaneDrawRegion::BuildMenus()
{
    File1 = menuBar()->addMenu(QStringLiteral("File"));
    File1->setObjectName(QStringLiteral("File1"));
    Exit1 = File1->addAction(QStringLiteral("Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, &TOrvaneDrawRegion::Exit1Click);

    // The pad's undo, redo and end-tool shortcuts, where they can be found.
    Edit1 = menuBar()->addMenu(QStringLiteral("Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->addAction(UndoAction);
    Edit1->addAction(RedoAction);
    Edit1->addSeparator();
    Edit1->addAction(EndToolAction);

    Parameters1 = menuBar()->addMenu(QStringLiteral("Parameters"));
    Parameters1->setObjectName(QStringLiteral("Parameters1"));
    struct Item {
        const char* Caption;
        const char* Name;
        QAction* TOrvaneDrawRegion::*Member;
        void (TOrvaneDrawRegion::*Click)();
        int Value;
    };
    auto group = [this](const char* caption, const char* name, std::vector<std::pair<QAction*, int>>& items,
                     std::initializer_list<Item> list) {
        QMenu* menu = Parameters1->addMenu(QLatin1String(caption));
        menu->setObjectName(QLatin1String(name));
        for (const Item& item : list) {
            QAction* action = menu->addAction(QLatin1String(item.Caption));
            action->setObjectName(QLatin1String(item.Name));
            action->setCheckable(true);
            this->*item.Member = action;
            connect(action, &QAction::triggered, this, item.Click);
            items.emplace_back(action, item.Value);
        }
    };
    using T = TOrvaneDrawRegion;
    group("Point Type", "PointType1", pointTypeItems_,
        {{ "square", "squarePoint", &T::squarePoint, &T::squarePointClick, kPadSquare},
            {"triangle", "trianglePoint", &T::trianglePoint, &T::trianglePointClick, kPadTriangle},
            {"Dot", "DotPoint", &T::DotPoint, &T::DotPointClick, kPadDot } });
    group("Point Size", "PointSize1", pointSizeItems_,
        {{ "Small (1)", "PointNo1", &T::PointNo1, &T::PointNo1Click, 2},
            {"Medium (2)", "PointNo2", &T::PointNo2, &T::PointNo2Click, 4},
            {"Large (3)", "PointNo3", &T::PointNo3, &T::PointNo3Click, 6 } });
    group("Line Thickness", "LineThickness1", lineItems_,
        {{ "Thin (1)", "LineNo1", &T::LineNo1, &T::LineNo1Click, 1},
            {"Medium (2)", "LineNo2", &T::LineNo2, &T::LineNo2Click, 2},
            {"Thick (3)", "LineNo3", &T::LineNo3, &T::LineNo3Click, 3 } });
    group("Text Size", "TextSize1", textItems_,
        {{ "Small (1)", "TextNo1", &T::TextNo1, &T::TextNo1Click, 4},
            {"Medium (2)", "TextNo2", &T::TextNo2, &T::TextNo2Click, 8},
            {"Large (3)", "TextNo3", &T::TextNo3, &T::TextNo3Click, 12 } });
    group("Show Direction", "ShowDirection1", directionItems_,
        {{ "YES", "DirectionON", &T::DirectionON, &T::DirectionONClick, 1},
            {"NO", "DirectionOFF", &T::DirectionOFF, &T::DirectionOFFClick, 0 } });
    group("Direction Mark Size", "DirectionMarkSize1", markSizeItems_,
        {{ "Small", "DirectionSize1", &T::DirectionSize1, &T::DirectionSize1Click, 1},
            {"Medium", "DirectionSize2", &T::DirectionSize2, &T::DirectionSize2Click, 2},
            {"Large", "DirectionSize3", &T::DirectionSize3, &T::DirectionSize3Click, 3 } });
}

void TOrvaneDrawRegion::PlaceCloseButton()
{
    const int top = PanelMainLeft->height() - CloseBtn->height() - kCloseBtnBottomMargin;
    CloseBtn->move(CloseBtn->x(), std::max(kLowestCloseBtnTop, top));
}

void TOrvaneDrawRegion::showEvent(QShowEvent* event)
{
    TDrawPad05::showEvent(event);
    CloseBtn->setFocus();
}

bool TOrvaneDrawRegion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PanelMainLeft && event->type() == QEvent::Resize)
        PlaceCloseButton();
    return TDrawPad05::eventFilter(watched, event);
}

// --- the command --------------------------------------------------------------------

void TOrvaneDrawRegion::EditRegion(ProjectRecord& project, QWidget* owner, int unitsRow, const QString& iniFileName)
{
    TOrvaneDrawRegion window(project, owner);
    window.OpenOnProject(unitsRow, iniFileName);
    window.ShowModal();
    window.StoreToProject();
}

QString TOrvaneDrawRegion::NoFileMessage() { return QStringLiteral("A file must be opened first"); }

QString TOrvaneDrawRegion::NotClosedQuestion() { return QStringLiteral("Boundary not closed, do you want to exit or not"); }

QString TOrvaneDrawRegion::TooManyNodesQuestion(int boundary, int nodes)
{
    return QStringLiteral("Boundary %1 has %2 points; a boundary holds at most %3, its first point repeated at the end "
                          "included. Close anyway and keep the first %4?")
        .arg(boundary)
        .arg(Grouped(nodes))
        .arg(kMaxGridNode)
        .arg(kMaxGridNode - 1);
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
    KmPerUnit = KmPerUnitOfRow(unitsRow);
    if (KmPerUnit <= 0)
        KmPerUnit = KmPerUnitOfRow(UnitsComboCode(project_.CoordUnits));
    if (KmPerUnit <= 0)
        KmPerUnit = 1.0f;
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

    Graph.Chains = ChainsFromProject(project_, KmPerUnit);
    Graph.LoadChains();
    UndoStack->clear();  // the loaded boundaries are the start, not an edit
    Ready = true;
    Redraw();
}

void TOrvaneDrawRegion::ReadDrawSettings()
{
    const SettingsFile file(ToStd(IniFileName));
    for (const DrawSetting& s : kDrawSettings) {
        const int value = file.ReadInteger(kDrawSection, s.Key, s.Default);
        this->*s.Field = value >= s.Lowest && value <= s.Highest ? value : s.Default;
    }
    MarkOn = file.ReadBool(kDrawSection, kArrowOnKey, true);
}

void TOrvaneDrawRegion::WriteDrawSettings() const
{
    SettingsFile file(ToStd(IniFileName));
    for (const DrawSetting& s : kDrawSettings)
        file.WriteInteger(kDrawSection, s.Key, this->*s.Field);
    file.WriteBool(kDrawSection, kArrowOnKey, MarkOn);
    file.Save();
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
    StoreChains(project_, Graph.Chains, KmPerUnit);
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
    if (!Graph.BuildChains() && !Ask(NotClosedQuestion(), true))
        return false;
    for (std::size_t c = 0; c < Graph.Chains.size(); ++c) {
        const auto& chain = Graph.Chains[c];
        if (StoredNodeCount(chain) > kMaxGridNode &&
            !Ask(TooManyNodesQuestion(static_cast<int>(c) + 1, static_cast<int>(chain.size())), false))
            return false;
    }
    const int extra = UnbuiltChainCount(Graph);
    return extra == 0 || Ask(TooManyRingsQuestion(extra), false);
}

bool TOrvaneDrawRegion::Ask(const QString& question, bool defaultYes)
{
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Confirm"), question, QMessageBox::Yes | QMessageBox::No, this);
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

void TOrvaneDrawRegion::ScaleComboChange()
{
    SetScale(ScaleCombo->currentIndex());
    if (Ready)
        Redraw();
}

void TOrvaneDrawRegion::GridComboChange()
{
    SetGridSize(GridCombo->currentIndex());
    if (Ready)
        Redraw();
}

// Snapping changes nothing on the screen.
void TOrvaneDrawRegion::SnapComboChange() { SetSnap(SnapCombo->currentIndex()); }

// --- buttons and menus ------------------------------------------------------------------

void TOrvaneDrawRegion::SEtPointsBtnClick() { ToggleSetPoints(); }
void TOrvaneDrawRegion::MovePointsBtnClick()
{
    ToggleMovePoints();
}
void TOrvaneDrawRegion::DeletePointsBtnClick() { ToggleDeletePoints(); }
void TOrvaneDrawRegion::ConnectPointsBtnClick()
{
    ToggleSetLines();
}
void TOrvaneDrawRegion::DisconnectPointsClick() { ToggleDeleteLines(); }
void TOrvaneDrawRegion::Exit1Click()
{
    close();
}

void TOrvaneDrawRegion::CheckGroup(const std::vector<std::pair<QAction*, int>>& group, int value)
{
    for (const auto& [action, itemValue] : group)
        action->setChecked(itemValue == value);
    Redraw();
}

void TOrvaneDrawRegion::SetLineNo() { CheckGroup(lineItems_, LineWidth); }
void TOrvaneDrawRegion::SetPOintTYpe()
{
    CheckGroup(pointTypeItems_, PointType);
}
void TOrvaneDrawRegion::SetPointSize() { CheckGroup(pointSizeItems_, PointSize); }
void TOrvaneDrawRegion::SetTextSize()
{
    CheckGroup(textItems_, LabelSize);
}
void TOrvaneDrawRegion::SetDirectionON() { CheckGroup(directionItems_, MarkOn ? 1 : 0); }
void TOrvaneDrawRegion::SetDirectionMarkSize()
{
    CheckGroup(markSizeItems_, MarkSize);
}

void TOrvaneDrawRegion::squarePointClick()
{
    PointType = kPadSquare;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::trianglePointClick()
{
    PointType = kPadTriangle;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::DotPointClick()
{
    PointType = kPadDot;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::PointNo1Click()
{
    PointSize = 2;
    SetPointSize();
}

void TOrvaneDrawRegion::PointNo2Click()
{
    PointSize = 4;
    SetPointSize();
}

void TOrvaneDrawRegion::PointNo3Click()
{
    PointSize = 6;
    SetPointSize();
}

void TOrvaneDrawRegion::LineNo1Click()
{
    LineWidth = 1;
    SetLineNo();
}

void TOrvaneDrawRegion::LineNo2Click()
{
    LineWidth = 2;
    SetLineNo();
}

void TOrvaneDrawRegion::LineNo3Click()
{
    LineWidth = 3;
    SetLineNo();
}

void TOrvaneDrawRegion::TextNo1Click()
{
    LabelSize = 4;
    SetTextSize();
}

void TOrvaneDrawRegion::TextNo2Click()
{
    LabelSize = 8;
    SetTextSize();
}

void TOrvaneDrawRegion::TextNo3Click()
{
    LabelSize = 12;
    SetTextSize();
}

void TOrvaneDrawRegion::DirectionONClick()
{
    MarkOn = true;
    SetDirectionON();
}

void TOrvaneDrawRegion::DirectionOFFClick()
{
    MarkOn = false;
    SetDirectionON();
}

void TOrvaneDrawRegion::DirectionSize1Click()
{
    MarkSize = 1;
    SetDirectionMarkSize();
}

void TOrvaneDrawRegion::DirectionSize2Click()
{
    MarkSize = 2;
    SetDirectionMarkSize();
}

void TOrvaneDrawRegion::DirectionSize3Click()
{
    MarkSize = 3;
    SetDirectionMarkSize();
}

}  // namespace orvane
