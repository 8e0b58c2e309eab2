#include "ui/DrawPad05F.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QUndoStack>

#include <algorithm>
#include <functional>
#include <utility>

#include "graphics/QtRaster.h"

namespace orvane {

namespace {

// Steps kept for undo; each holds two copies of the graph (a few hundred
// kilobytes at most for five boundaries of 1000 nodes).
constexpr int kUndoSteps = 200;

// One completed edit: the graph before and after. The edit is already done
// when the step is pushed, so the first redo does nothing.
class PadEditStep final : public QUndoCommand {
public:
    PadEditStep(const QString& text, PadGraph before, PadGraph after, std::function<void(const PadGraph&)> apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply))
    {
    }
    void undo() override { apply_(before_); }
    void redo() override
    {
        if (std::exchange(pushed_, false))
            return;
        apply_(after_);
    }

private:
    PadGraph before_;
    PadGraph after_;
    std::function<void(const PadGraph&)> apply_;
    bool pushed_ = true;
};

std::size_t Slot(TEditMode mode) { return static_cast<std::size_t>(mode); }

}  // namespace

TDrawPad05::TDrawPad05(QWidget* parent) : TDrawPad04(parent)
{
    UndoStack = new QUndoStack(this);
    UndoStack->setUndoLimit(kUndoSteps);

    UndoAction = new QAction(tr("&Undo"), this);
    UndoAction->setObjectName(QStringLiteral("UndoAction"));
    UndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    UndoAction->setEnabled(false);
    connect(UndoAction, &QAction::triggered, this, &TDrawPad05::Undo);
    connect(UndoStack, &QUndoStack::canUndoChanged, UndoAction, &QAction::setEnabled);

    RedoAction = new QAction(tr("&Redo"), this);
    RedoAction->setObjectName(QStringLiteral("RedoAction"));
    RedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    RedoAction->setEnabled(false);
    connect(RedoAction, &QAction::triggered, this, &TDrawPad05::Redo);
    connect(UndoStack, &QUndoStack::canRedoChanged, RedoAction, &QAction::setEnabled);

    EndToolAction = new QAction(tr("End tool"), this);
    EndToolAction->setObjectName(QStringLiteral("EndToolAction"));
    EndToolAction->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(EndToolAction, &QAction::triggered, this, &TDrawPad05::EndTool);

    // Window actions: the shortcuts work wherever the focus is in the window,
    // with or without a menu holding them.
    for (QAction* action : {UndoAction, RedoAction, EndToolAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

TDrawPad05::~TDrawPad05() = default;

void TDrawPad05::ResetDefaults()
{
    TDrawPad04::ResetDefaults();
    PanelMainCenterResize();
}

// --- tools ------------------------------------------------------------------

void TDrawPad05::ToggleSetPoints() { ToggleTool(TEditMode::SetPoints); }
void TDrawPad05::ToggleMovePoints() { ToggleTool(TEditMode::MovePoints); }
void TDrawPad05::ToggleDeletePoints() { ToggleTool(TEditMode::DeletePoints); }
void TDrawPad05::ToggleDeleteLines() { ToggleTool(TEditMode::DeleteLines); }

void TDrawPad05::ToggleSetLines()
{
    ToggleTool(TEditMode::SetLines);
    if (EditMode == TEditMode::SetLines) {
        AwaitingFirst = true;
        BandStart = BandEnd = PadXY{};
    }
}

void TDrawPad05::ToggleTool(TEditMode tool) { SetEditMode(EditMode == tool ? TEditMode::None : tool); }

void TDrawPad05::EndTool()
{
    SetEditMode(TEditMode::None);
    Redraw();
}

void TDrawPad05::SetEditMode(TEditMode mode)
{
    // A tool change never leaves a point hidden in mid-move or a stale band
    // on the surface.
    if (Dragging)
        CancelMove();
    HideBand();
    EditMode = mode;
    ApplyCursor();
    SyncToolButtons();
    emit EditModeChanged(mode);
}

void TDrawPad05::ApplyCursor()
{
    switch (EditMode) {
    case TEditMode::SetPoints:
        DrawSurface->setCursor(Qt::CrossCursor);
        break;
    case TEditMode::MovePoints:
        DrawSurface->setCursor(Qt::DragMoveCursor);
        break;
    case TEditMode::DeletePoints:
    case TEditMode::DeleteLines:
        DrawSurface->setCursor(Qt::PointingHandCursor);
        break;
    case TEditMode::None:
    case TEditMode::SetLines:
        DrawSurface->setCursor(Qt::ArrowCursor);
        break;
    }
}

void TDrawPad05::SetToolButton(TEditMode tool, QAbstractButton* button)
{
    if (tool == TEditMode::None || button == nullptr)
        return;
    button->setCheckable(true);
    toolButtons_[Slot(tool)] = button;
    SyncToolButtons();
}

void TDrawPad05::SyncToolButtons()
{
    for (std::size_t i = 0; i < toolButtons_.size(); ++i)
        if (toolButtons_[i])
            toolButtons_[i]->setChecked(i == Slot(EditMode));
}

void TDrawPad05::keyPressEvent(QKeyEvent* event)
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction* action : {UndoAction, RedoAction, EndToolAction}) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return;
        }
    }
    TDrawPad04::keyPressEvent(event);
}

// --- mouse ------------------------------------------------------------------

void TDrawPad05::DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y)
{
    TDrawPad04::DrawSurfaceMouseDown(button, X, Y);
    // A second button pressed during a move would pick again and leave the
    // moving point hidden; the move finishes first.
    if (Dragging)
        return;
    if (button == Qt::RightButton) {
        if (EditMode != TEditMode::MovePoints)
            SetEditMode(TEditMode::None);
        Redraw();
    }

    if (EditMode == TEditMode::None || EditMode == TEditMode::SetPoints) {
        const PadXY w = Mapping.PixelToWorld(X, Y);
        const PadPixel onLattice = Mapping.WorldToPixel(w.X, w.Y);
        MoveCursorBy(onLattice.X - X, onLattice.Y - Y);
    }

    switch (EditMode) {
    case TEditMode::None:
        break;
    case TEditMode::SetPoints: {
        const PadGraph before = Graph;
        const PadXY w = Mapping.PixelToWorld(X, Y);
        const std::int32_t number = Graph.AddPoint(0, w.X, w.Y);
        // Copy mode like the rest of the scene: a second point on the same
        // spot must not erase the first one's marker.
        Canvas().SetPenMode(PenMode::Copy);
        DrawPadPoint(number, Mapping.WorldToPixel(w.X, w.Y));
        Commit(tr("Set point"), before);
        break;
    }
    case TEditMode::DeletePoints: {
        Picked = PickPoint(X, Y);
        if (Picked.Index < 0)
            break;
        const PadGraph before = Graph;
        TouchingLines = Graph.LinesOfPoint(Picked.Index);
        for (std::int32_t j : TouchingLines)
            Graph.DeleteLine(j);
        Graph.RemovePoint(Picked.Index);
        Redraw();
        Commit(tr("Delete point"), before);
        break;
    }
    case TEditMode::MovePoints:
        StartMove(button, X, Y);
        break;
    case TEditMode::SetLines: {
        HideBand();
        BandStart = BandEnd = PadXY{};
        Picked = PickPoint(X, Y);
        if (Picked.Index < 0)
            break;
        BandStart = BandEnd = PadXY{Picked.X, Picked.Y};
        if (AwaitingFirst) {
            FirstPoint = Picked.Index;
            AwaitingFirst = false;
        } else if (Picked.Index != FirstPoint) {
            // A second click on the same point (a double click, say) would
            // close it on itself as a one-node boundary; it joins nothing.
            const PadGraph before = Graph;
            if (ConnectPoints(FirstPoint, Picked.Index))
                Commit(tr("Set line"), before);
            FirstPoint = Picked.Index;  // also after a refusal: the next line starts here
        }
        break;
    }
    case TEditMode::DeleteLines: {
        const std::int32_t j = NearestLine(X, Y);
        if (j >= 0) {
            const PadGraph before = Graph;
            Graph.DeleteLine(j);
            Commit(tr("Delete line"), before);
        }
        Redraw();
        break;
    }
    }
}

void TDrawPad05::DrawSurfaceMouseMove(int X, int Y)
{
    TDrawPad04::DrawSurfaceMouseMove(X, Y);
    if (Dragging) {
        ToggleMoveFigure();  // erase at the old position
        const PadXY w = SurfaceWorld(X, Y);
        Picked.X = w.X;
        Picked.Y = w.Y;
        PadPoint& p = Graph.Points[static_cast<std::size_t>(Picked.Index)];
        p.X = w.X;
        p.Y = w.Y;
        ToggleMoveFigure();
    } else if (EditMode == TEditMode::SetLines && Picked.Index >= 0 && !AwaitingFirst) {
        HideBand();
        BandEnd = Mapping.PixelToWorld(X, Y);
        ShowBand();
    }
}

void TDrawPad05::DrawSurfaceMouseUp(Qt::MouseButton button, int X, int Y)
{
    TDrawPad04::DrawSurfaceMouseUp(button, X, Y);
    if (!Dragging || (button != moveButton_ && button != Qt::NoButton))
        return;
    Dragging = false;
    moveFigureShown_ = false;
    PointColour = SavedPointColour;
    const PadXY w = SurfaceWorld(X, Y);
    PadPoint& p = Graph.Points[static_cast<std::size_t>(Picked.Index)];
    p.X = w.X;
    p.Y = w.Y;
    p.Visible = true;
    for (std::int32_t j : TouchingLines)
        Graph.Lines[static_cast<std::size_t>(j)].Visible = true;
    Redraw();
    Commit(tr("Move point"), beforeMove_);
}

// --- moving a point -----------------------------------------------------------

void TDrawPad05::StartMove(Qt::MouseButton button, int X, int Y)
{
    Picked = PickPoint(X, Y);
    Dragging = Picked.Index >= 0;
    if (!Dragging)
        return;
    beforeMove_ = Graph;
    moveButton_ = button;
    Graph.Points[static_cast<std::size_t>(Picked.Index)].Visible = false;
    TouchingLines = Graph.LinesOfPoint(Picked.Index);
    for (std::int32_t j : TouchingLines)
        Graph.Lines[static_cast<std::size_t>(j)].Visible = false;
    Redraw();  // the scene without the point and its lines
    SavedPointColour = PointColour;
    PointColour = colours::kRed;
    moveFigureShown_ = false;
    ToggleMoveFigure();
}

void TDrawPad05::CancelMove()
{
    Dragging = false;
    moveFigureShown_ = false;
    PointColour = SavedPointColour;
    Graph.Points = beforeMove_.Points;
    Graph.Lines = beforeMove_.Lines;
    Redraw();
}

void TDrawPad05::ToggleMoveFigure()
{
    if (moveFigureShown_ && moveFigureClears_ != SurfaceClears()) {
        moveFigureShown_ = false;  // already wiped by a clear
        return;
    }
    const auto valid = [this](std::int32_t i) { return i >= 0 && i < static_cast<std::int32_t>(Graph.Points.size()); };
    Canvas().SetPenMode(PenMode::Invert);
    DrawPadPoint(0, Mapping.WorldToPixel(Picked.X, Picked.Y));
    for (std::int32_t j : TouchingLines) {
        const PadLine& line = Graph.Lines[static_cast<std::size_t>(j)];
        if (!line.Live || !valid(line.From) || !valid(line.To))
            continue;
        const PadPoint& a = Graph.Points[static_cast<std::size_t>(line.From)];
        const PadPoint& b = Graph.Points[static_cast<std::size_t>(line.To)];
        DrawPadLine(true, a.X, a.Y, b.X, b.Y);
    }
    Canvas().SetPenMode(PenMode::Copy);
    moveFigureShown_ = !moveFigureShown_;
    moveFigureClears_ = SurfaceClears();
}

PadXY TDrawPad05::SurfaceWorld(int X, int Y) const
{
    // A point dropped outside the surface would land where the pad, which
    // never scrolls, could not show it again.
    return Mapping.PixelToWorld(std::clamp(X, 0, std::max(0, Mapping.SurfaceWidth - 1)),
                                std::clamp(Y, 0, std::max(0, Mapping.SurfaceBottom)));
}

// --- rubber band --------------------------------------------------------------

void TDrawPad05::ShowBand()
{
    Canvas().SetPenMode(PenMode::Invert);
    DrawPadLine(false, BandStart.X, BandStart.Y, BandEnd.X, BandEnd.Y);
    Canvas().SetPenMode(PenMode::Copy);
    bandShown_ = true;
    bandClears_ = SurfaceClears();
}

void TDrawPad05::HideBand()
{
    if (bandShown_ && bandClears_ == SurfaceClears()) {
        Canvas().SetPenMode(PenMode::Invert);
        DrawPadLine(false, BandStart.X, BandStart.Y, BandEnd.X, BandEnd.Y);
        Canvas().SetPenMode(PenMode::Copy);
    }
    bandShown_ = false;
}

// --- undo -----------------------------------------------------------------------

void TDrawPad05::Commit(const QString& text, const PadGraph& before)
{
    if (before.Points == Graph.Points && before.Lines == Graph.Lines)
        return;
    UndoStack->push(
        new PadEditStep(text, before, Graph, [this](const PadGraph& graph) { RestoreGraph(graph); }));
}

void TDrawPad05::RestoreGraph(const PadGraph& graph)
{
    Graph.Points = graph.Points;
    Graph.Lines = graph.Lines;
    // Picks and the polyline in progress may name points that are gone now.
    Picked = PadPoint{};
    if (EditMode == TEditMode::SetLines) {
        AwaitingFirst = true;
        FirstPoint = -1;
    }
    Redraw();
}

void TDrawPad05::Undo()
{
    if (!Dragging)
        UndoStack->undo();
}

void TDrawPad05::Redo()
{
    if (!Dragging)
        UndoStack->redo();
}

}  // namespace orvane
